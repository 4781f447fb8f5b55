#include "controls/RightWrongDoneIndicator.h"

#include "Pixels.h"

#include <QWidget>
#include <climits>
#include <gtest/gtest.h>
#include <tuple>

namespace {
class CountingIndicator : public TRightWrongDoneIndicator {
public:
    using TRightWrongDoneIndicator::TRightWrongDoneIndicator;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TRightWrongDoneIndicator::Paint();
    }
};

constexpr TColor Back = 0x203040;

// The drill window's bar: 337 x 37, green and red runs, on its own background colour.
struct Bar {
    CountingIndicator I;
    Bar(int w = 337, int h = 37)
    {
        I.resize(w, h);
        I.SetColor(Back);
        I.SetRightColor(clGreen);
        I.SetWrongColor(clRed);
    }
    void Set(int total, int right, int wrong)
    {
        I.SetNumTotal(total);
        I.SetNumRight(right);
        I.SetNumWrong(wrong);
    }
    TColor Px(int x, int y) { return I.Canvas().GetPixel(x, y); }
    // The colours along the middle row from column 1 to the frame's right outline, as runs.
    std::vector<std::pair<TColor, int>> MiddleRuns()
    {
        std::vector<std::pair<TColor, int>> runs;
        const int y = I.height() / 2;
        for (int x = 0; x < I.width(); ++x) {
            const TColor c = Px(x, y);
            if (!runs.empty() && runs.back().first == c) ++runs.back().second;
            else runs.push_back({c, 1});
        }
        return runs;
    }
};

using Runs = std::vector<std::pair<TColor, int>>;
} // namespace

TEST(RightWrongDoneIndicator, StartsWithZeroCountsBlackRunsAndTheParentsColour)
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::black);
    parent.setPalette(pal);
    TRightWrongDoneIndicator i(&parent);
    // The counts (total, right, wrong), then the colours (right, wrong, its own).
    EXPECT_EQ(std::tuple(i.NumTotal(), i.NumRight(), i.NumWrong()), std::tuple(0, 0, 0));
    EXPECT_EQ(std::tuple(i.RightColor(), i.WrongColor(), i.Color()), std::tuple(clBlack, clBlack, clBlack));
}

TEST(RightWrongDoneIndicator, EmptyBarShowsTheFrameOnColumnWMinus2AndRowHMinus2)
{
    Bar b;
    b.Set(4, 0, 0);
    // Outline: column 0, column W - 2, row 0, row H - 2.
    for (int y = 0; y <= 35; ++y) {
        EXPECT_EQ(b.Px(0, y), clWhite) << y;
        EXPECT_EQ(b.Px(335, y), clWhite) << y;
    }
    for (int x = 0; x <= 335; ++x) {
        EXPECT_EQ(b.Px(x, 0), clWhite) << x;
        EXPECT_EQ(b.Px(x, 35), clWhite) << x;
    }
    // The last column and row are left in the control's colour.
    EXPECT_EQ(b.Px(336, 10), Back);
    EXPECT_EQ(b.Px(10, 36), Back);
    EXPECT_EQ(b.Px(336, 36), Back);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {Back, 334}, {clWhite, 1}, {Back, 1}}));
}

TEST(RightWrongDoneIndicator, AQuarterRightAndAQuarterWrongOn337PixelsEndAt85And168)
{
    Bar b;
    b.Set(4, 1, 1);
    // xR = Round(84.75) = 85, xW = Round(168.5) = 168: the half goes to the even neighbour.
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {clGreen, 84}, {clRed, 83}, {Back, 167}, {clWhite, 1}, {Back, 1}}));
    const PixelReader px = [&](int x, int y) { return b.Px(x, y); };
    ExpectColourAt(px, clGreen, {{84, 1}});
    ExpectColourAt(px, clRed, {{85, 1}, {167, 34}});
    ExpectColourAt(px, Back, {{168, 34}});
    // The runs stay inside the frame's rows.
    ExpectColourAt(px, clWhite, {{50, 0}, {50, 35}});
}

