// The screen pick's pointer move: the loupe drawn at its new place and the frozen screen
// repainted where it stood, at each magnification, on a 1920 x 1080 and a 3840 x 2160 monitor
// (the offscreen platform: the painting without the display's copy). The goal: at most 4 ms.

#include "screenpick/PickSession.h"
#include "support/BenchMain.h"

#include "desktop/Services.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {
class StillPointer : public PointerService {
public:
    QPoint pos() const override { return {100, 100}; }
    bool setPos(QPoint) override { return false; }
};

// A screen of unique colours.
QImage Screen(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = qRgb(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8));
        }
    }
    return image;
}

void PointerMove(benchmark::State& state) {
    const QSize size = state.range(0) == 4 ? QSize(3840, 2160) : QSize(1920, 1080);
    StillPointer pointer;
    PickSession session(
        ShownPicture::OfImage(Screen(size)),
        {{QStringLiteral("screen"), QRect(QPoint(), size), 1, QRect(QPoint(), size), 1}}, pointer,
        View::CaptureLayout::DevicePixels, ScreenPickOptions{2, {}, {}, {}, {}});
    session.show();
    // From the loupe's first magnification (2x) to the one asked for.
    session.zoom(-10);
    session.zoom(int(state.range(1)));
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // Across the screen and back, a few pixels a move, as a hand moves.
        step = (step + 1) % 200;
        const double x = 300 + 5.0 * (step < 100 ? step : 200 - step);
        session.pointerAt(0, QPointF(x, 400 + step % 7));
        QApplication::processEvents();
    }
    state.SetLabel(QStringLiteral("%1x%2, level %3")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(state.range(1))
                       .toStdString());
}
BENCHMARK(PointerMove)
    ->ArgsProduct({{2, 4}, {0, 4, 8}})
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5);
} // namespace

HUEMARK_BENCH_MAIN()
