// Opening a 6000×4000 JPEG through LoadPicture, beside Qt's bare reader and libjpeg-turbo's djpeg
// (package libjpeg-turbo-progs) decoding the same file. Goal: LoadPicture within 1.5× djpeg.
// The JPEG is made at start-up in a temporary folder: a photo-like mix of gradients and noise.

#include "input/LoadPicture.h"
#include "loading/PhotoPicture.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString g_jpeg;

bool MakeJpeg(const QString& path) {
    const QImage image = PhotoPicture(32);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    return writer.write(image);
}

void LoadPictureJpeg(benchmark::State& state) {
    for (auto _ : state) {
        const QImage image = LoadPicture(g_jpeg).picture;
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Qt's reader with nothing around it: what LoadPicture adds is the difference.
void QtReaderJpeg(benchmark::State& state) {
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        QImageReader reader(g_jpeg);
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The same, decoding into a picture that is already allocated and touched (Qt reuses it when
// size and format match): the difference to QtReaderJpeg is the cost of fresh memory, 94 MiB of
// page faults that djpeg, writing one row at a time, never pays.
void QtReaderJpegWarmBuffer(benchmark::State& state) {
    QImageReader::setAllocationLimit(1024);
    QImage image = QImageReader(g_jpeg).read();
    for (auto _ : state) {
        QImageReader reader(g_jpeg);
        reader.read(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// djpeg decodes to PPM into /dev/null; the time includes starting the process (about 1 ms).
void DjpegJpeg(benchmark::State& state) {
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg not found (package libjpeg-turbo-progs)");
        return;
    }
    for (auto _ : state) {
        QProcess process;
        process.start(djpeg, {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), g_jpeg});
        if (!process.waitForFinished(-1) || process.exitCode() != 0) {
            state.SkipWithError("djpeg failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(LoadPictureJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(QtReaderJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(QtReaderJpegWarmBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DjpegJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    g_jpeg = dir.filePath(QStringLiteral("photo-6000x4000.jpg"));
    if (!dir.isValid() || !MakeJpeg(g_jpeg)) {
        std::fprintf(stderr, "cannot write the test JPEG\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
