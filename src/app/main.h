#pragma once
// The main window: project and list selectors, Execute, Settings, About, Exit, and the
// three dialog helpers every window shows its messages through.
// (Interface agreed between the shell and the other windows; the shell fills it in.)
#include "platform/Forms.h"

#include <string>

class IDrillWindow;

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
};

extern TmainFrm* mainFrm;
