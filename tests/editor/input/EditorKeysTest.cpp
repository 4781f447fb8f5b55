// Caret movement by keys on the real editor: the extend flag, line ends, pages, Home/End and
// the word jumps, driven by QtTest key events.
#include "editor/EditorFixture.h"

#include "platform/SystemCaret.h"

class EditorKeys : public EditorInput {
protected:
    // With the caret at `from` (nothing selected), `key` moves it to `to`.
    void ExpectKeyMoves(TPoint from, Qt::Key key, TPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        Caret(from.X, from.Y);
        Key(key, mods);
        EXPECT_EQ(CaretAt(), to) << "from " << from.X << ", " << from.Y;
    }
};

TEST_F(EditorKeys, ShiftRightSelectsOneCharacterAndTheCaretStays)
{
    SetLines({"hello", "world"});
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{1, 0}));
    EXPECT_EQ(E->GetSelText(), "h");
    // The system caret stays at the insertion point, column 0.
    EXPECT_EQ(SystemCaret::Pos(), QPoint(0, 0));
    Key(Qt::Key_Right);
    EXPECT_EQ(CaretAt(), (TPoint{1, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{1, 0}));
    EXPECT_FALSE(E->HasSelection());
    EXPECT_EQ(SystemCaret::Pos(), QPoint(E->CharWidth(), 0));
}

TEST_F(EditorKeys, LeftAndRightCrossLineBreaks)
{
    SetLines({"ab", "cd"});
    ExpectKeyMoves({0, 1}, Qt::Key_Left, {2, 0});
    Key(Qt::Key_Right);
    EXPECT_EQ(CaretAt(), (TPoint{0, 1}));
    Caret(0, 0);
    int changes = 0;
    E->OnSelChange = [&](QObject*) { ++changes; };
    Key(Qt::Key_Left); // at the start of the text: no change, nothing notified
    Key(Qt::Key_Home);
    EXPECT_EQ(changes, 0);
    Caret(2, 1);
    changes = 0;
    Key(Qt::Key_Right);
    Key(Qt::Key_End);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(CaretAt(), (TPoint{2, 1}));
}

TEST_F(EditorKeys, DownOntoShorterLineGoesToItsEnd)
{
    SetLines({"a long line here", "short", "another long line"});
    ExpectKeyMoves({12, 0}, Qt::Key_Down, {5, 1});
    ExpectKeyMoves({12, 2}, Qt::Key_Up, {5, 1});
    // Up from line 0 and Down from the last line do nothing.
    ExpectKeyMoves({3, 0}, Qt::Key_Up, {3, 0});
    ExpectKeyMoves({3, 2}, Qt::Key_Down, {3, 2});
}

TEST_F(EditorKeys, PageDownNearTheEndGoesToTheEndOfTheLastLine)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("line number " + std::to_string(i));
    lines.back() = "the last line of all";
    SetLines(lines);
    const int rows = E->ClientHeight() / E->LineHeight();
    ASSERT_GT(rows, 3);
    ExpectKeyMoves({4, 10}, Qt::Key_PageDown, {4, 10 + rows});
    ExpectKeyMoves({4, 99 - rows + 1}, Qt::Key_PageDown, {20, 99});
    ExpectKeyMoves({4, 99 - rows - 1}, Qt::Key_PageDown, {4, 98});
}

TEST_F(EditorKeys, PageUpNearTheTopKeepsTheColumn)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("line number " + std::to_string(i));
    SetLines(lines);
    const int rows = E->ClientHeight() / E->LineHeight();
    ExpectKeyMoves({7, rows - 1}, Qt::Key_PageUp, {7, 0});
    ExpectKeyMoves({7, rows + 5}, Qt::Key_PageUp, {7, 5});
    // Extending by pages moves the selection end only.
    ExpectKeyMoves({2, 50}, Qt::Key_PageUp, {2, 50}, Qt::ShiftModifier);
    EXPECT_EQ(SelEndAt(), (TPoint{2, 50 - rows}));
}

TEST_F(EditorKeys, HomeAndEndWithAndWithoutCtrl)
{
    SetLines({"first", "second line", "last"});
    ExpectKeyMoves({3, 1}, Qt::Key_End, {11, 1});
    Key(Qt::Key_Home);
    EXPECT_EQ(CaretAt(), (TPoint{0, 1}));
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{4, 2}));
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    Key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{4, 2}));
    EXPECT_EQ(E->GetSelText(), "first\r\nsecond line\r\nlast");
}

TEST_F(EditorKeys, CtrlArrowsJumpByWords)
{
    SetLines({"l0", "l1", "l2", "l3", "four", "hello world", "foo bar", "foo   bar"});
    ExpectKeyMoves({0, 5}, Qt::Key_Left, {0, 4}, Qt::ControlModifier);
    ExpectKeyMoves({4, 4}, Qt::Key_Right, {5, 5}, Qt::ControlModifier);
    ExpectKeyMoves({7, 6}, Qt::Key_Left, {4, 6}, Qt::ControlModifier);
    ExpectKeyMoves({9, 7}, Qt::Key_Left, {4, 7}, Qt::ControlModifier);
    ExpectKeyMoves({0, 6}, Qt::Key_Right, {3, 6}, Qt::ControlModifier);
    // With Shift the word jump extends the selection.
    Key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(CaretAt(), (TPoint{3, 6}));
    EXPECT_EQ(SelEndAt(), (TPoint{7, 6}));
}

TEST_F(EditorKeys, KeyClearedByTheHostDoesNothing)
{
    SetLines({"abc"});
    E->OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Right || key == Qt::Key_Delete) key = 0;
    };
    Key(Qt::Key_Right);
    Key(Qt::Key_Delete);
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    Key(Qt::Key_End);
    EXPECT_EQ(CaretAt(), (TPoint{3, 0}));
}

TEST_F(EditorKeys, MovingTheCaretScrollsItIntoView)
{
    std::vector<std::string> lines(200, "x");
    SetLines(lines);
    Key(Qt::Key_End, Qt::ControlModifier);
    const int rows = E->ClientHeight() / E->LineHeight();
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, 199 - rows + 1}));
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, 0}));
}
