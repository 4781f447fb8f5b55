// The gradient control, the caption panel and the captioned group, checked by their pixels.
#include "controls/CaptionGroup.h"
#include "controls/GradientControl.h"
#include "controls/PanelCaption.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
TColor Pixel(const TGradientControl& g, int x, int y) { return FromQColor(g.BackingImage().pixelColor(x, y)); }

int Channel(TColor c) { return GetRValue(c); }

TGradientControl* GradientOf(QWidget* w) { return w->findChild<TGradientControl*>(); }
} // namespace

TEST(GradientControl, CaptionPanelGradientRunsInTwentyThreeStepsTo0x44AndIsOutlinedInBlack)
{
    TPanelCaption panel;
    panel.resize(120, TPanelCaption::CaptionHeight);
    panel.show();
    QApplication::processEvents();
    TGradientControl* g = GradientOf(&panel);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->height(), 23);
    EXPECT_EQ(g->width(), 120);
    g->Repaint();
    const int expected[23] = {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 35, 38, 41, 44, 47, 50, 53, 56, 59, 62, 65};
    for (int y = 1; y < 22; ++y) {
        const TColor c = Pixel(*g, 60, y);
        EXPECT_EQ(GetRValue(c), expected[y]) << "line " << y;
        EXPECT_EQ(GetGValue(c), expected[y]) << "line " << y;
        EXPECT_EQ(GetBValue(c), expected[y]) << "line " << y;
        // The two side columns carry the outline.
        EXPECT_EQ(Pixel(*g, 0, y), clBlack) << y;
        EXPECT_EQ(Pixel(*g, 119, y), clBlack) << y;
        EXPECT_EQ(Pixel(*g, 1, y), RGB(expected[y], expected[y], expected[y])) << y;
    }
    for (int x = 0; x < 120; ++x) {
        EXPECT_EQ(Pixel(*g, x, 0), clBlack);
        EXPECT_EQ(Pixel(*g, x, 22), clBlack);
    }
}

TEST(GradientControl, WithoutOutlineTheFirstAndLastLinesShowTheGradient)
{
    TGradientControl g;
    g.resize(10, 23);
    g.SetColor1(clBlack);
    g.SetColor2(0x444444);
    g.SetGradientDirection(gdVertical);
    g.SetBorderWidth(1);
    EXPECT_EQ(Pixel(g, 5, 22), clBlack);
    // Setting the width to 0 repaints at once without the outline.
    g.SetBorderWidth(0);
    EXPECT_EQ(Channel(Pixel(g, 5, 22)), 65);
    EXPECT_EQ(Channel(Pixel(g, 0, 10)), 30);
    EXPECT_EQ(Pixel(g, 5, 0), clBlack);
}

TEST(GradientControl, HorizontalGradientAndRoundingHalvesToEven)
{
    TGradientControl g;
    g.resize(4, 3);
    g.SetColor1(RGB(0, 0, 0));
    g.SetColor2(RGB(2, 6, 10)); // steps 0.5, 1.5 and 2.5 per column
    g.Repaint();
    const int red[4] = {0, 0, 1, 2};    // 0, 0.5, 1.0, 1.5
    const int green[4] = {0, 2, 3, 4};  // 0, 1.5, 3.0, 4.5
    const int blue[4] = {0, 2, 5, 8};   // 0, 2.5, 5.0, 7.5
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 3; ++y) {
            const TColor c = Pixel(g, x, y);
            EXPECT_EQ(GetRValue(c), red[x]) << x;
            EXPECT_EQ(GetGValue(c), green[x]) << x;
            EXPECT_EQ(GetBValue(c), blue[x]) << x;
        }
    }
}

TEST(GradientControl, SystemColoursAreStoredAsTheirRgbValue)
{
    TGradientControl g;
    g.resize(8, 8);
    const TColor window = ColorToRGB(clWindow);
    g.SetColor1(clWindow);
    EXPECT_EQ(g.Color1(), window);
    EXPECT_FALSE(IsSystemColor(g.Color1()));
    g.SetColor2(clHighlight);
    EXPECT_EQ(g.Color2(), ColorToRGB(clHighlight));
    g.SetColor1(0x00123456);
    EXPECT_EQ(g.Color1(), 0x00123456u);
}

