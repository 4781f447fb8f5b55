// Caret movement by keys on the real editor: the extend flag, line ends, pages, Home/End and
// the word jumps, driven by QtTest key events.
#include "editor/EditorFixture.h"

#include "platform/SystemCaret.h"

using EditorKeys = EditorInput;

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
    Caret(0, 1);
    Key(Qt::Key_Left);
    EXPECT_EQ(CaretAt(), (TPoint{2, 0}));
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
    Caret(12, 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(CaretAt(), (TPoint{5, 1}));
    Caret(12, 2);
    Key(Qt::Key_Up);
    EXPECT_EQ(CaretAt(), (TPoint{5, 1}));
    // Up from line 0 and Down from the last line do nothing.
    Caret(3, 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(CaretAt(), (TPoint{3, 0}));
    Caret(3, 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(CaretAt(), (TPoint{3, 2}));
}

TEST_F(EditorKeys, PageDownNearTheEndGoesToTheEndOfTheLastLine)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("line number " + std::to_string(i));
    lines.back() = "the last line of all";
    SetLines(lines);
    const int rows = E->ClientHeight() / E->LineHeight();
    ASSERT_GT(rows, 3);
    Caret(4, 10);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(CaretAt(), (TPoint{4, 10 + rows}));
    Caret(4, 99 - rows + 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(CaretAt(), (TPoint{20, 99}));
    Caret(4, 99 - rows - 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(CaretAt(), (TPoint{4, 98}));
}

TEST_F(EditorKeys, PageUpNearTheTopKeepsTheColumn)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("line number " + std::to_string(i));
    SetLines(lines);
    const int rows = E->ClientHeight() / E->LineHeight();
    Caret(7, rows - 1);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(CaretAt(), (TPoint{7, 0}));
    Caret(7, rows + 5);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(CaretAt(), (TPoint{7, 5}));
    // Extending by pages moves the selection end only.
    Caret(2, 50);
    Key(Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(CaretAt(), (TPoint{2, 50}));
    EXPECT_EQ(SelEndAt(), (TPoint{2, 50 - rows}));
}

TEST_F(EditorKeys, HomeAndEndWithAndWithoutCtrl)
{
    SetLines({"first", "second line", "last"});
    Caret(3, 1);
    Key(Qt::Key_End);
    EXPECT_EQ(CaretAt(), (TPoint{11, 1}));
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
    Caret(0, 5);
    Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{0, 4}));
    Caret(4, 4);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{5, 5}));
    Caret(7, 6);
    Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{4, 6}));
    Caret(9, 7);
    Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{4, 7}));
    Caret(0, 6);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{3, 6}));
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
