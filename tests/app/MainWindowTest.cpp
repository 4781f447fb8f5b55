// The main window on real files: layout, the selectors driven by keyboard and mouse, Execute
// with good and bad lists, Settings and Exit.
#include "app/DataStore.h"
#include "app/DrillLink.h"
#include "app/SelectorBox.h"
#include "app/main.h"
#include "app/msgbox.h"
#include "controls/CaptionGroup.h"
#include "platform/Application.h"
#include "FakeServices.h"
#include "Accessible.h"
#include "KeyTyping.h"

#include "TempFolder.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;

namespace {
struct FakeDrill : IDrillWindow {
    Lines Questions, Answers;
    Lines Texts; // project, questions and answers selector texts
    std::vector<std::string> Calls;
    void StartDrill(TDrillStart start) override
    {
        Questions = std::move(start.Questions);
        Answers = std::move(start.Answers);
        Texts = {start.Project, start.List1, start.List2};
        Calls.push_back("StartDrill");
    }
};

std::string Numbered(int n)
{
    std::string s;
    for (int i = 1; i <= n; ++i) s += "item " + std::to_string(i) + "\r\n";
    return s;
}

struct MainWindow : testing::Test {
    TempFolder Base;
    FakeDrill Drill;
    std::unique_ptr<TmainFrm> Main;
    std::vector<std::string> Messages;
    QTimer Answerer;

    void SetUp() override
    {
        Base.MakeDir("Lists");
        Base.MakeDir("Projects");
        Base.Write("Lists/Swedish words.txt", "hus\r\nbil\r\n\xe5r\r\n");
        Base.Write("Lists/English words.txt", "house\r\ncar\r\nyear\r\n");
        Base.Write("Lists/Ten.txt", Numbered(10));
        Base.Write("Lists/Nine.txt", Numbered(9));
        Base.Write("Lists/Empty.txt", "");
        Base.Write("Projects/Swedish.rep", "Swedish words\r\nEnglish words\r\n");
        Base.Write("Projects/Capitals.rep", "Countries\r\nCapitals\r\n");
        UseBaseFolder(Base.Path());
        // Every message box that comes up is read and closed with OK.
        QObject::connect(&Answerer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<TMessageBox*>(QApplication::activeModalWidget())) {
                if (!box->isVisible()) return;
                Messages.push_back(box->info->text().toStdString());
                box->Button1->click();
            }
        });
        Answerer.start(5);
        Main = std::make_unique<TmainFrm>();
        Main->SetDrillWindow(&Drill);
        Main->show();
        Main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    }
    void TearDown() override { Answerer.stop(); }

    // Keys go where a person's keys would go: to the focused widget.
    void Focus(QWidget* target)
    {
        if (!Main->isActiveWindow()) {
            Main->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
            // The offscreen platform does not activate a window again that it never saw lose
            // the focus (hidden and shown again).
            if (!Main->isActiveWindow()) QApplication::setActiveWindow(Main.get());
        }
        target->setFocus();
        (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
    }
    void Type(QWidget* target, const QString& text)
    {
        Focus(target);
        TypeText(QApplication::focusWidget(), text);
    }
    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        Focus(target);
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }
    std::string Text(TSelectorBox* box) { return box->Text(); }
    void Execute()
    {
        Main->btnExecute->click();
        QCoreApplication::processEvents();
    }
};
} // namespace

