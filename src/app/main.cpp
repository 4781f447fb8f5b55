#include "app/main.h"

#include "app/DataStore.h"
#include "app/DialogBoxes.h"
#include "app/DialogParts.h"
#include "app/DrillLink.h"
#include "app/SelectorBox.h"
#include "app/aboutWin.h"
#include "controls/CaptionGroup.h"
#include "platform/Application.h"
#include "platform/Files.h"
#include "platform/TextEncoding.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>
#include <new>

TmainFrm::TmainFrm(QWidget* parent) : TForm(parent)
{
    setObjectName("mainFrm");
    setWindowTitle("Lexidrill");
    setWindowIcon(ProgramIcon());

    CaptionGroup1 = new TCaptionGroup(this);
    CaptionGroup1->setObjectName("CaptionGroup1");
    Place(CaptionGroup1, 8, 8, 289, 225);
    CaptionGroup1->SetCaptionText("Choose Project");

    // A selector 169 x 21 at (left, top) and its label 16 pixels in, 4 lower.
    auto selector = [](QWidget* parent, const char* name, int left, int top, const char* labelName,
                       const char* caption, QLabel*& label) {
        auto* box = new TSelectorBox(parent);
        box->setObjectName(name);
        Place(box, left, top, 169, 21);
        label = MakeAutoLabel(parent, labelName, 16, top + 4, caption);
        // With a buddy the ampersand marks the accelerator and takes no room of its own.
        label->setBuddy(box);
        label->adjustSize();
        return box;
    };
    projectSelector = selector(CaptionGroup1, "projectSelector", 104, 44, "Label3", "&Project:", Label3);

    GroupBox1 = new QGroupBox("Lists", CaptionGroup1);
    GroupBox1->setObjectName("GroupBox1");
    Place(GroupBox1, 16, 88, 257, 121);
    list1selector = selector(GroupBox1, "list1selector", 72, 36, "Label1", "&Questions:", Label1);
    list2selector = selector(GroupBox1, "list2selector", 72, 72, "Label2", "&Answers:", Label2);

    auto button = [this](const char* name, const char* text, int top) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        Place(b, 312, top, 89, 25);
        return b;
    };
    btnExecute = button("btnExecute", "&Execute", 8);
    btnSettings = button("btnSettings", "&Settings...", 40);
    btnAbout = button("btnAbout", "A&bout...", 72);
    btnExit = button("btnExit", "E&xit", 104);
    SetDefaultButton(btnExecute);
    SetCancelButton(btnExit);

    setTabOrder(projectSelector, list1selector);
    setTabOrder(list1selector, list2selector);
    setTabOrder(list2selector, btnExecute);
    setTabOrder(btnExecute, btnSettings);
    setTabOrder(btnSettings, btnAbout);
    setTabOrder(btnAbout, btnExit);

    connect(projectSelector, &TSelectorBox::UserChanged, this, [this] { RunGuarded([this] { ScanProjectFile(); }); });
    connect(list1selector, &TSelectorBox::UserChanged, this, [this] { list1selectorChange(); });
    connect(list2selector, &TSelectorBox::UserChanged, this, [this] { list1selectorChange(); });
    connect(btnExecute, &QPushButton::clicked, this, [this] { RunGuarded([this] { NewSession(); }); });
    connect(btnSettings, &QPushButton::clicked, this, [this] { RunGuarded([this] { ShowSettings(); }); });
    connect(btnAbout, &QPushButton::clicked, this, [this] { RunGuarded([this] { ShowAbout(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { ExitApp(); });

    SetFixedFrame(true);
    SetClientSize(412, 241);
    CenterOnScreen();
    projectSelector->setFocus();

    LoadListsFromFile();
}

TmainFrm::~TmainFrm() = default;

void TmainFrm::FormShow()
{
    // Centred once, frame included; after a drill it comes back where the user left it.
    if (!Placed) CenterOnScreen();
    Placed = true;
}

void TmainFrm::SetDrillWindow(IDrillWindow* drill) { Drill = drill; }

void TmainFrm::SetSettingsWindow(TForm* settings) { Settings = settings; }

void TmainFrm::LoadListsFromFile()
{
    projectSelector->ClearAll();
    projectSelector->SetItems(GetDisplayNames(TFolderKind::Projects));
    const std::vector<std::string> lists = GetDisplayNames(TFolderKind::Lists);
    list1selector->ClearAll();
    list1selector->SetItems(lists);
    list2selector->ClearAll();
    list2selector->SetItems(lists);
}

void TmainFrm::ScanProjectFile()
{
    const std::string path = ProjectFilePath(projectSelector->Text());
    // A text that names no project is simply not (yet) a project.
    if (!FileExists(path)) return;
    std::vector<std::string> lines;
    try {
        lines = LoadLines(path);
    } catch (const EUndecodableText&) {
        ldMessageBox(this, UndecodableFileMessage(TFolderKind::Projects, projectSelector->Text()));
        return;
    } catch (const EFOpenError&) {
        ldMessageBox(this, "Unable to open project file.");
        return;
    }
    if (!lines.empty()) list1selector->SetText(lines[0]);
    if (lines.size() < 2) {
        ldMessageBox(this, "DUnable to read project file.");
        return;
    }
    list2selector->SetText(lines[1]);
}

void TmainFrm::list1selectorChange() { projectSelector->SetText(""); }

void TmainFrm::NewSession()
{
    TDrillStart start;
    std::string loading; // the list being read, to name it when it is refused
    try {
        loading = list2selector->Text();
        start.Answers = LoadLines(ListFilePath(loading));
        loading = list1selector->Text();
        start.Questions = LoadLines(ListFilePath(loading));
        if (!Drill) throw EFOpenError("No drill window.");
    } catch (const ESilentCancel&) {
        throw;
    } catch (const EUndecodableText&) {
        ldMessageBox(this, UndecodableFileMessage(TFolderKind::Lists, loading));
        return;
    } catch (const std::exception&) {
        ldMessageBox(this, "The two list files could not be opened.");
        return;
    }
    if (start.Questions.size() != start.Answers.size()) {
        ldMessageBox(this, "The number of items in the list files differ.");
        return;
    }
    // The selectors' texts as they stand, whatever the user typed into them.
    start.Project = projectSelector->Text();
    start.List1 = list1selector->Text();
    start.List2 = list2selector->Text();
    start.Screen = screen();
    hide();
    Drill->StartDrill(std::move(start));
}

void TmainFrm::ShowSettings()
{
    if (Settings) Settings->ShowModal();
}

void TmainFrm::ShowAbout()
{
    auto about = std::make_unique<Tabout>(this);
    about->ShowModal();
}

void TmainFrm::ExitApp() { close(); }

void TmainFrm::ReturnFromDrill()
{
    show();
    activateWindow();
}
