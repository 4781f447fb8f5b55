#include "FuzzChecks.h"

#include "editor/model/LineStore.h"
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"
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

TReferenceText ReferenceDecode(std::string_view bytes, bool keepUnmappable)
{
    std::string_view text = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
    TReferenceText out;
    out.Lines = ReferenceSplit(text);
    if (!ReferenceTakenForUtf8(text)) return out;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    out.Lines = ReferenceSplit(text);
    for (size_t i = 0; i < out.Lines.size(); ++i) {
        std::string& line = out.Lines[i];
        std::string mapped;
        if (FromQStringExact(QtUtf8(line), mapped)) {
            line = mapped;
        } else if (!keepUnmappable) {
            out.Unmappable = int(i) + 1;
            out.Lines.clear();
            break;
        }
    }
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
    const TReferenceText expected = ReferenceDecode(bytes, false);
    // The editor's way: the whole text decoded, then split.
    std::string whole(bytes);
    int refused = 0;
    TTextEncoding encoding = TTextEncoding::Ansi;
    try {
        encoding = DecodeText(whole);
    } catch (const EUnmappableText& e) {
        refused = e.Line;
    }
    if (refused != expected.Unmappable)
        return "the whole text was refused at line " + std::to_string(refused) + ", expected " + std::to_string(expected.Unmappable);
    if (!refused && SplitLines(whole) != expected.Lines)
        return "the whole text decoded to " + Describe(SplitLines(whole)) + ", expected " + Describe(expected.Lines);
    // LoadLines's way: split as the pieces come, decoded afterwards.
    TLineSplitter splitter;
    TEncodingSniffer sniffer;
    for (size_t at = 0; at < bytes.size(); at += 7) {
        sniffer.Feed(bytes.substr(at, 7));
        if (!splitter.Feed(bytes.substr(at, 7))) break;
    }
    std::vector<std::string> lines = splitter.TakeLines();
    refused = 0;
    try {
        if (DecodeLines(lines, sniffer) != encoding) return "the pieces were told another encoding than the whole";
    } catch (const EUnmappableText& e) {
        refused = e.Line;
    }
    if (refused != expected.Unmappable) return "the pieces were refused at line " + std::to_string(refused);
    if (refused) return {};
    if (lines != expected.Lines) return "the pieces decoded to " + Describe(lines) + ", expected " + Describe(expected.Lines);
    // Decoded as the pieces come, before they are split, when the text is UTF-8.
    if (encoding != TTextEncoding::Ansi) {
        TUtf8Decoder decoder;
        std::string decoded, piece;
        for (size_t at = 0; at < bytes.size(); at += 5) {
            if (decoder.Decode(bytes.substr(at, 5), piece) != TUtf8Decoder::Decoded)
                return "the decoder refused a text that decodes";
            decoded += piece;
        }
        if (SplitLines(decoded) != expected.Lines)
            return "decoded in pieces to " + Describe(SplitLines(decoded)) + ", expected " + Describe(expected.Lines);
    }
    // Written back in the encoding they were read in, and read again: the same lines; in
    // Windows-1252 exactly the bytes of the text read, when that was Windows-1252.
    std::string written = EncodeText(JoinLines(lines), encoding);
    if (encoding == TTextEncoding::Ansi && written != JoinLines(ReferenceSplit(bytes)))
        return "a Windows-1252 text was written back with other bytes";
    DecodeText(written);
    if (SplitLines(written) != lines) return "the lines written back read differently";
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
    if (store.TextLength() != int64_t(text.size())) return "the editor's text length differs from its text";
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
