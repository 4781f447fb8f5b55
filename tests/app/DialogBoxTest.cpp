// The message box, question box and input dialog as the helpers show them over the main window.
#include "app/DataStore.h"
#include "app/DialogBoxes.h"
#include "app/InternalFunctionInputWin.h"
#include "app/main.h"
#include "app/msgbox.h"
#include "app/qbox.h"
#include "FakeServices.h"

#include "ModalHelper.h"
#include "SoundLog.h"
#include "TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The focused control once the dialog has become the active window.
QString FocusIn(QWidget* dialog)
{
    (void)QTest::qWaitForWindowActive(dialog);
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

struct Dialogs : testing::Test {
    TempFolder Base;
    std::unique_ptr<TmainFrm> Main;
    SoundLog Sounds;
    void SetUp() override
    {
        UseBaseFolder(Base.Path());
        Main = std::make_unique<TmainFrm>();
        Main->show();
    }
    int ScreenWidth() const { return QGuiApplication::primaryScreen()->geometry().width(); }
};

struct Seen {
    int FrameWidth = 0, Width = 0, Height = 0, Left = 0, ClientWidth = 0, ButtonLeft = 0;
    QString Focus, Info, Question;
    int InfoWidth = 0;
};

// The left edge of a box's buttons: the message box's one button, the question box's panel.
QWidget* Buttons(TMessageBox* box) { return box->Button1; }
QWidget* Buttons(TQuestionBox* box) { return box->btnPanel; }
QString QuestionOf(TMessageBox*) { return {}; }
QString QuestionOf(TQuestionBox* box) { return box->question->text(); }

// Notes in `s` what the next box of type Box shows once it is up, then closes it with Esc.
template <class Box>
void SeeThenEscape(Seen& s)
{
    WhenModal([&s](QWidget* w) {
        auto* box = qobject_cast<Box*>(w);
        ASSERT_NE(box, nullptr);
        s = {box->frameGeometry().width(), box->width(), box->height(), box->frameGeometry().x(), box->ClientWidth(),
             Buttons(box)->x(), FocusIn(w), box->info->text(), QuestionOf(box), box->info->width()};
        QTest::keyClick(box, Qt::Key_Escape);
    });
}
} // namespace

TEST_F(Dialogs, MessageBoxWidensToItsTextCentresItselfAndItsButton)
{
    const std::string text = "A rather long message that should widen the box well beyond its designed width.";
    Seen s;
    SeeThenEscape<TMessageBox>(s);
    EXPECT_TRUE(ldMessageBox(Main.get(), text));
    const int textWidth = QFontMetrics(Main->font()).horizontalAdvance(QString::fromStdString(text));
    EXPECT_EQ(s.Info.toStdString(), text);
    EXPECT_EQ(s.InfoWidth, textWidth);
    EXPECT_EQ(s.ClientWidth, 58 + textWidth + 30);
    EXPECT_EQ(s.Width, s.ClientWidth + 2 * TMessageBox::BorderWidth);
    EXPECT_GT(s.Width, 251);
    EXPECT_EQ(s.Height, 86 + 2 * TMessageBox::BorderWidth);
    EXPECT_EQ(s.Left, ScreenWidth() / 2 - s.FrameWidth / 2);
    EXPECT_EQ(s.ButtonLeft, s.ClientWidth / 2 - 89 / 2);
    EXPECT_EQ(s.Focus, "Button1");
    EXPECT_EQ(Sounds.Played, std::vector<std::string>{"SystemExclamation"});
}