TEST_F(MainWindow, LayoutMatchesTheDesign)
{
    EXPECT_EQ(Main->size(), QSize(412, 241));
    EXPECT_EQ(Main->windowTitle(), "Lexidrill");
    EXPECT_FALSE(Main->windowIcon().isNull());
    struct Expect {
        QWidget* W;
        const char* Name;
        QRect Geometry;
    };
    const std::vector<Expect> expected = {
        {Main->CaptionGroup1, "CaptionGroup1", QRect(8, 8, 289, 225)},
        {Main->projectSelector, "projectSelector", QRect(104, 44, 169, 21)},
        {Main->GroupBox1, "GroupBox1", QRect(16, 88, 257, 121)},
        {Main->list1selector, "list1selector", QRect(72, 36, 169, 21)},
        {Main->list2selector, "list2selector", QRect(72, 72, 169, 21)},
        {Main->btnExecute, "btnExecute", QRect(312, 8, 89, 25)},
        {Main->btnSettings, "btnSettings", QRect(312, 40, 89, 25)},
        {Main->btnAbout, "btnAbout", QRect(312, 72, 89, 25)},
        {Main->btnExit, "btnExit", QRect(312, 104, 89, 25)},
    };
    for (const Expect& e : expected) {
        EXPECT_EQ(e.W->objectName(), e.Name);
        EXPECT_EQ(e.W->geometry(), e.Geometry) << e.Name;
        EXPECT_EQ(Main->findChild<QWidget*>(e.Name), e.W);
    }
    EXPECT_EQ(Main->Label3->pos(), QPoint(16, 48));
    EXPECT_EQ(Main->Label1->pos(), QPoint(16, 40));
    EXPECT_EQ(Main->Label2->pos(), QPoint(16, 76));
    EXPECT_EQ(Main->Label3->buddy(), Main->projectSelector);
    EXPECT_EQ(Main->Label1->buddy(), Main->list1selector);
    EXPECT_EQ(Main->Label2->buddy(), Main->list2selector);
    EXPECT_EQ(Main->CaptionGroup1->CaptionText(), "Choose Project");
    EXPECT_EQ(Main->GroupBox1->title(), "Lists");
    EXPECT_EQ(Main->btnExecute->text(), "&Execute");
    EXPECT_EQ(Main->btnSettings->text(), "&Settings...");
    EXPECT_EQ(Main->btnAbout->text(), "A&bout...");
    EXPECT_EQ(Main->btnExit->text(), "E&xit");
    EXPECT_TRUE(Main->btnExecute->isDefault());
    // No label is cut off by the control beside it.
    EXPECT_LE(Main->Label3->geometry().right(), Main->projectSelector->x());
    EXPECT_LE(Main->Label1->geometry().right(), Main->list1selector->x());
    EXPECT_LE(Main->Label2->geometry().right(), Main->list2selector->x());
}

TEST_F(MainWindow, TabGoesThroughTheSelectorsThenTheButtons)
{
    Main->projectSelector->setFocus();
    std::vector<QString> order;
    for (int i = 0; i < 8; ++i) {
        QWidget* f = QApplication::focusWidget();
        while (f && f->objectName().isEmpty()) f = f->parentWidget();
        order.push_back(f ? f->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<QString>{"projectSelector", "list1selector", "list2selector", "btnExecute",
                                           "btnSettings", "btnAbout", "btnExit", "projectSelector"}));
}

TEST_F(MainWindow, SelectorsListTheFoldersWithEmptyTexts)
{
    auto sorted = [](Lines v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(sorted(Main->projectSelector->Items()), (Lines{"Capitals", "Swedish"}));
    const Lines lists = Main->list1selector->Items();
    EXPECT_EQ(sorted(lists), (Lines{"Empty", "English words", "Nine", "Swedish words", "Ten"}));
    EXPECT_EQ(Main->list2selector->Items(), lists);
    EXPECT_EQ(Text(Main->projectSelector), "");
    EXPECT_EQ(Text(Main->list1selector), "");
    EXPECT_EQ(Text(Main->list2selector), "");
}

TEST_F(MainWindow, SelectorsListNamesInNameOrderIgnoringLetterCase)
{
    Base.Write("Lists/animals.txt", "");
    Base.Write("Lists/capitals.txt", "");
    Base.Write("Projects/animals.rep", "");
    Main->LoadListsFromFile();
    EXPECT_EQ(Main->projectSelector->Items(), (Lines{"animals", "Capitals", "Swedish"}));
    const Lines lists{"animals", "capitals", "Empty", "English words", "Nine", "Swedish words", "Ten"};
    EXPECT_EQ(Main->list1selector->Items(), lists);
    EXPECT_EQ(Main->list2selector->Items(), lists);
}

TEST_F(MainWindow, ExecuteOpensListsWhoseNamesHoldABackslash)
{
    Base.Write("Lists/q\\1.txt", "fr\xe5ga\r\n");
    Base.Write("Lists/a\\1.txt", "svar\r\n");
    Main->LoadListsFromFile();
    const Lines lists = Main->list1selector->Items();
    ASSERT_NE(std::find(lists.begin(), lists.end(), "q\\1"), lists.end());
    Main->list1selector->SetText("q\\1");
    Main->list2selector->SetText("a\\1");
    Execute();
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Drill.Questions, (Lines{"fr\xc3\xa5ga"}));
    EXPECT_EQ(Drill.Answers, (Lines{"svar"}));
}

