#include "platform/TextEncoding.h"

#include "platform/ByteWords.h"
#include "platform/Utf8.h"
#include "platform/Win1252.h"

#include <cstring>

namespace {
const char Utf8Mark[3] = {'\xEF', '\xBB', '\xBF'};

bool BeginsWithUtf8Mark(std::string_view text) { return text.size() >= 3 && std::memcmp(text.data(), Utf8Mark, 3) == 0; }

// Whether the eight bytes of `w` (the first at the lowest address) go on a text of ASCII and
// whole two-byte characters (leads C2-DF: Cyrillic, Greek, accented Latin ...). `carry` is
// 0x80 when the byte before them is such a lead, whose continuation byte is their first; it is
// set to that for the byte after them. No lead of a longer character, nor C0 or C1 (an overlong
// ASCII character), passes: such bytes are looked at one by one.
bool AsciiAndTwoByteCharacters(uint64_t w, uint64_t& carry)
{
    const uint64_t lead = w & (w << 1) & ByteHighs, cont = w & ~(w << 1) & ByteHighs;
    // Every continuation byte led, every lead but the last followed by one; no lead of a
    // longer character (its third bit set) nor C0 or C1.
    const uint64_t aboveC1 = ((w & ~ByteHighs) + 0x3E3E3E3E3E3E3E3Eull) & ByteHighs;
    if (cont != ((lead << 8) | carry) || (lead & ((w << 2) | ~aboveC1)) != 0) return false;
    carry = lead >> 56;
    return true;
}

void AppendUtf16(std::string& out, char16_t unit, bool bigEndian)
{
    out += char(bigEndian ? unit >> 8 : unit & 0xFF);
    out += char(bigEndian ? unit & 0xFF : unit >> 8);
}
} // namespace

EUndecodableText::EUndecodableText() : EFileError("The file is marked as UTF-16 text but is not UTF-16.") {}

void TEncodingSniffer::Feed(std::string_view piece)
{
    if (FInvalid || FEnded) return;
    if (const void* nul = piece.empty() ? nullptr : std::memchr(piece.data(), '\0', piece.size())) {
        piece = piece.substr(0, size_t(static_cast<const char*>(nul) - piece.data()));
        FEnded = true;
    }
    for (size_t i = 0; FLength + i < 3 && i < piece.size(); ++i) FHead[FLength + i] = static_cast<unsigned char>(piece[i]);
    FLength += piece.size();

    const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
    const auto* const end = p + piece.size();
    // The continuation bytes a sequence cut off by the end of a piece still needs, as far as
    // this piece goes, the first within the range its lead byte allows; false when one is not.
    auto takeCarried = [&] {
        while (FNeed > 0 && p < end) {
            const unsigned c = *p++;
            if (c < FLow || c > FHigh) {
                FInvalid = true;
                return false;
            }
            FLow = 0x80;
            FHigh = 0xBF;
            --FNeed;
        }
        return true;
    };
    if (!takeCarried()) return;
    while (p < end) {
        // ASCII and two-byte characters eight bytes at a time: the bulk of a list in a
        // European script. Each step is eight bytes whatever they hold, so that the next
        // word is read without waiting for this one to be looked at.
        uint64_t carry = 0, seen = 0;
        for (; end - p >= 8 && AsciiAndTwoByteCharacters(ByteWord(p), carry); p += 8) seen |= ByteWord(p);
        FMultiByte |= (seen & ByteHighs) != 0;
        if (carry) --p; // a lead left for the steps below, with its continuation byte
        if (p == end) break;
        const unsigned b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        FMultiByte = true;
        // Runs of two-byte characters (Cyrillic, Greek, accented Latin ...), two bytes a step:
        // in such a text nearly every other byte is one.
        if (b >= 0xC2 && b <= 0xDF && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
            p += 2;
            while (end - p >= 2 && p[0] >= 0xC2 && p[0] <= 0xDF && (p[1] & 0xC0) == 0x80) p += 2;
            continue;
        }
        int length;
        unsigned low, high;
        if (!Utf8Lead(b, length, low, high)) {
            FInvalid = true;
            return;
        }
        const int need = length - 1;
        ++p;
        if (end - p < need) { // the piece ends inside the sequence
            FNeed = need;
            FLow = low;
            FHigh = high;
            takeCarried();
            return;
        }
        if (p[0] < low || p[0] > high) {
            FInvalid = true;
            return;
        }
        for (int i = 1; i < need; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                FInvalid = true;
                return;
            }
        }
        p += need;
    }
}

TTextEncoding TEncodingSniffer::Encoding() const
{
    if (FInvalid || FNeed != 0) return TTextEncoding::Ansi;
    if (FLength >= 3 && std::memcmp(FHead, Utf8Mark, 3) == 0) return TTextEncoding::Utf8Bom;
    return FMultiByte ? TTextEncoding::Utf8 : TTextEncoding::Ansi;
}

