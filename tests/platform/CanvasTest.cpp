#include "platform/Canvas.h"

#include <gtest/gtest.h>

namespace {
struct Surface {
    QImage Image{40, 30, QImage::Format_RGB32};
    TCanvas C{&Image};
    Surface() { Image.fill(Qt::white); }
};
} // namespace

TEST(Canvas, LineToLeavesItsEndPointUndrawnAndMovesThePen)
{
    Surface s;
    s.C.Pen.Color = clRed;
    s.C.MoveTo(2, 5);
    s.C.LineTo(10, 5);
    for (int x = 2; x < 10; ++x) EXPECT_EQ(s.C.GetPixel(x, 5), clRed) << x;
    EXPECT_EQ(s.C.GetPixel(10, 5), clWhite);
    EXPECT_EQ(s.C.GetPixel(1, 5), clWhite);
    EXPECT_EQ(s.C.PenPos(), (TPoint{10, 5}));
    // Vertical, upwards: the start is drawn, the end is not.
    s.C.LineTo(10, 1);
    EXPECT_EQ(s.C.GetPixel(10, 5), clRed);
    EXPECT_EQ(s.C.GetPixel(10, 2), clRed);
    EXPECT_EQ(s.C.GetPixel(10, 1), clWhite);
}

TEST(Canvas, RectangleAndFillRectExcludeRightAndBottomEdges)
{
    Surface s;
    s.C.Brush.Color = clGreen;
    s.C.FillRect(Rect(2, 3, 6, 8));
    EXPECT_EQ(s.C.GetPixel(2, 3), clGreen);
    EXPECT_EQ(s.C.GetPixel(5, 7), clGreen);
    EXPECT_EQ(s.C.GetPixel(6, 7), clWhite);
    EXPECT_EQ(s.C.GetPixel(5, 8), clWhite);

    s.C.Pen.Color = clBlue;
    s.C.Brush.Color = clYellow;
    s.C.Rectangle(10, 10, 20, 16);
    EXPECT_EQ(s.C.GetPixel(10, 10), clBlue);
    EXPECT_EQ(s.C.GetPixel(19, 15), clBlue);
    EXPECT_EQ(s.C.GetPixel(20, 15), clWhite);
    EXPECT_EQ(s.C.GetPixel(19, 16), clWhite);
    EXPECT_EQ(s.C.GetPixel(11, 11), clYellow);
    EXPECT_EQ(s.C.GetPixel(18, 14), clYellow);

    // A clear brush leaves the interior alone.
    s.C.Brush.Style = bsClear;
    s.C.Rectangle(0, 20, 8, 28);
    EXPECT_EQ(s.C.GetPixel(0, 20), clBlue);
    EXPECT_EQ(s.C.GetPixel(3, 23), clWhite);
}

TEST(Canvas, TextIsOpaqueOverASolidBrushAndTransparentOverAClearOne)
{
    Surface s;
    s.C.Font.Name = "Liberation Mono";
    s.C.Font.Height = 14;
    s.C.Font.Color = clBlack;
    const int w = s.C.TextWidth("i");
    const int h = s.C.TextHeight("i");
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);

    s.C.Brush.Color = clRed;
    s.C.Brush.Style = bsSolid;
    s.C.TextOut(0, 0, "i");
    // The corners of the text's box carry the brush; nothing past the box does.
    EXPECT_EQ(s.C.GetPixel(0, 0), clRed);
    EXPECT_EQ(s.C.GetPixel(w - 1, h - 1), clRed);
    EXPECT_EQ(s.C.GetPixel(w, 0), clWhite);
    EXPECT_EQ(s.C.GetPixel(0, h), clWhite);

    Surface t;
    t.C.Font = s.C.Font;
    t.C.Brush.Style = bsClear;
    t.C.TextOut(0, 0, "i");
    EXPECT_EQ(t.C.GetPixel(0, 0), clWhite);
    bool inked = false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) inked |= t.C.GetPixel(x, y) != clWhite;
    EXPECT_TRUE(inked);
}

