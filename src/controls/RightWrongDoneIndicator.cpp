#include "controls/RightWrongDoneIndicator.h"

#include "controls/ControlsAccessibility.h"
#include "platform/Accessibility.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>

TRightWrongDoneIndicator::TRightWrongDoneIndicator(QWidget* parent) : TCanvasControl(parent)
{
    InstallControlsAccessibility();
    SetParentColor(true);
}

void TRightWrongDoneIndicator::SetNumTotal(int32_t n) { SetCount(FNumTotal, n); }

void TRightWrongDoneIndicator::SetNumRight(int32_t n) { SetCount(FNumRight, n); }

void TRightWrongDoneIndicator::SetNumWrong(int32_t n) { SetCount(FNumWrong, n); }

void TRightWrongDoneIndicator::SetCount(int32_t& field, int32_t n)
{
    if (!AssignChanged(field, n)) return;
    Repaint();
    // Screen readers hear the bar as the items done of the total, the two runs told apart in
    // its description.
    Accessibility::NotifyValue(this, qlonglong(FNumRight) + FNumWrong);
    if (&field != &FNumTotal) Accessibility::Notify(this, QAccessible::DescriptionChanged);
}

void TRightWrongDoneIndicator::SetRightColor(TColor c) { SetAndRepaint(FRightColor, c); }

void TRightWrongDoneIndicator::SetWrongColor(TColor c) { SetAndRepaint(FWrongColor, c); }

int TRightWrongDoneIndicator::RunEnd(long double count, int32_t total, int width)
{
    // The scale is width - 2 although the frame's interior is one column narrower, so a full
    // bar covers the frame's right outline.
    const long double x = count / static_cast<long double>(total) * (width - 2) + 1.0L;
    // A run ending left of column 0 or right of the last column draws the same as one ending
    // just outside, so huge counts need not fit an int. The bounds are whole, so limiting
    // before rounding gives what rounding first would.
    return RoundHalfEven(std::clamp(x, -1.0L, static_cast<long double>(width) + 1.0L));
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
