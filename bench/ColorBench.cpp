// The colour dialog's brightness field (488 x 201): a full render shown on screen, as every
// step of a drag along the hue strip asks for, beside a plain QImage::setPixel loop over the
// same field, once with the colours already computed and once rounding every pixel.
#include "colordlg/ColorBrightness.h"
#include "colordlg/ColorModel.h"
#include "app/Program.h"
#include "platform/Application.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
constexpr int W = 488, H = 201;

// Hues a drag along the strip passes through.
std::vector<TColor> Hues()
{
    std::vector<TColor> out;
    for (const THueStep& s : HueWalk(W)) out.push_back(s.Color);
    return out;
}

void BM_FieldRenderAndShow(benchmark::State& state)
{
    QWidget host;
    host.resize(520, 300);
    auto* field = new TColorBrightness(&host);
    field->setGeometry(8, 80, W, H);
    field->SetMapDimension(md2D);
    host.show();
    const std::vector<TColor> hues = Hues();
    size_t i = 0;
    for (auto _ : state) {
        field->SetOriginalColor(hues[i++ % hues.size()]);
        field->repaint(); // to the window's backing store, now
    }
}
BENCHMARK(BM_FieldRenderAndShow)->Unit(benchmark::kMillisecond);

void BM_FieldColoursOnly(benchmark::State& state)
{
    const std::vector<TColor> hues = Hues();
    QImage image(W, H, QImage::Format_RGB32);
    size_t i = 0;
    for (auto _ : state) {
        BrightnessFieldRGB32(hues[i++ % hues.size()], W, H, reinterpret_cast<uint32_t*>(image.bits()),
                             image.bytesPerLine() / 4);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FieldColoursOnly)->Unit(benchmark::kMillisecond);

// Reference: the field's colours computed beforehand, written one QImage::setPixel at a time.
void BM_ReferenceSetPixelLoop(benchmark::State& state)
{
    const std::vector<TColor> field = BrightnessField(RGB(255, 0, 0), W, H);
    QImage image(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const TColor c = field[size_t(y * W + x)];
                image.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReferenceSetPixelLoop)->Unit(benchmark::kMillisecond);

// Reference: every pixel rounded on its own (three roundings a pixel) and set with setPixel.
void BM_ReferencePerPixelRounding(benchmark::State& state)
{
    const std::vector<TColor> top = BrightnessFieldTop(RGB(255, 0, 0), W);
    QImage image(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const TColor t = top[size_t(x)];
                auto fade = [&](int c) { return RoundHalfEven(c + (127.0L - c) / H * y); };
                image.setPixel(x, y, qRgb(fade(GetRValue(t)), fade(GetGValue(t)), fade(GetBValue(t))));
            }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReferencePerPixelRounding)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TProgramServices services;
    TApplication app(argc, argv, services);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
