// The web-safe palette on a real control: cell layout and pixels, frame styles, the
// Cols/Rows rule, and hover, pick and drag events from mouse events.
#include "colordlg/ColorModel.h"
#include "colordlg/WebSafePal.h"
#include "platform/Pointer.h"

#include "Pixels.h"
#include "PointerRelease.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
struct PalHost {
    QWidget Window;
    TWebSafePal* Pal = new TWebSafePal(&Window);
    std::vector<std::string> Log; // "pick #RRGGBB" / "over #RRGGBB"
    explicit PalHost(bool dialogSize = true)
    {
        Window.resize(520, 300);
        if (dialogSize) {
            Pal->setGeometry(12, 15, 482, 263);
            Pal->SetCols(24);
        } else {
            Pal->move(12, 15);
        }
        Pal->OnPicColor = [this](QObject* s, TColor c) {
            EXPECT_EQ(s, Pal);
            Log.push_back("pick " + ColorToHex(c));
        };
        Pal->OnMouseOverColor = [this](QObject* s, TColor c) {
            EXPECT_EQ(s, Pal);
            Log.push_back("over " + ColorToHex(c));
        };
        Window.show();
        QApplication::setActiveWindow(&Window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
        Pal->Repaint();
    }
    TColor Px(int x, int y) { return Pal->Canvas().GetPixel(x, y); }
};
} // namespace

TEST(WebSafePal, ConstructionValues)
{
    TWebSafePal pal;
    EXPECT_EQ(pal.FrameStyle(), fsInset);
    EXPECT_EQ(pal.Cols(), 18);
    EXPECT_EQ(pal.Rows(), 12);
    EXPECT_EQ(pal.size(), QSize(326, 183));
    EXPECT_FALSE(pal.Dragging());
}

TEST(WebSafePal, DialogGridCellsAndHitTest)
{
    PalHost h;
    EXPECT_EQ(h.Pal->Rows(), 9);
    EXPECT_EQ(h.Pal->CellWidth(), 20);
    EXPECT_EQ(h.Pal->CellHeight(), 29);
    // Entry 0 covers x 1..20 and y 1..29.
    EXPECT_EQ(h.Pal->ColorAtPoint(1, 1), clBlack);
    EXPECT_EQ(h.Pal->ColorAtPoint(20, 29), clBlack);
    EXPECT_EQ(h.Pal->ColorAtPoint(21, 1), WebSafePalette(1));
    EXPECT_EQ(h.Pal->ColorAtPoint(0, 5), std::nullopt);
    EXPECT_EQ(h.Pal->ColorAtPoint(480, 261), clWhite);
    EXPECT_EQ(h.Pal->ColorAtPoint(481, 261), std::nullopt);
    EXPECT_EQ(h.Pal->ColorAtPoint(1, 30), WebSafePalette(24));
    // The pixels: entry 215 fills x 461..480, y 233..261; its neighbours touch it.
    EXPECT_EQ(h.Px(461, 233), clWhite);
    EXPECT_EQ(h.Px(480, 261), clWhite);
    EXPECT_EQ(h.Px(460, 233), WebSafePalette(214));
    EXPECT_EQ(h.Px(461, 232), WebSafePalette(191));
    EXPECT_EQ(h.Px(20, 29), clBlack);
    EXPECT_EQ(h.Px(21, 29), WebSafePalette(1));
    for (int j = 0; j < 216; ++j) {
        const int x = j % 24 * 20 + 1, y = j / 24 * 29 + 1;
        ASSERT_EQ(h.Px(x + 10, y + 14), WebSafePalette(j)) << j;
    }
}

TEST(WebSafePal, FrameStyles)
{
    PalHost h;
    const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    ASSERT_NE(shadow, light);
    const PixelReader px = [&](int x, int y) { return h.Px(x, y); };
    // Inset: top and left in the shadow, bottom and right in the highlight.
    ExpectColourAt(px, shadow, {{0, 0}, {480, 0}, {0, 261}});
    ExpectColourAt(px, light, {{0, 262}, {481, 262}, {481, 1}});
    // The lines leave their end points: the top-right corner keeps the button face.
    EXPECT_EQ(h.Px(481, 0), ColorToRGB(clBtnFace));
    h.Pal->SetFrameStyle(fsOutset);
    ExpectColourAt(px, light, {{0, 0}, {0, 261}});
    ExpectColourAt(px, shadow, {{240, 262}, {481, 100}});
}

