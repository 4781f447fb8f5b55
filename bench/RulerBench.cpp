// The ruler's two pictures beside an editor 1080 pixels high: the full one (a line per pixel
// column and a number per row) and the quick one drawn while the editor scrolls (one fill,
// two numbers), against a line-number gutter drawn the usual Qt way (a QLinearGradient fill
// and drawText per row) on an image of the same size.
#include "editor/ruler/Ruler.h"
#include "editor/TextEditorEx.h"
#include "app/Program.h"
#include "platform/Application.h"

#include <QLinearGradient>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {
struct Setup {
    QWidget Host;
    TTextEditorEx* Editor = new TTextEditorEx(&Host);
    TRuler* Ruler = new TRuler(&Host);
    Setup()
    {
        Host.resize(1000, 1100);
        Editor->setGeometry(33, 0, 900, 1080);
        Ruler->SetTextEditorEx(Editor);
        Editor->SetRuler(Ruler);
        std::string text;
        for (int i = 0; i < 2000; ++i) text += "item " + std::to_string(i) + "\r\n";
        Editor->InsertText(text);
        Editor->SetCaretPoint({0, 0});
        Editor->ScrollSettled();
    }
};
Setup* gSetup = nullptr;

void BM_RulerFullPicture(benchmark::State& state)
{
    gSetup->Editor->ScrollSettled();
    for (auto _ : state) gSetup->Ruler->Repaint();
    state.counters["rows"] = double(gSetup->Ruler->height() / gSetup->Editor->LineHeight());
}
BENCHMARK(BM_RulerFullPicture);

void BM_RulerQuickPicture(benchmark::State& state)
{
    // A step the editor has not seen yet, so it scrolls however often this runs.
    gSetup->Editor->SetScrollY(gSetup->Editor->GetScrollPoint().Y == 100 ? 101 : 100);
    if (!gSetup->Editor->IsScrolling()) state.SkipWithError("the editor is not scrolling");
    for (auto _ : state) {
        benchmark::DoNotOptimize(gSetup->Editor->IsScrolling());
        gSetup->Ruler->Repaint();
    }
    gSetup->Editor->ScrollSettled();
}
BENCHMARK(BM_RulerQuickPicture);

void BM_QtGutterReference(benchmark::State& state)
{
    QImage img(33, 1080, QImage::Format_RGB32);
    QFont f("Arial Narrow");
    f.setPixelSize(13);
    f.setBold(true);
    const int lh = gSetup->Editor->LineHeight();
    for (auto _ : state) {
        QPainter p(&img);
        QLinearGradient g(0, 0, 33, 0);
        g.setColorAt(0, QColor(160, 160, 160));
        g.setColorAt(1, QColor(240, 240, 240));
        p.fillRect(img.rect(), g);
        p.setFont(f);
        const QFontMetrics fm(f);
        for (int i = 1; i <= 1080 / lh; ++i) {
            const QString s = QString::number(i);
            p.drawText(33 - fm.horizontalAdvance(s) - 8, (i - 1) * lh + fm.ascent(), s);
        }
    }
}
BENCHMARK(BM_QtGutterReference);
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
