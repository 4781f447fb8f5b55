#include "drill/repetitions.h"

#include "app/DialogBoxes.h"
#include "controls/FlatButton.h"
#include "controls/RightWrongDoneIndicator.h"
#include "platform/Commands.h"
#include "platform/Services.h"
#include "platform/Sound.h"
#include "platform/Utf8.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <climits>

namespace {
constexpr int DesignWidth = 865;
constexpr int DesignHeight = 606;

QFont Tahoma(int pixels)
{
    QFont f("Tahoma");
    f.setPixelSize(pixels);
    return f;
}

// Labels size themselves to their text, which is shown as it stands: no markup, no
// accelerator marks.
void SetLabelText(QLabel* l, const std::string& text)
{
    l->setText(QStringFromUtf8(text));
    l->adjustSize();
}

QLabel* MakeLabel(QWidget* parent, const char* name, const std::string& text, int pixels, int left, int top)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Tahoma(pixels));
    l->move(left, top);
    SetLabelText(l, text);
    return l;
}

QWidget* MakeLine(QWidget* parent, const char* name, int top)
{
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, Qt::white);
    line->setPalette(pal);
    Place(line, 0, top, DesignWidth, 1);
    return line;
}

TFlatButton* MakeButton(QWidget* parent, const char* name, const std::string& caption, int left, int top, int width,
                        int height)
{
    auto* b = new TFlatButton(parent);
    b->setObjectName(name);
    Place(b, left, top, width, height);
    TFont f;
    f.Name = "Tahoma";
    f.Height = 16;
    b->SetFont(f);
    b->SetClickFocus(true);
    b->SetDown(false);
    b->SetCaption(caption);
    return b;
}

std::string Decimal(long long n) { return std::to_string(n); }
} // namespace

