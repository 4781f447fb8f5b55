// The handlers that keep the picture in step with the caret, the selection and the scroll
// position: after each kind of change the incrementally drawn pixels must be exactly what a
// full repaint of the same state draws, and scrolling must move pixels rather than repaint
// while the editor is fully visible.
#include "editor/EditorFixture.h"
#include "FakeServices.h"

#include "platform/SystemCaret.h"

#include <QScrollBar>
#include <QTimer>
#include <random>

namespace {
std::string ListText(int lines, int seed = 1)
{
    std::mt19937 rng{unsigned(seed)};
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const int len = int(rng() % 45);
        std::string line = "L" + std::to_string(i) + " ";
        while (int(line.size()) < len) line += char('a' + rng() % 26), line += (rng() % 5 == 0 ? " " : "");
        if (i % 7 == 3) line.clear();
        text += line + "\r\n";
    }
    return text;
}

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        W = std::make_unique<EditorWindow>(293, 187); // neither a whole number of cells nor rows
        E().Lines().SetText(ListText(120));
        E().Repaint();
    }
    TTextEditorEx& E() { return **W; }
    void Shift(bool held) { TestServices().FakeKeys.Held = held ? std::optional(Qt::KeyboardModifiers(Qt::ShiftModifier)) : std::nullopt; }
    std::unique_ptr<EditorWindow> W;
};

// Counts full repaints by staining a pixel that only a full repaint clears... or moves.
void Stain(TTextEditorEx& e, int x, int y) { e.Canvas().SetPixel(x, y, 0x123456); }
} // namespace

TEST_F(UpdateTest, SelectionGrownAndShrunkAcrossLinesMatchesAFullRepaint)
{
    E().SetCaretPoint({5, 3});
    EXPECT_MATCHES_FULL_REPAINT(E(), "caret moved");
    Shift(true);
    const TPoint steps[] = {{9, 3}, {2, 3}, {2, 6}, {7, 9}, {0, 5}, {3, 1}, {1, 0}, {4, 3}, {5, 3}, {8, 8}};
    for (const TPoint& p : steps) {
        E().SetSelEndPoint(p);
        EXPECT_MATCHES_FULL_REPAINT(E(), "selection end at " << p.X << "," << p.Y);
    }
    // The caret moved while Shift is held: the selection is extended from the new caret.
    E().SetCaretPoint({1, 2});
    EXPECT_EQ(E().GetSelEndPoint(), (TPoint{8, 8}));
    E().SetSelEndPoint({3, 4});
    EXPECT_MATCHES_FULL_REPAINT(E(), "after the caret moved under Shift");
    // Released: the next caret move collapses the selection, and the picture follows.
    Shift(false);
    E().SetCaretPoint({2, 2});
    EXPECT_FALSE(E().HasSelection());
    EXPECT_MATCHES_FULL_REPAINT(E(), "collapsed");
    // The one-shot collapse works even with Shift held.
    Shift(true);
    E().SetSelEndPoint({6, 4});
    E().CollapseOnNextCaretMove();
    E().SetCaretPoint({0, 4});
    EXPECT_EQ(E().GetSelEndPoint(), (TPoint{0, 4}));
    EXPECT_FALSE(E().ViewState().CollapseSelection);
    EXPECT_MATCHES_FULL_REPAINT(E(), "collapsed by the one-shot flag");
}

