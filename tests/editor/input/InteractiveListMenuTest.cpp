// The completion list on its own: the prefix filter and the visible list, the selection and
// scrolling by keys, mouse, wheel and scroll bar, the choice it reports, its pixels and its
// caret, all driven through real key and mouse events where a user would use them.
#include "editor/input/InteractiveListMenu.h"
#include "FakeServices.h"

#include "platform/KeyState.h"
#include "platform/SystemCaret.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

Items Numbered(int n)
{
    Items items;
    for (int i = 0; i < n; ++i) items.push_back("item" + std::to_string(i));
    return items;
}

struct Choice {
    std::string Item, UnTyped;
};

class ListMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<QWidget>();
        Window->setWindowFlags(Qt::FramelessWindowHint);
        Window->setGeometry(0, 0, 400, 300);
        M = new TInteractiveListMenu(Window.get());
        M->setGeometry(10, 10, 200, 120);
        M->OnItemSelected = [this](const std::string& item, const std::string& unTyped) {
            Choices.push_back({item, unTyped});
        };
        Window->show();
        (void)QTest::qWaitForWindowExposed(Window.get());
    }
    void TearDown() override
    {
        TestServices().FakeKeys.Held = std::nullopt;
        QApplication::setWheelScrollLines(3);
    }

    void Fill(const Items& items)
    {
        M->AssignItems(items);
        M->ClearFilter();
    }
    void Focus()
    {
        M->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(M->hasFocus());
    }
    void Key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(M, k, mods); }
    // A point in the client area, in the list's own coordinates.
    QPoint At(int clientX, int clientY) const { return M->Client()->pos() + QPoint(clientX, clientY); }
    void Wheel(int delta)
    {
        const QPointF pos = At(20, 20);
        QWheelEvent e(pos, M->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(M, &e);
    }
    QRgb Pixel(int x, int y) const { return M->BackingImage().pixel(x, y) & 0xFFFFFF; }
    static QRgb Rgb(TColor c) { return ToQColor(c).rgb() & 0xFFFFFF; }
    int TextHeight() const
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        TCanvas c(&scratch);
        c.Font = M->Font();
        return c.TextHeight("Hj");
    }

    std::unique_ptr<QWidget> Window;
    TInteractiveListMenu* M = nullptr;
    std::vector<Choice> Choices;
};

} // namespace

TEST_F(ListMenuTest, StartsWithItsCreationValues)
{
    TInteractiveListMenu fresh;
    EXPECT_EQ(fresh.BorderStyle(), bsSingle);
    EXPECT_TRUE(fresh.Ctl3D());
    EXPECT_EQ(fresh.Color(), clWindow);
    EXPECT_FALSE(fresh.EscCloses());
    EXPECT_EQ(fresh.Filter(), "");
    EXPECT_EQ(fresh.Indent(), 0);
    EXPECT_TRUE(fresh.Items().empty());
    EXPECT_TRUE(fresh.VisibleItems().empty());
    EXPECT_EQ(fresh.LineSpace(), 0);
    EXPECT_EQ(fresh.Selection(), 0);
    EXPECT_EQ(fresh.TopIndex(), 0);
    EXPECT_TRUE(fresh.UseCaret());
    EXPECT_FALSE(fresh.OnItemSelected);
}

