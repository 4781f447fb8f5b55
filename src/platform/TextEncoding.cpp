#include "platform/TextEncoding.h"

#include "platform/Win1252.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint64_t HighBits = 0x8080808080808080ull;
const char Bom[3] = {'\xEF', '\xBB', '\xBF'};

uint64_t Word(const unsigned char* p)
{
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Offset of the first byte of `s` at or after `from` that is not ASCII; s.size() if none.
size_t FirstHighByte(const std::string& s, size_t from = 0)
{
    const auto* d = reinterpret_cast<const unsigned char*>(s.data());
    const size_t n = s.size();
    size_t i = from;
    while (n - i >= 8 && !(Word(d + i) & HighBits)) i += 8;
    while (i < n && d[i] < 0x80) ++i;
    return i;
}

// Turns the valid UTF-8 of `s` from `from` on into Windows-1252 bytes, in place (a character
// never takes more bytes in Windows-1252 than in UTF-8). Returns std::string::npos when done;
// else the offset, in the text decoded so far, of a character that has no byte: s[0 .. that
// offset) is then decoded text and the rest is left half-done.
size_t Utf8ToAnsiInPlace(std::string& s, size_t from)
{
    auto* d = reinterpret_cast<unsigned char*>(s.data());
    const size_t n = s.size();
    size_t i = from; // read
    size_t o = from; // write
    while (i < n) {
        // ASCII runs move eight bytes at a time.
        while (n - i >= 8) {
            const uint64_t w = Word(d + i);
            if (w & HighBits) break;
            std::memcpy(d + o, &w, 8);
            i += 8;
            o += 8;
        }
        if (i == n) break;
        const unsigned b = d[i];
        if (b < 0x80) {
            d[o++] = static_cast<unsigned char>(b);
            ++i;
            continue;
        }
        char32_t ch;
        if (b < 0xE0) {
            ch = char32_t((b & 0x1F) << 6 | (d[i + 1] & 0x3F));
            i += 2;
        } else if (b < 0xF0) {
            ch = char32_t((b & 0x0F) << 12 | (d[i + 1] & 0x3F) << 6 | (d[i + 2] & 0x3F));
            i += 3;
        } else {
            ch = char32_t((b & 0x07) << 18 | (d[i + 1] & 0x3F) << 12 | (d[i + 2] & 0x3F) << 6 | (d[i + 3] & 0x3F));
            i += 4;
        }
        if (ch >= 0xA0 && ch <= 0xFF) { // Latin-1 letters, the common case: the same byte
            d[o++] = static_cast<unsigned char>(ch);
            continue;
        }
        const std::optional<char> mapped = UnicodeToWin1252(ch);
        if (!mapped) return o;
        d[o++] = static_cast<unsigned char>(*mapped);
    }
    s.resize(o);
    return std::string::npos;
}

// The character of one whole, valid sequence.
char32_t SequenceValue(const unsigned char* p, int length)
{
    switch (length) {
    case 2: return char32_t((p[0] & 0x1F) << 6 | (p[1] & 0x3F));
    case 3: return char32_t((p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
    default: return char32_t((p[0] & 0x07) << 18 | (p[1] & 0x3F) << 12 | (p[2] & 0x3F) << 6 | (p[3] & 0x3F));
    }
}

// The length of the sequence `b` begins and the range of its first continuation byte; false for
// a byte that begins no sequence. No overlong forms, no surrogates, nothing beyond U+10FFFF.
bool Utf8Lead(unsigned b, int& length, unsigned& low, unsigned& high)
{
    low = 0x80;
    high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return false;
    }
    return true;
}

// 0-based line of offset `at` in `text`, by the line rules (CR LF one break, lone CR or LF one).
int LineOf(std::string_view text, size_t at)
{
    int line = 0;
    for (size_t i = 0; i < at; ++i) {
        if (text[i] == '\n') ++line;
        else if (text[i] == '\r') {
            ++line;
            if (i + 1 < at && text[i + 1] == '\n') ++i;
        }
    }
    return line;
}
} // namespace

EUnmappableText::EUnmappableText(int line)
    : EFileError("Line " + std::to_string(line) + " holds a character that Windows-1252 cannot hold.")
    , Line(line)
{
}

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
        // ASCII eight bytes at a time, and straight to the first byte beyond it.
        while (end - p >= 8) {
            const uint64_t high = Word(p) & HighBits;
            if (high) {
                p += __builtin_ctzll(high) >> 3;
                break;
            }
            p += 8;
        }
        if (p == end) break;
        const unsigned b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        FMultiByte = true;
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
    if (FLength >= 3 && std::memcmp(FHead, Bom, 3) == 0) return TTextEncoding::Utf8Bom;
    return FMultiByte ? TTextEncoding::Utf8 : TTextEncoding::Ansi;
}

