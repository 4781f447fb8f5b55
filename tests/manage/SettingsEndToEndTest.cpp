// From an empty Lists folder to a finished drill, through the real windows: two lists typed
// in the settings window, a project pairing them, and the drill run on that project.
#include "ManageFixture.h"

#include "app/SelectorBox.h"

#include <QMenu>

namespace {
QWidget* Focus() { return QApplication::focusWidget(); }

class EndToEnd : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        CreateWindows();
        Main->show();
        QApplication::setActiveWindow(Main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    }
    // A new list through the New button, its items typed, then saved with Ctrl+S.
    void TypeList(const std::string& name, const std::vector<QString>& items)
    {
        DialogScript script;
        script.Input(name);
        Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
        ASSERT_EQ(Focus(), Settings->editor);
        for (size_t i = 0; i < items.size(); ++i) {
            if (i > 0) QTest::keyClick(Focus(), Qt::Key_Return);
            QTest::keyClicks(Focus(), items[i]);
        }
        QTest::keyClick(Focus(), Qt::Key_S, Qt::ControlModifier);
    }
};
} // namespace

TEST_F(EndToEnd, ListsTypedInTheSettingsBecomeAProjectThatIsDrilledToTheEnd)
{
    bool settingsDone = false;
    QTimer::singleShot(0, Settings.get(), [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Settings.get()));
        QApplication::setActiveWindow(Settings.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Settings.get()));
        EXPECT_TRUE(Settings->isModal());
        EXPECT_EQ(Settings->ListList->count(), 0);

        TypeList("countries", {"France", "Sweden", "Japan"});
        EXPECT_EQ(Base.Read("Lists/countries.txt"), "France\r\nSweden\r\nJapan\r\n");
        TypeList("capitals", {"Paris", "Stockholm", "Tokyo"});
        EXPECT_EQ(Base.Read("Lists/capitals.txt"), "Paris\r\nStockholm\r\nTokyo\r\n");
        EXPECT_EQ(ItemNames(Settings->ListList), (std::vector<std::string>{"countries", "capitals"}));

        // The project, from the drop-down below "&Projects...".
        QTest::mouseClick(Settings->btnHandleProjects, Qt::LeftButton);
        QMenu* menu = Settings->handleProjectsDropdown;
        ASSERT_TRUE(menu->isVisible());
        DialogScript script;
        script.Input("countries");
        script.Input("capitals");
        script.Input("Geography");
        Run(script, [&] {
            QAction* create = menu->actions()[0];
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(create).center());
        });
        EXPECT_EQ(Base.Read("Projects/Geography.rep"), "countries\r\ncapitals\r\n");

        QTest::mouseClick(Settings->btnClose, Qt::LeftButton);
        settingsDone = true;
    });
    QTest::mouseClick(Main->btnSettings, Qt::LeftButton);
    ASSERT_TRUE(settingsDone);
    EXPECT_FALSE(Settings->isVisible());

    // The main window lists what was made, with empty texts.
    QApplication::setActiveWindow(Main.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    EXPECT_EQ(Main->projectSelector->Text(), "");
    ASSERT_EQ(Main->projectSelector->count(), 1);
    EXPECT_EQ(Main->projectSelector->itemText(0), "Geography");
    EXPECT_EQ(Main->list1selector->count(), 2);

    Main->projectSelector->setFocus();
    QTest::keyClicks(Focus(), "Geo");
    ASSERT_EQ(Main->list1selector->Text(), "countries");
    ASSERT_EQ(Main->list2selector->Text(), "capitals");

    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    ASSERT_TRUE(Drill->isVisible());
    QApplication::setActiveWindow(Drill.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Drill.get()));
    EXPECT_EQ(Drill->lblQ->text(), "France");
    ASSERT_EQ(Focus(), Drill->answer);
    QTest::keyClicks(Focus(), "Paris");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(Drill->lblQ->text(), "Sweden");
    QTest::keyClicks(Focus(), "Stockholm");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(Drill->lblQ->text(), "Japan");

    DialogScript end;
    end.Ok();
    Run(end, [&] {
        QTest::keyClicks(Focus(), "Tokyo");
        QTest::keyClick(Focus(), Qt::Key_Return);
    });
    ASSERT_EQ(end.Seen.size(), 1u);
    EXPECT_EQ(end.Seen[0].Kind, "MessageBox");
    EXPECT_EQ(end.Seen[0].Text, "You answered correctly on 3 questions of 3 possible.");
    EXPECT_EQ(Drill->lblE->text(), "0");
}
