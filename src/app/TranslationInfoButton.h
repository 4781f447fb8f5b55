#pragma once
// A button that shows a note about the English translation of the program's texts. It is one
// ordinary push button filling the control.
#include <QWidget>

class QPushButton;

class TTranslationInfoButton : public QWidget {
    Q_OBJECT
public:
    explicit TTranslationInfoButton(QWidget* parent = nullptr);

    QPushButton* Button() const { return FButton; }
    // The note's two paragraphs.
    static QString NoteText();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void ShowNote();

    QPushButton* FButton;
};
