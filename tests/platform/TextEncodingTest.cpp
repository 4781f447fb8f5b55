// Telling UTF-16, UTF-8 and Windows-1252 apart by the bytes, decoding into the program's text
// (UTF-8) and encoding it back, without a window.
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"
#include "platform/TextReader.h"
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

// Lines split from a decoded text, and as the store takes them: decoded and split as the
// pieces come.
Lines WholeThenSplit(std::string bytes)
{
    DecodeText(bytes);
    return SplitLines(bytes);
}
Lines SplitThenDecode(const std::string& bytes, size_t pieceSize, TTextEncoding* encoding = nullptr)
{
    TTextReader reader;
    for (size_t at = 0; at < bytes.size(); at += pieceSize)
        if (!reader.Feed(std::string_view(bytes).substr(at, pieceSize))) break;
    TTextEncoding e;
    Lines lines = reader.TakeLines(e);
    if (encoding) *encoding = e;
    return lines;
}
std::string Encoded(std::string_view text, TTextEncoding encoding) { return EncodeText(text, encoding).Bytes; }
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
    EXPECT_EQ(text, "h\xc3\xa4st\r\nx");
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

TEST(TextEncoding, DecodesIntoUtf8AndDropsTheMark)
{
    std::string text = "\xef\xbb\xbf" "h\xc3\xa4st\r\n\xc3\x85sa \xe2\x82\xac 5\r\n\xc5\x93uvre \xe2\x80\x9cq\xe2\x80\x9d\r\n";
    EXPECT_EQ(DecodeText(text), TTextEncoding::Utf8Bom);
    EXPECT_EQ(text, "h\xc3\xa4st\r\n\xc3\x85sa \xe2\x82\xac 5\r\n\xc5\x93uvre \xe2\x80\x9cq\xe2\x80\x9d\r\n");

    std::string plain = "h\xe4st\r\n";
    EXPECT_EQ(DecodeText(plain), TTextEncoding::Ansi);
    EXPECT_EQ(plain, "h\xc3\xa4st\r\n") << "Windows-1252 made UTF-8";

    // Every character Windows-1252 has, from its byte and from its UTF-8: the same text.
    std::string all, bytes;
    for (int b = 1; b < 256; ++b) {
        all += Utf8(Win1252ToUnicode(static_cast<unsigned char>(b)));
        bytes += char(b);
    }
    const std::string want = all;
    EXPECT_EQ(DecodeText(all), TTextEncoding::Utf8);
    EXPECT_EQ(all, want);
    EXPECT_EQ(DecodeText(bytes), TTextEncoding::Ansi);
    EXPECT_EQ(bytes, want);
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
    EXPECT_EQ(SplitThenDecode("\xef\xbb\xbf" "b\xe4st", 2, &e), Lines{"\xc3\xaf\xc2\xbb\xc2\xbf" "b\xc3\xa4st"})
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

TEST(TextEncoding, ACharacterWindows1252HasNoByteForIsReadAsItself)
{
    const std::string text = "Glosor p\xc3\xa5 svenska\r\n\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9\r\n";
    TTextEncoding e;
    EXPECT_EQ(SplitThenDecode(text, 3, &e), (Lines{"Glosor p\xc3\xa5 svenska", "\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9"}));
    EXPECT_EQ(e, TTextEncoding::Utf8);
}

TEST(TextEncoding, EncodesBackToTheBytesItWasReadFrom)
{
    EXPECT_EQ(Encoded("h\xc3\xa4st\r\n", TTextEncoding::Ansi), "h\xe4st\r\n");
    EXPECT_EQ(Encoded("\xe2\x82\xac\xc2\x81\xc5\xb8\xc2\xa0\xc3\xbf", TTextEncoding::Ansi), "\x80\x81\x9f\xa0\xff");
    EXPECT_EQ(Encoded("h\xc3\xa4st\r\n", TTextEncoding::Utf8), "h\xc3\xa4st\r\n");
    EXPECT_EQ(Encoded("h\xc3\xa4st\r\n", TTextEncoding::Utf8Bom), "\xef\xbb\xbfh\xc3\xa4st\r\n");
    EXPECT_EQ(Encoded("", TTextEncoding::Utf8Bom), "\xef\xbb\xbf") << "the mark even on an empty text";
    EXPECT_EQ(Encoded("abc", TTextEncoding::Utf8), "abc");
    EXPECT_EQ(Encoded("\xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d", TTextEncoding::Utf8), "\xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d");

    // Every Windows-1252 character, out and back in: the same text, in every encoding.
    std::string all;
    for (int b = 1; b < 256; ++b) all += Utf8(Win1252ToUnicode(static_cast<unsigned char>(b)));
    for (TTextEncoding e : {TTextEncoding::Utf8, TTextEncoding::Utf8Bom, TTextEncoding::Utf16Le, TTextEncoding::Utf16Be}) {
        std::string bytes = Encoded(all, e);
        EXPECT_EQ(TellEncoding(bytes), e);
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
    EXPECT_EQ(text, "\xc3\xa4\r\n");
    EXPECT_EQ(Encoded(text, e), file);

    // The same two characters typed into a Windows-1252 list would be taken for "ä" if they
    // were written as they are: they are written as UTF-8, which reads back as themselves.
    for (const std::string typed : {"\xc3\x83\xc2\xa4\r\n", "\xc3\xaf\xc2\xbb\xc2\xbf" "abc\r\n", "\xc3\xaf\xc2\xbb\xc2\xbf"}) {
        const TEncodedText out = EncodeText(typed, TTextEncoding::Ansi);
        EXPECT_EQ(out.Encoding, TTextEncoding::Utf8);
        std::string bytes = out.Bytes;
        DecodeText(bytes);
        EXPECT_EQ(bytes, typed);
    }
    // Every other Windows-1252 text is written as it is.
    for (const auto& [typed, bytes] : {std::pair<std::string, std::string>{"h\xc3\xa4st \xc3\x83\xc2\xa4\r\n", "h\xe4st \xc3\xa4\r\n"},
                                       {"ascii\r\n", "ascii\r\n"}, {"", ""}, {"\xc3\xaf\xc2\xbb\xc2\xbf\xc3\xbf", "\xef\xbb\xbf\xff"}})
        EXPECT_EQ(Encoded(typed, TTextEncoding::Ansi), bytes);
}

namespace {
// The same bytes with each 16-bit unit's two bytes swapped: big-endian from little-endian.
std::string Swapped(std::string s)
{
    for (size_t i = 0; i + 1 < s.size(); i += 2) std::swap(s[i], s[i + 1]);
    return s;
}
} // namespace

TEST(TextEncoding, Utf16IsToldByItsMarkReadInPiecesAndWrittenBackByteForByte)
{
    // "hä😀" (a surrogate pair), CR LF, U+FEFF (a character inside the text), "ы", CR LF.
    const std::string le = std::string("\xff\xfe" "h\0\xe4\0\x3d\xd8\x00\xde\r\0\n\0\xff\xfe\x4b\x04\r\0\n\0", 22);
    const Lines want = {"h\xc3\xa4\xf0\x9f\x98\x80", "\xef\xbb\xbf\xd1\x8b"};
    for (const auto& [bytes, encoding] : {std::pair{le, TTextEncoding::Utf16Le}, {Swapped(le), TTextEncoding::Utf16Be}}) {
        for (size_t size : {size_t(1), size_t(2), size_t(3), bytes.size()}) {
            TTextEncoding e;
            EXPECT_EQ(SplitThenDecode(bytes, size, &e), want) << size;
            EXPECT_EQ(e, encoding);
        }
        EXPECT_EQ(WholeThenSplit(bytes), want);
        EXPECT_EQ(Encoded(JoinLines(want), encoding), bytes);
    }
    // A NUL ends the text; what follows it, an odd byte too, is not looked at.
    EXPECT_EQ(SplitThenDecode(std::string("\xff\xfeh\0\0\0\xff", 7), 2), Lines{"h"});
}

TEST(TextEncoding, TextMarkedAsUtf16ThatIsNoneIsRefused)
{
    const std::string cases[] = {
        std::string("\xff\xfeh\0i", 5),                // a byte left over
        std::string("\xff\xfe\x3d\xd8" "A\0", 6),      // a high surrogate without its low one
        std::string("\xff\xfe\x00\xde", 4),            // a low surrogate alone
        std::string("\xff\xfe\x3d\xd8", 4),            // half a pair at the end
        std::string("\xff\xfe\0\0h\0\0\0", 8),         // the UTF-32 mark
        std::string("\xfe\xff\xd8\x3d\0A", 6),         // big-endian, a high surrogate alone
    };
    for (const std::string& bytes : cases) {
        for (size_t size : {size_t(1), size_t(3), bytes.size()}) EXPECT_THROW(SplitThenDecode(bytes, size), EUndecodableText);
        std::string whole = bytes;
        EXPECT_THROW(DecodeText(whole), EUndecodableText) << testing::PrintToString(bytes);
    }
}
