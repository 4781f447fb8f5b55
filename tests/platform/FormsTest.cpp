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
