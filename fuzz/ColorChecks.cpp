#include "FuzzChecks.h"

#include "colordlg/ColorModel.h"
#include "colordlg/CustomColorsFile.h"

#include <cctype>
#include <fstream>

std::string CheckHexToColor(std::string_view view)
{
    const std::string text(view);
    const bool code = text.size() == 7 && text[0] == '#';
    bool digits = code;
    for (size_t i = 1; digits && i < 7; ++i) digits = std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
    TColor c = 0;
    try {
        c = HexToColor(text);
    } catch (const EConvertError&) {
        if (!code || digits) return "EConvertError for " + text;
        return {};
    } catch (const std::exception& e) {
        return std::string("HexToColor threw ") + e.what();
    }
    if (!code) return c == clBlack ? std::string() : "a text that is no code gave a colour other than black";
    if (!digits) return "a code with a non-hexadecimal digit gave a colour";
    if (c > 0xFFFFFF) return "the colour has bits above blue";
    std::string upper = text;
    for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    if (ColorToHex(c) != upper) return "the colour of " + text + " is written back as " + ColorToHex(c);
    return {};
}

std::string CheckCustomColors(std::string_view bytes, const std::string& folder)
{
    const std::vector<std::string> items = ParseCustomColors(bytes);
    if (items != ReferenceSplit(bytes)) return "the custom colours read differently from the reference split";
    if (ParseCustomColors(FormatCustomColors(items)) != items) return "written custom colours read back differently";

    const std::string path = folder + "CustomColors.dat";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }
    const std::vector<std::string> loaded = LoadCustomColors(path);
    if (loaded != ParseCustomColors(bytes.substr(0, MaxCustomColorsBytes)))
        return "the custom colours file loaded differently from its bytes";
    return {};
}
