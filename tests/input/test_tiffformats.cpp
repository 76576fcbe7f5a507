// TIFF's sample formats, depths and layouts (tests/data/make-tiff-fixtures.sh): every pixel as
// shown and every value kept, floating-point values clamped the one way (NaN and −∞ to the bottom,
// +∞ to the top, colour and alpha alike) while the kept values stay as stored; the kinds not read
// are refused by name.

#include "input/LoadPicture.h"
#include "pixels/PlatformError.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>
#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

QString DataPath(const QString& name) {
    return QDir(qEnvironmentVariable("HUEMARK_TEST_DATA")).filePath(QStringLiteral("tiff/") + name);
}

// Grey pixels, opaque, and the same values kept in all three channels.
QList<QRgb> Greys(const QList<int>& values) {
    QList<QRgb> pixels;
    for (const int v : values) {
        pixels.append(qRgb(v, v, v));
    }
    return pixels;
}
QList<double> GreysKept(const QList<double>& values) {
    QList<double> kept;
    for (const double v : values) {
        kept << v << v << v;
    }
    return kept;
}

// The twelve values of the floating-point grey fixtures, as stored and as shown.
const QList<double> kFloats = {0.25, 1.5, -0.5, kNaN, kInf, -kInf, 0, 0.5, 1, 0.75, 2, -2};
const QList<int> kFloatsShown = {64, 255, 0, 0, 255, 0, 0, 128, 255, 191, 255, 0};

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

class TestTiffFormats : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void cutShort();
};

