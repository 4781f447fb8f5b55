#pragma once
// The text grid on screen: the client area's size in pixels and the cell size, and what
// follows from them alone: how many cells show, which cell a pixel falls in, and where
// scrolling must go to bring a position into view.
#include "platform/Geometry.h"

#include <optional>

struct TGridGeometry {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int CharWidth = 0;
    int LineHeight = 0;

    // Whole cells the client area shows; 0 before the cells are measured.
    int Cols() const { return CharWidth > 0 ? ClientWidth / CharWidth : 0; }
    int Rows() const { return LineHeight > 0 ? ClientHeight / LineHeight : 0; }
    // Rows on screen in part or whole.
    int RowsTouched() const { return LineHeight > 0 ? (ClientHeight + LineHeight - 1) / LineHeight : 0; }
    // The position a click at client pixel (px, py) puts the caret at, before it is clamped to
    // the text: a click in a cell's right half lands after it; one left of or above the
    // scrolled text lands at the very start.
    TPoint CellAt(int px, int py, TPoint scroll) const;
    // The scroll position that brings `p` into view from `scroll`, moving as little as
    // possible; a negative coordinate of `p` is left alone on that side.
    TPoint ScrollToShow(TPoint scroll, TPoint p) const;
    // Screen rows [first, last] that a band of client pixels from `top` to `bottom` touches.
    void RowsOfBand(int top, int bottom, int& first, int& last) const;
};

// What a scroll bar's request (a QAbstractSlider::SliderAction) asks of the scroll position on
// its axis: a move by `Move` cells, clamped as any relative scroll is, or at the two ends the
// position `Move` itself. `page` is the whole cells on screen, `thumbMove` how far the thumb was
// dragged, `last` the last line or column. Nothing for a request that moves nothing.
struct TScrollBarRequest {
    bool Relative = true;
    int Move = 0;
};
std::optional<TScrollBarRequest> ScrollBarRequest(int action, int page, int thumbMove, int last);
