#pragma once
// Columns of the editor's UTF-8 lines. A column counts code points: column k begins at the
// k-th byte of the line that is no UTF-8 continuation byte (10xxxxxx), so a Latin line has a
// column a byte and any line, even one of stray bytes, has a column for each byte that can
// begin one. The caret and the ends of a selection stand only where a user-perceived
// character (a grapheme cluster: a letter with its combining marks, an emoji sequence, a
// Hangul syllable of jamo) begins or ends: those columns are the line's stops.
#include "platform/ByteWords.h"

#include <string_view>
#include <vector>

// The columns of `line`.
int ColumnCount(std::string_view line);
// The byte where `column` begins; the line's size for a column at or past its end.
size_t ByteOfColumn(std::string_view line, int column);
// The bytes of columns [from, to), clamped to the line.
std::string_view ColumnsText(std::string_view line, int from, int to);
// The column the byte `byte` belongs to.
int ColumnOfByte(std::string_view line, size_t byte);

// The first stop after `column` (the line's end at most), and the last stop before it (0 at
// least).
int NextStop(std::string_view line, int column);
int PreviousStop(std::string_view line, int column);
// `column` when it is a stop, else the stop before it.
int StopAtOrBefore(std::string_view line, int column);

// The grid shows a line as a terminal does: a user-perceived character takes the cells of its
// first code point, two for an East Asian wide or fullwidth character (and an emoji shown as
// emoji), else one; its marks, joiners and selectors take none of their own. A cell counts
// from the line's start; past the line's end each column is one cell.
struct TClusterCell {
    int Column = 0; // where the character begins
    int Cell = 0;   // its first cell
    int Width = 1;  // its cells
    std::string_view Text; // its bytes; empty past the line's end
    int Index = 0;  // its place among the line's characters
};

class TLineCells {
public:
    explicit TLineCells(std::string_view line);
    // The line's cells, and those before `column` (that of the character covering it).
    int CellCount() const;
    int CellOf(int column) const;
    // The stop at the start of the character covering `cell`; the columns past the end one a cell.
    int ColumnAt(int cell) const;
    // The character covering `cell` (the first when cell < 0), and the one after `c`.
    TClusterCell AtCell(int cell) const;
    TClusterCell Next(const TClusterCell& c) const;
    // Every column is one cell and a stop (the line holds no character that joins, nor a wide one).
    bool Plain() const { return Columns.empty(); }

private:
    std::string_view Line;
    int Count = 0;
    // For a line that is not plain, per character (and one more at the end): column, cell, byte.
    std::vector<int> Columns, Cells;
    std::vector<size_t> Bytes;
    TClusterCell Make(int index) const;
};

// At least CellCount(line), and far quicker to find: the widest of many lines is looked for
// only among those that may be wider than the widest so far.
int MostCells(std::string_view line);
// MostCells of one byte of a line, and of eight read as one word (ByteWords.h): a character
// takes two cells only when it is, or holds, a code point of three or four bytes (none below
// U+0800 is wide, an emoji or its selector), whose leads are 111xxxxx; so each byte that
// begins a column counts one, and such a lead one more. A zero byte counts as a column.
inline int MostCellsOfByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return ((b & 0xC0) != 0x80) + (b >= 0xE0);
}
inline int MostCellsOfWord(uint64_t w)
{
    const uint64_t columns = ~(w & ~(w << 1)) & ByteHighs, longLeads = w & (w << 1) & (w << 2) & ByteHighs;
    return int((((columns >> 7) + (longLeads >> 7)) * ByteOnes) >> 56); // at most 16, in the top byte
}

// Shorthands for one question about a line.
int CellCount(std::string_view line);
int CellOfColumn(std::string_view line, int column);
int ColumnAtCell(std::string_view line, int cell);
