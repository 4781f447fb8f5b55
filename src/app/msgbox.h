#pragma once
// The program's message box: the icon band, one line of text, and an OK button that both
// Enter and Esc press. It widens itself to its text when shown.
#include "platform/Forms.h"

class QLabel;
class QPushButton;
class TShape;

class TMessageBox : public TForm {
    Q_OBJECT
public:
    explicit TMessageBox(QWidget* owner = nullptr);

    static constexpr int BorderWidth = 5;

    QWidget* Client;      // the client area inside the border
    QWidget* Panel1;
    TShape* Shape1;
    TShape* Shape2;
    QLabel* Image2;
    QLabel* info;
    QPushButton* Button1;

    int ClientWidth() const { return Client->width(); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
};
