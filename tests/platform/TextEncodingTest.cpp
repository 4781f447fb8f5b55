// Telling UTF-8 from Windows-1252 by the bytes, decoding into the program's Windows-1252 text
// and encoding it back, without a window.
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"
#include "platform/Win1252.h"

#include <gtest/gtest.h>
#include <random>

using Lines = std::vector<std::string>;

namespace {
TTextEncoding Sniff(std::string_view text)
{
    TEncodingSniffer s;
    s.Feed(text);
    return s.Encoding();
}

// The UTF-8 of one character.
std::string Utf8(char32_t ch)
{
    std::string out;
    if (ch < 0x80) {
        out += char(ch);
    } else if (ch < 0x800) {
        out += char(0xC0 | ch >> 6);
        out += char(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += char(0xE0 | ch >> 12);
        out += char(0x80 | (ch >> 6 & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    } else {
        out += char(0xF0 | ch >> 18);
        out += char(0x80 | (ch >> 12 & 0x3F));
        out += char(0x80 | (ch >> 6 & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    }
    return out;
}

// Windows-1252 lines split from a decoded text, as the editor takes them, and as the store
// takes them: split first, decoded after.
Lines WholeThenSplit(std::string bytes)
{
    DecodeText(bytes);
    return SplitLines(bytes);
}
Lines SplitThenDecode(const std::string& bytes, size_t pieceSize, TTextEncoding* encoding = nullptr)
{
    TLineSplitter splitter;
    TEncodingSniffer sniffer;
    for (size_t at = 0; at < bytes.size(); at += pieceSize) {
        const std::string_view piece = std::string_view(bytes).substr(at, pieceSize);
        sniffer.Feed(piece);
        if (!splitter.Feed(piece)) break;
    }
    Lines lines = splitter.TakeLines();
    const TTextEncoding e = DecodeLines(lines, sniffer);
    if (encoding) *encoding = e;
    return lines;
}
} // namespace

TEST(TextEncoding, Utf8OnlyWhenValidThroughoutAndBeyondAscii)
{
    EXPECT_EQ(Sniff(""), TTextEncoding::Ansi);
    EXPECT_EQ(Sniff("plain ascii\r\n"), TTextEncoding::Ansi) << "ASCII stays on the Windows-1252 path";
    EXPECT_EQ(Sniff("h\xc3\xa4st\r\n"), TTextEncoding::Utf8);
    EXPECT_EQ(Sniff("\xef\xbb\xbfh\xc3\xa4st"), TTextEncoding::Utf8Bom);
    EXPECT_EQ(Sniff("\xef\xbb\xbf"), TTextEncoding::Utf8Bom) << "the mark alone";
    EXPECT_EQ(Sniff("\xef\xbb\xbf" "abc"), TTextEncoding::Utf8Bom) << "the mark before ASCII";
    EXPECT_EQ(Sniff("h\xe4st\r\n"), TTextEncoding::Ansi) << "Windows-1252 \"h\xe4st\"";
    EXPECT_EQ(Sniff("\xef\xbb\xbfh\xe4st"), TTextEncoding::Ansi) << "a mark before bytes that are no UTF-8";
    EXPECT_EQ(Sniff("h\xc3\xa4st \xe4"), TTextEncoding::Ansi) << "one bad byte after good UTF-8";
    // The forms UTF-8 does not allow.
    const char* invalid[] = {
        "\xc0\x80",         // overlong NUL
        "\xc1\xbf",         // overlong
        "\xe0\x80\xaf",     // overlong "/"
        "\xed\xa0\x80",     // a surrogate
        "\xf4\x90\x80\x80", // beyond U+10FFFF
        "\xf5\x80\x80\x80", // no such lead byte
        "\x80",             // a continuation byte alone
        "\xc3",             // a sequence cut short by the end
        "\xe2\x82",
        "\xc3\x41",         // by an ASCII byte
        "\xff",
    };
    for (const char* s : invalid) EXPECT_EQ(Sniff(s), TTextEncoding::Ansi) << testing::PrintToString(s);
    // The edges that are allowed.
    const char* valid[] = {"\xc2\x80", "\xdf\xbf", "\xe0\xa0\x80", "\xed\x9f\xbf", "\xee\x80\x80",
                           "\xf0\x90\x80\x80", "\xf4\x8f\xbf\xbf"};
    for (const char* s : valid) EXPECT_EQ(Sniff(s), TTextEncoding::Utf8) << testing::PrintToString(s);
}

TEST(TextEncoding, ANulEndsTheTextThatIsLookedAt)
{
    EXPECT_EQ(Sniff(std::string("h\xc3\xa4st\0\xff", 7)), TTextEncoding::Utf8) << "a bad byte after the NUL";
    EXPECT_EQ(Sniff(std::string("ab\0h\xc3\xa4st", 8)), TTextEncoding::Ansi) << "UTF-8 only after the NUL";
    std::string text("h\xc3\xa4st\r\nx\0\xff\xfe", 10);
    EXPECT_EQ(DecodeText(text), TTextEncoding::Utf8);
    EXPECT_EQ(text, "h\xe4st\r\nx");
}

TEST(TextEncoding, PiecesCutAnywhereGiveTheSameAnswerAsTheWholeText)
{
    const std::string texts[] = {
        "\xef\xbb\xbfh\xc3\xa4st\r\n",
        "g\xc3\xa5s \xe2\x82\xac \xf0\x9f\x98\x80 \xc3\xb6",
        "abcdefghijklmnopqrstuvwxyz \xc3\xa4 abcdefghijklmnop",
        "abcdefghijklmnopqrstuvwxyz \xe4 abcdefghijklmnop",
        "ok \xe2\x82",
        "\xed\xa0\x80 surrogate",
        std::string("\xc3\xa4\0\xff", 4),
    };
    for (const std::string& text : texts) {
        const TTextEncoding whole = Sniff(text);
        for (size_t size = 1; size <= text.size(); ++size) {
            TEncodingSniffer s;
            for (size_t at = 0; at < text.size(); at += size) s.Feed(std::string_view(text).substr(at, size));
            EXPECT_EQ(s.Encoding(), whole) << testing::PrintToString(text) << " in pieces of " << size;
        }
    }
}

TEST(TextEncoding, DecodesIntoWindows1252AndDropsTheMark)
{
    std::string text = "\xef\xbb\xbf" "h\xc3\xa4st\r\n\xc3\x85sa \xe2\x82\xac 5\r\n\xc5\x93uvre \xe2\x80\x9cq\xe2\x80\x9d\r\n";
    EXPECT_EQ(DecodeText(text), TTextEncoding::Utf8Bom);
    EXPECT_EQ(text, "h\xe4st\r\n\xc5sa \x80 5\r\n\x9cuvre \x93q\x94\r\n");

    std::string plain = "h\xe4st\r\n";
    EXPECT_EQ(DecodeText(plain), TTextEncoding::Ansi);
    EXPECT_EQ(plain, "h\xe4st\r\n") << "Windows-1252 stays as it is";

    // Every character Windows-1252 has, decoded from its UTF-8, gives its own byte.
    std::string all, want;
    for (int b = 1; b < 256; ++b) {
        all += Utf8(Win1252ToUnicode(static_cast<unsigned char>(b)));
        want += char(b);
    }
    EXPECT_EQ(DecodeText(all), TTextEncoding::Utf8);
    EXPECT_EQ(all, want);
}

TEST(TextEncoding, ACharacterWithoutAWindows1252ByteIsRefusedWithItsLine)
{
    const struct {
        std::string Text;
        int Line;
    } cases[] = {
        {"\xd0\x96", 1},                                       // Cyrillic Zhe
        {"h\xc3\xa4st\r\nk\xc3\xb6k\r\n\xd0\xbc\xd0\xb8\xd1\x80\r\n", 3},
        {"a\rb\nc\r\nd\n\r\xce\xb1", 6},                       // Greek alpha after every kind of break
        {"\xef\xbb\xbf" "ok\r\n\xe6\x97\xa5\r\n", 2},          // CJK after the mark
        {"\xc2\x80", 1},                                       // U+0080: the byte 0x80 is the euro sign
        {"x\xef\xbb\xbfy", 1},                                 // a mark that is not at the start
        {"\xf0\x9f\x98\x80", 1},                               // beyond the 16-bit range
    };
    for (const auto& c : cases) {
        std::string bytes = c.Text;
        try {
            DecodeText(bytes);
            ADD_FAILURE() << "accepted " << testing::PrintToString(c.Text);
        } catch (const EUnmappableText& e) {
            EXPECT_EQ(e.Line, c.Line) << testing::PrintToString(c.Text);
        }
        try {
            SplitThenDecode(c.Text, 3);
            ADD_FAILURE() << "accepted in lines " << testing::PrintToString(c.Text);
        } catch (const EUnmappableText& e) {
            EXPECT_EQ(e.Line, c.Line) << testing::PrintToString(c.Text);
        }
    }
    // The five bytes Windows-1252 leaves unassigned stand for the C1 controls of their value.
    std::string c1 = "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d";
    EXPECT_EQ(DecodeText(c1), TTextEncoding::Utf8);
    EXPECT_EQ(c1, "\x81\x8d\x8f\x90\x9d");
}

TEST(TextEncoding, LinesDecodedAfterSplittingEqualTheTextDecodedBeforeIt)
{
    const std::string texts[] = {
        "\xef\xbb\xbf",
        "\xef\xbb\xbf\r\n",
        "\xef\xbb\xbf\r\n\r\n",
        "\xef\xbb\xbf" "a",
        "\xef\xbb\xbf\xc3\xa4\r\n",
        "h\xc3\xa4st\r\nk\xc3\xb6k\rb\xc3\xa5t\n\rslut",
        "h\xe4st\r\n\xef\xbb\xbf",
        "\xef\xbb\xbf" "b\xe4st\r\n",
        std::string("\xc3\xa4\r\n\0\xff", 5),
        "ascii only\r\nlines\r\n",
    };
    for (const std::string& text : texts)
        for (size_t size : {size_t(1), size_t(2), size_t(5), text.size() + 1})
            EXPECT_EQ(SplitThenDecode(text, size), WholeThenSplit(text)) << testing::PrintToString(text) << " " << size;

    TTextEncoding e;
    EXPECT_EQ(SplitThenDecode("\xef\xbb\xbf", 2, &e), Lines{}) << "the mark alone is no line";
    EXPECT_EQ(e, TTextEncoding::Utf8Bom);
    EXPECT_EQ(SplitThenDecode("\xef\xbb\xbf\r\n", 2, &e), Lines{""}) << "the mark and a break: one empty line";
    EXPECT_EQ(SplitThenDecode("\xef\xbb\xbf" "b\xe4st", 2, &e), Lines{"\xef\xbb\xbf" "b\xe4st"})
        << "a mark before Windows-1252 stays part of the first line, as before";
    EXPECT_EQ(e, TTextEncoding::Ansi);

    // Random UTF-8 of Windows-1252 characters, with breaks and a stray mark at the start.
    std::mt19937 rng(16);
    for (int round = 0; round < 200; ++round) {
        std::string text = rng() % 2 ? "\xef\xbb\xbf" : "";
        const int n = int(rng() % 60);
        for (int i = 0; i < n; ++i) {
            const unsigned r = rng() % 10;
            if (r == 0) text += "\r\n";
            else if (r == 1) text += rng() % 2 ? "\r" : "\n";
            else text += Utf8(Win1252ToUnicode(static_cast<unsigned char>(1 + rng() % 255)));
        }
        EXPECT_EQ(SplitThenDecode(text, 1 + rng() % 7), WholeThenSplit(text)) << testing::PrintToString(text);
    }
}

TEST(TextEncoding, KeepBytesLeavesOnlyTheLinesThatCannotBeDecoded)
{
    const std::string text = "Glosor p\xc3\xa5 svenska\r\n\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9\r\n";
    TEncodingSniffer sniffer;
    sniffer.Feed(text);
    Lines lines = SplitLines(text);
    EXPECT_EQ(DecodeLines(lines, sniffer, TUnmappable::KeepBytes), TTextEncoding::Utf8);
    EXPECT_EQ(lines, (Lines{"Glosor p\xe5 svenska", "\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9"}));
}

TEST(TextEncoding, EncodesBackToTheBytesItWasReadFrom)
{
    EXPECT_EQ(EncodeText("h\xe4st\r\n", TTextEncoding::Ansi), "h\xe4st\r\n");
    EXPECT_EQ(EncodeText("\x80\x81\x9f\xa0\xff", TTextEncoding::Ansi), "\x80\x81\x9f\xa0\xff");
    EXPECT_EQ(EncodeText("h\xe4st\r\n", TTextEncoding::Utf8), "h\xc3\xa4st\r\n");
    EXPECT_EQ(EncodeText("h\xe4st\r\n", TTextEncoding::Utf8Bom), "\xef\xbb\xbfh\xc3\xa4st\r\n");
    EXPECT_EQ(EncodeText("", TTextEncoding::Utf8Bom), "\xef\xbb\xbf") << "the mark even on an empty text";
    EXPECT_EQ(EncodeText("abc", TTextEncoding::Utf8), "abc");
    EXPECT_EQ(EncodeText("\x80 \x93q\x94", TTextEncoding::Utf8), "\xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d");

    // Every byte, out and back in: the same text, in both UTF-8 encodings.
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    for (TTextEncoding e : {TTextEncoding::Utf8, TTextEncoding::Utf8Bom}) {
        std::string bytes = EncodeText(all, e);
        EXPECT_EQ(Sniff(bytes), e);
        EXPECT_EQ(DecodeText(bytes), e);
        EXPECT_EQ(bytes, all);
    }
}

TEST(TextEncoding, Windows1252ThatHappensToBeUtf8IsReadAsUtf8AndWrittenBackTheSame)
{
    // "Ã¤" in Windows-1252 is C3 A4, which is UTF-8 for "ä". The bytes decide: it reads as "ä",
    // and since it was read as UTF-8 it is written as UTF-8, so the file keeps its bytes.
    const std::string file = "\xc3\xa4\r\n";
    std::string text = file;
    const TTextEncoding e = DecodeText(text);
    EXPECT_EQ(e, TTextEncoding::Utf8);
    EXPECT_EQ(text, "\xe4\r\n");
    EXPECT_EQ(EncodeText(text, e), file);

    // The same two characters typed into a Windows-1252 list would be taken for "ä" if they
    // were written as they are: they are written as UTF-8, which reads back as themselves.
    for (const std::string typed : {"\xc3\xa4\r\n", "\xef\xbb\xbf" "abc\r\n", "\xef\xbb\xbf"}) {
        std::string bytes = EncodeText(typed, TTextEncoding::Ansi);
        EXPECT_NE(bytes, typed);
        DecodeText(bytes);
        EXPECT_EQ(bytes, typed);
    }
    // Every other Windows-1252 text is written as it is.
    for (const std::string typed : {"h\xe4st \xc3\xa4\r\n", "ascii\r\n", "", "\xef\xbb\xbf\xff"})
        EXPECT_EQ(EncodeText(typed, TTextEncoding::Ansi), typed);
}

namespace {
// A text decoded by TUtf8Decoder in pieces of `size`; false (with the text decoded so far) at a
// character without a byte.
bool DecodeInPieces(const std::string& text, size_t size, std::string& out, uint64_t skip = 0)
{
    TUtf8Decoder decoder;
    decoder.Skip(skip);
    std::string piece;
    out.clear();
    for (size_t at = 0; at < text.size(); at += size) {
        const TUtf8Decoder::TResult result = decoder.Decode(std::string_view(text).substr(at, size), piece);
        EXPECT_NE(result, TUtf8Decoder::NotUtf8) << testing::PrintToString(text);
        out += piece;
        if (result != TUtf8Decoder::Decoded) return false;
    }
    return decoder.Pending().empty();
}

// Whether the decoder, fed `text` in pieces of `size`, finds it UTF-8 throughout.
bool DecoderTakesForUtf8(const std::string& text, size_t size)
{
    TUtf8Decoder decoder;
    std::string out;
    for (size_t at = 0; at < text.size(); at += size)
        if (decoder.Decode(std::string_view(text).substr(at, size), out) == TUtf8Decoder::NotUtf8) return false;
    return decoder.Pending().empty();
}
} // namespace

TEST(TextEncoding, TheDecoderInPiecesGivesWhatTheWholeTextDecodesTo)
{
    std::mt19937 rng(1252);
    for (int round = 0; round < 300; ++round) {
        std::string text = rng() % 3 == 0 ? "\xef\xbb\xbf" : "";
        const int n = int(rng() % 80);
        for (int i = 0; i < n; ++i) {
            const unsigned r = rng() % 12;
            if (r < 4) text += char('a' + rng() % 26);
            else if (r == 4) text += "\r\n";
            else text += Utf8(Win1252ToUnicode(static_cast<unsigned char>(1 + rng() % 255)));
        }
        std::string whole = text;
        DecodeText(whole);
        for (size_t size : {size_t(1), size_t(2), size_t(3), size_t(9), size_t(1 + rng() % 40), text.size() + 1}) {
            std::string pieces;
            ASSERT_TRUE(DecodeInPieces(text, size, pieces)) << testing::PrintToString(text);
            EXPECT_EQ(pieces, whole) << testing::PrintToString(text) << " in pieces of " << size;
        }
    }
    // A NUL is passed on and ends the decoding; what follows it is no concern.
    std::string out;
    EXPECT_TRUE(DecodeInPieces(std::string("\xc3\xa4" "abcdefghij\0\xd0\x96", 14), 3, out));
    EXPECT_EQ(out, std::string("\xe4" "abcdefghij\0", 12));
}

TEST(TextEncoding, TheDecoderStopsAtACharacterWithoutAByteAndTakesTheMarkOnlyFirst)
{
    std::string out;
    for (size_t size : {size_t(1), size_t(2), size_t(4), size_t(100)}) {
        EXPECT_FALSE(DecodeInPieces("h\xc3\xa4st\r\nx\xd0\xbb\xd0\xbe", size, out)) << size;
        EXPECT_EQ(out, "h\xe4st\r\nx") << size;
        EXPECT_TRUE(DecodeInPieces("\xef\xbb\xbf\xc3\xa5", size, out)) << size;
        EXPECT_EQ(out, "\xe5") << "the mark dropped, in pieces of " << size;
        EXPECT_FALSE(DecodeInPieces("a\xef\xbb\xbf", size, out)) << "U+FEFF inside the text is a character";
        EXPECT_EQ(out, "a");
    }
    // Text that went by before the decoder started: U+FEFF is no longer first.
    EXPECT_FALSE(DecodeInPieces("\xef\xbb\xbf\xc3\xa5", 2, out, 10));
    EXPECT_EQ(out, "");
}

TEST(TextEncoding, TheDecoderChecksAsTheSnifferDoes)
{
    const std::string texts[] = {
        "h\xc3\xa4st \xe4", "\xc3\x41", "\xc0\x80", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
        "\xf5\x80\x80\x80", "\x80", "ok \xe2\x82", "\xc2\x80", "\xe0\xa0\x80", "\xed\x9f\xbf",
        "\xf0\x90\x80\x80", "\xf4\x8f\xbf\xbf", "abcdefgh\xc3\xa5ijklmnop\xe2\x82\xacq", "abcdefghijklmnop\xe2\x28\xa1",
        std::string("\xc3\xa4\0\xff", 4), std::string("\xc3\0", 2),
    };
    for (const std::string& text : texts) {
        TEncodingSniffer sniffer;
        sniffer.Feed(text);
        // Sniffed UTF-8 or plain ASCII: both decode; anything else does not.
        const bool utf8 = sniffer.MayBeUtf8() && sniffer.Encoding() != TTextEncoding::Ansi;
        for (size_t size : {size_t(1), size_t(2), size_t(3), text.size()})
            EXPECT_EQ(DecoderTakesForUtf8(text, size), utf8) << testing::PrintToString(text) << " in pieces of " << size;
    }
}
