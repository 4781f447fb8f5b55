#include "FuzzChecks.h"

#include "editor/LineStore.h"
#include "platform/TextLines.h"

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

namespace {
std::string Describe(const std::vector<std::string>& lines)
{
    std::string out = std::to_string(lines.size()) + " lines:";
    for (size_t i = 0; i < lines.size() && i < 8; ++i) out += " [" + lines[i] + "]";
    return out;
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
    return {};
}
