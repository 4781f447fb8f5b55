// Where a line's columns stand on the grid, and which column a cell leads back to.
#include "editor/model/LineLayout.h"

#include <gtest/gtest.h>

#include <vector>

TEST(LineLayout, WideCharactersTakeTwoCellsAndMarksNone)
{
    struct Row {
        const char* Line;
        std::vector<int> CellOfColumn; // for columns 0, 1, ... (past the end too)
        std::vector<int> ColumnAtCell; // for cells 0, 1, ...
    };
    const Row rows[] = {
        {"abc", {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
        {"\xff\xe4", {0, 1, 2}, {0, 1, 2}},                        // stray bytes, a cell each
        {"\u0436\u03bb", {0, 1, 2}, {0, 1, 2}},                    // Cyrillic, Greek
        {"a\u4e2d\u6587b", {0, 1, 3, 5, 6}, {0, 1, 1, 2, 2, 3, 4}}, // CJK
        {"\ud55c\uad6d", {0, 2, 4}, {0, 0, 1, 1, 2}},               // Hangul syllables
        {"\u1112\u1161\u11abx", {0, 0, 0, 2, 3}, {0, 0, 3, 4}},     // one syllable of jamo
        {"e\u0301x", {0, 0, 1, 2}, {0, 2, 3}},                      // a combining sequence
        {"\u0438\u0306\u044f", {0, 0, 1, 2}, {0, 2, 3}},
        {"\u0491\u0483\u044f", {0, 0, 1, 2}, {0, 2, 3}},              // a Cyrillic mark
        {"\U0001F469\u200D\U0001F467x", {0, 0, 0, 2, 3}, {0, 0, 3, 4}}, // emoji ZWJ sequence
        {"\u2764\uFE0F\u2764", {0, 0, 2, 3}, {0, 0, 2, 3}},             // emoji and text presentation
        {"\U0001F1F8\U0001F1EAx", {0, 0, 2, 3}, {0, 0, 2, 3}},          // a flag
        {"\uff21\u3042", {0, 2, 4}, {0, 0, 1, 1, 2}},                   // fullwidth, kana
        {"\u1000\U0001F467x", {0, 1, 3, 4}, {0, 1, 1, 2, 3}},          // Myanmar, then an emoji
    };
    for (const Row& r : rows) {
        for (size_t k = 0; k < r.CellOfColumn.size(); ++k)
            EXPECT_EQ(CellOfColumn(r.Line, int(k)), r.CellOfColumn[k]) << r.Line << " column " << k;
        for (size_t k = 0; k < r.ColumnAtCell.size(); ++k)
            EXPECT_EQ(ColumnAtCell(r.Line, int(k)), r.ColumnAtCell[k]) << r.Line << " cell " << k;
    }
}