void TestTiffFormats::reads_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<QRgb>>("shown");  // each pixel, row by row, not premultiplied
    QTest::addColumn<int>("bits");           // of the kept values; 0: nothing kept
    QTest::addColumn<QList<double>>("kept"); // red, green and blue of each pixel

    const int f = 32; // StoredColor::kFloat
    // Floating point: the shown values clamp, the kept ones are as stored.
    QTest::newRow("grey, 32-bit floats, a strip a row")
        << "grey-float32.tif" << Greys(kFloatsShown) << f << GreysKept(kFloats);
    QTest::newRow("grey, 16-bit floats, big-endian")
        << "grey-float16-be.tif" << Greys(kFloatsShown) << f << GreysKept(kFloats);
    QTest::newRow("grey, 64-bit floats, tiled and compressed")
        << "grey-float64-tiled.tif" << Greys(kFloatsShown) << f << GreysKept(kFloats);
    QTest::newRow("grey, 24-bit floats")
        << "grey-float24.tif" << Greys(kFloatsShown) << f << GreysKept(kFloats);
    // Min-is-white: 1 − v, then clamped (so +∞ is black and −∞ white).
    QTest::newRow("grey min-is-white, 32-bit floats")
        << "grey-float32-miniswhite.tif" << Greys({191, 0, 255, 0, 0, 255, 255, 128, 0, 64, 0, 255})
        << f << GreysKept({0.75, -0.5, 1.5, kNaN, -kInf, kInf, 1, 0.5, 0, 0.25, -1, 3});
    QTest::newRow("grey with alpha of NaN, ±∞, 2 and −1, 32-bit floats")
        << "greyalpha-float32.tif" << QList<QRgb>{0,
                                                  qRgb(128, 128, 128),
                                                  0,
                                                  qRgb(128, 128, 128),
                                                  0,
                                                  qRgb(0, 0, 0),
                                                  qRgba(64, 64, 64, 128)}
        << f << GreysKept({0.5, 0.5, 0.5, 0.5, 0.5, kNaN, 0.25});
    const QList<double> rgbFloats = {0.25, 0.5, 1, kNaN, kInf, -kInf, 1.5, -0.5, 0.75,
                                     0,    0,   0, 1,    1,    1,     0.5, 0.25, 0.125};
    const QList<QRgb> rgbFloatsShown = {qRgb(64, 128, 255), qRgb(0, 255, 0),     qRgb(255, 0, 191),
                                        qRgb(0, 0, 0),      qRgb(255, 255, 255), qRgb(128, 64, 32)};
    QTest::newRow("RGB, 64-bit floats") << "rgb-float64.tif" << rgbFloatsShown << f << rgbFloats;
    QTest::newRow("RGB, 16-bit floats, big-endian")
        << "rgb-float16-be.tif" << rgbFloatsShown << f << rgbFloats;
    // Associated alpha: each colour at most its alpha; kept divided by an alpha below 1.
    QTest::newRow("RGB with associated alpha, 16-bit floats")
        << "rgba-float16-associated.tif"
        << QList<QRgb>{qRgba(128, 64, 255, 128), qRgb(255, 128, 0), 0, qRgb(255, 0, 64),
                       qRgba(255, 255, 255, 128)}
        << f
        << QList<double>{0.5, 0.25, 1, kInf, 0.5, kNaN, 0.5, 0.5, 0.5, 2, -1, 0.25, 1.5, 1.5, 1.5};
    QTest::newRow("RGB with alpha in planes of tiles, 64-bit floats")
        << "rgba-float64-planes-tiled.tif"
        << QList<QRgb>{0, qRgb(255, 0, 0), 0, qRgba(0, 0, 255, 128)} << f
        << QList<double>{0.25, 0.5, 0.75, 1, 0, 0, 0, 1, 0, 0, 0, 1};

    // Integers: signed ones moved up by half their range; deeper than 16 bits kept at 16.
    QTest::newRow("grey, 2 bits") << "grey-uint2.tif" << Greys({0, 85, 170, 255}) << 0
                                  << QList<double>();
    QTest::newRow("grey, 12 bits, big-endian")
        << "grey-uint12-be.tif" << Greys({0, 255, 128, 0}) << 12 << GreysKept({0, 4095, 2048, 1});
    QTest::newRow("grey min-is-white, 16 bits")
        << "grey-uint16-miniswhite.tif" << Greys({255, 0, 254, 127}) << 16
        << GreysKept({65535, 0, 65150, 32639});
    QTest::newRow("grey, 24 bits, big-endian") << "grey-uint24-be.tif" << Greys({0, 255, 128, 18})
                                               << 16 << GreysKept({0, 65535, 32768, 4660});
    QTest::newRow("grey, 32 bits") << "grey-uint32.tif" << Greys({0, 255, 128, 18}) << 16
                                   << GreysKept({0, 65535, 32768, 4660});
    QTest::newRow("grey, 64 bits") << "grey-uint64.tif" << Greys({0, 255, 128, 18}) << 16
                                   << GreysKept({0, 65535, 32768, 4660});
    QTest::newRow("grey, 8-bit signed")
        << "grey-int8.tif" << Greys({0, 255, 128, 127}) << 0 << QList<double>();
    QTest::newRow("grey, 16-bit signed, big-endian, tiled")
        << "grey-int16-be-tiled.tif" << Greys({0, 255, 128, 127}) << 16
        << GreysKept({0, 65535, 32768, 32767});
    QTest::newRow("grey, 32-bit signed") << "grey-int32.tif" << Greys({0, 255, 128, 127}) << 16
                                         << GreysKept({0, 65535, 32768, 32767});
    QTest::newRow("grey, 64-bit signed") << "grey-int64.tif" << Greys({0, 255, 128, 64}) << 16
                                         << GreysKept({0, 65535, 32768, 16384});
    QTest::newRow("grey with associated alpha, 12 bits, in planes")
        << "greyalpha-uint12-associated-planes.tif"
        << QList<QRgb>{qRgb(128, 128, 128), qRgba(128, 128, 128, 128), 0} << 12
        << GreysKept({2048, 2048, 0});
    QTest::newRow("RGB, 16 bits in planes")
        << "rgb-uint16-planes.tif" << QList<QRgb>{qRgb(0x12, 0x80, 0xff), qRgb(1, 0, 0)} << 16
        << QList<double>{0x1234, 0x8080, 0xffff, 385, 128, 0};
    QTest::newRow("RGB, 10 bits") << "rgb-uint10.tif"
                                  << QList<QRgb>{qRgb(255, 0, 128), qRgb(9, 174, 249)} << 10
                                  << QList<double>{1023, 0, 512, 37, 700, 1000};
    QTest::newRow("RGB, 32 bits, big-endian")
        << "rgb-uint32-be.tif" << QList<QRgb>{qRgb(255, 0, 128), qRgb(18, 154, 0)} << 16
        << QList<double>{65535, 0, 32768, 4660, 39612, 0};
    QTest::newRow("RGB, 8-bit signed")
        << "rgb-int8.tif" << QList<QRgb>{qRgb(0, 128, 255), qRgb(127, 192, 64)} << 0
        << QList<double>();
    QTest::newRow("RGB with alpha and one more sample, 16 bits")
        << "rgba-uint16-extra.tif" << QList<QRgb>{qRgb(0x12, 0x80, 0xff), qRgba(255, 0, 0, 128)}
        << 16 << QList<double>{0x1234, 0x8080, 0xffff, 65535, 0, 0};
    QTest::newRow("RGB, 8 bits, tiled")
        << "rgb-uint8-tiled.tif"
        << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0x12, 0x34, 0x56)} << 0
        << QList<double>();
    QTest::newRow("CMYK, 8 bits, tiled")
        << "cmyk-uint8-tiled.tif"
        << QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 255, 255), qRgb(0, 0, 0), qRgb(127, 127, 0)}
        << 0 << QList<double>();
    QTest::newRow("palette, 10 bits")
        << "palette-uint10.tif" << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 18, 255), qRgb(1, 0, 128)}
        << 16 << QList<double>{65535, 0, 0, 0, 4660, 65535, 385, 128, 32896};
    QTest::newRow("palette, 4 bits, tiled")
        << "palette-uint4-tiled.tif"
        << QList<QRgb>{qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(85, 0, 170)} << 0 << QList<double>();
}

