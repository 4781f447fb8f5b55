// Word jumps over plain lines, with the editor's initial stop characters.
#include "editor/model/WordJump.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The 35 initial stop characters, as Windows-1252 bytes (the slash twice).
const std::string Stops = std::string("<([{|}])>\"'/\\=+-*/,.:;^~$") + "\x80\xA4" + "@\xA7!?%\x89#&";

struct Text {
    std::vector<std::string> L;
    TLineSource Source() const
    {
        return {int(L.size()), [this](int i) { return std::string_view(L[size_t(i)]); }};
    }
};

TPoint Left(const Text& t, TPoint p) { return WordLeft(p, t.Source(), Stops); }
TPoint Right(const Text& t, TPoint p) { return WordRight(p, t.Source(), Stops); }

} // namespace

TEST(WordJump, LeftLandsOnWordStartAfterSingleBlank)
{
    Text t{{"foo bar"}};
    EXPECT_EQ(Left(t, {7, 0}), (TPoint{4, 0}));
    EXPECT_EQ(Left(t, {4, 0}), (TPoint{0, 0}));
    // The character right before the caret is never taken as the blank.
    EXPECT_EQ(Left(t, {5, 0}), (TPoint{4, 0}));
}

TEST(WordJump, LeftInBlankRunLandsOnePastFirstBlank)
{
    Text t{{"foo   bar"}};
    EXPECT_EQ(Left(t, {9, 0}), (TPoint{4, 0}));
    // Repeating from there reaches the start of the line.
    EXPECT_EQ(Left(t, {4, 0}), (TPoint{0, 0}));
}

TEST(WordJump, LeftAtColumnZeroContinuesOnLineAbove)
{
    Text t{{"a", "b", "c", "d", "one two", "hello world"}};
    EXPECT_EQ(Left(t, {0, 5}), (TPoint{4, 4}));
    // Empty lines above are passed over.
    Text e{{"alpha beta", "", "", "x"}};
    EXPECT_EQ(Left(e, {0, 3}), (TPoint{6, 0}));
    // The start of the text stays where it is.
    EXPECT_EQ(Left(t, {0, 0}), (TPoint{0, 0}));
}

TEST(WordJump, LeftStopsAfterStopCharacter)
{
    Text t{{"call(arg)"}};
    // Scanning from column 7 down: '(' at 4 is the first stop, so the jump lands at 5.
    EXPECT_EQ(Left(t, {9, 0}), (TPoint{5, 0}));
    // A stop character right before the caret is skipped.
    Text u{{"a.b."}};
    EXPECT_EQ(Left(u, {4, 0}), (TPoint{2, 0}));
    // A stop character at the start of the word found is honoured.
    Text v{{"foo (bar"}};
    EXPECT_EQ(Left(v, {8, 0}), (TPoint{5, 0}));
    // The Euro sign and the per-mille sign are stop characters too.
    Text w{{"10\x80" "20"}};
    EXPECT_EQ(Left(w, {5, 0}), (TPoint{3, 0}));
}

TEST(WordJump, RightLandsAtEndOfWord)
{
    Text t{{"foo bar"}};
    EXPECT_EQ(Right(t, {0, 0}), (TPoint{3, 0}));
    EXPECT_EQ(Right(t, {3, 0}), (TPoint{7, 0}));
    // In a blank run it lands just before the last blank.
    Text u{{"foo   bar"}};
    EXPECT_EQ(Right(u, {0, 0}), (TPoint{5, 0}));
    // A trailing blank run ends at the blank before the line's end.
    Text v{{"foo  "}};
    EXPECT_EQ(Right(v, {0, 0}), (TPoint{4, 0}));
}

TEST(WordJump, RightAtLineEndContinuesOnNextLine)
{
    Text t{{"a", "b", "c", "d", "four", "hello world"}};
    EXPECT_EQ(Right(t, {4, 4}), (TPoint{5, 5}));
    // Passing over an empty line.
    Text e{{"ab", "", "hello world"}};
    EXPECT_EQ(Right(e, {2, 0}), (TPoint{5, 2}));
    // The end of the text stays where it is.
    EXPECT_EQ(Right(t, {11, 5}), (TPoint{11, 5}));
}

TEST(WordJump, RightSkipsTwoCharactersThenStopsBeforeStopCharacter)
{
    Text t{{"x=1;y=2"}};
    // '=' at 1 is within the two skipped characters; ';' at 3 is the first stop found.
    EXPECT_EQ(Right(t, {0, 0}), (TPoint{3, 0}));
    EXPECT_EQ(Right(t, {3, 0}), (TPoint{5, 0}));
    // No blank and no stop: the end of the line.
    Text u{{"word"}};
    EXPECT_EQ(Right(u, {1, 0}), (TPoint{4, 0}));
}

TEST(WordJump, TabsCountAsBlanks)
{
    Text t{{"foo\tbar"}};
    EXPECT_EQ(Left(t, {7, 0}), (TPoint{4, 0}));
    EXPECT_EQ(Right(t, {0, 0}), (TPoint{3, 0}));
}
