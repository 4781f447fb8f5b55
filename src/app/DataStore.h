#pragma once
// The data store: the Projects and Lists folders beside the executable, display names, and
// the two file kinds read and written as lines.
#include "platform/TextEncoding.h"

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
// The file's lines as the program's text, decoded from the encoding its bytes tell
// (platform/TextEncoding.h); `encoding` gets that encoding, to write them back in. Throws
// EFOpenError (platform/Files.h) when the file can't be opened for reading, and
// EUndecodableText when it is marked as UTF-16 but is none.
std::vector<std::string> LoadLines(const std::string& path, TTextEncoding* encoding = nullptr);
// The lines written in `encoding`, or in UTF-8 when it cannot hold them (EncodeText); returns
// the encoding written. Atomic; throws EFCreateError when the file can't be created; a failed
// write leaves the old file whole.
TTextEncoding SaveLines(const std::string& path, const std::vector<std::string>& lines,
                        TTextEncoding encoding = TTextEncoding::Ansi);

// The message for a file refused by EUndecodableText, naming it; the file is left as it is.
std::string UndecodableFileMessage(TFolderKind kind, const std::string& name);
