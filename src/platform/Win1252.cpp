#include "platform/Win1252.h"

#include <QList>

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

QString ToQString(const std::string& ansi)
{
    QString out;
    out.reserve(int(ansi.size()));
    for (unsigned char b : ansi) out.append(QChar(char16_t(Win1252ToUnicode(b))));
    return out;
}

bool FromQStringExact(const QString& text, std::string& out)
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

std::string FromQStringLossy(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    for (char32_t ch : text.toUcs4()) out.push_back(UnicodeToWin1252(ch).value_or('?'));
    return out;
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
