// The drill window on real widgets: a real main window in a temporary base folder, keys and
// clicks through QtTest, the end message answered as a user would.
#include "DrillFixture.h"

#include "Accessible.h"
#include "ModalHelper.h"
#include "app/DataStore.h"
#include "app/SelectorBox.h"
#include "app/main.h"
#include "app/msgbox.h"
#include "controls/FlatButton.h"
#include "controls/RightWrongDoneIndicator.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct EndState {
    bool Shown = false;
    std::string Message;
    QString Question, Number, Errors;
    bool AnswerVisible = false;
    int Total = 0, Right = 0, Wrong = 0;
    TColor BarLastInterior = 0;
};

class Drill : public DrillWindows {
protected:
    EndState End;

    void SetUp() override { OpenWindows(); }
    void TearDown() override
    {
        EXPECT_EQ(Messages, Ends) << "a message box nobody expected: " << End.Message;
        DrillWindows::TearDown();
    }
    // Every message box is read, with the drill window behind it.
    void OnMessageBox(TMessageBox* box) override { Capture(box); }
    // The counters as the window shows them: "question number / questions / errors".
    std::string Counters() const
    {
        return (Frm->lblI->text() + " / " + Frm->lblN->text() + " / " + Frm->lblE->text()).toStdString();
    }

    // What the main window's Execute does once the lists are loaded.
    void Start(std::vector<std::string> questions, std::vector<std::string> answers)
    {
        Main->hide();
        Frm->StartDrill({std::move(questions), std::move(answers), Main->projectSelector->Text(),
                         Main->list1selector->Text(), Main->list2selector->Text()});
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frm.get()));
    }

    int Messages = 0;

    void Capture(TMessageBox* box)
    {
        ++Messages;
        End.Shown = true;
        End.Message = box->info->text().toStdString();
        End.Question = Frm->lblQ->text();
        End.Number = Frm->lblI->text();
        End.Errors = Frm->lblE->text();
        End.AnswerVisible = Frm->answer->isVisible();
        End.Total = Frm->ProgressBar->NumTotal();
        End.Right = Frm->ProgressBar->NumRight();
        End.Wrong = Frm->ProgressBar->NumWrong();
        End.BarLastInterior = Frm->ProgressBar->Canvas().GetPixel(334, 18);
    }
    // The next message box is the end message: forget what an earlier one showed.
    void ExpectEnd()
    {
        End = {};
        ++Ends;
    }
    int Ends = 0;

    // Typed as key events carrying their text, like a keyboard layout would produce them
    // (QTest::keyClicks only knows Latin-1).
    static void SendText(QWidget* w, const QString& text)
    {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &release);
        }
    }
    void Type(const QString& text)
    {
        SendText(Frm->answer, text);
        QTest::keyClick(Frm->answer, Qt::Key_Return);
    }
    void Answer(const QString& text)
    {
        Frm->answer->clear();
        Type(text);
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
};

const std::vector<std::string> Capitals{"France", "Sweden", "Japan"};
const std::vector<std::string> CapitalAnswers{"Paris", "Stockholm", "Tokyo"};
} // namespace

