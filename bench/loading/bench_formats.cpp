// Opening 6000×4000 PNG, WebP and HEIC pictures through LoadPicture, each beside its format's own
// reference decoder run on the same file: pngtopam (netpbm, over libpng), dwebp (webp) and
// heif-convert to raw Y4M (libheif-examples). Goal: LoadPicture within 1.2× the reference. And
// the colour profile's conversion to sRGB of the same 24-megapixel picture (Display P3, the
// transform cached after the first picture), against its PNG decode: goal at most 15 %.
// And the first looks' cost: exec to the last pixel final with a first look (a window's view of
// 1280 x 800) beside the whole decode without one, for each kind that has one: goal at most 1.1x.
// The pictures are made at start-up in a temporary folder, a photo-like mix of gradients and
// noise (the HEIC with heif-enc, which takes a while).

#include "input/LoadPicture.h"
#include "input/cms/Lcms.h"
#include "input/cms/MatrixShaper.h"
#include "input/cms/SrgbConversion.h"
#include "loading/PhotoPicture.h"
#include "pixels/PendingPixels.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString g_png;
QString g_png16; // the same picture at 16 bits a channel
QString g_webp;
QString g_heic;
QString g_raw; // where heif-convert writes
QString g_jpeg;
QString g_progressive;

bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void Load(benchmark::State& state, const QString* path) {
    if (path->isEmpty()) {
        state.SkipWithError("no picture (see the messages above)");
        return;
    }
    for (auto _ : state) {
        const QImage image = LoadPicture(*path).picture;
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Opened as the window opens it, with a first look, until its last pixel is final.
void LastPixel(benchmark::State& state, const QString* path) {
    if (path->isEmpty()) {
        state.SkipWithError("no picture (see the messages above)");
        return;
    }
    LoadOptions view;
    view.firstLook.area = QSize(1280, 800);
    for (auto _ : state) {
        const LoadedPicture loaded = LoadPicture(*path, PictureSource::File, view);
        if (loaded.arriving) {
            loaded.arriving->waitFor(loaded.picture.rect());
        }
        benchmark::DoNotOptimize(loaded.picture.constBits());
    }
}

// A 16-bit picture opened as the window opens it: its stored values kept beside the 8-bit
// picture.
void LoadKeeping(benchmark::State& state, const QString* path) {
    LoadOptions keep;
    keep.keepStoredValues = true;
    for (auto _ : state) {
        const LoadedPicture loaded = LoadPicture(*path, PictureSource::File, keep);
        benchmark::DoNotOptimize(loaded.picture.constBits());
        benchmark::DoNotOptimize(loaded.fine.image().constBits());
    }
}

// The reference decoders write what they decode to /dev/null (heif-convert to a Y4M file, its
// rawest output); the times include starting the process (about 1 ms).
void Reference(benchmark::State& state, const char* tool, const QString* path) {
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (program.isEmpty() || path->isEmpty()) {
        state.SkipWithError("reference decoder or picture missing (see scripts/bootstrap.sh)");
        return;
    }
    QStringList arguments;
    if (QLatin1String(tool) == QLatin1String("pngtopam")) {
        arguments = {*path};
    } else if (QLatin1String(tool) == QLatin1String("dwebp")) {
        arguments = {*path, QStringLiteral("-ppm"), QStringLiteral("-o"),
                     QStringLiteral("/dev/null")};
    } else {
        arguments = {*path, g_raw};
    }
    for (auto _ : state) {
        if (!Run(program, arguments)) {
            state.SkipWithError("the reference decoder failed");
            return;
        }
    }
}

// The conversion alone, of the decoded PNG read as Display P3.
void ConvertToSrgb(benchmark::State& state) {
    const ColorProfile profile =
        LoadPicture(QStringLiteral(HUEMARK_SOURCE_DIR "/tests/data/modern/png-p3.png")).profile;
    const QImage stored = LoadPicture(g_png).picture;
    for (auto _ : state) {
        const ShownColors shown = ColorsAsShown(stored, profile);
        benchmark::DoNotOptimize(shown.picture.image.constBits());
    }
}

// One kernel of the quick conversion on its own, on one thread, over the same picture's rows: the
// figures show each kernel's share of ConvertToSrgb on processors that lack the wider ones. (Run
// ConvertToSrgb with HUEMARK_KERNEL=avx2 to have the program itself go no wider than AVX2.)
void ConvertRows(benchmark::State& state, MatrixShaper::Kernel kernel) {
    if (!MatrixShaper::Runs(kernel)) {
        state.SkipWithError("the processor does not run this kernel");
        return;
    }
    const Lcms& lcms = Lcms::get();
    const ColorProfile profile =
        LoadPicture(QStringLiteral(HUEMARK_SOURCE_DIR "/tests/data/modern/png-p3.png")).profile;
    cmsHPROFILE input = OpenProfile(lcms, profile);
    cmsHPROFILE srgb = lcms.cmsCreate_sRGBProfile();
    cmsHTRANSFORM exact =
        lcms.cmsCreateTransform(input, TYPE_BGRA_8, srgb, TYPE_BGRA_8, INTENT_RELATIVE_COLORIMETRIC,
                                cmsFLAGS_NOCACHE | cmsFLAGS_COPY_ALPHA);
    const std::optional<MatrixShaper> shaper = MatrixShaper::Read(lcms, input, srgb, exact);
    lcms.cmsDeleteTransform(exact);
    lcms.cmsCloseProfile(srgb);
    lcms.cmsCloseProfile(input);
    if (!shaper) {
        state.SkipWithError("no quick form for Display P3");
        return;
    }
    const QImage stored = LoadPicture(g_png).picture;
    QImage shown(stored.size(), QImage::Format_RGB32);
    shown.fill(0); // its pages mapped before the timing starts
    for (auto _ : state) {
        for (int y = 0; y < stored.height(); ++y) {
            shaper->convertRow(reinterpret_cast<const QRgb*>(stored.constScanLine(y)),
                               reinterpret_cast<QRgb*>(shown.scanLine(y)), stored.width(), kernel);
        }
        benchmark::DoNotOptimize(shown.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(Load, Png, &g_png)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LastPixel, Png, &g_png)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Load, Jpeg, &g_jpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LastPixel, Jpeg, &g_jpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Load, JpegProgressive, &g_progressive)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LastPixel, JpegProgressive, &g_progressive)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Reference, Pngtopam, "pngtopam", &g_png)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// 16 bits: goal LoadKeeping/Png16 ≤ 1.2 × (Load/Png + Pngtopam16 − Pngtopam).
BENCHMARK_CAPTURE(LoadKeeping, Png16, &g_png16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Reference, Pngtopam16, "pngtopam", &g_png16)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Load, Webp, &g_webp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LastPixel, Webp, &g_webp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Reference, Dwebp, "dwebp", &g_webp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Load, Heic, &g_heic)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LastPixel, Heic, &g_heic)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Reference, HeifConvert, "heif-convert", &g_heic)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ConvertToSrgb)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ConvertRows, Portable, MatrixShaper::Kernel::Portable)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertRows, Avx2, MatrixShaper::Kernel::Avx2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertRows, Avx512, MatrixShaper::Kernel::Avx512)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return 1;
    }
    g_png = dir.filePath(QStringLiteral("photo.png"));
    g_raw = dir.filePath(QStringLiteral("raw.y4m"));
    const QImage photo = PhotoPicture(16);
    QImageWriter png(g_png, "png");
    png.setCompression(6);
    if (!png.write(photo)) {
        std::fprintf(stderr, "cannot write the PNG\n");
        return 1;
    }
    for (const bool progressive : {false, true}) {
        QString& path = progressive ? g_progressive : g_jpeg;
        path = dir.filePath(progressive ? QStringLiteral("progressive.jpg")
                                        : QStringLiteral("photo.jpg"));
        QImageWriter jpeg(path, "jpeg");
        jpeg.setQuality(90);
        jpeg.setProgressiveScanWrite(progressive);
        if (!jpeg.write(photo)) {
            std::fprintf(stderr, "cannot write the JPEG\n");
            path.clear();
        }
    }
    // The 16-bit picture: each 8-bit value widened, and the low byte given noise of its own.
    g_png16 = dir.filePath(QStringLiteral("photo16.png"));
    QImage deep = photo.convertToFormat(QImage::Format_RGBX64);
    quint32 noise = 99;
    for (int y = 0; y < deep.height(); ++y) {
        auto* line = reinterpret_cast<quint16*>(deep.scanLine(y));
        for (int x = 0; x < deep.width() * 4; ++x) {
            noise = noise * 1664525u + 1013904223u;
            if (x % 4 != 3) { // alpha stays full
                line[x] = quint16((line[x] & 0xFF00) | (noise >> 24));
            }
        }
    }
    QImageWriter png16(g_png16, "png");
    png16.setCompression(6);
    if (!png16.write(deep)) {
        std::fprintf(stderr, "cannot write the 16-bit PNG\n");
        return 1;
    }
    const QString webp = dir.filePath(QStringLiteral("photo.webp"));
    if (Run(QStandardPaths::findExecutable(QStringLiteral("cwebp")),
            {QStringLiteral("-quiet"), QStringLiteral("-q"), QStringLiteral("90"), g_png,
             QStringLiteral("-o"), webp})) {
        g_webp = webp;
    } else {
        std::fprintf(stderr, "cwebp failed: no WebP figures\n");
    }
    const QString heic = dir.filePath(QStringLiteral("photo.heic"));
    if (Run(QStandardPaths::findExecutable(QStringLiteral("heif-enc")),
            {QStringLiteral("-q"), QStringLiteral("80"), QStringLiteral("-t"),
             QStringLiteral("320"), QStringLiteral("-o"), heic, g_png})) {
        g_heic = heic;
    } else {
        std::fprintf(stderr, "heif-enc failed: no HEIC figures\n");
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
