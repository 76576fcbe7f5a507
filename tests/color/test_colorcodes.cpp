// Colour codes, inverse colours and channel texts: the table of values every text of the
// program is made from, including -1 (a point outside the picture) and its inverse.

#include "color/ColorCodes.h"
#include "color/PickRow.h"
#include "color/Sampling.h"

#include <QTest>
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
    void pickRow_data();
    void pickRow();
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
    const Channels ch = ChannelsOfCode(ColorToWeb(value));
    QCOMPARE(NumberText(ch.red) + '|' + NumberText(ch.green) + '|' + NumberText(ch.blue), channels);
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

// The row a pick adds: its text, and the colours of its first two cells, where a background that
// would read as the list's default (0) is kept visible as near-black.
void TestColorCodes::pickRow_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("colors"); // WebColor back, text; WebBack back, text

    QTest::newRow("red") << 0x0000FF << "#FF0000\t#00FFFF\t 255\t 0\t 0\t"
                         << QList<int>{0x0000FF, 0xFFFF00, 0xFFFF00, 0x0000FF};
    QTest::newRow("black") << 0 << "#000000\t#FFFFFF\t 0\t 0\t 0\t"
                           << QList<int>{0x010101, 0xFFFFFF, 0xFFFFFF, 0};
    QTest::newRow("white") << 0xFFFFFF << "#FFFFFF\t#000000\t 255\t 255\t 255\t"
                           << QList<int>{0xFFFFFF, 0, 0x010101, 0xFFFFFF};
    QTest::newRow("FF8000") << 0x0080FF << "#FF8000\t#007FFF\t 255\t 128\t 0\t"
                            << QList<int>{0x0080FF, 0xFF7F00, 0xFF7F00, 0x0080FF};
}

void TestColorCodes::pickRow() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(QList<int>, colors);
    const PickRow row = RowForPick(value);
    QCOMPARE(row.text, text);
    QCOMPARE(row.code, text.mid(1, 6));
    QCOMPARE((QList<int>{row.webColorBack, row.webColorText, row.webBackBack, row.webBackText}),
             colors);
}

QTEST_APPLESS_MAIN(TestColorCodes)
#include "test_colorcodes.moc"
