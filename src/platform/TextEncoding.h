#pragma once
// The encodings a text file is read in and written back in. The program's own text is
// Windows-1252, a byte a character, and that is how a file is read unless its bytes say
// otherwise: a file that is UTF-8 throughout and holds at least one character beyond ASCII
// (or begins with the UTF-8 byte-order mark) was written by a tool that speaks UTF-8, as every
// Linux editor does, and is read as UTF-8 and written back as UTF-8 so that tool can still
// read it.
//
// A Windows-1252 text can happen to be valid UTF-8 ("Ã¤" is the two bytes of UTF-8 "ä");
// such a file is read as UTF-8, and written back it has the same bytes again.
#include "platform/Files.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TTextEncoding {
    Ansi,    // Windows-1252 (also every file that is plain ASCII or not valid UTF-8)
    Utf8,    // UTF-8 without a byte-order mark
    Utf8Bom, // UTF-8 that begins with the byte-order mark EF BB BF
};

// A UTF-8 text holds a character that Windows-1252 has no byte for (Cyrillic, Greek, CJK ...):
// it cannot be taken into the program's text without losing that character.
class EUnmappableText : public EFileError {
public:
    explicit EUnmappableText(int line);
    int Line; // 1-based line of the first such character
};

// Tells a text's encoding from its bytes as they arrive in pieces, each byte looked at once.
// A NUL ends the text, as it does for the line rules: what follows it is not looked at.
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

// Checks and decodes UTF-8 into Windows-1252 in one pass as it arrives in pieces, a character
// split between two pieces included, so a reader can split lines from the decoded text while
// it is still in the processor's cache. The mark that begins a text is dropped; a NUL is passed
// on and ends the decoding.
class TUtf8Decoder {
public:
    enum TResult {
        Decoded,    // `out` holds the piece decoded
        Unmappable, // the first character Windows-1252 has no byte for is in this piece: `out`
                    // holds the text before it; later pieces are only checked, giving nothing
        NotUtf8,    // a byte breaks the rules of UTF-8; `out` is of no use
    };
    TResult Decode(std::string_view piece, std::string& out);
    // Bytes at the start of the text that went by without being decoded (ASCII, which decodes
    // to itself).
    void Skip(uint64_t bytes) { FOffset += bytes; }
    // Something was decoded into other bytes than it came as (a character beyond ASCII, the
    // mark): the decoded text is no longer the text read.
    bool Changed() const { return FChanged; }
    // The bytes of a character the last piece cut off; at the end of the text, bytes that
    // make no character.
    std::string_view Pending() const { return {reinterpret_cast<const char*>(FCarry), size_t(FCarryLength)}; }

private:
    uint64_t FOffset = 0;           // bytes of the text before this piece
    unsigned char FCarry[4] = {};   // the start of a character the last piece cut off
    int FCarryLength = 0;
    bool FEnded = false;            // a NUL was passed on
    bool FChanged = false;
    bool FRefused = false;          // a character without a byte was met: only checking now
};

// The text of a whole file in memory, made the program's text: cut at the first NUL, and when
// it is UTF-8, the byte-order mark dropped and every character turned into its Windows-1252
// byte, in place. Returns the encoding to write it back in. Throws EUnmappableText.
TTextEncoding DecodeText(std::string& bytes);

// What to do with a line that holds a character Windows-1252 has no byte for.
enum class TUnmappable {
    Refuse,   // throw EUnmappableText
    KeepBytes // leave the line as its bytes, as a file name that is no Windows-1252 is kept
};
// Lines split from a text `sniffer` has seen whole, made the program's text as DecodeText
// does. Lines without a byte beyond ASCII are not touched, and a text that is not UTF-8 not at
// all. Returns the encoding to write them back in.
TTextEncoding DecodeLines(std::vector<std::string>& lines, const TEncodingSniffer& sniffer,
                          TUnmappable unmappable = TUnmappable::Refuse);

// The bytes to write for the program's text in `encoding`: the text itself for Windows-1252,
// else its UTF-8 (after the byte-order mark for Utf8Bom). Whatever is written reads back as
// the same text: a Windows-1252 text that would be taken for UTF-8 (all its bytes beyond ASCII
// forming UTF-8, as "Ã¤" does) is written as UTF-8 instead. No text read as Windows-1252 is
// such a text, so one saved unchanged keeps its bytes.
std::string EncodeText(std::string ansi, TTextEncoding encoding);
