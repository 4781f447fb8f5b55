#pragma once
// The drill window: covers the screen in black, asks the questions in list order or at random,
// from either list, checks each typed answer against its answer line, counts errors and shows
// progress. By default a question is asked again until it is answered correctly; with
// "Continue on Error" a wrong answer is counted and the drill moves on. After a drill,
// "Repeat Missed" asks again just the items whose first answer was wrong.
#include "app/DrillLink.h"
#include "drill/DrillSession.h"
#include "platform/Forms.h"

#include <QPointer>
#include <QScreen>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QKeyEvent;
class TAction;
class TActionList;
class TFlatButton;
class TRightWrongDoneIndicator;

class TrepetitionsFrm : public TForm, public IDrillWindow {
    Q_OBJECT
public:
    // Best created without an owner: it is shown while the main window is hidden, and a
    // window owned by a hidden one would be hidden with it.
    explicit TrepetitionsFrm(QWidget* owner = nullptr);
    ~TrepetitionsFrm() override;

    // Execute in the main window: takes the lists and the selector texts, shows the window,
    // zeroes the counters and the indicator and asks the first question.
    void StartDrill(TDrillStart start) override;

    // Told when the window has closed, to bring the main window back.
    std::function<void()> OnClosed;

    std::vector<std::string>& QuestionItems() { return Session.Questions(); }
    std::vector<std::string>& AnswerItems() { return Session.Answers(); }
    const TDrillSession& GetSession() const { return Session; }
    // For measurements that set a session up directly; the window shows it from the next
    // question on.
    TDrillSession& GetSession() { return Session; }
    // Shows the drill window (it lays itself out over the whole screen).
    void ShowDrill();
    // Sets the three counters lblI, lblN and lblE to `text`.
    void SetCounters(const std::string& text);
    // Progress indicator to NumTotal 1, NumRight 0, NumWrong 0.
    void ResetIndicator();
    void DoNewSession();

    void NextQuestion();
    // How many of the results up to the current question equal `value`.
    int32_t GetNumCorrectAnswer(bool value) const;
    bool IsCorrect() const;
    void CorrectAndNextQuestion();
    void UpdateStatistics();
    // Tells screen readers of a wrong answer, in the answer box's description.
    void AnnounceAnswer(bool correct);
    void ToggleAcceptErrors();
    // Switching the order or the direction starts the session over, so what is asked always
    // matches the buttons.
    void ToggleRandomOrder();
    void ToggleReverse();
    void UserRestart();
    // A session of the items missed in the one that has ended; nothing when there are none.
    void UserRepeatMissed();
    void UserExit();
    void answerKeyDown(QKeyEvent* e);

    void FormShow() override;
    // Centres the answer box between the two lines and hangs the question, the Enter button
    // and the progress bar around it, for the window's present size.
    void ArrangeAroundAnswer();

    int32_t GetCurrentIndex() const { return Session.CurrentIndex(); }
    bool GetAcceptErrors() const { return Session.AcceptErrors(); }
    int32_t Count() const { return Session.Count(); }

    // The controls, named as on the form.
    QLabel* StaticText2;
    QLabel* lblI;
    QLabel* StaticText3;
    QLabel* lblN;
    QLabel* Label3;
    QLabel* lblE;
    QWidget* Line1;
    QLabel* Label1;
    QLabel* lblProject;
    QLabel* Label4;
    QLabel* lblList1;
    QLabel* Label6;
    QLabel* lblList2;
    QLabel* lblQ;
    QLineEdit* answer;
    TFlatButton* btnCorrect;
    TRightWrongDoneIndicator* ProgressBar;
    QWidget* Line2;
    TFlatButton* btnToggleAcceptErrors;
    TFlatButton* btnToggleRandom;
    TFlatButton* btnToggleReverse;
    TFlatButton* btnRepeatMissed;
    TFlatButton* btnRestart;
    TFlatButton* btnExit;

    TActionList* ActionList1;
    TAction* ANew;
    TAction* ACancel;
    TAction* AToggleAcceptErrors;
    TAction* AToggleRandom;
    TAction* AToggleReverse;
    TAction* ARepeatMissed;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormClose();
    // The session just built, from its first question: the list names, the count, and
    // Repeat Missed off until it ends.
    void BeginSession();
    void UpdateRepeatMissed();

    TDrillSession Session;
    // The main window's selector texts the drill was started with, and its screen.
    std::string ProjectText, List1Text, List2Text;
    QPointer<QScreen> Screen;
};
