#pragma once
// The colour dialog's saved colours, CustomColors.dat beside the executable: one item per
// line in Windows-1252, every line ended by CR LF, nothing else (no items: an empty file).
// Reading splits at CR, LF or CR LF, keeps every line (empty ones and duplicates too) and
// stops at the first NUL byte.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The item shown in place of the list when the file cannot be read; it is never saved.
extern const char* const CannotOpenCustomColors;

// The items of a file's bytes. A last line without an ending is an item; an empty text has
// none.
std::vector<std::string> ParseCustomColors(std::string_view bytes);
// The bytes of a list of items.
std::string FormatCustomColors(const std::vector<std::string>& items);

// CustomColors.dat in the executable's folder.
std::string CustomColorsPath();

// The most that is read of the file: a larger one (no list of colours) shows the items of
// its first part, so opening the dialog never stalls on it.
constexpr std::size_t MaxCustomColorsBytes = 64 * 1024;

// The items of the file at `path`, or the single item CannotOpenCustomColors when it is
// missing, a folder or unreadable.
std::vector<std::string> LoadCustomColors(const std::string& path);
// Writes `items` without CannotOpenCustomColors, replacing the file in one step: a write
// that fails leaves the old file whole and throws (EFileError from the store layer).
void SaveCustomColors(const std::string& path, std::vector<std::string> items);
