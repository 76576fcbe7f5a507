// Opening SVG drawings: a 1000 × 1000 illustration of 400 shapes, as it is and with one picture
// of its own (which sends it through the taking-out of outside references), each beside Qt's own
// SVG reader drawing the same text at the same size (what opening one cost before the work
// budget); and a drawing at the size limit whose work is beyond the budget, which must be
// refused within 2 s.

#include "input/LoadPicture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <benchmark/benchmark.h>

namespace {

QByteArray g_plain;
QByteArray g_withPicture;
QByteArray g_beyondBudget;

QByteArray Drawing(bool withPicture) {
    QByteArray svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"1000\" height=\"1000\">\n"
        "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"#123456\"/>"
        "<stop offset=\"1\" stop-color=\"#fedcba\"/></linearGradient></defs>\n"
        "<rect width=\"1000\" height=\"1000\" fill=\"url(#g)\"/>\n";
    for (int i = 0; i < 400; ++i) {
        const int x = i * 37 % 900;
        const int y = i * 53 % 900;
        svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#%4\" "
                              "stroke=\"#000\" stroke-width=\"2\" opacity=\"0.8\"/>\n")
                   .arg(x + 50)
                   .arg(y + 50)
                   .arg(10 + i % 40)
                   .arg(i * 2521 % 0xffffff, 6, 16, QChar(u'0'))
                   .toUtf8();
    }
    if (withPicture) {
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        picture.save(&png, "png");
        svg += "<image x=\"10\" y=\"10\" width=\"64\" height=\"64\" xlink:href=\"data:image/png;"
               "base64," +
               png.data().toBase64() + "\"/>\n";
    }
    return svg + "</svg>\n";
}

// Rectangles over the whole of a drawing stated far beyond the pixel limit, up to the most bytes
// a drawing may have.
QByteArray BeyondBudget() {
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"100000\" "
                     "viewBox=\"0 0 100 100\">\n";
    const QByteArray rect = "<rect width=\"100\" height=\"100\" fill=\"#123456\"/>\n";
    while (svg.size() + rect.size() + 7 < (qint64(16) << 20)) {
        svg += rect;
    }
    return svg + "</svg>\n";
}

void Load(benchmark::State& state, const QByteArray* svg) {
    for (auto _ : state) {
        try {
            const QImage image = LoadPictureFromData(*svg).picture;
            benchmark::DoNotOptimize(image.constBits());
        } catch (...) {
            if (svg != &g_beyondBudget) {
                state.SkipWithError("the drawing was refused");
                return;
            }
        }
    }
}

void QtReader(benchmark::State& state, const QByteArray* svg) {
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(*svg);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(QSize(1000, 1000));
        const QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(Load, Plain, &g_plain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(QtReader, Plain, &g_plain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Load, WithPicture, &g_withPicture)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(QtReader, WithPicture, &g_withPicture)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Load, RefusedBeyondBudget, &g_beyondBudget)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    g_plain = Drawing(false);
    g_withPicture = Drawing(true);
    g_beyondBudget = BeyondBudget();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
