#pragma once
// The main window: project and list selectors, Execute, Settings, About, Exit, and the
// three dialog helpers every window shows its messages through.
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

    // Dialog helpers; texts are Windows-1252.
    bool ldMessageBox(const std::string& text);
    int ldQuestionBox(const std::string& statement, const std::string& question); // mrYes, mrNo, mrCancel
    bool ldInputQuery(const std::string& prompt, const std::string& defaultValue, std::string& value);

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

extern TmainFrm* mainFrm;
