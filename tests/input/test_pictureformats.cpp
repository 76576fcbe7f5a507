// The formats beyond the eight described ones (PNG, WebP, TIFF, SVG, HEIC, AVIF, JPEG XL): each
// fixture's size and stored pixels, the sRGB values profiled pictures show (expected values from
// lcms2's transicc, see tests/data/make-modern-fixtures.sh), and damaged or oversized files.

#include "input/LoadPicture.h"
#include "input/RasterDecoders.h"
#include "input/cms/PreciseColor.h"
#include "input/cms/SrgbConversion.h"
#include "pixels/Perceptual.h"
#include "pixels/PlatformError.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>

namespace {

struct Probe {
    int x;
    int y;
    QRgb rgb;
    int alpha = 255;
};
using Probes = QList<Probe>;

QString DataPath(const QString& name) {
    return QDir(qEnvironmentVariable("HUEMARK_TEST_DATA"))
        .filePath(QStringLiteral("modern/") + name);
}

// The four 8 × 8 blocks of most fixtures, at the centre of each block.
Probes Blocks(QRgb topLeft, QRgb topRight, QRgb bottomLeft, QRgb bottomRight) {
    return {{4, 4, topLeft}, {12, 4, topRight}, {4, 12, bottomLeft}, {12, 12, bottomRight}};
}
const Probes kStoredBlocks = Blocks(0x123456, 0xFF0000, 0x808080, 0xFFFFFF);
// The same blocks read as Display P3 and shown in sRGB (transicc -t1).
const Probes kP3Blocks = Blocks(0x003559, 0xFF0000, 0x808080, 0xFFFFFF);

QString Hex(QRgb v) {
    return QStringLiteral("%1").arg(v & 0xFFFFFF, 6, 16, QChar(u'0'));
}

void CheckProbes(const QImage& image, const Probes& probes, int tolerance) {
    for (const Probe& p : probes) {
        const QColor c = image.pixelColor(p.x, p.y);
        QVERIFY2(
            qAbs(c.alpha() - p.alpha) <= 1,
            qPrintable(QStringLiteral("alpha at (%1, %2) is %3").arg(p.x).arg(p.y).arg(c.alpha())));
        if (p.alpha == 0) {
            continue;
        }
        const bool near = qAbs(c.red() - qRed(p.rgb)) <= tolerance &&
                          qAbs(c.green() - qGreen(p.rgb)) <= tolerance &&
                          qAbs(c.blue() - qBlue(p.rgb)) <= tolerance;
        QVERIFY2(near, qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                      .arg(p.x)
                                      .arg(p.y)
                                      .arg(Hex(c.rgb()), Hex(p.rgb))));
    }
}

// Lowers the pixel limit for one case and puts it back.
class PixelLimit {
public:
    explicit PixelLimit(qint64 bytes) : m_before(MaxPictureBytes()) {
        if (bytes > 0) {
            SetMaxPictureBytes(bytes);
        }
    }
    ~PixelLimit() { SetMaxPictureBytes(m_before); }
    PixelLimit(const PixelLimit&) = delete;
    PixelLimit& operator=(const PixelLimit&) = delete;

private:
    qint64 m_before;
};

} // namespace

Q_DECLARE_METATYPE(Probe)

class TestPictureFormats : public QObject {
    Q_OBJECT
private slots:
    void storedPixels_data();
    void storedPixels();
    void shownColors_data();
    void shownColors();
    void oneTransformPerProfile();
    void keptValues_data();
    void keptValues();
    void cssSpaces_data();
    void cssSpaces();
    void refuses_data();
    void refuses();
};