TEST_F(ListMenuTest, TypedPrefixNarrowsIgnoringCaseAndEnterReportsTheUntypedRest)
{
    Fill({"Alpha", "alphabet", "Beta"});
    Focus();
    QTest::keyClicks(M, "AL");
    EXPECT_EQ(M->Filter(), "AL");
    EXPECT_EQ(M->VisibleItems(), (Items{"Alpha", "alphabet"}));
    Key(Qt::Key_Down);
    EXPECT_EQ(M->Selection(), 1);
    Key(Qt::Key_Return);
    ASSERT_EQ(Choices.size(), 1u);
    EXPECT_EQ(Choices[0].Item, "alphabet");
    EXPECT_EQ(Choices[0].UnTyped, "phabet");
    // Without EscCloses the list stays.
    EXPECT_TRUE(M->isVisible());

    // Backspace widens again and puts the selection back at the top.
    Key(Qt::Key_Backspace);
    EXPECT_EQ(M->Filter(), "A");
    EXPECT_EQ(M->VisibleItems(), (Items{"Alpha", "alphabet"}));
    EXPECT_EQ(M->Selection(), 0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(M->VisibleItems(), (Items{"Alpha", "alphabet", "Beta"}));
}

TEST_F(ListMenuTest, FilterLongerThanAnItemPassesItOnlyWhenEqualIgnoringCase)
{
    Fill({"ab", "AB", "abc", "a", "xab"});
    M->SetFilter("ab");
    EXPECT_EQ(M->VisibleItems(), (Items{"ab", "AB", "abc"}));
    M->SetFilter("aBc");
    EXPECT_EQ(M->VisibleItems(), (Items{"abc"}));
    // Accented capitals of Windows-1252 match their small letters.
    Fill({"Ångström", "åsna", "Asia"});
    M->AppendFilterChar(U'å');
    EXPECT_EQ(M->VisibleItems(), (Items{"Ångström", "åsna"}));
}

TEST_F(ListMenuTest, EmptyVisibleListIgnoresArrowsAndEnterFiresNothingButCloses)
{
    Fill({"one", "two"});
    M->SetEscCloses(true);
    Focus();
    QTest::keyClicks(M, "zz");
    EXPECT_TRUE(M->VisibleItems().empty());
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_PageUp}) {
        Key(k);
        EXPECT_EQ(M->Selection(), 0);
        EXPECT_EQ(M->TopIndex(), 0);
    }
    Key(Qt::Key_Return);
    EXPECT_TRUE(Choices.empty());
    EXPECT_FALSE(M->isVisible());
    // Hiding keeps the filter and the items.
    EXPECT_EQ(M->Filter(), "zz");
    EXPECT_EQ(M->Items().size(), 2u);
}

TEST_F(ListMenuTest, EscapeHidesOnlyWithEscCloses)
{
    Fill({"one"});
    Focus();
    Key(Qt::Key_Escape);
    EXPECT_TRUE(M->isVisible());
    M->SetEscCloses(true);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(M->isVisible());
    EXPECT_TRUE(Choices.empty());
}

TEST_F(ListMenuTest, BackspaceOnAnEmptyFilterStillReturnsToTheTop)
{
    Fill(Numbered(40));
    Focus();
    Key(Qt::Key_End);
    EXPECT_EQ(M->Selection(), 39);
    EXPECT_EQ(M->TopIndex(), 40 - M->RowCount());
    Key(Qt::Key_Backspace);
    EXPECT_EQ(M->Filter(), "");
    EXPECT_EQ(M->Selection(), 0);
    EXPECT_EQ(M->TopIndex(), 0);
    EXPECT_EQ(M->VertScrollBar()->value(), 0);
}

