// The settings window's commands, their enabling rules, the editor's pop-up menu, the undo
// timing and the project functions.
#include "manage/settings.h"

#include "app/DataStore.h"
#include "app/DialogBoxes.h"
#include "editor/TextEditorEx.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Commands.h"

#include <QMenu>
#include <QPushButton>

namespace {
// A button shows the command's enabled state and hint and runs it, but keeps its own
// caption: the commands' captions are never shown here.
void BindButtonKeepCaption(QPushButton* button, TAction* action)
{
    auto sync = [button, action] {
        button->setEnabled(action->isEnabled());
        button->setToolTip(action->HintWithShortcut());
    };
    sync();
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(button, &QPushButton::clicked, action, [action] { action->Execute(); });
}

// A menu item that runs a command: it shows the command's shortcut and follows its
// enabled state, but the shortcut itself stays with the command.
QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, TAction* command)
{
    QString text = QString::fromUtf8(caption);
    if (!command->shortcut().isEmpty()) text += "\t" + command->shortcut().toString(QKeySequence::NativeText);
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    auto sync = [item, command] { item->setEnabled(command->isEnabled()); };
    sync();
    QObject::connect(command, &QAction::changed, item, sync);
    QObject::connect(item, &QAction::triggered, command, [command] { command->Execute(); });
    return item;
}
} // namespace

void TSettingsFrm::BuildCommands()
{
    CentralActionList = new TActionList(this);
    CentralActionList->setObjectName("CentralActionList");
    auto add = [this](const char* name, const char* caption, const QKeySequence& key, const char* hint,
                      void (TSettingsFrm::*run)(), void (TSettingsFrm::*update)(TAction&)) {
        TAction* a = CentralActionList->Add(QString::fromUtf8(caption), key, QString::fromUtf8(hint));
        a->setObjectName(name);
        a->OnExecute = [this, run] { RunGuarded([this, run] { (this->*run)(); }); };
        if (update) a->OnUpdate = [this, update](TAction& act) { (this->*update)(act); };
        return a;
    };
    RUndo = add("RUndo", "Ångra", QKeySequence("Ctrl+Z"), "", &TSettingsFrm::Undo, &TSettingsFrm::RUndoUpdate);
    RRedo = add("RRedo", "Gör om", QKeySequence("Ctrl+Y"), "", &TSettingsFrm::Redo, &TSettingsFrm::RRedoUpdate);
    RCut = add("RCut", "Klipp ut", QKeySequence("Ctrl+X"), "", &TSettingsFrm::Cut, &TSettingsFrm::RCutUpdate);
    RCopy = add("RCopy", "Kopiera", QKeySequence("Ctrl+C"), "", &TSettingsFrm::Copy, &TSettingsFrm::RCopyUpdate);
    RPaste = add("RPaste", "Klistra in", QKeySequence("Ctrl+V"), "", &TSettingsFrm::Paste,
                 &TSettingsFrm::RPasteUpdate);
    RDel = add("RDel", "Ta bort", QKeySequence(), "", &TSettingsFrm::DelSel, &TSettingsFrm::RDelUpdate);
    RSelAll = add("RSelAll", "Markera allt", QKeySequence("Ctrl+A"), "", &TSettingsFrm::SelAll,
                  &TSettingsFrm::RSelAllUpdate);
    ASaveFile = add("ASaveFile", "&Spara fil", QKeySequence("Ctrl+S"), "Sparar aktuell listfil.",
                    &TSettingsFrm::SaveFile, nullptr);
    ANewFile = add("ANewFile", "Skapa &ny fil...", QKeySequence("Ctrl+N"), "Skapar en ny listfil.",
                   &TSettingsFrm::NewFile, nullptr);
    ADelSelection = add("ADelSelection", "&Ta bort markerade", QKeySequence(), "Tar bort de markerade listfilerna.",
                        &TSettingsFrm::DelSelection, nullptr);

    BindButtonKeepCaption(btnNew, ANewFile);
    BindButtonKeepCaption(btnDel, ADelSelection);
    BindButtonKeepCaption(btnSave, ASaveFile);
}