TEST(WebSafePal, ConstructionSizeLeavesARowBelowTheCells)
{
    PalHost h(false);
    EXPECT_EQ(h.Pal->CellWidth(), 18);
    EXPECT_EQ(h.Pal->CellHeight(), 15);
    EXPECT_EQ(h.Pal->ColorAtPoint(1, 180), WebSafePalette(198));
    // y = 181 is inside the cells area but below the last row: no colour, and the button face.
    EXPECT_TRUE(h.Pal->InCellsArea(5, 181));
    EXPECT_EQ(h.Pal->ColorAtPoint(5, 181), std::nullopt);
    EXPECT_EQ(h.Px(5, 181), ColorToRGB(clBtnFace));
    QTest::mousePress(h.Pal, Qt::LeftButton, {}, QPoint(5, 181));
    QTest::mouseMove(h.Pal, QPoint(6, 181));
    QTest::mouseRelease(h.Pal, Qt::LeftButton, {}, QPoint(6, 181));
    EXPECT_TRUE(h.Log.empty());
}

TEST(WebSafePal, ColsAndRowsKeep216)
{
    PalHost h;
    h.Pal->SetCols(5);
    EXPECT_EQ(h.Pal->Cols(), 24);
    EXPECT_EQ(h.Pal->Rows(), 9);
    h.Pal->SetCols(0);
    h.Pal->SetRows(-3);
    h.Pal->SetRows(7);
    EXPECT_EQ(h.Pal->Cols(), 24);
    h.Pal->SetRows(12);
    EXPECT_EQ(h.Pal->Cols(), 18);
    h.Pal->SetRows(9);
    EXPECT_EQ(h.Pal->Cols(), 24);
    EXPECT_EQ(h.Pal->Rows(), 9);
    h.Pal->SetCols(216);
    EXPECT_EQ(h.Pal->Rows(), 1);
    EXPECT_EQ(h.Pal->CellWidth(), 480 / 216);
    EXPECT_EQ(h.Px(1, 100), clBlack);
    EXPECT_EQ(h.Px(3, 100), WebSafePalette(1));
}

TEST(WebSafePal, HoverPressAndDragEvents)
{
    PalHost h;
    QTest::mouseMove(h.Pal, QPoint(25, 5));
    EXPECT_EQ(h.Log, (std::vector<std::string>{"over #000033"}));
    h.Log.clear();
    QTest::mousePress(h.Pal, Qt::LeftButton, {}, QPoint(480, 261));
    EXPECT_EQ(h.Log, (std::vector<std::string>{"pick #FFFFFF"}));
    EXPECT_TRUE(h.Pal->Dragging());
    ASSERT_TRUE(GetClipCursor().has_value());
    const QPoint a = h.Pal->mapToGlobal(QPoint(1, 1)), b = h.Pal->mapToGlobal(QPoint(481, 262));
    EXPECT_EQ(*GetClipCursor(), Rect(a.x(), a.y(), b.x(), b.y()));
    h.Log.clear();
    QTest::mouseMove(h.Pal, QPoint(1, 1));
    QTest::mouseMove(h.Pal, QPoint(0, 1)); // on the frame: nothing
    EXPECT_EQ(h.Log, (std::vector<std::string>{"pick #000000", "over #000000"}));
    QTest::mouseRelease(h.Pal, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(h.Pal->Dragging());
    EXPECT_FALSE(GetClipCursor().has_value());
    h.Log.clear();
    QTest::mouseMove(h.Pal, QPoint(21, 1));
    EXPECT_EQ(h.Log, (std::vector<std::string>{"over #000033"}));
    // A right press picks nothing and confines nothing.
    h.Log.clear();
    QTest::mousePress(h.Pal, Qt::RightButton, {}, QPoint(21, 1));
    EXPECT_TRUE(h.Log.empty());
    EXPECT_FALSE(GetClipCursor().has_value());
    QTest::mouseRelease(h.Pal, Qt::RightButton, {}, QPoint(21, 1));
    // A left press on the frame starts no drag. (QTest takes a null point for the centre.)
    QTest::mousePress(h.Pal, Qt::LeftButton, {}, QPoint(0, 5));
    EXPECT_FALSE(h.Pal->Dragging());
    EXPECT_FALSE(GetClipCursor().has_value());
    QTest::mouseRelease(h.Pal, Qt::LeftButton, {}, QPoint(0, 5));
}

TEST(WebSafePal, PointerIsReleasedWhenHiddenOrDestroyed)
{
    {
        PalHost h;
        ExpectEndReleasesPointer(h.Pal, QPoint(30, 30), [&] { h.Pal->hide(); });
    }
    {
        PalHost h;
        ExpectEndReleasesPointer(h.Pal, QPoint(30, 30), [&] { delete h.Pal; });
    }
}