TEST_F(ListMenuTest, SelectionKeysScrollJustEnoughAndStopAtTheEnds)
{
    Fill(Numbered(40));
    M->SetLineSpace(3);
    Focus();
    const int rows = M->RowCount();
    ASSERT_EQ(rows, M->ClientHeight() / (TextHeight() + 3));
    ASSERT_GT(rows, 2);
    for (int i = 0; i < rows - 1; ++i) Key(Qt::Key_Down);
    EXPECT_EQ(M->Selection(), rows - 1);
    EXPECT_EQ(M->TopIndex(), 0);
    // One past the last whole row scrolls by one row.
    Key(Qt::Key_Down);
    EXPECT_EQ(M->Selection(), rows);
    EXPECT_EQ(M->TopIndex(), 1);
    Key(Qt::Key_Home);
    EXPECT_EQ(M->Selection(), 0);
    EXPECT_EQ(M->TopIndex(), 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(M->Selection(), 0);
    // Page Down from the top moves by a page of rows, Page Up back.
    Key(Qt::Key_PageDown);
    EXPECT_EQ(M->Selection(), rows);
    EXPECT_EQ(M->TopIndex(), 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(M->Selection(), 2 * rows);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(M->Selection(), rows);
    EXPECT_EQ(M->TopIndex(), rows);
    Key(Qt::Key_End);
    Key(Qt::Key_Down);
    EXPECT_EQ(M->Selection(), 39);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(M->Selection(), 39);
    EXPECT_EQ(M->TopIndex(), 40 - rows);
    // Assigned values outside the list are ignored.
    M->SetSelection(40);
    M->SetSelection(-1);
    EXPECT_EQ(M->Selection(), 39);
}

TEST_F(ListMenuTest, PaintsHeaderRuleAndAFullWidthHighlight)
{
    Fill({"Alpha", "alphabet", "Beta"});
    M->SetIndent(6);
    M->SetLineSpace(3);
    M->AppendFilterChar('a');
    M->SendKey(Qt::Key_Down);
    const int h = TextHeight();
    const int w = M->ClientWidth();
    // The rule under the header runs across the whole width in black.
    const int ruleY = h + 3 + 1;
    for (int x : {0, w / 2, w - 1}) EXPECT_EQ(Pixel(x, ruleY), 0u) << x;
    EXPECT_EQ(Pixel(w / 2, ruleY - 1), Rgb(clWindow));
    EXPECT_EQ(M->ListTop(), h + 3 + 3);
    // Header text in the highlight colour, starting at the indent.
    bool headerInk = false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x < 6) EXPECT_EQ(Pixel(x, y), Rgb(clWindow));
            if (Pixel(x, y) == Rgb(clHighlight)) headerInk = true;
        }
    EXPECT_TRUE(headerInk);
    // Row 1 is selected: filled edge to edge, the line gap too.
    const int rowHeight = h + 3;
    const int top1 = M->ListTop() + rowHeight;
    for (int y = top1; y < top1 + rowHeight; ++y) {
        EXPECT_EQ(Pixel(0, y), Rgb(clHighlight)) << y;
        EXPECT_EQ(Pixel(w - 1, y), Rgb(clHighlight)) << y;
    }
    EXPECT_EQ(Pixel(0, top1 - 1), Rgb(clWindow));
    EXPECT_EQ(Pixel(w - 1, top1 + rowHeight), Rgb(clWindow));
    // Row 0 is not: its text is drawn in the font's colour on the window colour.
    bool rowInk = false;
    for (int y = M->ListTop(); y < top1; ++y)
        for (int x = 0; x < w; ++x) {
            if (x < 6) EXPECT_EQ(Pixel(x, y), Rgb(clWindow));
            if (qGray(Pixel(x, y)) < 64) rowInk = true; // the text is smoothed, its core dark
        }
    EXPECT_TRUE(rowInk);
    // Without a filter there is no header: the first row starts at the top.
    M->ClearFilter();
    EXPECT_EQ(M->ListTop(), 0);
    for (int x : {0, w - 1}) EXPECT_EQ(Pixel(x, 0), Rgb(clHighlight));
}

TEST_F(ListMenuTest, PropertiesRepaintAtOnceWhenTheyChange)
{
    Fill({"Wide"});
    const int h = TextHeight();
    auto firstInkX = [&] {
        for (int x = 0; x < M->ClientWidth(); ++x)
            for (int y = 0; y < h; ++y)
                if (Pixel(x, y) != Rgb(clHighlight)) return x;
        return -1;
    };
    const int x0 = firstInkX();
    ASSERT_GE(x0, 0);
    M->SetIndent(20);
    EXPECT_EQ(firstInkX(), x0 + 20);
    M->SetColor(clYellow);
    EXPECT_EQ(Pixel(M->ClientWidth() - 1, M->ClientHeight() - 1), Rgb(clYellow));
    const int rowsBefore = M->RowCount();
    M->SetLineSpace(10);
    EXPECT_EQ(M->RowHeight(), h + 10);
    EXPECT_LT(M->RowCount(), rowsBefore);
    EXPECT_EQ(Pixel(0, h + 9), Rgb(clHighlight));
    EXPECT_EQ(Pixel(0, h + 10), Rgb(clYellow));
}

TEST_F(ListMenuTest, AssigningItemsAloneKeepsTheOldVisibleList)
{
    Fill({"old1", "old2"});
    M->AssignItems({"new1", "new2", "new3"});
    EXPECT_EQ(M->Items().size(), 3u);
    EXPECT_EQ(M->VisibleItems(), (Items{"old1", "old2"}));
    M->ClearFilter();
    EXPECT_EQ(M->VisibleItems(), (Items{"new1", "new2", "new3"}));
    // Its own list given back changes nothing.
    M->AssignItems(M->Items());
    EXPECT_EQ(M->Items().size(), 3u);
}

