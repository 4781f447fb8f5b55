// Editor speed beside QPlainTextEdit on the same text, in the same run: loading a list of a
// million lines, a full repaint of a 1920 x 1080 client (also on a screen of device pixel
// ratio 2, where both draw four times the pixels; and a screen of Chinese, each character two
// cells), and scrolling by a line and a page.
// Beside each other too: a million lines of Russian against as many of Latin letters of the
// same character count (time, and the memory the loaded text holds).
//
// Run: build-*/bench/EditorBench (it sets up an offscreen screen large enough that the
// editor is fully visible, so scrolling moves pixels as it does on a desktop).
#include "editor/TextEditorEx.h"
#include "app/Program.h"
#include "platform/Application.h"
#include "platform/Files.h"
#include "platform/TextLines.h"
#include "platform/Utf8.h"
#include "platform/Win1252.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QElapsedTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>
#include <unistd.h>

namespace {
constexpr int ClientW = 1920, ClientH = 1080;

std::string gListPath, gLatinPath, gRussianPath;

void WaitExposed(QWidget* w)
{
    QElapsedTimer t;
    t.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A list of 1,000,000 items of 20 bytes each (18 characters and CR LF), Windows-1252 words.
std::string MakeList()
{
    std::mt19937 rng(42);
    const char* words[] = {"hus", "b\xE5t", "tr\xE4" "d", "\xF6ga", "sommar", "vinter", "bok", "penna", "f\xF6nster", "d\xF6rr"};
    std::string out;
    out.reserve(20'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
        std::string line = std::string(words[rng() % 10]) + " " + words[rng() % 10] + " = " + std::to_string(i) + " ";
        while (line.size() < 18) line += char('a' + rng() % 26);
        line.resize(18);
        out += line;
        out += "\r\n";
    }
    return out;
}

// Characters of a UTF-8 text.
size_t CodePoints(const std::string& s)
{
    size_t n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// 1,000,000 lines of 18 characters each (UTF-8, CR LF): words from `words`, a number, and
// letters of `letters` (each letter as its UTF-8) to fill the line.
std::string MakeScriptList(const std::vector<std::string>& words, const std::vector<std::string>& letters)
{
    std::mt19937 rng(42);
    std::string out;
    for (int i = 0; i < 1'000'000; ++i) {
        std::string line = words[rng() % words.size()] + " " + words[rng() % words.size()] + " = " + std::to_string(i) + " ";
        while (CodePoints(line) < 18) line += letters[rng() % letters.size()];
        while (CodePoints(line) > 18) {
            while ((static_cast<unsigned char>(line.back()) & 0xC0) == 0x80) line.pop_back();
            line.pop_back();
        }
        out += line;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> Letters(char32_t first, int count)
{
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) AppendUtf8(out.emplace_back(), first + char32_t(i));
    return out;
}

std::string MakeLatinList()
{
    return MakeScriptList({"house", "boat", "tree", "island", "summer", "winter", "book", "pen", "window", "door"},
                          Letters(U'a', 26));
}

std::string MakeRussianList()
{
    return MakeScriptList({"\u0434\u043E\u043C", "\u043B\u043E\u0434\u043A\u0430", "\u0434\u0435\u0440\u0435\u0432\u043E",
                           "\u043E\u0441\u0442\u0440\u043E\u0432", "\u043B\u0435\u0442\u043E", "\u0437\u0438\u043C\u0430",
                           "\u043A\u043D\u0438\u0433\u0430", "\u0440\u0443\u0447\u043A\u0430", "\u043E\u043A\u043D\u043E",
                           "\u0434\u0432\u0435\u0440\u044C"},
                          Letters(U'\u0430', 32));
}

// A screen full of text: lines long enough to fill 1920 pixels.
std::string WideText(int lines)
{
    std::string out;
    for (int i = 0; i < lines; ++i) {
        std::string line = "Line " + std::to_string(i) + ": ";
        while (line.size() < 220) line += "the quick brown fox jumps over the lazy dog; ";
        out += line.substr(0, 220) + "\r\n";
    }
    return out;
}

// The same screen in CJK ideographs, two cells each: the UTF-8 of 110 a line.
std::string WideCjkText(int lines)
{
    std::mt19937 rng(7);
    std::string out;
    for (int i = 0; i < lines; ++i) {
        for (int k = 0; k < 110; ++k) AppendUtf8(out, char32_t(0x4E00 + rng() % 0x800));
        out += "\r\n";
    }
    return out;
}

// The offscreen screens: the first at ratio 1, the second at ratio 2.
QScreen* ScreenAt(int ratio) { return QGuiApplication::screens().value(ratio == 2 ? 1 : 0); }

// Puts a top-level widget on the screen of the given ratio, at that screen's top-left corner.
void PlaceOn(QWidget* w, int ratio, int width, int height)
{
    w->winId();
    w->windowHandle()->setScreen(ScreenAt(ratio));
    w->setGeometry(QRect(ScreenAt(ratio)->geometry().topLeft(), QSize(width, height)));
}

struct EditorHost {
    explicit EditorHost(int ratio = 1)
    {
        Window = std::make_unique<QWidget>();
        Window->setWindowFlags(Qt::FramelessWindowHint);
        PlaceOn(Window.get(), ratio, ClientW + 80, ClientH + 80);
        Editor = new TTextEditorEx(Window.get());
        Window->show();
        WaitExposed(Window.get());
    }
    // Makes the client area exactly w x h pixels, whatever scroll bars show.
    void SizeClient(int w, int h)
    {
        Editor->setGeometry(0, 0, w + 4, h + 4);
        for (int i = 0; i < 3; ++i)
            Editor->resize(Editor->width() + w - Editor->ClientWidth(), Editor->height() + h - Editor->ClientHeight());
    }
    std::unique_ptr<QWidget> Window;
    TTextEditorEx* Editor;
};

struct PlainHost {
    explicit PlainHost(int ratio = 1)
    {
        Edit = std::make_unique<QPlainTextEdit>();
        Edit->setWindowFlags(Qt::FramelessWindowHint);
        QFont f("Courier New");
        f.setPixelSize(16);
        f.setStyleHint(QFont::TypeWriter);
        Edit->setFont(f);
        Edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        PlaceOn(Edit.get(), ratio, ClientW + 20, ClientH + 20);
        Edit->show();
        WaitExposed(Edit.get());
    }
    std::unique_ptr<QPlainTextEdit> Edit;
};

// ---- loading ----

void BM_ReadAndSplitOnly(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::string> lines = SplitLines(ReadWholeFile(gListPath));
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_ReadAndSplitOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EditorLoadFromFile(benchmark::State& state)
{
    EditorHost h;
    h.SizeClient(800, 600);
    for (auto _ : state) {
        h.Editor->Clear();
        h.Editor->LoadFromFile(gListPath);
        benchmark::DoNotOptimize(h.Editor->Lines().Count());
    }
    if (h.Editor->Lines().Count() != 1'000'000) state.SkipWithError("wrong line count");
}
BENCHMARK(BM_EditorLoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_QPlainTextEditLoad(benchmark::State& state)
{
    PlainHost h;
    h.Edit->resize(800, 600);
    for (auto _ : state) {
        h.Edit->clear();
        h.Edit->setPlainText(QStringFromWin1252(ReadWholeFile(gListPath)));
        h.Edit->viewport()->repaint();
    }
    if (h.Edit->blockCount() < 1'000'000) state.SkipWithError("wrong line count");
}
BENCHMARK(BM_QPlainTextEditLoad)->Unit(benchmark::kMillisecond)->Iterations(2);

// What the heap holds: the bytes handed out from its arenas and in blocks of their own.
size_t HeapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The time to load a list, and the heap the loaded text holds: what loading added to the heap
// over an editor cleared before it. The heap rather than the resident size, which keeps the
// pages an earlier load freed and so says little about the next.
void EditorLoad(benchmark::State& state, const std::string& path)
{
    EditorHost h;
    h.SizeClient(800, 600);
    size_t held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        h.Editor->Clear();
        const size_t before = HeapInUse();
        state.ResumeTiming();
        h.Editor->LoadFromFile(path);
        state.PauseTiming();
        held = HeapInUse() - before;
        state.ResumeTiming();
    }
    if (h.Editor->Lines().Count() != 1'000'000) state.SkipWithError("wrong line count");
    state.counters["held_MB"] = double(held) / 1e6;
    state.counters["file_MB"] = double(ReadWholeFile(path).size()) / 1e6;
}

void BM_EditorLoadLatinUtf8(benchmark::State& state) { EditorLoad(state, gLatinPath); }
BENCHMARK(BM_EditorLoadLatinUtf8)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EditorLoadRussianUtf8(benchmark::State& state) { EditorLoad(state, gRussianPath); }
BENCHMARK(BM_EditorLoadRussianUtf8)->Unit(benchmark::kMillisecond)->Iterations(5);

// ---- painting ----

// A repaint takes a few milliseconds and is compared with others of a few milliseconds: on a
// machine shared with other work, a burst of it slows one of them and not the next. Each is
// measured five times and also reported by its fastest, the time it takes undisturbed.
void Repaint(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    });
}

void EditorFullRepaint(benchmark::State& state, int ratio, bool cjk = false)
{
    EditorHost h(ratio);
    h.Editor->Lines().SetText(cjk ? WideCjkText(200) : WideText(200));
    h.SizeClient(ClientW, ClientH);
    h.Editor->Repaint();
    for (auto _ : state) h.Editor->Repaint();
    state.counters["cells"] = double(h.Editor->ClientWidth() / h.Editor->CharWidth() *
                                     (h.Editor->ClientHeight() / h.Editor->LineHeight()));
    state.counters["device_px"] = double(h.Editor->BackingImage().width()) * h.Editor->BackingImage().height();
}

void BM_EditorFullRepaint1920x1080(benchmark::State& state) { EditorFullRepaint(state, 1); }
BENCHMARK(BM_EditorFullRepaint1920x1080)->Apply(Repaint);

void BM_EditorFullRepaint1920x1080AtRatio2(benchmark::State& state) { EditorFullRepaint(state, 2); }
BENCHMARK(BM_EditorFullRepaint1920x1080AtRatio2)->Apply(Repaint);

void BM_EditorFullRepaint1920x1080Cjk(benchmark::State& state) { EditorFullRepaint(state, 1, true); }
BENCHMARK(BM_EditorFullRepaint1920x1080Cjk)->Apply(Repaint);

void PlainFullRepaint(benchmark::State& state, int ratio)
{
    PlainHost h(ratio);
    h.Edit->setPlainText(QStringFromWin1252(WideText(200)));
    h.Edit->viewport()->resize(ClientW, ClientH);
    h.Edit->viewport()->repaint();
    for (auto _ : state) h.Edit->viewport()->repaint();
    state.counters["ratio"] = h.Edit->viewport()->devicePixelRatioF();
}

void BM_QPlainTextEditFullRepaint1920x1080(benchmark::State& state) { PlainFullRepaint(state, 1); }
BENCHMARK(BM_QPlainTextEditFullRepaint1920x1080)->Apply(Repaint);

void BM_QPlainTextEditFullRepaint1920x1080AtRatio2(benchmark::State& state) { PlainFullRepaint(state, 2); }
BENCHMARK(BM_QPlainTextEditFullRepaint1920x1080AtRatio2)->Apply(Repaint);

// ---- scrolling ----

void EditorScroll(benchmark::State& state, int lines)
{
    EditorHost h;
    h.Editor->Lines().SetText(WideText(5000));
    h.SizeClient(ClientW, ClientH);
    h.Editor->Repaint();
    if (h.Editor->VisibilityProbe()) {
        state.SkipWithError("the editor is not fully visible: scrolling would repaint");
        return;
    }
    int dir = 1;
    for (auto _ : state) {
        h.Editor->ScrollBy(0, dir * lines);
        if (h.Editor->GetScrollPoint().Y >= 4000) dir = -1;
        if (h.Editor->GetScrollPoint().Y <= 0) dir = 1;
    }
    if (h.Editor->ViewState().NeedsFullRepaint) state.SkipWithError("scrolling repainted in full");
}

void BM_EditorScrollOneLine(benchmark::State& state) { EditorScroll(state, 1); }
BENCHMARK(BM_EditorScrollOneLine)->Unit(benchmark::kMicrosecond);

void BM_EditorScrollOnePage(benchmark::State& state) { EditorScroll(state, ClientH / 16); }
BENCHMARK(BM_EditorScrollOnePage)->Unit(benchmark::kMicrosecond);

// The parts of a one-line scroll: the probe and the pixel move.
void BM_EditorVisibilityProbe(benchmark::State& state)
{
    EditorHost h;
    h.SizeClient(ClientW, ClientH);
    for (auto _ : state) benchmark::DoNotOptimize(h.Editor->VisibilityProbe());
}
BENCHMARK(BM_EditorVisibilityProbe)->Unit(benchmark::kMicrosecond);

void BM_CanvasCopyRectOneLineUp(benchmark::State& state)
{
    QImage img(ClientW, ClientH, QImage::Format_RGB32);
    img.fill(Qt::white);
    TCanvas c(&img);
    for (auto _ : state) c.CopyRect({0, 0, ClientW, ClientH - 16}, c, {0, 16, ClientW, ClientH});
}
BENCHMARK(BM_CanvasCopyRectOneLineUp)->Unit(benchmark::kMicrosecond);

void BM_QPlainTextEditScrollOneLine(benchmark::State& state)
{
    PlainHost h;
    h.Edit->setPlainText(QStringFromWin1252(WideText(5000)));
    h.Edit->viewport()->resize(ClientW, ClientH);
    h.Edit->viewport()->repaint();
    QScrollBar* bar = h.Edit->verticalScrollBar();
    int dir = 1;
    for (auto _ : state) {
        bar->setValue(bar->value() + dir);
        // Qt moves the pixels and paints the uncovered band at the next screen update.
        QCoreApplication::processEvents();
        if (bar->value() >= 4000) dir = -1;
        if (bar->value() <= 0) dir = 1;
    }
}
BENCHMARK(BM_QPlainTextEditScrollOneLine)->Unit(benchmark::kMicrosecond);
// ---- long selections ----

// One whole-text selection jump on the list of a million lines: Shift+Ctrl+End and
// Shift+Ctrl+Home in turn, each a timed iteration. Only what is on screen needs drawing.
void BM_EditorSelectionJumpMillionLines(benchmark::State& state)
{
    EditorHost h;
    h.SizeClient(800, 600);
    h.Editor->LoadFromFile(gListPath);
    h.Editor->Repaint();
    bool toEnd = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, toEnd ? Qt::Key_End : Qt::Key_Home,
                        Qt::ShiftModifier | Qt::ControlModifier);
        QCoreApplication::sendEvent(h.Editor, &press);
        toEnd = !toEnd;
    }
    if (h.Editor->Lines().Count() != 1'000'000) state.SkipWithError("wrong line count");
}
BENCHMARK(BM_EditorSelectionJumpMillionLines)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_QPlainTextEditSelectionJumpMillionLines(benchmark::State& state)
{
    PlainHost h;
    h.Edit->resize(800, 600);
    h.Edit->setPlainText(QStringFromWin1252(ReadWholeFile(gListPath)));
    h.Edit->viewport()->repaint();
    bool toEnd = true;
    for (auto _ : state) {
        h.Edit->moveCursor(toEnd ? QTextCursor::End : QTextCursor::Start, QTextCursor::KeepAnchor);
        h.Edit->viewport()->repaint();
        toEnd = !toEnd;
    }
}
BENCHMARK(BM_QPlainTextEditSelectionJumpMillionLines)->Unit(benchmark::kMillisecond)->Iterations(20);
} // namespace

