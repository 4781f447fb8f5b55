#include "app/DataStore.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/TextLines.h"
#include "platform/TextReader.h"

#include <algorithm>
#include <cstdint>

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

std::vector<std::string> LoadLines(const std::string& path, TTextEncoding* encoding)
{
    // Decoded and split as it is read: the file never sits whole in memory beside its lines.
    TTextReader reader;
    bool first = true;
    ReadFilePieces(path, [&](std::string_view piece, uint64_t fileSize) {
        const bool more = reader.Feed(piece);
        if (first && reader.Count() > 0) {
            // Room for the whole file's lines at the first piece's line length (a tenth more),
            // so the list is not copied as it grows; never more than a line per 8 bytes.
            const double estimate = double(fileSize) / double(piece.size()) * double(reader.Count()) * 1.1;
            reader.Reserve(size_t(std::min(estimate, double(fileSize / 8))) + 16);
            first = false;
        }
        return more;
    });
    TTextEncoding told;
    std::vector<std::string> lines = reader.TakeLines(told);
    // A first piece of short lines before long ones reserved far too much: give it back.
    if (lines.capacity() > 2 * lines.size() + 1024) lines.shrink_to_fit();
    if (encoding) *encoding = told;
    return lines;
}

TTextEncoding SaveLines(const std::string& path, const std::vector<std::string>& lines, TTextEncoding encoding)
{
    const TEncodedText out = EncodeText(JoinLines(lines), encoding);
    WriteFileAtomic(path, out.Bytes);
    return out.Encoding;
}

std::string UndecodableFileMessage(TFolderKind kind, const std::string& name)
{
    return std::string(kind == TFolderKind::Projects ? "The project \"" : "The list \"") + name +
           "\" cannot be read: it is marked as UTF-16 text but is not UTF-16. It was left unchanged.";
}
