#include "platform/Commands.h"
#include "platform/Forms.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct TwoButtonForm : TForm {
    QPushButton* Ok = new QPushButton("OK", this);
    QPushButton* Cancel = new QPushButton("Cancel", this);
    TwoButtonForm()
    {
        SetClientSize(200, 80);
        Place(Ok, 10, 40, 80, 24);
        Place(Cancel, 100, 40, 80, 24);
        SetDefaultButton(Ok);
        SetCancelButton(Cancel);
        SetButtonResult(Ok, mrOk);
        SetButtonResult(Cancel, mrNo);
    }
};

int RunWith(TwoButtonForm& f, std::function<void()> act)
{
    QTimer::singleShot(50, [&] { act(); });
    return f.ShowModal();
}
} // namespace

TEST(Forms, EnterPressesTheDefaultButtonEscTheCancelButtonAndTheCloseBoxGivesCancel)
{
    TwoButtonForm f;
    f.Cancel->setFocusPolicy(Qt::NoFocus);
    f.Ok->setFocusPolicy(Qt::NoFocus);
    EXPECT_EQ(RunWith(f, [&] { QTest::keyClick(&f, Qt::Key_Return); }), mrOk);
    EXPECT_EQ(RunWith(f, [&] { QTest::keyClick(&f, Qt::Key_Escape); }), mrNo);
    EXPECT_EQ(RunWith(f, [&] { f.close(); }), mrCancel);
}

TEST(Forms, EveryWayOfClosingAsksCloseQueryOnceAndARefusalKeepsTheFormOpen)
{
    struct Guarded : TwoButtonForm {
        int Asked = 0;
        bool Allow = false;
        bool CloseQuery() override
        {
            ++Asked;
            return Allow;
        }
    } f;
    f.show();
    f.close();
    EXPECT_TRUE(f.isVisible());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    f.Ok->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.ModalResult(), mrNone);
    EXPECT_EQ(f.Asked, 3);
    f.Allow = true;
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Asked, 4);

    f.Allow = false;
    f.Asked = 0;
    bool visibleAfterRefusal = false;
    QTimer::singleShot(50, [&] {
        f.Cancel->click();
        visibleAfterRefusal = f.isVisible();
        f.Allow = true;
        QTest::keyClick(&f, Qt::Key_Return);
    });
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_TRUE(visibleAfterRefusal);
    EXPECT_EQ(f.Asked, 2);
}

TEST(Forms, AFixedFrameIsADialogFrameWithOnlyACloseButton)
{
    TwoButtonForm f;
    f.SetFixedFrame(true);
    f.SetClientSize(250, 90);
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(f.minimumSize(), QSize(250, 90));
    EXPECT_EQ(f.maximumSize(), QSize(250, 90));
}

TEST(Forms, AnchoredControlsKeepTheirDistanceToTheAnchoredEdges)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget stretch(&parent), corner(&parent), fixed(&parent);
    Place(&stretch, 10, 10, 100, 50);
    Place(&corner, 250, 150, 40, 30);
    Place(&fixed, 5, 5, 20, 20);
    SetAnchors(&stretch, akLeft | akTop | akRight | akBottom);
    SetAnchors(&corner, akRight | akBottom);
    SetAnchors(&fixed, akLeft | akTop);
    parent.show();
    parent.resize(400, 260);
    QCoreApplication::processEvents();
    EXPECT_EQ(stretch.geometry(), QRect(10, 10, 200, 110));
    EXPECT_EQ(corner.geometry(), QRect(350, 210, 40, 30));
    EXPECT_EQ(fixed.geometry(), QRect(5, 5, 20, 20));
}

TEST(Commands, HintsShowTheShortcutAndUpdateHandlersSetTheEnabledState)
{
    QWidget owner;
    TActionList list(&owner);
    TAction* save = list.Add("Spara", QKeySequence("Ctrl+S"), "Spara filen");
    TAction* plain = list.Add("Ny", QKeySequence(), "Ny fil");
    EXPECT_EQ(save->HintWithShortcut(), "Spara filen (Ctrl+S)");
    EXPECT_EQ(plain->HintWithShortcut(), "Ny fil");

    bool allowed = false;
    int runs = 0;
    save->OnUpdate = [&](TAction& a) { a.setEnabled(allowed); };
    save->OnExecute = [&] { ++runs; };
    QPushButton button;
    BindButton(&button, save);
    EXPECT_EQ(button.toolTip(), "Spara filen (Ctrl+S)");
    IdleUpdates::RunNow();
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(save->Execute());
    allowed = true;
    IdleUpdates::RunNow();
    EXPECT_TRUE(button.isEnabled());
    button.click();
    EXPECT_EQ(runs, 1);
}
