// The about window and its translation note button.
#include "app/DataStore.h"
#include "app/TranslationInfoButton.h"
#include "app/aboutWin.h"
#include "app/main.h"
#include "FakeServices.h"

#include "ModalHelper.h"
#include "TempFolder.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString FocusIn(QWidget* dialog)
{
    (void)QTest::qWaitForWindowActive(dialog);
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}
} // namespace

TEST(AboutWindow, LayoutVersionAndFocus)
{
    Tabout about;
    EXPECT_EQ(about.objectName(), "about");
    EXPECT_EQ(about.windowTitle(), "Lexidrill");
    EXPECT_EQ(about.size(), QSize(373, 261));
    EXPECT_EQ(about.ver->text(), "1.0.0.0");
    EXPECT_EQ(about.Label1->text(), "Lexidrill");
    EXPECT_EQ(about.Label1->pos(), QPoint(88, 8));
    EXPECT_EQ(about.Label1->font().pixelSize(), 16);
    EXPECT_TRUE(about.Label1->font().bold());
    EXPECT_EQ(about.Label5->geometry().topLeft(), QPoint(80, 77));
    EXPECT_EQ(about.Label5->width(), 94);
    EXPECT_TRUE(about.Label5->alignment() & Qt::AlignRight);
    EXPECT_EQ(about.ver->pos(), QPoint(184, 77));
    EXPECT_EQ(about.Panel2->geometry(), QRect(0, 0, 73, 261));
    EXPECT_EQ(about.logo->geometry(), QRect(20, 8, 32, 32));
    EXPECT_EQ(about.copyinfo->geometry(), QRect(88, 152, 273, 59));
    EXPECT_TRUE(about.copyinfo->isReadOnly());
    EXPECT_EQ(about.copyinfo->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(about.TranslationInfoButton1->geometry(), QRect(88, 224, 100, 25));
    EXPECT_EQ(about.ok->geometry(), QRect(288, 225, 73, 25));
    // Nothing names a real person or place: addresses are example ones.
    const QString info = about.copyinfo->toPlainText() + TTranslationInfoButton::NoteText();
    EXPECT_TRUE(info.contains("example.org"));
    for (const QString& word : info.split(QRegularExpression("[\\s;,]+")))
        if (word.contains('@') || word.startsWith("http")) EXPECT_TRUE(word.contains("example.org")) << word.toStdString();
    // The name and notice fit beside the strip; the version label ends before the version.
    EXPECT_LE(about.Label2->geometry().right(), 373);
    EXPECT_LE(about.Label5->fontMetrics().horizontalAdvance("Version:"), 94);

    QString focus;
    WhenModal([&](QWidget* w) {
        focus = FocusIn(w);
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(about.ShowModal(), mrCancel);
    EXPECT_EQ(focus, "ok");
    WhenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(about.ShowModal(), mrCancel);
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, TranslationNoteCarriesTheWindowsCaption)
{
    Tabout about;
    about.show();
    QString title, text;
    bool information = false;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        information = box->icon() == QMessageBox::Information;
        box->button(QMessageBox::Ok)->click();
    });
    about.TranslationInfoButton1->Button()->click();
    EXPECT_EQ(title, "Lexidrill");
    EXPECT_TRUE(information);
    EXPECT_TRUE(text.startsWith("This is an English translation of the original Swedish version of the application.\n\n"));
}

TEST(TranslationInfoButton, InnerButtonFillsTheControlAndHasNoTooltip)
{
    QWidget notAForm;
    TTranslationInfoButton b(&notAForm);
    notAForm.show();
    EXPECT_EQ(b.Button()->text(), "Translation Info...");
    EXPECT_TRUE(b.Button()->toolTip().isEmpty());
    EXPECT_EQ(b.Button()->statusTip(), "Shows information about the English translation of this application.");
    b.resize(140, 40);
    QApplication::processEvents();
    EXPECT_EQ(b.Button()->geometry(), QRect(0, 0, 140, 40));
    // Not on a window of its own: a click shows nothing.
    b.Button()->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutWindow, MainWindowAboutButtonShowsItModally)
{
    TempFolder base;
    UseBaseFolder(base.Path());
    TmainFrm main;
    main.show();
    QString name;
    WhenModal([&](QWidget* w) {
        name = w->objectName();
        ClickButton(w, "ok");
    });
    main.btnAbout->click();
    EXPECT_EQ(name, "about");
    EXPECT_EQ(main.findChildren<Tabout*>().size(), 0); // destroyed after use
}
