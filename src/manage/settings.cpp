#include "manage/settings.h"

#include "app/DataStore.h"
#include "app/DialogBoxes.h"
#include "editor/ruler/Ruler.h"
#include "editor/TextEditorEx.h"
#include "controls/PanelCaption.h"
#include "manage/ListBox.h"
#include "platform/Application.h"
#include "platform/Commands.h"
#include "platform/Files.h"
#include "platform/TextEncoding.h"
#include "platform/Utf8.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QHideEvent>
#include <QShowEvent>

namespace {
TPanelCaption* MakePanelCaption(QWidget* parent, const char* name, int left, int top, int width, int height,
                                const std::string& text)
{
    auto* c = new TPanelCaption(parent);
    c->setObjectName(name);
    Place(c, left, top, width, height);
    c->SetCaptionText(text);
    return c;
}
} // namespace

TSettingsFrm::TSettingsFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("SettingsFrm");
    setWindowTitle("Settings");
    SetClientSize(766, 534);
    // Smaller than designed, the buttons along the bottom would run into one another.
    setMinimumSize(766, 534);
    BuildControls();
    BuildCommands();
    BuildMenus();

    AUU = new TTimer(this);
    AUU->setObjectName("AUU");
    AUU->setSingleShot(true);
    AUU->setInterval(1000);
    connect(AUU, &TTimer::timeout, this, [this] { RunGuarded([this] { AUUTimer(); }); });

    CenterOnScreen();
}

TSettingsFrm::~TSettingsFrm() = default;

void TSettingsFrm::SetProjectsWindow(TForm* projects) { FProjects = projects; }

void TSettingsFrm::BuildControls()
{
    PanelCaption1 = MakePanelCaption(this, "PanelCaption1", 8, 8, 185, 23, "Lists");

    ListList = new TListBox(this);
    auto* list = ListList;
    ListList->setObjectName("ListList");
    // The caption above is the list's label; screen readers name the list by it.
    ListList->setAccessibleName(QStringFromUtf8(PanelCaption1->CaptionText()));
    Place(ListList, 8, 32, 185, 431);
    list->OnClick = [this] { RunGuarded([this] { ListListClick(); }); };
    list->OnCanChange = [this] { return SettleUnsavedEdits(); };
    list->OnKeyDown = [this](int key) {
        bool taken = false;
        RunGuarded([&] { taken = ListListKeyDown(key); });
        return taken;
    };

    PanelCaption2 = MakePanelCaption(this, "PanelCaption2", 200, 8, 557, 23, "Edit List");

    Ruler1 = new TRuler(this);
    Ruler1->setObjectName("Ruler1");
    Place(Ruler1, 200, 32, 33, 431);
    TFont rulerFont = Ruler1->Font();
    rulerFont.Name = "Arial Narrow";
    rulerFont.Height = 13;
    rulerFont.Style = fsBold;
    rulerFont.Color = clBlack;
    Ruler1->SetFont(rulerFont);

    editor = new TTextEditorEx(this);
    editor->setObjectName("editor");
    editor->setAccessibleName(QStringFromUtf8(PanelCaption2->CaptionText()));
    Place(editor, 233, 32, 524, 431);
    TTextEditorExSettings& s = editor->Settings();
    s.SetTabLength(0);
    s.SetAutoIndent(false);
    s.SetAutoEncode(false);
    s.SetHiddenCharsColor(clBlack);
    s.SetSpeedJump(100);
    s.SetHideHelperOnClick(false);
    TFont editorFont = editor->Font();
    editorFont.Name = "Courier New";
    editorFont.Height = 16;
    editorFont.FixedPitch = true;
    editorFont.Style = 0;
    editor->SetFont(editorFont);
    editor->SetTextXSpace(1);
    editor->SetTextYSpace(0);
    Ruler1->SetTextEditorEx(editor);
    editor->SetRuler(Ruler1);
    editor->OnChange = [this](QObject*) { editorChange(); };

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Place(Bevel1, 8, 478, 749, 2);

    btnNew = MakeButton(this, "btnNew", "Create &new file...", 8, 494, 105, 25);
    btnDel = MakeButton(this, "btnDel", "&Remove selected", 128, 494, 105, 25);
    btnSave = MakeButton(this, "btnSave", "&Save file", 248, 494, 105, 25);
    btnHandleProjects = MakeButton(this, "btnHandleProjects", "&Projects...", 384, 494, 105, 25);
    btnClose = MakeButton(this, "btnClose", "Close", 684, 494, 75, 25);
    SetCloseButton(btnClose, mrCancel);
    connect(btnHandleProjects, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { HandleProjects(btnHandleProjects); }); });

    SetAnchors(PanelCaption1, akLeft | akTop);
    SetAnchors(ListList, akLeft | akTop | akBottom);
    SetAnchors(PanelCaption2, akLeft | akTop | akRight);
    SetAnchors(Ruler1, akLeft | akTop | akBottom);
    SetAnchors(editor, akLeft | akTop | akRight | akBottom);
    SetAnchors(Bevel1, akLeft | akRight | akBottom);
    for (QWidget* b : {static_cast<QWidget*>(btnNew), static_cast<QWidget*>(btnDel),
                       static_cast<QWidget*>(btnSave), static_cast<QWidget*>(btnHandleProjects)})
        SetAnchors(b, akLeft | akBottom);
    SetAnchors(btnClose, akRight | akBottom);

    setTabOrder(ListList, editor);
    setTabOrder(editor, btnClose);
    setTabOrder(btnClose, btnNew);
    setTabOrder(btnNew, btnDel);
    setTabOrder(btnDel, btnSave);
    setTabOrder(btnSave, btnHandleProjects);
}

