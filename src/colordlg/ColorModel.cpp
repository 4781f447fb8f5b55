#include "colordlg/ColorModel.h"

#include <algorithm>
#include <array>
#include <cmath>

std::string ColorToHex(TColor c)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s = "#";
    for (int channel : {GetRValue(c), GetGValue(c), GetBValue(c)}) {
        s += digits[channel >> 4];
        s += digits[channel & 0xF];
    }
    return s;
}

namespace {
int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}
} // namespace

TColor HexToColor(const std::string& text)
{
    if (text.size() != 7 || text[0] != '#') return clBlack;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const int hi = HexDigit(text[size_t(1 + 2 * i)]);
        const int lo = HexDigit(text[size_t(2 + 2 * i)]);
        if (hi < 0 || lo < 0) throw EConvertError("'" + text.substr(size_t(1 + 2 * i), 2) + "' is not a valid hexadecimal number");
        channels[i] = hi * 16 + lo;
    }
    return RGB(channels[0], channels[1], channels[2]);
}

TColor InvertColor(TColor c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }

int WebSafeLevel(int channel)
{
    if (channel < 25) return 0;
    if (channel < 76) return 51;
    if (channel < 127) return 102;
    if (channel < 178) return 153;
    if (channel < 229) return 204;
    return 255;
}

TColor WebSafeColor(TColor c)
{
    return RGB(WebSafeLevel(GetRValue(c)), WebSafeLevel(GetGValue(c)), WebSafeLevel(GetBValue(c)));
}

TColor WebSafePalette(int index)
{
    if (index < 0 || index >= WebSafeCount) return clBlack;
    return RGB(51 * (index / 36), 51 * (index / 6 % 6), 51 * (index % 6));
}

int HueSegmentLength(int width)
{
    return std::clamp(RoundHalfEven((long double)width / 6), 1, 255);
}

std::vector<THueStep> HueWalk(int width)
{
    const int a = HueSegmentLength(width);
    const int step = (255 + a - 1) / a;
    int rgb[3] = {255, 0, 0};
    // Per segment: the channel that moves and its direction.
    static const std::array<std::pair<int, int>, 6> moves = {{{1, +1}, {0, -1}, {2, +1}, {1, -1}, {0, +1}, {2, -1}}};
    std::vector<THueStep> walk;
    walk.reserve(size_t(6 * (a + 1)));
    for (int k = 0; k < 6; ++k) {
        const auto [channel, direction] = moves[size_t(k)];
        for (int i = 0; i <= a; ++i) {
            rgb[channel] = std::clamp(rgb[channel] + direction * step, 0, 255);
            walk.push_back({k * a + i, RGB(rgb[0], rgb[1], rgb[2])});
        }
    }
    return walk;
}

std::vector<TColor> HueStrip(int width)
{
    const int a = HueSegmentLength(width);
    std::vector<TColor> columns(size_t(6 * a + 1), clBlack);
    for (const THueStep& s : HueWalk(width)) columns[size_t(s.X)] = s.Color;
    return columns;
}

bool HasBrightnessField(int width, int height) { return width >= 2 && height >= 1; }

std::vector<TColor> BrightnessFieldTop(TColor base, int width)
{
    if (width < 2) return {};
    const int h = width / 2;
    const long double o[3] = {(long double)GetRValue(base), (long double)GetGValue(base), (long double)GetBValue(base)};
    std::vector<TColor> top(static_cast<size_t>(width));
    auto rounded = [](const long double c[3]) { return RGB(RoundHalfEven(c[0]), RoundHalfEven(c[1]), RoundHalfEven(c[2])); };

    // Left half: from the middle column down to column 0 the channels shrink by O / h a step.
    long double c[3] = {o[0], o[1], o[2]};
    long double d[3] = {o[0] / h, o[1] / h, o[2] / h};
    for (int x = h; x >= 0; --x) {
        top[size_t(x)] = rounded(c);
        for (int i = 0; i < 3; ++i) c[i] = c[i] - d[i] < 0 ? 0 : c[i] - d[i];
    }
    // Right half: from the middle column on they grow by (255 - O) / h a step.
    long double e[3] = {(255 - o[0]) / h, (255 - o[1]) / h, (255 - o[2]) / h};
    for (int i = 0; i < 3; ++i) c[i] = o[i];
    for (int x = h; x < width; ++x) {
        top[size_t(x)] = rounded(c);
        for (int i = 0; i < 3; ++i) c[i] = c[i] + e[i] > 255 ? 255 : c[i] + e[i];
    }
    top[size_t(h)] = base & 0xFFFFFF;
    return top;
}

namespace {
// Walks the field row by row and hands every pixel to `put`(x, y, r, g, b). A channel's fade
// depends only on its top value and the row, so each row rounds the 256 possible values once
// and the pixels look them up: the same numbers as rounding per pixel, a sixth of the work.
template <typename Put> void WalkField(TColor base, int width, int height, Put put)
{
    if (!HasBrightnessField(width, height)) return;
    const std::vector<TColor> top = BrightnessFieldTop(base, width);
    std::array<uint8_t, 256> fade{};
    for (int y = 0; y < height; ++y) {
        for (int t = 0; t < 256; ++t) {
            const long double v = t + (127.0L - t) / height * y;
            fade[size_t(t)] = uint8_t(RoundHalfEven(v));
        }
        for (int x = 0; x < width; ++x) {
            const TColor tc = top[size_t(x)];
            put(x, y, fade[size_t(GetRValue(tc))], fade[size_t(GetGValue(tc))], fade[size_t(GetBValue(tc))]);
        }
    }
}
} // namespace

std::vector<TColor> BrightnessField(TColor base, int width, int height)
{
    if (!HasBrightnessField(width, height)) return {};
    std::vector<TColor> field(size_t(width) * size_t(height));
    WalkField(base, width, height, [&](int x, int y, int r, int g, int b) { field[size_t(y) * size_t(width) + size_t(x)] = RGB(r, g, b); });
    // The middle of the top row is the base colour itself.
    field[size_t(width / 2)] = base & 0xFFFFFF;
    return field;
}

void BrightnessFieldRGB32(TColor base, int width, int height, uint32_t* rows, std::ptrdiff_t stride)
{
    if (!HasBrightnessField(width, height)) return;
    WalkField(base, width, height, [&](int x, int y, int r, int g, int b) {
        rows[y * stride + x] = 0xFF000000u | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    });
    rows[width / 2] = 0xFF000000u | (uint32_t(GetRValue(base)) << 16) | (uint32_t(GetGValue(base)) << 8) | uint32_t(GetBValue(base));
}
