// Reading one 11 × 11 area of a 6000 × 4000 baseline JPEG (quality 90, made at start-up in a
// temporary folder: the loading benchmarks' photo-like picture): the area decoded alone at the
// top, in the middle and at the bottom, beside the whole picture decoded by LoadPicture; then the
// ratio for the middle one (the best of five runs each).

#include "input/LoadPicture.h"
#include "input/PictureRegion.h"
#include "loading/PhotoPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

QByteArray g_jpeg;
const QList<QRect> kMiddle{QRect(2995, 1995, 11, 11)};

bool MakeJpeg(const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    if (!writer.write(PhotoPicture(32))) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    g_jpeg = file.readAll();
    return !g_jpeg.isEmpty();
}

// The best of a few runs, in seconds.
template <typename Decode> double BestSeconds(Decode decode) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        decode();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// The area's top row is the argument: the rows above it are skipped, those below never read.
void AreaAlone(benchmark::State& state) {
    const QList<QRect> area{QRect(2995, int(state.range(0)), 11, 11)};
    if (!DecodePictureRegions(g_jpeg, area)) {
        state.SkipWithError("the JPEG fell back to the whole decode");
        return;
    }
    for (auto _ : state) {
        const std::optional<PictureRegions> regions = DecodePictureRegions(g_jpeg, area);
        benchmark::DoNotOptimize(regions->parts.front().constBits());
    }
}

void WholePicture(benchmark::State& state) {
    for (auto _ : state) {
        const QImage image = LoadPictureFromData(g_jpeg).picture;
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(AreaAlone)->Arg(0)->Arg(1995)->Arg(3989)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WholePicture)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !MakeJpeg(dir.filePath(QStringLiteral("photo-6000x4000.jpg")))) {
        std::fprintf(stderr, "cannot write the test JPEG\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double area = BestSeconds([] {
        const std::optional<PictureRegions> regions = DecodePictureRegions(g_jpeg, kMiddle);
        benchmark::DoNotOptimize(regions.has_value());
    });
    const double whole = BestSeconds([] {
        const QImage image = LoadPictureFromData(g_jpeg).picture;
        benchmark::DoNotOptimize(image.constBits());
    });
    std::printf("area alone %.2f ms, whole picture %.2f ms: %.1f times as fast\n", area * 1e3,
                whole * 1e3, whole / area);
    return 0;
}
