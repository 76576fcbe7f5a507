// Saving and opening a list of 10 000 rows in each format: the file alone (write and save, read
// and parse), and from and into the window's list through its menu commands; beside them, the
// same rows picked one by one.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "palette/ListFiles.h"
#include "palette/ListFormats.h"
#include "support/BenchMain.h"

#include <QTemporaryDir>

namespace {
constexpr int kRows = 10000;

QList<Pick> Rows() {
    QList<Pick> rows;
    for (int i = 0; i < kRows; ++i) {
        rows.append({{i % 256, (i * 7) % 256, (i * 13) % 256},
                     QStringLiteral("Colour %1, picked from the header's gradient").arg(i)});
    }
    return rows;
}

const char* kExtensions[] = {"gpl", "css", "json", "csv"};

// Answers the list dialogs with one file, as a user choosing it would.
class OneFile : public FileDialogService {
public:
    QString path;
    int filter = 0;
    std::optional<QString> getOpenFileName(QWidget*, const OpenFileRequest&) override {
        return path;
    }
    std::optional<SaveFileAnswer> getSaveFileName(QWidget*, const SaveFileRequest&) override {
        return SaveFileAnswer{path, filter};
    }
};

struct Window {
    std::shared_ptr<OneFile> dialog = std::make_shared<OneFile>();
    std::unique_ptr<frmHuemark> form;
    Window() {
        Services services = Services::qtDefaults();
        services.fileDialog = dialog;
        form = std::make_unique<frmHuemark>(services);
        form->show();
    }
};

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

QString PathFor(int format) {
    return Folder().filePath(QStringLiteral("bench.") + QLatin1String(kExtensions[format]));
}

void writeFile(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    const QList<Pick> rows = Rows();
    for (auto _ : state) {
        const QString error =
            SaveListFile(PathFor(format), WriteList(ListFormat(format), rows, "Bench"));
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
        }
    }
    state.SetLabel(kExtensions[format]);
}

void readFile(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    SaveListFile(PathFor(format), WriteList(ListFormat(format), Rows(), "Bench"));
    for (auto _ : state) {
        const ListRead read = OpenListFile(PathFor(format));
        if (read.rows.size() != kRows) {
            state.SkipWithError("the file did not read back");
        }
    }
    state.SetLabel(kExtensions[format]);
}

void saveFromList(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    Window w;
    SaveListFile(PathFor(0), WriteGimpPalette(Rows(), "Bench"));
    w.dialog->path = PathFor(0);
    w.form->mnuFileOpenList_Click();
    w.dialog->path = PathFor(format);
    w.dialog->filter = format;
    for (auto _ : state) {
        w.form->mnuFileSaveList_Click();
    }
    state.SetLabel(kExtensions[format]);
}

void openIntoList(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    Window w;
    SaveListFile(PathFor(format), WriteList(ListFormat(format), Rows(), "Bench"));
    w.dialog->path = PathFor(format);
    for (auto _ : state) {
        w.form->mnuFileOpenList_Click();
        state.PauseTiming();
        if (w.form->grdList->Rows() != kRows + 2) {
            state.SkipWithError("the rows did not arrive");
        }
        w.form->picks().clear(); // all rows gone at once, as Clear leaves the list
        state.ResumeTiming();
    }
    state.SetLabel(kExtensions[format]);
}
// The same 10 000 rows picked one by one, as the list filled before it could be opened: the
// figure the opening is compared with, side by side.
void picksIntoList(benchmark::State& state) {
    Window w;
    QImage picture(256, 256, QImage::Format_RGB32);
    picture.fill(QColor(200, 100, 50));
    w.form->picColor->setPicture(picture);
    for (auto _ : state) {
        for (int i = 0; i < kRows; ++i) {
            w.form->AddToGrid(static_cast<float>(i % 256), static_cast<float>(i / 256));
        }
        state.PauseTiming();
        w.form->picks().clear();
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(writeFile)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(readFile)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(saveFromList)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(openIntoList)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(picksIntoList)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

HUEMARK_BENCH_MAIN()
