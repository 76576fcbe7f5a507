// A whole printout into a PDF file, through the Print button's procedure: the list of 1000 picks
// with and without the picture page, and a short list beside them.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "support/BenchMain.h"

#include <QCheckBox>
#include <QPrinter>
#include <QTemporaryDir>

namespace {
class FailingMessageBox : public MessageBoxService {
public:
    QString last;
    void showMessage(QWidget*, const QString& text, const QString&) override { last = text; }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
};

void printList(benchmark::State& state) {
    const int picks = static_cast<int>(state.range(0));
    const bool tags = state.range(1) != 0;
    QTemporaryDir dir;
    Services services = Services::qtDefaults();
    auto messages = std::make_shared<FailingMessageBox>();
    services.messageBox = messages;
    QPrinter& printer = services.printerOutput->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("list.pdf")));

    frmHuemark form(services);
    form.Form_Load();
    QImage picture(form.picColor->size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x % 256, y * 3 % 256, (x + y) % 256));
        }
    }
    form.picColor->setPicture(picture);
    form.chkTags->setChecked(tags);
    for (int i = 0; i < picks; ++i) {
        form.AddToGrid(static_cast<float>(i % 500), static_cast<float>(i % 70));
        form.grdList->setTextMatrix(1, 5, QStringLiteral("pick number %1").arg(i));
    }
    for (auto _ : state) {
        form.cmdPrint_Click();
    }
    if (!messages->last.isEmpty()) {
        state.SkipWithError(qPrintable(messages->last));
    }
}
BENCHMARK(printList)
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Args({10, 1})
    ->ArgNames({"picks", "tags"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
} // namespace

HUEMARK_BENCH_MAIN()