void TestTiffFormats::reads() {
    QFETCH(QString, file);
    QFETCH(QList<QRgb>, shown);
    QFETCH(int, bits);
    QFETCH(QList<double>, kept);
    LoadOptions keep;
    keep.keepStoredValues = true;
    const LoadedPicture loaded = LoadPicture(DataPath(file), PictureSource::File, keep);
    const QImage& picture = loaded.picture;
    QCOMPARE(qsizetype(picture.width()) * picture.height(), shown.size());
    const StoredValues& values = loaded.fine;
    QCOMPARE(values.isNull(), bits == 0);
    QCOMPARE(values.bits(), bits);
    for (int i = 0; i < shown.size(); ++i) {
        const QPoint at(i % picture.width(), i / picture.width());
        const QRgb want = qPremultiply(shown[i]);
        const QRgb got = picture.format() == QImage::Format_RGB32
                             ? picture.pixel(at)
                             : reinterpret_cast<const QRgb*>(picture.constScanLine(at.y()))[at.x()];
        QVERIFY2(got == want, qPrintable(QStringLiteral("(%1, %2) shows %3, not %4")
                                             .arg(at.x())
                                             .arg(at.y())
                                             .arg(got, 8, 16, QChar(u'0'))
                                             .arg(want, 8, 16, QChar(u'0'))));
        if (bits == 0) {
            continue;
        }
        const std::array<double, 3> v = values.at(at)->values;
        QVERIFY2(Same(v[0], kept[3 * i]) && Same(v[1], kept[3 * i + 1]) &&
                     Same(v[2], kept[3 * i + 2]),
                 qPrintable(QStringLiteral("(%1, %2) keeps %3 %4 %5")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(v[0])
                                .arg(v[1])
                                .arg(v[2])));
    }
}

void TestTiffFormats::refuses_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("says");
    const QString kind = QStringLiteral("this kind of TIFF is not supported (%1).");
    QTest::newRow("CMYK, 16 bits") << "cmyk-uint16.tif" << kind.arg("CMYK with 16-bit samples");
    QTest::newRow("CMYK with three channels")
        << "cmyk-3channels.tif" << kind.arg("CMYK with 3 channels");
    QTest::newRow("RGB with two channels")
        << "rgb-2channels.tif" << kind.arg("RGB with 2 channels");
    QTest::newRow("complex samples")
        << "grey-complex64.tif" << kind.arg("grey with 64-bit complex samples");
    QTest::newRow("12-bit floats")
        << "grey-float12.tif" << kind.arg("grey with 12-bit floating-point samples");
    QTest::newRow("signed palette")
        << "palette-int8.tif" << kind.arg("palette with 8-bit signed integer samples");
    QTest::newRow("YCbCr, 16 bits") << "ycbcr-uint16.tif" << kind.arg("YCbCr with 16-bit samples");
}

void TestTiffFormats::refuses() {
    QFETCH(QString, file);
    QFETCH(QString, says);
    try {
        const QImage image = LoadPicture(DataPath(file)).picture;
        QFAIL(qPrintable(
            QStringLiteral("loaded a %1×%2 picture").arg(image.width()).arg(image.height())));
    } catch (const PlatformError& e) {
        QVERIFY2(e.number() == 481 && e.description().contains(says),
                 qPrintable(QStringLiteral("%1: %2").arg(e.number()).arg(e.description())));
    }
}

// Floats cut short, the first of the two strips whole: its row is the whole file's, and the
// file ends at the second.
void TestTiffFormats::cutShort() {
    const LoadedPicture whole = LoadPicture(DataPath(QStringLiteral("grey-float32.tif")));
    const LoadedPicture cut = LoadPicture(DataPath(QStringLiteral("damaged-grey-float32.tif")));
    QCOMPARE(cut.picture.size(), whole.picture.size());
    QCOMPARE(cut.endsAtRow, std::optional<int>(1));
    QVERIFY(!whole.endsAtRow);
    for (int x = 0; x < whole.picture.width(); ++x) {
        QCOMPARE(cut.picture.pixel(x, 0), whole.picture.pixel(x, 0));
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestTiffFormats test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_tiffformats.moc"
