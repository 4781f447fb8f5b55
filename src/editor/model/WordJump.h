#pragma once
// Word jumps of the editor's Ctrl+Left and Ctrl+Right, as pure functions over the lines.
// Columns are code points (editor/model/LineLayout.h).
// A blank is a space or a tab; the stop characters end a jump early. Both skip the character
// (WordLeft) or the two characters (WordRight) next to the caret before they start looking,
// so repeated jumps make progress through runs of blanks and stop characters.
#include "platform/Geometry.h"

#include <functional>
#include <string>
#include <string_view>

// Gives line `index` of a text of `count` lines.
struct TLineSource {
    int Count = 0;
    std::function<std::string_view(int index)> Line;
};

// The position a word jump to the left of (X, Y) lands on. At column 0 it continues from the
// end of the line above.
TPoint WordLeft(TPoint pos, const TLineSource& lines, std::string_view stopChars);
// The position a word jump to the right of (X, Y) lands on: the end of the current or next
// word, or just before a stop character. At the end of a line it continues from the start of
// the next line, so it never lands on a line's first column after a break.
TPoint WordRight(TPoint pos, const TLineSource& lines, std::string_view stopChars);

// The one-line parts: the column a jump on `line` from column `x` lands on, when it does not
// leave the line.
int WordLeftInLine(std::string_view line, int x, std::string_view stopChars);
int WordRightInLine(std::string_view line, int x, std::string_view stopChars);
