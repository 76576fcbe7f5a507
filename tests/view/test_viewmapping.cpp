// The view's mapping: which picture pixel each device pixel shows at every zoom, scale factor and
// scroll offset, and the way back; zooming around a point; scroll limits; the zoom steps; which
// scroll bars a view needs.

#include "view/ViewMapping.h"

#include <QTest>
#include <cmath>

using View::Axis;
using View::Mapping;

Q_DECLARE_METATYPE(QList<int>)

namespace {
Axis axis(int picture, double zoom, double ratio, int view, int offset) {
    Axis a{picture, zoom * ratio, view, 0};
    a.offset = a.clamped(offset);
    return a;
}
} // namespace

class TestViewMapping : public QObject {
    Q_OBJECT
private slots:
    void devicePixelsShowPictures_data();
    void devicePixelsShowPictures();
    void cornersAndPointers_data();
    void cornersAndPointers();
    void zoomKeepsThePixelUnderTheAnchor_data();
    void zoomKeepsThePixelUnderTheAnchor();
    void scrollLimits_data();
    void scrollLimits();
    void zoomSteps_data();
    void zoomSteps();
    void scrollBars_data();
    void scrollBars();
};

void TestViewMapping::devicePixelsShowPictures_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QList<int>>("pixels"); // shown by device pixels 0, 1, 2, ...

    QTest::newRow("100 %") << 1.0 << 1.0 << 0 << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("100 %, scrolled") << 1.0 << 1.0 << 37 << QList<int>{37, 38, 39};
    QTest::newRow("scale factor 1.5") << 1.0 << 1.5 << 0 << QList<int>{0, 0, 1, 2, 2, 3, 4, 4};
    QTest::newRow("scale factor 1.25")
        << 1.0 << 1.25 << 0 << QList<int>{0, 0, 1, 2, 3, 4, 4, 5, 6, 7};
    QTest::newRow("scale factor 1.75")
        << 1.0 << 1.75 << 0 << QList<int>{0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6, 7, 8};
    QTest::newRow("scale factor 2") << 1.0 << 2.0 << 0 << QList<int>{0, 0, 1, 1, 2, 2};
    QTest::newRow("8x") << 8.0 << 1.0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    QTest::newRow("8x, scrolled into a block")
        << 8.0 << 1.0 << 805 << QList<int>{100, 100, 100, 101, 101};
    QTest::newRow("3x at 1.5") << 3.0 << 1.5 << 0 << QList<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 2};
    QTest::newRow("2/3 at 1.5: one to one") << 2.0 / 3 << 1.5 << 0 << QList<int>{0, 1, 2, 3};
    QTest::newRow("1/2") << 0.5 << 1.0 << 0 << QList<int>{0, 2, 4, 6};
    QTest::newRow("1/16, scrolled") << 1.0 / 16 << 1.0 << 3 << QList<int>{48, 64, 80};
    QTest::newRow("1/3 at 1.5") << 1.0 / 3 << 1.5 << 0 << QList<int>{0, 2, 4, 6};
    QTest::newRow("64x at 2") << 64.0 << 2.0 << 127 << QList<int>{0, 1, 1};
}

void TestViewMapping::devicePixelsShowPictures() {
    QFETCH(double, zoom);
    QFETCH(double, ratio);
    QFETCH(int, offset);
    QFETCH(QList<int>, pixels);
    const Axis a = axis(100000, zoom, ratio, 1000, offset);
    QCOMPARE(a.offset, offset);
    for (int d = 0; d < pixels.size(); ++d) {
        QCOMPARE(a.pixelAt(d), pixels[d]);
        // The coordinate an event gets lies inside the pixel shown.
        QCOMPARE(int(std::floor(a.coordinateAt(d))), pixels[d]);
    }
    // The way back: where a pixel is shown, that pixel is named; the device pixel before it
    // shows the pixel before. Below one device pixel a pixel, the device pixel it lies in.
    for (int p = a.pixelAt(0); p < a.pixelAt(0) + 40; ++p) {
        const int d = a.deviceOf(p);
        if (a.scale >= 1) {
            QVERIFY(a.names(p));
            QCOMPARE(a.pixelAt(d), p);
            QCOMPARE(a.pixelAt(d - 1), p - 1);
        } else {
            QVERIFY(a.pixelAt(d) <= p && a.pixelAt(d + 1) >= p);
        }
    }
}

