// The editor's document on its own: positions and offsets, the edits behind the editing keys
// with what each reports, and the undo history over them.
#include "editor/model/EditDocument.h"

#include "platform/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using L = std::vector<std::string>;

struct Doc : TEditDocument {
    explicit Doc(const L& lines) { Lines().Assign(lines); }
    L Text() const { return Lines().ToVector(); }
};

void ExpectResult(const TEditResult& r, int first, int last, int added, TPoint caret)
{
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.FirstLine, first);
    EXPECT_EQ(r.LastLine, last);
    EXPECT_EQ(r.LinesAdded, added);
    EXPECT_EQ(r.Caret, caret);
}

} // namespace

TEST(EditDocument, PositionsAndOffsetsCountEachBreakAsTwoBytes)
{
    const Doc d({"abc", "", "de"});
    EXPECT_EQ(d.Clamp({9, 9}), (TPoint{2, 2}));
    EXPECT_EQ(d.Clamp({-1, -4}), (TPoint{0, 0}));
    EXPECT_EQ(d.Clamp({5, 1}), (TPoint{0, 1}));
    EXPECT_EQ(d.AbsoluteOffset({0, 0}), 0);
    EXPECT_EQ(d.AbsoluteOffset({0, 1}), 5);
    EXPECT_EQ(d.AbsoluteOffset({1, 2}), 8);

    TPoint p;
    ASSERT_TRUE(d.PositionFromOffset(8, p));
    EXPECT_EQ(p, (TPoint{1, 2}));
    ASSERT_TRUE(d.PositionFromOffset(4, p)); // between CR and LF: the end of the line
    EXPECT_EQ(p, (TPoint{3, 0}));
    ASSERT_TRUE(d.PositionFromOffset(9, p));
    EXPECT_EQ(p, (TPoint{2, 2}));
    EXPECT_FALSE(d.PositionFromOffset(10, p)); // the last line's break is not in the text
    EXPECT_FALSE(d.PositionFromOffset(-1, p));

    // Walking from a position agrees with the offsets, both ways and over empty lines.
    for (int from = 0; from <= 9; ++from) {
        TPoint start;
        ASSERT_TRUE(d.PositionFromOffset(from, start));
        if (start.X == 3 && from == 4) continue; // inside a break: not a start of its own
        for (int to = 0; to <= 9; ++to) {
            TPoint walked, expected;
            ASSERT_TRUE(d.PositionAfter(start, to - d.AbsoluteOffset(start), walked)) << from << "->" << to;
            ASSERT_TRUE(d.PositionFromOffset(to, expected));
            EXPECT_EQ(walked, expected) << from << "->" << to;
        }
    }
    EXPECT_FALSE(d.PositionAfter({0, 0}, 10, p));
    EXPECT_FALSE(d.PositionAfter({1, 2}, -9, p));
    EXPECT_EQ(d.Distance({1, 0}, {1, 2}), 7);
    EXPECT_EQ(d.Distance({1, 0}, {3, 0}), 2);
}

TEST(EditDocument, RangesReadAcrossLinesAndClampStalePositions)
{
    const Doc d({"hello", "big", "world"});
    EXPECT_EQ(d.GetRange({1, 0}, {2, 2}), (L{"ello", "big", "wo"}));
    EXPECT_EQ(d.GetRange({1, 1}, {3, 1}), (L{"ig"}));
    EXPECT_EQ(d.GetRange({2, 1}, {2, 1}), L{});
    EXPECT_EQ(d.GetRange({3, 2}, {40, 7}), (L{"ld"}));
    EXPECT_EQ(d.RangeText({3, 0}, {1, 2}), "lo\r\nbig\r\nw");
    EXPECT_EQ(d.EntityStartBefore({6, 0}), -1);
    const Doc e({"x&amp;", "a;"});
    EXPECT_EQ(e.EntityStartBefore({6, 0}), 1);
    EXPECT_EQ(e.EntityStartBefore({5, 0}), -1);
    EXPECT_EQ(e.EntityStartBefore({2, 1}), -1);
    const Doc f({"    x", "  "});
    EXPECT_TRUE(f.AtIndentStep({4, 0}, 2));
    EXPECT_TRUE(f.AtIndentStep({2, 0}, 2));
    EXPECT_FALSE(f.AtIndentStep({3, 0}, 2));
    EXPECT_FALSE(f.AtIndentStep({5, 0}, 5)); // an "x" before the caret
    EXPECT_FALSE(f.AtIndentStep({4, 0}, 0));
    EXPECT_TRUE(f.AtIndentStep({2, 1}, 2));
}

