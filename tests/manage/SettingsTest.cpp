// The settings window on the real windows: opening, loading, undo timing, saving, creating
// and removing list files, the commands and their states, and what the main window sees.
#include "ManageFixture.h"

#include "app/SelectorBox.h"
#include "editor/ruler/Ruler.h"
#include "controls/PanelCaption.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"

#include "Accessible.h"
#include "Unprivileged.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class SettingsWindow : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        CreateWindowsOver({{"Lists/alpha.txt", "one\r\ntwo\r\nthree\r\n"}, {"Lists/beta.txt", "uno\r\ndos\r\n"},
                           {"Lists/gamma.txt", "ett\r\n"}, {"Lists/delta.txt", ""}});
    }
    int Row(const std::string& name) const
    {
        for (int i = 0; i < Settings->ListList->count(); ++i)
            if (Settings->ListList->item(i)->text().toStdString() == name) return i;
        return -1;
    }
    void Click(const std::string& name, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const int row = Row(name);
        ASSERT_GE(row, 0) << name;
        QTest::mouseClick(Settings->ListList->viewport(), Qt::LeftButton, mods, RowCentre(Settings->ListList, row));
    }
    // Opens the settings window on the list alpha and types `typed` into it.
    void EditAlpha(const char* typed)
    {
        OpenSettings();
        Click("alpha");
        QTest::keyClicks(Ed(), typed);
    }
    // Clicks the list `name` while the dialog boxes that brings up get `answers` in turn, and
    // returns what they showed.
    using Answer = void (DialogScript::*)();
    std::vector<TSeenDialog> ClickAnswering(const std::string& name, std::initializer_list<Answer> answers)
    {
        DialogScript script;
        for (const auto answer : answers) (script.*answer)();
        Run(script, [&] { Click(name); });
        return script.Seen;
    }
    // The undo timer's second passes, and the commands' states follow.
    void Pause()
    {
        TestServices().FakeClock.Advance(1000);
        Idle();
    }
    void NewList()
    {
        DialogScript script;
        script.AcceptDefault();
        Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    }
    // Runs `act`; true when it brought up no question (one that comes is cancelled).
    static bool AsksNothing(const std::function<void()>& act)
    {
        DialogScript script;
        script.Cancel();
        act();
        QCoreApplication::processEvents();
        return script.Seen.empty();
    }
    std::string Caption() const { return Settings->PanelCaption2->CaptionText(); }
    TTextEditorEx* Ed() const { return Settings->editor; }
    bool IsClosed() const
    {
        return !Ed()->isEnabled() && !Settings->btnSave->isEnabled() && Caption() == "No list file selected." &&
               Ed()->Lines().Count() == 1 && Ed()->Lines()[0].empty() && Settings->ListList->currentRow() == -1 &&
               Settings->ListList->selectedItems().isEmpty();
    }
};
} // namespace

TEST_F(SettingsWindow, OpensWithEveryListNoneSelectedAndTheEditorDisabled)
{
    OpenSettings();
    std::vector<std::string> expected;
    for (const std::string& n : GetDisplayNames(TFolderKind::Lists)) expected.push_back(n);
    EXPECT_EQ(ItemNames(Settings->ListList), expected);
    EXPECT_EQ(expected.size(), 4u);
    EXPECT_TRUE(IsClosed());
    EXPECT_EQ(Settings->windowTitle(), "Settings");

    // Ctrl+S with nothing open writes nothing.
    Settings->ListList->setFocus();
    QTest::keyClick(Settings->ListList, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Base.Read("Lists/alpha.txt"), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(Base.Read("Lists/delta.txt"), "");
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, AClickLoadsTheListWithItsWholeTextSelectedAndTheFocusInTheEditor)
{
    OpenSettings();
    Click("alpha");
    EXPECT_EQ(Caption(), "Edit List");
    EXPECT_TRUE(Ed()->isEnabled());
    EXPECT_TRUE(Settings->btnSave->isEnabled());
    EXPECT_EQ(EditorText(Ed()), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(Ed()->GetSelText(), "one\r\ntwo\r\nthree");
    EXPECT_EQ(QApplication::focusWidget(), Ed());

    // An empty file is one empty line.
    Click("delta");
    EXPECT_EQ(Ed()->Lines().Count(), 1);
    EXPECT_EQ(Ed()->Lines()[0], "");
    EXPECT_EQ(Caption(), "Edit List");
}

TEST_F(SettingsWindow, TypingThenPausingASecondMakesOneUndoStepBackToTheLoadedText)
{
    OpenSettings();
    Click("beta");
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled());
    TFakeClock& clock = TestServices().FakeClock;
    QTest::keyClicks(Ed(), "hello");
    EXPECT_EQ(EditorText(Ed()), "hello\r\n");
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled());
    clock.Advance(600);
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled()) << "the second after the last key has not passed yet";
    QTest::keyClicks(Ed(), "!");
    clock.Advance(700);
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled()) << "each key starts the second again";
    clock.Advance(299);
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled()) << "not before the second is up";
    clock.Advance(1);
    Idle();
    EXPECT_TRUE(Settings->RUndo->isEnabled());

    // One step for the whole burst: the loaded text comes back, and there is no more to undo.
    QTest::keyClick(Ed(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(EditorText(Ed()), "uno\r\ndos\r\n");
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled());
    EXPECT_TRUE(Settings->RRedo->isEnabled());
    EXPECT_FALSE(Settings->AUU->isActive());
    QTest::keyClick(Ed(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(EditorText(Ed()), "hello!\r\n");
    EXPECT_FALSE(Settings->AUU->isActive());
}

TEST_F(SettingsWindow, ALoadedListOffersNoUndoUntilItIsEdited)
{
    OpenSettings();
    Click("alpha");
    TestServices().FakeClock.Advance(1200);
    Idle();
    EXPECT_FALSE(Settings->RUndo->isEnabled());
    EXPECT_FALSE(Ed()->CanUndo());
}

TEST_F(SettingsWindow, SaveWritesTheListAndClosesIt)
{
    OpenSettings();
    Click("gamma");
    QTest::keyClicks(Ed(), "fyra");
    QTest::keyClick(Ed(), Qt::Key_Return);
    QTest::keyClicks(Ed(), "fem");
    QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Base.Read("Lists/gamma.txt"), "fyra\r\nfem\r\n");
    EXPECT_TRUE(IsClosed());

    // The button does the same.
    Click("gamma");
    QTest::keyClicks(Ed(), "sex");
    QTest::mouseClick(Settings->btnSave, Qt::LeftButton);
    EXPECT_EQ(Base.Read("Lists/gamma.txt"), "sex\r\n");
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, ASaveThatFailsShowsTheSystemsErrorAndKeepsTheListOpen)
{
    EditAlpha("kept");
    // A folder now stands where the file should be written.
    ASSERT_TRUE(DeleteFileAt(Base / "Lists/alpha.txt"));
    Base.MakeDir("Lists/alpha.txt");
    DialogScript script;
    script.Ok();
    Run(script, [&] { QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier); });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Kind, "MessageBox");
    EXPECT_NE(script.Seen[0].Text.find("alpha.txt"), std::string::npos) << script.Seen[0].Text;
    EXPECT_NE(script.Seen[0].Text.find("directory"), std::string::npos) << script.Seen[0].Text;
    EXPECT_TRUE(Ed()->isEnabled());
    EXPECT_TRUE(Settings->btnSave->isEnabled());
    EXPECT_EQ(Caption(), "Edit List");
    EXPECT_EQ(EditorText(Ed()), "kept\r\n");
    EXPECT_TRUE(DirectoryExists(Base / "Lists/alpha.txt"));
}

