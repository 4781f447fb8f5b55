#include "editor/view/LineRenderer.h"

#include "editor/model/CaretPos.h"
#include "editor/model/LineLayout.h"
#include "editor/view/GridGeometry.h"
#include "editor/FormattingProcessor.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace {
// ⌈a / b⌉ for a ≥ 0, b > 0.
int CeilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : 0; }

// The text a character (its UTF-8) shows as. A letter with marks that Unicode composes into
// one character is drawn as that character: fonts draw it whole in its cell, where marks
// drawn over a letter may stray outside it.
std::string_view Shown(std::string_view ch, bool showHidden, std::string& composed)
{
    if (ch.size() > 2 && ColumnCount(ch) > 1) {
        composed = Utf8FromQString(QStringFromUtf8(ch).normalized(QString::NormalizationForm_C));
        if (ColumnCount(composed) == 1) return composed;
    }
    if (showHidden) {
        if (ch == " ") return "\u00B7";  // middle dot
        if (ch == "\t") return "\u2022"; // bullet
    } else if (ch == "\t") {
        return " ";
    }
    return ch;
}
} // namespace

int TCellMetrics::LastVisibleLine(int count) const
{
    return std::min(count - 1, Scroll.Y + CeilDiv(ClientHeight, LineHeight) - 1);
}

bool AnyPointHidden(int w, int h, int step, const std::function<bool(int x, int y)>& visible)
{
    const int s = std::max(1, step);
    for (int a = 0; a <= (w - 1) / s; ++a)
        for (int b = 0; b <= (h - 1) / s; ++b)
            if (!visible(a * s, b * s)) return true;
    for (int a = 0; a <= (h - 1) / s; ++a)
        if (!visible(w - 1, a * s)) return true;
    for (int a = 0; a <= (w - 1) / s; ++a)
        if (!visible(a * s, h - 1)) return true;
    return false;
}

bool TSelectionSpan::Contains(int line, int column) const
{
    if (Start == End) return false;
    if (Start.Y < line && line < End.Y) return true;
    if (line == Start.Y && Start.Y == End.Y) return Start.X <= column && column < End.X;
    if (line == Start.Y) return column >= Start.X;
    if (line == End.Y) return column < End.X;
    return false;
}

void TLineRenderer::FullPicture(const TPaintInput& in, TColor background)
{
    TCanvas& c = in.Canvas;
    const TCellMetrics& m = in.Cells;
    c.Brush.Color = background;
    c.Brush.Style = bsSolid;
    in.Drew = true;
    // Every line's ink falls where a full picture puts it: nothing is owed.
    Covers.clear();
    if (m.CharWidth <= 0 || m.LineHeight <= 0) {
        c.FillRect({0, 0, m.ClientWidth, m.ClientHeight});
        return PaintVisibleLines(in);
    }
    // The picture is the background and the lines over it, but filling the whole area first
    // and then every cell writes the text's pixels twice, at a high pixel density the larger
    // part of a repaint. So each cell is filled as its character is drawn and only what no
    // cell covers is filled apart (ink above a cell falls on rows drawn already, over their
    // fill); from the first character whose ink reaches beside or below its cells on, what is
    // left is filled first and drawn over, as the ink would fall on the fill.
    bool cellsFilled = true;
    const int rows = CeilDiv(m.ClientHeight, m.LineHeight);
    for (int r = 0; r < rows; ++r) {
        const int line = m.Scroll.Y + r, top = r * m.LineHeight;
        if (line < 0 || line >= in.Lines.Count()) {
            if (cellsFilled) c.FillRect({0, top, m.ClientWidth, top + m.LineHeight});
            continue;
        }
        const int end = LineCells(in, line, cellsFilled ? &background : nullptr);
        if (end < 0) {
            cellsFilled = false;
        } else if (cellsFilled) {
            c.FillRect({end, top, m.ClientWidth, top + m.LineHeight});
        }
    }
    Covers.clear();
}

void TLineRenderer::PaintVisibleLines(const TPaintInput& in)
{
    const int last = in.Cells.LastVisibleLine(in.Lines.Count());
    for (int l = std::max(in.Cells.Scroll.Y, 0); l <= last; ++l) PaintLine(in, l);
}

void TLineRenderer::PaintLine(const TPaintInput& in, int line)
{
    if (line < 0 || line >= in.Lines.Count()) return;
    LineCells(in, line, nullptr);
}

