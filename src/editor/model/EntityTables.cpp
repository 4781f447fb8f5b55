#include "editor/model/EntityTables.h"

#include "platform/Win1252.h"

#include <sstream>

namespace {

// Windows-1252 bytes, one character per entry, in the order of the entity strings below.
constexpr const char* LetterCharsText = "\xC5 \xC4 \xC1 \xC0 \xC2 \xC3 \xC6 \xCB \xC9 \xC8 \xCA \xD1 \xD6 \xD3 \xD2 \xD4 \xD5 \xCF \xCD \xCE \xDC \xDA \xD9 \xDB \xC7 \xCC \xD8 \x8C \xDF \xFF";
constexpr const char* LetterEntitiesText =
    "&Aring; &Auml; &Aacute; &Agrave; &Acirc; &Atilde; &AElig; &Euml; &Eacute; &Egrave; &Ecirc; &Ntilde; &Ouml; &Oacute; &Ograve; &Ocirc; &Otilde; &Iuml; &Iacute; &Icirc; &Uuml; &Uacute; &Ugrave; &Ucirc; &Ccedil; &Igrave; &Oslash; &OElig; &szlig; &yuml;";
constexpr const char* SymbolCharsText = "\xD0 \xF0 \xDE \xFE \xA9 \xAE \x99 \xB6 \xB0 \xB5 \xB1 \xF7 \xBC \xBD \xBE \x89 \x91 \x92 \x93 \x94 \x80 \xA2 \xA3 \xA5 \xA1 \xBF \x8B \x9B \xAB \xBB";
constexpr const char* SymbolEntitiesText =
    "&ETH; &eth; &THORN; &thorn; &copy; &reg; &trade; &para; &deg; &micro; &plusmn; &divide; &frac14; &frac12; &frac34; &permil; &lsquo; &rsquo; &ldquo; &rdquo; &euro; &cent; &pound; &yen; &iexcl; &iquest; &lsaquo; &rsaquo; &laquo; &raquo;";

std::vector<std::string> SplitAtSpaces(const std::string& text)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    std::string part;
    while (in >> part) parts.push_back(part);
    return parts;
}

} // namespace

TEntityTables::TEntityTables()
    : LetterChars(SplitAtSpaces(LetterCharsText)), LetterEntities(SplitAtSpaces(LetterEntitiesText)),
      SymbolChars(SplitAtSpaces(SymbolCharsText)), SymbolEntities(SplitAtSpaces(SymbolEntitiesText))
{
}

std::optional<std::string> LookupEntity(char c, const std::vector<std::string>& letterChars,
                                        const std::vector<std::string>& letterEntities,
                                        const std::vector<std::string>& symbolChars,
                                        const std::vector<std::string>& symbolEntities)
{
    const std::string typed(1, c);
    for (size_t i = 0; i < letterChars.size() && i < letterEntities.size(); ++i) {
        if (AnsiSameText(letterChars[i], typed)) {
            if (AnsiLowerChar(c) == c) return AnsiLowerCase(letterEntities[i]);
            return letterEntities[i];
        }
    }
    for (size_t i = 0; i < symbolChars.size() && i < symbolEntities.size(); ++i)
        if (symbolChars[i] == typed) return symbolEntities[i];
    return std::nullopt;
}

std::optional<std::string> TEntityTables::EntityFor(char32_t c) const
{
    // The tables hold Windows-1252; a character it has no byte for is written as its number,
    // in decimal as the references of the program's other texts are.
    const std::optional<char> byte = UnicodeToWin1252(c);
    if (!byte) return "&#" + std::to_string(uint32_t(c)) + ";";
    return LookupEntity(*byte, LetterChars, LetterEntities, SymbolChars, SymbolEntities);
}