TTextEncoding Utf16Mark(std::string_view head)
{
    if (head.size() < 2) return TTextEncoding::Ansi;
    const auto b0 = static_cast<unsigned char>(head[0]), b1 = static_cast<unsigned char>(head[1]);
    if (b0 == 0xFF && b1 == 0xFE) return TTextEncoding::Utf16Le;
    if (b0 == 0xFE && b1 == 0xFF) return TTextEncoding::Utf16Be;
    return TTextEncoding::Ansi;
}

bool TUtf16Decoder::Decode(std::string_view piece, std::string& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
    const auto* const end = p + piece.size();
    out.reserve(out.size() + piece.size() * 3 / 2 + 4);
    while (!FEnded) {
        unsigned char b0, b1;
        if (FCarryLength == 1) {
            if (p == end) break;
            b0 = FCarry;
            b1 = *p++;
            FCarryLength = 0;
        } else {
            if (end - p < 2) {
                if (p < end) {
                    FCarry = *p;
                    FCarryLength = 1;
                }
                break;
            }
            b0 = p[0];
            b1 = p[1];
            p += 2;
        }
        const char16_t unit = FBigEndian ? char16_t(b0 << 8 | b1) : char16_t(b1 << 8 | b0);
        const bool first = FUnits == 0, afterMark = FUnits == 1;
        ++FUnits;
        if (FHighSurrogate) {
            if (unit < 0xDC00 || unit > 0xDFFF) throw EUndecodableText();
            AppendUtf8(out, 0x10000 + (char32_t(FHighSurrogate - 0xD800) << 10) + char32_t(unit - 0xDC00));
            FHighSurrogate = 0;
        } else if (unit >= 0xD800 && unit <= 0xDBFF) {
            FHighSurrogate = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            throw EUndecodableText();
        } else if (unit == 0) {
            // Right after the mark, a NUL is the rest of the UTF-32 mark FF FE 00 00: that
            // text would read as no text at all, and saving it would empty the file.
            if (afterMark) throw EUndecodableText();
            FEnded = true;
        } else if (!(first && unit == 0xFEFF)) {
            AppendUtf8(out, unit);
        }
    }
    return !FEnded;
}

void TUtf16Decoder::Finish() const
{
    if (!FEnded && (FCarryLength != 0 || FHighSurrogate != 0)) throw EUndecodableText();
}

TTextEncoding TellEncoding(std::string_view bytes)
{
    const TTextEncoding marked = Utf16Mark(bytes);
    if (marked != TTextEncoding::Ansi) return marked;
    TEncodingSniffer sniffer;
    sniffer.Feed(bytes);
    return sniffer.Encoding();
}

TTextEncoding DecodeText(std::string& bytes) { return DecodeText(bytes, TellEncoding(bytes)); }

TTextEncoding DecodeText(std::string& bytes, TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: {
        TUtf16Decoder decoder(encoding);
        std::string text;
        // The mark is the first unit: it is dropped by the decoder.
        decoder.Decode(bytes, text);
        decoder.Finish();
        bytes = std::move(text);
        break;
    }
    case TTextEncoding::Ansi:
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        bytes = Win1252ToUtf8(bytes);
        break;
    case TTextEncoding::Utf8Bom:
        bytes.erase(0, 3);
        [[fallthrough]];
    case TTextEncoding::Utf8: bytes.resize(std::min(bytes.size(), bytes.find('\0'))); break;
    }
    return encoding;
}

TEncodedText EncodeText(std::string_view text, TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::Ansi: {
        TEncodedText out{{}, TTextEncoding::Ansi};
        if (Utf8ToWin1252(text, out.Bytes) && TellEncoding(out.Bytes) == TTextEncoding::Ansi) return out;
        // Windows-1252 cannot hold the text, or would read back as other characters.
        return EncodeText(text, TTextEncoding::Utf8);
    }
    case TTextEncoding::Utf8:
        // A text that begins with U+FEFF would lose it as the mark when read again: the mark
        // goes before it.
        if (!BeginsWithUtf8Mark(text)) return {std::string(text), TTextEncoding::Utf8};
        [[fallthrough]];
    case TTextEncoding::Utf8Bom: return {std::string(Utf8Mark, 3) + std::string(text), TTextEncoding::Utf8Bom};
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: {
        const bool bigEndian = encoding == TTextEncoding::Utf16Be;
        TEncodedText out{{}, encoding};
        out.Bytes.reserve(text.size() * 2 + 2);
        AppendUtf16(out.Bytes, 0xFEFF, bigEndian);
        const QString units = QStringFromUtf8(text);
        for (const QChar c : units) AppendUtf16(out.Bytes, c.unicode(), bigEndian);
        return out;
    }
    }
    return {std::string(text), encoding};
}
