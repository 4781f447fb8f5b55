#pragma once
// Columns of the editor's UTF-8 lines. A column counts code points: column k begins at the
// k-th byte of the line that is no UTF-8 continuation byte (10xxxxxx), so a Latin line has a
// column a byte and any line, even one of stray bytes, has a column for each byte that can
// begin one. The caret and the ends of a selection stand only where a user-perceived
// character (a grapheme cluster: a letter with its combining marks, an emoji sequence, a
// Hangul syllable of jamo) begins or ends: those columns are the line's stops.
#include <string_view>

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
