// Colour codes, inverse colours and channel texts: the table of values every text of the
// program is made from, including -1 (a point outside the picture) and its inverse; and the web
// code read back.

#include "readout/ColorCodes.h"
#include "readout/Details.h"
#include "readout/Sampling.h"

#include <QTest>
#include <limits>
#include <vector>

class TestColorCodes : public QObject {
    Q_OBJECT
private slots:
    void codes_data();
    void codes();
    void numberText_data();
    void numberText();
    void averageSquare_data();
    void averageSquare();
    void detailsText_data();
    void detailsText();
};

void TestColorCodes::codes_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("inverse");
    QTest::addColumn<QString>("inverseCode");
    QTest::addColumn<QString>("channels");

    QTest::newRow("black") << 0 << "000000" << 16777215 << "FFFFFF"
                           << " 0| 0| 0";
    QTest::newRow("white") << 16777215 << "FFFFFF" << 0 << "000000"
                           << " 255| 255| 255";
    QTest::newRow("red") << 255 << "FF0000" << 16776960 << "00FFFF"
                         << " 255| 0| 0";
    QTest::newRow("green") << 65280 << "00FF00" << 16711935 << "FF00FF"
                           << " 0| 255| 0";
    QTest::newRow("blue") << 16711680 << "0000FF" << 65535 << "FFFF00"
                          << " 0| 0| 255";
    QTest::newRow("0x123456") << 1193046 << "563412" << 15584169 << "A9CBED"
                              << " 86| 52| 18";
    QTest::newRow("outside (-1)") << -1 << "FFFFFF" << -16777216 << "0000FF"
                                  << " 255| 255| 255";
    QTest::newRow("one") << 1 << "010000" << 16777214 << "FEFFFF"
                         << " 1| 0| 0";
    QTest::newRow("lowercase never") << 0xabcdef << "EFCDAB" << 0x543210 << "103254"
                                     << " 239| 205| 171";
}

void TestColorCodes::codes() {
    QFETCH(int, value);
    QFETCH(QString, code);
    QFETCH(int, inverse);
    QFETCH(QString, inverseCode);
    QFETCH(QString, channels);

    QCOMPARE(ColorToWeb(value), code);
    QCOMPARE(WebCode(value), QLatin1Char('#') + code);
    QCOMPARE(InverseColor(value), inverse);
    QCOMPARE(ColorToWeb(InverseColor(value)), inverseCode);
    const Color ch = Color::fromValue(value);
    QCOMPARE(NumberText(ch.red()) + '|' + NumberText(ch.green()) + '|' + NumberText(ch.blue()),
             channels);
    // The code read back is the colour of the value's low 24 bits.
    QCOMPARE(ParseWebCode(WebCode(value)), std::optional<Color>(ch));
}

void TestColorCodes::numberText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << " 0";
    QTest::newRow("radius") << 3 << " 3";
    QTest::newRow("channel") << 255 << " 255";
    QTest::newRow("negative") << -4 << "-4";
}

void TestColorCodes::numberText() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText(value), text);
}

// The averaging of a square, on a scripted grid of samples: per channel, only samples inside,
// rounded to nearest; nothing inside reads as a point outside.
void TestColorCodes::averageSquare_data() {
    QTest::addColumn<std::vector<int>>("samples"); // row-major 3x3 around the centre, -1 outside
    QTest::addColumn<int>("radius");
    QTest::addColumn<QString>("code");

    const int W = 0xFFFFFF;
    QTest::newRow("radius 0 reads the centre only")
        << std::vector<int>{W, W, W, W, 255, W, W, W, W} << 0 << "FF0000";
    QTest::newRow("eight black, one white")
        << std::vector<int>{0, 0, 0, 0, W, 0, 0, 0, 0} << 1 << "1C1C1C";
    QTest::newRow("uniform area") << std::vector<int>(9, 0x123456) << 1 << "563412";
    QTest::newRow("white at the edge: outside samples left out")
        << std::vector<int>{-1, -1, -1, W, W, W, W, W, W} << 1 << "FFFFFF";
    QTest::newRow("nothing inside") << std::vector<int>(9, -1) << 1 << "FFFFFF";
    QTest::newRow("rounds half up per channel")
        << std::vector<int>{-1, -1, -1, -1, 0x000001, 0x000002, -1, -1, -1} << 1 << "020000";
    QTest::newRow("radius clamped to 5") << std::vector<int>(9, 0x00FF00) << 99 << "00FF00";
}

void TestColorCodes::averageSquare() {
    QFETCH(std::vector<int>, samples);
    QFETCH(int, radius);
    QFETCH(QString, code);
    // A surface whose 3x3 table sits around (10, 10); further out it repeats the nearest edge
    // sample. Its square sums go through Point one sample at a time.
    struct TableSurface {
        const std::vector<int>& samples;
        mutable int reads = 0;
        ColorValue Point(float x, float y) const {
            ++reads;
            const int dx = std::clamp(static_cast<int>(x) - 10, -1, 1);
            const int dy = std::clamp(static_cast<int>(y) - 10, -1, 1);
            return samples[static_cast<size_t>((dy + 1) * 3 + (dx + 1))];
        }
        ChannelSums SumSquare(float x, float y, int n) const {
            return SumSquareByPoint([this](float px, float py) { return Point(px, py); }, x, y, n);
        }
    } surface{samples};
    QCOMPARE(ColorToWeb(ReadoutColor(surface, 10.0f, 10.0f, radius)), code);
    const int n = std::clamp(radius, kMinRadius, kMaxRadius);
    QCOMPARE(surface.reads, (2 * n + 1) * (2 * n + 1));
}

