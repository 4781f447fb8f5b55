#pragma once
// The encodings a text file is read in and written back in. The program's own text is UTF-8
// (platform/Utf8.h). A file that begins with the byte-order mark of UTF-16 (what Windows
// Notepad writes as "Unicode") is UTF-16; one that is UTF-8 throughout and holds a character
// beyond ASCII, or begins with the UTF-8 mark, is UTF-8, as every Linux editor writes; every
// other file is Windows-1252, a byte a character, as Windows programs write. A file is written
// back in the encoding it was read in, so the tool that wrote it can still read it.
//
// A Windows-1252 text can happen to be valid UTF-8 ("Ã¤" is the two bytes of UTF-8 "ä");
// such a file is read as UTF-8, and written back it has the same bytes again.
#include "platform/Files.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class TTextEncoding {
    Ansi,    // Windows-1252 (also every file that is plain ASCII or not valid UTF-8)
    Utf8,    // UTF-8 without a byte-order mark
    Utf8Bom, // UTF-8 that begins with the byte-order mark EF BB BF
    Utf16Le, // UTF-16, least significant byte first, after the mark FF FE
    Utf16Be, // UTF-16, most significant byte first, after the mark FE FF
};

// A file marked as UTF-16 that is no UTF-16 (a byte left over, a surrogate without its
// partner), or one marked as UTF-32, which the program does not read: it is refused whole.
class EUndecodableText : public EFileError {
public:
    EUndecodableText();
};

// Tells a text's encoding from its bytes as they arrive in pieces, each byte looked at once:
// UTF-8 or Windows-1252 (the UTF-16 mark is looked for apart, see Utf16Mark). A NUL ends the
// text, as it does for the line rules: what follows it is not looked at.
class TEncodingSniffer {
public:
    void Feed(std::string_view piece);
    TTextEncoding Encoding() const;
    // Bytes of text seen (before any NUL); while the text may still be UTF-8.
    uint64_t Length() const { return FLength; }
    // So far: no byte has broken the rules of UTF-8 (a sequence may still be unfinished).
    bool MayBeUtf8() const { return !FInvalid; }
    // So far: a byte beyond ASCII was seen.
    bool MultiByte() const { return FMultiByte; }
    bool Ended() const { return FEnded; }

private:
    uint64_t FLength = 0;
    unsigned char FHead[3] = {};       // the first three bytes, for the byte-order mark
    int FNeed = 0;                     // continuation bytes the current sequence still needs
    unsigned FLow = 0x80, FHigh = 0xBF; // the range the next continuation byte must lie in
    bool FInvalid = false;             // not UTF-8: nothing more need be looked at
    bool FMultiByte = false;
    bool FEnded = false;               // a NUL was seen
};

// Utf16Le or Utf16Be when `head` (at least the first two bytes of a text) begins with the
// UTF-16 mark; Ansi otherwise.
TTextEncoding Utf16Mark(std::string_view head);

// Decodes UTF-16 into the program's text as it arrives in pieces, a character split between
// pieces included. The mark that begins the text is dropped; U+0000 ends the text, as a NUL
// byte ends an 8-bit one.
class TUtf16Decoder {
public:
    explicit TUtf16Decoder(TTextEncoding encoding) : FBigEndian(encoding == TTextEncoding::Utf16Be) {}
    // Appends the piece's text to `out`; false once U+0000 has ended the text. Throws
    // EUndecodableText at a surrogate without its partner.
    bool Decode(std::string_view piece, std::string& out);
    // At the end of the text: throws EUndecodableText when a byte or half a pair is left over.
    void Finish() const;

private:
    bool FBigEndian;
    uint64_t FUnits = 0;       // 16-bit units taken, the mark the first
    bool FEnded = false;
    int FCarryLength = 0;      // a byte the last piece cut off from its unit
    unsigned char FCarry = 0;
    char16_t FHighSurrogate = 0;
};

// The encoding a whole text is read in (UTF-16 by its mark alone).
TTextEncoding TellEncoding(std::string_view bytes);
// A whole file's bytes made the program's text: decoded from the encoding they are read in,
// the byte-order mark dropped, cut at the first NUL. Returns that encoding, to write it back
// in. Throws EUndecodableText.
TTextEncoding DecodeText(std::string& bytes);
// The same for bytes whose encoding is already told.
TTextEncoding DecodeText(std::string& bytes, TTextEncoding encoding);

struct TEncodedText {
    std::string Bytes;
    TTextEncoding Encoding; // the encoding the bytes are in
};
// The bytes to write for the program's text in `encoding`, such that they read back as the
// same text. Windows-1252 holds only its own characters: a text with any other (Cyrillic,
// Greek, CJK ...) is written as UTF-8 instead, nothing dropped or replaced. So is one that
// would be taken for another encoding if written as Windows-1252 (all its bytes beyond ASCII
// forming UTF-8, as "Ã¤" does, or beginning with "ÿþ", which is the UTF-16 mark). No text
// read as Windows-1252 is such a text, so one saved unchanged keeps its bytes.
TEncodedText EncodeText(std::string_view text, TTextEncoding encoding);
