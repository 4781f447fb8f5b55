#include "app/TranslationInfoButton.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

TTranslationInfoButton::TTranslationInfoButton(QWidget* parent) : QWidget(parent)
{
    FButton = new QPushButton("Translation Info...", this);
    FButton->setObjectName("TranslationInfoButton");
    // The short hint is empty, so no tooltip; the long hint goes to the status line.
    FButton->setToolTip(QString());
    FButton->setStatusTip("Shows information about the English translation of this application.");
    setFocusProxy(FButton);
    connect(FButton, &QPushButton::clicked, this, &TTranslationInfoButton::ShowNote);
    resize(100, 25);
    FButton->setGeometry(0, 0, width(), height());
}

QString TTranslationInfoButton::NoteText()
{
    return "This is an English translation of the original Swedish version of the application.\n\n"
           "More about the translation is published at https://www.example.org/lexidrill/translation/. "
           "If you find a linguistic error, please tell the author at translation@example.org.";
}

void TTranslationInfoButton::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    FButton->setGeometry(0, 0, width(), height());
}

void TTranslationInfoButton::ShowNote()
{
    // Only a button placed straight on a window knows whose caption the note carries.
    QWidget* form = parentWidget();
    if (!form || !qobject_cast<QDialog*>(form)) return;
    QMessageBox note(QMessageBox::Information, form->windowTitle(), NoteText(), QMessageBox::Ok, window());
    note.setObjectName("TranslationNote");
    note.exec();
}
