// The Screen command, from the command to the captured screen shown in the window, against
// ImageMagick's `import -window root` writing the same screen to a raw file. Both on a private
// 1920 x 1080 Xvfb, interleaved; medians and their ratio.
//
//   bench_screen [--runs 10]

#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "support/PrivateDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
[[noreturn]] void die(const char* what) {
    std::fprintf(stderr, "bench_screen: %s\n", what);
    std::exit(1);
}

// A private X server; returns its display name once it accepts connections.
std::string startXvfb(pid_t& pid) {
    const std::string display = StartPrivateXvfb("1920x1080x24", {}, &pid);
    if (display.empty()) {
        die("Xvfb did not start");
    }
    return display;
}

double importMillis(const std::string& rawFile) {
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execlp("import", "import", "-silent", "-window", "root", "-depth", "8",
               ("rgb:" + rawFile).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        die("import failed");
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

class SilentMessages : public MessageBoxService {
public:
    void showMessage(QWidget*, const QString& text, const QString&) override {
        die(qPrintable(QStringLiteral("the command failed: ") + text));
    }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
};
} // namespace

int main(int argc, char** argv) {
    int runs = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--runs") {
            runs = std::atoi(argv[++i]);
        }
    }
    pid_t xvfb = 0;
    const std::string display = startXvfb(xvfb);
    char home[] = "/tmp/huemark-bench-screen-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        die("mkdtemp failed");
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/.config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home, 1);
    const std::string rawFile = std::string(home) + "/screen.raw";
    std::vector<double> ours, theirs;
    {
        QApplication app(argc, argv);
        Services services = Services::qtDefaults();
        services.messageBox = std::make_shared<SilentMessages>();
        frmHuemark window(services);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            die("the window was never exposed");
        }
        xcb_connection_t* x =
            qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        for (int run = 0; run < runs; ++run) {
            theirs.push_back(importMillis(rawFile));

            QElapsedTimer clock;
            clock.start();
            window.mnuEditScreen_Click();
            // Shown: mapped, exposed, painted, and the server has taken the painting in.
            while (!window.windowHandle()->isExposed()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            }
            QCoreApplication::processEvents();
            std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
            ours.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (window.picColor->picture().size() != QSize(1920, 1080)) {
                die("the capture is not the whole screen");
            }
        }
    }
    std::printf("%-36s %10s\n", "1920 x 1080 screen, median of runs", "ms");
    std::printf("%-36s %10.1f\n", "Screen command, to the capture shown", Median(ours));
    std::printf("%-36s %10.1f\n", "import -window root to a raw file", Median(theirs));
    std::printf("Screen command / import: %.2fx (%d interleaved runs each)\n",
                Median(ours) / Median(theirs), runs);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    const std::string cleanup = std::string("rm -rf ") + home;
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
