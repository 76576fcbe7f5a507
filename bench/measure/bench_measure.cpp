// An area's figures and its dominant colours, measured in memory: a 1000 × 1000 area in the
// middle of the loading benchmarks' 6000 × 4000 photo-like picture, and the whole picture.

#include "loading/PhotoPicture.h"
#include "measure/AreaStats.h"
#include "measure/DominantColors.h"
#include "support/BenchMain.h"

#include <QImage>
#include <QRect>
#include <benchmark/benchmark.h>

namespace {

const QImage& Picture() {
    static const QImage picture = PhotoPicture(64);
    return picture;
}

const QRect kMiddleArea(2500, 1500, 1000, 1000);

void MeasureMiddleArea(benchmark::State& state) {
    const QImage& picture = Picture();
    for (auto _ : state) {
        const AreaFigures figures = MeasureArea(picture, kMiddleArea);
        benchmark::DoNotOptimize(figures.spread);
    }
}

void MeasureWholePicture(benchmark::State& state) {
    const QImage& picture = Picture();
    for (auto _ : state) {
        const AreaFigures figures = MeasureArea(picture, picture.rect());
        benchmark::DoNotOptimize(figures.spread);
    }
}

void DominantColorsOfMiddleArea(benchmark::State& state) {
    const QImage& picture = Picture();
    for (auto _ : state) {
        const QList<ColorShare> colors = DominantColors(picture, kMiddleArea, 6);
        benchmark::DoNotOptimize(colors.constData());
    }
}

void DominantColorsOfWholePicture(benchmark::State& state) {
    const QImage& picture = Picture();
    for (auto _ : state) {
        const QList<ColorShare> colors = DominantColors(picture, picture.rect(), 6);
        benchmark::DoNotOptimize(colors.constData());
    }
}

} // namespace

BENCHMARK(MeasureMiddleArea)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MeasureWholePicture)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DominantColorsOfMiddleArea)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DominantColorsOfWholePicture)->Unit(benchmark::kMillisecond)->UseRealTime();

HUEMARK_BENCH_MAIN()
