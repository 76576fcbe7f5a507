#include "main/CheckScreen.h"

#include "desktop/Languages.h"
#include "desktop/ToolkitStart.h"
#include "desktop/capture/KeptOnScreen.h"
#include "desktop/capture/ScreenCapture.h"
#include "desktop/capture/X11ScreenColors.h"
#include "help/About.h"
#include "screencheck/Chart.h"
#include "screencheck/ScreenColors.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {
// How long the charts are given to come up on the screen, and how often a capture that does not
// show them yet (a compositor a frame behind) is taken again.
constexpr qint64 kShownLimitMs = 3000;
constexpr int kCaptureTries = 5;
constexpr int kCaptureRetryMs = 50;

// The chart over a whole monitor, device pixel for device pixel, above everything; it stays on
// the screen while the screen is captured.
class ChartWindow : public QWidget {
public:
    explicit ChartWindow(const Chart& chart)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint),
          m_chart(chart) {
        setObjectName(QStringLiteral("screenCheckChart"));
        setAccessibleName(QCoreApplication::translate("CheckScreen", "Screen check chart"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setProperty(kStaysForCapture, true);
    }
    bool painted() const { return m_painted; }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.drawImage(QPointF(0, 0), m_chart.image);
        m_painted = m_painted || event->rect() == rect();
    }

private:
    const Chart& m_chart;
    bool m_painted = false;
};

struct Monitor {
    QScreen* screen = nullptr;
    QRect devicePixels;
    Chart chart;
    std::unique_ptr<ChartWindow> window;
};

// Runs the event loop until done() or the time is up; false then.
template <typename Done> bool RunUntil(Done done, qint64 limitMs) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= limitMs) {
            loop.quit();
        }
    });
    tick.start();
    if (!done()) {
        loop.exec();
    }
    return done();
}

void Say(const QString& text) {
    std::fputs(qPrintable(QStringLiteral("huemark --check-screen: %1\n").arg(text)), stderr);
}
} // namespace

QList<MonitorReport> CheckScreens(ScreenCaptureService& capture, ScreenColorSource& colors) {
    std::vector<Monitor> monitors;
    for (QScreen* screen : QGuiApplication::screens()) {
        Monitor m;
        m.screen = screen;
        const double ratio = screen->devicePixelRatio();
        const QRect logical = screen->geometry();
        // On X11 a monitor's first device pixel is its logical top-left (view/Monitors.h).
        m.devicePixels =
            QRect(logical.topLeft(), QSize(int(std::lround(logical.width() * ratio)),
                                           int(std::lround(logical.height() * ratio))));
        m.chart = MakeChart(m.devicePixels.size(), ratio);
        monitors.push_back(std::move(m));
    }
    for (Monitor& m : monitors) {
        if (m.chart.image.isNull()) {
            continue;
        }
        m.window = std::make_unique<ChartWindow>(m.chart);
        m.window->setScreen(m.screen);
        m.window->setGeometry(m.screen->geometry());
        m.window->show();
    }
    const auto allPainted = [&monitors] {
        for (const Monitor& m : monitors) {
            if (m.window && !m.window->painted()) {
                return false;
            }
        }
        return true;
    };
    RunUntil(allPainted, kShownLimitMs);
    std::vector<std::optional<CaptureComparison>> compared(monitors.size());
    QString error;
    for (int attempt = 0; attempt < kCaptureTries; ++attempt) {
        WaitForX11Server();
        const ScreenCaptureResult shot = capture.capture(nullptr);
        if (shot.outcome != ScreenCaptureResult::Outcome::Picture) {
            error = shot.error.isEmpty()
                        ? QCoreApplication::translate(
                              "CheckScreen", "the capture gave no picture of the screen's pixels")
                        : shot.error;
            break;
        }
        bool shown = true;
        for (size_t i = 0; i < monitors.size(); ++i) {
            const Monitor& m = monitors[i];
            if (m.chart.image.isNull()) {
                continue;
            }
            compared[i] = CompareCapture(m.chart, shot.picture.copy(m.devicePixels));
            shown = shown && compared[i]->marksFound;
        }
        if (shown) {
            break;
        }
        // Not on the screen yet: a moment more.
        QElapsedTimer clock;
        clock.start();
        RunUntil([&clock] { return clock.elapsed() >= kCaptureRetryMs; }, kCaptureRetryMs);
    }
    QList<MonitorReport> reports;
    for (size_t i = 0; i < monitors.size(); ++i) {
        Monitor& m = monitors[i];
        if (m.window) {
            m.window->hide();
        }
        MonitorReport r;
        r.name = m.screen->name();
        r.devicePixels = m.devicePixels;
        r.scale = m.screen->devicePixelRatio();
        r.depth = m.screen->depth();
        r.profile = SummarizeProfile(colors.profile(int(i)));
        r.profilePlace = colors.profilePlace(int(i));
        r.ramps = SummarizeRamps(colors.ramps(m.devicePixels));
        r.rampPlace = colors.rampPlace();
        r.capture = compared[i];
        if (m.chart.image.isNull()) {
            r.captureError = QCoreApplication::translate("CheckScreen",
                                                         "the monitor is too small for the chart");
        } else if (!r.capture) {
            r.captureError = error;
        }
        reports << r;
    }
    return reports;
}

int RunCheckScreen(int argc, char* argv[], bool json) {
    std::optional<ToolkitStart> starting(std::in_place);
    QApplication app(argc, argv);
    starting.reset();
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    QGuiApplication::setDesktopFileName(DesktopName());
    InstallTranslations();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        //: On standard error. %1: the toolkit's name for the window system ("wayland").
        Say(QCoreApplication::translate(
                "CheckScreen",
                "cannot check here: the check reads the screen through X11, and this session "
                "runs on %1")
                .arg(QGuiApplication::platformName()));
        return 2;
    }
    QString error;
    const std::unique_ptr<ScreenColorSource> colors = NewX11ScreenColors(&error);
    if (!colors) {
        //: On standard error. %1: why (the X server cannot be reached, or stands in for Wayland).
        Say(QCoreApplication::translate("CheckScreen", "cannot check here: %1").arg(error));
        return 2;
    }
    const std::shared_ptr<ScreenCaptureService> capture = NewX11ScreenCapture();
    const QList<MonitorReport> reports = CheckScreens(*capture, *colors);
    const QByteArray out = json ? ReportJson(reports) : ReportText(reports).toLocal8Bit();
    const bool written =
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout) == size_t(out.size()) &&
        std::fflush(stdout) == 0;
    if (!written) {
        // A result lost is a failure, not wrong usage.
        Say(QCoreApplication::translate("CheckScreen", "cannot write to standard output"));
        return 1;
    }
    bool exact = !reports.isEmpty();
    for (const MonitorReport& r : reports) {
        exact = exact && r.exact();
    }
    return exact ? 0 : 1;
}
