#include "platform/Color.h"

#include <QApplication>
#include <QPalette>

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c)) return c & 0x00FFFFFF;
    const QPalette pal = QApplication::palette();
    auto rgb = [](const QColor& q) { return RGB(q.red(), q.green(), q.blue()); };
    switch (c) {
    case clActiveCaption: return RGB(0x00, 0x54, 0xE3);
    case clGradientActiveCaption: return RGB(0x3D, 0x95, 0xFF);
    case clWindow: return rgb(pal.color(QPalette::Active, QPalette::Base));
    case clWindowText: return rgb(pal.color(QPalette::Active, QPalette::Text));
    case clHighlight: return rgb(pal.color(QPalette::Active, QPalette::Highlight));
    case clHighlightText: return rgb(pal.color(QPalette::Active, QPalette::HighlightedText));
    case clBtnFace: return rgb(pal.color(QPalette::Active, QPalette::Button));
    case clBtnShadow: return rgb(pal.color(QPalette::Active, QPalette::Dark));
    case clBtnHighlight: return rgb(pal.color(QPalette::Active, QPalette::Light));
    case clBtnText: return rgb(pal.color(QPalette::Active, QPalette::ButtonText));
    case clGrayText: return rgb(pal.color(QPalette::Disabled, QPalette::Text));
    default: return rgb(pal.color(QPalette::Active, QPalette::Window));
    }
}

QColor ToQColor(TColor c)
{
    const TColor v = ColorToRGB(c);
    return QColor(GetRValue(v), GetGValue(v), GetBValue(v));
}

TColor FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

TColor ContrastTextColor(TColor c)
{
    const int brightness = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    return brightness >= 128 ? clBlack : clWhite;
}