TEST(GradientControl, ZeroExtentAlongTheGradientPaintsWithoutFault)
{
    TGradientControl g;
    g.SetGradientDirection(gdVertical);
    g.resize(10, 0);
    g.SetColor2(clRed);
    g.Repaint();
    g.SetGradientDirection(gdHorizontal);
    g.resize(0, 10);
    g.Repaint();
    // And it paints normally once it has an extent again.
    g.resize(10, 10);
    g.Repaint();
    EXPECT_EQ(Pixel(g, 0, 5), clBlack);
    EXPECT_EQ(Pixel(g, 9, 5), RGB(230, 0, 0)); // 9 x 25.5 = 229.5, to the even 230
}

TEST(GradientControl, CaptionIsDrawnTwelvePixelsInAndCentred)
{
    TGradientControl g;
    g.resize(100, 23);
    g.SetColor1(clBlack);
    g.SetColor2(clBlack);
    g.SetFontName("Tahoma");
    g.SetFontSize(10);
    g.SetFontColor(clWhite);
    g.SetCaption("Lists");
    const QImage& img = g.BackingImage();
    int left = 100, right = -1, top = 23, bottom = -1;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 100; ++x)
            if (GetRValue(FromQColor(img.pixelColor(x, y))) > 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "no text drawn";
    EXPECT_GE(left, 12);
    EXPECT_LE(left, 14);
    // Tahoma 10 pt: cell 16 or 17 px high from y = 11 - 8 = 3; the ink lies within it.
    EXPECT_GE(top, 3);
    EXPECT_LE(bottom, 20);
    // Transparent text: the pixel behind a letter's gap keeps the gradient.
    EXPECT_EQ(Pixel(g, 99, 11), clBlack);
}

TEST(CaptionGroup, TitleFollowsCaptionTextAndTheGroupsWidth)
{
    QWidget form;
    form.resize(400, 300);
    TCaptionGroup group(&form);
    group.setGeometry(8, 8, 289, 225);
    group.SetCaptionText("Choose Project");
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(group.title().isEmpty());
    auto* caption = group.findChild<TPanelCaption*>();
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->geometry(), QRect(0, 0, 289, 23));
    EXPECT_EQ(caption->CaptionText(), "Choose Project");
    EXPECT_EQ(GradientOf(caption)->Caption(), "Choose Project");

    group.SetCaptionText("Other");
    EXPECT_EQ(GradientOf(caption)->Caption(), "Other");

    group.resize(350, 225);
    QApplication::processEvents();
    EXPECT_EQ(caption->width(), 350);
    EXPECT_EQ(GradientOf(caption)->width(), 350);
    EXPECT_EQ(Pixel(*GradientOf(caption), 349, 10), clBlack); // the outline's right column moved along

    EXPECT_EQ(group.BevelInner(), bvRaised);
    EXPECT_EQ(group.BevelOuter(), bvLowered);
    EXPECT_FALSE(group.focusPolicy() & Qt::TabFocus);
}

TEST(PanelCaption, BevelsAndBordersDoNotOutliveAPaint)
{
    TPanelCaption panel;
    panel.resize(50, 23);
    panel.show();
    EXPECT_EQ(panel.height(), 23);
    EXPECT_EQ(panel.Color(), clBtnShadow);
    panel.SetBevelOuter(bvRaised);
    panel.SetBorderStyle(bsSingle);
    EXPECT_EQ(panel.BevelOuter(), bvRaised);
    panel.grab();
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.BorderStyle(), bsNone);
    TGradientControl* g = GradientOf(&panel);
    EXPECT_EQ(g->FontName(), "Tahoma");
    EXPECT_EQ(g->FontSize(), 10);
    EXPECT_EQ(g->FontColor(), clWhite);
    EXPECT_EQ(g->Color2(), 0x444444u);
    EXPECT_EQ(g->BorderColor(), clBlack);
    EXPECT_EQ(g->GradientDirection(), gdVertical);
}
