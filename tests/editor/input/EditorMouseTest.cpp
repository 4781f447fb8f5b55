// The mouse on the real editor: hit-testing, clicks and drags, Shift and Ctrl clicks,
// moving and copying the selection by dragging it, the drag cursors, and the wheel.
#include "editor/EditorFixture.h"
#include "FakeServices.h"
#include "app/Program.h"

#include "platform/Application.h"
#include "platform/Pointer.h"

#include <QFile>
#include <QPixmap>
#include <QTimer>
#include <QWheelEvent>

namespace {

class EditorMouse : public EditorInput {
protected:
    void SetUp() override
    {
        EditorInput::SetUp();
        // Test programs may lack the compiled-in resources; give the two drag cursors their
        // pictures from the source tree so they can be told apart.
        if (!QFile::exists(":/cursors/drag.png")) {
            const QString dir = QString::fromUtf8(__FILE__).section('/', 0, -4) + "/resources/cursors/";
            SetCustomCursor(12, QCursor(QPixmap(dir + "drag.png"), 1, 1));
            SetCustomCursor(13, QCursor(QPixmap(dir + "copydrag.png"), 1, 1));
        }
        ASSERT_EQ(CustomCursor(12).shape(), Qt::BitmapCursor);
    }
    void Press(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(E, b, mods, p);
    }
    void Release(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(E, b, mods, p);
    }
    void Move(QPoint p) { QTest::mouseMove(E, p); }
    void Wheel(int delta, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QPoint at = Widget(20, 20);
        QWheelEvent ev(at, E->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(E, &ev);
    }
    static bool SameCursor(const QCursor& a, const QCursor& b)
    {
        if (a.shape() != b.shape()) return false;
        if (a.shape() != Qt::BitmapCursor) return true;
        return a.pixmap().toImage() == b.pixmap().toImage();
    }
};

using L = std::vector<std::string>;

} // namespace

TEST_F(EditorMouse, HitTestRoundsToTheNearestCellEdge)
{
    SetLines({"abcdef", "xy"});
    const int cw = E->CharWidth(), lh = E->LineHeight();
    EXPECT_EQ(E->HitTest(3 * cw + 1, 1), (TPoint{3, 0}));
    EXPECT_EQ(E->HitTest(3 * cw + cw / 2 - 1, 1), (TPoint{3, 0}));
    EXPECT_EQ(E->HitTest(3 * cw + cw / 2 + 1, 1), (TPoint{4, 0}));
    // Past the end of a line, and below the last line.
    EXPECT_EQ(E->HitTest(20 * cw, lh + 2), (TPoint{2, 1}));
    EXPECT_EQ(E->HitTest(cw, 10 * lh), (TPoint{1, 1}));
    // Above the first visible line: the start of the text.
    EXPECT_EQ(E->HitTest(3 * cw, -lh), (TPoint{0, 0}));
    EXPECT_EQ(E->HitTest(-cw - cw / 2 - 1, lh), (TPoint{0, 0}));
}

TEST_F(EditorMouse, AClickOnTheRightHalfOfAWideCharactersSecondCellGoesAfterIt)
{
    SetLines({"a\u4e2db"});
    const int cw = E->CharWidth();
    // Pixel x in cells, and the column a click there puts the caret at.
    const std::pair<double, int> clicks[] = {{1.25, 1}, {1.75, 1}, {2.25, 1}, {2.75, 2}, {3.25, 2}, {3.75, 3}};
    for (const auto& [cells, column] : clicks) EXPECT_EQ(E->HitTest(int(cells * cw), 1).X, column) << cells;
}

TEST_F(EditorMouse, ClickPlacesTheCaretAndDragSelects)
{
    SetLines({"first line", "second line"});
    Press(CellPoint(3, 1));
    EXPECT_EQ(CaretAt(), (TPoint{3, 1}));
    EXPECT_TRUE(E->hasFocus());
    Move(CellPoint(6, 0));
    EXPECT_EQ(CaretAt(), (TPoint{3, 1}));
    EXPECT_EQ(SelEndAt(), (TPoint{6, 0}));
    Release(CellPoint(6, 0));
    EXPECT_EQ(E->GetSelText(), "line\r\nsec");
    // Moves after the release select nothing more.
    Move(CellPoint(1, 0));
    EXPECT_EQ(SelEndAt(), (TPoint{6, 0}));
}

TEST_F(EditorMouse, DragOvershootAboveTheClientArea)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) lines.push_back("line " + std::to_string(i));
    SetLines(lines);
    E->SetScrollPoint({0, 10});
    const int lh = E->LineHeight(), cw = E->CharWidth();
    Press(CellPoint(4, 14));
    EXPECT_EQ(CaretAt(), (TPoint{4, 14}));
    // Less than a line above: the first visible line.
    Move(Widget(2 * cw + 1, -(lh - 1)));
    EXPECT_EQ(SelEndAt(), (TPoint{2, 10}));
    // A full line height above: the start of the text.
    Move(Widget(2 * cw + 1, -lh));
    EXPECT_EQ(SelEndAt(), (TPoint{0, 0}));
    Release(Widget(2 * cw + 1, -lh));
    EXPECT_EQ(CaretAt(), (TPoint{4, 14}));
}

