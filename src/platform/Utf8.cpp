#include "platform/Utf8.h"

#include <QStringDecoder>

#include <algorithm>

QString QStringFromUtf8(std::string_view text)
{
    // Qt takes a U+FEFF that begins the bytes for a byte-order mark and drops it; in the
    // program's text it is a character like any other (a line or a name may begin with one),
    // and dropping it would write a list back without it or lead a name to another file.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)
            .decode(QByteArrayView(text.data(), qsizetype(text.size())));
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string Utf8FromQString(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

void AppendUtf8(std::string& out, char32_t ch)
{
    if (ch < 0x80) {
        out += char(ch);
        return;
    }
    if (ch < 0x800) {
        out += char(0xC0 | ch >> 6);
    } else {
        if (ch < 0x10000) {
            out += char(0xE0 | ch >> 12);
        } else {
            out += char(0xF0 | ch >> 18);
            out += char(0x80 | (ch >> 12 & 0x3F));
        }
        out += char(0x80 | (ch >> 6 & 0x3F));
    }
    out += char(0x80 | (ch & 0x3F));
}

bool Utf8Lead(unsigned lead, int& length, unsigned& low, unsigned& high)
{
    low = 0x80;
    high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return false;
    }
    return true;
}

bool IsUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned low, high;
        if (!Utf8Lead(*p, length, low, high) || end - p < length) return false;
        if (p[1] < low || p[1] > high) return false;
        for (int i = 2; i < length; ++i)
            if ((p[i] & 0xC0) != 0x80) return false;
        p += length;
    }
    return true;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
    return QStringFromUtf8(a).toCaseFolded() == QStringFromUtf8(b).toCaseFolded();
}

namespace {
bool Ascii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}
} // namespace

bool SameAfterNfc(std::string_view a, std::string_view b)
{
    if (a == b) return true;
    // ASCII is its own NFC: two different ASCII texts stay different.
    if (Ascii(a) && Ascii(b)) return false;
    return QStringFromUtf8(a).normalized(QString::NormalizationForm_C) ==
           QStringFromUtf8(b).normalized(QString::NormalizationForm_C);
}