TEST_F(SettingsWindow, AListThatCannotBeReadLeavesAnEmptyEditorThatCanStillSave)
{
    OpenSettings();
    ASSERT_TRUE(DeleteFileAt(Base / "Lists/beta.txt"));
    const std::vector<TSeenDialog> seen = ClickAnswering("beta", {&DialogScript::Ok});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Text, "Unable to open list file.");
    EXPECT_TRUE(Ed()->isEnabled());
    EXPECT_TRUE(Settings->btnSave->isEnabled());
    EXPECT_EQ(EditorText(Ed()), "\r\n");
    QTest::keyClicks(Ed(), "again");
    QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Base.Read("Lists/beta.txt"), "again\r\n");
}

TEST_F(SettingsWindow, AListThatIsThereButCannotBeReadOpensNothingSoNoSaveCanEmptyIt)
{
    ASSERT_EQ(chmod(Base.Path().c_str(), 0777), 0);
    ASSERT_EQ(chmod((Base / "Lists").c_str(), 0777), 0);
    ASSERT_EQ(chmod((Base / "Lists/beta.txt").c_str(), 0222), 0);
    {
        Unprivileged user;
        if (!user.Active()) GTEST_SKIP() << "root here may not take another user's rights";
        OpenSettings();
        const std::vector<TSeenDialog> seen = ClickAnswering("beta", {&DialogScript::Ok});
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].Text, "Unable to open list file.");
        EXPECT_EQ(Caption(), "No list file selected.");
        EXPECT_FALSE(Ed()->isEnabled());
        EXPECT_FALSE(Settings->btnSave->isEnabled());
        QTest::keyClicks(Ed(), "lost");
        QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(Settings->ListList, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(Base.Read("Lists/beta.txt"), "uno\r\ndos\r\n");
}

TEST_F(SettingsWindow, EditsAreLostWhenAnotherListIsClickedAndTheUserSaysNo)
{
    EditAlpha("scratch");
    const std::vector<TSeenDialog> seen = ClickAnswering("beta", {&DialogScript::No});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Kind, "QuestionBox");
    EXPECT_EQ(seen[0].Text, "The list \"alpha\" has changes that are not saved.");
    EXPECT_EQ(seen[0].Question, "Save the changes?");
    EXPECT_EQ(EditorText(Ed()), "uno\r\ndos\r\n");
    Click("alpha");
    EXPECT_EQ(EditorText(Ed()), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(Base.Read("Lists/alpha.txt"), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(SettingsWindow, UnsavedEditsAreAskedAboutBeforeAnotherListOpens)
{
    EditAlpha("changed");
    {
        // Cancel: the click is undone, the edits and the file stay as they were.
        const std::vector<TSeenDialog> seen = ClickAnswering("beta", {&DialogScript::Cancel});
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].Text, "The list \"alpha\" has changes that are not saved.");
        EXPECT_EQ(EditorText(Ed()), "changed\r\n");
        EXPECT_EQ(Settings->ListList->currentRow(), Row("alpha"));
        EXPECT_TRUE(Settings->ListList->item(Row("alpha"))->isSelected());
        EXPECT_FALSE(Settings->ListList->item(Row("beta"))->isSelected());
        EXPECT_EQ(Base.Read("Lists/alpha.txt"), "one\r\ntwo\r\nthree\r\n");
        EXPECT_EQ(Caption(), "Edit List");
    }
    {
        // The arrow keys ask too.
        DialogScript script;
        script.Cancel();
        Settings->ListList->setFocus();
        const Qt::Key away = Settings->ListList->currentRow() == 0 ? Qt::Key_Down : Qt::Key_Up;
        Run(script, [&] { QTest::keyClick(Settings->ListList, away); });
        EXPECT_EQ(script.Seen.size(), 1u);
        EXPECT_EQ(Settings->ListList->currentRow(), Row("alpha"));
        EXPECT_EQ(EditorText(Ed()), "changed\r\n");
    }
    {
        // Yes: saved, then the other list opens.
        ClickAnswering("beta", {&DialogScript::Yes});
        EXPECT_EQ(Base.Read("Lists/alpha.txt"), "changed\r\n");
        EXPECT_EQ(EditorText(Ed()), "uno\r\ndos\r\n");
        EXPECT_EQ(Settings->ListList->currentRow(), Row("beta"));
    }
    {
        // A save that fails reports the system's error and stays on the edited list.
        QTest::keyClicks(Ed(), "kept");
        ASSERT_TRUE(DeleteFileAt(Base / "Lists/beta.txt"));
        Base.MakeDir("Lists/beta.txt");
        const std::vector<TSeenDialog> seen = ClickAnswering("gamma", {&DialogScript::Yes, &DialogScript::Ok});
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[1].Kind, "MessageBox");
        EXPECT_NE(seen[1].Text.find("beta.txt"), std::string::npos) << seen[1].Text;
        EXPECT_EQ(EditorText(Ed()), "kept\r\n");
        EXPECT_EQ(Settings->ListList->currentRow(), Row("beta"));
        EXPECT_FALSE(Settings->ListList->item(Row("gamma"))->isSelected());
    }
    {
        ClickAnswering("gamma", {&DialogScript::No});
        EXPECT_EQ(EditorText(Ed()), "ett\r\n");
    }
    // Loaded and not edited since: nothing to ask.
    DialogScript unexpected;
    unexpected.Cancel();
    Click("delta");
    QCoreApplication::processEvents(); // a question would come up here
    EXPECT_TRUE(unexpected.Seen.empty());
    EXPECT_EQ(EditorText(Ed()), "\r\n");
}