TEST_F(MainWindow, TypingTheFirstLettersOfAProjectCompletesAndLoadsIt)
{
    Type(Main->projectSelector, "sw");
    EXPECT_EQ(Text(Main->projectSelector), "Swedish");
    EXPECT_EQ(Main->projectSelector->currentIndex(), Main->projectSelector->findText("Swedish"));
    // The completed part stays selected, so typing on replaces it.
    EXPECT_EQ(Main->projectSelector->lineEdit()->selectedText(), "edish");
    EXPECT_EQ(Text(Main->list1selector), "Swedish words");
    EXPECT_EQ(Text(Main->list2selector), "English words");
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, BackspaceOrAnotherEntryInAListSelectorEmptiesTheProjectText)
{
    Type(Main->projectSelector, "Swedish");
    ASSERT_EQ(Text(Main->list1selector), "Swedish words");
    ASSERT_EQ(Text(Main->projectSelector), "Swedish");
    Key(Main->list1selector, Qt::Key_End);
    EXPECT_EQ(Text(Main->projectSelector), "Swedish"); // moving the caret changes nothing
    Key(Main->list1selector, Qt::Key_Backspace);
    EXPECT_EQ(Text(Main->projectSelector), "");
    EXPECT_EQ(Text(Main->list1selector), "Swedish word");
    EXPECT_EQ(Main->projectSelector->count(), 2); // the items stay

    Type(Main->projectSelector, "Swedish");
    ASSERT_EQ(Text(Main->projectSelector), "Swedish");
    Key(Main->list2selector, Qt::Key_Down); // the next entry, as from the drop-down
    EXPECT_EQ(Text(Main->projectSelector), "");
    EXPECT_NE(Text(Main->list2selector), "English words");
}

TEST_F(MainWindow, PickingAnEntryFromTheDropDownWithTheMouse)
{
    Type(Main->projectSelector, "Swedish");
    ASSERT_EQ(Text(Main->projectSelector), "Swedish");
    Main->list1selector->showPopup();
    QAbstractItemView* view = Main->list1selector->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
    const QModelIndex index = view->model()->index(Main->list1selector->findText("Ten"), 0);
    const QRect r = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(Text(Main->list1selector), "Ten");
    EXPECT_EQ(Text(Main->projectSelector), "");

    // Picking a project from its drop-down loads it.
    Main->projectSelector->showPopup();
    QAbstractItemView* pview = Main->projectSelector->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pview->isVisible(); }));
    const QModelIndex pindex = pview->model()->index(Main->projectSelector->findText("Swedish"), 0);
    QTest::mouseClick(pview->viewport(), Qt::LeftButton, {}, pview->visualRect(pindex).center());
    EXPECT_EQ(Text(Main->list1selector), "Swedish words");
    EXPECT_EQ(Text(Main->list2selector), "English words");
}

