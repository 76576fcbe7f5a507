// A pick into a list that already holds 10 000 rows, and scrolling and painting such a list.

#include "app/frmHuemark.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "support/BenchMain.h"

#include <QCheckBox>
#include <QScrollBar>

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
} // namespace

HUEMARK_BENCH_MAIN()
