#pragma once
// The projects window: lists the project files and removes the selected ones after asking.
#include "manage/ListBox.h"
#include "platform/Forms.h"

class QPushButton;
class TPanelCaption;

class TprojectsFrm : public TForm {
    Q_OBJECT
public:
    explicit TprojectsFrm(QWidget* owner = nullptr);

    TPanelCaption* PanelCaption1;
    TListBox* ProjectList;
    QPushButton* btnProjectDoDel;
    QPushButton* btnProjectDoClose;

    void FormShow() override;
    void DoProjectDel();

protected:

private:
    // Delete in the list removes, like the Remove button.
    bool ProjectListKeyDown(int key);
};