TEST_F(MainWindow, AProjectTypedInFullLoadsEvenWhenItIsNoEntry)
{
    // Created after the selectors were filled: not among the entries.
    Base.Write("Projects/Zebra stripes.rep", "Ten\r\nNine\r\n");
    Type(Main->projectSelector, "Zebra");
    EXPECT_EQ(Text(Main->list1selector), "");
    Type(Main->projectSelector, " stripes");
    EXPECT_EQ(Text(Main->projectSelector), "Zebra stripes");
    EXPECT_EQ(Text(Main->list1selector), "Ten");
    EXPECT_EQ(Text(Main->list2selector), "Nine");
    // Not trimmed: a trailing blank names another (missing) project and changes nothing.
    Key(Main->list1selector, Qt::Key_Backspace);
    Type(Main->projectSelector, " ");
    EXPECT_EQ(Text(Main->list1selector), "Te");
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, ProjectFilesOfZeroOneAndThreeLines)
{
    Base.Write("Projects/None.rep", "");
    Base.Write("Projects/One.rep", "Q only\r\n");
    Base.Write("Projects/Three.rep", "Q\r\nA\r\nextra\r\n");
    Main->list1selector->SetText("before 1");
    Main->list2selector->SetText("before 2");

    // Each project in turn: the messages its scan shows, then the two list texts.
    const struct {
        const char* Project;
        Lines Messages;
        const char* List1;
        const char* List2;
    } scans[] = {
        {"None", {"DUnable to read project file."}, "before 1", "before 2"},
        {"One", {"DUnable to read project file."}, "Q only", "before 2"},
        {"Three", {}, "Q", "A"},
    };
    for (const auto& scan : scans) {
        SCOPED_TRACE(scan.Project);
        Main->projectSelector->SetText(scan.Project);
        Main->ScanProjectFile();
        EXPECT_EQ(Messages, scan.Messages);
        EXPECT_EQ(Text(Main->list1selector), scan.List1);
        EXPECT_EQ(Text(Main->list2selector), scan.List2);
        Messages.clear();
    }
    // Program-set texts leave the project's name alone.
    EXPECT_EQ(Text(Main->projectSelector), "Three");
}

TEST_F(MainWindow, ProjectThatIsAFolderOrBinaryOrOddlyNamed)
{
    Base.MakeDir("Projects/Folder.rep");
    Main->list1selector->SetText("kept");
    Main->projectSelector->SetText("Folder");
    Main->ScanProjectFile();
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Text(Main->list1selector), "kept");

    std::string bytes = "Swedish words";
    bytes += '\0';
    bytes += "\r\nEnglish words\r\n";
    Base.Write("Projects/Binary.rep", bytes);
    Main->projectSelector->SetText("Binary");
    Main->ScanProjectFile();
    EXPECT_EQ(Messages, Lines{"DUnable to read project file."});
    EXPECT_EQ(Text(Main->list1selector), "Swedish words");

    Messages.clear();
    Main->projectSelector->SetText("../Lists/Ten");
    Main->ScanProjectFile();
    EXPECT_TRUE(Messages.empty());

    // Accented name and accented list names, stored as Windows-1252 inside the file.
    Base.Write("Projects/\xc3\x85ret.rep", "\xc5r\r\n\xe5r\r\n");
    Main->projectSelector->SetText("\xc3\x85ret");
    Main->ScanProjectFile();
    EXPECT_EQ(Text(Main->list1selector), "\xc3\x85r");
    EXPECT_EQ(Main->list2selector->currentText(), QString::fromUtf8("år"));
}

TEST_F(MainWindow, ExecuteLoadsBothListsAndStartsADrill)
{
    Type(Main->projectSelector, "Swedish");
    Execute();
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Drill.Questions, (Lines{"hus", "bil", "\xc3\xa5r"}));
    EXPECT_EQ(Drill.Answers, (Lines{"house", "car", "year"}));
    EXPECT_EQ(Drill.Calls, Lines{"StartDrill"});
    EXPECT_EQ(Drill.Texts, (Lines{"Swedish", "Swedish words", "English words"}));
    EXPECT_FALSE(Main->isVisible());
    // The selectors keep their texts meanwhile.
    EXPECT_EQ(Text(Main->projectSelector), "Swedish");
}

