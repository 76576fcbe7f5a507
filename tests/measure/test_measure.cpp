// An area's figures against values worked out by hand, CIEDE2000 against its published test
// pairs, the spread's shortcut against every pixel, and palettes of pictures of known colours.

#include "measure/AreaStats.h"
#include "measure/DominantColors.h"
#include "pixels/Perceptual.h"
#include "pixels/WebCode.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {
struct Flat {
    QRgb rgb;
    int pixels;
};

// A picture of flat colours in the given counts, laid out row by row in a width of 100.
QImage FlatPicture(const QList<Flat>& flats) {
    int total = 0;
    for (const Flat& f : flats) {
        total += f.pixels;
    }
    QImage picture(100, (total + 99) / 100, QImage::Format_RGB32);
    int at = 0;
    for (const Flat& f : flats) {
        for (int i = 0; i < f.pixels; ++i, ++at) {
            picture.setPixel(at % 100, at / 100, f.rgb);
        }
    }
    return picture;
}

// CIEDE2000 of two greys, worked from its definition: only the lightness term is left.
double GreyDifference(double l1, double l2) {
    const double mean = (l1 + l2) / 2;
    const double s =
        1 + 0.015 * (mean - 50) * (mean - 50) / std::sqrt(20 + (mean - 50) * (mean - 50));
    return std::abs(l2 - l1) / s;
}

double LightnessOfLinear(double y) {
    return 116 * std::cbrt(y) - 16;
}
} // namespace

class TestMeasure : public QObject {
    Q_OBJECT
private slots:
    void deltaE2000_data();
    void deltaE2000();
    void figures_data();
    void figures();
    void spreadIsTheLargestOfEveryPixel();
    void palette_data();
    void palette();
};

void TestMeasure::deltaE2000_data() {
    QTest::addColumn<QList<double>>("pair");
    QTest::addColumn<double>("expected");
    // From the test data published with the formula's implementation notes (Sharma, Wu and
    // Dalal, 2005): hue wrap-around, the a* stretch near grey, the blue rotation term.
    QTest::newRow("blue 1") << QList<double>{50, 2.6772, -79.7751, 50, 0, -82.7485} << 2.0425;
    QTest::newRow("blue 2") << QList<double>{50, 3.1571, -77.2803, 50, 0, -82.7485} << 2.8615;
    QTest::newRow("blue 4") << QList<double>{50, -1.3802, -84.2814, 50, 0, -82.7485} << 1.0000;
    QTest::newRow("grey to a") << QList<double>{50, 0, 0, 50, -1, 2} << 2.3669;
    QTest::newRow("hue across 0") << QList<double>{50, 2.49, -0.001, 50, -2.49, 0.0009} << 7.1792;
    QTest::newRow("quarter turn") << QList<double>{50, 2.5, 0, 50, 0, -2.5} << 4.3065;
    QTest::newRow("far") << QList<double>{50, 2.5, 0, 73, 25, -18} << 27.1492;
    QTest::newRow("green") << QList<double>{60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387}
                           << 1.2644;
    QTest::newRow("dark blue") << QList<double>{22.7233, 20.0904, -46.694,
                                                23.0331, 14.973,  -42.5619}
                               << 2.0373;
    QTest::newRow("light") << QList<double>{90.8027, -2.0831, 1.441, 91.1528, -1.6435, 0.0447}
                           << 1.4441;
    QTest::newRow("near black") << QList<double>{2.0776, 0.0795, -1.135, 0.9033, -0.0636, -0.5514}
                                << 0.9082;
}

void TestMeasure::deltaE2000() {
    QFETCH(QList<double>, pair);
    QFETCH(double, expected);
    const LabValue first{pair[0], pair[1], pair[2]};
    const LabValue second{pair[3], pair[4], pair[5]};
    QCOMPARE(std::round(DeltaE2000(first, second) * 1e4) / 1e4, expected);
    QCOMPARE(std::round(DeltaE2000(second, first) * 1e4) / 1e4, expected);
}