// Where the view starts on a scaled screen, and which device pixel a pointer names: a control's
// corner between two device pixels (at 1.25 and 1.75 most logical positions fall between) starts
// on the nearer one, and the pointer the toolkit reports at device pixel d / ratio names d again,
// however far across the screen.
void TestViewMapping::cornersAndPointers_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("between"); // logical positions 0..99 whose corner is between pixels
    QTest::newRow("1") << 1.0 << 0;
    QTest::newRow("1.25") << 1.25 << 75;
    QTest::newRow("1.5") << 1.5 << 50;
    QTest::newRow("1.75") << 1.75 << 75;
    QTest::newRow("2") << 2.0 << 0;
}

void TestViewMapping::cornersAndPointers() {
    QFETCH(double, ratio);
    QFETCH(int, between);
    int seen = 0;
    for (int logical = 0; logical < 100; ++logical) {
        const double exact = logical * ratio;
        const int corner = View::DeviceCorner(logical, ratio);
        QVERIFY(std::abs(corner - exact) <= 0.5);
        seen += corner != exact;
    }
    QCOMPARE(seen, between);
    for (int d = 0; d < 20000; ++d) {
        QCOMPARE(View::DevicePixelAt(d / ratio, ratio), d);
    }
}

void TestViewMapping::zoomKeepsThePixelUnderTheAnchor_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("from");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<double>("to");
    QTest::addColumn<QPoint>("expected"); // the new offset; (-1, -1): whatever keeps the pixel

    const QSize big(3000, 2000);
    const QPoint keep(-1, -1);
    QTest::newRow("1 to 8") << big << 1.0 << 1.0 << QPoint() << QPointF(400.5, 250.5) << 8.0
                            << QPoint(2804, 1754);
    QTest::newRow("8 to 64, scrolled")
        << big << 1.0 << 8.0 << QPoint(12345, 6789) << QPointF(3.5, 499.5) << 64.0 << keep;
    QTest::newRow("8 back to 1") << big << 1.0 << 8.0 << QPoint(2800, 1750) << QPointF(400.5, 250.5)
                                 << 1.0 << QPoint(0, 0);
    QTest::newRow("at 1.5, 1 to 8")
        << big << 1.5 << 1.0 << QPoint(31, 17) << QPointF(301.5, 201.5) << 8.0 << keep;
    QTest::newRow("at 1.5, 1/3 to 2")
        << big << 1.5 << 1.0 / 3 << QPoint() << QPointF(120.5, 90.5) << 2.0 << keep;
    QTest::newRow("at 1.25, 3 to 4")
        << big << 1.25 << 3.0 << QPoint(1000, 700) << QPointF(77.5, 333.5) << 4.0 << keep;
    // Smaller than the view, the picture stands where the pixel stays under the anchor.
    QTest::newRow("small picture, 1/4 to 1/2")
        << QSize(1000, 600) << 1.0 << 0.25 << QPoint(-300, -200) << QPointF(400.5, 250.5) << 0.5
        << QPoint(-200, -150);
    // Zoomed out, the anchor's device pixel shows the block that holds the pixel.
    QTest::newRow("1 to 1/16") << big << 1.0 << 1.0 << QPoint() << QPointF(100.5, 100.5) << 1.0 / 16
                               << QPoint(-94, -94);
    // Where the picture's end comes into the view, the scroll limits win.
    QTest::newRow("limits win") << QSize(1000, 1000) << 1.0 << 1.0 << QPoint(200, 200)
                                << QPointF(0.5, 0.5) << 0.5 << QPoint(0, 0);
}

void TestViewMapping::zoomKeepsThePixelUnderTheAnchor() {
    QFETCH(QSize, picture);
    QFETCH(double, ratio);
    QFETCH(double, from);
    QFETCH(QPoint, offset);
    QFETCH(QPointF, anchor);
    QFETCH(double, to);
    QFETCH(QPoint, expected);
    const Mapping before(picture, from, ratio, QSize(800, 500), offset);
    QCOMPARE(before.offset(), offset);
    const Mapping after = before.zoomedAround(to, anchor);
    QCOMPARE(after.zoom(), to);
    const QPoint device(int(std::floor(anchor.x())), int(std::floor(anchor.y())));
    if (expected != QPoint(-1, -1)) {
        QCOMPARE(after.offset(), expected);
    } else {
        QCOMPARE(after.pixelAt(device), before.pixelAt(device));
    }
    QCOMPARE(after.offset(), after.scrolledTo(after.offset()).offset()); // within the limits
}

