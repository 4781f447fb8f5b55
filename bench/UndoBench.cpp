// The undo history on a 1,000,000-line text: the time of a snapshot and of an undo on the
// real editor, beside copying the lines outright, and the memory of 100 snapshots with a
// one-line edit between them against the memory of the text held once.
#include "editor/TextEditorEx.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int TextLines = 1'000'000;

std::string MakeText()
{
    std::string bytes;
    bytes.reserve(size_t(TextLines) * 24);
    char buf[64];
    for (int i = 0; i < TextLines; ++i) {
        std::snprintf(buf, sizeof buf, "question %07d answer\r\n", i);
        bytes += buf;
    }
    return bytes;
}

size_t HeapInUse()
{
    malloc_trim(0);
    return mallinfo2().uordblks;
}

// The caret on `caretLine`: recording and restoring the selection walks the lines before it.
std::unique_ptr<TTextEditorEx> MakeEditor(const std::string& bytes, int caretLine = TextLines / 2)
{
    auto e = std::make_unique<TTextEditorEx>();
    e->resize(800, 600);
    e->Lines().SetText(bytes);
    e->SetCaretPoint({5, caretLine});
    return e;
}

void BM_AddUndoPoint(benchmark::State& state)
{
    const std::string bytes = MakeText();
    auto e = MakeEditor(bytes, int(state.range(0)));
    e->AddUndoPoint();
    int line = 0;
    for (auto _ : state) {
        state.PauseTiming();
        e->Lines().Set(line, "edited " + std::to_string(line));
        line = (line + 7919) % TextLines;
        state.ResumeTiming();
        e->AddUndoPoint();
    }
    state.counters["snapshots"] = double(e->Document().UndoCount());
}
BENCHMARK(BM_AddUndoPoint)->Arg(0)->Arg(TextLines / 2)->Iterations(200)->Unit(benchmark::kMicrosecond);

void BM_Undo(benchmark::State& state)
{
    const std::string bytes = MakeText();
    auto e = MakeEditor(bytes, int(state.range(0)));
    e->AddUndoPoint();
    e->Lines().Set(TextLines / 2, "edited");
    e->AddUndoPoint();
    for (auto _ : state) {
        e->Undo();
        state.PauseTiming();
        e->Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Undo)->Arg(0)->Arg(TextLines / 2)->Iterations(50)->Unit(benchmark::kMicrosecond);

// What a snapshot would cost if it copied the lines.
void BM_FullCopyReference(benchmark::State& state)
{
    const std::string bytes = MakeText();
    auto e = MakeEditor(bytes);
    for (auto _ : state) {
        std::vector<std::string> copy = e->Lines().ToVector();
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_FullCopyReference)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_HundredSnapshotsMemory(benchmark::State& state)
{
    const std::string bytes = MakeText();
    for (auto _ : state) {
        const size_t base = HeapInUse();
        auto e = MakeEditor(bytes);
        const size_t textOnce = HeapInUse() - base;
        size_t peak = textOnce;
        e->AddUndoPoint();
        for (int i = 0; i < 100; ++i) {
            e->Lines().Set((i * 104729) % TextLines, "one edited line " + std::to_string(i));
            e->AddUndoPoint();
            peak = std::max(peak, HeapInUse() - base);
        }
        // Walking back through the history must not copy either.
        for (int i = 0; i < 20; ++i) {
            e->Undo();
            peak = std::max(peak, HeapInUse() - base);
        }
        state.counters["text_MB"] = double(textOnce) / 1e6;
        state.counters["peak_MB"] = double(peak) / 1e6;
        state.counters["ratio"] = double(peak) / double(textOnce);
    }
}
BENCHMARK(BM_HundredSnapshotsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