TEST_F(ListMenuTest, ClickSelectsTheRowUnderThePointerAndTheHeaderIsIgnored)
{
    Fill(Numbered(20));
    M->AppendFilterChar('i');
    const int rowHeight = M->RowHeight();
    QTest::mouseClick(M, Qt::LeftButton, Qt::NoModifier, At(50, M->ListTop() + 2 * rowHeight + 1));
    EXPECT_EQ(M->Selection(), 2);
    // The header lies above the first row: a negative index, ignored.
    QTest::mouseClick(M, Qt::LeftButton, Qt::NoModifier, At(50, 1));
    EXPECT_EQ(M->Selection(), 2);
    EXPECT_LT(M->ItemAtY(1), 0);
    // Any button selects.
    QTest::mouseClick(M, Qt::RightButton, Qt::NoModifier, At(50, M->ListTop() + 1));
    EXPECT_EQ(M->Selection(), 0);
    EXPECT_TRUE(Choices.empty());
    // With a caret the click takes the focus.
    EXPECT_TRUE(M->hasFocus());
}

TEST_F(ListMenuTest, WithoutCaretAClickLeavesTheFocusWhereItIs)
{
    auto* other = new QWidget(Window.get());
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(250, 10, 50, 50);
    other->show();
    other->setFocus();
    QApplication::processEvents();
    M->SetUseCaret(false);
    Fill(Numbered(5));
    QTest::mouseClick(M, Qt::LeftButton, Qt::NoModifier, At(50, M->RowHeight() + 1));
    EXPECT_EQ(M->Selection(), 1);
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(ListMenuTest, DoubleClickChoosesTheRowAndCloses)
{
    Fill({"class", "clear", "cite"});
    M->SetEscCloses(true);
    M->SetUseCaret(false);
    M->AppendFilterChar('c');
    M->AppendFilterChar('l');
    const QPoint second = At(40, M->ListTop() + M->RowHeight() + 1);
    QTest::mouseDClick(M, Qt::LeftButton, Qt::NoModifier, second);
    ASSERT_EQ(Choices.size(), 1u);
    EXPECT_EQ(Choices[0].Item, "clear");
    EXPECT_EQ(Choices[0].UnTyped, "ear");
    EXPECT_FALSE(M->isVisible());
}

TEST_F(ListMenuTest, WheelScrollsWholeNotchesBySystemLinesAndLeavesTheSelection)
{
    Fill(Numbered(60));
    QApplication::setWheelScrollLines(2);
    Wheel(-120);
    EXPECT_EQ(M->TopIndex(), 2);
    Wheel(-360);
    EXPECT_EQ(M->TopIndex(), 8);
    Wheel(-119);
    EXPECT_EQ(M->TopIndex(), 8);
    Wheel(240);
    EXPECT_EQ(M->TopIndex(), 4);
    EXPECT_EQ(M->Selection(), 0);
    EXPECT_EQ(M->VertScrollBar()->value(), 4);
    // Past the top the whole step is refused, not clamped.
    Wheel(600);
    EXPECT_EQ(M->TopIndex(), 4);
    // The first row drawn is the top index's.
    Fill({"only"});
    Wheel(-120);
    EXPECT_EQ(M->TopIndex(), 0);
}

TEST_F(ListMenuTest, ScrollBarCoversTheVisibleListAndItsRequestsScroll)
{
    Fill(Numbered(30));
    QScrollBar* bar = M->VertScrollBar();
    const int rows = M->RowCount();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 30 - rows);
    EXPECT_EQ(bar->pageStep(), rows);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(M->TopIndex(), 1);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(M->TopIndex(), 1 + rows);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(M->TopIndex(), rows);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(M->TopIndex(), 30 - rows);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(M->TopIndex(), 0);
    bar->setSliderPosition(7);
    EXPECT_EQ(M->TopIndex(), 7);
    EXPECT_EQ(M->Selection(), 0);
    // The filter narrows the range; a short list needs no bar, and the rows take its width.
    M->AppendFilterChar('i');
    M->AppendFilterChar('t');
    M->AppendFilterChar('e');
    M->AppendFilterChar('m');
    M->AppendFilterChar('2');
    EXPECT_EQ(M->VisibleItems().size(), 11u);
    EXPECT_EQ(bar->maximum(), 11 - M->RowCount());
    const int narrow = M->ClientWidth();
    M->AppendFilterChar('9');
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(M->ClientWidth(), narrow + bar->width());
    EXPECT_EQ(M->BackingImage().width(), M->ClientWidth());
    // A taller list holds more rows: resizing sets the page again.
    Fill(Numbered(30));
    M->resize(200, 240);
    EXPECT_EQ(bar->pageStep(), M->RowCount());
    EXPECT_GT(M->RowCount(), rows);
}

