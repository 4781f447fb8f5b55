// Word jumps over plain lines, with the editor's initial stop characters.
#include "editor/model/WordJump.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The 35 initial stop characters, as Windows-1252 bytes (the slash twice).
const std::string Stops = std::string("<([{|}])>\"'/\\=+-*/,.:;^~$") + "€¤" + "@§!?%‰#&";

using Lines = std::vector<std::string>;

TLineSource Source(const Lines& lines)
{
    return {int(lines.size()), [&lines](int i) { return std::string_view(lines[size_t(i)]); }};
}

TPoint Left(const Lines& lines, TPoint p) { return WordLeft(p, Source(lines), Stops); }
TPoint Right(const Lines& lines, TPoint p) { return WordRight(p, Source(lines), Stops); }

} // namespace

TEST(WordJump, LeftLandsOnWordStartAfterSingleBlank)
{
    const Lines t{"foo bar"};
    EXPECT_EQ(Left(t, {7, 0}), (TPoint{4, 0}));
    EXPECT_EQ(Left(t, {4, 0}), (TPoint{0, 0}));
    // The character right before the caret is never taken as the blank.
    EXPECT_EQ(Left(t, {5, 0}), (TPoint{4, 0}));
}

TEST(WordJump, LeftInBlankRunLandsOnePastFirstBlank)
{
    const Lines t{"foo   bar"};
    EXPECT_EQ(Left(t, {9, 0}), (TPoint{4, 0}));
    // Repeating from there reaches the start of the line.
    EXPECT_EQ(Left(t, {4, 0}), (TPoint{0, 0}));
}

TEST(WordJump, LeftAtColumnZeroContinuesOnLineAbove)
{
    const Lines t{"a", "b", "c", "d", "one two", "hello world"};
    EXPECT_EQ(Left(t, {0, 5}), (TPoint{4, 4}));
    // Empty lines above are passed over.
    EXPECT_EQ(Left({"alpha beta", "", "", "x"}, {0, 3}), (TPoint{6, 0}));
    // The start of the text stays where it is.
    EXPECT_EQ(Left(t, {0, 0}), (TPoint{0, 0}));
}

TEST(WordJump, LeftStopsAfterStopCharacter)
{
    // Scanning from column 7 down: '(' at 4 is the first stop, so the jump lands at 5.
    EXPECT_EQ(Left({"call(arg)"}, {9, 0}), (TPoint{5, 0}));
    // A stop character right before the caret is skipped.
    EXPECT_EQ(Left({"a.b."}, {4, 0}), (TPoint{2, 0}));
    // A stop character at the start of the word found is honoured.
    EXPECT_EQ(Left({"foo (bar"}, {8, 0}), (TPoint{5, 0}));
    // The Euro sign and the per-mille sign are stop characters too.
    EXPECT_EQ(Left({"10€20"}, {5, 0}), (TPoint{3, 0}));
}

TEST(WordJump, RightLandsAtEndOfWord)
{
    const Lines t{"foo bar"};
    EXPECT_EQ(Right(t, {0, 0}), (TPoint{3, 0}));
    EXPECT_EQ(Right(t, {3, 0}), (TPoint{7, 0}));
    // In a blank run it lands just before the last blank.
    EXPECT_EQ(Right({"foo   bar"}, {0, 0}), (TPoint{5, 0}));
    // A trailing blank run ends at the blank before the line's end.
    EXPECT_EQ(Right({"foo  "}, {0, 0}), (TPoint{4, 0}));
}

TEST(WordJump, RightAtLineEndContinuesOnNextLine)
{
    const Lines t{"a", "b", "c", "d", "four", "hello world"};
    EXPECT_EQ(Right(t, {4, 4}), (TPoint{5, 5}));
    // Passing over an empty line.
    EXPECT_EQ(Right({"ab", "", "hello world"}, {2, 0}), (TPoint{5, 2}));
    // The end of the text stays where it is.
    EXPECT_EQ(Right(t, {11, 5}), (TPoint{11, 5}));
}

TEST(WordJump, RightSkipsTwoCharactersThenStopsBeforeStopCharacter)
{
    const Lines t{"x=1;y=2"};
    // '=' at 1 is within the two skipped characters; ';' at 3 is the first stop found.
    EXPECT_EQ(Right(t, {0, 0}), (TPoint{3, 0}));
    EXPECT_EQ(Right(t, {3, 0}), (TPoint{5, 0}));
    // No blank and no stop: the end of the line.
    EXPECT_EQ(Right({"word"}, {1, 0}), (TPoint{4, 0}));
}

TEST(WordJump, TabsCountAsBlanks)
{
    const Lines t{"foo\tbar"};
    EXPECT_EQ(Left(t, {7, 0}), (TPoint{4, 0}));
    EXPECT_EQ(Right(t, {0, 0}), (TPoint{3, 0}));
}
