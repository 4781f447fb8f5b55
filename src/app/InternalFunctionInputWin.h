#pragma once
// The program's one-line input dialog: a prompt in the icon band, an edit box, OK and Cancel.
#include "platform/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TShape;

class TInternalFunctionInput : public TForm {
    Q_OBJECT
public:
    explicit TInternalFunctionInput(QWidget* owner = nullptr);

    TShape* Shape2;
    QLabel* Image1;
    TShape* Shape1;
    QLabel* Q;
    QLineEdit* A;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void FormActivate();
};