void TSettingsFrm::hideEvent(QHideEvent* e)
{
    TForm::hideEvent(e);
    // Closing by Close, Esc or the close box all end here, modal or not; minimising does not.
    if (e->spontaneous() || FClosing) return;
    FClosing = true;
    AUU->stop();
    RunGuarded([this] { FormClose(); });
}

void TSettingsFrm::FillListList()
{
    ListList->clear();
    for (const std::string& name : GetDisplayNames(TFolderKind::Lists)) ListList->AddName(name);
}

void TSettingsFrm::FormShow()
{
    FClosing = false;
    editor->AddUndoPoint();
    FillListList();
    ShowNoList();
}

void TSettingsFrm::SetEditCaption(const std::string& text)
{
    PanelCaption2->SetCaptionText(text);
    // The caption is the editor's label: screen readers name the editor by it.
    editor->setAccessibleName(QStringFromUtf8(text));
}

void TSettingsFrm::SetListOpen(bool open)
{
    editor->setEnabled(open);
    btnSave->setEnabled(open);
    ASaveFile->setEnabled(open);
}

bool TSettingsFrm::CloseQuery() { return SettleUnsavedEdits(); }

bool TSettingsFrm::SettleUnsavedEdits()
{
    if (!editor->isEnabled() || !editor->Modified()) return true;
    const int answer =
        ldQuestionBox(this, "The list \"" + FOpenName + "\" has changes that are not saved.", "Save the changes?");
    if (answer == mrCancel) return false;
    if (answer == mrYes) {
        try {
            editor->SaveToFile(ListFilePath(FOpenName));
        } catch (const std::exception& e) {
            // The edits stay, and so does the user, as after a Save that fails.
            ReportError(e.what());
            return false;
        }
    }
    return true;
}

void TSettingsFrm::ShowNoList()
{
    // No focused item, as when the window was first opened: the arrow keys start again at the
    // top and nothing is open.
    ListList->clearSelection();
    ListList->setCurrentItem(nullptr);
    SetEditCaption("No list file selected.");
    editor->Clear();
    SetListOpen(false);
    FOpenName.clear();
}

void TSettingsFrm::OpenNothing()
{
    // With no list open there is no Save that could write the editor's empty text over the
    // list. The list keeps the focus, so the arrow keys go on from it.
    SetEditCaption("No list file selected.");
    editor->Clear();
    SetListOpen(false);
    FOpenName.clear();
}

void TSettingsFrm::FormClose()
{
    if (OnClosed) OnClosed();
}

bool TSettingsFrm::FocusedName(std::string& name) const
{
    const int row = ListList->currentRow();
    if (row < 0) return false;
    name = ListList->NameAt(row);
    return true;
}

