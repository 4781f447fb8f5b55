// Creating projects from the settings window's drop-down, and the projects window that lists
// and removes them.
#include "ManageFixture.h"

#include "platform/Files.h"

#include <QMenu>

namespace {
class ProjectsWindow : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        CreateWindowsOver({{"Projects/Geography.rep", "countries\r\ncapitals\r\n"},
                           {"Projects/Verbs.rep", "sv\r\nen\r\n"},
                           {"Projects/Colours.rep", "a\r\nb\r\n"}});
    }
    // Shows the projects window modally and runs `inside` while it is up, then closes it.
    void WithProjectsWindow(const std::function<void()>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, Projects.get(), [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(Projects.get()));
            QApplication::setActiveWindow(Projects.get());
            (void)QTest::qWaitForWindowActive(Projects.get());
            inside();
            ran = true;
            if (Projects->isVisible()) ClickButton(Projects.get(), "btnProjectDoClose");
        });
        Result = Projects->ShowModal();
        EXPECT_TRUE(ran);
    }
    void Select(std::initializer_list<const char*> names)
    {
        Projects->ProjectList->clearSelection();
        for (const char* n : names)
            for (int i = 0; i < Projects->ProjectList->count(); ++i)
                if (Projects->ProjectList->item(i)->text() == n) Projects->ProjectList->item(i)->setSelected(true);
    }
    std::vector<std::string> Selected() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < Projects->ProjectList->count(); ++i)
            if (Projects->ProjectList->item(i)->isSelected())
                out.push_back(Projects->ProjectList->item(i)->text().toStdString());
        return out;
    }
    size_t ProjectFiles() const { return FindFiles(Base / "Projects", ".rep").size(); }
    int Result = 0;
};
} // namespace

TEST_F(ProjectsWindow, ListsTheProjectsAfreshWithNothingSelected)
{
    WithProjectsWindow([&] {
        EXPECT_EQ(Projects->windowTitle(), "Remove Project");
        std::vector<std::string> expected = GetDisplayNames(TFolderKind::Projects);
        EXPECT_EQ(ItemNames(Projects->ProjectList), expected);
        EXPECT_EQ(expected.size(), 3u);
        EXPECT_TRUE(Selected().empty());
        Select({"Verbs"});
    });
    EXPECT_EQ(Result, mrCancel);
    // Shown again: the folder as it is now, nothing selected.
    Base.Write("Projects/Late.rep", "x\r\ny\r\n");
    WithProjectsWindow([&] {
        EXPECT_EQ(Projects->ProjectList->count(), 4);
        EXPECT_TRUE(Selected().empty());
    });
}

TEST_F(ProjectsWindow, RemovingNothingStatesZeroAndRemovesNothing)
{
    DialogScript script;
    script.Yes();
    WithProjectsWindow([&] { Run(script, [&] { QTest::mouseClick(Projects->btnProjectDoDel, Qt::LeftButton); }); });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Text, "0 project files are selected.");
    EXPECT_EQ(script.Seen[0].Question, "Remove?");
    EXPECT_EQ(ProjectFiles(), 3u);
}

TEST_F(ProjectsWindow, RemovingOneNamesItAndTheWindowStaysOpen)
{
    DialogScript script;
    script.Yes();
    WithProjectsWindow([&] {
        Select({"Verbs"});
        Run(script, [&] { QTest::mouseClick(Projects->btnProjectDoDel, Qt::LeftButton); });
        EXPECT_TRUE(Projects->isVisible());
        EXPECT_EQ(Projects->ProjectList->count(), 2);
        EXPECT_TRUE(Selected().empty());
    });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Text, "The project file \"Verbs\" is selected.");
    EXPECT_FALSE(Base.Exists("Projects/Verbs.rep"));
    EXPECT_TRUE(Base.Exists("Projects/Geography.rep"));
}

TEST_F(ProjectsWindow, RemovingTwoStatesTheirNumber)
{
    DialogScript script;
    script.Yes();
    WithProjectsWindow([&] {
        Select({"Verbs", "Colours"});
        Run(script, [&] { QTest::mouseClick(Projects->btnProjectDoDel, Qt::LeftButton); });
        EXPECT_EQ(ItemNames(Projects->ProjectList), std::vector<std::string>{"Geography"});
    });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Text, "2 project files are selected.");
    EXPECT_EQ(ProjectFiles(), 1u);
}

