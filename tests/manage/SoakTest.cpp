// A long random session over the real windows: the main window, the settings window with its
// editor, the projects window and the drill, driven by a seeded random sequence of a few
// thousand user steps. After every step no error report has appeared and the two data
// folders hold exactly the files the session wrote, each with exactly the bytes written.
// The heap in use after the session stays near what it was after the first hundred steps.
#include "ManageFixture.h"

#include "app/SelectorBox.h"
#include "controls/FlatButton.h"
#include "platform/Files.h"
#include "platform/Utf8.h"

#include <QComboBox>
#include <QMenu>
#include <QStringEncoder>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <malloc.h>
#include <map>
#include <random>
#include <set>

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_UNDER_ASAN 1
#endif
#endif

namespace {
using Files = std::map<std::string, std::string>; // "Lists/a.txt" -> bytes

Files ReadFolders(const std::string& base)
{
    Files files;
    for (const char* folder : {"Lists", "Projects"})
        for (const auto& e : std::filesystem::directory_iterator(base + folder)) {
            std::ifstream in(e.path(), std::ios::binary);
            files[std::string(folder) + "/" + FileDisplayName(e.path().filename().string())] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
    return files;
}

size_t HeapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

size_t ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * size_t(sysconf(_SC_PAGESIZE));
}

std::string Ansi(const QString& text) { return Utf8FromQString(text); }

bool StartsWith(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }

// The program's own messages a session may meet; anything else is an error report.
bool ExpectedMessage(const std::string& text)
{
    static const std::set<std::string> exact{
        "Unable to open project file.",       "DUnable to read project file.",
        "The number of items in the list files differ.", "The two list files could not be opened.",
        "Unable to open list file.",
    };
    if (exact.count(text)) return true;
    if (StartsWith(text, "You answered correctly on ")) return true;
    const std::string taken = "\" already exists.";
    return StartsWith(text, "List file \"") && text.size() > taken.size() &&
           text.compare(text.size() - taken.size(), taken.size(), taken) == 0;
}

// Answers every dialog box the session opens, at random, and remembers what it chose.
class Answerer {
public:
    explicit Answerer(std::mt19937& random) : Random(random)
    {
        Timer.setInterval(0);
        QObject::connect(&Timer, &QTimer::timeout, [this] { Poll(); });
        Timer.start();
    }
    std::vector<std::string> Unexpected;
    std::vector<std::string> Inputs;   // names typed into input boxes, in order ("" when cancelled)
    std::vector<bool> Answers;         // question boxes: true for Yes
    std::function<void(QWidget*)> OnProjectsWindow;
    // The settings window asking whether to save the open list's edits: its name and the answer.
    std::function<void(const std::string& list, bool yes)> OnSaveQuestion;

private:
    void Poll()
    {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible() || m->property("soakAnswered").toBool()) return;
        m->setProperty("soakAnswered", true);
        const QString name = m->objectName();
        if (name == "MessageBox") {
            const auto* info = m->findChild<QLabel*>("info");
            const std::string text = info ? Ansi(info->text()) : "";
            if (!ExpectedMessage(text)) Unexpected.push_back(text);
            ClickButton(m, "Button1");
        } else if (name == "QuestionBox") {
            const bool yes = Random() % 3 != 0;
            Answers.push_back(yes);
            const auto* info = m->findChild<QLabel*>("info");
            const auto* question = m->findChild<QLabel*>("question");
            const std::string statement = info ? Ansi(info->text()) : "";
            const std::string prefix = "The list \"", suffix = "\" has changes that are not saved.";
            if (question && Ansi(question->text()) == "Save the changes?" && OnSaveQuestion &&
                StartsWith(statement, prefix) && statement.size() >= prefix.size() + suffix.size())
                OnSaveQuestion(statement.substr(prefix.size(), statement.size() - prefix.size() - suffix.size()), yes);
            ClickButton(m, yes ? "Button1" : "Button2");
        } else if (name == "InternalFunctionInput") {
            // A few names, so new lists and projects meet old ones; now and then Cancel.
            static const char* names[] = {"words", "glosor", "svar", "fr\xc3\xa5gor", "a", "b", "tom"};
            if (Random() % 8 == 0) {
                Inputs.push_back("");
                ClickButton(m, "btnCancel");
            } else {
                const std::string n = names[Random() % std::size(names)];
                Inputs.push_back(n);
                m->findChild<QLineEdit*>("A")->setText(QString::fromStdString(n));
                ClickButton(m, "btnOk");
            }
        } else if (name == "projectsFrm" && OnProjectsWindow) {
            // Acted on once this poll has returned, so the window's own question box is
            // answered by a later poll.
            QTimer::singleShot(0, m, [this, m] { OnProjectsWindow(m); });
        } else {
            Unexpected.push_back("a window " + name.toStdString());
            m->close();
        }
    }
    std::mt19937& Random;
    QTimer Timer;
};

