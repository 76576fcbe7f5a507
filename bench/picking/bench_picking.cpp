// A pick into a list that already holds 10 000 rows, scrolling and painting such a list, and the
// first picks on a 16000 × 16000 picture (time, and the memory they add to the picture's).

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "pixels/PixelBuffer.h"
#include "support/BenchMain.h"

#include <QCheckBox>
#include <QScrollBar>
#include <fstream>
#include <unistd.h>

namespace {
constexpr int kRows = 10000;

void fillList(frmHuemark& form) {
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(QColor(200, 100, 50));
    form.picColor->setPicture(picture);
    for (int i = 0; i < kRows; ++i) {
        form.AddToGrid(static_cast<float>(i % 300), static_cast<float>(i % 150));
    }
}

void pickWithFullList(benchmark::State& state) {
    frmHuemark form;
    form.Form_Load();
    form.chkTags->setChecked(state.range(0) != 0);
    form.show();
    fillList(form);
    const float x = 20, y = 30;
    for (auto _ : state) {
        form.AddToGrid(x, y);
        state.PauseTiming();
        form.grdList->RemoveItem(1); // keep the list at its size
        state.ResumeTiming();
    }
}
BENCHMARK(pickWithFullList)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One scroll step and the repaint of the visible rows.
void scrollAndPaint(benchmark::State& state) {
    frmHuemark form;
    form.Form_Load();
    form.resize(900, 600);
    form.grdList->resize(600, 400);
    form.show();
    fillList(form);
    QScrollBar* bar = form.grdList->verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + 7) % bar->maximum();
        bar->setValue(value);
        form.grdList->viewport()->repaint();
    }
}
BENCHMARK(scrollAndPaint)->Unit(benchmark::kMicrosecond);

double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

// The time is the first pick with tags on a fresh 16000 × 16000 picture (goal: at most 5 ms).
// The counters: the picture's own size, and what the process holds for picture, tags and list
// after 100 picks, as a multiple of it (goal: at most 1.1).
void firstPickOnHugePicture(benchmark::State& state) {
    constexpr int kSide = 16000;
    frmHuemark form;
    form.Form_Load();
    form.chkTags->setChecked(true);
    form.show();
    // Picks count only inside the picture box: it covers the whole picture here.
    form.picColor->resize(kSide, kSide);
    const double before = residentMiB();
    QImage picture = NewPicture(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) { // a pasted picture: every page touched
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kSide; ++x) {
            line[x] = qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff);
        }
    }
    const double pictureMiB = double(picture.sizeInBytes()) / (1 << 20);
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.picColor->setPicture(picture);
        state.ResumeTiming();
        form.AddToGrid(7000, 9000);
        state.PauseTiming();
        for (int i = 1; i < 100; ++i) { // spread over the picture, as picks are
            form.AddToGrid(static_cast<float>(i * 157 % kSide),
                           static_cast<float>(i * 9301 % kSide));
        }
        worst = std::max(worst, (residentMiB() - before) / pictureMiB);
        if (form.grdList->Rows() != 102) {
            state.SkipWithError("a pick was not recorded");
        }
        while (form.grdList->Rows() > 2) {
            form.grdList->RemoveItem(1);
        }
        state.ResumeTiming();
    }
    state.counters["picture_MiB"] = pictureMiB;
    state.counters["memory_after_100_picks_x"] = worst;
}
BENCHMARK(firstPickOnHugePicture)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
} // namespace

HUEMARK_BENCH_MAIN()
