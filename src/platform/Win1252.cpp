#include "platform/Win1252.h"

#include "platform/ByteWords.h"
#include "platform/Utf8.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {
// 0x80..0x9F; 0 marks the bytes with no character of their own.
const char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

char32_t Win1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] != 0) return kHigh[byte - 0x80];
    return byte;
}

std::optional<char> UnicodeToWin1252(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return char(ch);
    if (ch >= 0x80 && ch < 0xA0) {
        if (kHigh[ch - 0x80] == 0) return char(ch);
        return std::nullopt;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == ch) return char(0x80 + i);
    return std::nullopt;
}

namespace {
// The UTF-8 of each byte: its length, then up to three bytes.
struct TUtf8Of {
    unsigned char Length;
    char Bytes[3];
};
const std::array<TUtf8Of, 256> Utf8Of = [] {
    std::array<TUtf8Of, 256> table{};
    for (int b = 0; b < 0x100; ++b) {
        std::string u;
        AppendUtf8(u, Win1252ToUnicode(static_cast<unsigned char>(b)));
        TUtf8Of& t = table[size_t(b)];
        t.Length = static_cast<unsigned char>(u.size());
        std::copy(u.begin(), u.end(), t.Bytes);
    }
    return table;
}();

// The bytes at `p` as UTF-8 at `o`, which moves past them; three bytes are written for each,
// of which only its length count.
void Convert(const unsigned char* p, int count, char*& o)
{
    for (int k = 0; k < count; ++k) {
        const TUtf8Of& u = Utf8Of[p[k]];
        std::memcpy(o, u.Bytes, 3);
        o += u.Length;
    }
}

// The length of `bytes` as UTF-8: a long text is given just the room it needs, not three
// bytes a byte to fill with zeros first.
size_t Utf8Length(std::string_view bytes)
{
    size_t n = 0;
    for (const char c : bytes) n += Utf8Of[static_cast<unsigned char>(c)].Length;
    return n;
}
} // namespace

size_t Win1252ToUtf8(std::string_view bytes, char* out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    char* o = out;
    while (end - p >= 8) {
        // Eight bytes copied at once: those of ASCII land where they belong, up to the first
        // byte beyond it, which is looked up; the bytes after it are written again.
        const uint64_t w = ByteWord(p);
        std::memcpy(o, &w, 8);
        const uint64_t high = w & ByteHighs;
        const int ascii = high ? __builtin_ctzll(high) >> 3 : 8;
        p += ascii;
        o += ascii;
        if (high) Convert(p++, 1, o);
    }
    Convert(p, int(end - p), o);
    return size_t(o - out);
}

std::string Win1252ToUtf8(std::string_view bytes)
{
    // Two bytes to spare, as Convert writes three for the last.
    std::string out(Utf8Length(bytes) + 2, '\0');
    out.resize(Win1252ToUtf8(bytes, out.data()));
    return out;
}

bool Utf8ToWin1252(std::string_view utf8, std::string& out, size_t* bad)
{
    // A character never takes more bytes in Windows-1252 than in UTF-8.
    out.resize(utf8.size());
    const auto* const begin = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* p = begin;
    const auto* const end = p + utf8.size();
    char* o = out.data();
    while (p < end) {
        while (end - p >= 8) {
            const uint64_t w = ByteWord(p);
            if (w & ByteHighs) break;
            std::memcpy(o, &w, 8);
            p += 8;
            o += 8;
        }
        if (p == end) break;
        const unsigned b = *p;
        if (b < 0x80) {
            *o++ = char(b);
            ++p;
            continue;
        }
        // A lead byte of the valid text: its bits say the sequence's length.
        const int length = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t ch = b & (0x7F >> length);
        for (int i = 1; i < length && p + i < end; ++i) ch = ch << 6 | (p[i] & 0x3F);
        const std::optional<char> byte = UnicodeToWin1252(ch);
        if (!byte) {
            if (bad) *bad = size_t(p - begin);
            return false;
        }
        *o++ = *byte;
        p += std::min<std::ptrdiff_t>(length, end - p);
    }
    out.resize(size_t(o - out.data()));
    return true;
}

QString QStringFromWin1252(std::string_view bytes)
{
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) out.append(QChar(char16_t(Win1252ToUnicode(b))));
    return out;
}

bool Win1252FromQString(const QString& text, std::string& out)
{
    out.clear();
    out.reserve(size_t(text.size()));
    for (char32_t ch : text.toUcs4()) {
        const auto b = UnicodeToWin1252(ch);
        if (!b) return false;
        out.push_back(*b);
    }
    return true;
}

char AnsiLowerChar(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return char(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return char(b + 32);
    if (b == 0x8A || b == 0x8C || b == 0x8E) return char(b + 16);
    if (b == 0x9F) return char(0xFF);
    return c;
}

char AnsiUpperChar(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return char(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return char(b - 32);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return char(b - 16);
    if (b == 0xFF) return char(0x9F);
    return c;
}

std::string AnsiLowerCase(std::string s)
{
    for (char& c : s) c = AnsiLowerChar(c);
    return s;
}

std::string AnsiUpperCase(std::string s)
{
    for (char& c : s) c = AnsiUpperChar(c);
    return s;
}

bool AnsiSameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AnsiLowerChar(a[i]) != AnsiLowerChar(b[i])) return false;
    return true;
}