TEST_F(UpdateTest, ScrollingByLinesColumnsAndPagesMatchesAFullRepaint)
{
    E().SetCaretPoint({3, 2});
    Shift(true);
    E().SetSelEndPoint({20, 12}); // a selection that scrolls along
    Shift(false);
    const TPoint steps[] = {{0, 1},  {0, 1},   {0, 5},  {0, -3}, {0, -4}, {1, 0},  {3, 0},  {-2, 0}, {-2, 0},
                            {2, 2},  {-1, 3},  {1, -2}, {0, 11}, {0, -11}, {0, 40}, {5, 0}, {-5, 0}, {0, 110},
                            {0, -7}, {30, 0}, {-30, 0}, {0, -140}};
    for (const TPoint& d : steps) {
        const TPoint to{std::max(0, E().GetScrollPoint().X + d.X), std::max(0, E().GetScrollPoint().Y + d.Y)};
        E().SetScrollPoint(to);
        EXPECT_FALSE(E().ViewState().NeedsFullRepaint);
        EXPECT_MATCHES_FULL_REPAINT(E(), "scrolled to " << to.X << "," << to.Y);
    }
    // Scrolling coordinate by coordinate, as scroll-into-view does.
    E().SetScrollX(4);
    E().SetScrollY(9);
    EXPECT_MATCHES_FULL_REPAINT(E(), "SetX then SetY");
}

TEST_F(UpdateTest, ScrollingMovesPixelsWhenVisibleAndRepaintsWhenCovered)
{
    const int lh = E().LineHeight();
    // A stain that only a moving copy carries along: a full repaint would remove it.
    Stain(E(), 40, 5 * lh + 3);
    E().SetScrollY(2);
    EXPECT_FALSE(E().ViewState().NeedsFullRepaint);
    EXPECT_EQ(E().Canvas().GetPixel(40, 3 * lh + 3), TColor(0x123456));

    // Another window over part of the editor, on the probe's grid point (150, 150): the probe
    // finds it and the scroll repaints.
    QWidget cover;
    cover.setWindowFlags(Qt::FramelessWindowHint);
    cover.setGeometry(E().ClientToGlobal({140, 140}).x(), E().ClientToGlobal({140, 140}).y(), 20, 20);
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    EXPECT_TRUE(E().VisibilityProbe());
    E().SetScrollY(3);
    EXPECT_TRUE(E().ViewState().NeedsFullRepaint);
    EXPECT_NE(E().Canvas().GetPixel(40, 2 * lh + 3), TColor(0x123456));
    EXPECT_MATCHES_FULL_REPAINT(E(), "covered");

    // A cover smaller than the probe grid slips between its points; a finer grid sees it.
    cover.setGeometry(E().ClientToGlobal({20, 20}).x(), E().ClientToGlobal({20, 20}).y(), 30, 30);
    QCoreApplication::processEvents();
    E().Settings().SetSpeedJump(150);
    EXPECT_FALSE(E().VisibilityProbe());
    E().Settings().SetSpeedJump(10);
    EXPECT_TRUE(E().VisibilityProbe());
    cover.hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(E().VisibilityProbe());
    // A step of 0 probes every pixel instead of looping for ever.
    E().Settings().SetSpeedJump(0);
    EXPECT_FALSE(E().VisibilityProbe());
}

TEST_F(UpdateTest, ZoomThenScrollMatchesAFullRepaint)
{
    const int cw = E().CharWidth(), lh = E().LineHeight();
    std::vector<int> sizes;
    E().OnFontSizeChange = [&](QObject* sender, int size) {
        EXPECT_EQ(sender, &E());
        sizes.push_back(size);
    };
    E().ZoomIn();
    EXPECT_GT(E().CharWidth(), cw);
    EXPECT_GT(E().LineHeight(), lh);
    EXPECT_MATCHES_FULL_REPAINT(E(), "zoomed in");
    E().SetScrollPoint({1, 3});
    EXPECT_MATCHES_FULL_REPAINT(E(), "scrolled after zoom");
    E().ZoomOut();
    E().ZoomOut();
    E().SetScrollPoint({0, 1});
    EXPECT_MATCHES_FULL_REPAINT(E(), "zoomed out and scrolled");
    EXPECT_EQ(sizes, (std::vector<int>{14, 12, 10}));
}