TEST_F(EditorMouse, ShiftClickExtendsAndCtrlClickSelectsAWord)
{
    SetLines({"foo bar baz", "next"});
    Press(CellPoint(1, 0));
    EXPECT_FALSE(E->HasSelection());
    Release(CellPoint(1, 0));
    Press(CellPoint(2, 1), Qt::ShiftModifier);
    Release(CellPoint(2, 1), Qt::ShiftModifier);
    EXPECT_EQ(CaretAt(), (TPoint{1, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{2, 1}));
    // Outside the selection, Ctrl+click selects the word under the pointer.
    Press(CellPoint(2, 1));
    Release(CellPoint(2, 1));
    Press(CellPoint(5, 0), Qt::ControlModifier);
    Release(CellPoint(5, 0), Qt::ControlModifier);
    EXPECT_EQ(CaretAt(), (TPoint{4, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{7, 0}));
    EXPECT_EQ(E->GetSelText(), "bar");
}

TEST_F(EditorMouse, DragMoveReleasedAtItsOwnStartLeavesTheTextUnchanged)
{
    SetLines({"hello world"});
    Select({0, 0}, {5, 0});
    Press(CellPoint(2, 0));
    // A move takes the text away at once and puts the pointer at the selection's start.
    EXPECT_EQ(Lines(), (L{" world"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(QCursor::pos(), E->ClientToGlobal({0, E->LineHeight() / 2}));
    Release(CellPoint(0, 0));
    EXPECT_EQ(Lines(), (L{"hello world"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_FALSE(E->ViewState().DraggingSelection);
    EXPECT_TRUE(E->ViewState().DragText.empty());
}

TEST_F(EditorMouse, CtrlDragReleasedAtItsOwnStartDuplicatesTheSelection)
{
    SetLines({"hello world"});
    Select({0, 0}, {5, 0});
    Press(CellPoint(2, 0), Qt::ControlModifier);
    EXPECT_EQ(Lines(), (L{"hello world"}));
    Release(CellPoint(0, 0), Qt::ControlModifier);
    EXPECT_EQ(Lines(), (L{"hellohello world"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
}

TEST_F(EditorMouse, DragMovesTextAcrossLines)
{
    SetLines({"alpha beta", "gamma"});
    Select({6, 0}, {10, 0});
    Press(CellPoint(7, 0));
    EXPECT_EQ(Lines(), (L{"alpha ", "gamma"}));
    Move(CellPoint(5, 1));
    EXPECT_EQ(CaretAt(), (TPoint{5, 1})); // the caret shows the drop point
    Release(CellPoint(5, 1));
    EXPECT_EQ(Lines(), (L{"alpha ", "gammabeta"}));
    EXPECT_EQ(CaretAt(), (TPoint{5, 1}));
    // A selection of several lines dropped in the middle of a line.
    SetLines({"one", "two", "three"});
    Select({1, 0}, {2, 1});
    Press(CellPoint(1, 1), Qt::ControlModifier);
    Release(CellPoint(2, 2), Qt::ControlModifier);
    EXPECT_EQ(Lines(), (L{"one", "two", "thne", "twree"}));
}

TEST_F(EditorMouse, RightButtonPressChangesNothingInAnEditableEditor)
{
    SetLines({"some text", "more"});
    Select({1, 0}, {4, 0});
    int ups = 0;
    E->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++ups; };
    Press(CellPoint(2, 1), Qt::NoModifier, Qt::RightButton);
    Release(CellPoint(2, 1), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(CaretAt(), (TPoint{1, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{4, 0}));
    EXPECT_EQ(ups, 0);
    Press(CellPoint(2, 1));
    Release(CellPoint(2, 1));
    EXPECT_EQ(ups, 1);
}

TEST_F(EditorMouse, ReadOnlyPressesOnlyPlaceTheCaret)
{
    SetLines({"some text", "more"});
    E->Settings().SetReadOnly(true);
    Select({0, 0}, {4, 0});
    // A press on the selection starts no drag.
    Press(CellPoint(2, 0));
    EXPECT_FALSE(E->ViewState().DraggingSelection);
    EXPECT_EQ(CaretAt(), (TPoint{2, 0}));
    Release(CellPoint(2, 0));
    EXPECT_EQ(Lines(), (L{"some text", "more"}));
    // Other buttons place it too.
    Press(CellPoint(3, 1), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(CaretAt(), (TPoint{3, 1}));
    Release(CellPoint(3, 1), Qt::NoModifier, Qt::RightButton);
    EXPECT_TRUE(E->ViewState().MouseSelecting); // only a left release ends it
    Release(CellPoint(3, 1));
    EXPECT_FALSE(E->ViewState().MouseSelecting);
}

TEST_F(EditorMouse, HoveringOverTheSelectionShowsTheDragCursors)
{
    SetLines({"hello world"});
    Select({0, 0}, {5, 0});
    Move(CellPoint(2, 0, E->CharWidth() / 2 + 1));
    EXPECT_TRUE(SameCursor(E->cursor(), CustomCursor(12)));
    // The Ctrl key switches to the copy cursor while hovering, and back.
    QCursor::setPos(E->mapToGlobal(CellPoint(2, 0, E->CharWidth() / 2 + 1)));
    QTest::keyPress(E, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(SameCursor(E->cursor(), CustomCursor(13)));
    QTest::keyRelease(E, Qt::Key_Control);
    EXPECT_TRUE(SameCursor(E->cursor(), CustomCursor(12)));
    Move(CellPoint(8, 0, E->CharWidth() / 2 + 1));
    EXPECT_EQ(E->cursor().shape(), Qt::IBeamCursor);
    EXPECT_FALSE(SameCursor(CustomCursor(12), CustomCursor(13)));
}

TEST_F(EditorMouse, DoubleClickSelectsNoWord)
{
    SetLines({"foo bar"});
    int doubles = 0;
    E->OnDblClick = [&](QObject*) { ++doubles; };
    QTest::mouseDClick(E, Qt::LeftButton, Qt::NoModifier, CellPoint(5, 0));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(CaretAt(), (TPoint{5, 0}));
    EXPECT_FALSE(E->HasSelection());
}

TEST_F(EditorMouse, WheelWithCtrlZoomsOncePerTurn)
{
    SetLines({"text"});
    std::vector<int> sizes;
    E->OnFontSizeChange = [&](QObject*, int32_t size) { sizes.push_back(size); };
    const int before = E->Font().Size();
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(E->Font().Size(), before + 2);
    Wheel(-360, Qt::ControlModifier); // three notches toward the user: still one step
    EXPECT_EQ(E->Font().Size(), before);
    EXPECT_EQ(sizes, (std::vector<int>{before + 2, before}));
    Wheel(60, Qt::ControlModifier); // less than a notch
    EXPECT_EQ(E->Font().Size(), before);
}

TEST_F(EditorMouse, WheelScrollsByTheSystemLinesAndAltMovesTheCaret)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("line " + std::to_string(i));
    SetLines(lines);
    const int n = std::max(1, WheelScrollLines());
    Wheel(-240); // two notches toward the user
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, 2 * n}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    Wheel(120);
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, n}));
    Wheel(119);
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, n}));
    Caret(2, 5);
    Wheel(-120, Qt::AltModifier);
    EXPECT_EQ(CaretAt(), (TPoint{2, 5 + n}));
    Wheel(120, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(CaretAt(), (TPoint{2, 5 + n}));
    EXPECT_EQ(SelEndAt(), (TPoint{2, 5}));
}

TEST_F(EditorMouse, WheelScrollingStopsWithTheLastPageFull)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back("line " + std::to_string(i));
    SetLines(lines);
    const int rows = E->ClientHeight() / E->LineHeight();
    for (int i = 0; i < 20; ++i) Wheel(-120);
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, 40 - rows}));
    for (int i = 0; i < 20; ++i) Wheel(120);
    EXPECT_EQ(E->GetScrollPoint(), (TPoint{0, 0}));
}

TEST_F(EditorMouse, SelectLineSelectsToTheLineEnd)
{
    SetLines({"one", "two", "three"});
    EXPECT_TRUE(E->SelectLine(1));
    EXPECT_EQ(CaretAt(), (TPoint{0, 1}));
    EXPECT_EQ(SelEndAt(), (TPoint{3, 1}));
    EXPECT_EQ(E->GetSelText(), "two");
    EXPECT_FALSE(E->SelectLine(3));
    EXPECT_FALSE(E->SelectLine(-1));
    EXPECT_EQ(E->GetSelText(), "two");
}

TEST_F(EditorMouse, IsSelectedCoversStartToEnd)
{
    SetLines({"abcdef", "ghijkl", "mnopqr"});
    Select({4, 2}, {2, 0}); // the selection end before the caret
    EXPECT_FALSE(E->IsSelected({1, 0}));
    EXPECT_TRUE(E->IsSelected({2, 0}));
    EXPECT_TRUE(E->IsSelected({6, 0}));
    EXPECT_TRUE(E->IsSelected({0, 1}));
    EXPECT_TRUE(E->IsSelected({3, 2}));
    EXPECT_FALSE(E->IsSelected({4, 2}));
    Caret(3, 1);
    EXPECT_FALSE(E->IsSelected({3, 1}));
}

// A move drag takes its text away at the press; the editor's host snapshots the text for undo
// a second after a change, so that snapshot can come while the text is still in flight.
// Shift held at the press used to leave the selection's end past the shortened text, the
// snapshot failed on it, and the dragged lines were lost.
TEST_F(EditorMouse, ShiftDragWithTheUndoTimerFiringMidDragKeepsEveryLine)
{
    std::vector<std::string> errors;
    TestServices().ReportError = [&](const std::string& text) { errors.push_back(text); };
    QTimer snapshot; // the host's undo timer, made to fire at the first chance
    snapshot.setSingleShot(true);
    snapshot.setInterval(0);
    QObject::connect(&snapshot, &QTimer::timeout, [&] { RunGuarded([&] { E->AddUndoPoint(); }); });
    E->OnChange = [&](QObject*) { snapshot.start(); };

    SetLines({"a", "b", "c", "d"});
    E->AddUndoPoint(); // as loading does
    Select({1, 0}, {1, 3});
    TestServices().FakeKeys.Held = Qt::ShiftModifier;
    Press(CellPoint(0, 1), Qt::ShiftModifier);
    EXPECT_EQ(Lines(), (L{"a"}));
    EXPECT_FALSE(E->HasSelection());
    QApplication::processEvents(); // the timer fires here, mid-drag
    EXPECT_FALSE(snapshot.isActive());
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_TRUE(E->CanUndo());
    Move(CellPoint(0, 0));
    EXPECT_FALSE(E->HasSelection()) << "the drop point is a caret, Shift or not";
    Release(CellPoint(1, 0), Qt::ShiftModifier);
    TestServices().FakeKeys.Held = std::nullopt;
    EXPECT_EQ(Lines(), (L{"a", "b", "c", "d"}));
    QApplication::processEvents(); // and once more after the drop
    EXPECT_TRUE(errors.empty());

    // The snapshot taken mid-drag is a sound state to go back to, and forward again.
    E->Undo();
    EXPECT_EQ(Lines(), (L{"a"}));
    E->Redo();
    EXPECT_EQ(Lines(), (L{"a", "b", "c", "d"}));
    E->OnChange = nullptr;
    TestServices().ReportError = ShowProgramError;
}

// However the release goes missing, the text taken away at the press comes back.
TEST_F(EditorMouse, ADragWhoseReleaseNeverComesPutsItsTextBack)
{
    // Another window takes the focus (an error box shown mid-drag).
    SetLines({"one", "two", "three"});
    Select({1, 0}, {2, 1});
    Press(CellPoint(1, 1));
    EXPECT_EQ(Lines(), (L{"oo", "three"}));
    Move(CellPoint(2, 1));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(Lines(), (L{"one", "two", "three"}));
    EXPECT_EQ(CaretAt(), (TPoint{1, 0}));
    EXPECT_FALSE(E->ViewState().DraggingSelection);
    other.hide();
    QApplication::setActiveWindow(Host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Host));
    E->setFocus();
    Release(CellPoint(0, 2)); // a release that arrives late drops nothing
    EXPECT_EQ(Lines(), (L{"one", "two", "three"}));

    // The pointer comes back with the button already up.
    Select({0, 2}, {5, 2});
    Press(CellPoint(2, 2));
    EXPECT_EQ(Lines(), (L{"one", "two", ""}));
    QMouseEvent move(QEvent::MouseMove, CellPoint(1, 0), E->mapToGlobal(CellPoint(1, 0)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(E, &move);
    EXPECT_EQ(Lines(), (L{"one", "two", "three"}));
    EXPECT_FALSE(E->ViewState().DraggingSelection);
    QTest::mouseRelease(E, Qt::LeftButton, Qt::NoModifier, CellPoint(1, 0));
    EXPECT_EQ(Lines(), (L{"one", "two", "three"}));
}
