// The screen's check apart from the screen: captures made from the chart with one fault each,
// monitors' profiles made with lcms2, gamma ramps as xrandr and a night light set them.

#include "screencheck/Chart.h"
#include "screencheck/Comparison.h"
#include "screencheck/ProfileSummary.h"
#include "screencheck/Ramps.h"
#include "screencheck/Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>
#include <lcms2.h>

namespace {
using Fault = std::function<QImage(const QImage&)>;

// Every pixel's channels through f.
QImage EachChannel(const QImage& chart, const std::function<int(int)>& f) {
    QImage out = chart.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            row[x] = qRgb(f(qRed(row[x])), f(qGreen(row[x])), f(qBlue(row[x])));
        }
    }
    return out;
}

// The chart moved right and down by (dx, dy), what comes in from outside black.
QImage Moved(const QImage& chart, int dx, int dy) {
    QImage out(chart.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    QImage plain = chart;
    plain.setDevicePixelRatio(1);
    painter.drawImage(QPoint(dx, dy), plain);
    return out;
}

QByteArray Saved(cmsHPROFILE profile) {
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// A display profile with the sRGB curve and the given primaries and white, named.
QByteArray MadeProfile(const char* name, cmsCIExyYTRIPLE primaries, cmsCIExyY white) {
    const double srgb[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgb);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(curve);
    cmsMLU* description = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(description, "en", "US", name);
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, description);
    cmsMLUfree(description);
    return Saved(profile);
}

constexpr cmsCIExyYTRIPLE kP3 = {{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}};
constexpr cmsCIExyY kD65 = {0.3127, 0.3290, 1};
constexpr cmsCIExyY kD50 = {0.3457, 0.3585, 1};

// Ramps of 256 entries: level i through f (0 to 1 in, 0 to 1 out) for each channel.
GammaRamps Ramps(const std::function<double(double, int)>& f) {
    GammaRamps r;
    for (int i = 0; i < 256; ++i) {
        const double in = i / 255.0;
        r.red << quint16(std::lround(f(in, 0) * 65535));
        r.green << quint16(std::lround(f(in, 1) * 65535));
        r.blue << quint16(std::lround(f(in, 2) * 65535));
    }
    return r;
}
} // namespace

class TestScreenCheck : public QObject {
    Q_OBJECT
private slots:
    void capture_data();
    void capture();
    void profile_data();
    void profile();
    void ramps_data();
    void ramps();
    void report();
};

