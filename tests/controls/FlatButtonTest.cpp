#include "controls/FlatButton.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// Counts the paints, so tests can tell a repaint from none.
class CountingButton : public TFlatButton {
public:
    using TFlatButton::TFlatButton;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TFlatButton::Paint();
    }
};

// A black window like the drill's, shown and active so focus works.
struct BlackHost {
    QWidget Window;
    CountingButton* Button;
    explicit BlackHost(bool show = true)
    {
        QPalette pal = Window.palette();
        pal.setColor(QPalette::Window, Qt::black);
        Window.setPalette(pal);
        Window.resize(300, 120);
        Button = new CountingButton(&Window);
        Button->setGeometry(20, 30, 100, 33);
        TFont f;
        f.Name = "Tahoma";
        f.Height = 16;
        Button->SetFont(f);
        Button->SetCaption("Enter");
        if (show) {
            Window.show();
            QApplication::setActiveWindow(&Window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
        }
    }
    TColor Px(int x, int y) { return Button->Canvas().GetPixel(x, y); }
};

// The bounding box of pixels of `color` inside the outline.
TRect InkBox(TFlatButton& b, TColor color)
{
    TRect box{b.width(), b.height(), 0, 0};
    for (int y = 1; y < b.height() - 1; ++y)
        for (int x = 1; x < b.width() - 1; ++x)
            if (b.Canvas().GetPixel(x, y) == color) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}
} // namespace

TEST(FlatButton, TakesTheParentsColourAndFontUntilGivenItsOwn)
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    parent.setPalette(pal);
    QFont font("Tahoma");
    font.setPixelSize(20);
    parent.setFont(font);
    TFlatButton b(&parent);
    EXPECT_EQ(b.Color(), RGB(0x12, 0x34, 0x56));
    EXPECT_TRUE(b.ParentColor());
    EXPECT_EQ(b.Font().Height, 20);
    EXPECT_FALSE(b.Down());
    EXPECT_FALSE(b.ClickFocus());
    EXPECT_FALSE(b.TabStop());
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);

    b.SetColor(clBlue);
    EXPECT_FALSE(b.ParentColor());
    pal.setColor(QPalette::Window, Qt::red);
    parent.setPalette(pal);
    EXPECT_EQ(b.Color(), clBlue);
}

TEST(FlatButton, NormalFocusedAndDownLooksOnABlackWindow)
{
    BlackHost h;
    CountingButton& b = *h.Button;
    // Normal: black fill, white outline on every edge, white caption.
    EXPECT_EQ(h.Px(0, 0), clWhite);
    EXPECT_EQ(h.Px(99, 0), clWhite);
    EXPECT_EQ(h.Px(0, 32), clWhite);
    EXPECT_EQ(h.Px(99, 32), clWhite);
    EXPECT_EQ(h.Px(50, 1), clBlack);
    EXPECT_EQ(h.Px(4, 4), clBlack); // no focus mark
    const TRect ink = InkBox(b, clWhite);
    ASSERT_FALSE(ink.IsEmpty());

    // The caption is centred by its text extent: W div 2 - TextWidth div 2.
    TCanvas& c = b.Canvas();
    const int tw = c.TextWidth("Enter"), th = c.TextHeight("Enter");
    const int x = 100 / 2 - tw / 2, y = 33 / 2 - th / 2;
    EXPECT_GE(ink.Left, x);
    EXPECT_LE(ink.Right, x + tw);
    EXPECT_GE(ink.Top, y);
    EXPECT_LE(ink.Bottom, y + th);
    EXPECT_LE(std::abs((ink.Left - 1) - (100 - 1 - ink.Right)), 3); // visually centred

    // Focused: dark grey fill, white outline and text, and the XOR focus mark from (4, 4).
    b.setFocus();
    EXPECT_TRUE(b.hasFocus());
    EXPECT_EQ(h.Px(2, 2), TFlatButton::FocusedColor);
    EXPECT_EQ(h.Px(0, 0), clWhite);
    EXPECT_EQ(h.Px(4, 4), 0x999999u);       // inverted grey
    EXPECT_EQ(h.Px(3, 3), 0x666666u);       // outside the mark
    // (4, 4, W - 5, H - 5) excludes column 95 and row 28.
    EXPECT_EQ(h.Px(94, 26), 0x999999u);
    EXPECT_EQ(h.Px(95, 26), 0x666666u);
    EXPECT_EQ(h.Px(93, 27), 0x999999u);
    EXPECT_EQ(h.Px(93, 28), 0x666666u);
    EXPECT_FALSE(InkBox(b, clWhite).IsEmpty());

    // Focus leaving takes the mark and the grey away again.
    b.clearFocus();
    EXPECT_EQ(h.Px(2, 2), clBlack);
    EXPECT_EQ(h.Px(4, 4), clBlack);

    // Down: light orange with a black outline and black text.
    b.SetDown(true);
    EXPECT_EQ(h.Px(2, 2), TFlatButton::DownColor);
    EXPECT_EQ(h.Px(0, 0), clBlack);
    EXPECT_EQ(h.Px(99, 32), clBlack);
    EXPECT_FALSE(InkBox(b, clBlack).IsEmpty());
    EXPECT_TRUE(InkBox(b, clWhite).IsEmpty());
}

TEST(FlatButton, DownAndFocusedIsOrangeWithTheFocusMark)
{
    BlackHost h;
    h.Button->SetDown(true);
    h.Button->setFocus();
    EXPECT_EQ(h.Px(2, 2), TFlatButton::DownColor);
    EXPECT_EQ(h.Px(0, 0), clBlack);
    EXPECT_EQ(h.Px(4, 4), (~TFlatButton::DownColor) & 0xFFFFFF);
    EXPECT_EQ(h.Px(5, 4), TFlatButton::DownColor);
}

