// Where each monitor's pixels lie in a capture of the whole desktop, and which pixel a pointer
// names there, for X11's root window and for a portal's scaled picture.

#include "view/Monitors.h"

#include <QTest>

using View::CapturedMonitor;
using View::CaptureLayout;
using View::MonitorInfo;
using Monitors = QList<MonitorInfo>;

class TestMonitors : public QObject {
    Q_OBJECT
private slots:
    void pixelAt_data();
    void pixelAt();
    void holding();
    void besideWindow_data();
    void besideWindow();
};

void TestMonitors::pixelAt_data() {
    QTest::addColumn<Monitors>("monitors");
    QTest::addColumn<QSize>("capture");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("monitor");     // which one the pointer is on
    QTest::addColumn<QRect>("inCapture"); // its pixels in the capture
    QTest::addColumn<QPointF>("pointer"); // logical, on the desktop
    QTest::addColumn<QPoint>("pixel");    // in the capture
    QTest::addColumn<QPoint>("device");   // on the monitor
    QTest::addColumn<bool>("exact");      // at device resolution

    // X11: the primary at scale 2 right of a monitor at 1.5, as the toolkit places them (each
    // keeps its top-left corner; its size is divided by its scale).
    const Monitors x11{{"left", QRect(0, 0, 533, 400), 1.5},
                       {"primary", QRect(800, 0, 512, 384), 2}};
    const int device = int(CaptureLayout::DevicePixels);
    QTest::newRow("x11, scale 2, an odd device pixel")
        << x11 << QSize(1824, 768) << device << 1 << QRect(800, 0, 1024, 768)
        << QPointF(850.5, 51.5) << QPoint(901, 103) << QPoint(101, 103) << true;
    QTest::newRow("x11, scale 1.5, the rounded edge's last pixel")
        << x11 << QSize(1824, 768) << device << 0 << QRect(0, 0, 800, 600) << QPointF(532.9, 399.9)
        << QPoint(799, 599) << QPoint(799, 599) << true;
    // 1920 device pixels at 1.75 are 1097 logical ones, 1919.75 device pixels: still 1920.
    QTest::newRow("x11, scale 1.75, rounding back")
        << Monitors{{"a", QRect(0, 0, 1097, 617), 1.75}} << QSize(1920, 1080) << device << 0
        << QRect(0, 0, 1920, 1080) << QPointF(1096.99, 0) << QPoint(1919, 0) << QPoint(1919, 0)
        << true;
    // Wayland: a monitor at scale 1 left of the primary (negative logical x), the primary at
    // scale 2; the portal's picture is the layout at the largest scale.
    const Monitors wayland{{"left", QRect(-1024, 0, 1024, 768), 1},
                           {"primary", QRect(0, 0, 960, 540), 2}};
    const int scaled = int(CaptureLayout::ScaledDesktop);
    QTest::newRow("portal, the primary at its own resolution")
        << wayland << QSize(3968, 1536) << scaled << 1 << QRect(2048, 0, 1920, 1080)
        << QPointF(10.25, 0.75) << QPoint(2068, 1) << QPoint(20, 1) << true;
    QTest::newRow("portal, the left monitor enlarged twice")
        << wayland << QSize(3968, 1536) << scaled << 0 << QRect(0, 0, 2048, 1536)
        << QPointF(-1, 767) << QPoint(2046, 1534) << QPoint(1023, 767) << false;
    QTest::newRow("portal, a picture at scale 1: the primary at half")
        << wayland << QSize(1984, 768) << scaled << 1 << QRect(1024, 0, 960, 540)
        << QPointF(959.5, 539.5) << QPoint(1983, 539) << QPoint(1919, 1079) << false;
}

void TestMonitors::pixelAt() {
    QFETCH(Monitors, monitors);
    QFETCH(QSize, capture);
    QFETCH(int, layout);
    QFETCH(int, monitor);
    QFETCH(QRect, inCapture);
    QFETCH(QPointF, pointer);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, device);
    QFETCH(bool, exact);
    const QList<CapturedMonitor> placed =
        View::MonitorsInCapture(monitors, capture, CaptureLayout(layout));
    QCOMPARE(placed.size(), monitors.size());
    const CapturedMonitor& m = placed[monitor];
    QCOMPARE(m.inCapture, inCapture);
    QCOMPARE(m.pixelAt(pointer), pixel);
    QCOMPARE(m.devicePixelOf(pixel), device);
    QCOMPARE(m.atDeviceResolution(), exact);
    // The pixel's middle names the pixel again: the loupe stands where the pick is.
    QCOMPARE(m.pixelAt(QPointF(m.logical.topLeft()) + m.localOf(pixel)), pixel);
}

void TestMonitors::holding() {
    // A gap between monitors, and a monitor the capture missed.
    const QList<CapturedMonitor> placed =
        View::MonitorsInCapture({{"a", QRect(0, 0, 100, 100), 1},
                                 {"b", QRect(200, 0, 100, 100), 1},
                                 {"c", QRect(400, 0, 100, 100), 1}},
                                QSize(300, 100), CaptureLayout::DevicePixels);
    QCOMPARE(placed.size(), 2);
    QCOMPARE(View::MonitorHolding(placed, QPoint(250, 99)), std::optional<qsizetype>(1));
    QCOMPARE(View::MonitorHolding(placed, QPoint(150, 50)), std::nullopt);
}

// A panel beside a window stays on the window's screen: in logical pixels, so a screen at scale 2
// (1280 x 800 logical on 2560 x 1600) or one left of the primary behaves as a plain one does.
void TestMonitors::besideWindow_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("at");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("room on the right")
        << QRect(100, 50, 600, 400) << QSize(300, 500) << screen << QPoint(700, 50);
    QTest::newRow("a wide window: on its left")
        << QRect(400, 50, 840, 400) << QSize(300, 500) << screen << QPoint(100, 50);
    QTest::newRow("no room either side: at the right edge, over it")
        << QRect(100, 50, 1100, 400) << QSize(300, 500) << screen << QPoint(980, 50);
    QTest::newRow("low on the screen: lifted")
        << QRect(100, 800, 600, 200) << QSize(300, 500) << screen << QPoint(700, 524);
    QTest::newRow("a window partly off the screen")
        << QRect(-200, -30, 600, 400) << QSize(300, 500) << screen << QPoint(400, 0);
    QTest::newRow("scale 2, a panel right at the edge")
        << QRect(0, 0, 980, 700) << QSize(300, 100) << QRect(0, 0, 1280, 800) << QPoint(980, 0);
    QTest::newRow("scale 2, one pixel too wide")
        << QRect(1, 0, 980, 700) << QSize(300, 100) << QRect(0, 0, 1280, 800) << QPoint(980, 0);
    QTest::newRow("a screen left of the primary, its panel on the top")
        << QRect(-1000, 10, 900, 300) << QSize(300, 200) << QRect(-1280, 28, 1280, 996)
        << QPoint(-300, 28);
    QTest::newRow("a panel larger than the screen: its top-left corner")
        << QRect(0, 0, 100, 100) << QSize(2000, 2000) << screen << QPoint(0, 0);
}

void TestMonitors::besideWindow() {
    QFETCH(QRect, window);
    QFETCH(QSize, panel);
    QFETCH(QRect, available);
    QTEST(View::BesideWindow(window, panel, available), "at");
}

QTEST_APPLESS_MAIN(TestMonitors)
#include "test_monitors.moc"
