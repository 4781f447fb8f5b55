#include "editor/model/AccessibleOffsets.h"

#include "platform/Win1252.h"

#include <algorithm>

namespace {
constexpr int BreakLength = 1; // "\n"
}

QString AccessibleString(std::string_view text) { return QStringFromWin1252(text); }

int64_t AccessibleOffset(const TLineStore& lines, TPoint p)
{
    const int y = std::clamp(p.Y, 0, lines.Count() - 1);
    return lines.OffsetOf(y, BreakLength) + std::clamp(p.X, 0, lines.Length(y));
}

TPoint AccessiblePosition(const TLineStore& lines, int64_t offset)
{
    int64_t lineStart = 0;
    const int y = lines.LineAtOffset(std::max<int64_t>(offset, 0), lineStart, BreakLength);
    // Past the end: the end of the last line.
    if (y < 0) return {lines.Length(lines.Count() - 1), lines.Count() - 1};
    return {int(std::min<int64_t>(offset - lineStart, lines.Length(y))), y};
}
