#include "editor/model/LineLayout.h"

#include "platform/ByteWords.h"
#include "platform/Utf8.h"

#include <QString>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdint>
#include <cwchar>
#include <locale.h>
#include <vector>

namespace {
bool BeginsColumn(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The code point whose UTF-8 begins at byte i (a valid sequence), and i moved past it.
char32_t Decode(std::string_view s, size_t& i)
{
    const auto b = [&](size_t k) { return char32_t(static_cast<unsigned char>(s[k])); };
    const char32_t lead = b(i);
    if (lead < 0x80) return ++i, lead;
    const int n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t cp = lead & (0x7F >> n);
    for (int k = 1; k < n; ++k) cp = cp << 6 | (b(i + size_t(k)) & 0x3F);
    i += size_t(n);
    return cp;
}

// Letters and signs that never join the code point before or after them into one
// user-perceived character: below U+0300 (combining marks, joiners, variation selectors and
// jamo all lie above) and Greek, Cyrillic and Armenian apart from their marks, each a cell;
// and kana, CJK ideographs, Hangul syllables (no jamo that would join them) and fullwidth
// forms, mostly two cells.
bool NarrowAlone(char32_t cp) { return cp < 0x300 || (cp >= 0x370 && cp < 0x483) || (cp >= 0x48A && cp < 0x591); }
bool WideAlone(char32_t cp)
{
    return (cp >= 0x3000 && cp < 0x302A) || (cp >= 0x3030 && cp < 0x3099) || (cp >= 0x309B && cp < 0xA000) ||
           (cp >= 0xAC00 && cp < 0xD7A4) || (cp >= 0xFF01 && cp < 0xFF61) || (cp >= 0xFFE0 && cp < 0xFFE7);
}

// Plain: every column a stop and a cell, as in every Latin line (and in one of stray bytes,
// which are shown one by one). Alone: every column a stop, but some take two cells.
// Clustered: the stops come from Qt's grapheme boundaries.
enum class TLineKind { Plain, Alone, Clustered };

// What a byte says of its line without the line being decoded: Sure, that every character it
// begins is NarrowAlone (ASCII; continuation bytes; the leads C2-CB, below U+0300; CE-D1 and
// D3-D5, Greek, Cyrillic and Armenian); Mark, the lead D2, whose 83-89 are Cyrillic's combining
// marks; Unsure for any other lead. A line no UTF-8 is plain all the same.
enum : unsigned char { Sure = 0, Mark = 1, Unsure = 2 };
constexpr std::array<unsigned char, 256> LeadClass = [] {
    std::array<unsigned char, 256> t{};
    for (unsigned b = 0xCC; b < 0x100; ++b) t[b] = b == 0xD2 ? Mark : b >= 0xCE && b <= 0xD5 ? Sure : Unsure;
    return t;
}();

// Whether the lead bytes alone show `line` plain, as they do for nearly every line, without
// decoding it: the grid asks at each draw. One look-up a byte, without a branch.
bool PlainByLeads(std::string_view line)
{
    unsigned seen = Sure;
    for (const char c : line) seen |= LeadClass[static_cast<unsigned char>(c)];
    if (seen == Sure) return true;
    if (seen & Unsure) return false;
    for (size_t i = 0; i + 1 < line.size(); ++i)
        if (line[i] == '\xD2' && static_cast<unsigned char>(line[i + 1]) >= 0x83 &&
            static_cast<unsigned char>(line[i + 1]) <= 0x89)
            return false;
    return true;
}

// How many bytes of a word `marks` marks, by their high bits (its only bits set).
int Marked(uint64_t marks) { return int(((marks >> 7) * ByteOnes) >> 56); }

TLineKind KindOf(std::string_view line)
{
    if (PlainByLeads(line) || !IsUtf8(line)) return TLineKind::Plain;
    TLineKind kind = TLineKind::Plain;
    for (size_t i = 0; i < line.size();) {
        const char32_t cp = Decode(line, i);
        if (NarrowAlone(cp)) continue;
        if (!WideAlone(cp)) return TLineKind::Clustered;
        kind = TLineKind::Alone;
    }
    return kind;
}

bool EveryColumnIsAStop(std::string_view line) { return KindOf(line) != TLineKind::Clustered; }

// glibc's wcwidth() answers for the UTF-8 locale set on the calling thread while this
// lives; the program's own locale is left alone. Its tables follow the system's Unicode
// version, and a call costs some 20 ns, made only for a character's first code point from
// U+1100 on (none below is wide).
class TUtf8Widths {
public:
    TUtf8Widths()
    {
        static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
        if (utf8) Saved = uselocale(utf8);
    }
    ~TUtf8Widths()
    {
        if (Saved) uselocale(Saved);
    }
    TUtf8Widths(const TUtf8Widths&) = delete;
    TUtf8Widths& operator=(const TUtf8Widths&) = delete;

    // The cells of the user-perceived character `text`.
    int Of(std::string_view text) const
    {
        size_t i = 0;
        const char32_t first = Decode(text, i);
        if (first >= 0x1100 && Saved && wcwidth(wchar_t(first)) == 2) return 2;
        // Shown as emoji: with the emoji selector, or a flag of two regional indicators.
        const bool flag = first >= 0x1F1E6 && first <= 0x1F1FF && i < text.size();
        return flag || text.find("\xEF\xB8\x8F") != std::string_view::npos ? 2 : 1;
    }

private:
    locale_t Saved = locale_t(nullptr);
};

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
        // Qt's finder puts a boundary between the two halves of a character beyond U+FFFF
        // after Myanmar letters: no character ends there.
        if (at < text.size() && text[at].isLowSurrogate()) continue;
        for (; unit < at; ++unit)
            if (!text[unit].isLowSurrogate()) ++column;
        stops.push_back(column);
    }
    return stops;
}
} // namespace

