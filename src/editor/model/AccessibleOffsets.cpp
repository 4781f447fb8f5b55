#include "editor/model/AccessibleOffsets.h"

#include "editor/model/LineLayout.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace {
constexpr int BreakLength = 1; // "\n"

// The code points beyond U+FFFF in `text` (four-byte UTF-8 sequences), each a second UTF-16
// unit besides its column.
int64_t Astral(std::string_view text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xF0; });
}
} // namespace

QString AccessibleString(std::string_view text) { return QStringFromUtf8(text); }

int64_t LineUnits(std::string_view line, int column)
{
    return column + Astral(line.substr(0, ByteOfColumn(line, column)));
}

int LineColumnAt(std::string_view line, int64_t units)
{
    int column = 0;
    int64_t at = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if ((b & 0xC0) == 0x80) continue;
        const int64_t next = at + (b >= 0xF0 ? 2 : 1);
        if (next > units) break;
        at = next;
        ++column;
    }
    return column;
}

int64_t AccessibleOffset(const TLineStore& lines, TPoint p)
{
    const int y = std::clamp(p.Y, 0, lines.Count() - 1);
    const int x = std::clamp(p.X, 0, lines.Length(y));
    int64_t n = lines.OffsetOf(y, BreakLength) + LineUnits(lines[y], x);
    for (int i = 0; i < y; ++i) n += Astral(lines[i]);
    return n;
}

TPoint AccessiblePosition(const TLineStore& lines, int64_t offset)
{
    offset = std::max<int64_t>(offset, 0);
    int64_t start = 0;
    for (int y = 0; y < lines.Count(); ++y) {
        const std::string& line = lines[y];
        const int64_t units = lines.Length(y) + Astral(line);
        // On the line's break: the end of the line.
        if (offset <= start + units) return {LineColumnAt(line, offset - start), y};
        start += units + BreakLength;
    }
    // Past the end: the end of the last line.
    return {lines.Length(lines.Count() - 1), lines.Count() - 1};
}
