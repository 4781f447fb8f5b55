#pragma once
// The data store: the Projects and Lists folders beside the executable, display names, and
// the two file kinds read and written as lines.
#include <string>
#include <vector>

enum class TFolderKind { Projects, Lists };

// The base folder, ending in "/": the executable's folder unless set (tests set their own).
std::string BaseFolder();
void SetBaseFolder(const std::string& folder);

// Display names (file names less ".rep"/".txt") in folder-search order: by file name,
// letter case ignored.
std::vector<std::string> GetDisplayNames(TFolderKind kind);
// Native paths rebuilt from a display name; a name with '/' or NUL, or with a leading '.',
// gives a path that names no file, so reading it fails as cannot open and creating it as
// cannot create.
std::string ProjectFilePath(const std::string& name);
std::string ListFilePath(const std::string& name);
// Throws EFOpenError (platform/Files.h) when the file can't be opened for reading.
std::vector<std::string> LoadLines(const std::string& path);
// Atomic; throws EFCreateError when the file can't be created; a failed write leaves the old
// file whole.
void SaveLines(const std::string& path, const std::vector<std::string>& lines);
