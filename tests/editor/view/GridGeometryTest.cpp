// The text grid's arithmetic on its own: cells shown, the cell under a pixel, scrolling a
// position into view, and the rows a band of pixels touches.
#include "editor/view/GridGeometry.h"

#include <QAbstractSlider>

#include <gtest/gtest.h>

namespace {
// 80 x 45 pixels of 8 x 10 cells: 10 whole columns, 4 whole rows and a half one.
const TGridGeometry G{80, 45, 8, 10};
} // namespace

TEST(GridGeometry, CountsWholeAndTouchedCellsAndNothingBeforeTheCellsAreMeasured)
{
    EXPECT_EQ(G.Cols(), 10);
    EXPECT_EQ(G.Rows(), 4);
    EXPECT_EQ(G.RowsTouched(), 5);
    const TGridGeometry unmeasured{80, 45, 0, 0};
    EXPECT_EQ(unmeasured.Cols(), 0);
    EXPECT_EQ(unmeasured.Rows(), 0);
    EXPECT_EQ(unmeasured.RowsTouched(), 0);
    EXPECT_EQ(unmeasured.CellAt(50, 30, {3, 7}), (TPoint{0, 0}));
}

TEST(GridGeometry, APixelFallsBeforeOrAfterItsCellByWhichHalfItIsIn)
{
    EXPECT_EQ(G.CellAt(0, 0, {0, 0}), (TPoint{0, 0}));
    EXPECT_EQ(G.CellAt(3, 9, {0, 0}), (TPoint{0, 0}));
    EXPECT_EQ(G.CellAt(4, 10, {0, 0}), (TPoint{1, 1}));
    EXPECT_EQ(G.CellAt(19, 44, {0, 0}), (TPoint{2, 4}));
    // Scrolled: cells count from the scroll position.
    EXPECT_EQ(G.CellAt(12, 25, {5, 100}), (TPoint{7, 102}));
    // Left of or above the client area: the very start of the text, not a cell before it.
    EXPECT_EQ(G.CellAt(-20, 25, {5, 100}), (TPoint{0, 0}));
    EXPECT_EQ(G.CellAt(12, -11, {5, 100}), (TPoint{0, 0}));
    // Truncation toward zero keeps a pixel just above the area on the top row.
    EXPECT_EQ(G.CellAt(12, -5, {5, 100}), (TPoint{7, 100}));
}

TEST(GridGeometry, ScrollingIntoViewMovesAsLittleAsPossible)
{
    // Already in view: nothing moves.
    EXPECT_EQ(G.ScrollToShow({5, 10}, {5, 10}), (TPoint{5, 10}));
    EXPECT_EQ(G.ScrollToShow({5, 10}, {14, 13}), (TPoint{5, 10}));
    // Left and above: the position becomes the top-left cell.
    EXPECT_EQ(G.ScrollToShow({5, 10}, {2, 3}), (TPoint{2, 3}));
    // Right and below: it becomes the last whole column and row.
    EXPECT_EQ(G.ScrollToShow({5, 10}, {15, 14}), (TPoint{6, 11}));
    EXPECT_EQ(G.ScrollToShow({0, 0}, {100, 1000}), (TPoint{91, 997}));
    // A negative coordinate leaves its side alone.
    EXPECT_EQ(G.ScrollToShow({5, 10}, {-1, -1}), (TPoint{5, 10}));
    // Unmeasured cells never scroll right or down.
    EXPECT_EQ((TGridGeometry{80, 45, 0, 0}.ScrollToShow({5, 10}, {50, 50})), (TPoint{5, 10}));
}

TEST(GridGeometry, ABandOfPixelsTouchesTheRowsItReachesIntoRoundedOutward)
{
    int first = 0, last = 0;
    G.RowsOfBand(0, 10, first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 1);
    G.RowsOfBand(15, 31, first, last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 4);
    // Above the client area (a list placed partly above it).
    G.RowsOfBand(-15, -5, first, last);
    EXPECT_EQ(first, -2);
    EXPECT_EQ(last, 0);
    G.RowsOfBand(-20, -10, first, last);
    EXPECT_EQ(first, -2);
    EXPECT_EQ(last, -1);
}

TEST(GridGeometry, AScrollBarsRequestIsAStepAPageTheThumbsMoveOrAnEnd)
{
    const auto ask = [](int action) {
        const auto r = ScrollBarRequest(action, 24, 40000, 99999);
        return r ? std::make_pair(r->Relative, r->Move) : std::make_pair(false, -1);
    };
    EXPECT_EQ(ask(QAbstractSlider::SliderSingleStepAdd), std::make_pair(true, 1));
    EXPECT_EQ(ask(QAbstractSlider::SliderSingleStepSub), std::make_pair(true, -1));
    EXPECT_EQ(ask(QAbstractSlider::SliderPageStepAdd), std::make_pair(true, 24));
    EXPECT_EQ(ask(QAbstractSlider::SliderPageStepSub), std::make_pair(true, -24));
    // The thumb's whole move, past 16 bits.
    EXPECT_EQ(ask(QAbstractSlider::SliderMove), std::make_pair(true, 40000));
    EXPECT_EQ(ask(QAbstractSlider::SliderToMinimum), std::make_pair(false, 0));
    EXPECT_EQ(ask(QAbstractSlider::SliderToMaximum), std::make_pair(false, 99999));
    EXPECT_FALSE(ScrollBarRequest(QAbstractSlider::SliderNoAction, 24, 0, 10).has_value());
}