TEST(FlatButton, ContrastFollowsTheStoredColourValueAtBrightness128)
{
    EXPECT_EQ(ContrastTextColor(RGB(255, 129, 0)), clBlack); // 384 div 3 = 128
    EXPECT_EQ(ContrastTextColor(RGB(255, 128, 0)), clWhite); // 383 div 3 = 127
    EXPECT_EQ(ContrastTextColor(TFlatButton::FocusedColor), clWhite);
    EXPECT_EQ(ContrastTextColor(TFlatButton::DownColor), clBlack);

    BlackHost h(false);
    h.Button->SetColor(RGB(128, 128, 128));
    EXPECT_EQ(h.Px(0, 0), clBlack);
    EXPECT_EQ(h.Px(2, 2), RGB(128, 128, 128));
    h.Button->SetColor(RGB(127, 127, 127));
    EXPECT_EQ(h.Px(0, 0), clWhite);
    // A system colour is judged by its stored bytes (0x0F, 0, 0: dark), whatever it resolves to.
    h.Button->SetColor(clBtnFace);
    EXPECT_EQ(h.Px(0, 0), clWhite);
    EXPECT_EQ(h.Px(2, 2), ColorToRGB(clBtnFace));
}

TEST(FlatButton, AssigningTheCurrentValueDoesNotRepaint)
{
    BlackHost h(false);
    CountingButton& b = *h.Button;
    int before = b.Paints;
    b.SetCaption("Enter");
    b.SetDown(false);
    b.SetColor(b.Color());
    b.SetFont(b.Font());
    b.SetClickFocus(true);
    EXPECT_EQ(b.Paints, before);

    b.SetCaption("Cancel");
    EXPECT_EQ(b.Paints, before + 1);
    EXPECT_EQ(b.windowTitle(), "Cancel");
    b.SetDown(true);
    EXPECT_EQ(b.Paints, before + 2);
    b.SetDown(true);
    EXPECT_EQ(b.Paints, before + 2);
}

TEST(FlatButton, SpaceAndEnterClickOnEveryRepeatAfterTheKeyDownEvent)
{
    BlackHost h;
    CountingButton& b = *h.Button;
    b.setFocus();
    std::vector<std::string> calls;
    QObject* sender = nullptr;
    b.OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) { calls.push_back("down " + std::to_string(key)); };
    b.OnClick = [&](QObject* s) {
        sender = s;
        calls.push_back("click");
    };
    QTest::keyClick(&b, Qt::Key_Space);
    QTest::keyClick(&b, Qt::Key_Return);
    QTest::keyClick(&b, Qt::Key_Enter);
    QTest::keyClick(&b, Qt::Key_A);
    EXPECT_EQ(sender, &b);
    const std::vector<std::string> want{"down 32", "click", "down 16777220", "click", "down 16777221", "click",
                                        "down 65"};
    EXPECT_EQ(calls, want);

    calls.clear();
    QTest::keyPress(&b, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(&b, &repeat);
    QApplication::sendEvent(&b, &repeat);
    QTest::keyRelease(&b, Qt::Key_Space);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "click"), 3);

    // Without OnClick the keys are only keys.
    b.OnClick = nullptr;
    calls.clear();
    QTest::keyClick(&b, Qt::Key_Space);
    EXPECT_EQ(calls, std::vector<std::string>{"down 32"});
}

TEST(FlatButton, ClickFocusDecidesWhetherAPressTakesTheFocus)
{
    BlackHost h;
    CountingButton& b = *h.Button;
    QWidget other(&h.Window);
    other.setFocusPolicy(Qt::StrongFocus);
    other.setGeometry(200, 30, 50, 20);
    other.show();
    other.setFocus();
    int clicks = 0;
    b.OnClick = [&](QObject*) { ++clicks; };

    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(other.hasFocus());

    b.SetClickFocus(true);
    const int paints = b.Paints;
    QTest::mousePress(&b, Qt::RightButton);
    QTest::mouseRelease(&b, Qt::RightButton);
    EXPECT_TRUE(b.hasFocus()); // any button's press focuses
    EXPECT_GT(b.Paints, paints);
    EXPECT_EQ(clicks, 1);      // only the left button clicks
    EXPECT_EQ(h.Px(2, 2), TFlatButton::FocusedColor);

    // A release outside the button is no click.
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_EQ(clicks, 1);

    // A disabled window's button keeps its hands off the focus.
    other.setFocus();
    h.Window.setEnabled(false);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&b, &press);
    EXPECT_FALSE(b.hasFocus());
    h.Window.setEnabled(true);
}

TEST(FlatButton, AQuickDoubleClickClicksOnce)
{
    BlackHost h;
    CountingButton& b = *h.Button;
    int clicks = 0, downs = 0;
    b.OnClick = [&](QObject*) {
        ++clicks;
        b.SetDown(!b.Down()); // a toggle, as its owner would make it
    };
    b.OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };
    // Through the window system, so Qt itself recognises the double-click.
    QTest::mouseDClick(h.Window.windowHandle(), Qt::LeftButton, {}, b.geometry().center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 2);
    EXPECT_TRUE(b.Down());

    // Two clicks far enough apart are two clicks.
    QTest::mouseClick(h.Window.windowHandle(), Qt::LeftButton, {}, b.geometry().center());
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(b.Down());
}

TEST(FlatButton, TabStopPutsTheButtonInTheTabChain)
{
    BlackHost h;
    CountingButton& b = *h.Button;
    b.SetTabStop(true);
    EXPECT_EQ(b.focusPolicy(), Qt::TabFocus);
    b.SetTabStop(false);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}
