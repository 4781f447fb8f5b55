#include "platform/TextEncoding.h"

#include "platform/Win1252.h"

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
    int need = FNeed;
    unsigned low = FLow, high = FHigh;
    while (p < end) {
        if (need > 0) {
            const unsigned b = *p++;
            if (b < low || b > high) {
                FInvalid = true;
                return;
            }
            low = 0x80;
            high = 0xBF;
            --need;
            continue;
        }
        while (end - p >= 8 && !(Word(p) & HighBits)) p += 8;
        if (p == end) break;
        const unsigned b = *p++;
        if (b < 0x80) continue;
        FMultiByte = true;
        // The lead byte fixes the length, and for E0, ED, F0 and F4 the range of the next byte:
        // no overlong forms, no surrogates, nothing beyond U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) {
            need = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            FInvalid = true;
            return;
        }
    }
    FNeed = need;
    FLow = low;
    FHigh = high;
}

TTextEncoding TEncodingSniffer::Encoding() const
{
    if (FInvalid || FNeed != 0) return TTextEncoding::Ansi;
    if (FLength >= 3 && std::memcmp(FHead, Bom, 3) == 0) return TTextEncoding::Utf8Bom;
    return FMultiByte ? TTextEncoding::Utf8 : TTextEncoding::Ansi;
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
