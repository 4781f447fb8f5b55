#include "editor/model/LineLayout.h"

#include "platform/Utf8.h"

#include <QString>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {
bool BeginsColumn(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Below U+0300 no code point joins the one before it (combining marks, joiners, variation
// selectors and jamo all lie above), and its UTF-8 has no byte of 0xCC or more: in such a
// line every column is a stop, as in every Latin line.
bool EveryColumnIsAStop(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0xCC; }) ||
           !IsUtf8(line);
}

// The stops of a line that may hold clusters of several code points, from Qt's grapheme
// boundaries, counted in columns.
std::vector<int> Stops(std::string_view line)
{
    const QString text = QStringFromUtf8(line);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    std::vector<int> stops;
    int column = 0;
    qsizetype unit = 0;
    for (qsizetype at = 0; at >= 0; at = finder.toNextBoundary()) {
        for (; unit < at; ++unit)
            if (!text[unit].isLowSurrogate()) ++column;
        stops.push_back(column);
    }
    return stops;
}
} // namespace

int ColumnCount(std::string_view line)
{
    int n = 0;
    for (const char c : line) n += BeginsColumn(c);
    return n;
}

size_t ByteOfColumn(std::string_view line, int column)
{
    if (column <= 0) return 0;
    for (size_t i = 0; i < line.size(); ++i)
        if (BeginsColumn(line[i]) && column-- == 0) return i;
    return line.size();
}

std::string_view ColumnsText(std::string_view line, int from, int to)
{
    const size_t a = ByteOfColumn(line, from);
    return line.substr(a, ByteOfColumn(line, to) - a);
}

int ColumnOfByte(std::string_view line, size_t byte)
{
    return ColumnCount(line.substr(0, std::min(byte + 1, line.size()))) - 1;
}

int NextStop(std::string_view line, int column)
{
    const int count = ColumnCount(line);
    if (column >= count) return count;
    if (column < 0) return 0;
    if (EveryColumnIsAStop(line)) return std::max(column + 1, 1);
    const std::vector<int> stops = Stops(line);
    return *std::upper_bound(stops.begin(), stops.end(), column);
}

int PreviousStop(std::string_view line, int column)
{
    if (column <= 0) return 0;
    if (EveryColumnIsAStop(line)) return std::min(column, ColumnCount(line) + 1) - 1;
    const std::vector<int> stops = Stops(line);
    return *(std::lower_bound(stops.begin(), stops.end(), column) - 1);
}

int StopAtOrBefore(std::string_view line, int column)
{
    if (column <= 0 || EveryColumnIsAStop(line)) return column;
    const std::vector<int> stops = Stops(line);
    return *(std::upper_bound(stops.begin(), stops.end(), column) - 1);
}
