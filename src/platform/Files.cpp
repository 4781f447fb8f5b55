#include "platform/Files.h"

#include "platform/Services.h"
#include "platform/Utf8.h"
#include "platform/Win1252.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string SystemErrorText(int err) { return std::strerror(err); }

bool EndsWithNoCase(const std::string& name, const std::string& ext)
{
    if (name.size() < ext.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return std::equal(ext.begin(), ext.end(), name.end() - std::ptrdiff_t(ext.size()),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() != '/') return folder + "/" + name;
    return folder + name;
}

// Directory entries of a folder in directory order, as raw names.
std::vector<std::string> RawEntries(const std::string& folder)
{
    std::vector<std::string> out;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return out;
    while (dirent* e = readdir(dir)) out.emplace_back(e->d_name);
    closedir(dir);
    return out;
}
} // namespace

std::string ExecutableFolder()
{
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string FileDisplayName(const std::string& nativeName)
{
    return IsUtf8(nativeName) ? nativeName : Win1252ToUtf8(nativeName);
}

namespace {
// Names in order without regard to letter case: folded (so "Σ", "σ" and "ς" are one),
// then upper-cased as NTFS compares, so "_" still follows the letters; compared by code point.
std::string NameOrderKey(const std::string& name)
{
    return Utf8FromQString(QStringFromUtf8(name).toCaseFolded().toUpper());
}
} // namespace

std::vector<std::string> FindFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::pair<std::string, std::string>> found; // key, name
    for (const std::string& raw : RawEntries(folder)) {
        if (raw.empty() || raw[0] == '.') continue;
        if (!EndsWithNoCase(raw, extension)) continue;
        struct stat st {};
        if (stat(JoinPath(folder, raw).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        std::string name = FileDisplayName(raw);
        found.emplace_back(NameOrderKey(name), std::move(name));
    }
    // Directory order on Linux file systems is hash order; the lists read as the user expects
    // them, by name, as an NTFS folder returns its files. Names that differ only in case keep
    // one fixed order all the same.
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    names.reserve(found.size());
    for (auto& f : found) names.push_back(std::move(f.second));
    return names;
}

std::string ResolveInFolder(const std::string& folder, const std::string& name)
{
    // "/" and NUL cannot be part of a file name; a leading "." makes a hidden file, which the
    // folder search would never list again. A backslash is an ordinary character here.
    if (name.empty() || name[0] == '.' || name.find_first_of(std::string("/\0", 2)) != std::string::npos) return {};
    std::string shownAs, caseMatch;
    for (const std::string& raw : RawEntries(folder)) {
        if (raw == name) return JoinPath(folder, raw);
        if (!shownAs.empty()) continue;
        const std::string shown = FileDisplayName(raw);
        if (shown == name) shownAs = raw;
        else if (caseMatch.empty() && SameTextIgnoringCase(shown, name)) caseMatch = raw;
    }
    if (!shownAs.empty()) return JoinPath(folder, shownAs);
    if (!caseMatch.empty()) return JoinPath(folder, caseMatch);
    return JoinPath(folder, name);
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DeleteFileAt(const std::string& path) { return !path.empty() && FileExists(path) && unlink(path.c_str()) == 0; }

namespace {
// A plain file open for reading, closed when the object goes.
class TReadFile {
public:
    explicit TReadFile(const std::string& path)
        : Path(path)
    {
        if (path.empty()) throw EFOpenError("Cannot open file. The file name is not valid.");
        Fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (Fd < 0) throw EFOpenError("Cannot open file \"" + path + "\". " + SystemErrorText(errno));
        struct stat st {};
        if (fstat(Fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            close(Fd);
            throw EFOpenError("Cannot open file \"" + path + "\". " + SystemErrorText(EISDIR));
        }
        Size = uint64_t(st.st_size);
    }
    ~TReadFile() { close(Fd); }
    TReadFile(const TReadFile&) = delete;
    TReadFile& operator=(const TReadFile&) = delete;

    uint64_t Size = 0; // when it was opened
    // Up to `max` bytes; 0 at the end of the file.
    size_t Read(char* into, size_t max)
    {
        while (true) {
            const ssize_t n = read(Fd, into, max);
            if (n >= 0) return size_t(n);
            if (errno != EINTR)
                throw EFOpenError("Cannot read file \"" + Path + "\". " + SystemErrorText(errno));
        }
    }

private:
    std::string Path;
    int Fd = -1;
};
} // namespace

std::string ReadWholeFile(const std::string& path)
{
    TReadFile file(path);
    // One byte more than the file holds: the read that finds the end needs no room of its
    // own, so a file that did not grow is read without a second allocation.
    std::string bytes(size_t(file.Size) + 1, '\0');
    size_t done = 0;
    while (true) {
        if (done == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2);
        const size_t n = file.Read(bytes.data() + done, bytes.size() - done);
        if (n == 0) break;
        done += n;
    }
    bytes.resize(done);
    return bytes;
}

void ReadFilePieces(const std::string& path, const std::function<bool(std::string_view, uint64_t)>& sink)
{
    TReadFile file(path);
    // A buffer that stays in the processor's cache, instead of the whole file in fresh memory.
    constexpr size_t PieceBytes = 256 * 1024;
    const std::unique_ptr<char[]> buffer(new char[PieceBytes]);
    while (const size_t n = file.Read(buffer.get(), PieceBytes))
        if (!sink(std::string_view(buffer.get(), n), file.Size)) break;
}

namespace {
// The file a path finally names, following symbolic links (also one that points to a file
// not yet there). Relative links count from the folder of the link.
std::string FollowLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::string link(4096, '\0');
        const ssize_t n = readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return path; // no link (or nothing there): this is the file
        link.resize(size_t(n));
        const size_t slash = path.rfind('/');
        if (link[0] != '/' && slash != std::string::npos) link = path.substr(0, slash + 1) + link;
        path = link;
    }
    errno = ELOOP;
    return {};
}

mode_t CreationMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}
} // namespace

// This is what QSaveFile does, written out because QSaveFile cannot name a file whose name is
// not UTF-8 (Qt decodes file names as UTF-8 and drops the other bytes), and because it adds
// the owner's write bit whenever the user may write the file, which for root is always.
void WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    auto fail = [&](int err) {
        throw EFCreateError("Cannot create file \"" + path + "\". " + SystemErrorText(err));
    };
    if (path.empty()) fail(EINVAL);
    // A link stays a link: the file it points to is the one replaced, beside itself.
    const std::string target = FollowLinks(path);
    if (target.empty()) fail(errno);
    if (DirectoryExists(target)) fail(EISDIR);
    struct stat old {};
    const bool existed = stat(target.c_str(), &old) == 0;
    // Replacing by rename needs only the folder's permission; a file the user may not write
    // is refused as writing into it would be.
    if (existed && access(target.c_str(), W_OK) != 0) fail(errno);
    const size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash);
    // A hidden name of the application's, so a file left by a crash shows whose it is.
    const std::string app = QCoreApplication::applicationName().toLower().toStdString();
    std::string tmpl = JoinPath(dir, "." + app + "-XXXXXX");
    const int fd = mkstemp(tmpl.data());
    if (fd < 0) fail(errno);
    // The replacement keeps the file's permissions and, where allowed, its owner.
    if (existed && (old.st_uid != geteuid() || old.st_gid != getegid())) (void)!fchown(fd, old.st_uid, old.st_gid);
    fchmod(fd, existed ? (old.st_mode & 07777) : CreationMode());
    size_t limit = bytes.size();
    const auto& fault = Services().WriteFault;
    const long long failAfter = fault ? fault(bytes.size()) : -1;
    const bool injected = failAfter >= 0 && size_t(failAfter) < bytes.size();
    if (injected) limit = size_t(failAfter);
    size_t done = 0;
    int err = 0;
    while (done < limit) {
        const ssize_t n = write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        done += size_t(n);
    }
    if (!err && injected) err = ENOSPC;
    if (!err && fsync(fd) != 0) err = errno;
    if (close(fd) != 0 && !err) err = errno;
    if (!err && rename(tmpl.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        unlink(tmpl.c_str());
        fail(err);
    }
}
