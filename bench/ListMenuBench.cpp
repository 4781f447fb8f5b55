// The completion list with 10,000 items: one typed filter character, which rebuilds the
// visible list, repaints the list and sets the scroll bar. Three cases: a character that keeps
// a tenth of the items, one that keeps none, and Backspace back to all of them. The reference does the same filtering and repaint the
// usual Qt way: a QListView over a QSortFilterProxyModel, repainted at once.
#include "editor/input/InteractiveListMenu.h"
#include "app/Program.h"
#include "platform/Application.h"

#include <QListView>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int ItemCount = 10000;

std::vector<std::string> Items()
{
    // Words of 4 to 12 letters; the first letter cycles through ten, so a first character
    // keeps a tenth of the list.
    std::vector<std::string> items;
    unsigned seed = 7;
    for (int i = 0; i < ItemCount; ++i) {
        std::string s(1, char('a' + i % 10));
        seed = seed * 1103515245u + 12345u;
        const int len = 3 + int((seed >> 16) % 9);
        for (int k = 0; k < len; ++k) {
            seed = seed * 1103515245u + 12345u;
            s += char('a' + (seed >> 16) % 26);
        }
        items.push_back(s);
    }
    return items;
}

struct Setup {
    QWidget Host;
    TInteractiveListMenu* Menu = new TInteractiveListMenu(&Host);
    QListView* View = new QListView(&Host);
    QStringListModel Model;
    QSortFilterProxyModel Proxy;
    Setup()
    {
        Host.resize(700, 200);
        Menu->setGeometry(0, 0, 300, 100);
        View->setGeometry(320, 0, 300, 100);
        Menu->SetIndent(6);
        Menu->SetLineSpace(3);
        Menu->SetUseCaret(false);
        const std::vector<std::string> items = Items();
        Menu->AssignItems(items);
        Menu->ClearFilter();
        QStringList list;
        for (const std::string& s : items) list << QString::fromStdString(s);
        Model.setStringList(list);
        Proxy.setSourceModel(&Model);
        Proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        View->setModel(&Proxy);
        Host.show();
    }
};
Setup* gSetup = nullptr;

// One typed character, timed alone; the Backspace that takes it back again is not.
void TypeOne(benchmark::State& state, char c)
{
    TInteractiveListMenu& m = *gSetup->Menu;
    m.ClearFilter();
    size_t visible = 0;
    for (auto _ : state) {
        m.AppendFilterChar(c);
        state.PauseTiming();
        visible = m.VisibleItems().size();
        m.SendKey(Qt::Key_Backspace);
        state.ResumeTiming();
    }
    state.counters["visible"] = double(visible);
}

void BM_ListMenuTypeKeepingATenth(benchmark::State& state) { TypeOne(state, 'c'); }
void BM_ListMenuTypeKeepingNone(benchmark::State& state) { TypeOne(state, 'z'); }

// Backspace from one character back to all 10,000 items: every item copied and the rows
// drawn again.
void BM_ListMenuBackspaceToAll(benchmark::State& state)
{
    TInteractiveListMenu& m = *gSetup->Menu;
    m.ClearFilter();
    for (auto _ : state) {
        state.PauseTiming();
        m.AppendFilterChar('c');
        state.ResumeTiming();
        m.SendKey(Qt::Key_Backspace);
    }
    state.counters["visible"] = double(m.VisibleItems().size());
}

void BM_QListViewProxyReference(benchmark::State& state)
{
    // The same character typed: filter to the items starting with it, repaint at once.
    for (auto _ : state) {
        gSetup->Proxy.setFilterRegularExpression(
            QRegularExpression("^c", QRegularExpression::CaseInsensitiveOption));
        gSetup->View->viewport()->repaint();
        state.PauseTiming();
        gSetup->Proxy.setFilterRegularExpression(QRegularExpression());
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ListMenuTypeKeepingATenth)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListMenuTypeKeepingNone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListMenuBackspaceToAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QListViewProxyReference)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TProgramServices services;
    TApplication app(argc, argv, services);
    InstallProgramFonts();
    auto setup = std::make_unique<Setup>();
    gSetup = setup.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
