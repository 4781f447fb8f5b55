// The editor's completion list, driven as a user drives it: the "<>" key and a typed space
// open it with what fits the caret, typed characters narrow it, Enter and a double click
// insert the rest of the chosen entry, Esc closes it without reaching the text, and the lines
// it covered are drawn again exactly when it hides.
#include "editor/EditorFixture.h"
#include "FakeServices.h"

#include "editor/input/InteractiveListMenu.h"
#include "editor/model/XhtmlCompletion.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWheelEvent>

namespace {

class EditorListMenu : public EditorInput {
protected:
    TInteractiveListMenu& List() { return *E->ListMenu(); }
    bool Shown() { return E->ListMenuVisible(); }
    void AutoPopup(bool on = true) { E->Settings().SetListMenuHelperAutoPopup(on); }
    // The key left of Z on a 102-key keyboard, which types "<" under many layouts.
    void Press102ndKey(Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        TestServices().FakeKeys.Held = mods;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Less, mods, 94, 0x3c, 0, "<");
        QApplication::sendEvent(E, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Less, mods, 94, 0x3c, 0, "<");
        QApplication::sendEvent(E, &release);
        TestServices().FakeKeys.Held = std::nullopt;
    }
    // Types `text` key by key; "<" from a key other than the 102nd.
    void TypeText(const std::string& text)
    {
        for (const char c : text)
            if (c == ' ')
                Key(Qt::Key_Space);
            else
                QTest::keyClick(E, c);
    }
    // The list's rectangle in client pixels.
    QRect ListInClient() { return QRect(E->View()->mapFrom(E, List().pos()), List().size()); }
};

} // namespace

TEST_F(EditorListMenu, The102ndKeyOpensTheElementListBelowTheCaretLine)
{
    SetLines({"", "ab"});
    AutoPopup();
    Caret(2, 1);
    Press102ndKey();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"", "ab<"}));
    ASSERT_TRUE(Shown());
    EXPECT_EQ(List().VisibleItems(), XhtmlElementNames());
    EXPECT_EQ(List().VisibleItems().size(), 78u);
    EXPECT_EQ(List().Filter(), "");
    EXPECT_EQ(ListInClient(), QRect(3 * E->CharWidth(), 2 * E->LineHeight(), 300, 100));
    // The editor keeps the keyboard; the list was set up as its companion.
    EXPECT_TRUE(E->hasFocus());
    EXPECT_FALSE(List().UseCaret());
    EXPECT_TRUE(List().EscCloses());
    EXPECT_EQ(List().Indent(), 6);
    EXPECT_EQ(List().LineSpace(), 3);
    EXPECT_EQ(List().Font(), E->Font());
}

TEST_F(EditorListMenu, The102ndKeyOpensNothingWithShiftOrCtrlOrWithoutAutoPopup)
{
    SetLines({"x"});
    Caret(1, 0);
    Press102ndKey();
    EXPECT_FALSE(Shown());
    AutoPopup();
    Press102ndKey(Qt::ShiftModifier);
    EXPECT_FALSE(Shown());
    Press102ndKey(Qt::ControlModifier);
    EXPECT_FALSE(Shown());
    // "<" typed with another key opens nothing either.
    TypeText("<");
    EXPECT_FALSE(Shown());
    // The key typed its "<" each time, but with Ctrl, which types nothing.
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x<<<"}));
}

TEST_F(EditorListMenu, TypedSpaceOpensTheTagsSortedAttributes)
{
    SetLines({""});
    AutoPopup();
    TypeText("<td");
    EXPECT_FALSE(Shown());
    TypeText(" ");
    ASSERT_TRUE(Shown());
    const std::vector<std::string> expected = XhtmlAttributes("td");
    EXPECT_EQ(List().VisibleItems(), expected);
    ASSERT_EQ(expected.size(), 25u);
    EXPECT_EQ(expected[0], "%cellhalign");
    EXPECT_EQ(expected[1], "%cellvalign");
    EXPECT_EQ(expected[2], "abbr");
    EXPECT_EQ(E->TagNameAtCaret(), "td");
    EXPECT_EQ(ListInClient().topLeft(), QPoint(4 * E->CharWidth(), E->LineHeight()));
}

TEST_F(EditorListMenu, SpaceOpensNothingAfterBangOrAfterACompleteTag)
{
    SetLines({""});
    AutoPopup();
    TypeText("<! ");
    EXPECT_FALSE(Shown());
    TypeText("<td>");
    TypeText(" ");
    EXPECT_FALSE(Shown());
    TypeText("<?xml ");
    EXPECT_FALSE(Shown());
    TypeText("plain words ");
    EXPECT_FALSE(Shown());
}