TEST(RightWrongDoneIndicator, RunEndsRoundHalvesToEven)
{
    EXPECT_EQ(TRightWrongDoneIndicator::RunEnd(1, 4, 337), 85);
    EXPECT_EQ(TRightWrongDoneIndicator::RunEnd(2, 4, 337), 168);  // 168.5
    EXPECT_EQ(TRightWrongDoneIndicator::RunEnd(1, 2, 339), 170);  // 169.5 -> 170
    EXPECT_EQ(TRightWrongDoneIndicator::RunEnd(1, 2, 341), 170);  // 170.5 -> 170
    EXPECT_EQ(TRightWrongDoneIndicator::RunEnd(0, 7, 337), 1);
    EXPECT_EQ(TRightWrongDoneIndicator::RunEnd(7, 7, 337), 336);
}

TEST(RightWrongDoneIndicator, AFullBarCoversTheRightOutline)
{
    Bar b;
    b.Set(3, 3, 0);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {clGreen, 335}, {Back, 1}}));
    EXPECT_EQ(b.Px(335, 1), clGreen);
    EXPECT_EQ(b.Px(335, 0), clWhite);
    EXPECT_EQ(b.Px(335, 35), clWhite);

    b.Set(3, 1, 2);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {clGreen, 112}, {clRed, 223}, {Back, 1}}));
}

TEST(RightWrongDoneIndicator, AnOverfullBarIsClippedAtTheControlsEdge)
{
    Bar b;
    b.Set(2, 2, 3);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {clGreen, 335}, {clRed, 1}}));
    // Counts far beyond any width, and negative ones, still paint without failing.
    b.Set(1, INT_MAX, INT_MAX);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {clGreen, 336}}));
    b.Set(1, INT_MIN, INT_MIN);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {Back, 334}, {clWhite, 1}, {Back, 1}}));
    // A negative right count starts the wrong run left of the frame.
    b.Set(4, -1, 2);
    EXPECT_EQ(b.MiddleRuns(), (Runs{{clRed, 85}, {Back, 250}, {clWhite, 1}, {Back, 1}}));
}

TEST(RightWrongDoneIndicator, NoPositiveTotalPaintsFrameAndBackgroundOnly)
{
    for (int total : {0, -5}) {
        Bar b;
        b.Set(total, 3, 2);
        EXPECT_EQ(b.MiddleRuns(), (Runs{{clWhite, 1}, {Back, 334}, {clWhite, 1}, {Back, 1}})) << total;
    }
}

TEST(RightWrongDoneIndicator, EachNewValueRepaintsOnceAndTheSameValueNotAtAll)
{
    Bar b;
    b.Set(4, 1, 1);
    const int paints = b.I.Paints;
    b.Set(4, 1, 1);
    b.I.SetRightColor(clGreen);
    b.I.SetWrongColor(clRed);
    b.I.SetColor(Back);
    EXPECT_EQ(b.I.Paints, paints);

    // Three assignments, three paints, each showing the values set so far.
    std::vector<Runs> seen;
    b.I.SetNumTotal(2);
    seen.push_back(b.MiddleRuns());
    b.I.SetNumRight(2);
    seen.push_back(b.MiddleRuns());
    b.I.SetNumWrong(0);
    seen.push_back(b.MiddleRuns());
    EXPECT_EQ(b.I.Paints, paints + 3);
    EXPECT_EQ(seen[0], (Runs{{clWhite, 1}, {clGreen, 167}, {clRed, 168}, {Back, 1}}));  // 1 and 1 of 2
    EXPECT_EQ(seen[1], (Runs{{clWhite, 1}, {clGreen, 335}, {clRed, 1}}));               // 2 and 1 of 2
    EXPECT_EQ(seen[2], (Runs{{clWhite, 1}, {clGreen, 335}, {Back, 1}}));

    b.I.SetRightColor(clBlue);
    EXPECT_EQ(b.I.Paints, paints + 4);
    EXPECT_EQ(b.Px(10, 10), clBlue);
}