void TestPictureFormats::storedPixels_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("opaque");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<Probes>("probes");
    QTest::addColumn<qint64>("pixelLimit"); // bytes; 0 for the usual limit

    const QSize blocks(16, 16);
    QTest::newRow("PNG 8 bits") << "png-rgb8.png" << blocks << true << 0 << kStoredBlocks << 0LL;
    // 385 and 128 at 16 bits round to 1 and 0 (truncating or Qt's own conversion give 2 and 1).
    QTest::newRow("PNG 16 bits with alpha, rounded")
        << "png-rgba16.png" << QSize(3, 1) << false << 0
        << Probes{{0, 0, qRgb(1, 0, 255)},
                  {1, 0, qRgb(0x12, 0x80, 0xFF)},
                  {2, 0, qRgb(255, 0, 0), 128}}
        << 0LL;
    QTest::newRow("PNG 16-bit grey, rounded")
        << "png-grey16.png" << QSize(2, 1) << true << 0
        << Probes{{0, 0, qRgb(1, 1, 1)}, {1, 0, qRgb(128, 128, 128)}} << 0LL;
    QTest::newRow("PNG 2-bit palette with a transparent entry")
        << "png-palette2.png" << QSize(4, 1) << false << 0
        << Probes{{0, 0, qRgb(255, 0, 0)},
                  {1, 0, qRgb(0, 255, 0)},
                  {2, 0, qRgb(0, 0, 255)},
                  {3, 0, 0, 0}}
        << 0LL;
    QTest::newRow("PNG 1-bit grey")
        << "png-grey1.png" << QSize(8, 1) << true << 0
        << Probes{{0, 0, 0xFFFFFF}, {1, 0, 0}, {2, 0, 0xFFFFFF}, {7, 0, 0}} << 0LL;
    QTest::newRow("PNG grey with alpha")
        << "png-grey-alpha8.png" << QSize(2, 1) << false << 1
        << Probes{{0, 0, qRgb(64, 64, 64)}, {1, 0, qRgb(192, 192, 192), 128}} << 0LL;
    QTest::newRow("WebP lossless")
        << "webp-lossless.webp" << blocks << true << 0 << kStoredBlocks << 0LL;
    // Found by fuzzing: its header says it uses no alpha, its pixels code 254 (alpha bytes).
    QTest::newRow("WebP lossless, alpha coded but unused")
        << "webp-lossless-alpha-unused.webp" << blocks << true << 0 << Probes{{0, 0, 0xFF34FF}}
        << 0LL;
    QTest::newRow("WebP lossy") << "webp-lossy.webp" << blocks << true << 6 << kStoredBlocks << 0LL;
    QTest::newRow("WebP animated: the first frame")
        << "webp-animated.webp" << blocks << true << 0
        << Probes{{0, 0, 0x00FF00}, {15, 15, 0x00FF00}} << 0LL;
    QTest::newRow("TIFF 8 bits LZW")
        << "tiff-lzw8.tif" << blocks << true << 0 << kStoredBlocks << 0LL;
    QTest::newRow("TIFF 16 bits deflate")
        << "tiff-deflate16.tif" << blocks << true << 0 << kStoredBlocks << 0LL;
    QTest::newRow("TIFF JPEG-compressed")
        << "tiff-jpeg.tif" << blocks << true << 3 << kStoredBlocks << 0LL;
    QTest::newRow("TIFF two pages: the first")
        << "tiff-pages.tif" << blocks << true << 0 << Probes{{0, 0, 0x00FF00}, {15, 15, 0x00FF00}}
        << 0LL;
    QTest::newRow("SVG at its own size") << "svg-sized.svg" << QSize(20, 10) << true << 0
                                         << Probes{{5, 5, 0x123456}, {15, 5, 0xFF0000}} << 0LL;
    QTest::newRow("SVG without a size: as far as it draws")
        << "svg-nosize.svg" << QSize(1000, 1000) << true << 0
        << Probes{{0, 0, 0x00FF00}, {999, 999, 0x00FF00}} << 0LL;
    // 1000000 × 500000 stated; within 4 MiB of pixels (2^20) the largest 2:1 picture.
    QTest::newRow("SVG beyond the limit: drawn smaller")
        << "svg-huge.svg" << QSize(1448, 724) << true << 0
        << Probes{{10, 10, 0x0000FF}, {1440, 720, 0xFFFF00}} << (4LL << 20);
    QTest::newRow("HEIC lossless")
        << "heic-lossless.heic" << blocks << true << 2 << kStoredBlocks << 0LL;
    QTest::newRow("HEIC lossy") << "heic-lossy.heic" << blocks << true << 8 << kStoredBlocks << 0LL;
    QTest::newRow("HEIC 10 bits") << "heic-10bit.heic" << blocks << true << 8 << kStoredBlocks
                                  << 0LL;
    QTest::newRow("AVIF lossless")
        << "avif-lossless.avif" << blocks << true << 1 << kStoredBlocks << 0LL;
    QTest::newRow("AVIF with alpha")
        << "avif-alpha.avif" << blocks << false << 2
        << Probes{{2, 2, qRgb(255, 0, 0)}, {12, 12, qRgb(0, 0, 255), 128}} << 0LL;
    QTest::newRow("JPEG XL grey with alpha")
        << "jxl-grey-alpha.jxl" << QSize(2, 1) << false << 1
        << Probes{{0, 0, qRgb(64, 64, 64)}, {1, 0, qRgb(192, 192, 192), 128}} << 0LL;
    QTest::newRow("JPEG XL lossless")
        << "jxl-lossless.jxl" << blocks << true << 0 << kStoredBlocks << 0LL;
    // Saturated red drifts most in the coder's own colour space.
    QTest::newRow("JPEG XL lossy")
        << "jxl-lossy.jxl" << blocks << true << 28 << kStoredBlocks << 0LL;
}

