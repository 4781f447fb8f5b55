#pragma once
// The properties the fuzz targets check on every input. The same checks replay the seed
// corpora and every input a fuzzer once found failing (fuzz/corpus, fuzz/regressions) in the
// ordinary test run. Each returns "" when the property holds, else what went wrong.
#include <string>
#include <string_view>
#include <vector>

// Lines by the simplest rules there are, one byte at a time: a NUL ends the text; CR LF, a
// lone CR and a lone LF each end a line; a break at the very end starts no extra line.
std::vector<std::string> ReferenceSplit(std::string_view bytes);

// The lines a file's bytes stand for once its encoding is told, by the plainest means: a text
// that begins with a UTF-16 mark is decoded by Qt and refused where QString finds it is no
// UTF-16 (or where its first character is NUL, as in the UTF-32 mark); Qt says whether the text
// before any NUL (less a leading UTF-8 mark) is UTF-8, by decoding it and getting the same bytes
// back; every other text is decoded from Windows-1252 by Qt's own converter.
struct TReferenceText {
    std::vector<std::string> Lines;
    bool Refused = false;
};
TReferenceText ReferenceDecode(std::string_view bytes);
// Whether a file of these bytes is read as UTF-8, by the same plain means.
bool ReferenceTakenForUtf8(std::string_view bytes);

// SplitLines (what LoadLines reads) and the editor's line store loading the same bytes both
// give the reference lines; joining them back and reading again changes nothing; the store's
// offsets agree with its joined text. Told and decoded, whole and in pieces (as LoadLines
// does), the bytes give the reference's lines or are refused as it is, and the lines written
// back in their encoding read again as themselves.
std::string CheckLineReading(std::string_view bytes);

// A project file named by the first bytes of `input` and holding the rest, in the Projects
// folder under `baseFolder` (emptied first): a name the folder can hold is listed by its display name (the name where it is
// UTF-8, else its Windows-1252 characters) and leads back to
// the file, the file reads as the reference lines, and the two list names it holds are written
// back (in Windows-1252 where it holds them and they would not be taken for UTF-8, else in
// UTF-8) and read again exactly.
std::string CheckProjectFile(std::string_view input, const std::string& baseFolder);

// HexToColor on any text: a 7-character "#" code of hexadecimal digits gives the colour that
// ColorToHex writes back as the same code (upper case); any other 7-character "#" code throws
// EConvertError and nothing else; every other text is black.
std::string CheckHexToColor(std::string_view text);

// The custom colours reader: the items of any bytes are the reference lines, they are written
// and read back unchanged, and the file at `folder`/CustomColors.dat holding the bytes loads
// as the items of its first MaxCustomColorsBytes.
std::string CheckCustomColors(std::string_view bytes, const std::string& folder);

// The editor's document under the edits the input spells (its first byte the length of the
// starting text, then one byte per edit and the bytes it takes): typing, Enter, Backspace,
// Delete and their word-wise forms, pasted text, ranges deleted and lines inserted, a new
// selection, undo, redo and snapshots. After every edit the caret and the selection end lie
// inside the text, the text is its lines joined with CR LF, and what an edit reports matches
// what it did; undoing everything at the end gives back the starting text byte for byte.
std::string CheckDocumentEdits(std::string_view input);
