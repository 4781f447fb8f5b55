// How long a drill over two 100,000-item lists takes to start, and how long each answer takes
// to be handled, on the real windows; and how long a session of 1,000,000 items takes to start
// in random order, or over the items it missed, against the same start in list order. Run with
// --benchmark_counters_tabular=true.
#include "app/DataStore.h"
#include "app/SelectorBox.h"
#include "controls/FlatButton.h"
#include "app/main.h"
#include "drill/repetitions.h"
#include "app/Program.h"
#include "platform/Application.h"
#include "platform/Utf8.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace {
constexpr int Items = 100000;

struct World {
    QTemporaryDir Base;
    std::unique_ptr<TmainFrm> Main;
    std::unique_ptr<TrepetitionsFrm> Frm;
    std::vector<std::string> Questions, Answers;

    World()
    {
        QDir(Base.path()).mkpath("Lists");
        QDir(Base.path()).mkpath("Projects");
        for (int i = 0; i < Items; ++i) {
            Questions.push_back("Question number " + std::to_string(i) + " of the big list");
            Answers.push_back("answer " + std::to_string(i));
        }
        auto write = [&](const char* name, const std::vector<std::string>& lines) {
            std::ofstream out((Base.path() + "/Lists/" + name).toStdString(), std::ios::binary);
            for (const auto& l : lines) out << l << "\r\n";
        };
        write("big-q.txt", Questions);
        write("big-a.txt", Answers);
        Services().BaseFolder = Base.path().toStdString() + "/";
        Main = std::make_unique<TmainFrm>();
        Frm = std::make_unique<TrepetitionsFrm>();
        Main->SetDrillWindow(Frm.get());
        Frm->OnClosed = [this] { Main->ReturnFromDrill(); };
        Main->show();
    }

    void StartInMemory()
    {
        Frm->QuestionItems() = Questions;
        Frm->AnswerItems() = Answers;
        Main->hide();
        Frm->ShowDrill();
        Frm->SetCounters("0");
        Frm->ResetIndicator();
        Frm->DoNewSession();
    }

    void PressEnter()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(Frm->answer, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(Frm->answer, &release);
    }
};

World* TheWorld = nullptr;

// Execute in the main window: both list files read from disk, the drill shown and started.
void BM_ExecuteFromFiles(benchmark::State& state)
{
    World& w = *TheWorld;
    w.Main->list1selector->SetText("big-q");
    w.Main->list2selector->SetText("big-a");
    for (auto _ : state) {
        w.Main->NewSession();
        state.PauseTiming();
        if (w.Frm->Count() != Items) state.SkipWithError("the drill did not start");
        w.Frm->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExecuteFromFiles)->Unit(benchmark::kMillisecond)->Iterations(10);

// The drill window's part alone: lists already loaded.
void BM_StartSession(benchmark::State& state)
{
    World& w = *TheWorld;
    w.Frm->QuestionItems() = w.Questions;
    w.Frm->AnswerItems() = w.Answers;
    w.Main->hide();
    w.Frm->ShowDrill();
    for (auto _ : state) {
        w.Frm->SetCounters("0");
        w.Frm->ResetIndicator();
        w.Frm->DoNewSession();
    }
    w.Frm->close();
}
BENCHMARK(BM_StartSession)->Unit(benchmark::kMicrosecond);

// Every question of the list answered correctly with Enter, one per iteration; the slowest
// answer is reported beside the mean, as the question is whether any answer pauses.
void BM_AnswerEveryQuestion(benchmark::State& state)
{
    World& w = *TheWorld;
    w.StartInMemory();
    double slowest = 0;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.Frm->answer->setText(QStringFromUtf8(w.Answers[i % Items]));
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        w.PressEnter();
        const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
        slowest = std::max(slowest, us);
        ++i;
    }
    state.counters["slowest_us"] = slowest;
    if (w.Frm->GetCurrentIndex() != Items - 1) state.SkipWithError("not at the last question");
    w.Frm->close();
}
BENCHMARK(BM_AnswerEveryQuestion)->Unit(benchmark::kMicrosecond)->Iterations(Items - 1);

// A wrong answer on the last question: the longest count, the sound, the question kept.
void BM_WrongAnswerAtTheEnd(benchmark::State& state)
{
    World& w = *TheWorld;
    w.StartInMemory();
    w.Frm->ToggleAcceptErrors();
    for (int i = 0; i < Items - 1; ++i) w.Frm->CorrectAndNextQuestion(); // all wrong, moving on
    w.Frm->ToggleAcceptErrors();
    for (auto _ : state) {
        state.PauseTiming();
        w.Frm->answer->setText("not it");
        state.ResumeTiming();
        w.PressEnter();
    }
    if (w.Frm->GetCurrentIndex() != Items - 1) state.SkipWithError("moved on after a wrong answer");
    w.Frm->close();
}
BENCHMARK(BM_WrongAnswerAtTheEnd)->Unit(benchmark::kMicrosecond);

constexpr int Million = 1000000;

// Two lists of a million short items (each within a string's own storage), loaded into the
// drill, with Random Order as `random` says.
void LoadMillion(World& w, bool random)
{
    static std::vector<std::string> questions, answers;
    if (questions.empty())
        for (int i = 0; i < Million; ++i) {
            questions.push_back("q" + std::to_string(i));
            answers.push_back("a" + std::to_string(i));
        }
    w.Frm->QuestionItems() = questions;
    w.Frm->AnswerItems() = answers;
    w.Main->hide();
    w.Frm->ShowDrill();
    if (w.Frm->btnToggleRandom->Down() != random) w.Frm->ToggleRandomOrder();
}

// Random Order off again and the lists freed; no session is started over the empty lists, as
// its end message would wait for a click.
void Unload(World& w)
{
    if (w.Frm->btnToggleRandom->Down()) w.Frm->ToggleRandomOrder();
    w.Frm->close();
    w.Frm->QuestionItems() = {};
    w.Frm->AnswerItems() = {};
}

// Start Over to the first question shown; argument 0 in list order (the reference), 1 at random.
void BM_StartOverMillion(benchmark::State& state)
{
    World& w = *TheWorld;
    LoadMillion(w, state.range(0) != 0);
    for (auto _ : state) w.Frm->UserRestart();
    if (w.Frm->Count() != Million || w.Frm->GetCurrentIndex() != 0) state.SkipWithError("the drill did not start");
    Unload(w);
}
BENCHMARK(BM_StartOverMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Repeat Missed after a session that missed every item, to the first question shown; argument
// 0 in list order, 1 at random. The missed session is answered on the session itself: through
// the window each answer recounts the results so far, and a million of them would take minutes.
void BM_RepeatMissedMillion(benchmark::State& state)
{
    World& w = *TheWorld;
    LoadMillion(w, state.range(0) != 0);
    TDrillSession& session = w.Frm->GetSession();
    for (auto _ : state) {
        state.PauseTiming();
        session.Restart();
        session.SetAcceptErrors(true);
        while (session.Next()) session.Record(false);
        session.SetAcceptErrors(false);
        state.ResumeTiming();
        w.Frm->UserRepeatMissed();
    }
    if (w.Frm->Count() != Million || w.Frm->GetCurrentIndex() != 0) state.SkipWithError("no repeat session");
    Unload(w);
}
BENCHMARK(BM_RepeatMissedMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LEXIDRILL_SILENT", "1", 0);
    TProgramServices services;
    TApplication app(argc, argv, services);
    InstallProgramFonts();
    World world;
    TheWorld = &world;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheWorld = nullptr;
    return 0;
}