void TestPictureFormats::storedPixels() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, opaque);
    QFETCH(int, tolerance);
    QFETCH(Probes, probes);
    QFETCH(qint64, pixelLimit);

    const PixelLimit limit(pixelLimit);
    const QImage image = LoadPicture(DataPath(file)).picture;
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    CheckProbes(image, probes, tolerance);
    // The loader promises 0xFF in every RGB32 alpha byte (pixelColor would not show it).
    for (int y = 0; opaque && y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY2(qAlpha(line[x]) == 255,
                     qPrintable(QStringLiteral("alpha byte at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestPictureFormats::shownColors_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("profileName"); // empty: nothing converted
    QTest::addColumn<bool>("notice");         // an unusable profile is told
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<Probes>("shown");

    QTest::newRow("PNG with a Display P3 iCCP") << "png-p3.png"
                                                << "Display P3" << false << 1 << kP3Blocks;
    QTest::newRow("PNG with Display P3 code points (cICP)")
        << "png-cicp-p3.png"
        << "Display P3" << false << 1 << kP3Blocks;
    // From the formulas in the fixture script.
    QTest::newRow("PNG gAMA 1/1.8")
        << "png-gama18.png"
        << "gamma 1.8" << false << 1
        << Blocks(qRgb(23, 68, 105), 0xFF0000, qRgb(146, 146, 146), 0xFFFFFF);
    // ColorMatch RGB's primaries and D50 white, gamma 1.8: adapted to sRGB's white (Bradford).
    QTest::newRow("PNG cHRM and gAMA")
        << "png-chrm-gama.png"
        << "PNG chromaticities, gamma 1.8" << false << 1
        << Blocks(qRgb(0, 68, 104), qRgb(255, 48, 22), qRgb(146, 146, 146), 0xFFFFFF);
    // The same with gamma 1/2.2: a pure power, not sRGB's curve, since the primaries are not
    // sRGB's.
    QTest::newRow("PNG cHRM and gAMA 1/2.2")
        << "png-chrm-gama22.png"
        << "PNG chromaticities, gamma 2.2" << false << 1
        << Blocks(qRgb(0, 49, 84), qRgb(255, 48, 22), qRgb(129, 129, 129), 0xFFFFFF);
    QTest::newRow("PNG sRGB chunk wins over gAMA") << "png-srgb-chunk.png"
                                                   << "" << false << 0 << kStoredBlocks;
    QTest::newRow("PNG with a damaged profile: stored values and a notice")
        << "png-damaged-iccp.png"
        << "" << true << 0 << kStoredBlocks;
    // Found by fuzzing: a colour space signature that names none (once read into an enum).
    QTest::newRow("WebP whose profile names no colour space") << "webp-icc-unknown-space.webp"
                                                              << "" << true << 0 << Probes{};
    // Found by fuzzing: a profile's piece numbered 129 of 1 (once written beyond the list).
    QTest::newRow("JPEG whose profile piece lies beyond its count")
        << "jpeg-icc-piece-beyond-count.jpg"
        << "" << true << 0 << Probes{};
    QTest::newRow("PNG without a profile") << "png-rgb8.png"
                                           << "" << false << 0 << kStoredBlocks;
    QTest::newRow("WebP with Display P3") << "webp-p3.webp"
                                          << "Display P3" << false << 1 << kP3Blocks;
    QTest::newRow("TIFF with Display P3") << "tiff-p3.tif"
                                          << "Display P3" << false << 1 << kP3Blocks;
    QTest::newRow("BigTIFF with Display P3") << "tiff-bigtiff-p3.tif"
                                             << "Display P3" << false << 1 << kP3Blocks;
    QTest::newRow("JPEG with Display P3") << "jpeg-p3.jpg"
                                          << "Display P3" << false << 3 << kP3Blocks;
    QTest::newRow("HEIC with Display P3") << "heic-p3.heic"
                                          << "Display P3" << false << 3 << kP3Blocks;
    QTest::newRow("AVIF naming Display P3 by code points")
        << "avif-nclx-p3.avif"
        << "Display P3" << false << 1 << kP3Blocks;
    QTest::newRow("JPEG XL with Display P3") << "jxl-p3.jxl"
                                             << "Display P3" << false << 1 << kP3Blocks;
    QTest::newRow("JPEG XL in sRGB") << "jxl-lossless.jxl"
                                     << "" << false << 0 << kStoredBlocks;
}

void TestPictureFormats::shownColors() {
    QFETCH(QString, file);
    QFETCH(QString, profileName);
    QFETCH(bool, notice);
    QFETCH(int, tolerance);
    QFETCH(Probes, shown);

    const LoadedPicture loaded = LoadPicture(DataPath(file));
    const QImage& stored = loaded.picture;
    const ColorProfile& profile = loaded.profile;
    const ShownColors colors = ColorsAsShown(stored, profile);
    const QImage& shownPicture = colors.picture.image;
    QVERIFY2(colors.profileName.contains(profileName), qPrintable(colors.profileName));
    QCOMPARE(colors.profileName.isEmpty(), profileName.isEmpty());
    QVERIFY2(colors.notice.isEmpty() != notice, qPrintable(colors.notice));
    QCOMPARE(shownPicture.size(), stored.size());
    QCOMPARE(shownPicture.format(), stored.format());
    CheckProbes(shownPicture, shown, tolerance);
    if (profileName.isEmpty()) {
        // Nothing to convert: the stored picture itself, not a copy.
        QCOMPARE(shownPicture.constBits(), stored.constBits());
    } else {
        // Rows whose width is no multiple of eight end pixel by pixel: the same colours.
        const QRect narrower(0, 0, stored.width() - 1, stored.height());
        QCOMPARE(ColorsAsShown(stored.copy(narrower), profile).picture.image,
                 shownPicture.copy(narrower));
    }
}

// The transform is made once for a profile: a second picture with the same profile, from
// another format, finds it.
void TestPictureFormats::oneTransformPerProfile() {
    const LoadedPicture pngPicture = LoadPicture(DataPath(QStringLiteral("png-p3.png")));
    const LoadedPicture webpPicture = LoadPicture(DataPath(QStringLiteral("webp-p3.webp")));
    const QImage& first = pngPicture.picture;
    const QImage& second = webpPicture.picture;
    const ColorProfile& png = pngPicture.profile;
    const ColorProfile& webp = webpPicture.profile;
    QCOMPARE(webp.icc, png.icc);
    ColorsAsShown(first, png);
    const int cached = CachedTransforms();
    ColorsAsShown(second, webp);
    QCOMPARE(CachedTransforms(), cached);
}

// Pictures stored finer than 8 bits keep their values, at the file's own precision, beside the
// 8-bit picture; 8-bit pictures keep nothing more.
void TestPictureFormats::keptValues_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("bits"); // 0: nothing kept
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("value");
    QTest::newRow("16-bit PNG") << "png-rgba16.png" << 16 << QPoint(1, 0)
                                << "rgb16(4660 32896 65535)";
    QTest::newRow("16-bit grey PNG")
        << "png-grey16.png" << 16 << QPoint(0, 0) << "rgb16(385 385 385)";
    QTest::newRow("16-bit TIFF") << "tiff-deflate16.tif" << 16 << QPoint(4, 4)
                                 << "rgb16(4626 13364 22102)";
    // libheif's heif-convert reads the same values back (as v << 6 in a 16-bit PNG).
    QTest::newRow("10-bit HEIC") << "heic-10bit-lossless.heic" << 10 << QPoint(8, 3)
                                 << "rgb10(37 700 1000)";
    QTest::newRow("floating-point TIFF") << "tiff-float.tif" << StoredColor::kFloat << QPoint(1, 0)
                                         << "rgbf(0.0705882 0.203922 0.337255)";
    QTest::newRow("8-bit PNG") << "png-rgb8.png" << 0 << QPoint() << "";
    QTest::newRow("8-bit JPEG XL") << "jxl-lossless.jxl" << 0 << QPoint() << "";
}

void TestPictureFormats::keptValues() {
    QFETCH(QString, file);
    QFETCH(int, bits);
    QFETCH(QPoint, at);
    QFETCH(QString, value);
    LoadOptions keep;
    keep.keepStoredValues = true;
    const LoadedPicture loaded = LoadPicture(DataPath(file), PictureSource::File, keep);
    const QImage& picture = loaded.picture;
    const StoredValues& values = loaded.fine;
    QCOMPARE(values.isNull(), bits == 0);
    if (bits == 0) {
        return;
    }
    QCOMPARE(values.bits(), bits);
    QCOMPARE(values.size(), picture.size());
    QCOMPARE(StoredText(*values.at(at)), value);
    QVERIFY(!values.at(QPoint(picture.width(), 0)));
}

// The CSS space of a profile, by what it does rather than what it is called; the exact value
// through it is unclipped.
void TestPictureFormats::cssSpaces_data() {
    QTest::addColumn<QString>("file"); // empty: the profile of the code points below
    QTest::addColumn<int>("primaries");
    QTest::addColumn<int>("transfer");
    QTest::addColumn<QString>("space");
    QTest::addColumn<bool>("clipped"); // full red lies beyond sRGB
    QTest::newRow("no profile") << "png-rgb8.png" << 0 << 0 << "srgb" << false;
    QTest::newRow("ICC Display P3") << "png-p3.png" << 0 << 0 << "display-p3" << true;
    QTest::newRow("code points of Display P3")
        << "png-cicp-p3.png" << 0 << 0 << "display-p3" << true;
    QTest::newRow("code points of Rec. 2020") << "" << 9 << 1 << "rec2020" << true;
    // sRGB's primaries under a pure power curve: another space, the same gamut.
    QTest::newRow("gamma 1.8") << "png-gama18.png" << 0 << 0 << "" << false;
}

void TestPictureFormats::cssSpaces() {
    QFETCH(QString, file);
    QFETCH(int, primaries);
    QFETCH(int, transfer);
    QFETCH(QString, space);
    QFETCH(bool, clipped);
    ColorProfile profile = ProfileFromCodePoints(primaries, transfer);
    if (!file.isEmpty()) {
        profile = LoadPicture(DataPath(file)).profile;
    }
    QCOMPARE(CssSpaceOf(profile), space);
    const std::optional<EncodedRgb> red = PreciseSrgb(profile, {1, 0, 0});
    QVERIFY(red);
    QCOMPARE(Clipped(*red), clipped);
}

void TestPictureFormats::refuses_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("says");

    QTest::newRow("PNG 100000 square") << "png-huge.png" << 7 << "too large";
    // The readers we decode with refuse both before they report a size: the loader reads it.
    QTest::newRow("WebP canvas 100000 square") << "damaged-webp-huge.webp" << 7 << "too large";
    QTest::newRow("AVIF 100000 square") << "damaged-avif-huge.avif" << 7 << "too large";
    QTest::newRow("WebP cut short") << "damaged-truncated-webp-lossless.webp" << 481 << "WebP";
    QTest::newRow("TIFF cut short") << "damaged-truncated-tiff-lzw8.tif" << 481 << "TIFF";
    QTest::newRow("HEIC cut short") << "damaged-truncated-heic-lossless.heic" << 481 << "HEIF";
    QTest::newRow("AVIF cut short") << "damaged-truncated-avif-lossless.avif" << 481 << "AVIF";
    QTest::newRow("JPEG XL cut short") << "damaged-truncated-jxl-lossless.jxl" << 481 << "JPEG XL";
}

void TestPictureFormats::refuses() {
    QFETCH(QString, file);
    QFETCH(int, number);
    QFETCH(QString, says);
    try {
        const QImage image = LoadPicture(DataPath(file)).picture;
        QFAIL(qPrintable(
            QStringLiteral("loaded a %1×%2 picture").arg(image.width()).arg(image.height())));
    } catch (const PlatformError& e) {
        QVERIFY2(e.number() == number && e.description().contains(says),
                 qPrintable(QStringLiteral("%1: %2").arg(e.number()).arg(e.description())));
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestPictureFormats test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_pictureformats.moc"
