#include "editor/view/GridGeometry.h"

#include <QAbstractSlider>

TPoint TGridGeometry::CellAt(int px, int py, TPoint scroll) const
{
    if (CharWidth <= 0 || LineHeight <= 0) return {0, 0};
    // Both divisions truncate toward zero.
    const int line = py / LineHeight + scroll.Y;
    const int column = (px + CharWidth / 2) / CharWidth + scroll.X;
    if (column < scroll.X || line < scroll.Y) return {0, 0};
    return {column, line};
}

TPoint TGridGeometry::ScrollToShow(TPoint scroll, TPoint p) const
{
    TPoint s = scroll;
    if (p.X >= 0 && p.X < s.X) s.X = p.X;
    if (p.Y >= 0 && p.Y < s.Y) s.Y = p.Y;
    if (CharWidth > 0 && s.X + Cols() - 1 < p.X) s.X = p.X - Cols() + 1;
    if (LineHeight > 0 && s.Y + Rows() - 1 < p.Y) s.Y = p.Y - Rows() + 1;
    return s;
}

void TGridGeometry::RowsOfBand(int top, int bottom, int& first, int& last) const
{
    const int lh = LineHeight;
    // Rounded outward, also above the client area.
    first = top >= 0 ? top / lh : -((-top + lh - 1) / lh);
    last = bottom >= 0 ? (bottom + lh - 1) / lh : -(-bottom / lh);
}

std::optional<TScrollBarRequest> ScrollBarRequest(int action, int page, int thumbMove, int last)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return TScrollBarRequest{true, 1};
    case QAbstractSlider::SliderSingleStepSub: return TScrollBarRequest{true, -1};
    case QAbstractSlider::SliderPageStepAdd: return TScrollBarRequest{true, page};
    case QAbstractSlider::SliderPageStepSub: return TScrollBarRequest{true, -page};
    // The whole thumb position: a 16-bit one would send the view back to the top of a list
    // longer than 32767 lines.
    case QAbstractSlider::SliderMove: return TScrollBarRequest{true, thumbMove};
    case QAbstractSlider::SliderToMinimum: return TScrollBarRequest{false, 0};
    case QAbstractSlider::SliderToMaximum: return TScrollBarRequest{false, last};
    default: return std::nullopt;
    }
}
