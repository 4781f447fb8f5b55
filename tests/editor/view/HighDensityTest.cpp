// The editor and its ruler on a screen of device pixel ratio 2 (this program runs with
// QT_SCALE_FACTOR=2): their glyphs are drawn at device resolution, not as a 1x picture
// scaled up, while positions and pixel reads stay in logical pixels.
#include "editor/ruler/Ruler.h"
#include "editor/TextEditorEx.h"

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
// An editor with a ruler at its left, as a window lays them out.
struct Gutter {
    QWidget Host;
    TTextEditorEx* Editor = new TTextEditorEx(&Host);
    TRuler* Ruler = new TRuler(&Host);

    Gutter()
    {
        Host.resize(400, 300);
        Editor->setGeometry(33, 0, 300, 260);
        Ruler->setGeometry(0, 0, 33, 260);
        Ruler->SetTextEditorEx(Editor);
        Editor->SetRuler(Ruler);
        Editor->InsertText("HHHH\r\nline 2");
        Host.show();
        (void)QTest::qWaitForWindowExposed(&Host);
        Editor->SetCaretPoint({0, 1});
        Editor->ScrollSettled();
        Editor->Repaint();
        Ruler->Repaint();
    }
};

int Grey(QRgb p) { return qGray(p); }

// How a glyph's pixels look: pixels strictly between the background's and the ink's grey,
// and 2 x 2 device blocks (on even coordinates) that are not of one colour.
struct TInkStats {
    int Intermediate = 0;
    int MixedBlocks = 0;
    int Ink = 0;
};

TInkStats Stats(const QImage& img, QRgb background)
{
    TInkStats s;
    const int bg = Grey(background);
    int darkest = bg;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) darkest = std::min(darkest, Grey(img.pixel(x, y)));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int g = Grey(img.pixel(x, y));
            s.Ink += g != bg;
            s.Intermediate += g != bg && g > darkest + 16 && g < bg - 16;
        }
    for (int y = 0; y + 1 < img.height(); y += 2)
        for (int x = 0; x + 1 < img.width(); x += 2) {
            const QRgb p = img.pixel(x, y);
            s.MixedBlocks += img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p || img.pixel(x + 1, y + 1) != p;
        }
    return s;
}

// The same glyph drawn at ratio 1 with the platform's own text drawing, as the whole control
// was drawn before it knew the ratio, and that picture scaled up twice, the way the window
// system shows a 1x picture on a 2x screen.
QImage OneXScaledUp(const TFont& font, TColor background, const std::string& text, int w, int h)
{
    QImage one(w, h, QImage::Format_RGB32);
    one.fill(ToQColor(background));
    TCanvas c(&one);
    c.Font = font;
    c.Brush.Color = background;
    c.Brush.Style = bsClear;
    c.TextOut(0, 0, text);
    return one.scaled(2 * w, 2 * h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ExpectSharp(const QImage& device, const QImage& scaledOneX, QRgb background, const char* what)
{
    const TInkStats sharp = Stats(device, background);
    const TInkStats blurred = Stats(scaledOneX, background);
    ASSERT_GT(sharp.Ink, 0) << what;
    // Detail finer than a logical pixel: a 1x picture scaled up has none without smoothing.
    EXPECT_GT(sharp.MixedBlocks, 0) << what;
    // Smoothing a 1x picture up spreads every edge over two device pixels; the glyph drawn at
    // device resolution has far fewer pixels between background and ink.
    EXPECT_LT(sharp.Intermediate * 2, blurred.Intermediate)
        << what << ": " << sharp.Intermediate << " in-between pixels at 2x, " << blurred.Intermediate << " scaled up";
}
} // namespace

TEST(HighDensity, TheScreenHasRatioTwo)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
}

TEST(HighDensity, EditorGlyphsAreDrawnAtDeviceResolution)
{
    Gutter g;
    TTextEditorEx& e = *g.Editor;
    const QImage& image = e.BackingImage();
    // The backing image holds device pixels; the control's sizes stay logical.
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.width(), 2 * e.ClientWidth());
    EXPECT_EQ(image.height(), 2 * e.ClientHeight());

    const int cw = e.CharWidth(), lh = e.LineHeight();
    ASSERT_GT(cw, 0);
    const TPoint cell = e.CellPoint({0, 0});
    const QImage glyph = image.copy(2 * cell.X, 2 * cell.Y, 2 * cw, 2 * lh);
    const QRgb background = glyph.pixel(0, 0);
    ExpectSharp(glyph, OneXScaledUp(e.Font(), FromQColor(QColor(background)), "H", cw, lh), background, "editor 'H'");

}

TEST(HighDensity, RulerNumbersAreDrawnAtDeviceResolution)
{
    Gutter g;
    g.Ruler->SetSurfaceType(stSolid);
    g.Ruler->SetColor(clWhite);
    const QImage& image = g.Ruler->BackingImage();
    EXPECT_EQ(image.width(), 2 * g.Ruler->width());
    EXPECT_EQ(image.height(), 2 * g.Ruler->height());
    const int lh = g.Editor->LineHeight();
    // Row 1 holds the number "1", the rest of the row is white.
    const QImage row = image.copy(0, 0, image.width(), 2 * lh);
    QRect ink;
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x)
            if ((row.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    // The same row drawn at ratio 1 the way the ruler places its numbers, scaled up.
    QImage reference(g.Ruler->width(), lh, QImage::Format_RGB32);
    reference.fill(Qt::white);
    TCanvas c(&reference);
    c.Font = g.Ruler->Font();
    c.Font.Color = clBlack;
    c.Brush.Style = bsClear;
    const int w = g.Ruler->width();
    c.TextRect(Rect(0, 0, w, lh), w - c.TextWidth("1") - w / 4, 0, "1");
    const QImage scaled = reference.scaled(2 * w, 2 * lh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Both compared over the number's own columns.
    const QRect box(ink.left() & ~1, 0, (ink.width() + 3) & ~1, row.height());
    ExpectSharp(row.copy(box), scaled.copy(box), 0xFFFFFFFF, "ruler '1'");
}