TEST_F(SettingsWindow, UnsavedEditsAreAskedAboutOnNewRemoveAndClose)
{
    EditAlpha("a2");
    {
        DialogScript script;
        script.Cancel();
        Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
        ASSERT_EQ(script.Seen.size(), 1u);
        EXPECT_EQ(script.Seen[0].Kind, "QuestionBox");
        EXPECT_EQ(EditorText(Ed()), "a2\r\n");
        EXPECT_EQ(Settings->ListList->count(), 4);
    }
    {
        DialogScript script;
        script.Yes();
        script.Input("fresh");
        Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
        EXPECT_EQ(Base.Read("Lists/alpha.txt"), "a2\r\n");
        EXPECT_TRUE(Base.Exists("Lists/fresh.txt"));
        EXPECT_EQ(Caption(), "Selected list:");
    }
    {
        // Removing a list other than the edited one closes it: asked after the removal is
        // confirmed, and Cancel removes nothing.
        {
            DialogScript unexpected;
            unexpected.Cancel();
            Click("beta"); // the guide of the new list was never edited
            QCoreApplication::processEvents(); // a question would come up here
            EXPECT_TRUE(unexpected.Seen.empty());
        }
        DialogScript script;
        Click("gamma", Qt::ControlModifier);
        Click("gamma", Qt::ControlModifier); // focused, open, but no longer selected
        ASSERT_EQ(Settings->ListList->currentRow(), Row("gamma"));
        QTest::keyClicks(Ed(), "g2");
        script.Yes();
        script.Cancel();
        Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
        ASSERT_EQ(script.Seen.size(), 2u);
        EXPECT_EQ(script.Seen[0].Text, "List file \"beta\" is selected.");
        EXPECT_EQ(script.Seen[1].Text, "The list \"gamma\" has changes that are not saved.");
        EXPECT_TRUE(Base.Exists("Lists/beta.txt"));
        EXPECT_EQ(EditorText(Ed()), "g2\r\n");
        script.Yes();
        script.Yes();
        Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
        EXPECT_FALSE(Base.Exists("Lists/beta.txt"));
        EXPECT_EQ(Base.Read("Lists/gamma.txt"), "g2\r\n");
        EXPECT_TRUE(IsClosed());
    }
    {
        // Removing the edited list itself: its removal is the only question.
        Click("gamma");
        QTest::keyClicks(Ed(), "g3");
        DialogScript script;
        script.Yes();
        Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
        EXPECT_EQ(script.Seen.size(), 1u);
        EXPECT_FALSE(Base.Exists("Lists/gamma.txt"));
    }
    {
        // Closing: Cancel keeps the window, No closes without saving.
        Click("delta");
        QTest::keyClicks(Ed(), "d2");
        DialogScript script;
        script.Cancel();
        Run(script, [&] { QTest::mouseClick(Settings->btnClose, Qt::LeftButton); });
        EXPECT_TRUE(Settings->isVisible());
        EXPECT_EQ(EditorText(Ed()), "d2\r\n");
        script.No();
        Run(script, [&] { Settings->close(); });
        EXPECT_FALSE(Settings->isVisible());
        EXPECT_EQ(Base.Read("Lists/delta.txt"), "");
    }
    // Yes saves, then the window closes; Esc asks as well.
    OpenSettings();
    Click("delta");
    QTest::keyClicks(Ed(), "d3");
    DialogScript script;
    script.Yes();
    Settings->ListList->setFocus();
    Run(script, [&] { QTest::keyClick(Settings->ListList, Qt::Key_Escape); });
    EXPECT_EQ(script.Seen.size(), 1u);
    EXPECT_FALSE(Settings->isVisible());
    EXPECT_EQ(Base.Read("Lists/delta.txt"), "d3\r\n");
}