int ColumnCount(std::string_view line)
{
    // Eight bytes at a time: the continuation bytes of a word are those whose high bit is set
    // and the next clear.
    const char* p = line.data();
    const char* const end = p + line.size();
    int n = 0;
    for (; end - p >= 8; p += 8) {
        const uint64_t w = ByteWord(p);
        n += 8 - Marked(w & ~(w << 1) & ByteHighs);
    }
    for (; p < end; ++p) n += BeginsColumn(*p);
    return n;
}

int MostCells(std::string_view line)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    int n = 0;
    for (; end - p >= 8; p += 8) n += MostCellsOfWord(ByteWord(p));
    // The bytes left over as the last eight of the line, those already counted shifted out and
    // zeros shifted in, each taken for a column.
    if (p < end && line.size() >= 8) {
        const int rest = int(end - p);
        return n + MostCellsOfWord(ByteWord(end - 8) >> (8 * (8 - rest))) - (8 - rest);
    }
    for (; p < end; ++p) n += MostCellsOfByte(*p);
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

TLineCells::TLineCells(std::string_view line) : Line(line), Count(ColumnCount(line))
{
    const TLineKind kind = KindOf(line);
    if (kind == TLineKind::Plain) return;
    std::vector<int> stops;
    if (kind == TLineKind::Clustered) {
        stops = Stops(line);
    } else {
        stops.resize(size_t(Count) + 1);
        for (int k = 0; k <= Count; ++k) stops[size_t(k)] = k;
    }
    Columns = stops;
    Bytes.reserve(stops.size());
    int column = 0;
    for (size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !BeginsColumn(line[i])) continue;
        if (column == stops[Bytes.size()]) Bytes.push_back(i);
        ++column;
    }
    const TUtf8Widths widths;
    Cells.reserve(stops.size());
    Cells.push_back(0);
    for (size_t k = 0; k + 1 < Bytes.size(); ++k)
        Cells.push_back(Cells.back() + widths.Of(line.substr(Bytes[k], Bytes[k + 1] - Bytes[k])));
}

int TLineCells::CellCount() const { return Plain() ? Count : Cells.back(); }

int TLineCells::CellOf(int column) const
{
    if (Plain() || column <= 0) return column;
    if (column >= Count) return Cells.back() + column - Count;
    return Cells[size_t(std::upper_bound(Columns.begin(), Columns.end(), column) - Columns.begin() - 1)];
}

int TLineCells::ColumnAt(int cell) const
{
    if (cell <= 0) return 0;
    if (Plain()) return cell;
    if (cell >= Cells.back()) return Count + cell - Cells.back();
    return Columns[size_t(std::upper_bound(Cells.begin(), Cells.end(), cell) - Cells.begin() - 1)];
}

TClusterCell TLineCells::Make(int index) const
{
    const auto i = size_t(index);
    return {Columns[i], Cells[i], Cells[i + 1] - Cells[i], Line.substr(Bytes[i], Bytes[i + 1] - Bytes[i]), index};
}

TClusterCell TLineCells::AtCell(int cell) const
{
    cell = std::max(cell, 0);
    const int cells = CellCount();
    if (cell >= cells) return {Count + cell - cells, cell, 1, {}, Plain() ? Count : int(Columns.size()) - 1};
    if (!Plain()) return Make(int(std::upper_bound(Cells.begin(), Cells.end(), cell) - Cells.begin() - 1));
    const std::string_view text = ColumnsText(Line, cell, cell + 1);
    return {cell, cell, 1, text, cell};
}

TClusterCell TLineCells::Next(const TClusterCell& c) const
{
    if (c.Text.empty()) return {c.Column + 1, c.Cell + 1, 1, {}, c.Index};
    if (!Plain()) {
        if (c.Index + 2 < int(Columns.size())) return Make(c.Index + 1);
        return {Count, Cells.back(), 1, {}, c.Index + 1};
    }
    size_t from = size_t(c.Text.data() + c.Text.size() - Line.data()), to = from;
    if (from >= Line.size()) return {Count, Count, 1, {}, Count};
    while (++to < Line.size() && !BeginsColumn(Line[to])) {
    }
    return {c.Column + 1, c.Cell + 1, 1, Line.substr(from, to - from), c.Index + 1};
}

int CellCount(std::string_view line) { return TLineCells(line).CellCount(); }
int CellOfColumn(std::string_view line, int column) { return TLineCells(line).CellOf(column); }
int ColumnAtCell(std::string_view line, int cell) { return TLineCells(line).ColumnAt(cell); }
