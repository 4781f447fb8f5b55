#pragma once
// Files and folders. Paths are native byte strings (what open() takes). Names shown to the
// user are Windows-1252; FileNameToAnsi/AnsiToFileName translate between the two, and
// ResolveInFolder finds the entry an 8-bit name stands for even when letter case differs.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The folder of the running executable, ending in "/".
std::string ExecutableFolder();

// The 8-bit name of a directory entry: its UTF-8 decoded when it is valid UTF-8 and every
// character has a Windows-1252 byte; otherwise the raw bytes, taken as they are.
std::string FileNameToAnsi(const std::string& nativeName);
// The native name for an 8-bit name: UTF-8 of its characters.
std::string AnsiToFileName(const std::string& ansiName);

// Plain, non-hidden files of `folder` whose names end in `extension` (letter case ignored),
// as 8-bit names sorted by name without regard to letter case (the upper-cased bytes
// compared). A missing folder lists nothing.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& extension);

// The native path of the entry of `folder` named `ansiName`: the exact entry when there is
// one, else the one whose name differs only in letter case, else the name as it would be
// created. A name holding '/' or NUL, or beginning with '.', names no entry the folder search
// would list: the result is an empty string.
std::string ResolveInFolder(const std::string& folder, const std::string& ansiName);

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