TEST_F(SettingsWindow, AnEditUndoneBackToTheLoadedTextIsNoChangeToAskAbout)
{
    EditAlpha("x");
    Pause();
    QTest::keyClick(Ed(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(EditorText(Ed()), "one\r\ntwo\r\nthree\r\n");
    EXPECT_TRUE(AsksNothing([&] { Click("beta"); }));
    EXPECT_EQ(EditorText(Ed()), "uno\r\ndos\r\n");
}

TEST_F(SettingsWindow, TheGuideOfANewListBroughtBackByUndoIsNoChangeToSave)
{
    OpenSettings();
    NewList();
    Pause();
    QTest::keyClicks(Ed(), "x");
    Pause();
    QTest::keyClick(Ed(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Ed()->Lines().Count(), 2);
    EXPECT_TRUE(AsksNothing([&] { QTest::mouseClick(Settings->btnClose, Qt::LeftButton); }));
    EXPECT_FALSE(Settings->isVisible());
    EXPECT_EQ(Base.Read("Lists/New list.txt"), "");
}

TEST_F(SettingsWindow, RedoingForwardToTheGuideOfANewListIsNoChangeToSave)
{
    OpenSettings();
    Click("beta");
    NewList();
    Pause();
    QTest::keyClick(Ed(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(EditorText(Ed()), "uno\r\ndos\r\n");
    Idle();
    QTest::keyClick(Ed(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(AsksNothing([&] { QTest::mouseClick(Settings->btnClose, Qt::LeftButton); }));
    EXPECT_EQ(Base.Read("Lists/New list.txt"), "");
}

TEST_F(SettingsWindow, TheRightButtonInTheListLeavesTheOpenListAndItsFileAlone)
{
    EditAlpha("edited");
    QTest::mouseClick(Settings->ListList->viewport(), Qt::RightButton, {}, RowCentre(Settings->ListList, Row("beta")));
    EXPECT_EQ(Settings->ListList->currentRow(), Row("alpha"));
    EXPECT_FALSE(Settings->ListList->item(Row("beta"))->isSelected());
    EXPECT_EQ(EditorText(Ed()), "edited\r\n");
    QTest::mouseClick(Settings->btnSave, Qt::LeftButton);
    EXPECT_EQ(Base.Read("Lists/alpha.txt"), "edited\r\n");
    EXPECT_EQ(Base.Read("Lists/beta.txt"), "uno\r\ndos\r\n");
}

TEST_F(SettingsWindow, AnArrowKeyInTheListLoadsTheNextListAndFocusesTheEditor)
{
    OpenSettings();
    const int first = 0;
    const std::string firstName = Settings->ListList->item(0)->text().toStdString();
    Click(firstName);
    Settings->ListList->setFocus();
    QTest::keyClick(Settings->ListList, Qt::Key_Down);
    ASSERT_EQ(Settings->ListList->currentRow(), first + 1);
    const std::string next = Settings->ListList->item(first + 1)->text().toStdString();
    EXPECT_EQ(EditorText(Ed()), Base.Read("Lists/" + next + ".txt").empty() ? "\r\n"
                                                                           : Base.Read("Lists/" + next + ".txt"));
    EXPECT_EQ(QApplication::focusWidget(), Ed());
    EXPECT_EQ(Caption(), "Edit List");

    // From a fresh window, the first arrow key starts at the top.
    Settings->close();
    OpenSettings();
    Settings->ListList->setFocus();
    QTest::keyClick(Settings->ListList, Qt::Key_Down);
    EXPECT_EQ(Settings->ListList->currentRow(), 0);
    EXPECT_TRUE(Ed()->isEnabled());
}

TEST_F(SettingsWindow, NewWithTheNameOfAnExistingListInAnyCaseChangesNothing)
{
    OpenSettings();
    DialogScript script;
    script.Input("ALPHA");
    script.Ok();
    Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    ASSERT_EQ(script.Seen.size(), 2u);
    EXPECT_EQ(script.Seen[0].Text, "Enter file name of new list:");
    EXPECT_EQ(script.Seen[0].Question, "New list");
    EXPECT_EQ(script.Seen[1].Text, "List file \"ALPHA\" already exists.");
    EXPECT_EQ(Settings->ListList->count(), 4);
    EXPECT_TRUE(IsClosed());
    EXPECT_EQ(FindFiles(Base / "Lists", ".txt").size(), 4u);
}

TEST_F(SettingsWindow, BoxesOfCtrlNBelongToTheSettingsWindowSoTheMainWindowStaysBelowIt)
{
    Main->show();
    OpenSettings();
    DialogScript script;
    script.Input("alpha");
    script.Ok();
    Run(script, [&] { QTest::keyClick(Settings->ListList, Qt::Key_N, Qt::ControlModifier); });
    ASSERT_EQ(script.Seen.size(), 2u);
    EXPECT_EQ(script.Seen[1].Text, "List file \"alpha\" already exists.");
    for (const TSeenDialog& box : script.Seen) EXPECT_EQ(box.Owner, Settings->windowHandle()) << box.Kind;
}

TEST_F(SettingsWindow, NewWithAnEmptyNameOrCancelledDoesNothing)
{
    OpenSettings();
    DialogScript script;
    script.Input("");
    Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    script.Input("ignored", false);
    Run(script, [&] {
        Settings->ListList->setFocus();
        QTest::keyClick(Settings->ListList, Qt::Key_N, Qt::ControlModifier);
    });
    EXPECT_EQ(script.Seen.size(), 2u);
    EXPECT_EQ(Settings->ListList->count(), 4);
    EXPECT_EQ(FindFiles(Base / "Lists", ".txt").size(), 4u);
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, NewWithTheDefaultCreatesAnEmptyFileAndShowsTheGuideLinesSelected)
{
    OpenSettings();
    Click("beta");
    Click("gamma", Qt::ControlModifier);
    DialogScript script;
    script.AcceptDefault();
    Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    ASSERT_TRUE(Base.Exists("Lists/New list.txt"));
    EXPECT_EQ(Base.Read("Lists/New list.txt"), "");
    const int row = Row("New list");
    ASSERT_EQ(row, 4);
    EXPECT_EQ(Settings->ListList->currentRow(), row);
    EXPECT_TRUE(Settings->ListList->item(row)->isSelected());
    // What was selected before stays selected.
    EXPECT_TRUE(Settings->ListList->item(Row("beta"))->isSelected());
    EXPECT_TRUE(Settings->ListList->item(Row("gamma"))->isSelected());
    EXPECT_EQ(Caption(), "Selected list:");
    ASSERT_EQ(Ed()->Lines().Count(), 2);
    EXPECT_EQ(Ed()->Lines()[0], "Enter the contents of the file \"New list\" here.");
    EXPECT_EQ(Ed()->Lines()[1], "Then choose \"Save list\" to save the text.");
    EXPECT_EQ(Ed()->GetSelText(), Ed()->Lines()[0] + "\r\n" + Ed()->Lines()[1]);
    EXPECT_EQ(QApplication::focusWidget(), Ed());

    // The first key replaces the guide; closing without saving leaves the file empty.
    QTest::keyClicks(Ed(), "x");
    EXPECT_EQ(EditorText(Ed()), "x\r\n");
    DialogScript discard;
    discard.No();
    Run(discard, [&] { QTest::mouseClick(Settings->btnClose, Qt::LeftButton); });
    ASSERT_EQ(discard.Seen.size(), 1u);
    EXPECT_EQ(discard.Seen[0].Text, "The list \"New list\" has changes that are not saved.");
    EXPECT_FALSE(Settings->isVisible());
    EXPECT_EQ(Base.Read("Lists/New list.txt"), "");
}

TEST_F(SettingsWindow, ANewListIsSavedUnderItsOwnName)
{
    OpenSettings();
    DialogScript script;
    script.Input("words");
    Run(script, [&] { QTest::keyClick(Settings->ListList, Qt::Key_N, Qt::ControlModifier); });
    QTest::keyClicks(Ed(), "ord");
    QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Base.Read("Lists/words.txt"), "ord\r\n");
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, ANewNameThatIsNoFileNameIsRefused)
{
    OpenSettings();
    // "/" and NUL cannot be in a file name; a leading "." would hide the file from every list.
    for (const std::string bad : {std::string("a/b"), std::string(".hidden"), std::string("..\\x"), std::string("a\0b", 3)}) {
        DialogScript script;
        script.Input(bad);
        script.Ok();
        Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
        ASSERT_EQ(script.Seen.size(), 2u) << bad;
        EXPECT_EQ(script.Seen[1].Text, "Unable to create new list file.") << bad;
        EXPECT_EQ(Settings->ListList->count(), 4) << bad;
        EXPECT_TRUE(IsClosed()) << bad;
    }
    EXPECT_EQ(FindFiles(Base / "Lists", ".txt").size(), 4u);
    EXPECT_FALSE(DirectoryExists(Base / "Lists/a"));
    EXPECT_FALSE(Base.Exists("Lists/a.txt"));
    EXPECT_FALSE(Base.Exists("Lists/.hidden.txt"));
}

TEST_F(SettingsWindow, ANewNameWithABackslashIsAFileOfThatName)
{
    OpenSettings();
    // A refusal would come as a message box: answered here, so the test fails instead of waiting.
    std::vector<std::string> boxes;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible() || m->objectName() != "MessageBox") return;
        boxes.push_back(m->findChild<QLabel*>("info")->text().toStdString());
        ClickButton(m, "Button1");
    });
    guard.start(10);
    DialogScript script;
    script.Input("verbs\\nouns");
    Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    EXPECT_EQ(boxes, std::vector<std::string>{});
    ASSERT_TRUE(Base.Exists("Lists/verbs\\nouns.txt"));
    QTest::keyClicks(Ed(), "ord");
    QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Base.Read("Lists/verbs\\nouns.txt"), "ord\r\n");
    EXPECT_TRUE(IsClosed());
    // Listed again when the window opens next, and it opens.
    QTest::mouseClick(Settings->btnClose, Qt::LeftButton);
    OpenSettings();
    Click("verbs\\nouns");
    EXPECT_EQ(EditorText(Ed()), "ord\r\n");
}

TEST_F(SettingsWindow, SavingAListThatIsALinkWritesTheFileItPointsTo)
{
    Base.MakeDir("Shared");
    Base.Write("Shared/real.txt", "old\r\n");
    ASSERT_EQ(symlink("../Shared/real.txt", (Base / "Lists/linked.txt").c_str()), 0);
    OpenSettings();
    Click("linked");
    EXPECT_EQ(EditorText(Ed()), "old\r\n");
    QTest::keyClicks(Ed(), "new");
    QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(IsClosed());
    EXPECT_EQ(Base.Read("Shared/real.txt"), "new\r\n");
    struct stat st {};
    ASSERT_EQ(lstat((Base / "Lists/linked.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(SettingsWindow, SavingAReadOnlyListFailsWithTheSystemsTextAndKeepsTheListOpen)
{
    ASSERT_EQ(chmod(Base.Path().c_str(), 0777), 0);
    ASSERT_EQ(chmod((Base / "Lists").c_str(), 0777), 0);
    ASSERT_EQ(chmod((Base / "Lists/alpha.txt").c_str(), 0444), 0);
    Unprivileged user;
    if (!user.Active()) GTEST_SKIP() << "root here may not take another user's rights";
    EditAlpha("kept");
    DialogScript script;
    script.Ok();
    Run(script, [&] { QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier); });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Kind, "MessageBox");
    EXPECT_EQ(script.Seen[0].Text, "Cannot create file \"" + Base / "Lists/alpha.txt" + "\". Permission denied");
    EXPECT_TRUE(Ed()->isEnabled());
    EXPECT_TRUE(Settings->btnSave->isEnabled());
    EXPECT_EQ(Caption(), "Edit List");
    EXPECT_EQ(EditorText(Ed()), "kept\r\n");
    EXPECT_EQ(Base.Read("Lists/alpha.txt"), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(SettingsWindow, RemovingNothingStatesZeroAndOnYesStillResets)
{
    OpenSettings();
    Click("alpha");
    // Ctrl+click takes the only selected item out of the selection; it stays focused.
    Click("alpha", Qt::ControlModifier);
    ASSERT_TRUE(Settings->ListList->selectedItems().isEmpty());
    DialogScript script;
    script.Yes();
    Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Text, "0 list files are selected.");
    EXPECT_EQ(script.Seen[0].Question, "Remove?");
    EXPECT_EQ(FindFiles(Base / "Lists", ".txt").size(), 4u);
    EXPECT_EQ(Settings->ListList->count(), 4);
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, RemovingOneListNamesItAndDeletesItsFile)
{
    OpenSettings();
    Click("beta");
    DialogScript script;
    script.Yes();
    Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Text, "List file \"beta\" is selected.");
    EXPECT_FALSE(Base.Exists("Lists/beta.txt"));
    EXPECT_EQ(Row("beta"), -1);
    EXPECT_EQ(Settings->ListList->count(), 3);
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, RemovingThreeStatesTheirNumberAndNoOrCancelKeepsEverything)
{
    OpenSettings();
    Click("alpha");
    Click("beta", Qt::ControlModifier);
    Click("gamma", Qt::ControlModifier);
    {
        DialogScript script;
        script.No();
        script.Cancel();
        Run(script, [&] {
            QTest::mouseClick(Settings->btnDel, Qt::LeftButton);
            QTest::mouseClick(Settings->btnDel, Qt::LeftButton);
        });
        ASSERT_EQ(script.Seen.size(), 2u);
        EXPECT_EQ(script.Seen[0].Text, "3 list files are selected.");
        EXPECT_EQ(script.Seen[1].Text, "3 list files are selected.");
        EXPECT_EQ(Settings->ListList->selectedItems().size(), 3);
        EXPECT_EQ(Caption(), "Edit List");
        EXPECT_EQ(FindFiles(Base / "Lists", ".txt").size(), 4u);
    }
    DialogScript script;
    script.Yes();
    Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
    EXPECT_EQ(ItemNames(Settings->ListList), std::vector<std::string>{"delta"});
    EXPECT_EQ(FindFiles(Base / "Lists", ".txt").size(), 1u);
    EXPECT_TRUE(IsClosed());
}

TEST_F(SettingsWindow, TheDeleteKeyInTheListAsksTheSameQuestion)
{
    OpenSettings();
    Click("gamma");
    Settings->ListList->setFocus();
    DialogScript script;
    script.Yes();
    Run(script, [&] { QTest::keyClick(Settings->ListList, Qt::Key_Delete); });
    ASSERT_EQ(script.Seen.size(), 1u);
    EXPECT_EQ(script.Seen[0].Kind, "QuestionBox");
    EXPECT_EQ(script.Seen[0].Text, "List file \"gamma\" is selected.");
    EXPECT_EQ(script.Seen[0].Question, "Remove?");
    EXPECT_FALSE(Base.Exists("Lists/gamma.txt"));
}

TEST_F(SettingsWindow, AfterRemovalTheListShowsWhatIsStillInTheFolder)
{
    OpenSettings();
    Click("alpha");
    DialogScript script;
    // While the question is up, another program adds a list: the refilled list shows it.
    script.Then([&](QWidget* box) {
        Base.Write("Lists/late.txt", "x\r\n");
        ClickButton(box, "Button1");
    });
    Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
    EXPECT_EQ(Row("alpha"), -1);
    EXPECT_GE(Row("late"), 0);
    EXPECT_EQ(Settings->ListList->count(), 4);
}

TEST_F(SettingsWindow, ClosingRefillsTheMainWindowsSelectorsAndEmptiesTheirTexts)
{
    Main->list1selector->SetText("alpha");
    Main->list2selector->SetText("beta");
    OpenSettings();
    {
        DialogScript script;
        script.Input("fresh");
        Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    }
    Click("gamma");
    {
        DialogScript script;
        script.Yes();
        Run(script, [&] { QTest::mouseClick(Settings->btnDel, Qt::LeftButton); });
    }
    Settings->ListList->setFocus();
    QTest::keyClick(Settings->ListList, Qt::Key_Escape);
    EXPECT_FALSE(Settings->isVisible());
    EXPECT_EQ(Main->list1selector->Text(), "");
    EXPECT_EQ(Main->list2selector->Text(), "");
    EXPECT_EQ(Main->projectSelector->Text(), "");
    const QStringList items = [&] {
        QStringList l;
        for (int i = 0; i < Main->list1selector->count(); ++i) l << Main->list1selector->itemText(i);
        return l;
    }();
    EXPECT_TRUE(items.contains("fresh"));
    EXPECT_FALSE(items.contains("gamma"));
    EXPECT_EQ(items.size(), 4);
}

TEST_F(SettingsWindow, EnterAndEscCloseTheWindowButInTheEditorTheyAreTheEditors)
{
    OpenSettings();
    Click("alpha");
    ASSERT_EQ(QApplication::focusWidget(), Ed());
    QTest::keyClick(Ed(), Qt::Key_Return);
    EXPECT_TRUE(Settings->isVisible());
    EXPECT_EQ(Ed()->Lines().Count(), 2);
    QTest::keyClick(Ed(), Qt::Key_Escape);
    EXPECT_TRUE(Settings->isVisible());
    Settings->ListList->setFocus();
    DialogScript discard;
    discard.No();
    Run(discard, [&] { QTest::keyClick(Settings->ListList, Qt::Key_Return); });
    EXPECT_FALSE(Settings->isVisible());
}

TEST_F(SettingsWindow, ButtonsKeepTheirCaptionsAndShowTheCommandsHints)
{
    EXPECT_EQ(Settings->btnNew->text(), "Create &new file...");
    EXPECT_EQ(Settings->btnDel->text(), "&Remove selected");
    EXPECT_EQ(Settings->btnSave->text(), "&Save file");
    EXPECT_EQ(Settings->btnHandleProjects->text(), "&Projects...");
    EXPECT_EQ(Settings->btnClose->text(), "Close");
    EXPECT_EQ(Settings->btnSave->toolTip().toStdString(), "Sparar aktuell listfil. (Ctrl+S)");
    EXPECT_EQ(Settings->btnNew->toolTip().toStdString(), "Skapar en ny listfil. (Ctrl+N)");
    EXPECT_EQ(Settings->btnDel->toolTip().toStdString(), "Tar bort de markerade listfilerna.");
    // The Swedish captions belong to the commands and stay there.
    EXPECT_EQ(Settings->ASaveFile->text().toStdString(), "&Spara fil");
    EXPECT_EQ(Settings->RUndo->text(), QString::fromUtf8("Ångra"));
    EXPECT_EQ(Settings->RRedo->shortcut(), QKeySequence("Ctrl+Y"));
    EXPECT_TRUE(Settings->RDel->shortcut().isEmpty());
    EXPECT_EQ(Settings->RSelAll->shortcut(), QKeySequence("Ctrl+A"));
    // Enabling the editor's commands does not change the buttons' captions either.
    OpenSettings();
    Click("alpha");
    Idle();
    EXPECT_EQ(Settings->btnSave->text(), "&Save file");
}

TEST_F(SettingsWindow, EditingCommandsFollowTheSelectionTheClipboardAndTheText)
{
    OpenSettings();
    Idle();
    EXPECT_FALSE(Settings->RSelAll->isEnabled()) << "a single empty line";
    EXPECT_FALSE(Settings->RCut->isEnabled());
    Click("alpha");
    Idle();
    EXPECT_TRUE(Settings->RCut->isEnabled());
    EXPECT_TRUE(Settings->RCopy->isEnabled());
    EXPECT_TRUE(Settings->RDel->isEnabled());
    EXPECT_TRUE(Settings->RSelAll->isEnabled());

    QTest::keyClick(Ed(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardGetText(), "one\r\ntwo\r\nthree");
    Idle();
    EXPECT_TRUE(Settings->RPaste->isEnabled());
    QApplication::clipboard()->clear();
    Idle();
    EXPECT_FALSE(Settings->RPaste->isEnabled());

    // Right arrow collapses the selection.
    QTest::keyClick(Ed(), Qt::Key_Right);
    Idle();
    EXPECT_FALSE(Settings->RCut->isEnabled());
    EXPECT_FALSE(Settings->RDel->isEnabled());
    QTest::keyClick(Ed(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Ed()->HasSelection());
    // One character is more than an empty line.
    Settings->DelSel();
    QTest::keyClicks(Ed(), "q");
    Idle();
    EXPECT_TRUE(Settings->RSelAll->isEnabled());
    QTest::keyClick(Ed(), Qt::Key_Backspace);
    Idle();
    EXPECT_FALSE(Settings->RSelAll->isEnabled());
}

TEST_F(SettingsWindow, TheEditorsMenuShowsShortcutsAndGreysDisabledCommands)
{
    OpenSettings();
    QMenu* menu = Settings->editorPopup;
    std::vector<std::string> texts;
    for (QAction* a : menu->actions())
        texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    const std::vector<std::string> expected{"Undo\tCtrl+Z", "Redo\tCtrl+Y", "-", "Cut\tCtrl+X", "Copy\tCtrl+C",
                                            "Paste\tCtrl+V", "Delete", "-", "Select all\tCtrl+A"};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(Ed()->PopupMenu(), menu);
    EXPECT_EQ(menu->actions()[0]->objectName(), "ngra1");
    EXPECT_EQ(menu->actions()[8]->objectName(), "Markeraallt1");

    Click("alpha");
    QTest::keyClick(Ed(), Qt::Key_Right);
    Idle();
    // The right button in the editor opens it where the pointer is.
    const QPoint at(40, 30);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, Ed()->mapToGlobal(at));
    QApplication::sendEvent(Ed(), &request);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), Ed()->mapToGlobal(at));
    menu->hide();
    QAction* cut = menu->findChild<QAction*>("Klipput1");
    QAction* selAll = menu->findChild<QAction*>("Markeraallt1");
    ASSERT_TRUE(cut && selAll);
    EXPECT_FALSE(cut->isEnabled());
    EXPECT_TRUE(selAll->isEnabled());
    selAll->trigger();
    EXPECT_EQ(Ed()->GetSelText(), "one\r\ntwo\r\nthree");
    Idle();
    EXPECT_TRUE(cut->isEnabled());
    menu->findChild<QAction*>("abort1")->trigger();
    EXPECT_EQ(EditorText(Ed()), "\r\n");
}

TEST_F(SettingsWindow, LaidOutAsDesignedAndStretchedWithTheWindow)
{
    OpenSettings();
    EXPECT_EQ(Settings->size(), QSize(766, 534));
    EXPECT_EQ(Settings->ListList->geometry(), QRect(8, 32, 185, 431));
    EXPECT_EQ(Settings->editor->geometry(), QRect(233, 32, 524, 431));
    EXPECT_EQ(Settings->Ruler1->geometry(), QRect(200, 32, 33, 431));
    EXPECT_EQ(Settings->btnClose->geometry(), QRect(684, 494, 75, 25));
    EXPECT_EQ(Settings->btnHandleProjects->geometry(), QRect(384, 494, 105, 25));
    EXPECT_TRUE(Settings->btnClose->isDefault());

    Settings->resize(966, 634);
    QCoreApplication::processEvents();
    EXPECT_EQ(Settings->ListList->geometry(), QRect(8, 32, 185, 531));
    EXPECT_EQ(Settings->editor->geometry(), QRect(233, 32, 724, 531));
    EXPECT_EQ(Settings->Ruler1->geometry(), QRect(200, 32, 33, 531));
    EXPECT_EQ(Settings->btnClose->geometry(), QRect(884, 594, 75, 25));
    EXPECT_EQ(Settings->btnNew->geometry(), QRect(8, 594, 105, 25));
    EXPECT_EQ(Settings->Bevel1->geometry().width(), 949);
    EXPECT_EQ(static_cast<QWidget*>(Settings->PanelCaption2)->geometry(), QRect(200, 8, 757, 23));
}

TEST_F(SettingsWindow, ShrunkByTheUserNoControlCoversAnother)
{
    OpenSettings();
    Settings->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(Settings->size(), QSize(766, 534));
    const std::vector<QWidget*> controls{static_cast<QWidget*>(Settings->PanelCaption1),
                                         static_cast<QWidget*>(Settings->PanelCaption2),
                                         Settings->ListList,
                                         Settings->Ruler1,
                                         Settings->editor,
                                         Settings->Bevel1,
                                         Settings->btnNew,
                                         Settings->btnDel,
                                         Settings->btnSave,
                                         Settings->btnHandleProjects,
                                         Settings->btnClose};
    for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(Settings->rect().contains(controls[i]->geometry())) << controls[i]->objectName().toStdString();
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and " << controls[j]->objectName().toStdString();
    }
}

TEST_F(SettingsWindow, TheEditorAndItsRulerAreConfiguredForListFiles)
{
    const TTextEditorExSettings& s = Ed()->Settings();
    EXPECT_EQ(s.TabLength(), 0);
    EXPECT_FALSE(s.AutoIndent());
    EXPECT_FALSE(s.AutoEncode());
    EXPECT_EQ(s.SpeedJump(), 100);
    EXPECT_FALSE(s.HideHelperOnClick());
    EXPECT_FALSE(s.ListMenuHelper());
    EXPECT_FALSE(s.ListMenuHelperAutoPopup());
    EXPECT_EQ(s.ObjStopChars(), TTextEditorExSettings::DefaultObjStopChars);
    EXPECT_EQ(Ed()->Font().Name, "Courier New");
    EXPECT_EQ(Ed()->Font().Height, 16);
    EXPECT_EQ(Ed()->Font().Style, 0u);
    EXPECT_EQ(Ed()->TextXSpace(), 1);
    EXPECT_EQ(Ed()->TextYSpace(), 0);
    EXPECT_EQ(Ed()->Ruler(), Settings->Ruler1);
    EXPECT_EQ(Settings->Ruler1->TextEditorEx(), Ed());
    EXPECT_EQ(Settings->Ruler1->Font().Name, "Arial Narrow");
    EXPECT_EQ(Settings->Ruler1->Font().Height, 13);
    EXPECT_EQ(Settings->Ruler1->Font().Style, TFontStyles(fsBold));
    EXPECT_EQ(Settings->AUU->interval(), 1000);
    EXPECT_TRUE(Settings->AUU->isSingleShot());
    EXPECT_FALSE(Settings->AUU->isActive());

    // Tab order: the list, the editor, Close, New, Remove, Save, Projects.
    OpenSettings();
    Click("alpha");
    Settings->ListList->setFocus();
    std::vector<QWidget*> order{Settings->ListList, Ed(), Settings->btnClose, Settings->btnNew, Settings->btnDel,
                                Settings->btnSave, Settings->btnHandleProjects};
    std::vector<QWidget*> seen;
    QWidget* w = Settings->ListList;
    do {
        if (std::find(order.begin(), order.end(), w) != order.end() &&
            std::find(seen.begin(), seen.end(), w) == seen.end())
            seen.push_back(w);
        w = w->nextInFocusChain();
    } while (w != Settings->ListList);
    EXPECT_EQ(seen, order);
}

TEST_F(SettingsWindow, AScreenReaderFindsEveryControlNamedByItsCaptionAndReadsTheEditorsText)
{
    OpenSettings();
    Click("alpha");
    QTest::keyClick(Ed(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(Ed(), Qt::Key_Down);
    QTest::keyClick(Ed(), Qt::Key_End);
    const struct {
        QWidget* Control;
        QAccessible::Role Role;
        QString Name;
    } rows[] = {
        {Settings->PanelCaption1, QAccessible::Heading, "Lists"},
        {Settings->ListList, QAccessible::List, "Lists"},
        {Settings->PanelCaption2, QAccessible::Heading, "Edit List"},
        {Settings->Ruler1, QAccessible::StaticText, "Line numbers"},
        {Ed(), QAccessible::EditableText, "Edit List"},
        {Settings->btnSave, QAccessible::Button, "Save file"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Control->objectName().toStdString());
        EXPECT_TRUE(ReachableFrom(Settings.get(), r.Control));
        EXPECT_EQ(FactsOf(r.Control).Role, r.Role);
        EXPECT_EQ(FactsOf(r.Control).Name, r.Name);
    }
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(Ed())->textInterface();
    EXPECT_EQ(text->text(0, -1), "one\ntwo\nthree");
    EXPECT_EQ(text->cursorPosition(), 7);

    // Ctrl+Tab and Shift+Ctrl+Tab leave the editor, where Tab types.
    QTest::keyClick(Ed(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Settings->btnClose);
    Ed()->setFocus();
    QTest::keyClick(Ed(), Qt::Key_Backtab, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Settings->ListList);
    EXPECT_EQ(EditorText(Ed()), "one\r\ntwo\r\nthree\r\n");

    // With the list closed the editor goes by the caption that says so.
    QTest::keyClick(Settings->ListList, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(FactsOf(Ed()).Name, "No list file selected.");
}
