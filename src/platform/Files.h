#pragma once
// Files and folders. Paths are native byte strings (what open() takes). Names shown to the
// user are the program's text (UTF-8); FileDisplayName tells the one a directory entry is shown
// by, and ResolveInFolder finds the entry a shown name stands for, even when letter case
// differs or the entry's name is no UTF-8.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The folder of the running executable, ending in "/".
std::string ExecutableFolder();

// The name a directory entry is shown by: the name itself where it is UTF-8 (the Linux norm),
// else its bytes read as Windows-1252, as a Windows program named it.
std::string FileDisplayName(const std::string& nativeName);

// Plain, non-hidden files of `folder` whose names end in `extension` (an ASCII extension,
// letter case ignored), as display names sorted without regard to letter case (case-folded
// and upper-cased, so the order of ASCII names is the NTFS one). A missing folder lists
// nothing.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& extension);

// The native path of the entry of `folder` whose display name is `name`: an entry of exactly
// that name first, else one shown by it, else one whose name differs only in letter case
// (Unicode case folding), else the name as it would be created, in UTF-8. A name holding '/' or
// NUL, or beginning with '.', names no entry the folder search would list: the result is an
// empty string.
std::string ResolveInFolder(const std::string& folder, const std::string& name);

bool FileExists(const std::string& path);      // a plain file
bool DirectoryExists(const std::string& path);
bool DeleteFileAt(const std::string& path);    // false when it could not be removed

class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EFOpenError : public EFileError {
public:
    using EFileError::EFileError;
};
class EFCreateError : public EFileError {
public:
    using EFileError::EFileError;
};

// Whole-file read; throws EFOpenError (with the system's error text) when the path is no
// readable plain file.
std::string ReadWholeFile(const std::string& path);
// The same, a piece at a time: `sink` gets each piece read (a view valid during the call) and
// the file's size when it was opened, and returns false to stop reading.
void ReadFilePieces(const std::string& path, const std::function<bool(std::string_view, uint64_t)>& sink);
// Writes through a temporary file beside the target and renames it over the target, so a
// write that fails part-way leaves the old file whole. A symbolic link stays a link and the
// file it points to is replaced; the file keeps its permissions; a file the user may not
// write is refused. Throws EFCreateError with the system's error text on failure. The
// services' write-fault hook can make it fail part-way, as a full disk would.
void WriteFileAtomic(const std::string& path, const std::string& bytes);
