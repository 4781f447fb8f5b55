#pragma once
// The program's own text: Unicode held as UTF-8 in std::string, from the files to the screen
// (list lines, project lines, names, messages, captions). It keeps the byte-oriented line
// store, its speed and its memory; Qt's widgets take it and give it back through the two
// conversions below. Windows-1252 is only a file encoding (platform/Win1252.h).
#include <QString>
#include <string>
#include <string_view>

QString QStringFromUtf8(std::string_view text);
std::string Utf8FromQString(const QString& text);

// The UTF-8 of `ch` appended to `out`.
void AppendUtf8(std::string& out, char32_t ch);

// The length of the sequence `lead` begins and the range its first continuation byte must lie
// in; false for a byte that begins no sequence. No overlong forms, no surrogates, nothing
// beyond U+10FFFF: the one rule every UTF-8 check of the program follows.
bool Utf8Lead(unsigned lead, int& length, unsigned& low, unsigned& high);

// Whether `bytes` are UTF-8 throughout, no sequence cut short.
bool IsUtf8(std::string_view bytes);

// Names compare without regard to letter case by Unicode case folding: "É" and "é", "Σ", "σ"
// and "ς" are alike.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Two texts that are the same once both are brought to Unicode NFC: "ä" typed is the "a" and
// combining diaeresis of a file. Case, spaces and punctuation still count.
bool SameAfterNfc(std::string_view a, std::string_view b);