int TLineRenderer::LineCells(const TPaintInput& in, int line, const TColor* cellFill)
{
    const int sx = in.Cells.Scroll.X;
    const int end = sx + CeilDiv(in.Cells.ClientWidth, in.Cells.CharWidth);
    const TLineCells cells(in.Lines[line]);
    Cover(line, 0, in.Cells.ClientWidth);
    // A wide character half scrolled off on the left is drawn whole, its ink clipped.
    int drawnTo = sx;
    TClusterCell c = cells.AtCell(sx), next = cells.Next(c), later = cells.Next(next);
    for (; !c.Text.empty() && c.Cell < end; c = next, next = later, later = cells.Next(later)) {
        Cells.Prefetch(in.Canvas, next.Text, later.Text);
        if (!DrawCluster(in, line, c, false, cellFill)) cellFill = nullptr;
        drawnTo = c.Cell + c.Width;
    }
    EraseLineEnd(in, line, cells.CellCount());
    // This line's ink is drawn over the line above again.
    std::erase_if(Covers, [&](const TCover& c) { return c.Line == line - 1; });
    return cellFill ? std::max(drawnTo - sx, 0) * in.Cells.CharWidth : -1;
}

void TLineRenderer::EraseLineEnd(const TPaintInput& in, int line, int cells)
{
    EraseCell(in, line, cells);
    EraseCell(in, line, cells + 1);
}

void TLineRenderer::FillOnwards(const TPaintInput& in, TPoint p, TColor background)
{
    const TCellMetrics& m = in.Cells;
    TCanvas& c = in.Canvas;
    const TColor brush = c.Brush.Color;
    c.Brush.Color = background;
    c.FillRect({p.X, p.Y, m.ClientWidth, p.Y + m.LineHeight});
    c.FillRect({0, p.Y + m.LineHeight, m.ClientWidth, m.ClientHeight});
    c.Brush.Color = brush;
}

void TLineRenderer::EraseCell(const TPaintInput& in, int line, int cell)
{
    const TPoint p = in.Cells.CellPoint({cell, line});
    in.Canvas.FillRect({p.X, p.Y, p.X + in.Cells.CharWidth, p.Y + in.Cells.LineHeight});
    Cover(line, p.X, p.X + in.Cells.CharWidth);
    Cells.TextOut(in.Canvas, p.X, p.Y, " ");
    in.Drew = true;
}

void TLineRenderer::PaintChar(const TPaintInput& in, int line, int column, bool appendedAtLineEnd)
{
    if (line < 0 || line >= in.Lines.Count() || column < 0) return;
    const TLineCells cells(in.Lines[line]);
    const TClusterCell cluster = cells.AtCell(cells.CellOf(column));
    if (cluster.Text.empty()) return;
    const int x = in.Cells.CellPoint({cluster.Cell, line}).X;
    Cover(line, x, x + cluster.Width * in.Cells.CharWidth);
    DrawCluster(in, line, cluster, appendedAtLineEnd, nullptr);
}

void TLineRenderer::Cover(int line, int left, int right)
{
    // A line is mostly covered bit by bit (its cells, then the cells after its end): one
    // stretch for what touches.
    for (auto c = Covers.rbegin(); c != Covers.rend(); ++c)
        if (c->Line == line && left <= c->Right && c->Left <= right) {
            c->Left = std::min(c->Left, left);
            c->Right = std::max(c->Right, right);
            return;
        }
    Covers.push_back({line, left, right});
}

TLineRenderer::TDress TLineRenderer::Dress(const TPaintInput& in, int line, const TClusterCell& cluster,
                                           bool appendedAtLineEnd)
{
    TCanvas& c = in.Canvas;
    if (in.Style.Formatting) {
        const TCharFormat f = in.Style.Formatting->GetCharFormat(cluster.Text[0], {cluster.Column, line}, appendedAtLineEnd);
        c.Font.Color = f.Color;
        c.Font.Style = f.Style;
    } else {
        c.Font = in.Style.Font;
    }
    const TDress d{in.Selection.Contains(line, cluster.Column), c.Brush.Color, c.Font.Color};
    if (d.Selected) {
        c.Brush.Color = in.Style.HighlightColor;
        c.Font.Color = in.Style.HighlightTextColor;
    }
    return d;
}

void TLineRenderer::Undress(TCanvas& c, const TDress& d)
{
    if (d.Selected) {
        c.Brush.Color = d.Brush;
        c.Font.Color = d.FontColor;
    }
}

