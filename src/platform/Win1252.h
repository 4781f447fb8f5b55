#pragma once
// Windows-1252, a byte a character: the encoding of the lists and projects written by Windows
// programs, read and written back byte for byte. The program's own text is UTF-8
// (platform/Utf8.h); these convert between the two, and give Qt the texts that are still held
// in Windows-1252 (the editor's lines, the custom colours file).
#include <optional>
#include <string>
#include <string_view>
#include <QString>

// The Unicode character of one Windows-1252 byte. The five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so every byte round-trips.
char32_t Win1252ToUnicode(unsigned char byte);
// The byte of a Unicode character, or nothing when Windows-1252 has none.
std::optional<char> UnicodeToWin1252(char32_t ch);

// Windows-1252 bytes as UTF-8; every byte has its character, so nothing is lost.
std::string Win1252ToUtf8(std::string_view bytes);
// The same into `out`, which must have room for three bytes a byte; returns the UTF-8 length.
size_t Win1252ToUtf8(std::string_view bytes, char* out);
// Valid UTF-8 as Windows-1252. False when a character has no byte; `bad` then gets the offset
// in `utf8` of the first such character, and `out` is of no use.
bool Utf8ToWin1252(std::string_view utf8, std::string& out, size_t* bad = nullptr);

QString QStringFromWin1252(std::string_view bytes);
// Exact conversion: false (and `out` unspecified) when some character has no byte.
bool Win1252FromQString(const QString& text, std::string& out);

// Letter case by Windows-1252's own letters (A-Z and the accented letters).
char AnsiLowerChar(char c);
char AnsiUpperChar(char c);
std::string AnsiLowerCase(std::string s);
std::string AnsiUpperCase(std::string s);
bool AnsiSameText(const std::string& a, const std::string& b);