TEST_F(EditorListMenu, UnknownElementOpensAnEmptyList)
{
    SetLines({""});
    AutoPopup();
    TypeText("<foo ");
    ASSERT_TRUE(Shown());
    EXPECT_TRUE(List().VisibleItems().empty());
    EXPECT_TRUE(E->ListMenuItems().empty());
    // Enter chooses nothing, closes the list and adds no line.
    Key(Qt::Key_Return);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<foo "}));
}

TEST_F(EditorListMenu, TypingNarrowsAndEnterInsertsTheUntypedRest)
{
    SetLines({"", "next line"});
    AutoPopup();
    TypeText("<td ");
    ASSERT_TRUE(Shown());
    TypeText("cl");
    EXPECT_EQ(Lines()[0], "<td cl");
    EXPECT_EQ(List().Filter(), "cl");
    EXPECT_EQ(List().VisibleItems(), (std::vector<std::string>{"class"}));
    Key(Qt::Key_Return);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<td class", "next line"}));
    EXPECT_EQ(CaretAt(), (TPoint{9, 0}));
    EXPECT_FALSE(Shown());
}

TEST_F(EditorListMenu, DoubleClickInsertsTheUntypedRestAndKeepsTheFocusInTheEditor)
{
    SetLines({""});
    AutoPopup();
    TypeText("<td c");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(List().VisibleItems(), (std::vector<std::string>{"class", "colspan"}));
    TypeText("l");
    const QPoint firstRow = List().Client()->pos() + QPoint(30, List().ListTop() + 2);
    QTest::mouseDClick(&List(), Qt::LeftButton, Qt::NoModifier, firstRow);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<td class"}));
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(E->hasFocus());
    // The editor goes on taking characters.
    TypeText("=");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<td class="}));
}

TEST_F(EditorListMenu, ListKeysMoveTheListNotTheCaretAndEscNeverReachesTheText)
{
    SetLines({"", "second", "third"});
    AutoPopup();
    int hostKeys = 0;
    E->OnKeyDown = [&](QObject*, int&, Qt::KeyboardModifiers) { ++hostKeys; };
    TypeText("<td ");
    ASSERT_TRUE(Shown());
    const TPoint caret = CaretAt();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(List().Selection(), 2);
    Key(Qt::Key_End);
    EXPECT_EQ(List().Selection(), 24);
    Key(Qt::Key_Home);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(List().Selection(), List().RowCount());
    Key(Qt::Key_Up);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(List().Selection(), 0);
    EXPECT_EQ(CaretAt(), caret);
    // Backspace goes to both: one filter character fewer, one text character fewer.
    TypeText("ro");
    EXPECT_EQ(List().VisibleItems(), (std::vector<std::string>{"rowspan"}));
    Key(Qt::Key_Backspace);
    EXPECT_EQ(List().Filter(), "r");
    EXPECT_EQ(Lines()[0], "<td r");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<td r", "second", "third"}));
    EXPECT_EQ(CaretAt(), (TPoint{5, 0}));
    // The host saw every key, the list's too.
    EXPECT_EQ(hostKeys, 4 + 2 + 5 + 2 + 1 + 1);
    // Closed, the same keys are the editor's again.
    Key(Qt::Key_Down);
    EXPECT_EQ(CaretAt(), (TPoint{5, 1}));
}

TEST_F(EditorListMenu, CtrlMenuOpensTheListAndTheContextMenuStaysShut)
{
    SetLines({"<"});
    Caret(1, 0);
    QMenu menu;
    menu.addAction("x");
    E->SetPopupMenu(&menu);
    Key(Qt::Key_Menu, Qt::ControlModifier);
    EXPECT_FALSE(Shown());
    E->Settings().SetListMenuHelper(true);
    Key(Qt::Key_Menu, Qt::ControlModifier);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(List().VisibleItems(), XhtmlElementNames());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"<"}));
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), E->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(E, &request);
    EXPECT_TRUE(request.isAccepted());
    EXPECT_FALSE(menu.isVisible());
    // While it shows, Ctrl+Menu does not fill it again.
    TypeText("t");
    Key(Qt::Key_Menu, Qt::ControlModifier);
    EXPECT_EQ(List().Filter(), "t");
}