TUtf8Decoder::TResult TUtf8Decoder::Decode(std::string_view piece, std::string& out)
{
    out.clear();
    if (FEnded || piece.empty()) return Decoded;
    // Every character takes fewer bytes in Windows-1252 than in UTF-8, and a character carried
    // over takes at least one byte of this piece: the piece's size is room enough.
    out.resize(piece.size());
    auto* const begin = reinterpret_cast<unsigned char*>(out.data());
    unsigned char* o = begin;
    const auto* const start = reinterpret_cast<const unsigned char*>(piece.data());
    const unsigned char* p = start;
    const unsigned char* const end = p + piece.size();
    const uint64_t offset = FOffset;
    FOffset += piece.size();
    const bool refusedBefore = FRefused;
    size_t refusedAt = 0; // the output's length at the first character without a byte
    auto done = [&](TResult result) {
        if (result == NotUtf8) return result;
        if (FRefused) {
            out.resize(refusedBefore ? 0 : refusedAt);
            return refusedBefore ? Decoded : Unmappable;
        }
        out.resize(size_t(o - begin));
        return Decoded;
    };
    // One character. U+FEFF first in the text is the byte-order mark, not a character of it.
    auto put = [&](char32_t ch, uint64_t at) {
        FChanged = true;
        if (ch >= 0xA0 && ch <= 0xFF) {
            *o++ = static_cast<unsigned char>(ch);
            return;
        }
        if (ch == 0xFEFF && at == 0) return;
        const std::optional<char> mapped = UnicodeToWin1252(ch);
        if (mapped) {
            *o++ = static_cast<unsigned char>(*mapped);
        } else if (!FRefused) {
            FRefused = true;
            refusedAt = size_t(o - begin);
        }
    };
    if (FCarryLength > 0) {
        int length;
        unsigned low, high;
        Utf8Lead(FCarry[0], length, low, high); // checked when it was carried
        while (FCarryLength < length && p < end) {
            const unsigned c = *p++;
            if (FCarryLength == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80) return done(NotUtf8);
            FCarry[FCarryLength++] = static_cast<unsigned char>(c);
        }
        if (FCarryLength < length) return done(Decoded);
        FCarryLength = 0;
        put(SequenceValue(FCarry, length), offset - uint64_t(length) + uint64_t(p - start));
    }
    while (p < end) {
        // ASCII eight bytes at a time, up to the first byte beyond it or a NUL. The whole word
        // may be stored: `out` has room for it, and what lies past the ASCII is written over.
        while (end - p >= 8) {
            const uint64_t w = Word(p);
            const uint64_t stop = (w & HighBits) | ((w - 0x0101010101010101ull) & ~w & HighBits);
            std::memcpy(o, &w, 8);
            if (stop) {
                const int ascii = __builtin_ctzll(stop) >> 3;
                o += ascii;
                p += ascii;
                break;
            }
            o += 8;
            p += 8;
        }
        if (p == end) break;
        const unsigned b = *p;
        if (b < 0x80) {
            *o++ = static_cast<unsigned char>(b);
            ++p;
            if (b == 0) {
                FEnded = true;
                break;
            }
            continue;
        }
        // Two bytes, U+0080 to U+07FF, the Latin-1 letters among them: the common case.
        if (b >= 0xC2 && b <= 0xDF && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
            put(char32_t((b & 0x1F) << 6 | (p[1] & 0x3F)), offset + uint64_t(p - start));
            p += 2;
            continue;
        }
        int length;
        unsigned low, high;
        if (!Utf8Lead(b, length, low, high)) return done(NotUtf8);
        const int available = int(std::min<ptrdiff_t>(end - p, length));
        if (available > 1 && (p[1] < low || p[1] > high)) return done(NotUtf8);
        for (int i = 2; i < available; ++i)
            if ((p[i] & 0xC0) != 0x80) return done(NotUtf8);
        if (available < length) { // the piece ends inside the character
            while (p < end) FCarry[FCarryLength++] = *p++;
            break;
        }
        put(SequenceValue(p, length), offset + uint64_t(p - start));
        p += length;
    }
    return done(Decoded);
}

