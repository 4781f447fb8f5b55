// The glyph cache's map: two characters that shared an entry would show one as the other.
#include "editor/view/ShortTextMap.h"

#include <gtest/gtest.h>

#include <map>

TEST(ShortTextMap, EveryTextKeepsItsOwnValueAtItsAddressWhileTheTableGrows)
{
    // Thousands of texts of 1 to 12 bytes, each a prefix of the next, some of zero bytes only.
    std::map<std::string, int*> seen;
    TShortTextMap<int> map;
    for (int i = 0; i < 6000; ++i) {
        std::string text;
        for (int k = 0; k <= i % 12; ++k) text += char(i / 12 * (k + 1) % 256);
        if (seen.count(text)) continue;
        EXPECT_EQ(map[text], 0) << "a new text of " << text.size() << " bytes found a value";
        map[text] = int(seen.size()) + 1;
        seen[text] = &map[text];
    }
    for (const auto& [text, value] : seen) EXPECT_EQ(&map[text], value) << text.size();
}