void TSettingsFrm::ListListClick()
{
    SetEditCaption("Edit List");
    SetListOpen(true);
    editor->Clear();
    FOpenName.clear();
    try {
        std::string name;
        if (!FocusedName(name)) throw EFOpenError("No list file is focused.");
        FOpenName = name;
        editor->LoadFromFile(ListFilePath(name));
        editor->ClearUndo();
        editor->AddUndoPoint();
        // The load's own change already has its snapshot; a second one a second later would
        // offer an undo that changes nothing.
        AUU->stop();
    } catch (const EUndecodableText&) {
        const std::string name = FOpenName;
        OpenNothing();
        ldMessageBox(this, UndecodableFileMessage(TFolderKind::Lists, name));
        return;
    } catch (const std::exception&) {
        // A list that is there but could not be read must not stay open: a Save would write
        // the editor's empty text over it. One that has gone since the folder was listed stays
        // open and empty, so typing and saving makes it again.
        const bool unreadable = !FOpenName.empty() && FileExists(ListFilePath(FOpenName));
        if (unreadable) OpenNothing();
        ldMessageBox(this, "Unable to open list file.");
        if (unreadable) return;
    }
    editor->setFocus();
    editor->SelectAll();
}

bool TSettingsFrm::ListListKeyDown(int key)
{
    if (key != Qt::Key_Delete) return false;
    if (btnDel->isEnabled()) btnDel->click();
    return true;
}

void TSettingsFrm::SaveFile()
{
    std::string name;
    if (!FocusedName(name)) return;
    // A failure goes to the general error report; the list stays open with its text.
    const bool wasAnsi = editor->FileEncoding() == TTextEncoding::Ansi;
    const TTextEncoding written = editor->SaveToFile(ListFilePath(name));
    ShowNoList();
    // Once: from now on the list is read and written as UTF-8.
    if (wasAnsi && written != TTextEncoding::Ansi)
        ldMessageBox(this, "The list \"" + name + "\" was saved as UTF-8, so that every character in it reads back as it was typed.");
}

void TSettingsFrm::NewFile()
{
    if (!SettleUnsavedEdits()) return;
    std::string name;
    if (!ldInputQuery(this, "Enter file name of new list:", "New list", name)) return;
    if (name.empty()) return;
    if (FileExists(ListFilePath(name))) {
        ldMessageBox(this, "List file \"" + name + "\" already exists.");
        return;
    }
    try {
        SaveLines(ListFilePath(name), {});
        ListList->AddName(name);
        for (int i = 0; i < ListList->count(); ++i) {
            if (SameTextIgnoringCase(ListList->NameAt(i), name)) {
                ListList->setCurrentRow(i, QItemSelectionModel::Select);
                break;
            }
        }
        SetEditCaption("Selected list:");
        SetListOpen(true);
        editor->Clear();
        editor->setFocus();
        editor->InsertText("Enter the contents of the file \"" + name + "\" here.\r\n"
                           "Then choose \"Save list\" to save the text.");
        editor->SelectAll();
        // The guide is no content of the list but stands for its empty file: closing with the
        // guide unchanged, or brought back by Undo, asks nothing.
        editor->MarkSaved();
        FOpenName = name;
    } catch (const std::exception&) {
        ldMessageBox(this, "Unable to create new list file.");
    }
}

void TSettingsFrm::DelSelection()
{
    try {
        const std::vector<int> rows = ListList->SelectedRows();
        const std::string statement = rows.size() == 1
            ? "List file \"" + ListList->NameAt(rows.front()) + "\" is selected."
            : std::to_string(rows.size()) + " list files are selected.";
        if (ldQuestionBox(this, statement, "Remove?") != mrYes) return;
        // Removing the open list takes its edits with it; removing others closes it too.
        bool openRemoved = false;
        for (int row : rows) openRemoved = openRemoved || ListList->NameAt(row) == FOpenName;
        if (!openRemoved && !SettleUnsavedEdits()) return;
        for (int row : rows) DeleteFileAt(ListFilePath(ListList->NameAt(row)));
        // Listed again from the folder, so a file that would not go is still shown.
        FillListList();
    } catch (const std::exception&) {
    }
    ShowNoList();
}