TEST(EditDocument, TypingEnterAndIndentReportTheirLinesAndCaret)
{
    Doc d({"ac", "  xy"});
    ExpectResult(d.Type({1, 0}, "b", false), 0, 0, 0, {2, 0});
    EXPECT_EQ(d.Text(), (L{"abc", "  xy"}));
    ExpectResult(d.Type({3, 0}, "()", false), 0, 0, 0, {4, 0});
    EXPECT_EQ(d[0], "abc()");
    ExpectResult(d.Type({0, 0}, "Z", true), 0, 0, 0, {1, 0}); // overwrite replaces "a"
    EXPECT_EQ(d[0], "Zbc()");
    ExpectResult(d.Type({5, 0}, "!", true), 0, 0, 0, {6, 0}); // at the end it appends
    EXPECT_EQ(d[0], "Zbc()!");

    ExpectResult(d.BreakLine({3, 1}), 1, 2, 1, {0, 2});
    EXPECT_EQ(d.Text(), (L{"Zbc()!", "  x", "y"}));
    ExpectResult(d.CopyIndent(2), 2, 2, 0, {2, 2});
    EXPECT_EQ(d[2], "  y");
    ExpectResult(d.BreakLine({6, 0}), 0, 1, 1, {0, 1});
    EXPECT_EQ(d.Text(), (L{"Zbc()!", "", "  x", "  y"}));
    const TEditResult none = d.CopyIndent(1); // nothing to copy from "Zbc()!"
    EXPECT_FALSE(none.Changed);
    EXPECT_EQ(none.Caret, (TPoint{0, 1}));
    ExpectResult(d.Unindent({2, 3}, 2), 3, 3, 0, {0, 3});
    EXPECT_EQ(d[3], "y");
}

TEST(EditDocument, DeletingJoinsLinesAndTakesRangesInEitherOrder)
{
    Doc d({"one", "two", "three", "four"});
    ExpectResult(d.JoinWithNext(0), 0, 0, -1, {3, 0});
    EXPECT_EQ(d.Text(), (L{"onetwo", "three", "four"}));
    ExpectResult(d.DeleteRange({3, 1}, {1, 0}), 0, 0, -1, {1, 0});
    EXPECT_EQ(d.Text(), (L{"oee", "four"}));
    ExpectResult(d.DeleteRange({1, 1}, {3, 1}), 1, 1, 0, {1, 1});
    EXPECT_EQ(d.Text(), (L{"oee", "fr"}));
    // Stale ends are clamped into the text; equal ends change nothing.
    ExpectResult(d.DeleteRange({2, 0}, {99, 9}), 0, 0, -1, {2, 0});
    EXPECT_EQ(d.Text(), (L{"oe"}));
    EXPECT_FALSE(d.DeleteRange({1, 0}, {1, 0}).Changed);
    EXPECT_EQ(d.Text(), (L{"oe"}));
}

