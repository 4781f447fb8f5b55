#include "colordlg/CustomColorsFile.h"

#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

// Windows-1252, as every item.
const char* const CannotOpenCustomColors = "Det gick inte att \xF6ppna filen.";

std::vector<std::string> ParseCustomColors(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> items;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            items.emplace_back(bytes.substr(start));
            break;
        }
        items.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return items;
}

std::string FormatCustomColors(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items) out += item + "\r\n";
    return out;
}

std::string CustomColorsPath() { return ExecutableFolder() + "CustomColors.dat"; }

std::vector<std::string> LoadCustomColors(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return {std::string(CannotOpenCustomColors)};
    const QByteArray bytes = file.read(qint64(MaxCustomColorsBytes));
    if (file.error() != QFileDevice::NoError) return {std::string(CannotOpenCustomColors)};
    return ParseCustomColors(std::string_view(bytes.constData(), size_t(bytes.size())));
}

void SaveCustomColors(const std::string& path, std::vector<std::string> items)
{
    std::erase(items, std::string(CannotOpenCustomColors));
    WriteFileAtomic(path, FormatCustomColors(items));
}
