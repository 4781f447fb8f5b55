#include "controls/RightWrongDoneIndicator.h"

#include <QEvent>
#include <algorithm>
#include <cmath>

TRightWrongDoneIndicator::TRightWrongDoneIndicator(QWidget* parent) : TCanvasControl(parent)
{
    TakeParentColor();
}

void TRightWrongDoneIndicator::SetNumTotal(int32_t n)
{
    if (n == FNumTotal) return;
    FNumTotal = n;
    Repaint();
}

void TRightWrongDoneIndicator::SetNumRight(int32_t n)
{
    if (n == FNumRight) return;
    FNumRight = n;
    Repaint();
}

void TRightWrongDoneIndicator::SetNumWrong(int32_t n)
{
    if (n == FNumWrong) return;
    FNumWrong = n;
    Repaint();
}

void TRightWrongDoneIndicator::SetRightColor(TColor c)
{
    if (c == FRightColor) return;
    FRightColor = c;
    Repaint();
}

void TRightWrongDoneIndicator::SetWrongColor(TColor c)
{
    if (c == FWrongColor) return;
    FWrongColor = c;
    Repaint();
}

void TRightWrongDoneIndicator::SetColor(TColor c)
{
    FParentColor = false;
    TCanvasControl::SetColor(c);
}

void TRightWrongDoneIndicator::SetParentColor(bool on)
{
    FParentColor = on;
    if (on) TakeParentColor();
}

void TRightWrongDoneIndicator::TakeParentColor()
{
    if (!FParentColor || !parentWidget()) return;
    TCanvasControl::SetColor(FromQColor(parentWidget()->palette().color(QPalette::Window)));
}

void TRightWrongDoneIndicator::changeEvent(QEvent* e)
{
    TCanvasControl::changeEvent(e);
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ParentChange) TakeParentColor();
}

int TRightWrongDoneIndicator::RunEnd(long double count, int32_t total, int width)
{
    // The scale is width - 2 although the frame's interior is one column narrower, so a full
    // bar covers the frame's right outline.
    const long double x = count / static_cast<long double>(total) * (width - 2) + 1.0L;
    // Nearest, halves to even: the default rounding mode.
    const long double rounded = std::nearbyint(x);
    // A run ending left of column 0 or right of the last column draws the same as one ending
    // just outside, so huge counts need not fit an int.
    return static_cast<int>(std::clamp(rounded, -1.0L, static_cast<long double>(width) + 1.0L));
}

void TRightWrongDoneIndicator::Paint()
{
    TCanvas& c = Canvas();
    const int w = width(), h = height();

    // The window's erase: the last column and row keep this colour, the frame stops short.
    c.Brush.Style = bsSolid;
    c.Brush.Color = Color();
    c.FillRect(ClientRect());

    c.Pen.Color = clWhite;
    c.Pen.Mode = pmCopy;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Rectangle(0, 0, w - 1, h - 1);

    // Without a positive total there is no share to show: frame and background only.
    if (FNumTotal <= 0) return;

    const int xR = RunEnd(FNumRight, FNumTotal, w);
    const int xW = RunEnd(static_cast<long double>(FNumRight) + FNumWrong, FNumTotal, w);
    c.Brush.Color = FRightColor;
    c.FillRect(Rect(1, 1, xR, h - 2));
    c.Brush.Color = FWrongColor;
    c.FillRect(Rect(xR, 1, xW, h - 2));
}
