#include "FuzzChecks.h"

#include "editor/model/LineLayout.h"
#include "editor/model/LineStore.h"
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"
#include "platform/TextReader.h"
#include "platform/Win1252.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <algorithm>

namespace {
// Qt's own UTF-8 decoding of `bytes`, a mark at their start decoded as U+FEFF like any other
// character (QString::fromUtf8 drops it, which would make a line of a mark alone look empty).
// Null where the bytes are not UTF-8, a sequence cut off at their end included (a decoder
// that keeps state would wait for the rest of it instead).
QString QtUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return decoder.hasError() ? QString() : text;
}
} // namespace

std::vector<std::string> ReferenceSplit(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string current;
    bool open = false; // bytes (or nothing yet) of a line that no break has ended
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\0') break;
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            continue;
        }
        current += c;
        open = true;
    }
    if (open) lines.push_back(current);
    return lines;
}

bool ReferenceTakenForUtf8(std::string_view bytes)
{
    std::string_view text = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
    const bool marked = text.substr(0, 3) == "\xEF\xBB\xBF";
    if (marked) text.remove_prefix(3);
    if (!text.empty() && QtUtf8(text).isNull()) return false;
    return marked || std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

bool ReferenceTakenForUtf16(std::string_view bytes)
{
    return bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF";
}

TReferenceText ReferenceDecode(std::string_view bytes)
{
    TReferenceText out;
    QString text;
    if (ReferenceTakenForUtf16(bytes)) {
        // Qt's decoder takes the units as they come; the checks for what UTF-16 forbids are
        // QString's own.
        QStringDecoder decoder(bytes[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
        const std::string_view units = bytes.substr(2, (bytes.size() - 2) / 2 * 2);
        text = decoder.decode(QByteArrayView(units.data(), qsizetype(units.size())));
        const qsizetype nul = text.indexOf(QChar(0));
        out.Refused = nul == 0 || (nul < 0 && bytes.size() % 2 != 0);
        if (nul >= 0) text.truncate(nul);
        out.Refused = out.Refused || !text.isValidUtf16();
        if (out.Refused) return out;
    } else if (ReferenceTakenForUtf8(bytes)) {
        std::string_view utf8 = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
        if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
        text = QtUtf8(utf8);
    } else {
        const std::string_view ansi = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
        text = QStringDecoder("windows-1252").decode(QByteArrayView(ansi.data(), qsizetype(ansi.size())));
    }
    const QByteArray utf8 = text.toUtf8();
    out.Lines = ReferenceSplit(std::string_view(utf8.constData(), size_t(utf8.size())));
    return out;
}

namespace {
std::string Describe(const std::vector<std::string>& lines)
{
    std::string out = std::to_string(lines.size()) + " lines:";
    for (size_t i = 0; i < lines.size() && i < 8; ++i) out += " [" + lines[i] + "]";
    return out;
}

std::string CheckDecoding(std::string_view bytes)
{
    const TReferenceText expected = ReferenceDecode(bytes);
    // The whole text decoded, then split.
    std::string whole(bytes);
    TTextEncoding encoding = TTextEncoding::Ansi;
    bool refused = false;
    try {
        encoding = DecodeText(whole);
    } catch (const EUndecodableText&) {
        refused = true;
    }
    if (refused != expected.Refused) return refused ? "the whole text was refused" : "the whole text was not refused";
    if (!refused && SplitLines(whole) != expected.Lines)
        return "the whole text decoded to " + Describe(SplitLines(whole)) + ", expected " + Describe(expected.Lines);
    // LoadLines's way: decoded and split as the pieces come.
    TTextReader reader;
    std::vector<std::string> lines;
    TTextEncoding told = TTextEncoding::Ansi;
    refused = false;
    try {
        for (size_t at = 0; at < bytes.size(); at += 7)
            if (!reader.Feed(bytes.substr(at, 7))) break;
        lines = reader.TakeLines(told);
    } catch (const EUndecodableText&) {
        refused = true;
    }
    if (refused != expected.Refused) return refused ? "the pieces were refused" : "the pieces were not refused";
    if (refused) return {};
    if (told != encoding) return "the pieces were told another encoding than the whole";
    // The editor's way with Windows-1252: each line decoded as the text is split.
    if (encoding == TTextEncoding::Ansi) {
        TLineStore store;
        store.SetText(bytes, Win1252ToUtf8);
        if (store.ToVector() != (expected.Lines.empty() ? std::vector<std::string>{""} : expected.Lines))
            return "the editor decoded Windows-1252 to " + Describe(store.ToVector());
    }
    if (lines != expected.Lines) return "the pieces decoded to " + Describe(lines) + ", expected " + Describe(expected.Lines);
    // Written back in the encoding they were read in, and read again: the same lines; in
    // Windows-1252 and UTF-16 exactly the bytes of the text read, its lines ended by CR LF.
    const TEncodedText written = EncodeText(JoinLines(lines), encoding);
    if (written.Encoding != encoding && encoding != TTextEncoding::Utf8)
        return "a text read as it was could not be written back in its own encoding";
    if (encoding == TTextEncoding::Ansi && written.Bytes != JoinLines(ReferenceSplit(bytes)))
        return "a Windows-1252 text was written back with other bytes";
    std::string again = written.Bytes;
    if (DecodeText(again) != written.Encoding) return "the text written back is told another encoding";
    if (SplitLines(again) != lines) return "the lines written back read differently";
    return {};
}
} // namespace

std::string CheckLineReading(std::string_view bytes)
{
    const std::vector<std::string> expected = ReferenceSplit(bytes);
    const std::vector<std::string> split = SplitLines(bytes);
    if (split != expected) return "SplitLines gave " + Describe(split) + ", expected " + Describe(expected);
    const std::string joined = JoinLines(expected);
    if (SplitLines(joined) != expected) return "joined lines read back differently";

    // The editor always holds at least one line.
    const std::vector<std::string> editorLines = expected.empty() ? std::vector<std::string>{""} : expected;
    TLineStore store;
    store.SetText(bytes);
    const std::vector<std::string> loaded = store.ToVector();
    if (loaded != editorLines) return "the editor loaded " + Describe(loaded) + ", expected " + Describe(editorLines);
    if (store.Count() != int(editorLines.size())) return "the editor's line count differs from its lines";
    const std::string text = store.Text();
    if (text != JoinLines(editorLines)) return "the editor's text is not its lines joined with CR LF";
    int widest = 0;
    for (const std::string& line : editorLines) widest = std::max(widest, CellCount(line));
    if (store.MaxLineLength() != widest) return "the editor's widest line is not the widest";
    // A column is a code point: every byte but a UTF-8 continuation byte begins one.
    if (store.TextLength() != std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }))
        return "the editor's text length differs from its text";
    // Finding an offset walks its chunk, so every line of a long text would make each input
    // cost the square of its length; the lines where chunks meet and both ends are enough.
    const auto worthChecking = [&](int i) {
        const int inChunk = i % TLineStore::ChunkLines;
        return i < 4 || i >= store.Count() - 4 || inChunk < 2 || inChunk >= TLineStore::ChunkLines - 2;
    };
    int64_t offset = 0;
    for (int i = 0; i < store.Count(); ++i) {
        const int64_t end = offset + store.Length(i) + 1; // the LF of its break
        if (worthChecking(i)) {
            if (store.OffsetOf(i) != offset) return "offset of line " + std::to_string(i) + " is wrong";
            for (const int64_t at : {offset, end}) {
                int64_t start = -1;
                if (store.LineAtOffset(at, start) != i || start != offset)
                    return "offset " + std::to_string(at) + " is not found in line " + std::to_string(i);
            }
        }
        offset = end + 1;
    }
    if (store.OffsetOf(store.Count()) != offset) return "offset past the last line is wrong";
    int64_t start = 0;
    if (store.LineAtOffset(offset, start) != -1 || store.LineAtOffset(-1, start) != -1)
        return "an offset outside the text is found in a line";
    return CheckDecoding(bytes);
}
