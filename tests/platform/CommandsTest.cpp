#include "platform/Commands.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// A shown, active window with one Ctrl+C command whose update handler reads `Allowed`.
struct CommandWindow {
    QWidget Window;
    TActionList List{&Window};
    TAction* Copy = List.Add("Kopiera", QKeySequence("Ctrl+C"), "");
    bool Allowed = false;
    int Runs = 0;
    CommandWindow()
    {
        Copy->OnUpdate = [this](TAction& a) { a.setEnabled(Allowed); };
        Copy->OnExecute = [this] { ++Runs; };
        Window.resize(200, 100);
        Window.show();
        QApplication::setActiveWindow(&Window);
        (void)QTest::qWaitForWindowActive(&Window);
    }
};
} // namespace

// The state shown is the one of the last idle time; the key must not wait for the next one.
TEST(Commands, AShortcutPressedBeforeIdleTimeSeesTheCommandsCurrentState)
{
    CommandWindow w;
    IdleUpdates::RunNow();
    ASSERT_FALSE(w.Copy->isEnabled());

    w.Allowed = true; // say a selection was just made; idle time has not come round yet
    QTest::keyClick(&w.Window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.Runs, 1) << "a command that can run now ran on its shortcut";
    EXPECT_TRUE(w.Copy->isEnabled());

    w.Allowed = false; // and the other way: enabled on screen, but no longer possible
    QTest::keyClick(&w.Window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(w.Runs, 1) << "a command that cannot run now stayed put";
    EXPECT_FALSE(w.Copy->isEnabled());
}
