#pragma once
// The editor's lines as screen readers get them: each line as a QString, the lines joined by
// "\n" (see model/AccessibleOffsets), and offsets as the int Qt's accessibility takes.
#include "editor/model/AccessibleOffsets.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cstdint>

// Lines `first` to `last` of a line store or a snapshot, joined by "\n".
template <class Lines>
QString AccessibleLineText(const Lines& lines, int first, int last)
{
    QString out;
    for (int y = first; y <= last; ++y) {
        if (y > first) out += QLatin1Char('\n');
        out += AccessibleString(lines[y]);
    }
    return out;
}

inline int ClampOffset(int64_t offset) { return int(std::clamp<int64_t>(offset, 0, INT_MAX)); }
