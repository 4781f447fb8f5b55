#pragma once
// The program's one-line input dialog: a prompt in the icon band, an edit box, OK and Cancel.
#include "app/DialogParts.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TInternalFunctionInput : public TDialogBox {
    Q_OBJECT
public:
    explicit TInternalFunctionInput(QWidget* owner = nullptr);

    QLabel* Q;
    QLineEdit* A;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void FormShow() override;
    void FormActivate() override;
};
