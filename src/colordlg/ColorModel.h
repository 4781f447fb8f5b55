#pragma once
// The colour arithmetic of the colour dialog, free of any window: channels, the "#RRGGBB"
// code, the inverse, rounding to the six web-safe levels, the 216 web-safe colours, and the
// two fields the pickers paint (the hue strip and the brightness/saturation field).
// Every function takes its colour as plain RGB and ignores the top byte; a caller holding a
// system colour resolves it (ColorToRGB) first.
#include "platform/Color.h"
#include "platform/Rounding.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A colour code with a character that is no hexadecimal digit.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "#RRGGBB", upper-case digits, red first (the reverse of the value's byte order).
std::string ColorToHex(TColor c);
// The colour of "#RRGGBB" (either case). A text that is not 7 characters beginning with "#"
// is black, not an error; a non-hexadecimal digit in a 7-character code throws EConvertError.
TColor HexToColor(const std::string& text);

TColor InvertColor(TColor c);

// The web-safe level (0, 51, ..., 255) a channel rounds to. Each band starts 26 below its
// level: 25 already goes to 51, 76 to 102.
int WebSafeLevel(int channel);
TColor WebSafeColor(TColor c);
constexpr int WebSafeCount = 216;
// Entry `index` (0..215): red changes slowest, blue fastest, each in steps of 51.
TColor WebSafePalette(int index);

// The hue strip: a walk once around the colour wheel in six straight segments of `a` + 1 steps,
// a = width / 6 rounded and held within 1..255; each step changes one channel by
// ceil(255 / a) and then colours column k * a + i. The last column of a segment is coloured
// again by the first step of the next, and the later colour stands.
struct THueStep {
    int X;
    TColor Color;
};
int HueSegmentLength(int width);
// Every step of the walk in order (6 * (a + 1) of them), seam columns twice.
std::vector<THueStep> HueWalk(int width);
// The colour each column 0..6a ends with; columns beyond 6a are not part of the walk.
std::vector<TColor> HueStrip(int width);

// The brightness/saturation field of `base`: the top row runs from black at the left edge
// through `base` in the middle column (width div 2) to near white at the right edge, and every
// column fades downwards towards grey (127, 127, 127). The field needs width >= 2 and
// height >= 1; smaller sizes have no field.
bool HasBrightnessField(int width, int height);
// The top colours of columns 0..width-1 (empty when there is no field).
std::vector<TColor> BrightnessFieldTop(TColor base, int width);
// The whole field, row by row (pixel (x, y) at y * width + x); empty when there is no field.
std::vector<TColor> BrightnessField(TColor base, int width, int height);
// The same pixels written as 0xFFRRGGBB words (the layout of an RGB32 image): `rows` points at
// row 0 and `stride` counts words from one row to the next. Writes nothing when there is no
// field.
void BrightnessFieldRGB32(TColor base, int width, int height, uint32_t* rows, std::ptrdiff_t stride);