TEST(Canvas, TextRectFillsItsRectangleAndClipsTheText)
{
    Surface s;
    s.C.Font.Name = "Liberation Mono";
    s.C.Font.Height = 14;
    s.C.Brush.Color = clAqua;
    s.C.TextRect(Rect(5, 5, 12, 12), 0, 0, "WWWWWWWW");
    EXPECT_EQ(s.C.GetPixel(5, 5), clAqua);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(s.C.GetPixel(12, y), clWhite) << y;
        EXPECT_EQ(s.C.GetPixel(4, y), clWhite) << y;
    }
}

TEST(Canvas, FocusRectangleTwiceRestoresEveryPixel)
{
    Surface s;
    s.C.Brush.Color = clGreen;
    s.C.FillRect(Rect(0, 0, 20, 30));
    const QImage before = s.Image.copy();
    s.C.DrawFocusRect(Rect(3, 4, 17, 12));
    EXPECT_NE(s.Image, before);
    // Dotted: neighbouring outline pixels differ.
    EXPECT_NE(s.C.GetPixel(4, 4), s.C.GetPixel(5, 4));
    s.C.DrawFocusRect(Rect(3, 4, 17, 12));
    EXPECT_EQ(s.Image, before);
}

TEST(Canvas, XorPenTwiceRestoresAndPixelsReadBackWhatWasWritten)
{
    Surface s;
    s.C.SetPixel(7, 8, RGB(1, 2, 3));
    EXPECT_EQ(s.C.GetPixel(7, 8), RGB(1, 2, 3));
    EXPECT_EQ(s.C.GetPixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(s.C.GetPixel(40, 0), 0xFFFFFFFFu);
    const QImage before = s.Image.copy();
    s.C.Pen.Mode = pmXor;
    s.C.Pen.Color = RGB(0x55, 0xAA, 0x0F);
    s.C.MoveTo(0, 8);
    s.C.LineTo(20, 8);
    EXPECT_EQ(s.C.GetPixel(0, 8), RGB(0xFF ^ 0x55, 0xFF ^ 0xAA, 0xFF ^ 0x0F));
    s.C.MoveTo(0, 8);
    s.C.LineTo(20, 8);
    EXPECT_EQ(s.Image, before);
}

TEST(Canvas, CopyRectMovesPixelsWithinOneCanvasAndAcross)
{
    Surface s;
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 30; ++y) s.C.SetPixel(x, y, RGB(x, y, 0));
    // Overlapping upward scroll by 5 rows.
    s.C.CopyRect(Rect(0, 0, 40, 25), s.C, Rect(0, 5, 40, 30));
    EXPECT_EQ(s.C.GetPixel(3, 0), RGB(3, 5, 0));
    EXPECT_EQ(s.C.GetPixel(39, 24), RGB(39, 29, 0));
    EXPECT_EQ(s.C.GetPixel(3, 25), RGB(3, 25, 0));

    Surface t;
    t.C.CopyRect(Rect(10, 10, 12, 12), s.C, Rect(0, 0, 2, 2));
    EXPECT_EQ(t.C.GetPixel(10, 10), RGB(0, 5, 0));
    EXPECT_EQ(t.C.GetPixel(11, 11), RGB(1, 6, 0));
    EXPECT_EQ(t.C.GetPixel(12, 12), clWhite);
}

TEST(Canvas, SystemColoursResolveBeforeDrawing)
{
    Surface s;
    s.C.Brush.Color = clHighlight;
    s.C.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(s.C.GetPixel(0, 0), ColorToRGB(clHighlight));
    EXPECT_FALSE(IsSystemColor(ColorToRGB(clHighlight)));
}

TEST(Color, ContrastRuleSwitchesAtBrightness128)
{
    EXPECT_EQ(ContrastTextColor(RGB(128, 128, 128)), clBlack);
    EXPECT_EQ(ContrastTextColor(RGB(127, 127, 127)), clWhite);
    EXPECT_EQ(ContrastTextColor(RGB(255, 129, 0)), clBlack); // 384 div 3 = 128
    EXPECT_EQ(ContrastTextColor(RGB(255, 128, 0)), clWhite); // 383 div 3 = 127
}
