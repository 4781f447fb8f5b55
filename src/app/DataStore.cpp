#include "app/DataStore.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"

#include <algorithm>

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
} // namespace

std::vector<std::string> LoadLines(const std::string& path) { return ReadLines(path, TUnmappable::Refuse); }

std::vector<std::string> LoadProjectLines(const std::string& path) { return ReadLines(path, TUnmappable::KeepBytes); }

std::string UnmappableListMessage(const std::string& name, int line)
{
    return "The list \"" + name + "\" holds characters that this program cannot show, such as "
           "Cyrillic, Greek or Chinese letters (line " + std::to_string(line) + "). The list was not "
           "opened and is left as it is.";
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines)
{
    // Windows-1252, as ever; EncodeText only steps in for names that would read back as
    // other characters.
    WriteFileAtomic(path, EncodeText(JoinLines(lines), TTextEncoding::Ansi));
}
