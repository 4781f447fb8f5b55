#pragma once
// Positions in the editor's text as screen readers count them. Qt's accessible text is a
// QString, so an offset counts UTF-16 units; every line break is one "\n", as AT-SPI clients
// (Orca) read text and as Qt's own editors show theirs, never the file's CR LF, whose second
// character would be an offset inside a break that no caret can stand on.
//
// Today a column is one Windows-1252 byte, which is one UTF-16 unit: an offset is the columns
// of the lines before, plus one for each of their breaks, plus the column. The three functions
// below are the only place that knows it; when a column stops being one UTF-16 unit, they are
// what changes.
#include "editor/model/LineStore.h"
#include "platform/Geometry.h"

#include <QString>

#include <cstdint>
#include <string_view>

// A line (or any piece) of the editor's text as screen readers get it: one UTF-16 unit a column.
QString AccessibleString(std::string_view text);

// The offset of p, clamped into the text first.
int64_t AccessibleOffset(const TLineStore& lines, TPoint p);
// The position at `offset`, clamped into the text; an offset on a line's break is the end of
// that line.
TPoint AccessiblePosition(const TLineStore& lines, int64_t offset);
