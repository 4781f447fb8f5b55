#include "editor/model/InnerText.h"

#include "platform/Utf8.h"
#include "platform/Win1252.h"

#include <QList>

#include <algorithm>

EUnmappableText::EUnmappableText(int line)
    : EFileError("Line " + std::to_string(line) + " holds a character that Windows-1252 cannot hold.")
    , Line(line)
{
}

std::string InnerTextFromFile(std::string bytes, TTextEncoding& encoding)
{
    encoding = TellEncoding(bytes);
    if (encoding == TTextEncoding::Ansi) {
        // The bytes are the editor's text already.
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        return bytes;
    }
    DecodeText(bytes);
    std::string text;
    size_t bad = 0;
    if (Utf8ToWin1252(bytes, text, &bad)) return text;
    // Lines end at CR LF, a lone CR or a lone LF: the line is one more than the breaks before.
    const std::string_view before(bytes.data(), bad);
    int line = 1;
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] == '\n' || (before[i] == '\r' && (i + 1 == before.size() || before[i + 1] != '\n'))) ++line;
    }
    throw EUnmappableText(line);
}

TEncodedText FileBytesFromInnerText(std::string_view text, TTextEncoding encoding)
{
    return EncodeText(Win1252ToUtf8(text), encoding);
}

std::string InnerTextFromUtf8(std::string_view text)
{
    std::string out;
    if (Utf8ToWin1252(text, out)) return out;
    out.clear();
    const QString all = QStringFromUtf8(text);
    for (const char32_t ch : all.toUcs4()) {
        if (const std::optional<char> byte = UnicodeToWin1252(ch)) out += *byte;
        else out += "&#" + std::to_string(uint32_t(ch)) + ";";
    }
    return out;
}

std::string Utf8FromInnerText(std::string_view text) { return Win1252ToUtf8(text); }
