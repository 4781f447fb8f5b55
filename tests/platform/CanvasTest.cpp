#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct Surface {
    QImage Image{40, 30, QImage::Format_RGB32};
    TCanvas C{&Image};
    Surface() { Image.fill(Qt::white); }
};

// Paints every pixel of the 40 x 30 canvas `c` in RGB(x, y, 0), so each one tells where it was.
void PaintCoordinates(TCanvas& c)
{
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 30; ++y) c.SetPixel(x, y, RGB(x, y, 0));
}

// On `c` painted by PaintCoordinates: an overlapping upward scroll by five rows within `c`,
// then a copy of its top-left 2 x 2 pixels onto a fresh surface at (10, 10).
void ExpectScrollAndCopyAcross(TCanvas& c)
{
    c.CopyRect(Rect(0, 0, 40, 25), c, Rect(0, 5, 40, 30));
    EXPECT_EQ(c.GetPixel(3, 0), RGB(3, 5, 0));
    EXPECT_EQ(c.GetPixel(39, 24), RGB(39, 29, 0));
    EXPECT_EQ(c.GetPixel(3, 25), RGB(3, 25, 0));

    Surface t;
    t.C.CopyRect(Rect(10, 10, 12, 12), c, Rect(0, 0, 2, 2));
    EXPECT_EQ(t.C.GetPixel(10, 10), RGB(0, 5, 0));
    EXPECT_EQ(t.C.GetPixel(11, 11), RGB(1, 6, 0));
    EXPECT_EQ(t.C.GetPixel(12, 12), clWhite);
}
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
    PaintCoordinates(s.C);
    ExpectScrollAndCopyAcross(s.C);
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

namespace {
// A surface of 40 x 30 logical pixels at a device pixel ratio: ⌈40 × ratio⌉ device pixels
// across, as a control's backing image has.
struct DenseSurface {
    QImage Image;
    TCanvas C{&Image};
    explicit DenseSurface(qreal ratio)
        : Image(int(std::ceil(40 * ratio - 1e-6)), int(std::ceil(30 * ratio - 1e-6)), QImage::Format_RGB32)
    {
        Image.setDevicePixelRatio(ratio);
        Image.fill(Qt::white);
        C.SetImage(&Image);
    }
    TColor Device(int x, int y) const { return FromQColor(QColor(Image.pixel(x, y))); }
    // Device pixels in [x0, x1) x [y0, y1) that are not `c`.
    int NotColour(int x0, int y0, int x1, int y1, TColor c) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += Device(x, y) != c;
        return n;
    }
};
} // namespace

