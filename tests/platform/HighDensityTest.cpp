// A canvas control on a screen of device pixel ratio 2 (this program runs with
// QT_SCALE_FACTOR=2): its backing image holds device pixels, it paints in logical pixels, and
// the screen shows the image pixel for pixel.
#include "platform/CanvasControl.h"

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// White, with a one-pixel black frame and a one-pixel red line across row 5, from column 2
// up to (not including) column 12.
class TLines : public TCanvasControl {
public:
    using TCanvasControl::TCanvasControl;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TCanvas& c = Canvas();
        c.Brush.Color = clWhite;
        c.Pen.Color = clBlack;
        c.Rectangle(0, 0, ClientWidth(), ClientHeight());
        c.Pen.Color = clRed;
        c.MoveTo(2, 5);
        c.LineTo(12, 5);
    }
};

TColor At(const QImage& img, int x, int y) { return FromQColor(QColor(img.pixel(x, y))); }

// A window of `windowSize` showing a TLines at `geometry`, painted once it is on the screen.
struct ShownLines {
    QWidget Window;
    TLines* Lines = new TLines(&Window);
    ShownLines(QSize windowSize, QRect geometry)
    {
        Window.resize(windowSize);
        Lines->setGeometry(geometry);
        Window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Lines->Repaint();
    }
};
} // namespace

TEST(HighDensity, TheScreenHasRatioTwo)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
}

TEST(HighDensity, AOnePixelLineIsTwoDevicePixelsWideAndReadsBackLogically)
{
    ShownLines host(QSize(60, 40), QRect(5, 5, 20, 10));
    ASSERT_FALSE(HasFailure());
    TLines* lines = host.Lines;

    const QImage& img = lines->BackingImage();
    ASSERT_EQ(img.size(), QSize(40, 20));
    EXPECT_EQ(lines->ClientRect(), (TRect{0, 0, 20, 10}));
    EXPECT_EQ(lines->Canvas().Width(), 20);
    // The red line: device rows 10 and 11, columns 4 to 23.
    for (int x = 4; x < 24; ++x) {
        EXPECT_EQ(At(img, x, 9), clWhite) << x;
        EXPECT_EQ(At(img, x, 10), clRed) << x;
        EXPECT_EQ(At(img, x, 11), clRed) << x;
        EXPECT_EQ(At(img, x, 12), clWhite) << x;
    }
    EXPECT_EQ(At(img, 24, 10), clWhite);
    // The frame: two device pixels on every side.
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(At(img, 0, y), clBlack) << y;
        EXPECT_EQ(At(img, 1, y), clBlack) << y;
        EXPECT_EQ(At(img, 38, y), clBlack) << y;
        EXPECT_EQ(At(img, 39, y), clBlack) << y;
    }
    EXPECT_EQ(At(img, 2, 5), clWhite);
    EXPECT_EQ(At(img, 37, 5), clWhite);
    // Pixel reads are logical.
    EXPECT_EQ(lines->Canvas().GetPixel(11, 5), clRed);
    EXPECT_EQ(lines->Canvas().GetPixel(12, 5), clWhite);
    EXPECT_EQ(lines->Canvas().GetPixel(19, 9), clBlack);
    EXPECT_TRUE(lines->IsClientPixelVisible(19, 9));
    EXPECT_FALSE(lines->IsClientPixelVisible(20, 9));

    // The screen gets the device pixels as they are: nothing smoothed at the line's edges.
    const QImage shown = lines->grab().toImage();
    ASSERT_EQ(shown.size(), img.size());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, img.pixel(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST(HighDensity, ResizingKeepsDevicePixelsAndPaintsTheNewArea)
{
    ShownLines host(QSize(80, 40), QRect(0, 0, 20, 10));
    ASSERT_FALSE(HasFailure());
    TLines* lines = host.Lines;
    lines->resize(31, 12);
    QCoreApplication::processEvents();
    lines->repaint();
    const QImage& img = lines->BackingImage();
    EXPECT_EQ(img.size(), QSize(62, 24));
    EXPECT_EQ(img.devicePixelRatio(), 2.0);
    EXPECT_EQ(lines->Canvas().GetPixel(30, 11), clBlack);
    EXPECT_EQ(At(img, 61, 23), clBlack);
    EXPECT_EQ(At(img, 59, 21), clWhite);
}
