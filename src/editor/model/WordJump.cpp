#include "editor/model/WordJump.h"

namespace {

// Characters outside the line are neither blank nor stop characters.
bool IsBlankAt(std::string_view line, int i)
{
    if (i < 0 || i >= int(line.size())) return false;
    return line[i] == ' ' || line[i] == '\t';
}

bool IsStopAt(std::string_view line, int i, std::string_view stopChars)
{
    if (i < 0 || i >= int(line.size())) return false;
    return stopChars.find(line[i]) != std::string_view::npos;
}

} // namespace

int WordLeftInLine(std::string_view line, int x, std::string_view stopChars)
{
    // The start of the word: just after the last blank of a blank run, never taking the
    // character right before the caret as that blank.
    int candidate = -1;
    for (int i = x - 2; i >= 0; --i) {
        if (IsBlankAt(line, i) && !IsBlankAt(line, i - 1)) {
            candidate = i + 1;
            break;
        }
    }
    const int lowest = candidate >= 0 ? candidate : 0;
    for (int j = x - 2; j >= lowest; --j)
        if (IsStopAt(line, j, stopChars)) return j + 1;
    return candidate >= 0 ? candidate : 0;
}

int WordRightInLine(std::string_view line, int x, std::string_view stopChars)
{
    const int length = int(line.size());
    int candidate = -1;
    if (x < length) {
        // The end of the line counts as not blank, so a trailing blank run ends a word too.
        for (int i = x + 2; i <= length; ++i) {
            if (IsBlankAt(line, i) && !IsBlankAt(line, i + 1)) {
                candidate = i;
                break;
            }
        }
    }
    const int highest = candidate >= 0 ? candidate : length;
    for (int j = x + 2; j <= highest; ++j)
        if (IsStopAt(line, j, stopChars)) return j;
    return candidate >= 0 ? candidate : length;
}

TPoint WordLeft(TPoint pos, const TLineSource& lines, std::string_view stopChars)
{
    // Column 0 continues from the end of the line above; empty lines above are passed over
    // the same way, one line at a time.
    while (pos.X == 0 && pos.Y > 0) {
        pos.Y -= 1;
        pos.X = int(lines.Line(pos.Y).size());
    }
    if (pos.Y < 0 || pos.Y >= lines.Count) return pos;
    return {WordLeftInLine(lines.Line(pos.Y), pos.X, stopChars), pos.Y};
}

TPoint WordRight(TPoint pos, const TLineSource& lines, std::string_view stopChars)
{
    if (pos.Y < 0 || pos.Y >= lines.Count) return pos;
    // The end of a line continues from the start of the next, passing over empty lines.
    while (pos.X == int(lines.Line(pos.Y).size()) && pos.Y < lines.Count - 1) pos = {0, pos.Y + 1};
    return {WordRightInLine(lines.Line(pos.Y), pos.X, stopChars), pos.Y};
}
