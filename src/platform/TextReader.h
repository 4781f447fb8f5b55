#pragma once
// A text file's lines as the program's text (UTF-8), from its bytes as they are read a piece
// at a time: told, decoded and split in one pass, while each piece is still in the
// processor's cache, by the rules of platform/TextEncoding.h and platform/TextLines.h.
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TTextReader {
public:
    // Takes the next piece; false once the text has ended (a NUL), when the rest need not be
    // read.
    bool Feed(std::string_view piece);
    // Lines split so far, and room for more.
    size_t Count() const { return Splitter.Count(); }
    void Reserve(size_t lines) { Splitter.Reserve(lines); }
    // The lines, and the encoding to write them back in. Throws EUndecodableText.
    std::vector<std::string> TakeLines(TTextEncoding& encoding);

private:
    enum TMode {
        Start,   // fewer than two bytes seen: whether the text is UTF-16 is not yet known
        Utf8,    // UTF-8 or ASCII so far: the bytes are split as they are
        Win1252, // not UTF-8: each piece is decoded from Windows-1252 before it is split
        Utf16,
    };
    bool FeedBytes(std::string_view piece);
    // The lines split from the bytes so far, decoded from Windows-1252.
    void DecodeSplitLines();

    TMode Mode = Start;
    std::string Head; // the bytes seen while Start
    TLineSplitter Splitter;
    TEncodingSniffer Sniffer;
    std::unique_ptr<TUtf16Decoder> Decoder16;
    std::string Decoded; // a piece decoded, reused
};