void TestViewMapping::scrollLimits_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("pixel");           // then shown whole
    QTest::addColumn<QList<int>>("expected"); // min, max, clamped, offset showing the pixel

    QTest::newRow("larger than the view")
        << 3000 << 1.0 << 800 << 5000 << 100 << QList<int>{0, 2200, 2200, 100};
    QTest::newRow("before the start")
        << 3000 << 1.0 << 800 << -5 << 799 << QList<int>{0, 2200, 0, 0};
    QTest::newRow("past the end, back a pixel")
        << 3000 << 1.0 << 800 << 900 << 1700 << QList<int>{0, 2200, 900, 901};
    QTest::newRow("8x, the pixel's whole block")
        << 3000 << 8.0 << 800 << 0 << 100 << QList<int>{0, 23200, 0, 8};
    QTest::newRow("at 1.5, an uneven end")
        << 1001 << 1.5 << 800 << 10000 << 1000 << QList<int>{0, 702, 702, 702};
    QTest::newRow("smaller: anywhere inside the view")
        << 300 << 1.0 << 800 << -700 << 10 << QList<int>{-500, 0, -500, -500};
    QTest::newRow("zoomed out") << 3000 << 1.0 / 16 << 100 << 500 << 2999
                                << QList<int>{0, 88, 88, 88};
}

void TestViewMapping::scrollLimits() {
    QFETCH(int, picture);
    QFETCH(double, scale);
    QFETCH(int, view);
    QFETCH(int, wanted);
    QFETCH(int, pixel);
    QFETCH(QList<int>, expected);
    Axis a{picture, scale, view, 0};
    QCOMPARE(a.minOffset(), expected[0]);
    QCOMPARE(a.maxOffset(), expected[1]);
    a.offset = a.clamped(wanted);
    QCOMPARE(a.offset, expected[2]);
    Axis shown = a;
    shown.offset = a.showing(pixel);
    QCOMPARE(shown.offset, expected[3]);
    const int d = shown.deviceOf(pixel);
    QVERIFY(d >= 0 && d < view);
}

void TestViewMapping::zoomSteps_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QSize>("fitPicture"); // and the zoom that fits it in 800 x 500 at 1.5
    QTest::addColumn<double>("fit");

    QTest::newRow("in from 100 %") << 1.0 << 1 << 2.0 << QSize(3000, 2000) << 1.0 / 6;
    QTest::newRow("five notches to 8x") << 1.0 << 5 << 8.0 << QSize(100, 50) << 4.0;
    QTest::newRow("out from 100 %") << 1.0 << -1 << 2.0 / 3 << QSize(533, 333) << 1.0;
    QTest::newRow("at the top") << 64.0 << 3 << 64.0 << QSize(1, 1) << 64.0;
    QTest::newRow("at the bottom") << 1.0 / 16 << -1 << 1.0 / 16 << QSize(60000, 10) << 1.0 / 16;
    QTest::newRow("between levels, in") << 0.3 << 1 << 1.0 / 3 << QSize(534, 200) << 800 / 801.0;
    QTest::newRow("between levels, out") << 0.3 << -1 << 0.25 << QSize() << 1.0;
}

void TestViewMapping::zoomSteps() {
    QFETCH(double, zoom);
    QFETCH(int, steps);
    QFETCH(double, expected);
    QFETCH(QSize, fitPicture);
    QFETCH(double, fit);
    QCOMPARE(View::SteppedZoom(zoom, steps), expected);
    const double fitted = View::FitZoom(fitPicture, QSize(800, 500), 1.5);
    QCOMPARE(fitted, fit);
    if (!fitPicture.isEmpty() && fitted > View::kMinZoom) {
        // Fitted, the whole picture shows without scrolling.
        const Mapping view(fitPicture, fitted, 1.5, QSize(800, 500), QPoint());
        QVERIFY(view.content().width() <= 800 && view.content().height() <= 500);
    }
}

void TestViewMapping::scrollBars_data() {
    QTest::addColumn<QSize>("content");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");

    // In an area of 800 x 500, where bars are 16 wide and 15 high.
    QTest::newRow("fits") << QSize(800, 500) << false << false;
    QTest::newRow("too wide") << QSize(801, 300) << true << false;
    QTest::newRow("too wide, then too high for what is left") << QSize(900, 490) << true << true;
    QTest::newRow("too high") << QSize(700, 501) << false << true;
    QTest::newRow("too high, then too wide for what is left") << QSize(790, 900) << true << true;
    QTest::newRow("both") << QSize(3000, 2000) << true << true;
}

void TestViewMapping::scrollBars() {
    QFETCH(QSize, content);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    const View::ScrollBars bars = View::ScrollBarsNeeded(content, QSize(800, 500), QSize(16, 15));
    QCOMPARE(bars.horizontal, horizontal);
    QCOMPARE(bars.vertical, vertical);
}

QTEST_APPLESS_MAIN(TestViewMapping)
#include "test_viewmapping.moc"