TEST_F(Drill, DesignLayoutBeforeTheFirstShow)
{
    EXPECT_EQ(Frm->windowTitle(), "Lexidrill");
    EXPECT_TRUE(Frm->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Frm->size(), QSize(865, 606));
    EXPECT_EQ(Frm->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(Frm->lblQ->text(), "Waiting for Questions...");
    EXPECT_EQ(Frm->lblQ->pos(), QPoint(248, 184));
    EXPECT_EQ(Frm->lblProject->text(), "(none)");
    EXPECT_EQ(Frm->answer->geometry(), QRect(248, 232, 337, 37));
    EXPECT_EQ(Frm->btnCorrect->geometry(), QRect(600, 232, 100, 37));
    EXPECT_EQ(Frm->ProgressBar->geometry(), QRect(248, 288, 337, 37));
    EXPECT_EQ(Frm->ProgressBar->NumTotal(), 100);
    EXPECT_EQ(Frm->ProgressBar->RightColor(), clGreen);
    EXPECT_EQ(Frm->ProgressBar->WrongColor(), clRed);
    EXPECT_EQ(Frm->ProgressBar->Color(), clBlack);
    EXPECT_EQ(Frm->Line1->geometry(), QRect(0, 48, 865, 1));
    EXPECT_EQ(Frm->Line2->geometry(), QRect(0, 552, 865, 1));
    EXPECT_EQ(Frm->btnToggleAcceptErrors->geometry(), QRect(16, 560, 145, 33));
    EXPECT_EQ(Frm->btnRestart->geometry(), QRect(648, 560, 100, 33));
    EXPECT_EQ(Frm->btnExit->geometry(), QRect(760, 560, 100, 33));
    EXPECT_EQ(Frm->Label3->geometry().right() + 1, 789); // right-aligned in (717, 72)
    EXPECT_EQ(Frm->Label3->alignment() & Qt::AlignRight, Qt::AlignRight);
    for (TFlatButton* b : {Frm->btnCorrect, Frm->btnToggleAcceptErrors, Frm->btnRestart, Frm->btnExit}) {
        EXPECT_TRUE(b->ClickFocus());
        EXPECT_FALSE(b->Down());
        EXPECT_EQ(b->Font().Height, 16);
        EXPECT_EQ(b->Color(), clBlack);
    }
    EXPECT_FALSE(Frm->btnCorrect->TabStop());
    EXPECT_EQ(Frm->lblQ->font().pixelSize(), 24);
    EXPECT_EQ(Frm->Label1->font().pixelSize(), 16);
    EXPECT_EQ(Frm->lblQ->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_FALSE(Frm->GetAcceptErrors());
    EXPECT_EQ(Frm->GetCurrentIndex(), -1);
}

TEST_F(Drill, CoversTheWholeScreenAndCentresTheAnswerBetweenTheLines)
{
    Start(Capitals, CapitalAnswers);
    const QRect screen = Main->screen()->geometry();
    EXPECT_EQ(Frm->geometry(), screen);
    const int w = screen.width(), h = screen.height();
    EXPECT_EQ(Frm->Line2->y(), h - 54);
    EXPECT_EQ(Frm->Line1->geometry(), QRect(0, 48, w, 1));
    EXPECT_EQ(Frm->answer->x(), w / 2 - 337 / 2);
    EXPECT_EQ(Frm->answer->y(), 48 + (h - 54 - 48) / 2 - 37 / 2);

    // 1024 x 768.
    Frm->setGeometry(0, 0, 1024, 768);
    Frm->ArrangeAroundAnswer();
    EXPECT_EQ(Frm->Line2->geometry(), QRect(0, 714, 1024, 1));
    EXPECT_EQ(Frm->answer->geometry(), QRect(344, 363, 337, 37));
    EXPECT_EQ(Frm->lblQ->pos(), QPoint(344, 363 - Frm->lblQ->height() - 20));
    EXPECT_EQ(Frm->btnCorrect->geometry(), QRect(701, 363, 100, 37));
    EXPECT_EQ(Frm->ProgressBar->geometry(), QRect(344, 420, 337, 37));
    EXPECT_EQ(Frm->btnToggleAcceptErrors->geometry(), QRect(16, 722, 145, 33));
    EXPECT_EQ(Frm->btnRestart->geometry(), QRect(807, 722, 100, 33));
    EXPECT_EQ(Frm->btnExit->geometry(), QRect(919, 722, 100, 33));
    EXPECT_EQ(Frm->Label3->geometry().right() + 1, 1024 - 76);

    // 1920 x 1080.
    Frm->setGeometry(0, 0, 1920, 1080);
    Frm->ArrangeAroundAnswer();
    EXPECT_EQ(Frm->Line2->geometry(), QRect(0, 1026, 1920, 1));
    EXPECT_EQ(Frm->answer->geometry(), QRect(792, 519, 337, 37));
    EXPECT_EQ(Frm->btnCorrect->geometry(), QRect(1149, 519, 100, 37));
    EXPECT_EQ(Frm->ProgressBar->pos(), QPoint(792, 576));
    EXPECT_EQ(Frm->btnExit->geometry(), QRect(1815, 1034, 100, 33));
    EXPECT_EQ(Frm->btnToggleAcceptErrors->geometry(), QRect(16, 1034, 145, 33));

    // A long question grows to the right, unwrapped.
    Frm->QuestionItems()[0] = std::string(200, 'W');
    Frm->UserRestart();
    EXPECT_GT(Frm->lblQ->width(), 1000);
    EXPECT_EQ(Frm->lblQ->x(), Frm->answer->x());
    EXPECT_FALSE(Frm->lblQ->wordWrap());

    // Showing again lays out for the screen again.
    Frm->hide();
    Frm->ShowDrill();
    EXPECT_EQ(Frm->geometry(), screen);
    EXPECT_EQ(Frm->Line2->y(), h - 54);
}

TEST_F(Drill, StartShowsTheFirstQuestionTheSelectorTextsAndFocusesTheAnswer)
{
    Main->projectSelector->SetText("Geography");
    Main->list1selector->SetText("Countries");
    Main->list2selector->SetText(std::string("Huvudst\xC3\xA4" "der"));
    Start(Capitals, CapitalAnswers);
    EXPECT_EQ(Frm->lblProject->text(), "Geography");
    EXPECT_EQ(Frm->lblList1->text(), "Countries");
    EXPECT_EQ(Frm->lblList2->text(), QString::fromUtf8("Huvudstäder"));
    EXPECT_EQ(Frm->lblQ->text(), "France");
    EXPECT_TRUE(Frm->lblQ->isVisible());
    EXPECT_EQ(Counters(), "1 / 3 / 0");
    EXPECT_TRUE(Frm->answer->isVisible());
    EXPECT_TRUE(Frm->btnCorrect->isVisible());
    EXPECT_TRUE(Frm->ProgressBar->isVisible());
    EXPECT_EQ(Frm->ProgressBar->NumTotal(), 3);
    EXPECT_EQ(Frm->ProgressBar->NumRight(), 0);
    EXPECT_EQ(Focus(), Frm->answer);
    EXPECT_FALSE(Main->isVisible());
    EXPECT_EQ(Frm->GetNumCorrectAnswer(true), 0);
}

TEST_F(Drill, TheAnswerMustMatchByteForByte)
{
    Start({"Capital of France?"}, {"Paris"});
    for (const char* wrong : {"paris", "Paris ", " Paris", "Pa ris", "Paris."}) {
        Frm->answer->setText(wrong);
        EXPECT_FALSE(Frm->IsCorrect()) << wrong;
    }
    Frm->answer->setText("Paris");
    EXPECT_TRUE(Frm->IsCorrect());
}

TEST_F(Drill, ACyrillicLetterIsNoQuestionMark)
{
    Start({"q1", "q2", "q3"}, {"?", std::string("\xC3\xA9\xE2\x82\xAC"), ""});
    // A lossy conversion would make the Cyrillic letter "?" and match.
    Type(QString::fromUtf8("ж"));
    EXPECT_EQ(Hands(), 1);
    EXPECT_EQ(Frm->lblI->text(), "1");
    EXPECT_EQ(Frm->answer->text(), QString::fromUtf8("ж"));
    Answer("?");
    EXPECT_EQ(Frm->lblI->text(), "2");
    // Accented letters and the euro sign are typed as Unicode and compared as themselves.
    Type(QString::fromUtf8("é€"));
    EXPECT_EQ(Frm->lblI->text(), "3");
    // An empty answer line is answered by an empty box.
    ExpectEnd();
    Type("");
    EXPECT_TRUE(End.Shown);
    EXPECT_EQ(End.Message, "You answered correctly on 3 questions of 3 possible.");
    EXPECT_EQ(Hands(), 1);
}

TEST_F(Drill, TwoWrongAnswersThenARightOneWithoutContinueOnError)
{
    Start(Capitals, CapitalAnswers);
    Type("Lyon");
    EXPECT_EQ(Hands(), 1);
    EXPECT_EQ(Frm->lblE->text(), "1");
    EXPECT_EQ(Frm->lblI->text(), "1");
    EXPECT_EQ(Frm->lblQ->text(), "France");
    EXPECT_EQ(Frm->answer->text(), "Lyon"); // left for the user to correct
    EXPECT_EQ(Frm->ProgressBar->NumWrong(), 1);
    EXPECT_EQ(Frm->ProgressBar->Canvas().GetPixel(50, 18), clRed);

    Answer("Nice");
    EXPECT_EQ(Hands(), 2);
    EXPECT_EQ(Frm->lblE->text(), "1");

    Answer("Paris");
    EXPECT_EQ(Hands(), 2);
    EXPECT_EQ(Frm->lblE->text(), "0");
    EXPECT_EQ(Frm->lblI->text(), "2");
    EXPECT_EQ(Frm->lblQ->text(), "Sweden");
    EXPECT_EQ(Frm->answer->text(), "");
    // One green run of one item out of three: columns 1 to 112 (xR = Round(112.67) = 113).
    EXPECT_EQ(Frm->ProgressBar->NumRight(), 1);
    EXPECT_EQ(Frm->ProgressBar->NumWrong(), 0);
    EXPECT_EQ(Frm->ProgressBar->Canvas().GetPixel(112, 18), clGreen);
    EXPECT_EQ(Frm->ProgressBar->Canvas().GetPixel(113, 18), clBlack);
}

TEST_F(Drill, ContinueOnErrorRunOfFiveReportsTwoCorrect)
{
    Start({"1", "2", "3", "4", "5"}, {"a", "b", "c", "d", "e"});
    QTest::keyClick(Frm->answer, Qt::Key_F7);
    ASSERT_TRUE(Frm->GetAcceptErrors());
    ASSERT_TRUE(Frm->btnToggleAcceptErrors->Down());
    Type("a");
    Type("x");
    EXPECT_EQ(Frm->lblI->text(), "3"); // moved on despite the error
    EXPECT_EQ(Frm->lblE->text(), "1");
    Type("c");
    Type("x");
    ExpectEnd();
    Type("x");
    ASSERT_TRUE(End.Shown);
    EXPECT_EQ(Hands(), 0); // moving on needs no sound; the error count tells
    EXPECT_EQ(End.Message, "You answered correctly on 2 questions of 5 possible.");
    // Behind the message: the end text, the last number, the final errors and a full bar.
    EXPECT_EQ(End.Question, "There are no more questions.");
    EXPECT_EQ(End.Number, "5");
    EXPECT_EQ(End.Errors, "3");
    EXPECT_EQ(End.Total, 5);
    EXPECT_EQ(End.Right, 2);
    EXPECT_EQ(End.Wrong, 3);
    EXPECT_EQ(End.BarLastInterior, clRed);

    // After the message: counters back, the drill controls hidden, the bottom buttons left.
    EXPECT_EQ(Counters(), "0 / 5 / 0");
    EXPECT_FALSE(Frm->lblQ->isVisible());
    EXPECT_FALSE(Frm->answer->isVisible());
    EXPECT_FALSE(Frm->btnCorrect->isVisible());
    EXPECT_FALSE(Frm->ProgressBar->isVisible());
    EXPECT_EQ(Frm->ProgressBar->NumTotal(), 1);
    EXPECT_EQ(Frm->ProgressBar->NumRight(), 0);
    EXPECT_EQ(Frm->ProgressBar->NumWrong(), 0);
    EXPECT_TRUE(Frm->btnRestart->isVisible());
    EXPECT_TRUE(Frm->btnExit->isVisible());
    EXPECT_TRUE(Frm->btnToggleAcceptErrors->isVisible());
    EXPECT_TRUE(Frm->isVisible());
    EXPECT_EQ(Frm->GetCurrentIndex(), 5);
}

TEST_F(Drill, ASessionWithoutContinueOnErrorEndsWithAllCorrect)
{
    Start(Capitals, CapitalAnswers);
    Type("x");
    Answer("Paris");
    Type("Stockholm");
    Type("Kyoto");
    Type("");
    ExpectEnd();
    Answer("Tokyo");
    ASSERT_TRUE(End.Shown);
    EXPECT_EQ(End.Message, "You answered correctly on 3 questions of 3 possible.");
    EXPECT_EQ(End.Errors, "0");
    EXPECT_EQ(End.Right, 3);
    EXPECT_EQ(End.BarLastInterior, clGreen);
    EXPECT_EQ(Hands(), 3);
}

TEST_F(Drill, F1ShowsTheAnswerAndEnterCountsItAsCorrectEscEmptiesTheBox)
{
    Start({"Euro?", "Two"}, {std::string("\xE2\x82\xAC sign"), "2"});
    QTest::keyClick(Frm->answer, Qt::Key_F1);
    EXPECT_EQ(Frm->answer->text(), QString::fromUtf8("€ sign"));
    QTest::keyClick(Frm->answer, Qt::Key_Return);
    EXPECT_EQ(Frm->lblI->text(), "2");
    EXPECT_EQ(Frm->lblE->text(), "0");
    EXPECT_EQ(Frm->GetNumCorrectAnswer(true), 1);
    EXPECT_EQ(Hands(), 0);

    QTest::keyClicks(Frm->answer, "wrong");
    QTest::keyClick(Frm->answer, Qt::Key_Escape);
    EXPECT_EQ(Frm->answer->text(), "");
    EXPECT_TRUE(Frm->isVisible());
    EXPECT_EQ(Frm->lblI->text(), "2");
    // Modifiers are not looked at.
    QTest::keyClick(Frm->answer, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(Frm->answer->text(), "2");
}

TEST_F(Drill, CtrlF4ClosesTheDrillAndShowsTheMainWindow)
{
    Start(Capitals, CapitalAnswers);
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTest::keyClick(Frm->answer, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(Frm->isVisible());
    EXPECT_TRUE(Main->isVisible());
    EXPECT_EQ(lastClosed.count(), 0);

    // From a button too, and by Cancel.
    Start(Capitals, CapitalAnswers);
    Frm->btnRestart->setFocus();
    QTest::keyClick(Frm->btnRestart, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(Frm->isVisible());
    EXPECT_TRUE(Main->isVisible());

    Start(Capitals, CapitalAnswers);
    QTest::mouseClick(Frm->btnExit, Qt::LeftButton);
    EXPECT_FALSE(Frm->isVisible());
    EXPECT_TRUE(Main->isVisible());
}

TEST_F(Drill, StartOverAfterTheEndAsksQuestionOneAgain)
{
    Start({"One"}, {"1"});
    ExpectEnd();
    Type("1");
    ASSERT_TRUE(End.Shown);
    ASSERT_FALSE(Frm->answer->isVisible());
    // The window has the keyboard again, and Tab reaches the buttons.
    EXPECT_TRUE(QTest::qWaitForWindowActive(Frm.get()));
    EXPECT_EQ(Focus(), Frm.get());
    QTest::keyClick(Focus(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), Frm->btnRestart);

    Frm->btnToggleAcceptErrors->setFocus();
    QTest::keyClick(Frm->btnToggleAcceptErrors, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Frm->lblQ->text(), "One");
    EXPECT_TRUE(Frm->lblQ->isVisible());
    EXPECT_TRUE(Frm->answer->isVisible());
    EXPECT_TRUE(Frm->btnCorrect->isVisible());
    EXPECT_TRUE(Frm->ProgressBar->isVisible());
    EXPECT_EQ(Frm->lblI->text(), "1");
    EXPECT_EQ(Frm->lblN->text(), "1");
    EXPECT_EQ(Focus(), Frm->answer);
    EXPECT_EQ(Frm->ProgressBar->NumTotal(), 1);
    EXPECT_EQ(Frm->ProgressBar->NumRight(), 0);
    EXPECT_FALSE(Frm->GetAcceptErrors()); // Ctrl+N is not F7

    // Start Over in the middle of a session, by its button.
    Type("wrong");
    EXPECT_EQ(Frm->lblE->text(), "1");
    QTest::mouseClick(Frm->btnRestart, Qt::LeftButton);
    EXPECT_EQ(Frm->lblE->text(), "0");
    EXPECT_EQ(Frm->lblI->text(), "1");
    EXPECT_EQ(Frm->answer->text(), "");
    EXPECT_EQ(Frm->ProgressBar->NumWrong(), 0);
}

TEST_F(Drill, ContinueOnErrorSurvivesCancelAndANewExecute)
{
    Start(Capitals, CapitalAnswers);
    QTest::mouseClick(Frm->btnToggleAcceptErrors, Qt::LeftButton);
    EXPECT_TRUE(Frm->GetAcceptErrors());
    EXPECT_EQ(Frm->btnToggleAcceptErrors->Canvas().GetPixel(2, 2), TFlatButton::DownColor);
    QTest::keyClick(Frm->btnToggleAcceptErrors, Qt::Key_F4, Qt::ControlModifier);
    ASSERT_TRUE(Main->isVisible());

    Start({"A", "B"}, {"a", "b"});
    EXPECT_TRUE(Frm->GetAcceptErrors());
    EXPECT_TRUE(Frm->btnToggleAcceptErrors->Down());
    Type("wrong");
    EXPECT_EQ(Frm->lblI->text(), "2");
    EXPECT_EQ(Frm->lblE->text(), "1");

    // Start Over keeps it too; F7 from anywhere in the window switches it off again.
    Frm->UserRestart();
    EXPECT_TRUE(Frm->GetAcceptErrors());
    QTest::keyClick(Frm->answer, Qt::Key_F7);
    EXPECT_FALSE(Frm->GetAcceptErrors());
    EXPECT_FALSE(Frm->btnToggleAcceptErrors->Down());
    Type("wrong");
    EXPECT_EQ(Frm->lblI->text(), "1");
}

TEST_F(Drill, AQuickDoubleClickOnContinueOnErrorTogglesItOnce)
{
    Start(Capitals, CapitalAnswers);
    QWindow* window = Frm->windowHandle();
    const QPoint centre = Frm->btnToggleAcceptErrors->geometry().center();
    QTest::mouseDClick(window, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(Frm->GetAcceptErrors());
    EXPECT_EQ(Focus(), Frm->btnToggleAcceptErrors);
    QTest::mouseClick(window, Qt::LeftButton, {}, centre);
    EXPECT_FALSE(Frm->GetAcceptErrors());
}

TEST_F(Drill, ClickingEnterTakesTheFocusWhichStaysAfterAWrongAnswer)
{
    Start(Capitals, CapitalAnswers);
    QTest::keyClicks(Frm->answer, "Lyon");
    QTest::mouseClick(Frm->btnCorrect, Qt::LeftButton);
    EXPECT_EQ(Hands(), 1);
    EXPECT_EQ(Focus(), Frm->btnCorrect);
    // Enter and Space on the focused button answer again.
    QTest::keyClick(Frm->btnCorrect, Qt::Key_Return);
    EXPECT_EQ(Hands(), 2);
    Frm->answer->setText("Paris");
    QTest::keyClick(Frm->btnCorrect, Qt::Key_Space);
    EXPECT_EQ(Frm->lblI->text(), "2");
    EXPECT_EQ(Focus(), Frm->answer); // the next question takes the focus back
}

TEST_F(Drill, TabGoesThroughAnswerStartOverCancelAndContinueOnError)
{
    Start(Capitals, CapitalAnswers);
    ASSERT_EQ(Focus(), Frm->answer);
    std::vector<QWidget*> seen;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(Focus(), Qt::Key_Tab);
        seen.push_back(Focus());
    }
    EXPECT_EQ(seen, (std::vector<QWidget*>{Frm->btnRestart, Frm->btnExit, Frm->btnToggleAcceptErrors, Frm->answer}));
    // Space on a focused bottom button clicks it.
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClick(Focus(), Qt::Key_Tab);
    ASSERT_EQ(Focus(), Frm->btnToggleAcceptErrors);
    QTest::keyClick(Focus(), Qt::Key_Space);
    EXPECT_TRUE(Frm->GetAcceptErrors());
    // Esc on a button does not close the window either.
    QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_TRUE(Frm->isVisible());
}

TEST_F(Drill, EmptyListsEndAtOnceReportingNothing)
{
    ExpectEnd();
    Start({}, {});
    ASSERT_TRUE(End.Shown);
    EXPECT_EQ(End.Message, "You answered correctly on 0 questions of 0 possible.");
    EXPECT_EQ(End.Question, "There are no more questions.");
    EXPECT_FALSE(Frm->answer->isVisible());
    EXPECT_EQ(Frm->lblN->text(), "0");
    EXPECT_EQ(Frm->GetNumCorrectAnswer(true), 0);
    EXPECT_EQ(Frm->GetNumCorrectAnswer(false), 0);
}

TEST_F(Drill, ResultsFromALongerEarlierSessionDoNotCountInAShorterOne)
{
    Start({"1", "2", "3"}, {"a", "b", "c"});
    Frm->ToggleAcceptErrors();
    Type("a");
    Type("b");
    Frm->UserExit();
    // The shorter session asks question 1 only; the earlier right answers never count.
    ExpectEnd();
    Start({"1"}, {"z"});
    Type("x");
    ASSERT_TRUE(End.Shown);
    EXPECT_EQ(End.Message, "You answered correctly on 0 questions of 1 possible.");
    EXPECT_EQ(End.Errors, "1");
}

TEST_F(Drill, AScreenReaderFindsEveryControlWithItsRoleNameAndValue)
{
    Start(Capitals, CapitalAnswers);
    Answer("Lyon");
    const struct {
        QWidget* Control;
        QAccessible::Role Role;
        QString Name, Value, Description;
    } rows[] = {
        {Frm->answer, QAccessible::EditableText, "France", "Lyon", ""},
        {Frm->btnCorrect, QAccessible::Button, "Enter", "", ""},
        {Frm->ProgressBar, QAccessible::ProgressBar, "Progress", "1", "0 right, 1 wrong"},
        {Frm->btnToggleAcceptErrors, QAccessible::Button, "Continue on Error", "", ""},
        {Frm->btnRestart, QAccessible::Button, "Start Over", "", ""},
        {Frm->btnExit, QAccessible::Button, "Cancel", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Control->objectName().toStdString());
        const AccessibleFacts f = FactsOf(r.Control);
        EXPECT_TRUE(ReachableFrom(Frm.get(), r.Control));
        EXPECT_EQ(f.Role, r.Role);
        EXPECT_EQ(f.Name, r.Name);
        EXPECT_EQ(f.Value, r.Value);
        if (!r.Description.isEmpty()) EXPECT_EQ(f.Description, r.Description);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Frm->ProgressBar)->valueInterface()->maximumValue(), 3);

    // Press works as a click: on the toggle it is pressed (checked) afterwards; Start Over starts over.
    QAccessibleInterface* toggle = QAccessible::queryAccessibleInterface(Frm->btnToggleAcceptErrors);
    EXPECT_FALSE(toggle->state().checked);
    toggle->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(Frm->GetAcceptErrors());
    EXPECT_TRUE(toggle->state().checked && toggle->state().pressed);
    Answer("Lyon");
    EXPECT_EQ(Frm->lblI->text(), "2");
    QAccessible::queryAccessibleInterface(Frm->btnRestart)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Frm->lblI->text(), "1");
}

TEST_F(Drill, AScreenReaderHearsEachNewQuestionAndEveryWrongAnswerWhereTheFocusIs)
{
    AccessibleEventLog log;
    Start(Capitals, CapitalAnswers);
    Answer("Lyon");
    Answer("Lyon");
    Answer("Paris");
    QTest::keyClick(Frm->answer, Qt::Key_F7);
    Answer("Oslo");
    std::vector<std::string> heard;
    for (const std::string& e : log.Of(Frm->answer))
        if (e.rfind("name", 0) == 0 || (e.rfind("description", 0) == 0 && e != "description ")) heard.push_back(e);
    EXPECT_EQ(heard, (std::vector<std::string>{"name France", "description Wrong. Errors: 1",
                                               "description Wrong. Errors: 1", "name Sweden",
                                               "description Wrong. Errors: 1", "name Japan"}));
    EXPECT_EQ(Focus(), Frm->answer);
    const std::vector<std::string> toggle = log.Of(Frm->btnToggleAcceptErrors);
    EXPECT_EQ(std::count(toggle.begin(), toggle.end(), "state"), 1);
}

TEST_F(Drill, F8F9AndF10ReachTheirButtonsWhichStartUpWithTheDrillAsItWas)
{
    Main->list1selector->SetText("countries");
    Main->list2selector->SetText("capitals");
    Start(Capitals, CapitalAnswers);
    EXPECT_FALSE(Frm->btnToggleRandom->Down() || Frm->btnToggleReverse->Down());
    EXPECT_FALSE(Frm->btnRepeatMissed->isEnabled());
    EXPECT_EQ(Frm->btnRepeatMissed->Canvas().GetPixel(0, 0), TFlatButton::DisabledColor);
    Frm->setGeometry(0, 0, 1024, 768); // the smallest screen: no bottom button covers another
    const std::vector<TFlatButton*> bottom{Frm->btnToggleAcceptErrors, Frm->btnToggleRandom, Frm->btnToggleReverse,
                                           Frm->btnRepeatMissed, Frm->btnRestart, Frm->btnExit};
    for (size_t i = 0; i < bottom.size(); ++i)
        for (size_t j = i + 1; j < bottom.size(); ++j) EXPECT_FALSE(bottom[i]->geometry().intersects(bottom[j]->geometry()));

    QTest::keyClick(Frm->answer, Qt::Key_F9);
    EXPECT_TRUE(Frm->btnToggleReverse->Down());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Frm->btnToggleReverse)->state().checked);
    EXPECT_EQ(Frm->lblQ->text() + Frm->lblList1->text() + Frm->lblList2->text(), "Pariscapitalscountries");
    QTest::keyClick(Frm->answer, Qt::Key_F7);
    Type("Lyon");
    Type("Sweden");
    ExpectEnd();
    Type("China");
    EXPECT_EQ(End.Message, "You answered correctly on 1 questions of 3 possible.");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frm.get()));
    QTest::keyClick(Focus(), Qt::Key_F10);
    EXPECT_EQ(Counters() + Frm->lblQ->text().toStdString(), "1 / 2 / 0Paris");
    Type("France");
    ExpectEnd();
    Type("Japan");
    EXPECT_EQ(End.Message, "You answered correctly on 2 questions of 2 possible.");
    EXPECT_FALSE(Frm->btnRepeatMissed->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frm.get()));
    QTest::keyClick(Focus(), Qt::Key_F8);
    EXPECT_TRUE(Frm->btnToggleRandom->Down());
    EXPECT_EQ(Counters(), "1 / 3 / 0"); // the whole lists again, at once
}