int main(int argc, char** argv)
{
    // Screens large enough to show the whole 1920 x 1080 client area, at ratio 1 and 2 (the
    // second is given in device pixels).
    const std::string screens = "/tmp/lexidrill-bench-screens.json";
    {
        std::ofstream f(screens);
        f << R"({"screens":[{"name":"bench","x":0,"y":0,"width":2560,"height":1600,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1},)"
          R"({"name":"bench2","x":2560,"y":0,"width":5120,"height":3200,"logicalDpi":96,"logicalBaseDpi":96,"dpr":2}]})";
    }
    const std::string platform = "offscreen:configfile=" + screens;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    setenv("LEXIDRILL_SILENT", "1", 0);
    TProgramServices services;
    TApplication app(argc, argv, services);
    InstallProgramFonts();

    // A name of this run's own: two runs at once must not remove each other's list.
    gListPath = "/tmp/lexidrill-bench-list-" + std::to_string(getpid()) + ".txt";
    {
        const std::string text = MakeList();
        WriteFileAtomic(gListPath, text);
        std::printf("list: %d lines, %zu bytes\n", 1'000'000, text.size());
    }
    gLatinPath = "/tmp/lexidrill-bench-latin-" + std::to_string(getpid()) + ".txt";
    gRussianPath = "/tmp/lexidrill-bench-russian-" + std::to_string(getpid()) + ".txt";
    WriteFileAtomic(gLatinPath, MakeLatinList());
    WriteFileAtomic(gRussianPath, MakeRussianList());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const std::string* path : {&gListPath, &gLatinPath, &gRussianPath}) std::remove(path->c_str());
    return 0;
}
