// SimulateRows over the visible part of a large photo-like picture: a 1920 × 1080 and a
// 3840 × 2160 piece of the loading benchmarks' picture (gradients and noise over 16 levels), one
// frame an iteration, each vision; the rows are converted into a second picture, as drawing does.
// Figures per frame, and the time a pixel as the "per_pixel" counter.

#include "loading/PhotoPicture.h"
#include "pixels/ColorVision.h"

#include <benchmark/benchmark.h>

namespace {

const QImage& Photo() {
    static const QImage photo = PhotoPicture(16);
    return photo;
}

void Frame(benchmark::State& state) {
    const auto vision = static_cast<ColorVision>(state.range(0));
    const int width = int(state.range(1));
    const int height = width * 9 / 16;
    const QImage source = Photo().copy(1000, 700, width, height);
    QImage target(width, height, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int y = 0; y < height; ++y) {
            SimulateRows(vision, reinterpret_cast<const QRgb*>(source.constScanLine(y)),
                         reinterpret_cast<QRgb*>(target.scanLine(y)), width);
        }
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    const double pixels = double(width) * height;
    state.counters["per_pixel"] = benchmark::Counter(
        pixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(ColorVisionKey(vision).toStdString());
}

} // namespace

BENCHMARK(Frame)
    ->ArgsProduct({{int(ColorVision::Normal), int(ColorVision::Protanopia),
                    int(ColorVision::Deuteranopia), int(ColorVision::Tritanopia),
                    int(ColorVision::Achromatopsia)},
                   {1920, 3840}}) // widths; 16:9 frames
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