void TestScreenCheck::capture_data() {
    QTest::addColumn<QSize>("monitor"); // device pixels
    QTest::addColumn<double>("ratio");
    QTest::addColumn<Fault>("fault");     // the capture made from the chart
    QTest::addColumn<QString>("verdict"); // part of it
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("difference"); // the largest of a channel
    QTest::addColumn<int>("bits");

    const QSize monitor(640, 400);
    const Fault same = [](const QImage& c) { return c; };
    QTest::newRow("exact") << monitor << 1.0 << same << "exact" << QPoint() << 0 << 8;
    QTest::newRow("every value a step up") << monitor << 1.0 << Fault([](const QImage& c) {
        return EachChannel(c, [](int v) { return std::min(v + 1, 255); });
    }) << "values differ by up to 1 (ΔE2000 "
                                           << QPoint() << 1 << 8;
    QTest::newRow("the low two bits dropped")
        << monitor << 1.0
        << Fault([](const QImage& c) { return EachChannel(c, [](int v) { return v & 0xfc; }); })
        << "6 bits a channel come back" << QPoint() << 3 << 6;
    // 16 bits a pixel as a server widens them again: 5 bits of red, the top bits repeated below.
    QTest::newRow("five bits widened") << monitor << 1.0 << Fault([](const QImage& c) {
        return EachChannel(c, [](int v) { return (v & 0xf8) | (v >> 5); });
    }) << "5 bits a channel come back" << QPoint()
                                       << 7 << 5;
    QTest::newRow("moved a pixel right")
        << monitor << 1.0 << Fault([](const QImage& c) { return Moved(c, 1, 0); })
        << "positions off by 1, 0 device pixels" << QPoint(1, 0) << 0 << 8;
    QTest::newRow("moved a pixel left and two down")
        << monitor << 1.0 << Fault([](const QImage& c) { return Moved(c, -1, 2); })
        << "positions off by -1, 2 device pixels" << QPoint(-1, 2) << 0 << 8;
    QTest::newRow("cut short") << monitor << 1.0
                               << Fault([](const QImage& c) { return c.copy(0, 0, 600, 400); })
                               << "the capture holds 600×400 pixels of its 640×400" << QPoint() << 0
                               << 8;
    QTest::newRow("no chart on the screen") << monitor << 1.0 << Fault([](const QImage& c) {
        QImage grey(c.size(), QImage::Format_RGB32);
        grey.fill(0xff303030);
        return grey;
    }) << "corner marks are not where they belong"
                                            << QPoint() << -1 << -1;
    QTest::newRow("ratio 2, exact")
        << QSize(1280, 800) << 2.0 << same << "exact" << QPoint() << 0 << 8;
    // A capture of the logical desktop stretched to the monitor: every pixel doubled.
    QTest::newRow("ratio 2, at logical pixels")
        << QSize(1280, 800) << 2.0 << Fault([](const QImage& c) {
               return c.scaled(c.size() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                   .scaled(c.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
           })
        << "checkerboard does not come back" << QPoint() << 255 << 8;
}

void TestScreenCheck::capture() {
    QFETCH(QSize, monitor);
    QFETCH(double, ratio);
    QFETCH(Fault, fault);
    QFETCH(QString, verdict);
    QFETCH(QPoint, offset);
    QFETCH(int, difference);
    QFETCH(int, bits);
    const Chart chart = MakeChart(monitor, ratio);
    QCOMPARE(chart.image.size(), monitor);
    // Every kind of patch is on it, inside the monitor; the marks all four.
    QCOMPARE(chart.patchesOf(ChartPatch::Kind::Mark).size(), 4);
    QCOMPARE(chart.patchesOf(ChartPatch::Kind::Grey).size(), 256);
    QCOMPARE(chart.patchesOf(ChartPatch::Kind::Primary).size(), 6);
    for (const ChartPatch& p : chart.patches) {
        QVERIFY(!p.area.isEmpty() && QRect(QPoint(), monitor).contains(p.area));
    }
    const CaptureComparison c = CompareCapture(chart, fault(chart.image));
    MonitorReport m;
    m.name = QStringLiteral("DP-1");
    m.capture = c;
    QVERIFY2(Verdict(m).contains(verdict), qPrintable(Verdict(m)));
    QCOMPARE(c.exact, verdict == QLatin1String("exact"));
    if (difference >= 0) {
        QCOMPARE(c.offset, offset);
        QCOMPARE(c.largestDifference, difference);
        QCOMPARE(c.bitsPerChannel, bits);
        QCOMPARE(c.largestDeltaE > 0, difference > 0);
    } else {
        QVERIFY(!c.marksFound);
    }
}

void TestScreenCheck::profile_data() {
    QTest::addColumn<QByteArray>("icc");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("primariesApart"); // red and green more than 2 from sRGB's
    QTest::addColumn<bool>("whiteApart");     // the white more than 2 from D65

    QTest::newRow("none") << QByteArray() << false << "" << false << false;
    QTest::newRow("lcms2's sRGB") << Saved(cmsCreate_sRGBProfile()) << true << "sRGB built-in"
                                  << false << false;
    QTest::newRow("Display P3") << MadeProfile("Display P3", kP3, kD65) << true << "Display P3"
                                << true << false;
    QTest::newRow("P3 primaries, D50 white")
        << MadeProfile("P3 D50", kP3, kD50) << true << "P3 D50" << true << true;
    QTest::newRow("not a profile") << QByteArray(600, 'x') << false << "" << false << false;
}

void TestScreenCheck::profile() {
    QFETCH(QByteArray, icc);
    QFETCH(bool, readable);
    QFETCH(QString, description);
    QFETCH(bool, primariesApart);
    QFETCH(bool, whiteApart);
    const ProfileSummary p = SummarizeProfile(icc);
    QCOMPARE(p.present, !icc.isEmpty());
    QCOMPARE(p.readable, readable);
    QCOMPARE(p.description, description);
    QCOMPARE(p.hash.size(), icc.isEmpty() ? 0 : 12);
    if (!readable) {
        return;
    }
    const QString figures = QStringLiteral("red %1, green %2, blue %3, white %4")
                                .arg(p.red)
                                .arg(p.green)
                                .arg(p.blue)
                                .arg(p.white);
    QVERIFY2((p.red > 2 && p.green > 2) == primariesApart, qPrintable(figures));
    QVERIFY2((p.red < 0.1 && p.green < 0.1 && p.blue < 0.1) == !primariesApart,
             qPrintable(figures));
    QVERIFY2((p.white > 2) == whiteApart && (p.white < 0.1) == !whiteApart, qPrintable(figures));
}

void TestScreenCheck::ramps_data() {
    QTest::addColumn<std::optional<GammaRamps>>("ramps");
    QTest::addColumn<bool>("identity");
    QTest::addColumn<bool>("whiteApart"); // the white more than 1 from D65
    QTest::addColumn<bool>("greyApart");  // the middle grey more than 1 from neutral

    QTest::newRow("unknown") << std::optional<GammaRamps>() << true << false << false;
    QTest::newRow("identity") << std::optional(Ramps([](double v, int) { return v; })) << true
                              << false << false;
    // xrandr --gamma 1:0.9:0.8 (xrandr raises each level to 1 / gamma): white stays white.
    QTest::newRow("xrandr --gamma 1:0.9:0.8") << std::optional(Ramps([](double v, int channel) {
        static const double gamma[] = {1, 0.9, 0.8};
        return std::pow(v, 1 / gamma[channel]);
    })) << false << false << true;
    // A night light scales each channel's ramp down: warmer white, warmer greys.
    QTest::newRow("night light") << std::optional(Ramps([](double v, int channel) {
        static const double top[] = {1, 0.85, 0.7};
        return v * top[channel];
    })) << false << true << true;
    QTest::newRow("a level off by a quarter step") << std::optional(Ramps([](double v, int) {
        return std::abs(v - 128 / 255.0) < 1e-9 ? v + 0.001 : v;
    })) << false << false << false;
}

void TestScreenCheck::ramps() {
    QFETCH(std::optional<GammaRamps>, ramps);
    QFETCH(bool, identity);
    QFETCH(bool, whiteApart);
    QFETCH(bool, greyApart);
    const RampSummary r = SummarizeRamps(ramps);
    QCOMPARE(r.known, ramps.has_value());
    QCOMPARE(r.identity, identity);
    QVERIFY2((r.whiteDeltaE > 1) == whiteApart, qPrintable(QString::number(r.whiteDeltaE)));
    QVERIFY2((r.greyDeltaE > 1) == greyApart, qPrintable(QString::number(r.greyDeltaE)));
}

void TestScreenCheck::report() {
    // Two monitors: one exact with a profile and a night light, one whose capture dropped bits.
    const Chart chart = MakeChart({640, 400}, 1);
    MonitorReport first;
    first.name = QStringLiteral("DP-1");
    first.devicePixels = QRect(0, 0, 640, 400);
    first.profile = SummarizeProfile(MadeProfile("Display P3", kP3, kD65));
    first.profilePlace = QStringLiteral("_ICC_PROFILE");
    first.ramps = SummarizeRamps(Ramps([](double v, int c) { return v * (c == 2 ? 0.7 : 1); }));
    first.rampPlace = QStringLiteral("RandR");
    first.capture = CompareCapture(chart, chart.image);
    MonitorReport second = first;
    second.name = QStringLiteral("HDMI-1");
    second.devicePixels.moveLeft(640);
    second.profile = ProfileSummary();
    second.profilePlace = QStringLiteral("_ICC_PROFILE_1");
    second.ramps = SummarizeRamps(Ramps([](double v, int) { return v; }));
    second.capture =
        CompareCapture(chart, EachChannel(chart.image, [](int v) { return v & 0xf0; }));

    const QString text = ReportText({first, second});
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QVERIFY2(lines[3].startsWith(QStringLiteral("  verdict: exact; what you see differs by the "
                                                "profile \"Display P3\" (red ΔE2000 ")),
             qPrintable(lines[3]));
    QVERIFY2(lines[3].contains(QLatin1String("gamma ramps that are not the identity")),
             qPrintable(lines[3]));
    QVERIFY2(lines[5].contains(QLatin1String("no profile (_ICC_PROFILE_1)")), qPrintable(lines[5]));
    QVERIFY2(lines[7].contains(QLatin1String("4 bits a channel")), qPrintable(lines[7]));
    QVERIFY2(!lines[7].contains(QLatin1String("what you see")), qPrintable(lines[7]));

    const QJsonObject json = QJsonDocument::fromJson(ReportJson({first, second})).object();
    QCOMPARE(json.value(QLatin1String("exact")).toBool(true), false);
    const QJsonArray monitors = json.value(QLatin1String("monitors")).toArray();
    QCOMPARE(monitors.size(), 2);
    const QJsonObject one = monitors[0].toObject();
    QCOMPARE(one.value(QLatin1String("profile"))[QLatin1String("description")].toString(),
             QStringLiteral("Display P3"));
    QVERIFY(one.value(QLatin1String("profile"))[QLatin1String("deltaERed")].toDouble() > 2);
    QCOMPARE(one.value(QLatin1String("capture"))[QLatin1String("exact")].toBool(), true);
    const QJsonObject two = monitors[1].toObject();
    QVERIFY(two.value(QLatin1String("profile")).isNull());
    QCOMPARE(two.value(QLatin1String("capture"))[QLatin1String("bitsPerChannel")].toInt(), 4);
    QCOMPARE(two.value(QLatin1String("verdict")).toString(), Verdict(second));
}

QTEST_GUILESS_MAIN(TestScreenCheck)
#include "test_screencheck.moc"
