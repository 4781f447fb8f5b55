#pragma once
// The data store: the Projects and Lists folders beside the executable, display names, and
// the two file kinds read and written as lines.
#include <string>
#include <vector>

enum class TFolderKind { Projects, Lists };

// The base folder, ending in "/": the services' one, or the executable's folder.
std::string BaseFolder();

// Display names (file names less ".rep"/".txt") in folder-search order: by file name,
// letter case ignored.
std::vector<std::string> GetDisplayNames(TFolderKind kind);
// Native paths rebuilt from a display name; a name with '/' or NUL, or with a leading '.',
// gives a path that names no file, so reading it fails as cannot open and creating it as
// cannot create.
std::string ProjectFilePath(const std::string& name);
std::string ListFilePath(const std::string& name);
// A file that is UTF-8 (see platform/TextEncoding.h) is decoded into the program's
// Windows-1252 text; any other is read byte for byte. Throws EFOpenError (platform/Files.h)
// when the file can't be opened for reading, and EUnmappableText when it is UTF-8 with a
// character Windows-1252 has no byte for.
std::vector<std::string> LoadLines(const std::string& path);
// A project file's lines, which are list names: decoded as LoadLines does, except that a line
// with a character Windows-1252 has no byte for keeps its bytes, as the name of a list file
// that is no Windows-1252 does, so it still leads to that file.
std::vector<std::string> LoadProjectLines(const std::string& path);
// The message for a list refused by EUnmappableText; `line` is 1-based.
std::string UnmappableListMessage(const std::string& name, int line);
// Windows-1252 (platform/TextEncoding.h EncodeText: text that would be taken for UTF-8 is
// written as UTF-8, so it reads back the same). Atomic; throws EFCreateError when the file can't be created; a failed write leaves the old
// file whole.
void SaveLines(const std::string& path, const std::vector<std::string>& lines);