QTEST_APPLESS_MAIN(TestColorCodes)
// The details line: the stored value at its precision, the profile, the colour shown and the
// clipping mark. The CIEDE2000 figures were worked out apart from this code (a separate script
// after the published formulas) for the exact values lcms2's transicc gives for two Display P3
// colours.
void TestColorCodes::detailsText_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<QList<double>>("stored");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("asStored");
    QTest::addColumn<QList<double>>("precise");
    QTest::addColumn<QString>("text");
    QTest::newRow("8 bits, no profile")
        << 8 << QList<double>{18, 52, 86} << "" << false << QList<double>{}
        << "3, 4 · rgb(18 52 86) · no profile · shown #123456";
    QTest::newRow("a 16-bit mean between integers")
        << 16 << QList<double>{4660.25, 0, 65535} << "" << false << QList<double>{}
        << "3, 4 · rgb16(4660.25 0 65535) · no profile · shown #123456";
    QTest::newRow("floats, beyond 1 and a negative zero")
        << int(StoredColor::kFloat) << QList<double>{-0.0, 1.5, 0.1} << "" << false
        << QList<double>{} << "3, 4 · rgbf(0 1.5 0.1) · no profile · shown #123456";
    QTest::newRow("with the colour's name")
        << 8 << QList<double>{18, 52, 86} << "" << false << QList<double>{}
        << "3, 4 · rgb(18 52 86) · no profile · shown #123456 ≈ midnightblue";
    QTest::newRow("Display P3 red, clipped")
        << 16 << QList<double>{65535, 0, 0} << "Display P3" << false
        << QList<double>{278.7319 / 255, -138.5289 / 255, -64.7133 / 255}
        << "3, 4 · rgb16(65535 0 0) · Display P3 · shown #123456 · clipped, ΔE2000 23.31";
    QTest::newRow("a Display P3 blue, clipped")
        << 16 << QList<double>{4660, 22136, 39612} << "Display P3" << false
        << QList<double>{-44.5416 / 255, 87.7576 / 255, 159.2930 / 255}
        << "3, 4 · rgb16(4660 22136 39612) · Display P3 · shown #123456 · clipped, ΔE2000 3.71";
    QTest::newRow("inside sRGB by less than the slack")
        << 16 << QList<double>{30000, 30000, 30000} << "Display P3" << false
        << QList<double>{1.00005, -0.00005, 0.5}
        << "3, 4 · rgb16(30000 30000 30000) · Display P3 · shown #123456";
    // A float picture may store infinities and NaN: no figure is made up for them.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("an infinity stored, no ΔE")
        << int(StoredColor::kFloat) << QList<double>{inf, 0, 0} << "" << false
        << QList<double>{inf, 0, 0}
        << "3, 4 · rgbf(inf 0 0) · no profile · shown #123456 · not a finite colour";
    QTest::newRow("NaN stored, not taken for a colour inside sRGB")
        << int(StoredColor::kFloat) << QList<double>{nan, nan, nan} << "" << false
        << QList<double>{nan, 0.5, 0.5}
        << "3, 4 · rgbf(nan nan nan) · no profile · shown #123456 · not a finite colour";
    QTest::newRow("beyond where the file ends")
        << 8 << QList<double>{128, 128, 128} << "" << false << QList<double>{}
        << "3, 4 · rgb(128 128 128) · no profile · shown #123456 · the file ends at row 2: no "
           "colour of the picture";
    QTest::newRow("above where a file stored bottom up starts")
        << 8 << QList<double>{0, 0, 0} << "" << false << QList<double>{}
        << "3, 4 · rgb(0 0 0) · no profile · shown #123456 · the file holds rows from 7 only: no "
           "colour of the picture";
    QTest::newRow("stored values shown: nothing clipped")
        << 16 << QList<double>{65535, 0, 0} << "Display P3" << true
        << QList<double>{1.09, -0.54, -0.25}
        << "3, 4 · rgb16(65535 0 0) · Display P3, stored values shown · shown #123456";
}

void TestColorCodes::detailsText() {
    QFETCH(int, bits);
    QFETCH(QList<double>, stored);
    QFETCH(QString, profile);
    QFETCH(bool, asStored);
    QFETCH(QList<double>, precise);
    QFETCH(QString, text);
    PointDetails d;
    d.position = QPoint(3, 4);
    d.stored = StoredColor{bits, {stored[0], stored[1], stored[2]}, {}};
    d.profile = profile;
    d.asStored = asStored;
    d.shown = Color(0x12, 0x34, 0x56);
    d.shownName = text.contains(QStringLiteral("≈")) ? QStringLiteral("≈ midnightblue") : QString();
    if (!precise.isEmpty()) {
        d.precise = EncodedRgb{precise[0], precise[1], precise[2]};
    }
    if (text.contains(QStringLiteral("ends at row"))) {
        d.beyondEndAt = 2;
    }
    if (text.contains(QStringLiteral("rows from"))) {
        d.beforeStartAt = 7;
    }
    QCOMPARE(DetailsText(d), text);
}

#include "test_colorcodes.moc"
