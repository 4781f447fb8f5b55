// Painting of the editor: the inputs of its renderer (the backing image, the lines, the
// selection, the cell metrics and the style), the renderer's calls with the picture shown
// after each, and the frame.
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
    if (in.Drew) FView->MarkDirty();
}

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
    Draw([this](const TPaintInput& in) { FRenderer.PaintVisibleLines(in); });
}

void TTextEditorEx::PaintLine(int line)
{
    Draw([&](const TPaintInput& in) { FRenderer.PaintLine(in, line); });
}

void TTextEditorEx::EraseCell(int line, int column)
{
    Draw([&](const TPaintInput& in) { FRenderer.EraseCell(in, line, column); });
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

void TTextEditorEx::PaintColumn(int column)
{
    Draw([&](const TPaintInput& in) { FRenderer.PaintColumn(in, column); });
}

void TTextEditorEx::RedrawColumn(int column)
{
    Draw([&](const TPaintInput& in) { FRenderer.RedrawColumn(in, column); });
}

void TTextEditorEx::ResetCanvasFont() { Canvas().Font = FFont; }

void TTextEditorEx::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBorder(p, width(), height());
    FFrame->PaintCorner(p, BorderWidth());
}