TEST_F(ProjectsWindow, NoOrCancelLeavesTheListAsItWasSelectionIncluded)
{
    DialogScript script;
    script.No();
    script.Cancel();
    WithProjectsWindow([&] {
        Select({"Geography", "Colours"});
        Projects->ProjectList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        // A file added meanwhile is not listed: the list is not refilled.
        Base.Write("Projects/Late.rep", "x\r\ny\r\n");
        Run(script, [&] {
            QTest::mouseClick(Projects->btnProjectDoDel, Qt::LeftButton);
            QTest::mouseClick(Projects->btnProjectDoDel, Qt::LeftButton);
        });
        EXPECT_EQ(Projects->ProjectList->count(), 3);
        std::vector<std::string> sel = Selected();
        std::sort(sel.begin(), sel.end());
        EXPECT_EQ(sel, (std::vector<std::string>{"Colours", "Geography"}));
        EXPECT_EQ(Projects->ProjectList->currentRow(), 0);
    });
    EXPECT_EQ(script.Seen.size(), 2u);
    EXPECT_EQ(ProjectFiles(), 4u);
}

TEST_F(ProjectsWindow, TheDeleteKeyAndEnterAskTheSameQuestionAndEscCloses)
{
    DialogScript byDelete, byEnter;
    byDelete.No();
    byEnter.Yes();
    WithProjectsWindow([&] {
        Select({"Geography"});
        Projects->ProjectList->setFocus();
        Run(byDelete, [&] { QTest::keyClick(Projects->ProjectList, Qt::Key_Delete); });
        EXPECT_EQ(Projects->ProjectList->count(), 3);
        Run(byEnter, [&] { QTest::keyClick(Projects->ProjectList, Qt::Key_Return); });
        EXPECT_EQ(Projects->ProjectList->count(), 2);
        QTest::keyClick(Projects->ProjectList, Qt::Key_Escape);
        EXPECT_FALSE(Projects->isVisible());
    });
    ASSERT_EQ(byDelete.Seen.size(), 1u);
    ASSERT_EQ(byEnter.Seen.size(), 1u);
    EXPECT_EQ(byDelete.Seen[0].Kind, "QuestionBox");
    EXPECT_EQ(byDelete.Seen[0].Text, "The project file \"Geography\" is selected.");
    EXPECT_EQ(byEnter.Seen[0].Text, "The project file \"Geography\" is selected.");
    EXPECT_EQ(Result, mrCancel);
    EXPECT_FALSE(Base.Exists("Projects/Geography.rep"));
}

TEST_F(ProjectsWindow, LaidOutAsDesignedAndStretchedWithTheWindow)
{
    WithProjectsWindow([&] {
        EXPECT_EQ(Projects->size(), QSize(284, 322));
        EXPECT_EQ(Projects->ProjectList->geometry(), QRect(8, 32, 265, 241));
        EXPECT_EQ(Projects->btnProjectDoDel->geometry(), QRect(112, 288, 75, 25));
        EXPECT_EQ(Projects->btnProjectDoClose->geometry(), QRect(200, 288, 75, 25));
        EXPECT_TRUE(Projects->btnProjectDoDel->isDefault());
        EXPECT_EQ(Projects->btnProjectDoDel->text(), "&Remove");
        Projects->resize(384, 422);
        QCoreApplication::processEvents();
        EXPECT_EQ(Projects->ProjectList->geometry(), QRect(8, 32, 365, 341));
        EXPECT_EQ(Projects->btnProjectDoDel->geometry(), QRect(212, 388, 75, 25));
        EXPECT_EQ(Projects->btnProjectDoClose->geometry(), QRect(300, 388, 75, 25));
        Projects->resize(284, 322);
    });
}

namespace {
class CreateProject : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        CreateWindows();
    }
    void Create(DialogScript& script) { Run(script, [&] { Settings->Skapanyttprojekt1Click(); }); }
};
} // namespace

TEST_F(CreateProject, CancelAtAnyOfTheThreePromptsWritesNothing)
{
    for (int cancelAt = 0; cancelAt < 3; ++cancelAt) {
        DialogScript script;
        for (int i = 0; i < cancelAt; ++i) script.Input("name" + std::to_string(i));
        script.Input("never", false);
        Create(script);
        EXPECT_EQ(int(script.Seen.size()), cancelAt + 1);
        EXPECT_TRUE(FindFiles(Base / "Projects", ".rep").empty()) << cancelAt;
    }
}