TrepetitionsFrm::TrepetitionsFrm(QWidget* owner) : TForm(owner), Session(Services().Random)
{
    setObjectName("repetitionsFrm");
    setWindowTitle("Lexidrill");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(DesignWidth, DesignHeight);
    setFont(Tahoma(11));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, Qt::white);
    setPalette(pal);

    StaticText2 = MakeLabel(this, "StaticText2", "Question:", 24, 8, 8);
    lblI = MakeLabel(this, "lblI", "0", 24, 120, 8);
    StaticText3 = MakeLabel(this, "StaticText3", "Total:", 24, 168, 8);
    lblN = MakeLabel(this, "lblN", "0", 24, 240, 8);
    Label3 = MakeLabel(this, "Label3", "Errors:", 24, 717, 8);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    {
        // Right-aligned in its 72 pixels; should the face run wider, it grows to the left.
        const int w = std::max(72, Label3->width());
        Label3->setGeometry(717 + 72 - w, 8, w, Label3->height());
    }
    lblE = MakeLabel(this, "lblE", "0", 24, 808, 8);
    Line1 = MakeLine(this, "Line1", 48);
    Label1 = MakeLabel(this, "Label1", "Project:", 16, 8, 56);
    lblProject = MakeLabel(this, "lblProject", "(none)", 16, 96, 56);
    Label4 = MakeLabel(this, "Label4", "Questions:", 16, 8, 80);
    lblList1 = MakeLabel(this, "lblList1", "(none)", 16, 96, 80);
    Label6 = MakeLabel(this, "Label6", "Answers:", 16, 8, 104);
    lblList2 = MakeLabel(this, "lblList2", "(none)", 16, 96, 104);
    lblQ = MakeLabel(this, "lblQ", "Waiting for Questions...", 24, 248, 184);

    answer = new QLineEdit(this);
    answer->setObjectName("answer");
    answer->setFont(Tahoma(24));
    answer->setMaxLength(INT_MAX); // answer lines have no length limit, nor may the box
    // The themed edit border, which the style would otherwise draw black on black.
    answer->setStyleSheet("QLineEdit { background: black; color: white; border: 1px solid #ABADB3; padding: 0 2px; }"
                          "QLineEdit:focus { border: 1px solid #3399FF; }");
    Place(answer, 248, 232, 337, 37);
    answer->installEventFilter(this);

    btnCorrect = MakeButton(this, "btnCorrect", "Enter", 600, 232, 100, 37);
    btnCorrect->OnClick = [this](QObject*) { CorrectAndNextQuestion(); };

    ProgressBar = new TRightWrongDoneIndicator(this);
    ProgressBar->setObjectName("ProgressBar");
    Place(ProgressBar, 248, 288, 337, 37);
    ProgressBar->SetNumTotal(100);
    ProgressBar->SetNumRight(0);
    ProgressBar->SetNumWrong(0);
    ProgressBar->SetRightColor(clGreen);
    ProgressBar->SetWrongColor(clRed);
    ProgressBar->setAccessibleName("Progress");

    Line2 = MakeLine(this, "Line2", 552);

    btnToggleAcceptErrors = MakeButton(this, "btnToggleAcceptErrors", "Continue on Error", 16, 560, 145, 33);
    btnToggleAcceptErrors->SetTabStop(true);
    btnToggleAcceptErrors->SetToggle(true);
    btnToggleAcceptErrors->OnClick = [this](QObject*) { ToggleAcceptErrors(); };
    btnRestart = MakeButton(this, "btnRestart", "Start Over", 648, 560, 100, 33);
    btnRestart->SetTabStop(true);
    btnRestart->OnClick = [this](QObject*) { UserRestart(); };
    btnExit = MakeButton(this, "btnExit", "Cancel", 760, 560, 100, 33);
    btnExit->SetTabStop(true);
    btnExit->OnClick = [this](QObject*) { UserExit(); };
    // Reached by their keys or a click; Tab keeps to the answer and the three buttons above.
    btnToggleRandom = MakeButton(this, "btnToggleRandom", "Random Order", 176, 560, 145, 33);
    btnToggleRandom->SetToggle(true);
    btnToggleRandom->OnClick = [this](QObject*) { ToggleRandomOrder(); };
    btnToggleReverse = MakeButton(this, "btnToggleReverse", "Reverse", 336, 560, 145, 33);
    btnToggleReverse->SetToggle(true);
    btnToggleReverse->OnClick = [this](QObject*) { ToggleReverse(); };
    btnRepeatMissed = MakeButton(this, "btnRepeatMissed", "Repeat Missed", 536, 560, 100, 33);
    btnRepeatMissed->OnClick = [this](QObject*) { UserRepeatMissed(); };

    SetAnchors(Label3, akTop | akRight);
    SetAnchors(lblE, akTop | akRight);
    SetAnchors(Line1, akLeft | akTop | akRight);
    SetAnchors(Line2, akLeft | akRight | akBottom);
    SetAnchors(btnToggleAcceptErrors, akLeft | akBottom);
    SetAnchors(btnRestart, akRight | akBottom);
    SetAnchors(btnExit, akRight | akBottom);
    SetAnchors(btnToggleRandom, akLeft | akBottom);
    SetAnchors(btnToggleReverse, akLeft | akBottom);
    SetAnchors(btnRepeatMissed, akRight | akBottom);

    setTabOrder(answer, btnRestart);
    setTabOrder(btnRestart, btnExit);
    setTabOrder(btnExit, btnToggleAcceptErrors);

    // Window-wide shortcuts: they work wherever the focus is in the window.
    ActionList1 = new TActionList(this);
    ANew = ActionList1->Add("Starta om", QKeySequence(Qt::CTRL | Qt::Key_N), QString());
    ANew->setObjectName("ANew");
    ANew->OnExecute = [this] { UserRestart(); };
    ACancel = ActionList1->Add("Avbryt", QKeySequence(Qt::CTRL | Qt::Key_F4), QString());
    ACancel->setObjectName("ACancel");
    ACancel->OnExecute = [this] { UserExit(); };
    AToggleAcceptErrors = ActionList1->Add(QString::fromUtf8("Fortsätt vid fel"), QKeySequence(Qt::Key_F7), QString());
    AToggleAcceptErrors->setObjectName("AToggleAcceptErrors");
    AToggleAcceptErrors->OnExecute = [this] { ToggleAcceptErrors(); };
    AToggleRandom = ActionList1->Add("Slumpvis ordning", QKeySequence(Qt::Key_F8), QString());
    AToggleRandom->setObjectName("AToggleRandom");
    AToggleRandom->OnExecute = [this] { ToggleRandomOrder(); };
    AToggleReverse = ActionList1->Add(QString::fromUtf8("Omvänd"), QKeySequence(Qt::Key_F9), QString());
    AToggleReverse->setObjectName("AToggleReverse");
    AToggleReverse->OnExecute = [this] { ToggleReverse(); };
    ARepeatMissed = ActionList1->Add("Repetera missade", QKeySequence(Qt::Key_F10), QString());
    ARepeatMissed->setObjectName("ARepeatMissed");
    ARepeatMissed->OnExecute = [this] { UserRepeatMissed(); };
    UpdateRepeatMissed();

    FormCreate();
}

