#pragma once
// Positions in the editor's text as screen readers count them. Qt's accessible text is a
// QString, so an offset counts UTF-16 units; every line break is one "\n", as AT-SPI clients
// (Orca) read text and as Qt's own editors show theirs, never the file's CR LF, whose second
// character would be an offset inside a break that no caret can stand on.
//
// A column is a code point (editor/model/LineLayout.h): one UTF-16 unit, or two beyond U+FFFF.
// An offset is the units of the lines before, plus one for each of their breaks, plus the units
// of the columns before. The functions below are the only place that knows it.
#include "editor/model/LineStore.h"
#include "platform/Geometry.h"

#include <QString>

#include <cstdint>
#include <string_view>

// A line (or any piece) of the editor's text as screen readers get it.
QString AccessibleString(std::string_view text);

// Within one line: the units of the columns before `column`, and the column that many units
// begin at (clamped into the line; a unit inside a character's pair is that character's).
int64_t LineUnits(std::string_view line, int column);
int LineColumnAt(std::string_view line, int64_t units);

// The offset of p, clamped into the text first.
int64_t AccessibleOffset(const TLineStore& lines, TPoint p);
// The position at `offset`, clamped into the text; an offset on a line's break is the end of
// that line.
TPoint AccessiblePosition(const TLineStore& lines, int64_t offset);