TEST_F(ListMenuTest, CharactersTypeIntoTheFilterExceptControlsAndCtrlLetters)
{
    Fill({"a1", "b2"});
    Focus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(M->hasFocus());
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(M->Filter(), "");
    // AltGr reports Ctrl and Alt together and types.
    TestServices().FakeKeys.Held = Qt::ControlModifier | Qt::AltModifier;
    M->AppendFilterChar('x');
    QTest::keyClick(M, '@', Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(M->Filter(), "x@");
    TestServices().FakeKeys.Held = Qt::ControlModifier;
    QTest::keyClick(M, 'b', Qt::ControlModifier);
    EXPECT_EQ(M->Filter(), "x@");
    TestServices().FakeKeys.Held = std::nullopt;
    M->ClearFilter();
    QTest::keyClick(M, 'B');
    EXPECT_EQ(M->Filter(), "B");
    EXPECT_EQ(M->VisibleItems(), (Items{"b2"}));
    // A host's key handler can take a key away.
    M->OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Backspace) key = 0;
    };
    Key(Qt::Key_Backspace);
    EXPECT_EQ(M->Filter(), "B");
}

TEST_F(ListMenuTest, CaretStandsAfterTheHeaderOnlyWhileAFilterIsTyped)
{
    Fill({"Alpha", "Beta"});
    M->SetIndent(6);
    Focus();
    EXPECT_EQ(SystemCaret::Owner(), M->Client());
    EXPECT_EQ(SystemCaret::Size(), QSize(2, TextHeight()));
    EXPECT_FALSE(SystemCaret::IsShown());
    // Paints while the filter is empty do not pile up hides.
    for (int i = 0; i < 5; ++i) M->Repaint();
    QTest::keyClicks(M, "Al");
    EXPECT_TRUE(SystemCaret::IsShown());
    TCanvas& c = M->Canvas();
    c.Font = M->Font();
    c.Font.Style |= fsBold;
    const int headerWidth = c.TextWidth("Filter: Al");
    EXPECT_EQ(SystemCaret::Pos(), QPoint(6 + headerWidth, 0));
    // Nor do paints with a filter.
    for (int i = 0; i < 5; ++i) M->Repaint();
    EXPECT_TRUE(SystemCaret::IsShown());
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(SystemCaret::IsShown());
    Key(Qt::Key_B);
    EXPECT_TRUE(SystemCaret::IsShown());
    // Losing the focus takes the caret away.
    auto* other = new QWidget(Window.get());
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(SystemCaret::Owner(), nullptr);
}

TEST_F(ListMenuTest, BorderStylesFrameTheClientArea)
{
    Fill({"x"});
    const QImage framed = M->grab().toImage();
    EXPECT_EQ(framed.pixel(0, 0) & 0xFFFFFF, Rgb(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(M->Client()->pos(), QPoint(2, 2));
    M->SetCtl3D(false);
    EXPECT_EQ(M->Client()->pos(), QPoint(1, 1));
    const QImage flat = M->grab().toImage();
    EXPECT_EQ(flat.pixel(0, 0) & 0xFFFFFF, Rgb(ColorToRGB(clWindowText)));
    EXPECT_EQ(flat.pixel(M->width() - 1, M->height() - 1) & 0xFFFFFF, Rgb(ColorToRGB(clWindowText)));
    M->SetBorderStyle(bsNone);
    EXPECT_EQ(M->Client()->pos(), QPoint(0, 0));
    EXPECT_EQ(M->ClientHeight(), M->height());
}

TEST_F(ListMenuTest, RowsOfNoHeightShowNothingAndSelectNothing)
{
    Fill(Numbered(5));
    M->SetLineSpace(-TextHeight());
    EXPECT_EQ(M->RowHeight(), 0);
    EXPECT_EQ(M->RowCount(), 0);
    EXPECT_EQ(Pixel(0, 0), Rgb(clWindow));
    QTest::mouseClick(M, Qt::LeftButton, Qt::NoModifier, At(20, 20));
    EXPECT_EQ(M->Selection(), 0);
    M->SendKey(Qt::Key_End);
    EXPECT_EQ(M->Selection(), 4);
}