void TLineRenderer::DrawInkFromBelow(const TPaintInput& in)
{
    const TCellMetrics& m = in.Cells;
    if (Covers.empty() || m.CharWidth <= 0) return Covers.clear();
    TCanvas& c = in.Canvas;
    const TFont font = c.Font;
    const TColor brush = c.Brush.Color;
    // The lines a full picture draws, and their cells.
    const int last = m.LastVisibleLine(in.Lines.Count());
    const int end = m.Scroll.X + CeilDiv(m.ClientWidth, m.CharWidth);
    for (const TCover& cover : Covers) {
        const int below = cover.Line + 1;
        if (below < std::max(m.Scroll.Y, 0) || below > last) continue;
        const int top = m.CellPoint({0, cover.Line}).Y;
        const TRect clip{cover.Left, top, cover.Right, top + m.LineHeight};
        const TLineCells cells(in.Lines[below]);
        // From a cell before the covered part, in case the ink reaches beside its box.
        const int first = m.Scroll.X + std::max(cover.Left / m.CharWidth - 1, 0);
        const int to = std::min(end, m.Scroll.X + CeilDiv(std::max(cover.Right, 0), m.CharWidth) + 1);
        for (TClusterCell cl = cells.AtCell(first); !cl.Text.empty() && cl.Cell < to; cl = cells.Next(cl)) {
            const TDress d = Dress(in, below, cl, false);
            std::string composed;
            const TPoint p = m.CellPoint({cl.Cell, below});
            Cells.InkAbove(c, p.X, p.Y, Shown(cl.Text, in.Style.ShowHiddenChars, composed), clip);
            Undress(c, d);
        }
    }
    Covers.clear();
    c.Font = font;
    c.Brush.Color = brush;
}

bool TLineRenderer::DrawCluster(const TPaintInput& in, int line, const TClusterCell& cluster, bool appendedAtLineEnd,
                                const TColor* cellFill)
{
    const TPoint p = in.Cells.CellPoint({cluster.Cell, line});
    const TRect box{p.X, p.Y, p.X + cluster.Width * in.Cells.CharWidth, p.Y + in.Cells.LineHeight};
    TCanvas& c = in.Canvas;
    const TDress dress = Dress(in, line, cluster, appendedAtLineEnd);
    std::string composed;
    const std::string_view shown = Shown(cluster.Text, in.Style.ShowHiddenChars, composed);
    // The cells are filled as the glyph is drawn: a row's cells need not hold what they held
    // before, a wide character having stood where narrow ones now do. A selected wide
    // character is highlighted across both its cells, its glyph being narrower.
    const TColor fill = dress.Selected && cluster.Width > 1 ? c.Brush.Color : cellFill ? *cellFill : dress.Brush;
    const bool filled = Cells.CellOut(c, box, fill, shown);
    if (!filled) {
        if (cellFill) FillOnwards(in, p, *cellFill);
        const TColor brush = c.Brush.Color;
        c.Brush.Color = fill;
        c.FillRect(box);
        c.Brush.Color = brush;
        Cells.TextOut(c, p.X, p.Y, shown);
    }
    in.Drew = true;
    Undress(c, dress);
    return filled || !cellFill;
}

void TLineRenderer::ClearLineBand(const TPaintInput& in, int line)
{
    const int y = (line - in.Cells.Scroll.Y) * in.Cells.LineHeight;
    in.Canvas.FillRect({0, y, in.Cells.ClientWidth, y + in.Cells.LineHeight});
    Cover(line, 0, in.Cells.ClientWidth);
    in.Drew = true;
}

void TLineRenderer::RedrawLine(const TPaintInput& in, int line)
{
    ClearLineBand(in, line);
    PaintLine(in, line);
}

void TLineRenderer::PaintColumn(const TPaintInput& in, int cell)
{
    const int last = in.Cells.LastVisibleLine(in.Lines.Count());
    for (int l = std::max(in.Cells.Scroll.Y, 0); l <= last; ++l) {
        // The whole character that covers the cell, also one that begins in the cell before.
        const TClusterCell cluster = TLineCells(in.Lines[l]).AtCell(cell);
        if (cluster.Text.empty() || cell < 0) continue;
        const int x = in.Cells.CellPoint({cluster.Cell, l}).X;
        Cover(l, x, x + cluster.Width * in.Cells.CharWidth);
        DrawCluster(in, l, cluster, false, nullptr);
    }
}