void TSettingsFrm::BuildMenus()
{
    editorPopup = new QMenu(this);
    editorPopup->setObjectName("editorPopup");
    AddMenuItem(editorPopup, "ngra1", "Undo", RUndo);
    AddMenuItem(editorPopup, "Grom1", "Redo", RRedo);
    editorPopup->addSeparator()->setObjectName("N1");
    AddMenuItem(editorPopup, "Klipput1", "Cut", RCut);
    AddMenuItem(editorPopup, "Kopiera1", "Copy", RCopy);
    AddMenuItem(editorPopup, "Klistrain1", "Paste", RPaste);
    AddMenuItem(editorPopup, "abort1", "Delete", RDel);
    editorPopup->addSeparator()->setObjectName("N2");
    AddMenuItem(editorPopup, "Markeraallt1", "Select all", RSelAll);
    // The states are brought up to date before the menu is seen, whatever idle time did.
    connect(editorPopup, &QMenu::aboutToShow, this, [this] { CentralActionList->UpdateAll(); });
    editor->SetPopupMenu(editorPopup);

    handleProjectsDropdown = new QMenu(this);
    handleProjectsDropdown->setObjectName("handleProjectsDropdown");
    QAction* create = handleProjectsDropdown->addAction("Create new project...");
    create->setObjectName("Skapanyttprojekt1");
    connect(create, &QAction::triggered, this, [this] { RunGuarded([this] { Skapanyttprojekt1Click(); }); });
    QAction* remove = handleProjectsDropdown->addAction("Remove existing project...");
    remove->setObjectName("abortprojekt1");
    connect(remove, &QAction::triggered, this, [this] { RunGuarded([this] { ProjectDel(); }); });
}

void TSettingsFrm::Undo()
{
    editor->Undo();
    AUU->stop();
}

void TSettingsFrm::Redo()
{
    editor->Redo();
    AUU->stop();
}

void TSettingsFrm::Cut() { editor->CutToClipboard(); }
void TSettingsFrm::Copy() { editor->CopyToClipboard(); }
void TSettingsFrm::Paste() { editor->PasteFromClipboard(); }
void TSettingsFrm::DelSel() { editor->DeleteSelection(); }
void TSettingsFrm::SelAll() { editor->SelectAll(); }

void TSettingsFrm::RUndoUpdate(TAction& a) { a.setEnabled(editor->CanUndo()); }
void TSettingsFrm::RRedoUpdate(TAction& a) { a.setEnabled(editor->CanRedo()); }
void TSettingsFrm::RCutUpdate(TAction& a) { a.setEnabled(editor->HasSelection()); }
void TSettingsFrm::RCopyUpdate(TAction& a) { a.setEnabled(editor->HasSelection()); }
void TSettingsFrm::RPasteUpdate(TAction& a) { a.setEnabled(ClipboardHasText()); }
void TSettingsFrm::RDelUpdate(TAction& a) { a.setEnabled(editor->HasSelection()); }

void TSettingsFrm::RSelAllUpdate(TAction& a)
{
    // More than a single empty line: the joined text (CR LF after every line) is longer than 2.
    const auto& lines = editor->Lines();
    long long joined = 0;
    for (int i = 0; i < lines.Count() && joined <= 2; ++i) joined += lines.Length(i) + 2;
    a.setEnabled(joined > 2);
}

void TSettingsFrm::editorChange()
{
    AUU->stop();
    AUU->start();
}

void TSettingsFrm::AUUTimer()
{
    AUU->stop();
    editor->AddUndoPoint();
}

void TSettingsFrm::HandleProjects(QObject* sender)
{
    auto* button = qobject_cast<QWidget*>(sender);
    if (!button) return;
    const QPoint corner = mapToGlobal(QPoint(button->x(), button->y() + button->height()));
    handleProjectsDropdown->popup(corner);
}

void TSettingsFrm::Skapanyttprojekt1Click()
{
    std::string question, answer, project;
    if (!ldInputQuery(this, "Enter name of Question List:", "", question)) return;
    if (!ldInputQuery(this, "Enter name of Answer List:", "", answer)) return;
    if (!ldInputQuery(this, "Enter the name of the new project:", "New Project", project)) return;
    try {
        SaveLines(ProjectFilePath(project), {question, answer});
    } catch (const std::exception&) {
        ldMessageBox(this, "Unable to create new project file.");
    }
}

void TSettingsFrm::ProjectDel()
{
    if (FProjects) FProjects->ShowModal();
}