TEST_F(MainWindow, ExecuteWithTwoEmptyListsStartsADrill)
{
    Main->list1selector->SetText("Empty");
    Main->list2selector->SetText("empty"); // letter case does not matter for finding the file
    Execute();
    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(Drill.Questions.empty());
    EXPECT_EQ(Drill.Calls.size(), 1u);
}

TEST_F(MainWindow, ExecuteFailuresLeaveTheWindowAsItWas)
{
    Execute();
    EXPECT_EQ(Messages, Lines{"The two list files could not be opened."});

    Messages.clear();
    Main->list1selector->SetText("Ten");
    Main->list2selector->SetText("Nine");
    Execute();
    EXPECT_EQ(Messages, Lines{"The number of items in the list files differ."});

    Messages.clear();
    Type(Main->projectSelector, "Capitals"); // names lists that don't exist
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Text(Main->list1selector), "Countries");
    Execute();
    EXPECT_EQ(Messages, Lines{"The two list files could not be opened."});

    Messages.clear();
    Base.MakeDir("Lists/Dir.txt");
    Main->list1selector->SetText("Dir");
    Main->list2selector->SetText("Dir");
    Execute();
    EXPECT_EQ(Messages, Lines{"The two list files could not be opened."});

    EXPECT_TRUE(Drill.Calls.empty());
    EXPECT_TRUE(Main->isVisible());
}

TEST_F(MainWindow, EnterExecutesFromASelectorAndEscExits)
{
    Main->list1selector->SetText("Swedish words");
    Main->list2selector->SetText("English words");
    Main->projectSelector->SetText("Swedish");
    Key(Main->list2selector, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Drill.Calls.size(), 1u);
    // Enter confirmed the text; it was no change by the user.
    EXPECT_EQ(Text(Main->projectSelector), "Swedish");
    EXPECT_EQ(Main->list2selector->count(), 5); // and added no entry

    Main->show();
    Main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    Key(Main->projectSelector, Qt::Key_Escape);
    EXPECT_FALSE(Main->isVisible());
}

