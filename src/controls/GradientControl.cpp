#include "controls/GradientControl.h"

#include "platform/Rounding.h"

#include <cmath>

namespace {
TColor PlainRGB(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return RGB(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}
} // namespace

TGradientControl::TGradientControl(QWidget* parent) : TCanvasControl(parent) {}

void TGradientControl::SetBorderWidth(int width) { SetAndRepaint(FBorderWidth, width); }

void TGradientControl::SetBorderColor(TColor c) { SetAndRepaint(FBorderColor, c); }

void TGradientControl::SetColor1(TColor c) { SetAndRepaint(FColor1, PlainRGB(c)); }

void TGradientControl::SetColor2(TColor c) { SetAndRepaint(FColor2, PlainRGB(c)); }

void TGradientControl::SetCaption(const std::string& text) { SetAndRepaint(FCaption, text); }

void TGradientControl::SetGradientDirection(TGradientDirection d) { SetAndRepaint(FGradientDirection, d); }

void TGradientControl::SetFontColor(TColor c) { SetAndRepaint(FFontColor, c); }

void TGradientControl::SetFontName(const std::string& name) { SetAndRepaint(FFontName, name); }

void TGradientControl::SetFontSize(int points) { SetAndRepaint(FFontSize, points); }

void TGradientControl::Paint()
{
    TCanvas& c = Canvas();
    const int w = ClientWidth();
    const int h = ClientHeight();
    const bool horizontal = FGradientDirection == gdHorizontal;
    const int extent = horizontal ? w : h;

    // With no extent along the gradient there is no line to draw (and no step to divide by).
    if (extent > 0) {
        long double r = GetRValue(FColor1), g = GetGValue(FColor1), b = GetBValue(FColor1);
        const long double dr = (long double)(GetRValue(FColor2) - GetRValue(FColor1)) / extent;
        const long double dg = (long double)(GetGValue(FColor2) - GetGValue(FColor1)) / extent;
        const long double db = (long double)(GetBValue(FColor2) - GetBValue(FColor1)) / extent;
        c.Pen.Width = 1;
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmCopy;
        // One line more than the extent: the last one lies outside and is clipped, so the
        // end colour itself is never seen.
        for (int i = 0; i <= extent; ++i) {
            c.Pen.Color = RGB(RoundHalfEven(r), RoundHalfEven(g), RoundHalfEven(b));
            if (horizontal) {
                c.MoveTo(i, 0);
                c.LineTo(i, h);
            } else {
                c.MoveTo(0, i);
                c.LineTo(w, i);
            }
            r += dr;
            g += dg;
            b += db;
        }
    }

    if (FBorderWidth > 0) {
        c.Pen.Color = FBorderColor;
        c.Pen.Width = FBorderWidth;
        c.MoveTo(0, 0);
        c.LineTo(w - 1, 0);
        c.LineTo(w - 1, h - 1);
        c.LineTo(0, h - 1);
        c.LineTo(0, 0);
        c.Pen.Width = 1;
    }

    if (!FFontName.empty()) c.Font.Name = FFontName;
    if (FFontSize > 0) c.Font.SetSize(FFontSize);
    c.Font.Style = 0;
    c.Font.Color = FFontColor;
    c.Brush.Style = bsClear;
    if (!FCaption.empty()) c.TextOut(12, h / 2 - c.TextHeight(FCaption) / 2, FCaption);
    c.Brush.Style = bsSolid;
}