TrepetitionsFrm::~TrepetitionsFrm()
{
    FormDestroy();
}

void TrepetitionsFrm::FormCreate() { Session.SetLists({}, {}); }

void TrepetitionsFrm::FormDestroy() { Session.SetLists({}, {}); }

void TrepetitionsFrm::StartDrill(TDrillStart start)
{
    Session.SetLists(std::move(start.Questions), std::move(start.Answers));
    ProjectText = std::move(start.Project);
    List1Text = std::move(start.List1);
    List2Text = std::move(start.List2);
    Screen = start.Screen;
    ShowDrill();
    SetCounters("0");
    ResetIndicator();
    DoNewSession();
}

void TrepetitionsFrm::ShowDrill()
{
    // Cover the screen the main window is on, not necessarily the primary one.
    if (Screen) setScreen(Screen);
    show();
    raise();
    activateWindow();
}

void TrepetitionsFrm::SetCounters(const std::string& text)
{
    SetLabelText(lblI, text);
    SetLabelText(lblN, text);
    SetLabelText(lblE, text);
}

void TrepetitionsFrm::ResetIndicator()
{
    ProgressBar->SetNumTotal(1);
    ProgressBar->SetNumRight(0);
    ProgressBar->SetNumWrong(0);
}

void TrepetitionsFrm::FormShow()
{
    QScreen* s = Screen ? Screen.data() : screen();
    if (!s) s = QGuiApplication::primaryScreen();
    // The whole screen, task bar included.
    if (s) setGeometry(s->geometry());
    ArrangeAroundAnswer();
}

void TrepetitionsFrm::ArrangeAroundAnswer()
{
    const int w = width();
    answer->move(w / 2 - answer->width() / 2, answer->y());
    lblQ->move(answer->x(), lblQ->y());
    answer->move(answer->x(), Line1->y() + (Line2->y() - Line1->y()) / 2 - answer->height() / 2);
    lblQ->move(lblQ->x(), answer->y() - lblQ->height() - 20);
    btnCorrect->setGeometry(answer->x() + answer->width() + 20, answer->y(), btnCorrect->width(), answer->height());
    ProgressBar->move(answer->x(), answer->y() + answer->height() + 20);
}

void TrepetitionsFrm::DoNewSession()
{
    Session.Restart();
    BeginSession();
}

void TrepetitionsFrm::BeginSession()
{
    answer->setAccessibleDescription(QString());
    SetLabelText(lblProject, ProjectText);
    // Reversed, the answer list supplies the questions: each label names the list it shows.
    SetLabelText(lblList1, Session.Reverse() ? List2Text : List1Text);
    SetLabelText(lblList2, Session.Reverse() ? List1Text : List2Text);
    SetLabelText(lblN, Decimal(Count()));
    UpdateRepeatMissed();
    NextQuestion();
}

void TrepetitionsFrm::UpdateRepeatMissed()
{
    const bool can = Session.CanRepeatMissed();
    btnRepeatMissed->setEnabled(can);
    ARepeatMissed->setEnabled(can);
}

void TrepetitionsFrm::NextQuestion()
{
    const int32_t n = Count();
    if (!Session.Next()) {
        SetLabelText(lblQ, "There are no more questions.");
        const int32_t c = GetNumCorrectAnswer(true);
        // The box comes up over the final state: end text, last number, errors, full bar.
        ldMessageBox(this, "You answered correctly on " + Decimal(c) + " questions of " + Decimal(n) + " possible.");
        SetLabelText(lblI, "0");
        SetLabelText(lblN, Decimal(n));
        SetLabelText(lblE, "0");
        lblQ->hide();
        answer->hide();
        btnCorrect->hide();
        ProgressBar->hide();
        ResetIndicator();
        UpdateRepeatMissed();
        // Take the keyboard back from the closed box, and with the answer box gone let the
        // window itself hold the focus, so Tab reaches the buttons and the shortcuts keep
        // working.
        if (isVisible()) {
            activateWindow();
            QWidget* f = focusWidget();
            if (!f || !f->isVisible()) setFocus();
        }
        return;
    }
    SetLabelText(lblI, Decimal(int64_t(Session.CurrentIndex()) + 1));
    SetLabelText(lblN, Decimal(n));
    SetLabelText(lblQ, Session.Question());
    // The answer box is named by its question, so a screen reader reads each new question
    // out where the focus already is.
    answer->setAccessibleName(lblQ->text());
    lblQ->show();
    answer->clear();
    answer->show();
    if (answer->isEnabled() && isVisible() && isEnabled()) answer->setFocus();
    btnCorrect->show();
    ProgressBar->show();
    ProgressBar->SetNumTotal(n);
}