TEST_F(MainWindow, OneEnterTakesTheCompletionAndExecutesInEverySelector)
{
    auto showAgain = [&] {
        Main->show();
        Main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    };
    auto enter = [&](TSelectorBox* box) {
        Focus(box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    // `box` has the focus with `text` selected whole; Enter takes it as it stands.
    auto enterSelected = [&](TSelectorBox* box, const char* text) {
        ASSERT_TRUE(box->hasFocus());
        ASSERT_EQ(box->lineEdit()->selectedText(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    // Shows the window again with `other` set to `otherText`; then empties `box`, types `typed`,
    // sees the completion select `rest`, and presses Enter.
    auto retype = [&](TSelectorBox* other, const char* otherText, TSelectorBox* box, const char* typed,
                      const char* rest) {
        showAgain();
        other->SetText(otherText);
        box->lineEdit()->clear();
        Type(box, typed);
        ASSERT_EQ(box->lineEdit()->selectedText(), rest);
        enter(box);
    };

    Type(Main->projectSelector, "sw");
    ASSERT_EQ(Main->projectSelector->lineEdit()->selectedText(), "edish");
    enter(Main->projectSelector);
    EXPECT_EQ(Drill.Calls.size(), 1u);
    EXPECT_EQ(Drill.Questions, (Lines{"hus", "bil", "\xc3\xa5r"}));
    EXPECT_FALSE(Main->isVisible());
    EXPECT_EQ(Text(Main->projectSelector), "Swedish");

    retype(Main->list2selector, "Ten", Main->list1selector, "te", "n");
    EXPECT_EQ(Drill.Calls.size(), 2u);
    EXPECT_EQ(Drill.Questions.size(), 10u);
    EXPECT_EQ(Text(Main->list1selector), "Ten");

    retype(Main->list1selector, "Nine", Main->list2selector, "ni", "ne");
    EXPECT_EQ(Drill.Calls.size(), 3u);
    EXPECT_EQ(Drill.Answers.size(), 9u);

    // The program sets other texts; the completers still remember "Ten" and "Nine". A text
    // selected whole by an accelerator or by Tab is taken as it stands, with one Enter.
    showAgain();
    Main->list1selector->SetText("Swedish words");
    Main->list2selector->SetText("English words");
    Key(Main->btnExit, Qt::Key_Q, Qt::AltModifier);
    enterSelected(Main->list1selector, "Swedish words");
    EXPECT_EQ(Drill.Calls.size(), 4u);
    EXPECT_EQ(Drill.Questions, (Lines{"hus", "bil", "\xc3\xa5r"}));
    EXPECT_EQ(Text(Main->list1selector), "Swedish words");

    showAgain();
    Focus(Main->list1selector);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    enterSelected(Main->list2selector, "English words");
    EXPECT_EQ(Drill.Calls.size(), 5u);
    EXPECT_EQ(Drill.Answers, (Lines{"house", "car", "year"}));
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, SettingsWindowClosingRefillsTheSelectors)
{
    TForm settings(Main.get());
    settings.setWindowTitle("Settings");
    QObject::connect(&settings, &QDialog::finished, [&] { Main->LoadListsFromFile(); });
    Main->SetSettingsWindow(&settings);
    Type(Main->projectSelector, "Swedish");
    ASSERT_EQ(Text(Main->list1selector), "Swedish words");
    QTimer::singleShot(50, [&] {
        Base.Write("Lists/New list.txt", "");
        std::remove((Base / "Projects/Capitals.rep").c_str());
        settings.close();
    });
    Main->btnSettings->click();
    EXPECT_EQ(Text(Main->projectSelector), "");
    EXPECT_EQ(Text(Main->list1selector), "");
    EXPECT_EQ(Text(Main->list2selector), "");
    EXPECT_EQ(Main->projectSelector->Items(), Lines{"Swedish"});
    const Lines lists = Main->list1selector->Items();
    EXPECT_NE(std::find(lists.begin(), lists.end(), "New list"), lists.end());
}

TEST_F(MainWindow, UncaughtErrorsAreShownInTheMessageBox)
{
    QTimer::singleShot(0, [] { throw std::runtime_error("Cannot create file \"x\". No space left on device"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Messages.empty(); }));
    EXPECT_EQ(Messages, Lines{"Cannot create file \"x\". No space left on device"});
    // The silent cancellation says nothing. The report of an exception is done by the time the
    // event loop comes back from the handler that threw it.
    Messages.clear();
    bool thrown = false;
    QTimer::singleShot(0, [&] {
        thrown = true;
        throw ESilentCancel();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return thrown; }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, MissingDataFoldersGiveEmptySelectors)
{
    TempFolder empty;
    UseBaseFolder(empty.Path());
    Main->LoadListsFromFile();
    EXPECT_EQ(Main->projectSelector->count(), 0);
    EXPECT_EQ(Main->list1selector->count(), 0);
    Type(Main->projectSelector, "Swedish");
    EXPECT_TRUE(Messages.empty());
    Execute();
    EXPECT_EQ(Messages, Lines{"The two list files could not be opened."});
}

TEST_F(MainWindow, AcceleratorsReachTheSelectorsAndButtons)
{
    Key(Main->btnExit, Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(Main->list1selector->hasFocus());
    Key(Main->list1selector, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(Main->list2selector->hasFocus());
    Key(Main->list2selector, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(Main->projectSelector->hasFocus());

    // Completion in a list selector is a change by the user, too.
    Type(Main->projectSelector, "Swedish");
    ASSERT_EQ(Text(Main->projectSelector), "Swedish");
    Main->list1selector->lineEdit()->clear();
    Type(Main->list1selector, "te");
    EXPECT_EQ(Text(Main->list1selector), "Ten");
    EXPECT_EQ(Text(Main->projectSelector), "");

    Main->list2selector->SetText("Nine");
    Key(Main->list1selector, Qt::Key_E, Qt::AltModifier);
    (void)QTest::qWaitFor([&] { return !Messages.empty(); }, 1000); // the button is pressed visibly first
    EXPECT_EQ(Messages, Lines{"The number of items in the list files differ."});
}

TEST_F(MainWindow, ListsNamedInAnyScriptAreListedCompletedByCaseFoldingAndOpened)
{
    Base.Write("Lists/\xd0\xa1\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xb0.txt", "\xd0\xb4\xd0\xbe\xd0\xbc\r\n"); // "Слова": "дом"
    Base.Write("Lists/\xce\xa3\xce\xbf\xcf\x86\xce\xaf\xce\xb1.txt", "one\r\n");                       // "Σοφία"
    Base.Write("Projects/\xe5\x8d\x98\xe8\xaa\x9e.rep", "\xce\xa3\xce\xbf\xcf\x86\xce\xaf\xce\xb1\r\nTen\r\n"); // "単語"
    Main->LoadListsFromFile();
    // Typed in the other letter case: completed to the entry, by Unicode case folding.
    Type(Main->list1selector, QString::fromUtf8("сл"));
    EXPECT_EQ(Text(Main->list1selector), "\xd0\xa1\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xb0");
    Type(Main->list2selector, QString::fromUtf8("σοφ"));
    EXPECT_EQ(Text(Main->list2selector), "\xce\xa3\xce\xbf\xcf\x86\xce\xaf\xce\xb1");
    Type(Main->projectSelector, QString::fromUtf8("単"));
    EXPECT_EQ(Text(Main->list1selector), "\xce\xa3\xce\xbf\xcf\x86\xce\xaf\xce\xb1");
    Main->list1selector->SetText("\xd0\xa1\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xb0");
    Main->list2selector->SetText("\xd0\xa1\xd0\xbb\xd0\xbe\xd0\xb2\xd0\xb0");
    Execute();
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Drill.Questions, Lines{"\xd0\xb4\xd0\xbe\xd0\xbc"});
}

TEST_F(MainWindow, AFileMarkedAsUtf16ThatIsNoneIsRefusedByNameAndLeftAlone)
{
    const std::string bad("\xff\xfeh\0i", 5);
    Base.Write("Lists/Broken.txt", bad);
    Base.Write("Projects/Broken.rep", bad);
    Main->list1selector->SetText("Ten");
    Main->list2selector->SetText("Broken");
    Execute();
    Main->projectSelector->SetText("Broken");
    Main->ScanProjectFile();
    EXPECT_EQ(Messages, (Lines{"The list \"Broken\" cannot be read: it is marked as UTF-16 text but is not UTF-16. It was left unchanged.",
                               "The project \"Broken\" cannot be read: it is marked as UTF-16 text but is not UTF-16. It was left unchanged."}));
    EXPECT_TRUE(Drill.Calls.empty());
    EXPECT_EQ(Base.Read("Lists/Broken.txt"), bad);
    EXPECT_EQ(Base.Read("Projects/Broken.rep"), bad);
}

TEST_F(MainWindow, AScreenReaderFindsEveryControlNamedByTheLabelBesideIt)
{
    const struct {
        QWidget* Control;
        QAccessible::Role Role;
        QString Name;
    } rows[] = {
        {Main->CaptionGroup1, QAccessible::Grouping, "Choose Project"},
        {Main->projectSelector, QAccessible::ComboBox, "Project:"},
        {Main->list1selector, QAccessible::ComboBox, "Questions:"},
        {Main->list2selector, QAccessible::ComboBox, "Answers:"},
        {Main->btnExecute, QAccessible::Button, "Execute"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Control->objectName().toStdString());
        EXPECT_TRUE(ReachableFrom(Main.get(), r.Control));
        EXPECT_EQ(FactsOf(r.Control).Role, r.Role);
        EXPECT_EQ(FactsOf(r.Control).Name, r.Name);
    }
}