class Soak : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        Write("Lists/words.txt", "house\r\ncar\r\ntree\r\n");
        Write("Lists/glosor.txt", "hus\r\nbil\r\ntr\xe4" "d\r\n");
        Write("Lists/svar.txt", "ett\r\n");
        Write("Projects/Swedish.rep", "words\r\nglosor\r\n");
        CreateWindows();
    }
    void Write(const std::string& file, const std::string& bytes)
    {
        Base.Write(file, bytes);
        Expected[file] = bytes;
    }
    Files Expected;
};
} // namespace

TEST_F(Soak, ThousandsOfRandomStepsOverTheRealWindows)
{
    const char* seedText = std::getenv("LEXIDRILL_SOAK_SEED");
    const char* stepsText = std::getenv("LEXIDRILL_SOAK_STEPS");
    const unsigned seed = seedText ? unsigned(std::strtoul(seedText, nullptr, 10)) : 20261208u;
    const int steps = stepsText ? std::atoi(stepsText) : 3000;
    std::printf("[   soak   ] seed %u, %d steps (LEXIDRILL_SOAK_SEED, LEXIDRILL_SOAK_STEPS)\n", seed, steps);
    std::mt19937 random(seed);
    auto chance = [&](int n) { return int(random() % 100) < n; };
    auto pick = [&](int n) { return n > 0 ? int(random() % unsigned(n)) : 0; };
    Answerer answerer(random);
    TTextEditorEx* editor = Settings->editor;

    Main->show();
    QApplication::setActiveWindow(Main.get());
    enum class TWhere { Main, Settings, Drill } where = TWhere::Main;
    std::string step;
    size_t heapAt100 = 0, residentAt100 = 0;

    auto listName = [&](int row) { return "Lists/" + Ansi(Settings->ListList->item(row)->text()) + ".txt"; };
    answerer.OnProjectsWindow = [&](QWidget* w) {
        auto* list = w->findChild<QListWidget*>("ProjectList");
        if (list->count() > 0 && chance(70)) {
            list->clearSelection();
            const int row = pick(list->count());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
            const std::string name = "Projects/" + Ansi(list->item(row)->text()) + ".rep";
            const size_t before = answerer.Answers.size();
            w->findChild<QPushButton*>("btnProjectDoDel")->click();
            if (answerer.Answers.size() == before + 1 && answerer.Answers.back()) Expected.erase(name);
        }
        w->findChild<QPushButton*>("btnProjectDoClose")->click();
    };

    answerer.OnSaveQuestion = [&](const std::string& list, bool yes) {
        if (yes) Expected["Lists/" + list + ".txt"] = Windows1252(EditorText(editor)); // as every list here is
    };

    auto editorStep = [&] {
        const int kind = pick(12);
        if (kind < 4) {
            static const char* texts[] = {"a", "hus", " ", "\xc3\xa5\xc3\xa4\xc3\xb6", "Tr\xc3\xa4" "d", "x y z"};
            TypeText(editor, QString::fromUtf8(texts[pick(6)]));
        } else if (kind == 4) {
            QTest::keyClick(editor, Qt::Key_Return);
        } else if (kind == 5) {
            QTest::keyClick(editor, chance(50) ? Qt::Key_Backspace : Qt::Key_Delete,
                            chance(30) ? Qt::ControlModifier : Qt::NoModifier);
        } else if (kind == 6) {
            static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                           Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
            Qt::KeyboardModifiers mods;
            if (chance(40)) mods |= Qt::ShiftModifier;
            if (chance(30)) mods |= Qt::ControlModifier;
            QTest::keyClick(editor, keys[pick(8)], mods);
        } else if (kind == 7) {
            QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        } else if (kind == 8) {
            // A drag: press, move in steps, release, anywhere over the text.
            const QPoint from(pick(editor->width()), pick(editor->height()));
            const QPoint to(pick(editor->width()), pick(editor->height()));
            QTest::mousePress(editor, Qt::LeftButton, chance(20) ? Qt::ControlModifier : Qt::NoModifier, from);
            QTest::mouseMove(editor, (from + to) / 2);
            QTest::mouseMove(editor, to);
            QTest::mouseRelease(editor, Qt::LeftButton, {}, to);
        } else if (kind == 9) {
            QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(pick(editor->width()), pick(editor->height())));
        } else if (kind == 10) {
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        } else {
            editor->AddUndoPoint(); // what the settings window's undo timer does after a pause
        }
        // Keep lists small: the session is about many steps, not big texts.
        if (EditorText(editor).size() > 2000) {
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(editor, Qt::Key_Delete);
        }
    };

    auto settingsStep = [&] {
        // Dialog boxes do not hand activation back on the offscreen platform.
        Reactivate(Settings.get());
        const int kind = pick(20);
        const int count = Settings->ListList->count();
        if (kind < 3 && count > 0) {
            step = "open a list";
            QTest::mouseClick(Settings->ListList->viewport(), Qt::LeftButton, {}, RowCentre(Settings->ListList, pick(count)));
        } else if (kind < 11) {
            step = "edit";
            if (editor->isEnabled()) editorStep();
        } else if (kind < 13) {
            step = "save";
            const int row = Settings->ListList->currentRow();
            const bool canSave = Settings->btnSave->isEnabled() && row >= 0;
            const std::string text = EditorText(editor);
            const std::string file = canSave ? listName(row) : "";
            if (chance(50)) QTest::mouseClick(Settings->btnSave, Qt::LeftButton);
            else QTest::keyClick(editor->isEnabled() ? static_cast<QWidget*>(editor) : Settings.get(), Qt::Key_S,
                                 Qt::ControlModifier);
            if (canSave) Expected[file] = Windows1252(text); // as every list here is
        } else if (kind == 13) {
            step = "new list";
            const size_t before = answerer.Inputs.size();
            QTest::mouseClick(Settings->btnNew, Qt::LeftButton);
            if (answerer.Inputs.size() == before + 1 && !answerer.Inputs.back().empty()) {
                const std::string file = "Lists/" + answerer.Inputs.back() + ".txt";
                if (!Expected.count(file)) Expected[file] = "";
            }
        } else if (kind == 14 && count > 0) {
            step = "remove lists";
            Settings->ListList->clearSelection();
            const int row = pick(count);
            QTest::mouseClick(Settings->ListList->viewport(), Qt::LeftButton, {}, RowCentre(Settings->ListList, row));
            std::vector<std::string> files{listName(row)};
            if (count > 1 && chance(30)) {
                const int other = pick(count);
                QTest::mouseClick(Settings->ListList->viewport(), Qt::LeftButton, Qt::ControlModifier,
                                  RowCentre(Settings->ListList, other));
                files = {};
                for (QListWidgetItem* item : Settings->ListList->selectedItems())
                    files.push_back("Lists/" + Ansi(item->text()) + ".txt");
            }
            const size_t before = answerer.Answers.size();
            if (Settings->btnDel->isEnabled()) QTest::mouseClick(Settings->btnDel, Qt::LeftButton);
            if (answerer.Answers.size() == before + 1 && answerer.Answers.back())
                for (const std::string& f : files) Expected.erase(f);
        } else if (kind == 15) {
            step = "create a project";
            const size_t before = answerer.Inputs.size();
            Settings->Skapanyttprojekt1Click();
            const auto& in = answerer.Inputs;
            if (in.size() == before + 3 && !in[before].empty() && !in[before + 1].empty() && !in[before + 2].empty())
                // Windows-1252, which holds every name typed here.
                Expected["Projects/" + in[before + 2] + ".rep"] =
                    QByteArray(QStringEncoder("windows-1252").encode(QString::fromStdString(in[before] + "\r\n" + in[before + 1] + "\r\n"))).toStdString();
        } else if (kind == 16) {
            step = "projects window";
            Settings->ProjectDel();
            // The same window opens next time: let the answerer see it again.
            Projects->setProperty("soakAnswered", false);
        } else if (kind == 17) {
            step = "close settings";
            QTest::mouseClick(Settings->btnClose, Qt::LeftButton);
            Main->LoadListsFromFile();
            Main->show();
            Reactivate(Main.get());
            where = TWhere::Main;
        } else {
            step = "edit";
            if (editor->isEnabled()) editorStep();
        }
    };

    auto mainStep = [&] {
        const int kind = pick(10);
        TSelectorBox* selectors[] = {Main->projectSelector, Main->list1selector, Main->list2selector};
        if (kind < 4) {
            step = "choose in a selector";
            TSelectorBox* s = selectors[pick(3)];
            s->setFocus();
            QTest::keyClick(s, chance(70) ? Qt::Key_Down : Qt::Key_Up);
        } else if (kind < 5) {
            step = "type in a selector";
            TSelectorBox* s = selectors[pick(3)];
            s->lineEdit()->selectAll();
            static const char* typed[] = {"w", "gl", "Sw", "sv", "x"};
            QTest::keyClicks(s->lineEdit(), typed[pick(5)]);
        } else if (kind < 8) {
            step = "execute";
            QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
            if (Drill->isVisible()) where = TWhere::Drill;
        } else {
            step = "open settings";
            Main->hide();
            OpenSettings();
            where = TWhere::Settings;
        }
    };

    auto drillStep = [&] {
        const int kind = pick(10);
        const int i = Drill->GetCurrentIndex();
        if (kind < 6 && Drill->answer->isVisible()) {
            step = "answer";
            Drill->answer->clear();
            const bool right = chance(75) && i >= 0 && i < int(Drill->AnswerItems().size());
            Drill->answer->setText(QString::fromStdString(right ? Drill->AnswerItems()[size_t(i)] : std::string("fel")));
            QTest::keyClick(Drill->answer, Qt::Key_Return);
        } else if (kind == 6) {
            step = "toggle errors";
            QTest::mouseClick(Drill->btnToggleAcceptErrors, Qt::LeftButton);
        } else if (kind == 7) {
            step = "start over";
            QTest::mouseClick(Drill->btnRestart, Qt::LeftButton);
        } else {
            step = "cancel drill";
            QTest::mouseClick(Drill->btnExit, Qt::LeftButton);
            if (!Drill->isVisible()) {
                Reactivate(Main.get());
                where = TWhere::Main;
            }
        }
    };

    // Memory is compared in one state: back in the main window, as after start-up (a shown
    // full-screen drill alone holds megabytes of window pixels).
    auto settle = [&] {
        if (where == TWhere::Settings) QTest::mouseClick(Settings->btnClose, Qt::LeftButton);
        if (where == TWhere::Drill) QTest::mouseClick(Drill->btnExit, Qt::LeftButton);
        Main->LoadListsFromFile();
        Main->show();
        Reactivate(Main.get());
        where = TWhere::Main;
        QApplication::processEvents();
    };

    // Every window is shown once before the steps, so its first showing (a full-screen drill
    // alone takes megabytes of window pixels) is not counted as growth.
    Main->projectSelector->SetText("Swedish");
    Main->ScanProjectFile();
    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Drill.get()));
    QApplication::processEvents();
    QTest::mouseClick(Drill->btnExit, Qt::LeftButton);
    Main->hide();
    OpenSettings();
    Settings->ProjectDel();
    Projects->setProperty("soakAnswered", false);
    settle();
    ASSERT_EQ(ReadFolders(Base.Path()), Expected);

    for (int n = 1; n <= steps; ++n) {
        try {
            if (where == TWhere::Main) mainStep();
            else if (where == TWhere::Settings) settingsStep();
            else drillStep();
        } catch (const std::exception& e) {
            FAIL() << "step " << n << " (" << step << ") threw: " << e.what();
        }
        ASSERT_TRUE(answerer.Unexpected.empty())
            << "step " << n << " (" << step << ") reported: " << answerer.Unexpected.front();
        const Files onDisk = ReadFolders(Base.Path());
        if (onDisk != Expected) {
            std::string diff;
            for (const auto& [f, b] : onDisk)
                if (!Expected.count(f) || Expected[f] != b) diff += " on disk: " + f + " [" + b.substr(0, 60) + "] expected [" +
                            (Expected.count(f) ? Expected[f].substr(0, 60) : std::string("no file")) + "]";
            for (const auto& [f, b] : Expected)
                if (!onDisk.count(f)) diff += " missing: " + f;
            FAIL() << "step " << n << " (" << step << "):" << diff;
        }
        if (n == 100) {
            settle();
            heapAt100 = HeapInUse();
            residentAt100 = ResidentBytes();
        }
    }
    settle();
    const size_t heapAtEnd = HeapInUse();
    const size_t residentAtEnd = ResidentBytes();
    std::printf("[   soak   ] heap in use %zu KB after 100 steps, %zu KB after %d; resident %zu KB, %zu KB\n",
                heapAt100 / 1024, heapAtEnd / 1024, steps, residentAt100 / 1024, residentAtEnd / 1024);
#ifndef SOAK_UNDER_ASAN
    // AddressSanitizer holds freed memory back on purpose; only an ordinary build measures.
    if (steps >= 1000) EXPECT_LE(double(heapAtEnd), 1.10 * double(heapAt100));
#endif
}
