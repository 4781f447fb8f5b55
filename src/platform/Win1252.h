#pragma once
// Windows-1252 text. Every 8-bit string of the program (list lines, editor lines, names,
// messages) holds these bytes; Unicode appears only at the Qt boundary.
#include <optional>
#include <string>
#include <QString>

// The Unicode character of one Windows-1252 byte. The five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so every byte round-trips.
char32_t Win1252ToUnicode(unsigned char byte);
// The byte of a Unicode character, or nothing when Windows-1252 has none.
std::optional<char> UnicodeToWin1252(char32_t ch);

QString ToQString(const std::string& ansi);
// Exact conversion: false (and `out` unspecified) when some character has no byte.
bool FromQStringExact(const QString& text, std::string& out);
// Lossy conversion for text from outside (the clipboard): "?" for each character without a byte.
std::string FromQStringLossy(const QString& text);

// Letter case by Windows-1252's own letters (A-Z and the accented letters).
char AnsiLowerChar(char c);
char AnsiUpperChar(char c);
std::string AnsiLowerCase(std::string s);
std::string AnsiUpperCase(std::string s);
bool AnsiSameText(const std::string& a, const std::string& b);
