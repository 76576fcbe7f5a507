// Colours as deficient colour vision sees them: the exact conversion against values worked out
// apart from the program; for each vision its key, greys and the fast rows against the exact
// conversion; whole pictures.

#include "pixels/ColorVision.h"
#include "pixels/WebCode.h"

#include <QTest>
#include <vector>

class TestColorVision : public QObject {
    Q_OBJECT
private slots:
    void simulatedColor_data();
    void simulatedColor();
    void eachVision_data();
    void eachVision();
    void simulatedImage_data();
    void simulatedImage();
};

void TestColorVision::simulatedColor_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected"); // protanopia, deuteranopia, tritanopia, grey
    // Worked out apart from the program by a short Python script in double precision: channels
    // decoded with the sRGB curve, the severity 1.0 matrix of Machado, Oliveira and Fernandes
    // applied, clamped to 0 to 1, encoded and rounded to the nearest code; the grey is
    // Y = 0.2126 R + 0.7152 G + 0.0722 B in linear light. Deuteranopia's blue has a green of
    // 61.4987, just below a rounding boundary. Black, white and the greys between stay as they
    // are (eachVision).
    QTest::newRow("red") << "#FF0000" << QStringList{"#6D5F00", "#A39000", "#FF000F", "#7F7F7F"};
    QTest::newRow("green") << "#00FF00" << QStringList{"#FFE500", "#EFD63A", "#00F7D9", "#DCDCDC"};
    QTest::newRow("blue") << "#0000FF" << QStringList{"#0059FF", "#003DFB", "#006B96", "#4C4C4C"};
    QTest::newRow("orange") << "#FFA500" << QStringList{"#C3AC00", "#D9C10E", "#FF8E8D", "#B8B8B8"};
    QTest::newRow("teal") << "#008080" << QStringList{"#777980", "#676E81", "#008580", "#737373"};
}

void TestColorVision::simulatedColor() {
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    const QRgb color = (ParseWebCode(code)->toQColor().rgb() & 0xFFFFFF) | 0x5A000000;
    QCOMPARE(SimulatedColor(ColorVision::Normal, color), color);
    for (int v = 1; v <= 4; ++v) {
        const QRgb seen = SimulatedColor(ColorVision(v), color);
        QCOMPARE(WebCode(Color::fromQColor(QColor(seen))), expected[v - 1]);
        QCOMPARE(qAlpha(seen), 0x5A);
    }
}

void TestColorVision::eachVision_data() {
    QTest::addColumn<int>("vision");
    QTest::addColumn<QString>("key");
    QTest::newRow("normal") << 0 << "normal";
    QTest::newRow("protanopia") << 1 << "protanopia";
    QTest::newRow("deuteranopia") << 2 << "deuteranopia";
    QTest::newRow("tritanopia") << 3 << "tritanopia";
    QTest::newRow("achromatopsia") << 4 << "achromatopsia";
}

// The settings key both ways, spelt exactly. Every matrix row sums to 1, so greys are kept. The
// fast rows give the exact conversion's result over an eighth of all colours (all 16,777,216 take
// some 7 s): every red and green with every eighth blue, from a start that red and green move so
// that every blue is met. Each colour comes twice, at every other colour the second time with
// another alpha; every other row is converted in place.
void TestColorVision::eachVision() {
    QFETCH(int, vision);
    QFETCH(QString, key);
    const auto v = ColorVision(vision);
    QCOMPARE(ColorVisionKey(v), key);
    QCOMPARE(ColorVisionOfKey(key), std::optional(v));
    QCOMPARE(ColorVisionOfKey(key.toUpper()), std::nullopt);
    for (int level = 0; level < 256; ++level) {
        QCOMPARE(SimulatedColor(v, qRgb(level, level, level)), qRgb(level, level, level));
    }
    std::vector<QRgb> in(64);
    std::vector<QRgb> out(in.size());
    for (int red = 0; red < 256; ++red) {
        for (int green = 0; green < 256; ++green) {
            for (int k = 0; k < 32; ++k) {
                in[2 * k] =
                    qRgba(red, green, (red * 3 + green) % 8 + 8 * k, (k * 37 + green) % 256);
                in[2 * k + 1] = k % 2 == 0 ? in[2 * k] : (in[2 * k] & 0xFFFFFF) | 0x80000000;
            }
            const std::vector<QRgb> original = in;
            QRgb* const target = (red + green) % 2 == 1 ? in.data() : out.data();
            SimulateRows(v, in.data(), target, qsizetype(in.size()));
            QRgb exact = 0;
            for (std::size_t i = 0; i < original.size(); ++i) {
                if (i % 2 == 0 || original[i] != original[i - 1]) {
                    exact = SimulatedColor(v, original[i]);
                }
                if (target[i] != exact) {
                    QFAIL(qPrintable(QStringLiteral("%1 gives %2, exact %3")
                                         .arg(original[i], 8, 16)
                                         .arg(target[i], 8, 16)
                                         .arg(exact, 8, 16)));
                }
            }
        }
    }
}

void TestColorVision::simulatedImage_data() {
    QTest::addColumn<int>("vision");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QImage::Format>("expected");
    const int p = int(ColorVision::Protanopia);
    QTest::newRow("rgb32") << p << QImage::Format_RGB32 << QImage::Format_RGB32;
    QTest::newRow("premultiplied")
        << p << QImage::Format_ARGB32_Premultiplied << QImage::Format_ARGB32;
    QTest::newRow("rgb888") << p << QImage::Format_RGB888 << QImage::Format_RGB32;
    QTest::newRow("normal") << 0 << QImage::Format_RGB888 << QImage::Format_RGB888;
}

// A picture already in the result's format (converted into a new one, the source untouched) and
// pictures of other formats (converted where they lie); normal vision shares the source.
void TestColorVision::simulatedImage() {
    QFETCH(int, vision);
    QFETCH(QImage::Format, format);
    QFETCH(QImage::Format, expected);
    QImage argb(37, 5, QImage::Format_ARGB32);
    for (int i = 0; i < 37 * 5; ++i) {
        argb.setPixel(i % 37, i / 37, qRgba(i * 7, i * 3, 255 - i, 255 - i / 37 * 40));
    }
    QImage source = argb.convertToFormat(format);
    source.setDevicePixelRatio(2);
    const QImage before = source.copy();
    const QImage simulated = SimulatedImage(ColorVision(vision), source);
    QCOMPARE(simulated.format(), expected);
    QCOMPARE(simulated.devicePixelRatio(), 2.0);
    QCOMPARE(source, before);
    QCOMPARE(simulated.cacheKey() == source.cacheKey(), vision == 0);
    const QImage reference = source.convertToFormat(expected);
    for (int i = 0; i < 37 * 5; ++i) {
        const QRgb pixel = reference.pixel(i % 37, i / 37);
        QCOMPARE(simulated.pixel(i % 37, i / 37), SimulatedColor(ColorVision(vision), pixel));
    }
}

QTEST_GUILESS_MAIN(TestColorVision)
#include "test_colorvision.moc"