TEST(Canvas, AtRatioTwoCoordinatesStayLogicalAndEveryLogicalPixelIsTwoByTwo)
{
    DenseSurface s(2);
    EXPECT_EQ(s.C.Width(), 40);
    EXPECT_EQ(s.C.Height(), 30);
    EXPECT_EQ(s.C.Scale(), 2.0);

    // A fill over [2, 6) x [3, 8) covers device [4, 12) x [6, 16) and nothing else.
    s.C.Brush.Color = clGreen;
    s.C.FillRect(Rect(2, 3, 6, 8));
    EXPECT_EQ(s.NotColour(4, 6, 12, 16, clGreen), 0);
    EXPECT_EQ(s.NotColour(0, 0, 80, 60, clWhite), 8 * 10);
    EXPECT_EQ(s.C.GetPixel(5, 7), clGreen);
    EXPECT_EQ(s.C.GetPixel(6, 7), clWhite);

    // A one-pixel pen line is two device pixels wide, its end point still undrawn.
    s.C.Pen.Color = clRed;
    s.C.MoveTo(10, 20);
    s.C.LineTo(30, 20);
    EXPECT_EQ(s.NotColour(20, 40, 60, 42, clRed), 0);
    EXPECT_EQ(s.Device(20, 39), clWhite);
    EXPECT_EQ(s.Device(20, 42), clWhite);
    EXPECT_EQ(s.Device(60, 40), clWhite);
    s.C.MoveTo(35, 2);
    s.C.LineTo(35, 10);
    EXPECT_EQ(s.NotColour(70, 4, 72, 20, clRed), 0);
    EXPECT_EQ(s.Device(69, 4), clWhite);
    EXPECT_EQ(s.Device(72, 4), clWhite);

    // A pixel written is a 2 x 2 block and reads back at its logical place.
    s.C.SetPixel(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(s.NotColour(0, 0, 2, 2, RGB(1, 2, 3)), 0);
    EXPECT_EQ(s.Device(2, 0), clWhite);
    EXPECT_EQ(s.C.GetPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(s.C.GetPixel(40, 0), 0xFFFFFFFFu);
    EXPECT_EQ(s.C.GetPixel(0, 30), 0xFFFFFFFFu);

    // A clip is logical too.
    s.C.SetClip(Rect(0, 25, 3, 30));
    s.C.Brush.Color = clBlue;
    s.C.FillRect(Rect(0, 0, 40, 30));
    s.C.ClearClip();
    EXPECT_EQ(s.NotColour(0, 50, 6, 60, clBlue), 0);
    EXPECT_EQ(s.Device(6, 50), clWhite);
    EXPECT_EQ(s.Device(0, 49), clWhite);
}

TEST(Canvas, AtRatioTwoXorFocusAndCopiesWorkOnWholeLogicalPixels)
{
    DenseSurface s(2);
    PaintCoordinates(s.C);
    const QImage before = s.Image.copy();

    s.C.DrawFocusRect(Rect(3, 4, 17, 12));
    EXPECT_EQ(s.C.GetPixel(4, 4), RGB(~4 & 0xFF, ~4 & 0xFF, 0xFF));
    EXPECT_EQ(s.Device(9, 9), s.Device(8, 8)); // the whole block of (4, 4)
    EXPECT_EQ(s.C.GetPixel(5, 4), RGB(5, 4, 0));
    s.C.DrawFocusRect(Rect(3, 4, 17, 12));
    EXPECT_EQ(s.Image, before);

    s.C.Pen.Mode = pmXor;
    s.C.Pen.Color = RGB(0x55, 0xAA, 0x0F);
    for (int i = 0; i < 2; ++i) {
        s.C.MoveTo(0, 8);
        s.C.LineTo(20, 18);
    }
    EXPECT_EQ(s.Image, before);

    // Scrolling five rows up moves device rows in whole logical rows; across canvases of
    // different ratios the copy is scaled to the logical size.
    ExpectScrollAndCopyAcross(s.C);
    EXPECT_EQ(s.Device(7, 1), RGB(3, 5, 0));
}

TEST(Canvas, AtFractionalRatiosNeighbouringFillsTileEveryDevicePixel)
{
    for (const qreal ratio : {1.25, 1.5}) {
        DenseSurface s(ratio);
        EXPECT_EQ(s.C.Width(), 40) << ratio;
        EXPECT_EQ(s.C.Height(), 30) << ratio;
        // Columns of one logical pixel in two alternating colours: every device pixel of the
        // image is one of them, and each column is at least one device pixel wide.
        for (int x = 0; x < 40; ++x) {
            s.C.Brush.Color = x % 2 ? clRed : clBlue;
            s.C.FillRect(Rect(x, 0, x + 1, 30));
        }
        int red = 0, blue = 0;
        for (int y = 0; y < s.Image.height(); ++y)
            for (int x = 0; x < s.Image.width(); ++x) {
                red += s.Device(x, y) == clRed;
                blue += s.Device(x, y) == clBlue;
            }
        EXPECT_EQ(red + blue, s.Image.width() * s.Image.height()) << ratio;
        for (int x = 0; x < 40; ++x) EXPECT_EQ(s.C.GetPixel(x, 29), x % 2 ? clRed : clBlue) << ratio << " " << x;
    }
}

TEST(Canvas, AtRatioTwoTextIsRenderedAtDeviceResolution)
{
    Surface one;
    DenseSurface two(2);
    for (TCanvas* c : {&one.C, &two.C}) {
        c->Font.Name = "Liberation Mono";
        c->Font.Height = 14;
        c->Font.Color = clBlack;
        c->Brush.Style = bsClear;
        c->TextOut(2, 2, "a");
    }
    // Metrics stay logical.
    EXPECT_EQ(two.C.TextWidth("a"), one.C.TextWidth("a"));
    // The ink spans about twice the device pixels, and inside it there are 2 x 2 blocks that
    // are not of one colour: detail a 1x picture scaled up cannot have.
    auto inkBox = [](const QImage& img) {
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect a = inkBox(one.Image), b = inkBox(two.Image);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NEAR(b.width(), 2 * a.width(), 2);
    EXPECT_NEAR(b.height(), 2 * a.height(), 2);
    int mixedBlocks = 0;
    for (int y = b.top() & ~1; y <= b.bottom(); y += 2)
        for (int x = b.left() & ~1; x <= b.right(); x += 2) {
            const QRgb p = two.Image.pixel(x, y);
            mixedBlocks += two.Image.pixel(x + 1, y) != p || two.Image.pixel(x, y + 1) != p ||
                           two.Image.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(mixedBlocks, 0);
}
