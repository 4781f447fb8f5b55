// Painting of the editor: the inputs of its renderer (the backing image, the lines, the
// selection, the cell metrics and the style), the renderer's calls with the picture shown
// after each, what an edit changed drawn again, and the frame.
#include "editor/TextEditorEx.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

TCellMetrics TTextEditorEx::Metrics() const
{
    return {FCharWidth, FLineHeight, ScrollPos.GetPoint(), ClientWidth(), ClientHeight()};
}

TPaintInput TTextEditorEx::PaintInput()
{
    FStyle.Font = FFont;
    FStyle.HighlightColor = FSettings->HighlightColor();
    FStyle.HighlightTextColor = FSettings->HighlightTextColor();
    FStyle.ShowHiddenChars = FSettings->ShowHiddenChars();
    FStyle.Formatting = FSettings->InteractiveFormatting() ? FFormattingProcessor : nullptr;
    return {Canvas(), FDoc.Lines(), Selection(), Metrics(), FStyle};
}

void TTextEditorEx::Draw(const std::function<void(const TPaintInput&)>& draw)
{
    const TPaintInput in = PaintInput();
    draw(in);
    FRenderer.DrawInkFromBelow(in);
    if (in.Drew) FView->MarkDirty();
}

void TTextEditorEx::FullRepaint()
{
    const TColor background = isEnabled() ? FSettings->BkColor() : clBtnFace;
    Draw([&](const TPaintInput& in) { FRenderer.FullPicture(in, background); });
}

void TTextEditorEx::DrawEdit(const TEditResult& r)
{
    if (!r.Changed) return;
    if (r.LinesAdded == 1 && r.LastLine == r.FirstLine + 1) {
        // One line became two: the rows below move down, unless the client area is covered
        // and only a full repaint shows it right.
        St.NeedsFullRepaint = VisibilityProbe();
        if (St.NeedsFullRepaint || !MovesWholeDevicePixels({0, 1})) Repaint();
        else Draw([&](const TPaintInput& in) { FRenderer.BreakLinePicture(in, r.FirstLine); });
    } else if (r.LinesAdded != 0) {
        Repaint();
    } else if (r.FirstLine == r.LastLine) {
        Draw([&](const TPaintInput& in) {
            FRenderer.LineEdited(in, r.FirstLine, r.Column, {r.LengthChange, r.CellChange}, r.AppendedAtLineEnd);
        });
    } else {
        RedrawLines(r.FirstLine, r.LastLine);
    }
}

void TTextEditorEx::PaintVisibleLines()
{
    Draw([this](const TPaintInput& in) { FRenderer.PaintVisibleLines(in); });
}

void TTextEditorEx::PaintLine(int line)
{
    Draw([&](const TPaintInput& in) { FRenderer.PaintLine(in, line); });
}

void TTextEditorEx::EraseCell(int line, int cell)
{
    Draw([&](const TPaintInput& in) { FRenderer.EraseCell(in, line, cell); });
}

void TTextEditorEx::PaintChar(int line, int column, bool appendedAtLineEnd)
{
    Draw([&](const TPaintInput& in) { FRenderer.PaintChar(in, line, column, appendedAtLineEnd); });
}

void TTextEditorEx::RedrawLine(int line)
{
    Draw([&](const TPaintInput& in) { FRenderer.RedrawLine(in, line); });
}

void TTextEditorEx::RedrawLines(int first, int last)
{
    last = std::min(last, FDoc.Count() - 1);
    Draw([&](const TPaintInput& in) {
        for (int l = first; l <= last; ++l) FRenderer.RedrawLine(in, l);
    });
}

void TTextEditorEx::ClearLineBand(int line)
{
    Draw([&](const TPaintInput& in) { FRenderer.ClearLineBand(in, line); });
}

void TTextEditorEx::PaintColumn(int cell)
{
    Draw([&](const TPaintInput& in) { FRenderer.PaintColumn(in, cell); });
}

void TTextEditorEx::RedrawColumn(int cell)
{
    Draw([&](const TPaintInput& in) { FRenderer.RedrawColumn(in, cell); });
}

void TTextEditorEx::ResetCanvasFont() { Canvas().Font = FFont; }

void TTextEditorEx::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBorder(p, width(), height());
    FFrame->PaintCorner(p, BorderWidth());
}
