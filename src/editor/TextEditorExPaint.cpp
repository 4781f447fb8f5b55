// Painting of the editor: the whole client area, lines, cells, columns and the band below
// the text, all drawn straight into the client area's backing image, and the frame.
#include "editor/TextEditorEx.h"

#include "editor/CellPainter.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

namespace {
// ⌈a / b⌉ for a ≥ 0, b > 0.
int CeilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : 0; }
} // namespace

void TTextEditorEx::FullRepaint()
{
    TCanvas& c = Canvas();
    c.Brush.Color = isEnabled() ? FSettings->BkColor() : clBtnFace;
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    PaintVisibleLines();
}

void TTextEditorEx::PaintVisibleLines()
{
    const int first = ScrollPos.Y();
    const int last = std::min(FDoc.Count() - 1, first + CeilDiv(ClientHeight(), FLineHeight) - 1);
    for (int l = std::max(first, 0); l <= last; ++l) PaintLine(l);
}

void TTextEditorEx::PaintLine(int line)
{
    if (line < 0 || line >= FDoc.Count()) return;
    const int length = FDoc.Length(line);
    const int sx = ScrollPos.X();
    const int last = std::min(length - 1, sx + CeilDiv(ClientWidth(), FCharWidth) - 1);
    for (int c = std::max(sx, 0); c <= last; ++c) PaintChar(line, c);
    EraseCell(line, length);
    EraseCell(line, length + 1);
}

void TTextEditorEx::EraseCell(int line, int column)
{
    const TPoint p = CellPoint({column, line});
    TCanvas& c = Canvas();
    c.FillRect({p.X, p.Y, p.X + FCharWidth, p.Y + FLineHeight});
    FCells->TextOut(c, p.X, p.Y, ' ');
    FView->MarkDirty();
}

void TTextEditorEx::PaintChar(int line, int column, bool appendedAtLineEnd)
{
    if (line < 0 || line >= FDoc.Count()) return;
    const std::string& text = FDoc[line];
    if (column < 0 || column >= int(text.size())) return;
    const TPoint p = CellPoint({column, line});
    const unsigned char ch = static_cast<unsigned char>(text[size_t(column)]);
    TCanvas& c = Canvas();

    bool selected = false;
    if (HasSelection()) {
        TPoint s, e;
        GetSelection(s, e);
        if (s.Y < line && line < e.Y) selected = true;
        else if (line == s.Y && s.Y == e.Y) selected = s.X <= column && column < e.X;
        else if (line == s.Y) selected = column >= s.X;
        else if (line == e.Y) selected = column < e.X;
    }

    if (FSettings->InteractiveFormatting() && FFormattingProcessor) {
        const TCharFormat f = FFormattingProcessor->GetCharFormat(char(ch), {column, line}, appendedAtLineEnd);
        c.Font.Color = f.Color;
        c.Font.Style = f.Style;
    } else {
        ResetCanvasFont();
    }

    const TColor savedBrush = c.Brush.Color, savedFont = c.Font.Color;
    if (selected) {
        c.Brush.Color = FSettings->HighlightColor();
        c.Font.Color = FSettings->HighlightTextColor();
    }
    unsigned char shown = ch;
    if (FSettings->ShowHiddenChars()) {
        if (ch == ' ') shown = 0xB7;      // middle dot
        else if (ch == '\t') shown = 0x95; // bullet
    } else if (ch == '\t') {
        shown = ' ';
    }
    FCells->TextOut(c, p.X, p.Y, shown);
    FView->MarkDirty();
    if (selected) {
        c.Brush.Color = savedBrush;
        c.Font.Color = savedFont;
    }
}

void TTextEditorEx::RedrawLine(int line)
{
    const int y = (line - ScrollPos.Y()) * FLineHeight;
    Canvas().FillRect({0, y, ClientWidth(), y + FLineHeight});
    FView->MarkDirty();
    PaintLine(line);
}

void TTextEditorEx::RedrawLines(int first, int last)
{
    last = std::min(last, FDoc.Count() - 1);
    for (int l = first; l <= last; ++l) RedrawLine(l);
}

void TTextEditorEx::ClearLineBand(int line)
{
    const int y = (line - ScrollPos.Y()) * FLineHeight;
    Canvas().FillRect({0, y, ClientWidth(), y + FLineHeight});
    FView->MarkDirty();
}

void TTextEditorEx::PaintColumn(int column)
{
    const int first = ScrollPos.Y();
    const int last = std::min(FDoc.Count() - 1, first + CeilDiv(ClientHeight(), FLineHeight) - 1);
    for (int l = std::max(first, 0); l <= last; ++l)
        if (FDoc.Length(l) > column) PaintChar(l, column);
}

void TTextEditorEx::RedrawColumn(int column)
{
    const int x = (column - ScrollPos.X()) * FCharWidth;
    Canvas().FillRect({x, 0, x + FCharWidth, ClientHeight()});
    FView->MarkDirty();
    PaintColumn(column);
}

void TTextEditorEx::ResetCanvasFont() { Canvas().Font = FFont; }

// The frame: a sunken edge in the desktop's colours, a plain line without the 3-D look, and
// the square between two visible scroll bars.
void TTextEditorEx::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width(), h = height();
    PaintClientEdge(p, w, h, FBorderStyle, FCtl3D);
    if (!FVertScrollBar->isHidden() && !FHorzScrollBar->isHidden()) {
        const int b = BorderWidth();
        p.fillRect(QRect(FVertScrollBar->x(), FHorzScrollBar->y(), FVertScrollBar->width(), FHorzScrollBar->height())
                       .intersected(QRect(b, b, w - 2 * b, h - 2 * b)),
                   ToQColor(clBtnFace));
    }
}