TEST_F(CreateProject, ThreePromptsWriteTheTwoListNamesAsTyped)
{
    DialogScript script;
    script.Input(" countries");
    script.Input("capitals ");
    script.Input("World");
    Create(script);
    ASSERT_EQ(script.Seen.size(), 3u);
    EXPECT_EQ(script.Seen[0].Text, "Enter name of Question List:");
    EXPECT_EQ(script.Seen[0].Question, "");
    EXPECT_EQ(script.Seen[1].Text, "Enter name of Answer List:");
    EXPECT_EQ(script.Seen[1].Question, "");
    EXPECT_EQ(script.Seen[2].Text, "Enter the name of the new project:");
    EXPECT_EQ(script.Seen[2].Question, "New Project");
    EXPECT_EQ(Base.Read("Projects/World.rep"), " countries\r\ncapitals \r\n");
}

TEST_F(CreateProject, TheDefaultsWriteNewProjectWithTwoEmptyLines)
{
    DialogScript script;
    script.AcceptDefault();
    script.AcceptDefault();
    script.AcceptDefault();
    Create(script);
    EXPECT_EQ(Base.Read("Projects/New Project.rep"), "\r\n\r\n");
}

TEST_F(CreateProject, AnExistingProjectOfTheSameNameIsReplaced)
{
    Base.Write("Projects/World.rep", "old\r\nlists\r\nextra\r\n");
    DialogScript script;
    script.Input("q");
    script.Input("a");
    script.Input("World");
    Create(script);
    EXPECT_EQ(script.Seen.size(), 3u);
    EXPECT_EQ(Base.Read("Projects/World.rep"), "q\r\na\r\n");
}

TEST_F(CreateProject, AProjectThatCannotBeWrittenIsReported)
{
    // "/" and NUL cannot be in a file name; a leading "." would hide the file from every list.
    for (const std::string bad : {std::string("a/b"), std::string(".hidden"), std::string("a\0b", 3)}) {
        DialogScript script;
        script.Input("q");
        script.Input("a");
        script.Input(bad);
        script.Ok();
        Create(script);
        ASSERT_EQ(script.Seen.size(), 4u);
        EXPECT_EQ(script.Seen[3].Kind, "MessageBox");
        EXPECT_EQ(script.Seen[3].Text, "Unable to create new project file.");
    }
    EXPECT_TRUE(FindFiles(Base / "Projects", ".rep").empty());

    // No Projects folder at all.
    ASSERT_EQ(::rmdir((Base / "Projects").c_str()), 0);
    DialogScript script;
    script.Input("q");
    script.Input("a");
    script.Input("p");
    script.Ok();
    Create(script);
    ASSERT_EQ(script.Seen.size(), 4u);
    EXPECT_EQ(script.Seen[3].Text, "Unable to create new project file.");
}

TEST_F(CreateProject, TheDropDownOpensDirectlyBelowTheProjectsButton)
{
    Settings->move(0, 0);
    OpenSettings();
    QTest::mouseClick(Settings->btnHandleProjects, Qt::LeftButton);
    QMenu* menu = Settings->handleProjectsDropdown;
    ASSERT_TRUE(menu->isVisible());
    const QPoint expected =
        Settings->mapToGlobal(QPoint(Settings->btnHandleProjects->x(),
                                     Settings->btnHandleProjects->y() + Settings->btnHandleProjects->height()));
    EXPECT_EQ(menu->geometry().topLeft(), expected);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Create new project...");
    EXPECT_EQ(menu->actions()[0]->objectName(), "Skapanyttprojekt1");
    EXPECT_EQ(menu->actions()[1]->text(), "Remove existing project...");
    EXPECT_EQ(menu->actions()[1]->objectName(), "abortprojekt1");
    menu->hide();

    // "Remove existing project..." shows the projects window modally over the settings.
    DialogScript script;
    script.OnWindow("projectsFrm", [](QWidget* w) { ClickButton(w, "btnProjectDoClose"); });
    Run(script, [&] { menu->actions()[1]->trigger(); });
    EXPECT_FALSE(Projects->isVisible());

    // And "Create new project..." asks its three questions.
    DialogScript create;
    create.Input("q");
    create.Input("a");
    create.Input("Made");
    Run(create, [&] { menu->actions()[0]->trigger(); });
    EXPECT_EQ(Base.Read("Projects/Made.rep"), "q\r\na\r\n");
}
