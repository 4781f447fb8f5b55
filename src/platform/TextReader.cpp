#include "platform/TextReader.h"

#include "platform/Win1252.h"

#include <algorithm>

bool TTextReader::Feed(std::string_view piece)
{
    if (Mode != Start) return FeedBytes(piece);
    const size_t take = std::min(piece.size(), 2 - Head.size());
    Head.append(piece.substr(0, take));
    piece.remove_prefix(take);
    if (Head.size() < 2) return true;
    const TTextEncoding marked = Utf16Mark(Head);
    if (marked != TTextEncoding::Ansi) {
        Mode = Utf16;
        Decoder16 = std::make_unique<TUtf16Decoder>(marked);
    } else {
        Mode = Utf8;
    }
    return FeedBytes(Head) && FeedBytes(piece);
}

bool TTextReader::FeedBytes(std::string_view piece)
{
    switch (Mode) {
    case Start: break;
    case Utf8:
        Sniffer.Feed(piece);
        if (Sniffer.MayBeUtf8()) return Splitter.Feed(piece);
        // The first byte that is no UTF-8: what was split so far is Windows-1252 too.
        DecodeSplitLines();
        Mode = Win1252;
        [[fallthrough]];
    case Win1252:
        // Room for three bytes a byte, grown only when too small: resizing the buffer for each
        // piece would zero-fill it again every time.
        if (Decoded.size() < piece.size() * 3) Decoded.resize(piece.size() * 3);
        return Splitter.Feed(std::string_view(Decoded.data(), Win1252ToUtf8(piece, Decoded.data())));
    case Utf16: {
        Decoded.clear();
        const bool more = Decoder16->Decode(piece, Decoded);
        return Splitter.Feed(Decoded) && more;
    }
    }
    return true;
}

void TTextReader::DecodeSplitLines()
{
    Splitter.ForEachLine([](std::string& line) {
        if (std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; })) line = Win1252ToUtf8(line);
    });
}

std::vector<std::string> TTextReader::TakeLines(TTextEncoding& encoding)
{
    if (Mode == Start) {
        Mode = Utf8;
        FeedBytes(Head);
    }
    encoding = TTextEncoding::Ansi;
    switch (Mode) {
    case Start:
    case Win1252: break;
    case Utf16:
        Decoder16->Finish();
        encoding = Utf16Mark(Head);
        break;
    case Utf8:
        encoding = Sniffer.Encoding();
        // Cut off by its end, the text was no UTF-8 after all.
        if (encoding == TTextEncoding::Ansi && Sniffer.MultiByte()) DecodeSplitLines();
        break;
    }
    std::vector<std::string> lines = Splitter.TakeLines();
    if (encoding == TTextEncoding::Utf8Bom) {
        // The mark holds no line break, so it is the start of the first line; a text of the
        // mark alone has no line at all.
        if (Sniffer.Length() == 3) lines.clear();
        else lines.front().erase(0, 3);
    }
    return lines;
}