TEST_F(UpdateTest, RandomMixOfChangesAlwaysMatchesAFullRepaint)
{
    std::mt19937 rng(7);
    for (int step = 0; step < 300; ++step) {
        const int kind = int(rng() % 8);
        const int n = E().Lines().Count();
        const TPoint p{int(rng() % 50), int(rng() % unsigned(n))};
        const TPoint clamped{std::min(p.X, E().Lines().Length(p.Y)), p.Y};
        switch (kind) {
        case 0: Shift(false); E().SetCaretPoint(clamped); break;
        case 1: Shift(true); E().SetSelEndPoint(clamped); break;
        case 2: E().ScrollBy(int(rng() % 7) - 3, int(rng() % 11) - 5); break;
        case 3: Shift(true); E().SetCaretPoint(clamped); break;
        case 4: {
            // An edit of one line as typing does it: the store changes, the line is redrawn.
            std::string line = E().Lines()[p.Y];
            if (!line.empty() && rng() % 2) line.pop_back();
            else line += char('a' + rng() % 26);
            E().Lines().Set(p.Y, line);
            E().RedrawLine(p.Y);
            break;
        }
        case 6: E().ShowListMenu(E().ListMenuItems()); break;
        case 7: E().HideListMenu(); break;
        default: E().SetScrollPoint({int(rng() % 10), int(rng() % unsigned(n))}); break;
        }
        Shift(false);
        const QImage now = E().BackingImage().copy();
        const QRect cover = ListMenuCover(E());
        const QImage full = FullRepaintOf(E());
        ASSERT_EQ(DifferentPixels(now, full, cover), 0) << "step " << step << " kind " << kind;
    }
}

TEST_F(UpdateTest, ScrollIntoViewBringsTheCaretOnScreen)
{
    const int rows = E().ClientHeight() / E().LineHeight(), cols = E().ClientWidth() / E().CharWidth();
    E().SetCaretPoint({0, 50});
    EXPECT_EQ(E().GetScrollPoint(), (TPoint{0, 50 - rows + 1}));
    E().SetCaretPoint({0, 10});
    EXPECT_EQ(E().GetScrollPoint(), (TPoint{0, 10}));
    E().Lines().Set(10, std::string(100, 'x'));
    E().SetCaretPoint({80, 10});
    EXPECT_EQ(E().GetScrollPoint().X, 80 - cols + 1);
    E().SetCaretPoint({3, 10});
    EXPECT_EQ(E().GetScrollPoint().X, 3);
    // While NoAutoScroll is set nothing scrolls.
    E().SetNoAutoScroll(true);
    E().SetCaretPoint({0, 100});
    EXPECT_EQ(E().GetScrollPoint().Y, 10);
    E().SetNoAutoScroll(false);
    EXPECT_MATCHES_FULL_REPAINT(E(), "after scrolling into view");
}

TEST_F(UpdateTest, SelChangeIsRaisedForHandledChangesOnly)
{
    int raised = 0;
    E().OnSelChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &E());
        ++raised;
    };
    E().SetCaretPoint({2, 1}); // caret handler; the collapsed selection end stops early
    EXPECT_EQ(raised, 1);
    Shift(true);
    E().SetSelEndPoint({4, 1});
    EXPECT_EQ(raised, 2);
    E().SetSelEndPointNotify({4, 1}); // same place, same caret: nothing
    EXPECT_EQ(raised, 2);
    Shift(false);
    E().SetCaretPoint({0, 0}); // collapses: selection end handler and caret handler
    EXPECT_EQ(raised, 4);
    E().SetSelEndPointNotify({0, 0}); // empty and was empty: nothing
    EXPECT_EQ(raised, 4);
}

