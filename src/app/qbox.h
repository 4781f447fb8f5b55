#pragma once
// The program's yes/no/cancel question box: a statement, a question under it, and three
// buttons centred beneath. It sizes itself to the wider of its two lines when shown.
#include "app/DialogParts.h"

class QLabel;
class QPushButton;

class TQuestionBox : public TDialogBox {
    Q_OBJECT
public:
    explicit TQuestionBox(QWidget* owner = nullptr);

    static constexpr int MinWindowWidth = 313;

    QWidget* Panel2;
    QWidget* Panel1;
    QLabel* info;
    QLabel* question;
    QWidget* btnPanel;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

protected:
    void FormShow() override;
};
