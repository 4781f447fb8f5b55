#include "editor/ruler/Ruler.h"
#include "editor/TextEditorEx.h"

#include "FakeServices.h"
#include "platform/Pointer.h"

#include <QBitmap>
#include <QTest>
#include <gtest/gtest.h>

using namespace RulerLayout;

// The cursors live in an object library that a test program only keeps when something
// refers to it.
static const int ResourcesLoaded = [] {
    Q_INIT_RESOURCE(resources);
    return 1;
}();

TEST(RulerLayout, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1.5L), 2);
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(3.5L), 4);
    EXPECT_EQ(RoundHalfEven(2.4999L), 2);
    EXPECT_EQ(RoundHalfEven(2.5001L), 3);
    EXPECT_EQ(RoundHalfEven(254.5L), 254);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(-1.5L), -2);
}

TEST(RulerLayout, GradientColumnsStepFromTheLeftColourToTheRightOne)
{
    // One step per column exactly: column x is 10 + x in red, 200 - 2x in blue.
    const TColor from = RGB(10, 50, 200), to = RGB(43, 50, 134);
    for (int x = 0; x <= 33; ++x) EXPECT_EQ(GradientColumn(from, to, x, 33), RGB(10 + x, 50, 200 - 2 * x)) << x;

    // Half steps: 0.5 and 2.5 go down to the even neighbour, 1.5 up to it.
    EXPECT_EQ(GradientColumn(RGB(0, 0, 0), RGB(2, 6, 10), 1, 4), RGB(0, 2, 2));
    EXPECT_EQ(GradientColumn(RGB(0, 0, 0), RGB(2, 6, 10), 3, 4), RGB(2, 4, 8));
    EXPECT_EQ(GradientColumn(RGB(11, 0, 0), RGB(12, 0, 0), 1, 2), RGB(12, 0, 0));
    EXPECT_EQ(GradientColumn(RGB(10, 0, 0), RGB(11, 0, 0), 1, 2), RGB(10, 0, 0));

    // Thirds do not add up to halves: 1/3 of 255 and so on round to the nearest.
    EXPECT_EQ(GradientColumn(RGB(0, 0, 0), RGB(255, 255, 255), 1, 3), RGB(85, 85, 85));
    EXPECT_EQ(GradientColumn(RGB(0, 0, 0), RGB(100, 100, 100), 1, 3), RGB(33, 33, 33));
    EXPECT_EQ(GradientColumn(RGB(0, 0, 0), RGB(100, 100, 100), 2, 3), RGB(67, 67, 67));

    // No width, no steps: nothing divides by zero and every column is the left colour.
    EXPECT_EQ(GradientColumn(RGB(1, 2, 3), RGB(200, 200, 200), 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(GradientColumn(RGB(1, 2, 3), RGB(200, 200, 200), 1, 0), RGB(1, 2, 3));
}

TEST(RulerLayout, ContrastColourReadsOnTheSurfaceBehindTheNumbers)
{
    // The right-hand end of a gradient decides, or the plain colour of a solid surface.
    EXPECT_EQ(ContrastColor(stGradient, clBlack, clWhite), clBlack);
    EXPECT_EQ(ContrastColor(stGradient, clWhite, clBlack), clWhite);
    EXPECT_EQ(ContrastColor(stSolid, clBlack, clWhite), clWhite);
    // Brightness 128 is light, 127 dark.
    EXPECT_EQ(ContrastColor(stSolid, RGB(128, 128, 128), clBlack), clBlack);
    EXPECT_EQ(ContrastColor(stSolid, RGB(127, 128, 127), clBlack), clWhite);
    EXPECT_EQ(ContrastColor(stSolid, RGB(0, 129, 255), clBlack), clBlack);
}

TEST(RulerLayout, OnlyWholeRowsAreNumberedAndTheSpacingCountsRowsOnScreen)
{
    EXPECT_EQ(WholeRows(431, 16), 26);
    EXPECT_EQ(WholeRows(15, 16), 0);
    EXPECT_EQ(WholeRows(100, 0), 0);
    EXPECT_EQ(WholeRows(100, -5), 0);
    EXPECT_EQ(WholeRows(0, 16), 0);

    EXPECT_EQ(NumberedRows(4, 1), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(NumberedRows(7, 3), (std::vector<int>{3, 6}));
    EXPECT_EQ(NumberedRows(5, 2), (std::vector<int>{2, 4}));
    EXPECT_EQ(NumberedRows(6, -2), (std::vector<int>{2, 4, 6}));
    EXPECT_TRUE(NumberedRows(6, 0).empty());
    EXPECT_TRUE(NumberedRows(0, 1).empty());

    EXPECT_EQ(NumberLeft(33, 10), 33 - 10 - 8);
    EXPECT_EQ(NumberLeft(0, 7), -7);
}

namespace {
// An editor with a ruler at its left, as a window lays them out.
struct Gutter {
    QWidget Host;
    TTextEditorEx* Editor = new TTextEditorEx(&Host);
    TRuler* Ruler = new TRuler(&Host);

    explicit Gutter(int lines = 60)
    {
        Host.resize(400, 300);
        Editor->setGeometry(33, 0, 300, 260);
        Ruler->SetTextEditorEx(Editor);
        Editor->SetRuler(Ruler);
        std::string text;
        for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i + 1) + (i + 1 < lines ? "\r\n" : "");
        Editor->InsertText(text);
        Host.show();
        QCoreApplication::processEvents();
        // Back to the top, and past the scrolling that typing the text caused.
        Editor->SetCaretPoint({0, 0});
        Editor->ScrollSettled();
    }
    int Lh() const { return Editor->LineHeight(); }
    int Rows() const { return Ruler->height() / Lh(); }
    TColor Px(int x, int y) const { return FromQColor(QColor(Ruler->BackingImage().pixel(x, y))); }
    // Rows after scrolling, once the settle timer has done its work.
    void ScrollTo(int line)
    {
        Editor->SetScrollY(line);
        Editor->ScrollSettled();
    }
};

// The text a row of a solid white ruler should show, drawn the way the window describes it:
// right-aligned a quarter of the width from the right edge, clipped to the row.
QImage ExpectedRow(const TRuler& r, int row, int lh, const std::string& text, TFont font)
{
    QImage img(r.width(), r.height(), QImage::Format_RGB32);
    img.fill(Qt::white);
    TCanvas c(&img);
    c.Font = font;
    c.Brush.Style = bsClear;
    const int w = r.width();
    if (!text.empty())
        c.TextRect(Rect(0, (row - 1) * lh, w, row * lh), w - c.TextWidth(text) - w / 4, (row - 1) * lh, text);
    return img.copy(0, (row - 1) * lh, w, lh);
}

QImage RowOf(const TRuler& r, int row, int lh) { return r.BackingImage().copy(0, (row - 1) * lh, r.width(), lh); }

bool RowIsBlank(const TRuler& r, int row, int lh, TColor background)
{
    const QImage band = RowOf(r, row, lh);
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < band.width(); ++x)
            if ((band.pixel(x, y) & 0xFFFFFF) != (ToQColor(background).rgb() & 0xFFFFFF)) return false;
    return true;
}

TFont BlackNumbers(const TRuler& r)
{
    TFont f = r.Font();
    f.Color = clBlack;
    return f;
}
// A ruler with no editor, in a window of its own, its gradient running from `left` to `right`.
struct GradientRuler {
    QWidget Host;
    TRuler R{&Host};
    GradientRuler(int width, int height, TColor left, TColor right)
    {
        R.setGeometry(0, 0, width, height);
        R.SetColor(left);
        R.SetGradientColor(right);
    }
};
} // namespace

TEST(Ruler, StartsWithItsDesignedLookAndTheMirroredArrowCursor)
{
    TRuler r;
    EXPECT_EQ(r.width(), 33);
    EXPECT_EQ(r.height(), 480);
    EXPECT_EQ(r.Font().Name, "Arial Narrow");
    EXPECT_EQ(r.Font().Size(), 10);
    EXPECT_EQ(r.Font().Style, TFontStyles(fsBold));
    EXPECT_EQ(r.Font().Color, clBlack);
    EXPECT_EQ(r.SurfaceType(), stGradient);
    EXPECT_EQ(r.Color(), clBtnShadow);
    EXPECT_EQ(r.GradientColor(), clBtnFace);
    EXPECT_TRUE(r.ShowLineNumbers());
    EXPECT_EQ(r.LineNumberEvery(), 1);
    EXPECT_FALSE(r.UseEditorFont());
    EXPECT_EQ(r.TextEditorEx(), nullptr);

    const QCursor cur = r.cursor();
    EXPECT_EQ(cur.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cur.hotSpot(), QPoint(20, 5));
    EXPECT_EQ(CustomCursor(11).hotSpot(), QPoint(20, 5));
    const QImage img = cur.pixmap().toImage();
    ASSERT_EQ(img.size(), QSize(32, 32));
    // The tip is the hot spot, at the upper right of the arrow: nothing lies above it or to
    // its right, and the arrow's body spreads down and to the left.
    EXPECT_EQ(qAlpha(img.pixel(20, 5)), 255);
    EXPECT_EQ(img.pixel(20, 5) & 0xFFFFFF, 0u);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (y < 5 || x > 20) EXPECT_EQ(qAlpha(img.pixel(x, y)), 0) << x << "," << y;
    EXPECT_GT(qAlpha(img.pixel(12, 14)), 0);
}

TEST(Ruler, WithoutAnEditorTheGradientFillsEveryColumnAndNoNumberIsDrawn)
{
    GradientRuler g(33, 100, RGB(10, 50, 200), RGB(43, 50, 134));
    TRuler& r = g.R;
    r.Repaint();
    const QImage& img = r.BackingImage();
    for (int x = 0; x < 33; ++x)
        for (int y : {0, 50, 99}) EXPECT_EQ(img.pixel(x, y) & 0xFFFFFF, ToQColor(RGB(10 + x, 50, 200 - 2 * x)).rgb() & 0xFFFFFF) << x;

    // A click has nothing to select.
    QTest::mouseClick(&r, Qt::LeftButton, {}, QPoint(5, 5));
    // Solid: the colour itself everywhere.
    r.SetSurfaceType(stSolid);
    for (int x = 0; x < 33; ++x) EXPECT_EQ(img.pixel(x, 40) & 0xFFFFFF, ToQColor(RGB(10, 50, 200)).rgb() & 0xFFFFFF);
}

TEST(Ruler, HalfStepsOfTheGradientRoundToEven)
{
    GradientRuler g(4, 10, RGB(0, 0, 0), RGB(2, 6, 10));
    const QImage& img = g.R.BackingImage();
    const QRgb expected[4] = {qRgb(0, 0, 0), qRgb(0, 2, 2), qRgb(1, 3, 5), qRgb(2, 4, 8)};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(img.pixel(x, 3) & 0xFFFFFF, expected[x] & 0xFFFFFF) << x;
}

TEST(Ruler, AssigningAPropertyRepaintsAtOnceAndTheContrastColourFollowsTheSurface)
{
    QWidget host;
    TRuler r(&host);
    r.setGeometry(0, 0, 33, 60);
    r.SetSurfaceType(stSolid);
    r.SetColor(clWhite);
    // Painted without any event being processed.
    EXPECT_EQ(r.BackingImage().pixel(16, 30) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(r.Font().Color, clBlack);
    r.SetColor(RGB(20, 20, 20));
    EXPECT_EQ(r.BackingImage().pixel(16, 30) & 0xFFFFFF, qRgb(20, 20, 20) & 0xFFFFFF);
    EXPECT_EQ(r.Font().Color, clWhite);
    // A gradient reads its right-hand end.
    r.SetSurfaceType(stGradient);
    r.SetGradientColor(RGB(250, 250, 250));
    EXPECT_EQ(r.Font().Color, clBlack);
}

TEST(Ruler, NumbersEveryRowRightAlignedAQuarterInFromTheRightEdge)
{
    Gutter g;
    g.Ruler->SetSurfaceType(stSolid);
    g.Ruler->SetColor(clWhite);
    ASSERT_EQ(g.Ruler->x(), 0);
    ASSERT_EQ(g.Ruler->height(), 260);
    const int lh = g.Lh();
    ASSERT_GT(lh, 0);
    const int rows = g.Rows();
    for (int i = 1; i <= rows; ++i)
        EXPECT_EQ(RowOf(*g.Ruler, i, lh), ExpectedRow(*g.Ruler, i, lh, std::to_string(i), BlackNumbers(*g.Ruler))) << i;
    // The partly visible last row gets no number.
    if (rows * lh < g.Ruler->height()) {
        const QImage tail = g.Ruler->BackingImage().copy(0, rows * lh, 33, g.Ruler->height() - rows * lh);
        for (int y = 0; y < tail.height(); ++y)
            for (int x = 0; x < 33; ++x) EXPECT_EQ(tail.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
    }
}

TEST(Ruler, EveryThirdRowScrolledToLineTenShowsThirteenAndSixteen)
{
    Gutter g;
    g.Ruler->SetSurfaceType(stSolid);
    g.Ruler->SetColor(clWhite);
    g.Ruler->SetLineNumberEvery(3);
    g.ScrollTo(10);
    const int lh = g.Lh();
    ASSERT_GE(g.Rows(), 6);
    const TFont f = BlackNumbers(*g.Ruler);
    EXPECT_EQ(RowOf(*g.Ruler, 3, lh), ExpectedRow(*g.Ruler, 3, lh, "13", f));
    EXPECT_EQ(RowOf(*g.Ruler, 6, lh), ExpectedRow(*g.Ruler, 6, lh, "16", f));
    for (int i : {1, 2, 4, 5, 7, 8}) EXPECT_TRUE(RowIsBlank(*g.Ruler, i, lh, clWhite)) << i;

    // Counting rows, not line numbers: one line further, the numbered lines shift with it.
    g.ScrollTo(11);
    EXPECT_EQ(RowOf(*g.Ruler, 3, lh), ExpectedRow(*g.Ruler, 3, lh, "14", f));
}

TEST(Ruler, WhileTheEditorScrollsOnlyTheEndsAreNumberedOnThePlainColour)
{
    Gutter g;
    g.Ruler->SetColor(RGB(250, 250, 250));
    g.Ruler->SetGradientColor(RGB(255, 255, 255));
    // Scrolling: plain Color, whatever the surface type, and only the first and last rows.
    g.Editor->SetScrollY(5);
    ASSERT_TRUE(g.Editor->IsScrolling());
    const int lh = g.Lh(), rows = g.Rows();
    EXPECT_EQ(g.Px(32, 1), RGB(250, 250, 250));
    TFont f = BlackNumbers(*g.Ruler);
    auto expectedOn = [&](int row, const std::string& text) {
        QImage e = ExpectedRow(*g.Ruler, row, lh, text, f);
        // Same drawing over the plain colour instead of white.
        QImage bg(e.size(), QImage::Format_RGB32);
        bg.fill(QColor(250, 250, 250));
        TCanvas c(&bg);
        c.Font = f;
        c.Brush.Style = bsClear;
        c.TextRect(Rect(0, 0, 33, lh), 33 - c.TextWidth(text) - 33 / 4, 0, text);
        return bg;
    };
    EXPECT_EQ(RowOf(*g.Ruler, 1, lh), expectedOn(1, "6"));
    EXPECT_EQ(RowOf(*g.Ruler, rows, lh), expectedOn(rows, std::to_string(5 + rows)));
    for (int i = 2; i < rows; ++i) EXPECT_TRUE(RowIsBlank(*g.Ruler, i, lh, RGB(250, 250, 250))) << i;

    // A second after the last step the settle timer brings back the gradient and all numbers.
    TestServices().FakeClock.Advance(999);
    EXPECT_TRUE(g.Editor->IsScrolling());
    TestServices().FakeClock.Advance(1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(g.Editor->IsScrolling());
    EXPECT_EQ(g.Px(32, 1), RGB(255, 255, 255));
    EXPECT_FALSE(RowIsBlank(*g.Ruler, 2, lh, RGB(250, 250, 250)));
}

TEST(Ruler, ALeftClickSelectsTheLineBesideItAndBelowTheTextNothing)
{
    Gutter g(4);
    const int lh = g.Lh();
    QTest::mouseClick(g.Ruler, Qt::LeftButton, {}, QPoint(10, 2 * lh + lh / 2));
    ASSERT_TRUE(g.Editor->HasSelection());
    EXPECT_EQ(g.Editor->GetSelText().substr(0, 6), "line 3");
    TPoint s, e;
    g.Editor->GetSelection(s, e);
    EXPECT_EQ(s.Y, 2);
    EXPECT_EQ(s.X, 0);

    // Row 8 has no line: the selection stays as it was.
    QTest::mouseClick(g.Ruler, Qt::LeftButton, {}, QPoint(10, 7 * lh + 1));
    TPoint s2, e2;
    g.Editor->GetSelection(s2, e2);
    EXPECT_EQ(s2, s);
    EXPECT_EQ(e2, e);

    // The right button selects nothing and opens nothing.
    g.Editor->Clear();
    g.Editor->InsertText("a\r\nb\r\nc");
    g.Editor->SetCaretPoint({0, 0});
    QTest::mouseClick(g.Ruler, Qt::RightButton, {}, QPoint(10, lh + 1));
    EXPECT_FALSE(g.Editor->HasSelection());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Scrolled, the rows follow the editor's first visible line.
    Gutter h(40);
    h.ScrollTo(20);
    QTest::mouseClick(h.Ruler, Qt::LeftButton, {}, QPoint(3, 1));
    EXPECT_EQ(h.Editor->GetSelText().substr(0, 7), "line 21");
}

TEST(Ruler, NoRowHeightNoSpacingAndNoWidthDrawTheBackgroundAlone)
{
    Gutter g;
    g.Ruler->SetSurfaceType(stSolid);
    g.Ruler->SetColor(clWhite);
    // A row height of 0 or less: no rows, no numbers, and a click selects nothing.
    g.Editor->SetTextYSpace(-g.Editor->LineHeight());
    ASSERT_LE(g.Editor->LineHeight(), 0);
    g.Ruler->Repaint();
    EXPECT_TRUE(RowIsBlank(*g.Ruler, 1, 260, clWhite));
    QTest::mouseClick(g.Ruler, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(g.Editor->HasSelection());
    g.Editor->SetTextYSpace(0);

    // A spacing of 0 numbers no row.
    g.Ruler->SetLineNumberEvery(0);
    EXPECT_TRUE(RowIsBlank(*g.Ruler, 1, 260, clWhite));

    // No width: a gradient of no columns, painted without a step.
    g.Ruler->SetLineNumberEvery(1);
    g.Ruler->SetSurfaceType(stGradient);
    g.Ruler->resize(0, 260);
    g.Ruler->Repaint();
    EXPECT_EQ(g.Ruler->width(), 0);
}

TEST(Ruler, HiddenNumbersAreNotRefreshedButSpacingChangesRepaint)
{
    Gutter g;
    g.Ruler->SetSurfaceType(stSolid);
    g.Ruler->SetColor(clWhite);
    g.Ruler->SetShowLineNumbers(false);
    const int lh = g.Lh();
    EXPECT_TRUE(RowIsBlank(*g.Ruler, 1, lh, clWhite));
    EXPECT_FALSE(g.Ruler->ShowsLineNumbers());
    // Mark the picture; a refresh leaves it, because no numbers are shown.
    g.Ruler->Canvas().SetPixel(0, 0, clRed);
    g.Ruler->RefreshLineNumbers();
    EXPECT_EQ(g.Px(0, 0), clRed);
    // The editor's spacing repaints the ruler whatever it shows.
    g.Editor->SetTextXSpace(2);
    EXPECT_EQ(g.Px(0, 0), clWhite);
}

TEST(Ruler, TheEditorsFontMadeBoldDrawsTheNumbersWhenAsked)
{
    Gutter g;
    g.Ruler->SetSurfaceType(stSolid);
    g.Ruler->SetColor(clWhite);
    g.Ruler->SetUseEditorFont(true);
    TFont f = g.Editor->Font();
    f.Style |= fsBold;
    f.Color = ColorToRGB(f.Color);
    const int lh = g.Lh();
    EXPECT_EQ(RowOf(*g.Ruler, 2, lh), ExpectedRow(*g.Ruler, 2, lh, "2", f));
}

TEST(Ruler, AssigningFromAnotherRulerCopiesItsLookButNotItsEditor)
{
    Gutter g;
    TRuler other;
    TFont f = other.Font();
    f.Height = 20;
    other.SetFont(f);
    other.SetSurfaceType(stSolid);
    other.SetColor(RGB(1, 2, 3));
    other.SetGradientColor(RGB(4, 5, 6));
    other.SetUseEditorFont(true);
    other.SetShowLineNumbers(false);
    other.SetLineNumberEvery(5);
    g.Ruler->Assign(other);
    EXPECT_EQ(g.Ruler->SurfaceType(), stSolid);
    EXPECT_EQ(g.Ruler->Color(), RGB(1, 2, 3));
    EXPECT_EQ(g.Ruler->GradientColor(), RGB(4, 5, 6));
    EXPECT_TRUE(g.Ruler->UseEditorFont());
    EXPECT_FALSE(g.Ruler->ShowLineNumbers());
    EXPECT_EQ(g.Ruler->LineNumberEvery(), 5);
    EXPECT_EQ(g.Ruler->Font(), other.Font());
    EXPECT_EQ(g.Ruler->TextEditorEx(), g.Editor);
    EXPECT_EQ(g.Px(10, 10), RGB(1, 2, 3));
}
