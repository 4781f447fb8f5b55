#include "app/DataStore.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
const char* FolderName(TFolderKind kind) { return kind == TFolderKind::Projects ? "Projects" : "Lists"; }
const char* Extension(TFolderKind kind) { return kind == TFolderKind::Projects ? ".rep" : ".txt"; }

std::string FolderPath(TFolderKind kind) { return BaseFolder() + FolderName(kind) + "/"; }

// The file for a display name. A name the folder cannot hold ("/" or NUL in it) or would
// hide (a leading ".") gives "", which every file call treats as a file that can't be
// opened or created.
std::string FilePath(TFolderKind kind, const std::string& name)
{
    return ResolveInFolder(FolderPath(kind), name + Extension(kind));
}
} // namespace

std::string BaseFolder()
{
    std::string folder = Services().BaseFolder;
    if (folder.empty()) return ExecutableFolder();
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::vector<std::string> GetDisplayNames(TFolderKind kind)
{
    const std::string ext = Extension(kind);
    std::vector<std::string> names = FindFiles(FolderPath(kind), ext);
    // FindFiles only returns names ending in the extension (any letter case).
    for (std::string& n : names) n.resize(n.size() - ext.size());
    return names;
}

std::string ProjectFilePath(const std::string& name) { return FilePath(TFolderKind::Projects, name); }

std::string ListFilePath(const std::string& name) { return FilePath(TFolderKind::Lists, name); }

namespace {
// Lines split from the bytes as they are read and decoded afterwards, when the text is UTF-8.
std::vector<std::string> ReadLines(const std::string& path, TUnmappable unmappable)
{
    // Split as it is read: the file never sits whole in memory beside its lines. Whether it
    // is UTF-8 is known only at its end, so the lines are split from its bytes (UTF-8 puts no
    // CR, LF or NUL inside a character) and decoded afterwards when it is.
    TLineSplitter splitter;
    TEncodingSniffer sniffer;
    bool first = true;
    ReadFilePieces(path, [&](std::string_view piece, uint64_t fileSize) {
        sniffer.Feed(piece);
        const bool more = splitter.Feed(piece);
        if (first && splitter.Count() > 0) {
            // Room for the whole file's lines at the first piece's line length (a tenth more),
            // so the list is not copied as it grows; never more than a line per 8 bytes.
            const double estimate = double(fileSize) / double(piece.size()) * double(splitter.Count()) * 1.1;
            splitter.Reserve(size_t(std::min(estimate, double(fileSize / 8))) + 16);
            first = false;
        }
        return more;
    });
    std::vector<std::string> lines = splitter.TakeLines();
    // A first piece of short lines before long ones reserved far too much: give it back.
    if (lines.capacity() > 2 * lines.size() + 1024) lines.shrink_to_fit();
    DecodeLines(lines, sniffer, unmappable);
    return lines;
}

// Offset of the first byte of `piece` that is beyond ASCII or a NUL; its size if none.
size_t AsciiRun(std::string_view piece)
{
    const auto* const d = reinterpret_cast<const unsigned char*>(piece.data());
    const size_t n = piece.size();
    size_t i = 0;
    for (; n - i >= 8; i += 8) {
        uint64_t w;
        std::memcpy(&w, d + i, 8);
        const uint64_t stop = (w & 0x8080808080808080ull) | ((w - 0x0101010101010101ull) & ~w & 0x8080808080808080ull);
        if (stop) return i + size_t(__builtin_ctzll(stop) >> 3);
    }
    while (i < n && d[i] != 0 && d[i] < 0x80) ++i;
    return i;
}

// Lines decoded as they are read: a text that is UTF-8 so far is checked and decoded before it
// is split, in one pass, so its lines are made once, from bytes still in the cache. A text
// that turns out not to be UTF-8 at its first byte beyond ASCII goes on as it is; one that
// turns out so only after some of it was decoded (a bad byte far in) is read again as it is.
std::vector<std::string> ReadLinesDecoding(const std::string& path)
{
    TLineSplitter splitter;
    TUtf8Decoder decoder;
    std::string decoded;
    enum { Ascii, Decoding, Raw } mode = Ascii; // what the text has been so far
    bool misread = false;                        // decoded, and then found not to be UTF-8
    int refusedLine = 0;                         // the line of a character without a byte
    bool first = true;
    uint64_t before = 0;                         // bytes of the pieces before this one
    ReadFilePieces(path, [&](std::string_view piece, uint64_t fileSize) {
        const uint64_t at = before;
        before += piece.size();
        if (refusedLine) { // only the verdict is left: UTF-8 throughout, or not
            if (decoder.Decode(piece, decoded) != TUtf8Decoder::NotUtf8) return true;
            misread = true;
            return false;
        }
        std::string_view text = piece;
        const std::string pending(decoder.Pending()); // bytes of a character the last piece cut off
        if (mode == Ascii) {
            const size_t ascii = AsciiRun(piece);
            if (ascii < piece.size() && piece[ascii] != '\0') {
                // The first byte beyond ASCII: from here on the piece is decoded.
                if (!splitter.Feed(piece.substr(0, ascii))) return false;
                mode = Decoding;
                decoder.Skip(at + ascii);
                piece.remove_prefix(ascii);
            } else if (ascii < piece.size()) {
                mode = Raw; // a NUL ends a text of ASCII
            }
        }
        bool refused = false;
        if (mode == Decoding) {
            switch (decoder.Decode(piece, decoded)) {
            case TUtf8Decoder::Decoded: text = decoded; break;
            case TUtf8Decoder::Unmappable: text = decoded; refused = true; break;
            case TUtf8Decoder::NotUtf8:
                if (decoder.Changed()) {
                    misread = true;
                    return false;
                }
                // Nothing was decoded into other bytes yet: the piece goes on as it is.
                mode = Raw;
                if (!pending.empty() && !splitter.Feed(pending)) return false;
                text = piece;
                break;
            }
        }
        const bool more = splitter.Feed(text);
        if (refused) {
            // The character lies in the line no break has ended yet.
            refusedLine = int(splitter.Count()) + 1;
            return more;
        }
        if (first && splitter.Count() > 0) {
            // Room for the whole file's lines at the first piece's line length (a tenth more),
            // so the list is not copied as it grows; never more than a line per 8 bytes.
            const double estimate = double(fileSize) / double(before - at) * double(splitter.Count()) * 1.1;
            splitter.Reserve(size_t(std::min(estimate, double(fileSize / 8))) + 16);
            first = false;
        }
        return more;
    });
    // A character cut off by the end of the text makes it no UTF-8 either.
    if (mode == Decoding && !decoder.Pending().empty()) {
        if (decoder.Changed()) misread = true;
        else splitter.Feed(decoder.Pending());
    }
    if (misread) return ReadLines(path, TUnmappable::Refuse);
    if (refusedLine) throw EUnmappableText(refusedLine);
    std::vector<std::string> lines = splitter.TakeLines();
    // A first piece of short lines before long ones reserved far too much: give it back.
    if (lines.capacity() > 2 * lines.size() + 1024) lines.shrink_to_fit();
    return lines;
}
} // namespace

std::vector<std::string> LoadLines(const std::string& path) { return ReadLinesDecoding(path); }

// Decoded after splitting, where a line that cannot be decoded is kept as it is.
std::vector<std::string> LoadProjectLines(const std::string& path)
{
    return ReadLines(path, TUnmappable::KeepBytes);
}

std::string UnmappableListMessage(const std::string& name, int line)
{
    // One line in the message box, so kept short enough for a small screen.
    return "The list \"" + name + "\" holds characters this program cannot show, such as Cyrillic, Greek or "
           "Chinese (line " + std::to_string(line) + "). It was left unchanged.";
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines)
{
    // Windows-1252, as ever; EncodeText only steps in for names that would read back as
    // other characters.
    WriteFileAtomic(path, EncodeText(JoinLines(lines), TTextEncoding::Ansi));
}
