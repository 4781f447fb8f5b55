#pragma once
// The settings window: the list files of the Lists folder, one of them open in the editor
// with its line-number ruler, Save, New, Remove, and the project functions.
#include "manage/ListBox.h"
#include "platform/Clock.h"
#include "platform/Forms.h"

#include <functional>
#include <string>

class QFrame;
class QMenu;
class QPushButton;
class TAction;
class TActionList;
class TPanelCaption;
class TRuler;
class TTextEditorEx;


class TSettingsFrm : public TForm {
    Q_OBJECT
public:
    explicit TSettingsFrm(QWidget* owner = nullptr);
    ~TSettingsFrm() override;

    // Set once at start-up: the window that Remove existing project opens, and what is told
    // when this window closes (the lists and projects may have changed).
    void SetProjectsWindow(TForm* projects);
    std::function<void()> OnClosed;

    TPanelCaption* PanelCaption1;
    TListBox* ListList;
    TPanelCaption* PanelCaption2;
    TRuler* Ruler1;
    TTextEditorEx* editor;
    QFrame* Bevel1;
    QPushButton* btnNew;
    QPushButton* btnDel;
    QPushButton* btnSave;
    QPushButton* btnHandleProjects;
    QPushButton* btnClose;

    TActionList* CentralActionList;
    TAction* RUndo;
    TAction* RRedo;
    TAction* RCut;
    TAction* RCopy;
    TAction* RPaste;
    TAction* RDel;
    TAction* RSelAll;
    TAction* ASaveFile;
    TAction* ANewFile;
    TAction* ADelSelection;

    QMenu* editorPopup;
    QMenu* handleProjectsDropdown;
    TTimer* AUU;

    // Window events.
    void FormShow() override;
    // No list open and none selected, as when the window was first opened.
    void ShowNoList();
    // No list open after one could not be, the failed one still focused.
    void OpenNothing();
    void FormClose();
    void ListListClick();
    // True when the key was taken (Delete runs the remove command).
    bool ListListKeyDown(int key);

    // Commands.
    void SaveFile();
    void NewFile();
    void DelSelection();
    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void DelSel();
    void SelAll();

    // Enabling rules, evaluated at idle time.
    void RUndoUpdate(TAction& a);
    void RRedoUpdate(TAction& a);
    void RCutUpdate(TAction& a);
    void RCopyUpdate(TAction& a);
    void RPasteUpdate(TAction& a);
    void RDelUpdate(TAction& a);
    void RSelAllUpdate(TAction& a);

    void editorChange();
    void AUUTimer();

    // Project functions.
    void HandleProjects(QObject* sender);
    void Skapanyttprojekt1Click();
    void ProjectDel();

protected:
    void hideEvent(QHideEvent* e) override;
    bool CloseQuery() override;

private:
    void BuildControls();
    void BuildCommands();
    void BuildMenus();
    // The caption above the editor, which also names it.
    void SetEditCaption(const std::string& text);
    // Enables or disables the editor and Save together, as an open list needs both.
    void SetListOpen(bool open);
    // Fills ListList with the display names of the Lists folder.
    void FillListList();
    // The display name of the focused item; false when there is none.
    bool FocusedName(std::string& name) const;

    // Before the open list is closed: when it has changes since it was loaded or saved, asks
    // whether to save them. True goes on (saved, or the user lets them go); false stays, as
    // after Cancel or a save that failed (its error reported).
    bool SettleUnsavedEdits();

    TForm* FProjects = nullptr;
    bool FClosing = false;
    std::string FOpenName; // the list open in the editor
};