TEST_F(UpdateTest, ScrollBarsFollowTextAndScrollPosition)
{
    QScrollBar* v = E().VertScrollBar();
    QScrollBar* h = E().HorzScrollBar();
    const int rows = E().ClientHeight() / E().LineHeight();
    EXPECT_FALSE(v->isHidden());
    EXPECT_EQ(v->minimum(), 0);
    EXPECT_EQ(v->maximum(), 120 - 1 - (rows - 1));
    EXPECT_EQ(v->pageStep(), rows);
    E().SetScrollPoint({2, 17});
    EXPECT_EQ(v->value(), 17);
    EXPECT_EQ(h->value(), 2);
    EXPECT_TRUE(E().IsScrolling());
    EXPECT_TRUE(E().ScrollSettleTimer()->isActive());
    EXPECT_EQ(E().ScrollSettleTimer()->interval(), 1000);
    E().ScrollSettled();
    EXPECT_FALSE(E().IsScrolling());
    EXPECT_FALSE(E().ScrollSettleTimer()->isActive());

    // Scroll bar requests: a line, a page, the thumb, the ends.
    E().ScrollBarAction(Qt::Vertical, QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(E().GetScrollPoint().Y, 18);
    E().ScrollBarAction(Qt::Vertical, QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(E().GetScrollPoint().Y, 18 - rows);
    E().ScrollBarAction(Qt::Vertical, QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(E().GetScrollPoint().Y, 119); // only the last line left at the top
    E().ScrollBarAction(Qt::Vertical, QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(E().GetScrollPoint().Y, 0);
    E().ScrollBy(0, 1000);
    EXPECT_EQ(E().GetScrollPoint().Y, 120 - rows);
    E().ScrollBy(-5, -1000);
    EXPECT_EQ(E().GetScrollPoint(), (TPoint{0, 0}));

    // A text that fits in one page hides both bars; an empty text gives the range 0 to -1.
    E().Lines().SetText("short");
    EXPECT_TRUE(v->isHidden());
    EXPECT_TRUE(h->isHidden());
    E().Lines().Clear();
    EXPECT_EQ(E().MaxLineLength(), 0);
    EXPECT_TRUE(h->isHidden());
    E().Lines().SetText(std::string(200, 'w'));
    EXPECT_FALSE(h->isHidden());
    EXPECT_EQ(h->pageStep(), E().ClientWidth() / E().CharWidth());
}

TEST_F(UpdateTest, FocusCreatesTheCaretAndOverwriteModeWidensIt)
{
    E().setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(E().hasFocus());
    EXPECT_EQ(SystemCaret::Owner(), E().View());
    EXPECT_EQ(SystemCaret::Size(), QSize(2, E().LineHeight()));
    EXPECT_TRUE(SystemCaret::IsShown());
    E().SetCaretPoint({3, 2});
    EXPECT_EQ(SystemCaret::Pos(), QPoint(3 * E().CharWidth(), 2 * E().LineHeight()));
    EXPECT_TRUE(SystemCaret::IsShown()); // hides and shows balance
    E().Settings().SetOverwriteMode(true);
    EXPECT_EQ(SystemCaret::Size(), QSize(E().CharWidth(), E().LineHeight()));
    EXPECT_TRUE(SystemCaret::IsShown());
    E().SetScrollPoint({1, 1});
    EXPECT_EQ(SystemCaret::Pos(), QPoint(2 * E().CharWidth(), E().LineHeight()));
    EXPECT_TRUE(SystemCaret::IsShown());
    // A block over the character it stands on, as wide as its cells; deleting there narrows it.
    E().Lines().Set(2, "a\u4F1A");
    E().SetCaretPoint({1, 2});
    EXPECT_EQ(SystemCaret::Size(), QSize(2 * E().CharWidth(), E().LineHeight()));
    QTest::keyClick(&E(), Qt::Key_Delete);
    EXPECT_EQ(SystemCaret::Size(), QSize(E().CharWidth(), E().LineHeight())) << "past the line's end";
    EXPECT_TRUE(SystemCaret::IsShown());
    E().clearFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(SystemCaret::Owner(), nullptr);
}

TEST_F(UpdateTest, ThumbTrackingReachesLinesBeyondSixteenBits)
{
    E().Lines().Assign(std::vector<std::string>(100000, "x"));
    QScrollBar* v = E().VertScrollBar();
    v->setSliderPosition(70000);
    E().ScrollBarAction(Qt::Vertical, QAbstractSlider::SliderMove);
    EXPECT_EQ(E().GetScrollPoint().Y, 70000);
    EXPECT_EQ(v->value(), 70000);
    EXPECT_MATCHES_FULL_REPAINT(E(), "after tracking the thumb");
}

// Jumps of the selection's end across a long text draw only what is on screen; the picture is
// the one a full repaint gives, at both ends and after jumping back.
TEST_F(UpdateTest, WholeTextSelectionJumpsMatchAFullRepaint)
{
    E().Lines().SetText(ListText(3000, 5));
    E().SetCaretPoint({2, 40});
    E().Repaint();
    const Qt::KeyboardModifiers jump = Qt::ShiftModifier | Qt::ControlModifier;
    for (int round = 0; round < 2; ++round) {
        QTest::keyClick(&E(), Qt::Key_End, jump);
        EXPECT_EQ(E().GetSelEndPoint(), (TPoint{E().Lines().Length(2999), 2999}));
        EXPECT_MATCHES_FULL_REPAINT(E(), "at the end, round " << round);
        QTest::keyClick(&E(), Qt::Key_Home, jump);
        EXPECT_EQ(E().GetSelEndPoint(), (TPoint{0, 0}));
        EXPECT_MATCHES_FULL_REPAINT(E(), "at the start, round " << round);
        // Scrolled away and back by less than a screen, then more than one.
        E().ScrollBy(3, 20);
        EXPECT_MATCHES_FULL_REPAINT(E(), "scrolled by part of a screen, round " << round);
        E().ScrollBy(-3, 1500);
        EXPECT_MATCHES_FULL_REPAINT(E(), "scrolled by many screens, round " << round);
        QTest::keyClick(&E(), Qt::Key_Right, jump);
        EXPECT_MATCHES_FULL_REPAINT(E(), "a word further, round " << round);
    }
}

// A fallback font draws the tops of some wide characters a pixel above their line, over the
// line above: redrawing only that line (typing in it, selecting on it, scrolling it back into
// view by a line or a column) must not cut them off.
TEST_F(UpdateTest, InkAboveALineOfWideCharactersSurvivesRedrawingTheLineAbove)
{
    std::string wide;
    for (int i = 0; i < 30; ++i) wide += "\u4F1A\u4E89";
    E().Lines().Assign({wide, "", wide, "a" + wide, wide});
    E().Repaint();
    const QImage full = E().BackingImage().copy();
    int inkOnLineAbove = 0;
    for (int x = 0; x < full.width(); ++x) inkOnLineAbove += full.pixel(x, 2 * E().LineHeight() - 1) != full.pixel(x, 0);
    ASSERT_GT(inkOnLineAbove, 0) << "no installed font draws these above their line";
    const std::function<void()> steps[] = {
        [&] { E().SetCaretPoint({0, 1}), QTest::keyClick(&E(), 'x'); }, [&] { QTest::keyClick(&E(), 'y'); },
        [&] { QTest::keyClick(&E(), Qt::Key_Home), QTest::keyClick(&E(), 'z'); },
        [&] { QTest::keyClick(&E(), Qt::Key_End), QTest::keyClick(&E(), Qt::Key_Backspace); },
        [&] { Shift(true), E().SetSelEndPoint({0, 1}), Shift(false); }, [&] { E().SetCaretPoint({1, 1}); },
        [&] { E().SetScrollPoint({0, 2}), E().SetScrollPoint({0, 1}); },
        [&] { E().SetScrollPoint({3, 0}), E().SetScrollPoint({2, 0}); }};
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i]();
        EXPECT_MATCHES_FULL_REPAINT(E(), "step " << i);
    }
}