TTextEncoding DecodeText(std::string& bytes)
{
    const size_t nul = bytes.find('\0');
    if (nul != std::string::npos) bytes.resize(nul);
    TEncodingSniffer sniffer;
    sniffer.Feed(bytes);
    const TTextEncoding encoding = sniffer.Encoding();
    if (encoding == TTextEncoding::Ansi) return encoding;
    if (encoding == TTextEncoding::Utf8Bom) bytes.erase(0, 3);
    const size_t bad = Utf8ToAnsiInPlace(bytes, FirstHighByte(bytes));
    if (bad != std::string::npos) throw EUnmappableText(LineOf(bytes, bad) + 1);
    return encoding;
}

TTextEncoding DecodeLines(std::vector<std::string>& lines, const TEncodingSniffer& sniffer, TUnmappable unmappable)
{
    const TTextEncoding encoding = sniffer.Encoding();
    if (encoding == TTextEncoding::Ansi) return encoding;
    if (encoding == TTextEncoding::Utf8Bom) {
        // The mark holds no line break, so it is the start of the first line; a text of the
        // mark alone has no line at all.
        if (sniffer.Length() == 3) lines.clear();
        else lines.front().erase(0, 3);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string& line = lines[i];
        const size_t first = FirstHighByte(line);
        if (first == line.size()) continue;
        if (unmappable == TUnmappable::KeepBytes) {
            std::string decoded = line;
            if (Utf8ToAnsiInPlace(decoded, first) == std::string::npos) line = std::move(decoded);
        } else if (Utf8ToAnsiInPlace(line, first) != std::string::npos) {
            throw EUnmappableText(int(i) + 1);
        }
    }
    return encoding;
}

std::string EncodeText(std::string ansi, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Ansi) {
        // Nearly always the text itself. Only a text whose bytes beyond ASCII all happen to
        // form UTF-8 (or that begins with the bytes of the mark) would read back as other
        // characters; its UTF-8 reads back as itself.
        TEncodingSniffer sniffer;
        sniffer.Feed(ansi);
        if (sniffer.Encoding() == TTextEncoding::Ansi) return ansi;
        encoding = TTextEncoding::Utf8;
    }
    const size_t first = FirstHighByte(ansi);
    if (first == ansi.size() && encoding == TTextEncoding::Utf8) return ansi;
    size_t extra = encoding == TTextEncoding::Utf8Bom ? 3 : 0;
    for (size_t i = first; i < ansi.size(); ++i)
        if (static_cast<unsigned char>(ansi[i]) >= 0x80) extra += Win1252ToUnicode(static_cast<unsigned char>(ansi[i])) < 0x800 ? 1 : 2;
    std::string out;
    out.reserve(ansi.size() + extra);
    if (encoding == TTextEncoding::Utf8Bom) out.append(Bom, 3);
    out.append(ansi, 0, first);
    for (size_t i = first; i < ansi.size(); ++i) {
        const auto b = static_cast<unsigned char>(ansi[i]);
        if (b < 0x80) {
            out.push_back(char(b));
            continue;
        }
        const char32_t ch = Win1252ToUnicode(b);
        if (ch < 0x800) {
            out.push_back(char(0xC0 | ch >> 6));
        } else {
            out.push_back(char(0xE0 | ch >> 12));
            out.push_back(char(0x80 | (ch >> 6 & 0x3F)));
        }
        out.push_back(char(0x80 | (ch & 0x3F)));
    }
    return out;
}
