// Clearing a list of 10 000 picks, and a key released in the description editor while the list
// holds 10 000 rows.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "support/BenchMain.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int kRows = 10000;

void fillList(frmHuemark& form) {
    for (int i = 0; i < kRows; ++i) {
        form.AddToGrid(static_cast<float>(i % 300), static_cast<float>(i % 150));
    }
}

void showWithPicture(frmHuemark& form) {
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(QColor(200, 100, 50));
    form.Form_Load();
    form.show();
    form.picColor->setPicture(picture);
}

void clearFullList(benchmark::State& state) {
    frmHuemark form;
    showWithPicture(form);
    for (auto _ : state) {
        state.PauseTiming();
        fillList(form);
        state.ResumeTiming();
        form.cmdClearTags_Click();
    }
}
BENCHMARK(clearFullList)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

void keyReleaseInEditor(benchmark::State& state) {
    frmHuemark form;
    showWithPicture(form);
    fillList(form);
    form.txtDesc->setText(QStringLiteral("a description of middling length"));
    form.txtDesc->show();
    form.grdList->setRow(1);
    for (auto _ : state) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(form.txtDesc, &release);
        form.grdList->viewport()->repaint();
    }
    if (form.grdList->TextMatrix(1, 5) != form.txtDesc->text()) {
        state.SkipWithError("the key release did not reach the list");
    }
}
BENCHMARK(keyReleaseInEditor)->Unit(benchmark::kMicrosecond);
} // namespace

HUEMARK_BENCH_MAIN()