TEST_F(Dialogs, MessageBoxShowsAmpersandsAndAnswersEnterEscAndTheCloseBox)
{
    Seen s;
    WhenModal([&](QWidget* w) {
        auto* box = static_cast<TMessageBox*>(w);
        s.Info = box->info->text();
        s.InfoWidth = box->info->width();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_TRUE(ldMessageBox(Main.get(), "Fish & Chips"));
    // Drawn as an ampersand, not taken as an accelerator mark.
    EXPECT_EQ(s.Info, "Fish & Chips");
    EXPECT_EQ(s.InfoWidth, QFontMetrics(Main->font()).horizontalAdvance("Fish & Chips"));

    WhenModal([](QWidget* w) { w->close(); });
    EXPECT_FALSE(ldMessageBox(Main.get(), "closed with the close box"));
    EXPECT_EQ(Sounds.Played.size(), 2u);
}

TEST_F(Dialogs, MessageBoxShowsTextBeyondAscii)
{
    QString info;
    WhenModal([&](QWidget* w) {
        info = static_cast<TMessageBox*>(w)->info->text();
        w->close();
    });
    ldMessageBox(Main.get(), "List file \"\xc3\xa5\xc3\xa4\xc3\xb6 \xe2\x82\xac\" already exists.");
    EXPECT_EQ(info, QString::fromUtf8("List file \"åäö €\" already exists."));
}

TEST_F(Dialogs, QuestionBoxIsNeverNarrowerThan313AndCentresItsButtons)
{
    Seen s;
    SeeThenEscape<TQuestionBox>(s);
    EXPECT_EQ(ldQuestionBox(Main.get(), "Short.", "Sure?"), mrCancel);
    // 313 pixels is the whole window's width, the frame included.
    EXPECT_EQ(s.FrameWidth, 313);
    const int frame = s.FrameWidth - s.Width;
    EXPECT_GT(frame, 0) << "the platform frames no window: the test cannot tell frame from client";
    EXPECT_EQ(s.ClientWidth, 313 - frame - 2 * TQuestionBox::BorderWidth);
    EXPECT_EQ(s.Height, 88 + 2 * TQuestionBox::BorderWidth);
    EXPECT_EQ(s.ButtonLeft, s.ClientWidth / 2 - 281 / 2);
    EXPECT_EQ(s.Left, ScreenWidth() / 2 - s.FrameWidth / 2);
    EXPECT_EQ(s.Focus, "Button1");
    EXPECT_EQ(s.Info, "Short.");
    EXPECT_EQ(s.Question, "Sure?");
    EXPECT_EQ(Sounds.Played, std::vector<std::string>{"SystemExclamation"});
}

TEST_F(Dialogs, QuestionBoxTakesItsWidthFromTheWiderLine)
{
    const QFontMetrics fm(Main->font());
    const std::string statement = "The list file \"Capitals & countries of the world\" has been changed.";
    const std::string question = "Save?";
    Seen s;
    WhenModal([&](QWidget* w) {
        auto* box = static_cast<TQuestionBox*>(w);
        s.ClientWidth = box->ClientWidth();
        s.ButtonLeft = box->btnPanel->x();
        s.Info = box->info->text();
        s.InfoWidth = box->info->width();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(ldQuestionBox(Main.get(), statement, question), mrYes);
    const int wide = s.InfoWidth;
    EXPECT_NEAR(wide, fm.horizontalAdvance(QString::fromStdString(statement)), 1);
    EXPECT_EQ(s.ClientWidth, wide + 53 + 55);
    EXPECT_EQ(s.ButtonLeft, s.ClientWidth / 2 - 281 / 2);
    EXPECT_EQ(s.Info.toStdString(), statement);

    // The question line counts too.
    WhenModal([&](QWidget* w) {
        s.ClientWidth = static_cast<TQuestionBox*>(w)->ClientWidth();
        ClickButton(w, "Button2");
    });
    EXPECT_EQ(ldQuestionBox(Main.get(), "S.", statement), mrNo);
    EXPECT_EQ(s.ClientWidth, wide + 53 + 55);
}

TEST_F(Dialogs, QuestionBoxButtonsAndCloseBoxGiveTheirResults)
{
    WhenModal([](QWidget* w) { ClickButton(w, "Button1"); });
    EXPECT_EQ(ldQuestionBox(Main.get(), "a", "b"), mrYes);
    WhenModal([](QWidget* w) { ClickButton(w, "Button3"); });
    EXPECT_EQ(ldQuestionBox(Main.get(), "a", "b"), mrCancel);
    WhenModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(ldQuestionBox(Main.get(), "a", "b"), mrCancel);
    // Alt+N presses No through its accelerator.
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_N, Qt::AltModifier); });
    EXPECT_EQ(ldQuestionBox(Main.get(), "a", "b"), mrNo);
    EXPECT_EQ(Sounds.Played.size(), 4u);
}

TEST_F(Dialogs, InputDialogGivesBackTheEditedTextEvenOnCancelAndPlaysNoSound)
{
    QString focus, prompt;
    QSize size;
    WhenModal([&](QWidget* w) {
        auto* dlg = qobject_cast<TInternalFunctionInput*>(w);
        ASSERT_NE(dlg, nullptr);
        focus = FocusIn(w);
        prompt = dlg->Q->text();
        size = dlg->size();
        EXPECT_EQ(dlg->A->text(), "start");
        // The whole default is selected, so typing replaces it.
        QTest::keyClicks(dlg->A, "new name");
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    std::string value = "untouched";
    EXPECT_FALSE(ldInputQuery(Main.get(), "&Name:", "start", value));
    EXPECT_EQ(value, "new name");
    EXPECT_EQ(focus, "A");
    EXPECT_EQ(prompt, "&Name:");
    EXPECT_EQ(size, QSize(358, 137));
    EXPECT_TRUE(Sounds.Played.empty());

    WhenModal([](QWidget* w) {
        auto* dlg = static_cast<TInternalFunctionInput*>(w);
        dlg->A->setText(QString::fromUtf8("Glögg"));
        QTest::keyClick(dlg->A, Qt::Key_Return);
    });
    EXPECT_TRUE(ldInputQuery(Main.get(), "Name:", "", value));
    EXPECT_EQ(value, "Gl\xc3\xb6gg");
}

TEST_F(Dialogs, InputDialogTakesCharactersOfAnyScript)
{
    WhenModal([](QWidget* w) {
        auto* dlg = static_cast<TInternalFunctionInput*>(w);
        dlg->A->clear();
        QTest::keyClicks(dlg->A, "a");
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u0142"));
        QApplication::sendEvent(dlg->A, &press); // ł: no Windows-1252 byte, taken all the same
        QTest::keyClicks(dlg->A, "b");
        ClickButton(w, "btnOk");
    });
    std::string value;
    EXPECT_TRUE(ldInputQuery(Main.get(), "Name:", "", value));
    EXPECT_EQ(value, "a\xc5\x82" "b");
}

TEST_F(Dialogs, InputDialogAcceleratorFocusesTheEditBox)
{
    QString focus;
    WhenModal([&](QWidget* w) {
        auto* dlg = static_cast<TInternalFunctionInput*>(w);
        dlg->btnCancel->setFocus();
        QTest::keyClick(dlg, Qt::Key_N, Qt::AltModifier);
        focus = QApplication::focusWidget()->objectName();
        ClickButton(w, "btnOk");
    });
    std::string value;
    ldInputQuery(Main.get(), "&Name:", "", value);
    EXPECT_EQ(focus, "A");
}

TEST_F(Dialogs, BoxesAreCentredOnTheScreenAndShowWhileTheMainWindowIsHidden)
{
    // During a drill the main window is hidden; the drill's messages still come up.
    Main->hide();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    std::vector<QRect> seen;
    auto record = [&](QWidget* w) {
        seen.push_back(w->frameGeometry());
        EXPECT_TRUE(w->isVisible());
        w->close();
    };
    WhenModal(record);
    ldMessageBox(Main.get(), "You answered 3 of 3 questions correctly.");
    WhenModal(record);
    ldQuestionBox(Main.get(), "Statement.", "Question?");
    WhenModal(record);
    std::string value;
    ldInputQuery(Main.get(), "Name:", "", value);
    ASSERT_EQ(seen.size(), 3u);
    for (const QRect& r : seen) {
        EXPECT_EQ(r.x(), screen.width() / 2 - r.width() / 2);
        EXPECT_EQ(r.y(), screen.height() / 2 - r.height() / 2);
    }
}
