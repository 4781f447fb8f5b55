#include "colordlg/WebSafePal.h"

#include "colordlg/ColorDialogAccessibility.h"
#include "colordlg/ColorModel.h"
#include "platform/Pointer.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

TWebSafePal::TWebSafePal(QWidget* parent) : TPickControl(parent)
{
    InstallColorDialogAccessibility();
    resize(326, 183);
    setMouseTracking(true);
    for (int j = 0; j < WebSafeCount; ++j) FColors[size_t(j)] = WebSafePalette(j);
}

void TWebSafePal::SetFrameStyle(TFrameStyle v)
{
    FFrameStyle = v;
    Repaint();
}

void TWebSafePal::SetCols(int v)
{
    if (!Divides216(v)) return;
    FCols = v;
    FRows = 216 / v;
    Repaint();
}

void TWebSafePal::SetRows(int v)
{
    if (!Divides216(v)) return;
    FRows = v;
    FCols = 216 / v;
    Repaint();
}

void TWebSafePal::Paint()
{
    TCanvas& c = Canvas();
    const int w = width(), h = height();
    c.Brush.Color = clBtnFace;
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());

    const int rows = 216 / FCols;
    FCellWidth = (w - 2) / FCols;
    FCellHeight = (h - 2) / rows;
    for (int j = 0; j < WebSafeCount; ++j) {
        FColors[size_t(j)] = WebSafePalette(j);
        c.Brush.Color = FColors[size_t(j)];
        c.FillRect(Bounds(j % FCols * FCellWidth + 1, j / FCols * FCellHeight + 1, FCellWidth, FCellHeight));
    }

    const bool inset = FFrameStyle == fsInset;
    c.Pen.Width = 1;
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    c.Pen.Color = inset ? clBtnShadow : clBtnHighlight;
    c.MoveTo(0, 0);
    c.LineTo(w - 1, 0);
    c.MoveTo(0, 0);
    c.LineTo(0, h - 1);
    c.Pen.Color = inset ? clBtnHighlight : clBtnShadow;
    c.MoveTo(0, h - 1);
    c.LineTo(w - 1, h - 1);
    c.LineTo(w - 1, 0);
}

std::optional<TColor> TWebSafePal::ColorAtPoint(int x, int y) const
{
    if (!InCellsArea(x, y) || FCellWidth <= 0 || FCellHeight <= 0) return std::nullopt;
    const int col = (x - 1) / FCellWidth, row = (y - 1) / FCellHeight;
    // A margin right of or below the last cells (sizes that are no multiple of the cell)
    // belongs to no colour.
    if (col >= FCols || row >= 216 / FCols) return std::nullopt;
    return FColors[size_t(row * FCols + col)];
}

void TWebSafePal::PickCell(int index)
{
    if (index >= 0 && index < WebSafeCount && OnPicColor) OnPicColor(this, FColors[size_t(index)]);
}

void TWebSafePal::Press(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() != Qt::LeftButton || !InCellsArea(p.x(), p.y())) return;
    BeginDrag({1, 1}, {width() - 1, height() - 1});
    if (auto c = ColorAtPoint(p.x(), p.y()); c && OnPicColor) OnPicColor(this, *c);
}

void TWebSafePal::MouseMove(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (!InCellsArea(p.x(), p.y())) return;
    const std::optional<TColor> c = ColorAtPoint(p.x(), p.y());
    if (!c) return;
    // While dragging the pick comes before the hover.
    if (Dragging() && OnPicColor) OnPicColor(this, *c);
    if (OnMouseOverColor) OnMouseOverColor(this, *c);
}
