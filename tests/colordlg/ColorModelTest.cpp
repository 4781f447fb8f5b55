// The colour arithmetic: codes, inversion, web-safe rounding, the hue strip and the
// brightness/saturation field, checked against worked values and closed forms.
#include "colordlg/ColorModel.h"

#include <gtest/gtest.h>
#include <cstdlib>

namespace {
struct Rgb {
    int R, G, B;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
Rgb Channels(TColor c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
void PrintTo(const Rgb& c, std::ostream* os) { *os << "(" << c.R << ", " << c.G << ", " << c.B << ")"; }

// Each column of `row` named in `expected` holds the colour given.
void ExpectColumns(const std::vector<TColor>& row, std::initializer_list<std::pair<int, Rgb>> expected)
{
    for (auto [x, rgb] : expected) EXPECT_EQ(Channels(row[size_t(x)]), rgb) << "column " << x;
}
} // namespace

TEST(ColorModel, CodesAreUpperCaseRedFirstAndIgnoreTheTopByte)
{
    EXPECT_EQ(ColorToHex(RGB(255, 0, 0)), "#FF0000");
    EXPECT_EQ(ColorToHex(0x563412), "#123456");
    EXPECT_EQ(ColorToHex(0xAB563412), "#123456");
    EXPECT_EQ(ColorToHex(RGB(0xab, 0xcd, 0xef)), "#ABCDEF");
    EXPECT_EQ(ColorToHex(clBlack), "#000000");
}

TEST(ColorModel, CodesReadInEitherCase)
{
    EXPECT_EQ(HexToColor("#ff8000"), RGB(255, 128, 0));
    EXPECT_EQ(HexToColor("#FF8000"), RGB(255, 128, 0));
    EXPECT_EQ(HexToColor("#123456"), TColor(0x563412));
    EXPECT_EQ(HexToColor("#aBcDeF"), RGB(0xAB, 0xCD, 0xEF));
}

TEST(ColorModel, CodeOfWrongShapeIsBlackWithoutFailing)
{
    EXPECT_EQ(HexToColor("FF8000"), clBlack);
    EXPECT_EQ(HexToColor("#FF80001"), clBlack);
    EXPECT_EQ(HexToColor(""), clBlack);
    EXPECT_EQ(HexToColor("#"), clBlack);
    EXPECT_EQ(HexToColor("xFF8000"), clBlack);
}

TEST(ColorModel, NonHexDigitInCodeFails)
{
    EXPECT_THROW(HexToColor("#GG0000"), EConvertError);
    EXPECT_THROW(HexToColor("#12345G"), EConvertError);
    EXPECT_THROW(HexToColor("#12 456"), EConvertError);
    // A NUL inside the code ("\0" then "456", not the octal escape "\045").
    EXPECT_THROW(HexToColor(std::string("#12\0" "456", 7)), EConvertError);
    EXPECT_THROW(HexToColor("#-10000"), EConvertError);
}

TEST(ColorModel, CodeRoundTripsEveryChannelValue)
{
    for (int v = 0; v < 256; ++v) {
        const TColor c = RGB(v, 255 - v, (v * 7) & 0xFF);
        EXPECT_EQ(HexToColor(ColorToHex(c)), c) << v;
    }
}

TEST(ColorModel, InverseOfBlackIsWhiteAndTwiceIsIdentity)
{
    EXPECT_EQ(InvertColor(clBlack), clWhite);
    EXPECT_EQ(InvertColor(RGB(18, 52, 86)), RGB(237, 203, 169));
    EXPECT_EQ(InvertColor(InvertColor(RGB(18, 52, 86))), RGB(18, 52, 86));
    // The result is a plain colour even when the input had a top byte.
    EXPECT_EQ(InvertColor(0xFF000000), clWhite);
}

TEST(ColorModel, WebSafeBandEdges)
{
    const std::pair<int, int> cases[] = {{0, 0},     {24, 0},    {25, 51},   {75, 51},   {76, 102},  {126, 102},
                                         {127, 153}, {177, 153}, {178, 204}, {228, 204}, {229, 255}, {255, 255}};
    for (auto [c, level] : cases) EXPECT_EQ(WebSafeLevel(c), level) << c;
    EXPECT_EQ(WebSafeColor(RGB(24, 25, 229)), RGB(0, 51, 255));
    EXPECT_EQ(WebSafeColor(RGB(18, 52, 86)), RGB(0, 51, 102));
}

TEST(ColorModel, PaletteOrderRedSlowestBlueFastest)
{
    EXPECT_EQ(WebSafePalette(0), clBlack);
    EXPECT_EQ(WebSafePalette(5), RGB(0, 0, 255));
    EXPECT_EQ(WebSafePalette(6), RGB(0, 51, 0));
    EXPECT_EQ(WebSafePalette(36), RGB(51, 0, 0));
    EXPECT_EQ(WebSafePalette(215), clWhite);
    for (int j = 0; j < WebSafeCount; ++j) {
        const TColor c = WebSafePalette(j);
        EXPECT_EQ(36 * (GetRValue(c) / 51) + 6 * (GetGValue(c) / 51) + GetBValue(c) / 51, j);
        EXPECT_EQ(WebSafeColor(c), c);
    }
}

TEST(ColorModel, HueStripOfTheDialogWidth)
{
    EXPECT_EQ(HueSegmentLength(488), 81);
    const std::vector<TColor> strip = HueStrip(488);
    // Columns 0 to 6 * 81 = 486 are painted; 487 is not part of the walk.
    ASSERT_EQ(strip.size(), 487u);
    ExpectColumns(strip, {{0, {255, 4, 0}},   {63, {255, 255, 0}}, {81, {251, 255, 0}},
                          {146, {0, 255, 0}}, {162, {0, 255, 4}},  {237, {0, 255, 255}},
                          {313, {0, 0, 255}}, {395, {255, 0, 255}}, {486, {255, 0, 0}}});
}

TEST(ColorModel, HueWalkStepsAndSeams)
{
    const std::vector<THueStep> walk = HueWalk(488);
    ASSERT_EQ(walk.size(), 6u * 82u);
    // The seam column 81 is coloured twice: first as the end of the red-to-yellow segment.
    EXPECT_EQ(walk[81].X, 81);
    EXPECT_EQ(Channels(walk[81].Color), (Rgb{255, 255, 0}));
    EXPECT_EQ(walk[82].X, 81);
    EXPECT_EQ(Channels(walk[82].Color), (Rgb{251, 255, 0}));
    EXPECT_EQ(walk.back().X, 486);
    // Each step moves one channel by at most the step size.
    for (size_t i = 1; i < walk.size(); ++i) {
        const Rgb a = Channels(walk[i - 1].Color), b = Channels(walk[i].Color);
        const int moved = (a.R != b.R) + (a.G != b.G) + (a.B != b.B);
        EXPECT_LE(moved, 1) << i;
        EXPECT_LE(std::abs(a.R - b.R) + std::abs(a.G - b.G) + std::abs(a.B - b.B), 4) << i;
    }
}

TEST(ColorModel, HueStripOfTinyWidths)
{
    // 3 / 6 = 0.5 rounds to the even 0 and is raised to a segment of 1, with a step of 255.
    EXPECT_EQ(HueSegmentLength(3), 1);
    const std::vector<TColor> strip = HueStrip(3);
    ASSERT_EQ(strip.size(), 7u);
    ExpectColumns(strip, {{0, {255, 255, 0}}, {1, {0, 255, 0}}, {2, {0, 255, 255}}, {3, {0, 0, 255}},
                          {4, {255, 0, 255}}, {5, {255, 0, 0}}, {6, {255, 0, 0}}});
    EXPECT_EQ(HueSegmentLength(9), 2);  // 1.5 goes to the even 2
    EXPECT_EQ(HueSegmentLength(15), 2); // 2.5 goes to the even 2
    EXPECT_EQ(HueSegmentLength(0), 1);
    EXPECT_EQ(HueSegmentLength(100000), 255);
    EXPECT_EQ(HueStrip(0).size(), 7u);
}

TEST(ColorModel, BrightnessFieldOfRedAtTheDialogSize)
{
    const std::vector<TColor> top = BrightnessFieldTop(RGB(255, 0, 0), 488);
    ASSERT_EQ(top.size(), 488u);
    ExpectColumns(top, {{244, {255, 0, 0}}, {0, {0, 0, 0}}, {100, {105, 0, 0}}, {300, {255, 59, 59}},
                        {487, {255, 254, 254}}});

    const std::vector<TColor> field = BrightnessField(RGB(255, 0, 0), 488, 201);
    ASSERT_EQ(field.size(), 488u * 201u);
    auto px = [&](int x, int y) { return Channels(field[size_t(y) * 488 + size_t(x)]); };
    for (int x : {0, 100, 244, 300, 487}) EXPECT_EQ(px(x, 0), Channels(top[size_t(x)])) << x;
    EXPECT_EQ(px(244, 100), (Rgb{191, 63, 63}));
    EXPECT_EQ(px(0, 200), (Rgb{126, 126, 126}));
    // The bottom row lies within 128 / 201 of grey.
    for (int x = 0; x < 488; ++x) {
        const Rgb c = px(x, 200);
        EXPECT_LE(std::abs(c.R - 127), 1) << x;
        EXPECT_LE(std::abs(c.G - 127), 1) << x;
        EXPECT_LE(std::abs(c.B - 127), 1) << x;
    }
}

namespace {
// Whether `got` is the closed form num / den rounded, allowing either neighbour at an exact
// half (where the iterative sum may land a hair either side).
bool MatchesClosedForm(int got, long long num, long long den)
{
    const long long q = num / den, r = num % den;
    if (2 * r == den) return got == q || got == q + 1;
    return got == (2 * r > den ? q + 1 : q);
}
} // namespace

TEST(ColorModel, BrightnessFieldEqualsClosedFormsForEveryWebSafeBase)
{
    for (int width : {488, 257, 7, 2}) {
        const int h = width / 2;
        for (int j = 0; j < WebSafeCount; ++j) {
            const TColor base = WebSafePalette(j);
            const std::vector<TColor> top = BrightnessFieldTop(base, width);
            for (int x = 0; x < width; ++x) {
                const int got[3] = {GetRValue(top[size_t(x)]), GetGValue(top[size_t(x)]), GetBValue(top[size_t(x)])};
                const int o[3] = {GetRValue(base), GetGValue(base), GetBValue(base)};
                for (int i = 0; i < 3; ++i) {
                    // Left of the middle O * x / h; right of it O + (255 - O) * (x - h) / h.
                    const bool ok = x <= h ? MatchesClosedForm(got[i], (long long)o[i] * x, h)
                                           : MatchesClosedForm(got[i] - o[i], (long long)(255 - o[i]) * (x - h), h);
                    ASSERT_TRUE(ok) << "width " << width << " base " << j << " column " << x << " channel " << i
                                    << " got " << got[i];
                }
            }
        }
    }
}

TEST(ColorModel, BrightnessFieldFadeMatchesPerPixelFormula)
{
    // The row-wise lookup must give the very numbers of rounding T + (127 - T) / H * y per pixel.
    for (TColor base : {RGB(255, 0, 0), RGB(18, 52, 86), RGB(0, 255, 255), RGB(127, 127, 127)}) {
        for (auto [w, hgt] : {std::pair{488, 201}, std::pair{5, 3}, std::pair{2, 1}}) {
            const std::vector<TColor> top = BrightnessFieldTop(base, w);
            const std::vector<TColor> field = BrightnessField(base, w, hgt);
            for (int y = 0; y < hgt; ++y)
                for (int x = 0; x < w; ++x) {
                    if (x == w / 2 && y == 0) continue;
                    const TColor t = top[size_t(x)];
                    auto fade = [&](int c) { return RoundHalfEven(c + (127.0L - c) / hgt * y); };
                    ASSERT_EQ(field[size_t(y * w + x)], RGB(fade(GetRValue(t)), fade(GetGValue(t)), fade(GetBValue(t))))
                        << x << "," << y;
                }
            EXPECT_EQ(field[size_t(w / 2)], base);
        }
    }
}

TEST(ColorModel, BrightnessFieldRowsMatchTheColourList)
{
    const int w = 31, h = 9;
    std::vector<uint32_t> bits(size_t((w + 3) * h), 0u);
    BrightnessFieldRGB32(RGB(200, 100, 50), w, h, bits.data(), w + 3);
    const std::vector<TColor> field = BrightnessField(RGB(200, 100, 50), w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t p = bits[size_t(y * (w + 3) + x)];
            EXPECT_EQ(RGB(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)), field[size_t(y * w + x)]);
            EXPECT_EQ(p >> 24, 0xFFu);
        }
    // The padding past each row is left alone.
    for (int y = 0; y < h; ++y) EXPECT_EQ(bits[size_t(y * (w + 3) + w)], 0u);
}

TEST(ColorModel, FieldBelowItsMinimumSizeIsEmpty)
{
    EXPECT_FALSE(HasBrightnessField(1, 10));
    EXPECT_FALSE(HasBrightnessField(10, 0));
    EXPECT_FALSE(HasBrightnessField(-3, 5));
    EXPECT_TRUE(HasBrightnessField(2, 1));
    EXPECT_TRUE(BrightnessField(clRed, 1, 10).empty());
    EXPECT_TRUE(BrightnessField(clRed, 10, 0).empty());
    EXPECT_TRUE(BrightnessFieldTop(clRed, 1).empty());
    uint32_t untouched = 0x12345678;
    BrightnessFieldRGB32(clRed, 1, 1, &untouched, 1);
    EXPECT_EQ(untouched, 0x12345678u);
    // The smallest field: column 0 black, column 1 the base, one row.
    EXPECT_EQ(BrightnessField(RGB(10, 20, 30), 2, 1), (std::vector<TColor>{clBlack, RGB(10, 20, 30)}));
}
