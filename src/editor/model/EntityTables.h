#pragma once
// The two tables of automatic entity encoding: accented letters and symbols of Windows-1252,
// each paired by position with its XHTML entity. Letters are found without regard to case;
// symbols only as themselves.
#include <optional>
#include <string>
#include <vector>

// The entity for `c` in two pairs of tables, as TEntityTables::EntityFor searches its own.
std::optional<std::string> LookupEntity(char c, const std::vector<std::string>& letterChars,
                                        const std::vector<std::string>& letterEntities,
                                        const std::vector<std::string>& symbolChars,
                                        const std::vector<std::string>& symbolEntities);

class TEntityTables {
public:
    // Fills the four lists by splitting their stored strings at the spaces.
    TEntityTables();

    // The entity typing `c` inserts, or nothing when `c` is in neither table. A lower-case
    // letter gets the lower-cased entity of its row ("&aring;" for "å"); a character
    // Windows-1252 has no byte for gets its numeric reference ("&#1046;" for "Ж").
    std::optional<std::string> EntityFor(char32_t c) const;

    std::vector<std::string> LetterChars;
    std::vector<std::string> LetterEntities;
    std::vector<std::string> SymbolChars;
    std::vector<std::string> SymbolEntities;
};
