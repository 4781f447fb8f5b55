#pragma once
// The editor keeps its lines in Windows-1252, a byte a character, while the rest of the
// program holds its text in UTF-8. Everything that crosses between the two goes through here:
// a file loaded into the editor and saved from it, text put on or taken from the clipboard,
// text inserted, and every character drawn. Nothing crosses silently changed: a list with a
// character the editor cannot hold is refused whole, and such a character taken in from
// outside becomes a numeric character reference ("&#1089;") that shows what it was.
#include "platform/Files.h"
#include "platform/TextEncoding.h"

#include <string>
#include <string_view>

// A list holds a character the editor's Windows-1252 cannot hold (Cyrillic, Greek, CJK ...).
class EUnmappableText : public EFileError {
public:
    explicit EUnmappableText(int line);
    int Line; // 1-based line of the first such character
};

// A file's bytes as the editor's text; `encoding` gets the encoding to write it back in.
// Throws EUndecodableText, and EUnmappableText naming the line of the first character the
// editor cannot hold.
std::string InnerTextFromFile(std::string bytes, TTextEncoding& encoding);
// The editor's text as the bytes of a file in `encoding` (EncodeText: the encoding written may
// be UTF-8 instead, when the text would read back as other characters).
TEncodedText FileBytesFromInnerText(std::string_view text, TTextEncoding encoding);

// The program's text as the editor's: each character without a Windows-1252 byte becomes its
// numeric character reference.
std::string InnerTextFromUtf8(std::string_view text);
std::string Utf8FromInnerText(std::string_view text);
