#pragma once
// Draws the editor's text into its backing image: characters in a fixed grid of cells, the
// selection highlighted, a formatting processor's colours, and the strips and bands around
// the text. Everything a picture depends on comes in as an argument (the canvas, the lines,
// the selection, the cell metrics with the scroll position, the style); the renderer keeps
// nothing between calls but its cache of rendered glyphs. Showing the picture on screen is
// the caller's part.
#include "editor/view/CellPainter.h"
#include "editor/model/LineLayout.h"
#include "editor/model/LineStore.h"
#include "platform/Canvas.h"

#include <functional>
#include <vector>

class TFormattingProcessor;

// The grid: cell size, the top-left visible cell and the client area it is drawn into. A
// point's X here counts cells (see LineLayout.h), not columns.
struct TCellMetrics {
    int CharWidth = 0;
    int LineHeight = 0;
    TPoint Scroll;
    int ClientWidth = 0;
    int ClientHeight = 0;
    // Top-left client pixel of the cell at p.
    TPoint CellPoint(TPoint p) const { return {(p.X - Scroll.X) * CharWidth, (p.Y - Scroll.Y) * LineHeight}; }
    // The last line with a pixel on screen, for a text of `count` lines.
    int LastVisibleLine(int count) const;
};

// How characters look.
struct TTextStyle {
    TFont Font;
    TColor HighlightColor = 0;
    TColor HighlightTextColor = 0;
    // Spaces as middle dots and tabs as bullets; otherwise a tab shows as a space.
    bool ShowHiddenChars = false;
    // Asked for each character's colour and style; without one the font's own are used.
    TFormattingProcessor* Formatting = nullptr;
};

// The selected text: Start inclusive, End exclusive, ordered; nothing when they are equal.
struct TSelectionSpan {
    TPoint Start;
    TPoint End;
    bool Contains(int line, int column) const;
};

// Whether `visible` says no for some point of a grid `step` pixels apart over a w x h area,
// its right and bottom edges included. A step below 1 probes every pixel.
bool AnyPointHidden(int w, int h, int step, const std::function<bool(int x, int y)>& visible);

// One picture's inputs.
struct TPaintInput {
    TCanvas& Canvas;
    const TLineStore& Lines;
    TSelectionSpan Selection;
    TCellMetrics Cells;
    const TTextStyle& Style;
    // Set by every call that drew a pixel, so the caller knows to show the picture.
    mutable bool Drew = false;
};

class TLineRenderer {
public:
    // The whole client area: filled with `background`, which stays the brush for every later
    // drawing, then the visible lines.
    void FullPicture(const TPaintInput& in, TColor background);
    // The visible characters of every visible line, over what is there.
    void PaintVisibleLines(const TPaintInput& in);
    // The visible characters of `line` and the two cells after its end.
    void PaintLine(const TPaintInput& in, int line);
    // The user-perceived character covering `column`; `appendedAtLineEnd` tells the
    // formatting processor it was just typed at the end of its line.
    void PaintChar(const TPaintInput& in, int line, int column, bool appendedAtLineEnd = false);
    // A cell filled with the brush and a space.
    void EraseCell(const TPaintInput& in, int line, int cell);
    // The band of `line` across the client area, filled with the brush; and then its text.
    void ClearLineBand(const TPaintInput& in, int line);
    void RedrawLine(const TPaintInput& in, int line);
    // The characters covering `cell` on the visible lines; and the cell's strip filled first.
    void PaintColumn(const TPaintInput& in, int cell);
    void RedrawColumn(const TPaintInput& in, int cell);
    // The picture of scroll position `from` moved to in.Cells.Scroll: the pixels that stay
    // visible are copied, what the move uncovered is drawn (never more than a screen).
    void ScrollPicture(const TPaintInput& in, TPoint from);
    // The selection's moving end went from `from` to `to`: with the caret where it was, only
    // the lines between them on screen are drawn again, else every visible line.
    void SelectionEndMoved(const TPaintInput& in, TPoint from, TPoint to, bool caretStayed);
    // Enter broke `line` in two: the rows below it move down one row, and the two halves are
    // drawn again.
    void BreakLinePicture(const TPaintInput& in, int line);
    // `line` changed from `column` on and came out `change` longer (shorter when negative).
    // One character typed at its end (`appendedAtLineEnd`) draws its own cells only, and so
    // tells the formatting processor; characters gone from its end blank just the cells they
    // took; otherwise the line is drawn again, its band cleared first only when the two cells
    // after its new end do not cover all it lost.
    struct TLineChange {
        int Columns = 0;
        int Cells = 0;
    };
    void LineEdited(const TPaintInput& in, int line, int column, TLineChange change, bool appendedAtLineEnd);
    // Forgets every rendered glyph (system colours may have changed).
    void ClearGlyphs() { Cells.Clear(); }
    // A character's ink above its line falls on the line above, drawn after that line. The
    // calls above that draw over part of a line's band and not the line below it again keep
    // what they covered; this draws the line below's ink there again, as a full picture has
    // it. The caller ends each picture with it.
    void DrawInkFromBelow(const TPaintInput& in);

private:
    // The part [Left, Right) (client x) of a line's band drawn over since the line below was.
    struct TCover {
        int Line, Left, Right;
    };
    void Cover(int line, int left, int right);
    // The canvas set to draw `cluster`: the formatting processor's colour and style or the
    // style's font, and the highlight's colours where it is selected; and what Undress puts
    // back (the brush and font colour, where it is selected).
    struct TDress {
        bool Selected;
        TColor Brush, FontColor;
    };
    TDress Dress(const TPaintInput& in, int line, const TClusterCell& cluster, bool appendedAtLineEnd);
    static void Undress(TCanvas& c, const TDress& d);
    // One character drawn in its cells; with `cellFill`, they are filled with that colour as
    // it is drawn, unless its ink reaches beside or below them: then all from its first cell
    // on (the rest of its row and every row below) is filled first and the character drawn
    // over it. False in that case.
    bool DrawCluster(const TPaintInput& in, int line, const TClusterCell& cluster, bool appendedAtLineEnd,
                     const TColor* cellFill);
    // The visible characters of `line` and the two cells after its end, with `cellFill` as
    // DrawCluster takes it. The client x where its cells end, or -1 once a character's ink
    // left its cells.
    int LineCells(const TPaintInput& in, int line, const TColor* cellFill);
    // The two cells after the end of a line of `cells` cells, erased.
    void EraseLineEnd(const TPaintInput& in, int line, int cells);
    // From the cell at client pixel p to the end of its row, and every row below, filled.
    void FillOnwards(const TPaintInput& in, TPoint p, TColor background);

    TCellPainter Cells;
    std::vector<TCover> Covers;
};
