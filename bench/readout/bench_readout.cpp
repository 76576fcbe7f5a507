// The read-out's cost: sampling the square around the pointer at radius 0 and 5 on a 3840x2160
// picture, beside a raw scan-line sum of the same pixels; and a whole pointer move, from the
// event to the box's new text.

#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "input/cms/PreciseColor.h"
#include "names/ColorNames.h"
#include "readout/Details.h"
#include "readout/Sampling.h"
#include "support/BenchMain.h"

#include <QAction>
#include <QColorSpace>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>

namespace {
QImage bigPicture() {
    QImage image(3840, 2160, QImage::Format_RGB32);
    QRandomGenerator rng(42);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = rng.generate() | 0xFF000000u;
        }
    }
    return image;
}

// Positions spread over the picture, so caches see a realistic mix.
std::vector<QPoint> positions() {
    std::vector<QPoint> points;
    QRandomGenerator rng(7);
    for (int i = 0; i < 4096; ++i) {
        points.emplace_back(5 + rng.bounded(3830), 5 + rng.bounded(2150));
    }
    return points;
}

void sampleSquare(benchmark::State& state) {
    const int radius = static_cast<int>(state.range(0));
    PictureBox box;
    box.setScaleMode(PictureBox::kScalePixels);
    box.resize(3840, 2160);
    box.setPicture(bigPicture());
    const auto points = positions();
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i++ & 4095];
        const float x = static_cast<float>(p.x());
        const float y = static_cast<float>(p.y());
        const ColorValue c = ReadoutColor(box, x, y, radius);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(sampleSquare)->Arg(0)->Arg(5);

// The floor: the same pixels summed per channel straight from the scan lines.
void rawScanLineSum(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const QImage image = bigPicture();
    const auto points = positions();
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i++ & 4095];
        std::int64_t r = 0, g = 0, b = 0;
        for (int y = p.y() - n; y <= p.y() + n; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = p.x() - n; x <= p.x() + n; ++x) {
                r += qRed(line[x]);
                g += qGreen(line[x]);
                b += qBlue(line[x]);
            }
        }
        benchmark::DoNotOptimize(r + g + b);
    }
}
BENCHMARK(rawScanLineSum)->Arg(0)->Arg(5);

// Pointer moves over the window's picture at positions spread over it, each sent as the event
// the desktop sends, until shown (a line's or a label's text) has its new text.
template <typename Shown>
void movePointer(benchmark::State& state, frmHuemark& form, const Shown& shown) {
    const auto points = positions();
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i++ & 4095];
        const QPointF local(p.x() % 1100, p.y() % 550);
        QMouseEvent move(QEvent::MouseMove, local, form.picColor->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.picColor, &move);
        benchmark::DoNotOptimize(shown.text().size());
    }
}

// A pointer move over the picture in the real window, until the box shows the new code.
void pointerMoveToText(benchmark::State& state) {
    frmHuemark form;
    form.Form_Load();
    form.resize(1200, 700);
    form.picColor->resize(1180, 600);
    form.picColor->setPicture(bigPicture());
    form.hscNeighbors->setValue(static_cast<int>(state.range(0)));
    form.show();
    movePointer(state, form, *form.txtCursor);
}
BENCHMARK(pointerMoveToText)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

// The same move with View, Details on, over a 16-bit Display P3 picture opened as a dropped file,
// until the details line shows the stored value, the exact value and its clipping. Goal: the
// details line's part (this less pointerMoveToText) at most 10 µs.
void pointerMoveToDetails(benchmark::State& state) {
    QTemporaryDir dir;
    QImage deep = bigPicture().convertToFormat(QImage::Format_RGBX64);
    deep.setColorSpace(QColorSpace::DisplayP3);
    const QString path = dir.filePath(QStringLiteral("deep.png"));
    if (!deep.save(path, "PNG", 0)) {
        state.SkipWithError("cannot write the 16-bit PNG");
        return;
    }
    frmHuemark form;
    form.Form_Load();
    form.resize(1200, 700);
    form.mnuViewDetails->setChecked(true);
    form.mnuViewDetails_Click();
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path)});
    form.DropFile(&dropped);
    form.picColor->resize(1180, 600);
    form.hscNeighbors->setValue(static_cast<int>(state.range(0)));
    form.show();
    movePointer(state, form, *form.lblDetails);
    if (!form.lblDetails->text().contains(QLatin1String("rgb16("))) {
        state.SkipWithError("the details line shows no 16-bit value");
    }
}
BENCHMARK(pointerMoveToDetails)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

// The details line's text alone, without the window: the stored square, the exact value through
// the Display P3 profile, the name, the text.
void detailsText(benchmark::State& state) {
    const int radius = static_cast<int>(state.range(0));
    QImage deep = bigPicture().convertToFormat(QImage::Format_RGBX64);
    QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    ColorProfile profile;
    profile.icc = icc;
    const StoredValues values(deep, 16);
    const QString space = CssSpaceOf(profile);
    const auto points = positions();
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i++ & 4095];
        PointDetails d;
        d.position = p;
        d.stored = values.at(p, radius);
        d.stored->space = space;
        d.precise = PreciseSrgb(profile, d.stored->fractions());
        d.profile = QStringLiteral("Display P3");
        d.shown = Color(qRed(p.x()), 0, 0);
        d.shownName = NameText(NearestCssName(d.shown));
        benchmark::DoNotOptimize(DetailsText(d).size());
    }
}
BENCHMARK(detailsText)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);
} // namespace

HUEMARK_BENCH_MAIN()
