#pragma once
// The program's message box: the icon band, one line of text, and an OK button that both
// Enter and Esc press. It widens itself to its text when shown.
#include "app/DialogParts.h"

class QLabel;
class QPushButton;

class TMessageBox : public TDialogBox {
    Q_OBJECT
public:
    explicit TMessageBox(QWidget* owner = nullptr);

    QWidget* Panel1;
    QLabel* info;
    QPushButton* Button1;

protected:
    void FormShow() override;
};
