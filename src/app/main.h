#pragma once
// The main window: project and list selectors, Execute, Settings, About, Exit. It starts the
// drill and is what the drill window comes back to.
#include "platform/Forms.h"

#include <string>

class IDrillWindow;
class QGroupBox;
class QLabel;
class QPushButton;
class TCaptionGroup;
class TSelectorBox;

class TmainFrm : public TForm {
    Q_OBJECT
public:
    explicit TmainFrm(QWidget* parent = nullptr);
    ~TmainFrm() override;

    void LoadListsFromFile();

    // Set once at start-up.
    void SetDrillWindow(IDrillWindow* drill);
    void SetSettingsWindow(TForm* settings);

    // Handlers.
    void NewSession();
    void ScanProjectFile();
    void list1selectorChange();
    void ShowSettings();
    void ShowAbout();
    void ExitApp();
    // The drill window has closed: shown again where the user left it, with the keyboard.
    void ReturnFromDrill();

    TCaptionGroup* CaptionGroup1;
    QLabel* Label3;
    TSelectorBox* projectSelector;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    TSelectorBox* list1selector;
    QLabel* Label2;
    TSelectorBox* list2selector;
    QPushButton* btnExecute;
    QPushButton* btnSettings;
    QPushButton* btnAbout;
    QPushButton* btnExit;

protected:
    void FormShow() override;

private:
    IDrillWindow* Drill = nullptr;
    bool Placed = false;
    TForm* Settings = nullptr;
};