void TestMeasure::figures_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("measured");
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("median");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<double>("redDeviation");
    QTest::addColumn<double>("spread");

    // Half black, half white: the light's mean is half the light (code 187.5), the codes' average
    // is 127.5; the lower median is black.
    const QImage halves = FlatPicture({{qRgb(0, 0, 0), 50}, {qRgb(255, 255, 255), 50}});
    const double halfLight = LightnessOfLinear(0.5);
    QTest::newRow("black and white")
        << halves << QRect(0, 0, 100, 1) << QRect(0, 0, 100, 1) << "#BCBCBC"
        << "#808080"
        << "#000000"
        << "#000000"
        << "#FFFFFF" << 127.5 << GreyDifference(halfLight, 0);
    // Three red pixels to one blue: red's light is 3/4 (code 224.6), its codes average 191.25,
    // their deviation is 255 * sqrt(3)/4.
    const QImage threeToOne = FlatPicture({{qRgb(255, 0, 0), 3}, {qRgb(0, 0, 255), 1}});
    QTest::newRow("three to one") << threeToOne << QRect(0, 0, 4, 1) << QRect(0, 0, 4, 1)
                                  << "#E10089"
                                  << "#BF0040"
                                  << "#FF0000"
                                  << "#000000"
                                  << "#FF00FF" << 255 * std::sqrt(3.0) / 4 << -1.0;
    // A grey ramp 0..255: average 127.5, lower median 127, deviation sqrt((256^2 - 1)/12).
    QImage ramp(256, 2, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x) {
        ramp.setPixel(x, 0, qRgb(x, x, x));
        ramp.setPixel(x, 1, qRgb(9, 9, 9));
    }
    QTest::newRow("ramp") << ramp << QRect(0, 0, 256, 1) << QRect(0, 0, 256, 1) << "#979797"
                          << "#808080"
                          << "#7F7F7F"
                          << "#000000"
                          << "#FFFFFF" << std::sqrt((256.0 * 256 - 1) / 12) << -1.0;
    // Partly outside: only the pixels inside count.
    QTest::newRow("clipped") << ramp << QRect(250, 1, 20, 20) << QRect(250, 1, 6, 1) << "#090909"
                             << "#090909"
                             << "#090909"
                             << "#090909"
                             << "#090909" << 0.0 << 0.0;
    QTest::newRow("outside") << ramp << QRect(300, 0, 5, 5) << QRect() << "#000000"
                             << "#000000"
                             << "#000000"
                             << "#000000"
                             << "#000000" << 0.0 << 0.0;
}

void TestMeasure::figures() {
    QFETCH(QImage, picture);
    QFETCH(QRect, area);
    QFETCH(QRect, measured);
    const AreaFigures f = MeasureArea(picture, area);
    QCOMPARE(f.area, measured);
    QCOMPARE(f.pixels, measured.isEmpty() ? 0 : qint64(measured.width()) * measured.height());
    const auto web = [](Color c) { return WebCode(c); };
    QTEST(web(f.mean), "mean");
    QTEST(web(f.plainAverage), "average");
    QTEST(web(f.median), "median");
    QTEST(web(f.minimum), "minimum");
    QTEST(web(f.maximum), "maximum");
    QFETCH(double, redDeviation);
    QVERIFY2(std::abs(f.channels[0].deviation - redDeviation) < 1e-9,
             qPrintable(QString::number(f.channels[0].deviation)));
    QFETCH(double, spread);
    if (spread >= 0) {
        QVERIFY2(std::abs(f.spread - spread) < 1e-6, qPrintable(QString::number(f.spread)));
    }
}