TEST_F(EditorListMenu, ClickHidesTheListOnlyWithHideHelperOnClick)
{
    SetLines({"<td ", "second line", "third line"});
    Caret(4, 0);
    E->ShowListMenu(E->ListMenuItems());
    ASSERT_TRUE(Shown());
    QTest::mouseClick(E, Qt::LeftButton, Qt::NoModifier, CellPoint(2, 0));
    EXPECT_TRUE(Shown());
    E->Settings().SetHideHelperOnClick(true);
    QTest::mouseClick(E, Qt::LeftButton, Qt::NoModifier, CellPoint(1, 0));
    EXPECT_FALSE(Shown());
    // A click on the list itself is the list's: it selects, and the list stays.
    E->ShowListMenu(E->ListMenuItems());
    QTest::mouseClick(&List(), Qt::LeftButton, Qt::NoModifier,
                      List().Client()->pos() + QPoint(20, List().RowHeight() + 1));
    EXPECT_TRUE(Shown());
    EXPECT_EQ(List().Selection(), 1);
    EXPECT_TRUE(E->hasFocus());
}

TEST_F(EditorListMenu, ScrollingAndSelectingHideTheList)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) lines.push_back("<td line " + std::to_string(i));
    SetLines(lines);
    Caret(4, 0);
    E->ShowListMenu(E->ListMenuItems());
    ASSERT_TRUE(Shown());
    QWheelEvent wheel(CellPoint(1, 1), E->mapToGlobal(CellPoint(1, 1)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(E, &wheel);
    EXPECT_FALSE(Shown());
    E->ShowListMenu(E->ListMenuItems());
    E->VertScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_FALSE(Shown());
    Caret(4, 5);
    E->ShowListMenu(E->ListMenuItems());
    ASSERT_TRUE(Shown());
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_FALSE(Shown());
    // A caret move that does not land under the list leaves it.
    Caret(4, 5);
    E->ShowListMenu(E->ListMenuItems());
    E->SetCaretPoint({1, 5});
    EXPECT_TRUE(Shown());
    // One that does hides it.
    E->SetCaretPoint({6, 7});
    EXPECT_FALSE(Shown());
}

TEST_F(EditorListMenu, HidingRedrawsExactlyTheCoveredLinesAtEveryScrollPosition)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back("<td row " + std::to_string(i) + " of the list test");
    SetLines(lines);
    const int lh = E->LineHeight();
    const int rows = E->ClientHeight() / lh;
    const int w = E->ClientWidth();
    for (int top = 0; top <= 40 - rows; ++top) {
        for (int offset : {0, rows / 2, rows - 1}) {
            E->SetScrollPoint({0, top});
            Caret(4 + offset % 3, top + offset);
            ASSERT_EQ(E->GetScrollPoint().Y, top);
            E->ShowListMenu(E->ListMenuItems());
            ASSERT_TRUE(Shown());
            // What lay under the list is not on screen: mark the lines it covered, and the
            // lines a line away from the band, which must stay as they are. Below the last
            // line of the text there is no line to draw again.
            const QRect list = ListInClient();
            const QRect r = list.intersected(QRect(0, 0, w, std::min(E->ClientHeight(), (40 - top) * lh)));
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) E->Canvas().SetPixel(x, y, 0x123456);
            // The band: a line to spare above the list's first line and below its last.
            const int first = std::max(list.top() / lh + top - 1, 0);
            const int last = std::min((list.top() + list.height() + lh - 1) / lh + top + 1, 40);
            const int above = first - 1 - top, below = last + 1 - top;
            if (above >= 0) E->Canvas().SetPixel(w - 1, above * lh, 0x654321);
            if (below * lh < E->ClientHeight() && last + 1 < 40) E->Canvas().SetPixel(w - 1, below * lh, 0x654321);
            // The spare lines at both ends of the band are drawn again too.
            const int lastOnScreen = std::min(last, 39) - top;
            if (first >= top) E->Canvas().SetPixel(w - 1, (first - top) * lh, 0x123456);
            if (lastOnScreen * lh < E->ClientHeight()) E->Canvas().SetPixel(w - 1, lastOnScreen * lh, 0x123456);
            E->HideListMenu();
            EXPECT_FALSE(Shown());
            if (above >= 0) {
                EXPECT_EQ(E->Canvas().GetPixel(w - 1, above * lh), TColor(0x654321)) << top << " " << offset;
                E->Canvas().SetPixel(w - 1, above * lh, ColorToRGB(clWindow));
            }
            if (below * lh < E->ClientHeight() && last + 1 < 40) {
                EXPECT_EQ(E->Canvas().GetPixel(w - 1, below * lh), TColor(0x654321)) << top << " " << offset;
                E->Canvas().SetPixel(w - 1, below * lh, ColorToRGB(clWindow));
            }
            EXPECT_MATCHES_FULL_REPAINT(*E, "scrolled to " << top << ", caret " << offset << " rows down");
        }
    }
}