void TLineRenderer::RedrawColumn(const TPaintInput& in, int cell)
{
    const int x = (cell - in.Cells.Scroll.X) * in.Cells.CharWidth;
    in.Canvas.FillRect({x, 0, x + in.Cells.CharWidth, in.Cells.ClientHeight});
    in.Drew = true;
    const int last = in.Cells.LastVisibleLine(in.Lines.Count());
    for (int l = std::max(in.Cells.Scroll.Y, 0); l <= last; ++l) Cover(l, x, x + in.Cells.CharWidth);
    PaintColumn(in, cell);
}

void TLineRenderer::ScrollPicture(const TPaintInput& in, TPoint v)
{
    const TCellMetrics& m = in.Cells;
    const TPoint n = m.Scroll;
    const int w = m.ClientWidth, h = m.ClientHeight, cw = m.CharWidth, lh = m.LineHeight;
    const int dx = n.X - v.X, dy = n.Y - v.Y;
    const TRect src{std::max(dx, 0) * cw, std::max(dy, 0) * lh, w - std::max(-dx, 0) * cw, h - std::max(-dy, 0) * lh};
    const TRect dest{std::max(-dx, 0) * cw, std::max(-dy, 0) * lh, w - std::max(dx, 0) * cw, h - std::max(dy, 0) * lh};
    in.Canvas.CopyRect(dest, in.Canvas, src);
    in.Drew = true;
    const int n1 = in.Lines.Count() - 1;
    const int rows = lh > 0 ? h / lh : 0, cols = cw > 0 ? w / cw : 0;
    // What the move uncovered, never more than a screen: a jump further than that moved no
    // pixels and uncovered the whole screen.
    if (dy > 0)
        for (int l = std::max(v.Y + rows, n.Y); l <= std::min(n.Y + rows, n1); ++l) RedrawLine(in, l);
    if (dy < 0)
        for (int l = n.Y; l <= std::min({v.Y - 1, n.Y + rows, n1}); ++l) RedrawLine(in, l);
    if (dx > 0)
        for (int col = std::max(v.X + cols, n.X); col <= n.X + cols; ++col) RedrawColumn(in, col);
    if (dx < 0)
        for (int col = n.X; col <= std::min(v.X - 1, n.X + cols); ++col) RedrawColumn(in, col);
    for (int l = n1 + 1; l <= n.Y + rows + 1; ++l) ClearLineBand(in, l);
}

void TLineRenderer::BreakLinePicture(const TPaintInput& in, int line)
{
    const TCellMetrics& m = in.Cells;
    const int lh = m.LineHeight, w = m.ClientWidth, h = m.ClientHeight;
    // Moved rather than drawn again.
    const int top = std::max(0, (line + 1 - m.Scroll.Y) * lh);
    if (top + lh < h) {
        in.Canvas.CopyRect({0, top + lh, w, h}, in.Canvas, {0, top, w, h - lh});
        in.Drew = true;
    }
    RedrawLine(in, line);
    RedrawLine(in, line + 1);
    // Broken above the screen, every row shows the line before the one it showed: the top
    // row's is the one the move could not bring.
    if (line + 1 < m.Scroll.Y) RedrawLine(in, m.Scroll.Y);
}

void TLineRenderer::LineEdited(const TPaintInput& in, int line, int column, TLineChange change, bool appendedAtLineEnd)
{
    if (appendedAtLineEnd) {
        PaintChar(in, line, column, true);
    } else if (change.Columns < 0 && column == in.Lines.Length(line)) {
        const int cells = CellCount(in.Lines[line]);
        for (int c = cells; c < cells + std::max(-change.Cells, 2); ++c) EraseCell(in, line, c);
    } else if (change.Cells >= -2) {
        PaintLine(in, line);
    } else {
        RedrawLine(in, line);
    }
}

void TLineRenderer::SelectionEndMoved(const TPaintInput& in, TPoint from, TPoint to, bool caretStayed)
{
    if (!caretStayed) return PaintVisibleLines(in);
    if (to.Y == from.Y) return PaintLine(in, to.Y);
    // Only the lines on screen: one off screen leaves no pixels, and a jump across a long text
    // would otherwise walk every line in between.
    const TCellMetrics& m = in.Cells;
    const int rows = TGridGeometry{m.ClientWidth, m.ClientHeight, m.CharWidth, m.LineHeight}.RowsTouched();
    const int first = std::max(std::min(from.Y, to.Y), m.Scroll.Y);
    const int last = std::min({in.Lines.Count() - 1, std::max(from.Y, to.Y), m.Scroll.Y + rows - 1});
    for (int l = first; l <= last; ++l) PaintLine(in, l);
}
