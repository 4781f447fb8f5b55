#include "editor/model/WordJump.h"

#include "editor/model/LineLayout.h"
#include "platform/Utf8.h"

#include <QList>

#include <algorithm>

namespace {

// A line or the stop characters as code points, one a column.
std::u32string CodePoints(std::string_view text)
{
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::u32string(text.begin(), text.end());
    const QList<uint> ucs4 = QStringFromUtf8(text).toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

// Characters outside the line are neither blank nor stop characters.
bool IsBlankAt(std::u32string_view line, int i)
{
    if (i < 0 || i >= int(line.size())) return false;
    return line[size_t(i)] == U' ' || line[size_t(i)] == U'\t';
}

bool IsStopAt(std::u32string_view line, int i, std::u32string_view stopChars)
{
    if (i < 0 || i >= int(line.size())) return false;
    return stopChars.find(line[size_t(i)]) != std::u32string_view::npos;
}

int LeftInLine(std::u32string_view line, int x, std::u32string_view stopChars)
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

int RightInLine(std::u32string_view line, int x, std::u32string_view stopChars)
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

} // namespace

// A jump that would land inside a user-perceived character lands where it begins.
int WordLeftInLine(std::string_view line, int x, std::string_view stopChars)
{
    return StopAtOrBefore(line, LeftInLine(CodePoints(line), x, CodePoints(stopChars)));
}

int WordRightInLine(std::string_view line, int x, std::string_view stopChars)
{
    const int to = RightInLine(CodePoints(line), x, CodePoints(stopChars));
    const int stop = StopAtOrBefore(line, to);
    return stop > x ? stop : NextStop(line, to);
}

TPoint WordLeft(TPoint pos, const TLineSource& lines, std::string_view stopChars)
{
    // Column 0 continues from the end of the line above; empty lines above are passed over
    // the same way, one line at a time.
    while (pos.X == 0 && pos.Y > 0) {
        pos.Y -= 1;
        pos.X = ColumnCount(lines.Line(pos.Y));
    }
    if (pos.Y < 0 || pos.Y >= lines.Count) return pos;
    return {WordLeftInLine(lines.Line(pos.Y), pos.X, stopChars), pos.Y};
}

TPoint WordRight(TPoint pos, const TLineSource& lines, std::string_view stopChars)
{
    if (pos.Y < 0 || pos.Y >= lines.Count) return pos;
    // The end of a line continues from the start of the next, passing over empty lines.
    while (pos.X == ColumnCount(lines.Line(pos.Y)) && pos.Y < lines.Count - 1) pos = {0, pos.Y + 1};
    return {WordRightInLine(lines.Line(pos.Y), pos.X, stopChars), pos.Y};
}
