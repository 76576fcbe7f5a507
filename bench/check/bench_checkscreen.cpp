// The screen's check of one 1920 x 1080 monitor on a private Xvfb: the whole check (the chart
// shown, drawn, captured, compared; the profile and ramps read), and apart from the screen the
// chart made and a capture compared, exact and one step off. Medians of the runs.
//
//   bench_checkscreen [--runs 10]

#include "desktop/capture/ScreenCapture.h"
#include "desktop/capture/X11ScreenColors.h"
#include "main/CheckScreen.h"
#include "screencheck/Chart.h"
#include "screencheck/Comparison.h"
#include "support/PrivateDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
[[noreturn]] void die(const char* what) {
    std::fprintf(stderr, "bench_checkscreen: %s\n", what);
    std::exit(1);
}

double Millis(const std::function<void()>& f) {
    QElapsedTimer clock;
    clock.start();
    f();
    return double(clock.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    int runs = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--runs") {
            runs = std::atoi(argv[++i]);
        }
    }
    pid_t xvfb = 0;
    const std::string display = StartPrivateXvfb("1920x1080x24", {}, &xvfb);
    if (display.empty()) {
        die("Xvfb did not start");
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::vector<double> whole, chart, exact, off;
    {
        QApplication app(argc, argv);
        QString error;
        const std::unique_ptr<ScreenColorSource> colors = NewX11ScreenColors(&error);
        if (!colors) {
            die(qPrintable(error));
        }
        const std::shared_ptr<ScreenCaptureService> capture = NewX11ScreenCapture();
        for (int run = 0; run < runs; ++run) {
            QList<MonitorReport> reports;
            whole.push_back(Millis([&] { reports = CheckScreens(*capture, *colors); }));
            if (reports.size() != 1 || !reports[0].exact()) {
                die("the check did not find the monitor exact");
            }
            Chart made;
            chart.push_back(Millis([&] { made = MakeChart({1920, 1080}, 1); }));
            exact.push_back(Millis([&] { CompareCapture(made, made.image); }));
            QImage stepped = made.image;
            for (int y = 0; y < stepped.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(stepped.scanLine(y));
                for (int x = 0; x < stepped.width(); ++x) {
                    row[x] ^= 0x010101;
                }
            }
            off.push_back(Millis([&] { CompareCapture(made, stepped); }));
        }
    }
    std::printf("%-44s %10s\n", "1920 x 1080 monitor, median of runs", "ms");
    std::printf("%-44s %10.1f\n", "the whole check (Xvfb), to the verdict", Median(whole));
    std::printf("%-44s %10.1f\n", "the chart made", Median(chart));
    std::printf("%-44s %10.1f\n", "a capture compared, exact", Median(exact));
    std::printf("%-44s %10.1f\n", "a capture compared, every value a step off", Median(off));
    std::printf("(%d runs)\n", runs);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return 0;
}
