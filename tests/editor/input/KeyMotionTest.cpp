// Where each movement key takes a position, on the document alone.
#include "editor/input/KeyMotion.h"

#include <gtest/gtest.h>

namespace {
struct Doc : TEditDocument {
    explicit Doc(const std::vector<std::string>& lines) { Lines().Assign(lines); }
};
TPoint Move(const TEditDocument& d, int key, TPoint p, bool ctrl = false, int rows = 2)
{
    const auto t = KeyMotionTarget(d, key, p, ctrl, rows, " ");
    EXPECT_TRUE(t.has_value());
    return t.value_or(TPoint{-1, -1});
}
} // namespace

TEST(KeyMotion, ArrowsCrossLineEndsAndKeepTheColumnWhereTheLineAllows)
{
    const Doc d({"alpha beta", "xy", "", "last line"});
    EXPECT_EQ(Move(d, Qt::Key_Right, {10, 0}), (TPoint{0, 1}));
    EXPECT_EQ(Move(d, Qt::Key_Left, {0, 1}), (TPoint{10, 0}));
    EXPECT_EQ(Move(d, Qt::Key_Left, {0, 0}), (TPoint{0, 0}));
    EXPECT_EQ(Move(d, Qt::Key_Right, {9, 3}), (TPoint{9, 3}));
    EXPECT_EQ(Move(d, Qt::Key_Down, {7, 0}), (TPoint{2, 1}));
    EXPECT_EQ(Move(d, Qt::Key_Down, {1, 1}), (TPoint{0, 2}));
    EXPECT_EQ(Move(d, Qt::Key_Up, {8, 3}), (TPoint{0, 2}));
    EXPECT_EQ(Move(d, Qt::Key_Up, {3, 0}), (TPoint{3, 0}));
    EXPECT_EQ(Move(d, Qt::Key_Right, {0, 0}, true), d.WordRight({0, 0}, " "));
    EXPECT_EQ(Move(d, Qt::Key_Left, {10, 0}, true), d.WordLeft({10, 0}, " "));
    EXPECT_FALSE(KeyMotionTarget(d, Qt::Key_A, {0, 0}, false, 2, " "));
    EXPECT_FALSE(KeyMotionTarget(d, Qt::Key_Delete, {0, 0}, false, 2, " "));
}

TEST(KeyMotion, UpAndDownKeepTheCellAcrossWideCharacters)
{
    const Doc d({"\u4e2d\u6587x", "abcdef", "\u4e2d\u6587x"});
    EXPECT_EQ(Move(d, Qt::Key_Down, {2, 0}), (TPoint{4, 1}));
    EXPECT_EQ(Move(d, Qt::Key_Up, {4, 1}), (TPoint{2, 0}));
    // A cell inside a wide character: where it begins.
    EXPECT_EQ(Move(d, Qt::Key_Down, {3, 1}), (TPoint{1, 2}));
}

TEST(KeyMotion, PagesHomeAndEnd)
{
    const Doc d({"0123", "1", "22", "333", "4444", "5"});
    EXPECT_EQ(Move(d, Qt::Key_PageDown, {3, 0}), (TPoint{2, 2}));
    EXPECT_EQ(Move(d, Qt::Key_PageDown, {3, 3}), (TPoint{1, 5})); // near the end: the very end
    EXPECT_EQ(Move(d, Qt::Key_PageDown, {0, 2}, false, 3), (TPoint{1, 5}));
    EXPECT_EQ(Move(d, Qt::Key_PageUp, {3, 4}), (TPoint{2, 2}));
    EXPECT_EQ(Move(d, Qt::Key_PageUp, {3, 1}), (TPoint{3, 0}));
    EXPECT_EQ(Move(d, Qt::Key_Home, {2, 3}), (TPoint{0, 3}));
    EXPECT_EQ(Move(d, Qt::Key_End, {0, 3}), (TPoint{3, 3}));
    EXPECT_EQ(Move(d, Qt::Key_Home, {2, 3}, true), (TPoint{0, 0}));
    EXPECT_EQ(Move(d, Qt::Key_End, {0, 0}, true), (TPoint{1, 5}));
}
