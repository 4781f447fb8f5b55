#include "platform/CanvasControl.h"
#include "platform/SystemCaret.h"

#include <gtest/gtest.h>

namespace {
class Plain : public TCanvasControl {
public:
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        Canvas().Brush.Color = clWhite;
        Canvas().FillRect(ClientRect());
    }
};
} // namespace

TEST(SystemCaret, HidesAreCountedAndANewCaretStartsHidden)
{
    Plain w;
    w.resize(50, 20);
    SystemCaret::Create(&w, 2, 10);
    EXPECT_FALSE(SystemCaret::IsShown());
    SystemCaret::Show(&w);
    EXPECT_TRUE(SystemCaret::IsShown());
    SystemCaret::Hide(&w);
    SystemCaret::Hide(&w);
    SystemCaret::Show(&w);
    EXPECT_FALSE(SystemCaret::IsShown()) << "two hides need two shows";
    SystemCaret::Show(&w);
    EXPECT_TRUE(SystemCaret::IsShown());
    // Showing a visible caret does not bank a show against a later hide.
    SystemCaret::Show(&w);
    SystemCaret::Hide(&w);
    EXPECT_FALSE(SystemCaret::IsShown());
    SystemCaret::Destroy();
    EXPECT_EQ(SystemCaret::Owner(), nullptr);
}

TEST(SystemCaret, OnlyItsOwnerCanShowItAndItNeverReachesTheBackingImage)
{
    Plain owner, other;
    owner.resize(50, 20);
    other.resize(50, 20);
    SystemCaret::Create(&owner, 2, 10);
    SystemCaret::Show(&other);
    EXPECT_FALSE(SystemCaret::IsShown());
    SystemCaret::Show(&owner);
    SystemCaret::SetPos(5, 5);
    EXPECT_EQ(SystemCaret::Pos(), QPoint(5, 5));
    owner.Repaint();
    const QImage shown = owner.grab().toImage();
    EXPECT_EQ(owner.BackingImage().pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_NE(shown.pixel(5, 5), qRgb(255, 255, 255)) << "the caret is drawn over the screen copy";
    SystemCaret::Destroy();
}

TEST(CanvasControl, RepaintPaintsAtOnceAndResizeKeepsWhatWasDrawn)
{
    Plain w;
    w.resize(30, 30);
    const int before = w.Paints;
    w.Repaint();
    EXPECT_EQ(w.Paints, before + 1);
    w.Canvas().SetPixel(3, 3, clRed);
    w.resize(60, 60);
    EXPECT_EQ(w.Canvas().GetPixel(3, 3), clRed);
    w.SetColor(clRed);
    const int after = w.Paints;
    w.SetColor(clRed);
    EXPECT_EQ(w.Paints, after) << "an unchanged colour repaints nothing";
}