int32_t TrepetitionsFrm::GetNumCorrectAnswer(bool value) const { return Session.NumWithResult(value); }

bool TrepetitionsFrm::IsCorrect() const
{
    return Session.IsCorrect(Utf8FromQString(answer->text()));
}

void TrepetitionsFrm::CorrectAndNextQuestion()
{
    // Only while a question is asked; a late Enter after the end has nothing to answer.
    if (!Session.Asking()) return;
    const bool correct = IsCorrect();
    const bool goesOn = Session.Record(correct);
    UpdateStatistics();
    AnnounceAnswer(correct);
    if (goesOn) {
        NextQuestion();
    } else {
        // The question stays, and so does the wrong answer, for the user to correct.
        PlaySystemSound("SystemHand");
    }
}

void TrepetitionsFrm::AnnounceAnswer(bool correct)
{
    // A wrong answer is told in the answer box's description, where the focus is, with or
    // without "Continue on Error"; a right one only moves on to the next question's name.
    // Emptied first, so a second wrong answer with the same count is told again.
    answer->setAccessibleDescription(QString());
    if (!correct) answer->setAccessibleDescription("Wrong. Errors: " + lblE->text());
}

void TrepetitionsFrm::UpdateStatistics()
{
    const int32_t e = GetNumCorrectAnswer(false);
    SetLabelText(lblE, Decimal(e));
    ProgressBar->SetNumTotal(Count());
    ProgressBar->SetNumRight(GetNumCorrectAnswer(true));
    ProgressBar->SetNumWrong(e);
}

void TrepetitionsFrm::ToggleAcceptErrors()
{
    btnToggleAcceptErrors->SetDown(!btnToggleAcceptErrors->Down());
    Session.SetAcceptErrors(btnToggleAcceptErrors->Down());
}

void TrepetitionsFrm::ToggleRandomOrder()
{
    btnToggleRandom->SetDown(!btnToggleRandom->Down());
    Session.SetRandomOrder(btnToggleRandom->Down());
    UserRestart();
}

void TrepetitionsFrm::ToggleReverse()
{
    btnToggleReverse->SetDown(!btnToggleReverse->Down());
    Session.SetReverse(btnToggleReverse->Down());
    UserRestart();
}

void TrepetitionsFrm::UserRestart()
{
    SetCounters("0");
    ResetIndicator();
    DoNewSession();
}

void TrepetitionsFrm::UserRepeatMissed()
{
    if (!Session.RepeatMissed()) return;
    SetCounters("0");
    ResetIndicator();
    BeginSession();
}

void TrepetitionsFrm::UserExit() { close(); }

void TrepetitionsFrm::closeEvent(QCloseEvent* e)
{
    TForm::closeEvent(e);
    if (e->isAccepted()) FormClose();
}

void TrepetitionsFrm::FormClose()
{
    if (OnClosed) OnClosed();
    // Only a new Execute shows the window again, with lists of its own: the session's go now,
    // not while the next ones are read, which would then hold both in memory and wait for
    // these to be freed.
    Session.SetLists({}, {});
}

bool TrepetitionsFrm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == answer && e->type() == QEvent::KeyPress) answerKeyDown(static_cast<QKeyEvent*>(e));
    return TForm::eventFilter(watched, e);
}

void TrepetitionsFrm::answerKeyDown(QKeyEvent* e)
{
    // The modifiers are not looked at, and the key goes on to the edit box afterwards.
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: CorrectAndNextQuestion(); break;
    case Qt::Key_Escape: answer->clear(); break;
    case Qt::Key_F1:
        if (Session.Asking()) {
            Session.RevealAnswer();
            answer->setText(QStringFromUtf8(Session.Answer()));
        }
        break;
    default: break;
    }
}