TEST(EditDocument, InsertingLinesAndTextPutsTheCaretAfterIt)
{
    Doc d({"abcd"});
    ExpectResult(d.InsertLines({2, 0}, {"X"}), 0, 0, 0, {3, 0});
    EXPECT_EQ(d.Text(), (L{"abXcd"}));
    ExpectResult(d.InsertLines({1, 0}, {"1", "2", "3"}), 0, 2, 2, {1, 2});
    EXPECT_EQ(d.Text(), (L{"a1", "2", "3bXcd"}));
    EXPECT_FALSE(d.InsertLines({9, 0}, {"no"}).Changed);
    EXPECT_FALSE(d.InsertLines({0, 5}, {"no"}).Changed);
    EXPECT_EQ(d.Text(), (L{"a1", "2", "3bXcd"}));

    // Every kind of break counts as one; a break at the end is kept; a NUL ends the text.
    Doc t({"<>"});
    const auto r = t.InsertText({1, 0}, "p\r\nq\rr\ns\n");
    ASSERT_TRUE(r);
    ExpectResult(*r, 0, 4, 4, {0, 4});
    EXPECT_EQ(t.Text(), (L{"<p", "q", "r", "s", ">"}));
    const auto nul = t.InsertText({0, 0}, std::string("ab\0cd", 5));
    ASSERT_TRUE(nul);
    EXPECT_EQ(nul->Caret, (TPoint{2, 0}));
    EXPECT_EQ(t[0], "ab<p");
    EXPECT_FALSE(t.InsertText({0, 0}, ""));
    EXPECT_FALSE(t.InsertText({0, 0}, std::string("\0x", 2)));
    const auto brk = t.InsertText({0, 1}, "\n");
    ASSERT_TRUE(brk);
    EXPECT_EQ(brk->Caret, (TPoint{0, 2}));
    EXPECT_EQ(t.Text(), (L{"ab<p", "", "q", "r", "s", ">"}));
}

TEST(EditDocument, UndoAndRedoWalkTheSnapshotsAndGiveBackTheirSelections)
{
    Doc d({"base"});
    EXPECT_FALSE(d.CanUndo());
    EXPECT_FALSE(d.Undo(nullptr));
    d.AddUndoPoint(0, 0);
    EXPECT_FALSE(d.CanUndo()); // one snapshot: the current text, nothing before it
    d.Type({4, 0}, "!", false);
    d.AddUndoPoint(5, 0);
    d.BreakLine({2, 0});
    d.AddUndoPoint(1, 3);
    EXPECT_EQ(d.UndoCount(), 3);
    EXPECT_TRUE(d.CanUndo());
    EXPECT_FALSE(d.CanRedo());

    std::vector<int32_t> selStarts;
    const auto note = [&](const TUndoSnapshot& s) { selStarts.push_back(s.SelStart); };
    ASSERT_TRUE(d.Undo(note));
    EXPECT_EQ(d.Text(), L{"base!"});
    EXPECT_EQ(d.UndoOffset(), -1);
    ASSERT_TRUE(d.Undo(note));
    EXPECT_EQ(d.Text(), L{"base"});
    EXPECT_FALSE(d.CanUndo());
    EXPECT_TRUE(d.CanRedo());
    EXPECT_FALSE(d.Undo(note));
    ASSERT_TRUE(d.Redo(note));
    EXPECT_EQ(d.Text(), L{"base!"});
    EXPECT_EQ(selStarts, (std::vector<int32_t>{5, 0, 5}));

    // A new snapshot after an undo drops the redo steps.
    d.Type({0, 0}, "#", false);
    d.AddUndoPoint(1, 0);
    EXPECT_FALSE(d.CanRedo());
    EXPECT_EQ(d.UndoCount(), 3);
    ASSERT_TRUE(d.Undo(nullptr));
    EXPECT_EQ(d.Text(), L{"base!"});
    d.ClearUndo();
    EXPECT_EQ(d.UndoCount(), 0);
    EXPECT_FALSE(d.CanUndo());
    EXPECT_FALSE(d.CanRedo());
}

TEST(EditDocument, ASnapshotAskedForDuringARestoreIsRefusedAndTheRestoreGoesOn)
{
    Doc d({"one"});
    d.AddUndoPoint(0, 0);
    d.Lines().Set(0, "two");
    d.AddUndoPoint(0, 0);
    int refused = 0;
    d.Lines().OnChange = [&](TLineStore*) {
        EXPECT_TRUE(d.Restoring());
        try {
            d.AddUndoPoint(0, 0);
        } catch (const ESilentCancel&) {
            ++refused;
            throw;
        }
    };
    ASSERT_TRUE(d.Undo(nullptr));
    d.Lines().OnChange = nullptr;
    EXPECT_EQ(refused, 1);
    EXPECT_FALSE(d.Restoring());
    EXPECT_EQ(d.Text(), L{"one"});
    EXPECT_EQ(d.UndoCount(), 2);
    EXPECT_TRUE(d.CanRedo());
}
