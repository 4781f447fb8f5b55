#include "FuzzChecks.h"

#include "app/DataStore.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/TextEncoding.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

std::string CheckProjectFile(std::string_view input, const std::string& baseFolder)
{
    if (input.empty()) return {};
    // The first byte tells how many of the following bytes make the name.
    const size_t nameLength = std::min<size_t>(static_cast<unsigned char>(input[0]) % 64, input.size() - 1);
    const std::string name(input.substr(1, nameLength));
    const std::string_view content = input.substr(1 + nameLength);

    Services().BaseFolder = baseFolder;
    const fs::path projects = fs::path(baseFolder) / "Projects";
    std::error_code ec;
    fs::remove_all(projects, ec);
    fs::create_directories(projects);

    const std::string path = ProjectFilePath(name);
    if (name.empty() || name[0] == '.' || name.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        // Such a name names no file (a leading dot would make one the folder search never
        // lists): reading fails as cannot open, writing as cannot create.
        if (!path.empty()) return "an impossible name gave the path " + path;
        try {
            LoadLines(path);
            return "reading a project with an impossible name succeeded";
        } catch (const EFOpenError&) {
        }
        try {
            SaveLines(path, {"Q", "A"});
            return "writing a project with an impossible name succeeded";
        } catch (const EFCreateError&) {
        }
        return {};
    }
    if (path.rfind((projects / "").string(), 0) != 0) return "the path " + path + " lies outside Projects";

    {
        std::ofstream out(path, std::ios::binary);
        out.write(content.data(), std::streamsize(content.size()));
        if (!out.flush()) {
            // Only a name too long for the file system can't be created here.
            try {
                SaveLines(path, {"Q", "A"});
                return "SaveLines wrote a file that could not be created";
            } catch (const EFCreateError&) {
            }
            return {};
        }
    }

    // A name or a list name may begin with U+FEFF, which is part of it: QString::fromUtf8
    // would drop it.
    const auto fromUtf8 = [](std::string_view text) {
        return QString(QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)
                           .decode(QByteArrayView(text.data(), qsizetype(text.size()))));
    };
    // Shown as UTF-8 where the name is UTF-8, else as Windows-1252, by Qt's own decoders.
    const QString shown = ReferenceTakenForUtf8(name) || std::none_of(name.begin(), name.end(), [](char c) { return c & 0x80; })
        ? fromUtf8(name)
        : QStringDecoder("windows-1252").decode(QByteArrayView(name.data(), qsizetype(name.size())));
    const std::vector<std::string> listed = GetDisplayNames(TFolderKind::Projects);
    if (listed.size() != 1 || listed.front() != shown.toStdString())
        return "the project is listed as " + (listed.empty() ? std::string("nothing") : listed.front());
    if (ProjectFilePath(listed.front()) != path) return "the listed name leads to another file";

    const TReferenceText expected = ReferenceDecode(content);
    std::vector<std::string> lines;
    try {
        lines = LoadLines(path);
    } catch (const EUndecodableText&) {
        if (expected.Refused) return {};
        return "a project file that decodes was refused";
    } catch (const std::exception& e) {
        return std::string("reading the project failed: ") + e.what();
    }
    if (expected.Refused) return "a project file that is no UTF-16 was read";
    if (lines != expected.Lines) return "the project file read differently from the reference split";

    // What creating a project writes: the two list names, each ended by CR LF.
    const std::string question = lines.size() > 0 ? lines[0] : "";
    const std::string answer = lines.size() > 1 ? lines[1] : "";
    try {
        SaveLines(path, {question, answer});
    } catch (const std::exception& e) {
        return std::string("writing the project back failed: ") + e.what();
    }
    // Windows-1252 where it holds the names, unless those bytes would be taken for UTF-8 or
    // UTF-16 and read as other names: then the UTF-8 of the names.
    const std::string utf8 = question + "\r\n" + answer + "\r\n";
    const QString names = fromUtf8(utf8);
    const QByteArray ansi = QStringEncoder("windows-1252").encode(names);
    const std::string_view ansiBytes(ansi.constData(), size_t(ansi.size()));
    const bool holds = QStringDecoder("windows-1252").decode(ansi) == names;
    const bool asAnsi = holds && !ReferenceTakenForUtf8(ansiBytes) && ansiBytes.substr(0, 2) != "\xFF\xFE" &&
                        ansiBytes.substr(0, 2) != "\xFE\xFF";
    const std::string bytes = ReadWholeFile(path);
    if (asAnsi ? bytes != ansiBytes : bytes.size() < utf8.size() || bytes.substr(bytes.size() - utf8.size()) != utf8)
        return "the project was written with other bytes";
    if (LoadLines(path) != std::vector<std::string>{question, answer}) return "the written project reads differently";
    if (std::distance(fs::directory_iterator(projects), fs::directory_iterator()) != 1)
        return "writing the project left another file beside it";
    return {};
}