void TestMeasure::spreadIsTheLargestOfEveryPixel() {
    // Noise in a corner of the colours, over all of them and in the dark, with flat runs and an
    // outlier the shortcut must not skip.
    QRandomGenerator random(20261208);
    for (const quint32 noise : {0x3F7F3Fu, 0xFFFFFFu, 0x0F0F0Fu}) {
        QImage picture(97, 61, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const quint32 v = random.generate() & noise;
                picture.setPixel(x, y, y % 7 == 0 ? qRgb(90, 140, 200) : (0xFF000000u | v));
            }
        }
        picture.setPixel(40, 30, qRgb(250, 20, 240));
        for (const QRect& area : {picture.rect(), QRect(0, 0, 40, 30), QRect(41, 31, 50, 20)}) {
            const AreaFigures f = MeasureArea(picture, area);
            const LinearRgb light{f.channels[0].light, f.channels[1].light, f.channels[2].light};
            const LabValue mean = CielabOf(light);
            double largest = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const Color c = Color::fromQColor(picture.pixelColor(x, y));
                    largest = std::max(largest, DeltaE2000(mean, CielabOf(LinearOf(c))));
                }
            }
            QCOMPARE(f.spread, largest);
        }
    }
}

void TestMeasure::palette_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("colors"); // "#RRGGBB pixels", largest first
    QTest::addColumn<int>("tolerance");      // how far each channel may be from the code given

    const QImage four = FlatPicture({{qRgb(0, 0, 255), 1500},
                                     {qRgb(255, 0, 0), 5000},
                                     {qRgb(255, 255, 0), 500},
                                     {qRgb(0, 255, 0), 3000}});
    const QStringList fourColors{"#FF0000 5000", "#00FF00 3000", "#0000FF 1500", "#FFFF00 500"};
    QTest::newRow("as many as there are") << four << 4 << fourColors << 0;
    QTest::newRow("more asked than there are") << four << 6 << fourColors << 0;
    // Two near reds and two near blues make two colours, each the mean of its pair in Oklab.
    const QImage pairs = FlatPicture({{qRgb(200, 0, 0), 300},
                                      {qRgb(204, 0, 0), 300},
                                      {qRgb(0, 0, 200), 100},
                                      {qRgb(0, 0, 204), 100}});
    QTest::newRow("near colours merge")
        << pairs << 2 << QStringList{"#CA0000 600", "#0000CA 200"} << 0;
    // Noise of two around two flat colours: each comes back within the noise.
    QImage noisy = FlatPicture({{qRgb(40, 120, 200), 6000}, {qRgb(230, 200, 60), 4000}});
    QRandomGenerator random(7);
    for (int y = 0; y < noisy.height(); ++y) {
        for (int x = 0; x < noisy.width(); ++x) {
            const QColor c = noisy.pixelColor(x, y);
            const auto jitter = [&](int v) { return v + int(random.bounded(5)) - 2; };
            noisy.setPixel(x, y, qRgb(jitter(c.red()), jitter(c.green()), jitter(c.blue())));
        }
    }
    QTest::newRow("noisy") << noisy << 2 << QStringList{"#2878C8 6000", "#E6C83C 4000"} << 1;
}

void TestMeasure::palette() {
    QFETCH(QImage, picture);
    QFETCH(int, count);
    QFETCH(QStringList, colors);
    const QList<ColorShare> shares = DominantColors(picture, picture.rect(), count);
    QCOMPARE(DominantColors(picture, picture.rect(), count), shares); // the same every time
    QFETCH(int, tolerance);
    QCOMPARE(shares.size(), colors.size());
    double total = 0;
    for (qsizetype i = 0; i < shares.size(); ++i) {
        const QStringList expected = colors[i].split(QLatin1Char(' '));
        const Color want = Color::fromQColor(QColor(expected[0]));
        const Color got = shares[i].color;
        QVERIFY2(std::abs(got.red() - want.red()) <= tolerance &&
                     std::abs(got.green() - want.green()) <= tolerance &&
                     std::abs(got.blue() - want.blue()) <= tolerance,
                 qPrintable(WebCode(got) + QLatin1String(" for ") + colors[i]));
        QCOMPARE(shares[i].pixels, expected[1].toLongLong());
        total += shares[i].share;
    }
    QCOMPARE(std::round(total * 1e9) / 1e9, 1.0);
    QCOMPARE(ShareText(0.314), QStringLiteral("31 % of the area"));
}

QTEST_GUILESS_MAIN(TestMeasure)
#include "test_measure.moc"
