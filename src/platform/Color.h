#pragma once
// Colour values as 0x00BBGGRR; a value with 0xFF in the top byte names a system colour,
// resolved through the application palette by ColorToRGB.
#include <cstdint>
#include <QColor>

using TColor = uint32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours: 0xFF in the top byte, the Windows COLOR_ index in the low byte.
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor clGradientActiveCaption = 0xFF00001B;

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000) == 0xFF000000; }

// The plain RGB value of a colour: system colours resolved, the top byte cleared.
TColor ColorToRGB(TColor c);

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
// The program's one contrast rule: black on a colour whose brightness, (r + g + b) div 3, is
// 128 or more, white below. The colour is taken as stored: resolve a system colour first
// (ColorToRGB) where its shade is meant.
TColor ContrastTextColor(TColor c);
