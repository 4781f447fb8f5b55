#pragma once
// The about window: the program's name and version beside its icon, a paragraph on
// distribution and contact, and the translation note button.
#include "platform/Forms.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TShape;
class TTranslationInfoButton;

class Tabout : public TForm {
    Q_OBJECT
public:
    explicit Tabout(QWidget* owner = nullptr);

    static constexpr const char* Version = "1.0.0.0";

    QWidget* Panel1;
    QWidget* Panel2;
    TShape* Shape1;
    QLabel* logo;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* ver;
    QPlainTextEdit* copyinfo;
    TTranslationInfoButton* TranslationInfoButton1;
    QPushButton* ok;

protected:
    void FormShow() override;
    void FormActivate() override;
};
