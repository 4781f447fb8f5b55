#pragma once
// The program's windows over a temporary base folder, and a script that answers the
// program's own dialog boxes in order while a window waits for them.
#include "KeyTyping.h"
#include "ModalHelper.h"
#include "SoundLog.h"
#include "TempFolder.h"
#include "app/DataStore.h"
#include "app/Program.h"
#include "app/main.h"
#include "drill/repetitions.h"
#include "editor/TextEditorEx.h"
#include "manage/projects.h"
#include "manage/settings.h"
#include "platform/Commands.h"
#include "FakeServices.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// What one dialog box showed: its message (or statement and question), or its prompt and the
// default value of its edit box.
struct TSeenDialog {
    std::string Kind; // "MessageBox", "QuestionBox", "InternalFunctionInput", or a window's name
    std::string Text;
    std::string Question;
    QWindow* Owner = nullptr; // the window the window manager keeps the box above
};

class DialogScript {
public:
    using Step = std::function<void(QWidget*)>;

    DialogScript()
    {
        Timer.setInterval(10);
        QObject::connect(&Timer, &QTimer::timeout, [this] { Poll(); });
        Timer.start();
    }
    ~DialogScript() { Timer.stop(); }

    // Presses the question box's or message box's button named `button` ("Button1" ...).
    void Press(const char* button)
    {
        Steps.push_back([this, b = QString(button)](QWidget* d) {
            Record(d);
            ClickButton(d, b);
        });
    }
    void Yes() { Press("Button1"); }
    void No() { Press("Button2"); }
    void Cancel() { Press("Button3"); }
    void Ok() { Press("Button1"); }
    // Types `text` into the input dialog (replacing its default) and presses OK or Cancel.
    void Input(const std::string& text, bool ok = true)
    {
        Steps.push_back([this, text, ok](QWidget* d) {
            Record(d);
            d->findChild<QLineEdit*>("A")->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
            ClickButton(d, ok ? "btnOk" : "btnCancel");
        });
    }
    // Accepts the input dialog's default as it stands.
    void AcceptDefault()
    {
        Steps.push_back([this](QWidget* d) {
            Record(d);
            ClickButton(d, "btnOk");
        });
    }
    // Runs `step` on the next dialog box, after noting what it shows.
    void Then(Step step)
    {
        Steps.push_back([this, step](QWidget* d) {
            Record(d);
            step(d);
        });
    }
    // Runs `step` on a window of this name shown modally (the projects window).
    void OnWindow(const char* name, Step step)
    {
        Steps.push_back([this, step](QWidget* d) {
            Seen.push_back({d->objectName().toStdString(), {}, {}});
            step(d);
        });
        Windows.push_back(name);
    }

    bool Done() const { return Steps.empty(); }
    std::vector<TSeenDialog> Seen;

private:
    void Record(QWidget* d)
    {
        TSeenDialog s{d->objectName().toStdString(), {}, {}, d->windowHandle()->transientParent()};
        if (auto* l = d->findChild<QLabel*>("info")) s.Text = l->text().toStdString();
        if (auto* l = d->findChild<QLabel*>("question")) s.Question = l->text().toStdString();
        if (auto* l = d->findChild<QLabel*>("Q")) s.Text = l->text().toStdString();
        if (auto* e = d->findChild<QLineEdit*>("A")) s.Question = e->text().toStdString();
        Seen.push_back(s);
    }
    void Poll()
    {
        if (Steps.empty() || Busy) return;
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible() || m->property("scriptAnswered").toBool()) return;
        const QString name = m->objectName();
        const bool box = name == "MessageBox" || name == "QuestionBox" || name == "InternalFunctionInput";
        bool window = false;
        for (const QString& w : Windows) window = window || w == name;
        if (!box && !window) return;
        m->setProperty("scriptAnswered", true);
        Step step = std::move(Steps.front());
        Steps.pop_front();
        Busy = true;
        step(m);
        Busy = false;
    }

    std::deque<Step> Steps;
    std::vector<QString> Windows;
    QTimer Timer;
    bool Busy = false;
};

class ManageWindows : public ::testing::Test {
protected:
    TempFolder Base;
    std::unique_ptr<TmainFrm> Main;
    std::unique_ptr<TrepetitionsFrm> Drill;
    std::unique_ptr<TSettingsFrm> Settings;
    std::unique_ptr<TprojectsFrm> Projects;
    SoundLog Sounds;

    void SetUp() override
    {
        Base.MakeDir("Lists");
        Base.MakeDir("Projects");
        UseBaseFolder(Base.Path());
    }
    // The windows in the order the program creates them.
    void CreateWindows()
    {
        Main = std::make_unique<TmainFrm>();
        Drill = std::make_unique<TrepetitionsFrm>();
        Main->SetDrillWindow(Drill.get());
        Drill->OnClosed = [main = Main.get()] { main->ReturnFromDrill(); };
        Settings = std::make_unique<TSettingsFrm>();
        Main->SetSettingsWindow(Settings.get());
        Settings->OnClosed = [main = Main.get()] { main->LoadListsFromFile(); };
        Projects = std::make_unique<TprojectsFrm>();
        Settings->SetProjectsWindow(Projects.get());
        TestServices().ReportError = ProgramErrorReport(Main.get());
    }
    // Writes `files` (each a path in the base folder and its bytes), then creates the windows.
    void CreateWindowsOver(const std::vector<std::pair<std::string, std::string>>& files)
    {
        for (const auto& [path, bytes] : files) Base.Write(path, bytes);
        CreateWindows();
    }
    void TearDown() override
    {
        Projects.reset();
        Settings.reset();
        Drill.reset();
        Main.reset();
        TestServices().ReportError = ShowProgramError;
    }
    // Shows the settings window (not modally, so the test goes on) and waits for it.
    void OpenSettings()
    {
        Settings->show();
        QApplication::setActiveWindow(Settings.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Settings.get()));
    }
    // Runs `act` (which opens dialog boxes) and checks that the script was used up.
    // The offscreen platform does not hand activation back when a dialog box closes, as a
    // window manager does; the window that was active gets it back here.
    static void Run(DialogScript& script, const std::function<void()>& act)
    {
        QWidget* active = QApplication::activeWindow();
        act();
        (void)QTest::qWaitFor([&] { return script.Done(); }, 1000);
        EXPECT_TRUE(script.Done()) << "a dialog box the script expected did not appear";
        Reactivate(active);
    }
    static void Reactivate(QWidget* w)
    {
        if (!w || !w->isVisible() || QApplication::activeWindow() == w) return;
        QApplication::setActiveWindow(w);
        (void)QTest::qWaitForWindowActive(w);
    }
    static void Idle() { IdleUpdates::RunNow(); }
};

inline QPoint RowCentre(QListWidget* list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

inline std::vector<std::string> ItemNames(const QListWidget* list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list->count(); ++i) names.push_back(list->item(i)->text().toStdString());
    return names;
}

// The bytes a Windows-1252 list holding `text` has on disk, by Qt's own converter.
inline std::string Windows1252(const std::string& text)
{
    return QByteArray(QStringEncoder("windows-1252").encode(QString::fromStdString(text))).toStdString();
}

inline std::string EditorText(const TTextEditorEx* e)
{
    std::string s;
    for (int i = 0; i < e->Lines().Count(); ++i) s += e->Lines()[i] + "\r\n";
    return s;
}
