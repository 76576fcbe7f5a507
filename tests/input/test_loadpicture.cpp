// Loading pictures: every raster fixture with its size, format and exact pixels; the failures;
// RLE pixels the file skips; metafile formats; and the size limit, measured by peak memory in a
// child process.

#include "input/LoadPicture.h"
#include "pixels/PlatformError.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Colour values are 0x00BBGGRR.
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kLime = 0x00FF00;
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kBlack = 0x000000;
// Colour index 0 of the RLE palettes: what pixels the file skips must show.
constexpr quint32 kIndex0 = 0x563412;

struct Probe {
    int x;
    int y;
    quint32 color;
    int alpha = 255;
};
using Probes = QList<Probe>;

QString DataPath(const QString& name) {
    return QDir(qEnvironmentVariable("HUEMARK_TEST_DATA"))
        .filePath(QStringLiteral("raster/") + name);
}

quint32 ColorValueAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16;
}

bool Near(quint32 a, quint32 b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (qAbs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)) > tolerance) {
            return false;
        }
    }
    return true;
}

// Leaves freed heap blocks full of a pattern, so pixels a decoder forgets to set show it.
void DirtyHeap(qsizetype bytes) {
    for (int k = 0; k < 8; ++k) {
        std::unique_ptr<char[]> block(new char[size_t(bytes)]);
        std::memset(block.get(), 0xa5, size_t(bytes));
        volatile char sink = block[size_t(bytes) - 1];
        (void)sink;
    }
}

// A BMP with a 40-byte header, the RLE palette and the given pixel data.
QByteArray RleBmp(int width, int height, int compression, const QByteArray& stream) {
    static const QList<QRgb> palette = {qRgb(0x12, 0x34, 0x56), qRgb(255, 0, 0), qRgb(0, 255, 0),
                                        qRgb(0, 0, 255), qRgb(255, 255, 255)};
    QByteArray info(40, '\0');
    auto* p = reinterpret_cast<uchar*>(info.data());
    qToLittleEndian<quint32>(40, p);
    qToLittleEndian<qint32>(width, p + 4);
    qToLittleEndian<qint32>(height, p + 8);
    qToLittleEndian<quint16>(1, p + 12);
    qToLittleEndian<quint16>(compression == 1 ? 8 : 4, p + 14);
    qToLittleEndian<quint32>(quint32(compression), p + 16);
    qToLittleEndian<quint32>(quint32(palette.size()), p + 32);
    QByteArray colors;
    for (QRgb c : palette) {
        colors += char(qBlue(c));
        colors += char(qGreen(c));
        colors += char(qRed(c));
        colors += '\0';
    }
    const quint32 offset = quint32(14 + info.size() + colors.size());
    QByteArray header(14, '\0');
    auto* h = reinterpret_cast<uchar*>(header.data());
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(offset + quint32(stream.size()), h + 2);
    qToLittleEndian<quint32>(offset, h + 10);
    return header + info + colors + stream;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) {
        out += char(v);
    }
    return out;
}

// An EMF of 50 × 50 pixels at 96 dpi that fills the rectangle (left, top, right, bottom) red,
// without an outline.
QByteArray FilledEmf(int left, int top, int right, int bottom) {
    QByteArray out;
    const auto u32 = [&out](quint32 v) {
        for (int k = 0; k < 4; ++k) {
            out += char((v >> (8 * k)) & 0xff);
        }
    };
    // Type, size, bounds, frame (0.01 mm), signature, version, six unused counts, the reference
    // device in pixels and in millimetres.
    const quint32 header[] = {1,       88, 0, 0, 49, 49, 0, 0,   1322, 1322, 0x464d4520,
                              0x10000, 0,  0, 0, 0,  0,  0, 960, 960,  254,  254};
    for (quint32 v : header) {
        u32(v);
    }
    for (quint32 v : {39u, 24u, 1u, 0u, 0x0000ffu, 0u}) { // a solid red brush, object 1
        u32(v);
    }
    for (quint32 v : {37u, 12u, 1u, 37u, 12u, 0x80000008u}) { // select it and the null pen
        u32(v);
    }
    for (quint32 v : {43u, 24u, quint32(left), quint32(top), quint32(right), quint32(bottom)}) {
        u32(v);
    }
    for (quint32 v : {14u, 20u, 0u, 16u, 20u}) { // end of file
        u32(v);
    }
    return out;
}

bool AlphaBytesOpaque(const QImage& image, QString* where) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                *where = QStringLiteral("alpha byte at (%1, %2)").arg(x).arg(y);
                return false;
            }
        }
    }
    return true;
}

// Rows top to bottom, one character a pixel: an index of the RLE palette, or k for black.
QStringList PictureRows(const QImage& image) {
    static const QList<quint32> palette = {kIndex0, kRed, kLime, kBlue, kWhite};
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const quint32 v = ColorValueAt(image, x, y);
            const qsizetype index = palette.indexOf(v);
            row += index >= 0 ? QChar(char16_t(u'0' + index)) : QChar(v == kBlack ? u'k' : u'?');
        }
        rows << row;
    }
    return rows;
}

// The child side of the peak-memory tests: loads one file and prints how far the resident set
// grew above what it was before, in KiB, and the error number (0 when it loaded).
int PeakProbe(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const auto statusKib = [](const char* key) {
        QFile status(QStringLiteral("/proc/self/status"));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(key)) {
                return line.mid(qsizetype(std::strlen(key)))
                    .trimmed()
                    .split(' ')
                    .value(0)
                    .toLongLong();
            }
        }
        return -1LL;
    };
    const qint64 before = statusKib("VmRSS:");
    int error = 0;
    QImage image;
    try {
        image = LoadPicture(qEnvironmentVariable("HUEMARK_PEAK_PROBE")).picture;
    } catch (const PlatformError& e) {
        error = e.number();
    }
    const qint64 peak = statusKib("VmHWM:");
    std::printf("%lld %d %d %d\n", peak - before, error, int(image.format()),
                QImageReader::allocationLimit());
    return 0;
}

struct PeakResult {
    qint64 growthKib = -1;
    int error = -1;
    int format = -1;
    int allocationLimitMib = -1; // Qt's readers', after the load
};

PeakResult MeasurePeak(const QString& file) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HUEMARK_PEAK_PROBE"), file);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(240000)) {
        return {};
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 4) {
        return {};
    }
    return {fields[0].toLongLong(), fields[1].toInt(), fields[2].toInt(), fields[3].toInt()};
}

} // namespace

Q_DECLARE_METATYPE(Probe)
Q_DECLARE_METATYPE(QImage::Format)

class TestLoadPicture : public QObject {
    Q_OBJECT
private slots:
    void loads_data();
    void loads();
    void refuses_data();
    void refuses();
    void rlePixels_data();
    void rlePixels();
    void metafileFormat_data();
    void metafileFormat();
    void readerLimitSetBeforeFirstMetafile();
    void largeJpegOpensWithoutCopy();
    void absurdSizeAllocatesNothing_data();
    void absurdSizeAllocatesNothing();
    void contentDecidesNotName_data();
    void contentDecidesNotName();
    void noThreadForTheRows();
};

void TestLoadPicture::loads_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<Probes>("probes");

    constexpr auto rgb = QImage::Format_RGB32;
    constexpr auto argb = QImage::Format_ARGB32_Premultiplied;
    // The 7×5 quadrant picture that most BMP fixtures hold.
    const Probes quad = {{0, 0, kRed},  {3, 1, kRed},   {1, 1, kYellow},
                         {4, 0, kLime}, {6, 1, kLime},  {0, 2, kBlue},
                         {3, 4, kBlue}, {4, 2, kWhite}, {6, 4, kWhite}};

    QTest::newRow("BMP 1 bit") << "bmp-1bit.bmp" << QSize(7, 5) << rgb << 0
                               << Probes{{0, 0, 0xD0E0F0}, {3, 0, 0x604020}, {5, 1, 0xD0E0F0},
                                         {0, 4, 0x604020}, {2, 3, 0xD0E0F0}, {6, 4, 0x604020}};
    QTest::newRow("BMP 4 bit") << "bmp-4bit.bmp" << QSize(7, 5) << rgb << 0
                               << Probes{{0, 0, 0x00FF00},
                                         {6, 0, 0xF09966},
                                         {0, 4, 0xE033CC},
                                         {6, 4, 0x50DD22}};
    QTest::newRow("BMP 8 bit") << "bmp-8bit.bmp" << QSize(7, 5) << rgb << 0
                               << Probes{{0, 0, 0x00FF00},
                                         {6, 0, 0x9A21DE},
                                         {0, 4, 0x84D32C},
                                         {6, 4, 0x1EF50A}};
    QTest::newRow("BMP 16 bit 5-5-5") << "bmp-16bit-555.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP 16 bit 5-6-5 fields")
        << "bmp-16bit-565.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP 24 bit") << "bmp-24bit.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP 32 bit, fourth byte unused")
        << "bmp-32bit.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP 32 bit V5, opaque alpha")
        << "bmp-32bit-v5.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP 32 bit with alpha")
        << "bmp-32bit-alpha.bmp" << QSize(4, 2) << argb << 0
        << Probes{{0, 0, kRed, 128}, {1, 1, kRed, 128}, {2, 0, kBlue}, {3, 1, kBlue}};
    QTest::newRow("BMP top-down") << "bmp-topdown.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP OS/2 4 bit")
        << "bmp-os2-4bit.bmp" << QSize(7, 5) << rgb << 0
        << Probes{{0, 0, 0x00FF00}, {6, 0, 0xF09966}, {0, 4, 0xE033CC}, {6, 4, 0x50DD22}};
    QTest::newRow("BMP OS/2 24 bit") << "bmp-os2-24bit.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP OS/2 2.x, 16-byte header")
        << "bmp-os2v2-16.bmp" << QSize(7, 5) << rgb << 0 << quad;
    QTest::newRow("BMP OS/2 2.x, 64-byte header, 4 bit")
        << "bmp-os2v2-64.bmp" << QSize(7, 5) << rgb << 0
        << Probes{{0, 0, 0x00FF00}, {6, 0, 0xF09966}, {0, 4, 0xE033CC}, {6, 4, 0x50DD22}};
    // Field values scaled to 0..255 and rounded: 10/31 is 82, 7/1023 is 2.
    QTest::newRow("BMP 5-6-5 fields, rounded")
        << "bmp-bitfields-565.bmp" << QSize(4, 1) << rgb << 0
        << Probes{{0, 0, 0x088652}, {1, 0, 0xF7048C}, {2, 0, kWhite}, {3, 0, kBlack}};
    QTest::newRow("BMP 10-10-10 fields, rounded")
        << "bmp-bitfields-101010.bmp" << QSize(4, 1) << rgb << 0
        << Probes{{0, 0, 0xFF8002}, {1, 0, 0x011901}, {2, 0, kWhite}, {3, 0, kBlack}};
    QTest::newRow("BMP truncated: missing rows black")
        << "damaged-bmp-truncated.bmp" << QSize(7, 5) << rgb << 0
        << Probes{{0, 0, kBlack}, {6, 1, kBlack}, {0, 2, kBlue}, {6, 4, kWhite}};

    QTest::newRow("GIF")
        << "gif-static.gif" << QSize(8, 6) << rgb << 0
        << Probes{{0, 0, kRed}, {3, 5, kRed}, {4, 0, kWhite}, {6, 4, kBlue}, {7, 5, kWhite}};
    QTest::newRow("GIF animated: first frame")
        << "gif-animated.gif" << QSize(8, 6) << rgb << 0 << Probes{{0, 0, kLime}, {7, 5, kLime}};
    QTest::newRow("GIF transparent")
        << "gif-transparent.gif" << QSize(8, 6) << argb << 0
        << Probes{{0, 0, kRed}, {3, 5, kRed}, {4, 0, 0, 0}, {7, 5, 0, 0}};
    QTest::newRow("GIF truncated: partial")
        << "damaged-gif-truncated.gif" << QSize(64, 48) << rgb << 8 << Probes{{0, 0, kRed}};

    const Probes blocks = {{0, 0, kRed},   {7, 7, kRed},     {15, 0, kLime},
                           {0, 15, kBlue}, {15, 15, kWhite}, {8, 8, kWhite}};
    QTest::newRow("JPEG") << "jpeg-blocks.jpg" << QSize(16, 16) << rgb << 2 << blocks;
    QTest::newRow("JPEG named .gif") << "jpeg-named-gif.gif" << QSize(16, 16) << rgb << 2 << blocks;
    QTest::newRow("JPEG greyscale")
        << "jpeg-gray.jpg" << QSize(16, 8) << rgb << 1
        << Probes{{0, 0, 0x404040}, {7, 7, 0x404040}, {8, 0, 0xC0C0C0}, {15, 7, 0xC0C0C0}};
    QTest::newRow("JPEG progressive") << "jpeg-progressive.jpg" << QSize(16, 16) << rgb << 2
                                      << Probes{{0, 0, kRed}, {15, 15, kWhite}};
    QTest::newRow("JPEG CMYK") << "jpeg-cmyk.jpg" << QSize(16, 16) << rgb << 2
                               << Probes{{0, 0, kBlue}, {15, 15, kWhite}};
    QTest::newRow("JPEG truncated: partial")
        << "damaged-jpeg-truncated.jpg" << QSize(64, 48) << rgb << 4 << Probes{{0, 0, kRed}};

    QTest::newRow("ICO: the largest of three")
        << "ico-sizes.ico" << QSize(32, 32) << argb << 0
        << Probes{{0, 0, 0, 0}, {7, 7, 0, 0}, {8, 0, kBlue}, {0, 8, kBlue}, {31, 31, kBlue}};
    QTest::newRow("ICO: PNG picture larger than a bitmap one")
        << "ico-png.ico" << QSize(64, 64) << rgb << 0
        << Probes{{0, 0, 0xC04080}, {63, 63, 0xC04080}};
    QTest::newRow("ICO: oversized PNG passed over")
        << "ico-png-oversized.ico" << QSize(16, 16) << rgb << 0
        << Probes{{0, 0, kLime}, {15, 15, kLime}};
    QTest::newRow("ICO: damaged PNG passed over") << "ico-png-truncated.ico" << QSize(16, 16) << rgb
                                                  << 0 << Probes{{0, 0, kLime}, {15, 15, kLime}};
    QTest::newRow("CUR with AND mask") << "cur-4bit.cur" << QSize(16, 16) << argb << 0
                                       << Probes{{0, 0, kRed},    {15, 7, kRed}, {8, 8, kBlue},
                                                 {15, 15, kBlue}, {0, 15, 0, 0}, {7, 8, 0, 0}};
}

void TestLoadPicture::loads() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(QImage::Format, format);
    QFETCH(int, tolerance);
    QFETCH(Probes, probes);

    const QImage image = LoadPicture(DataPath(file)).picture;
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), format);
    if (format == QImage::Format_RGB32) {
        // The picture box reads the buffer itself: every alpha byte must say opaque.
        QString where;
        QVERIFY2(AlphaBytesOpaque(image, &where), qPrintable(where));
    }
    for (const Probe& p : probes) {
        const int alpha = image.pixelColor(p.x, p.y).alpha();
        QVERIFY2(
            qAbs(alpha - p.alpha) <= 1,
            qPrintable(QStringLiteral("alpha at (%1, %2) is %3").arg(p.x).arg(p.y).arg(alpha)));
        if (p.alpha == 0) {
            continue;
        }
        const quint32 value = ColorValueAt(image, p.x, p.y);
        QVERIFY2(Near(value, p.color, tolerance),
                 qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                .arg(p.x)
                                .arg(p.y)
                                .arg(value, 6, 16, QChar(u'0'))
                                .arg(p.color, 6, 16, QChar(u'0'))));
    }
}

void TestLoadPicture::refuses_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("says");

    QTest::newRow("no such file") << QStringLiteral("/nonexistent/picture.bmp") << 53
                                  << "File not found";
    QTest::newRow("a folder") << qEnvironmentVariable("HUEMARK_TEST_DATA") << 75 << "not a file";
    QTest::newRow("empty file") << DataPath("empty.gif") << 481 << "empty";
    QTest::newRow("text") << DataPath("not-a-picture.txt") << 481 << "not a picture in a format";
    QTest::newRow("text starting BM")
        << DataPath("not-a-picture-named.bmp") << 481 << "not a picture in a format";
    QTest::newRow("JPEG header only")
        << DataPath("damaged-jpeg-header-only.jpg") << 481 << "JPEG picture is damaged";
    QTest::newRow("GIF header only")
        << DataPath("damaged-gif-header-only.gif") << 481 << "GIF picture is damaged";
    QTest::newRow("BMP header only")
        << DataPath("damaged-bmp-header-only.bmp") << 481 << "BMP picture is damaged";
    QTest::newRow("BMP pixels beyond the end")
        << DataPath("damaged-bmp-offset.bmp") << 481 << "BMP picture is damaged";
    QTest::newRow("BMP unknown header size")
        << DataPath("damaged-bmp-infosize.bmp") << 481 << "BMP picture is damaged";
    QTest::newRow("ICO pictures beyond the end")
        << DataPath("damaged-ico-offsets.ico") << 481 << "ICO picture is damaged";
    QTest::newRow("BMP 100000 square") << DataPath("damaged-bmp-huge.bmp") << 7 << "too large";
    QTest::newRow("RLE8 100000 square") << DataPath("damaged-rle8-huge.bmp") << 7 << "too large";
    QTest::newRow("GIF screen 65535 square")
        << DataPath("damaged-gif-huge.gif") << 7 << "too large";
    QTest::newRow("JPEG 65000 square") << DataPath("damaged-jpeg-huge.jpg") << 7 << "too large";
    QTest::newRow("progressive JPEG 16000 square")
        << DataPath("damaged-jpeg-progressive-huge.jpg") << 7 << "too large";
    QTest::newRow("BMP 16000 square, one byte of pixels")
        << DataPath("damaged-bmp-1byte.bmp") << 481 << "BMP picture is damaged";
    QTest::newRow("RLE8 16000 square, one byte of pixels")
        << DataPath("damaged-rle8-1byte.bmp") << 481 << "BMP picture is damaged";
    QTest::newRow("ICO with a 100000 square PNG")
        << DataPath("damaged-ico-huge.ico") << 7 << "too large";
}

void TestLoadPicture::refuses() {
    QFETCH(QString, path);
    QFETCH(int, number);
    QFETCH(QString, says);

    try {
        const QImage image = LoadPicture(path).picture;
        QFAIL(qPrintable(
            QStringLiteral("loaded a %1×%2 picture").arg(image.width()).arg(image.height())));
    } catch (const PlatformError& e) {
        QCOMPARE(e.number(), number);
        QVERIFY2(e.description().contains(says), qPrintable(e.description()));
    }
}

void TestLoadPicture::rlePixels_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");

    const auto file = [](const char* name) {
        QFile f(DataPath(QString::fromLatin1(name)));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    QTest::newRow("RLE8 fixture") << file("bmp-rle8.bmp")
                                  << QStringList{"20000000", "11111111", "00044000",
                                                 "00000000", "33000000", "11123422"};
    QTest::newRow("RLE4 fixture") << file("bmp-rle4.bmp")
                                  << QStringList{"20000000", "12341222", "00044000",
                                                 "00000000", "33000000", "12134244"};
    QTest::newRow("delta into the next row")
        << RleBmp(4, 3, 1, Bytes({2, 1, 0, 2, 1, 1, 1, 2, 0, 1}))
        << QStringList{"0000", "0002", "1100"};
    QTest::newRow("delta along the row") << RleBmp(4, 3, 1, Bytes({1, 1, 0, 2, 2, 0, 1, 2, 0, 1}))
                                         << QStringList{"0000", "0000", "1002"};
    QTest::newRow("early end of line, no end of bitmap")
        << RleBmp(4, 3, 1, Bytes({1, 3, 0, 0, 1, 4})) << QStringList{"0000", "4000", "3000"};
    QTest::newRow("run past the right edge is cut")
        << RleBmp(4, 3, 1, Bytes({6, 1, 0, 0, 1, 2, 0, 1})) << QStringList{"0000", "2000", "1111"};
    QTest::newRow("delta below the bottom ends the bitmap")
        << RleBmp(4, 3, 1, Bytes({1, 1, 0, 2, 0, 5, 1, 2})) << QStringList{"0000", "0000", "1000"};
    QTest::newRow("absolute run cut by the end of the file")
        << RleBmp(4, 3, 1, Bytes({0, 4, 1, 2})) << QStringList{"0000", "0000", "1200"};
    QTest::newRow("index beyond the palette is black")
        << RleBmp(4, 3, 1, Bytes({2, 9, 0, 1})) << QStringList{"0000", "0000", "kk00"};
    QTest::newRow("top-down") << RleBmp(4, -3, 1, Bytes({2, 1, 0, 1}))
                              << QStringList{"1100", "0000", "0000"};
    QTest::newRow("RLE4 odd absolute run and pair run")
        << RleBmp(4, 3, 2, Bytes({0, 3, 0x12, 0x30, 0, 0, 3, 0x41, 0, 1}))
        << QStringList{"0000", "4140", "1230"};
    QTest::newRow("RLE4 absolute run padded to a word")
        << RleBmp(8, 1, 2, Bytes({0, 5, 0x12, 0x34, 0x30, 0, 2, 0x22, 0, 1}))
        << QStringList{"12343220"};
}

void TestLoadPicture::rlePixels() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);

    // Twice, each time over freed memory full of a pattern: skipped pixels must not show it.
    for (int round = 0; round < 2; ++round) {
        DirtyHeap(qsizetype(rows.size()) * rows.value(0).size() * 4);
        const QImage image = LoadPictureFromData(bytes).picture;
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(PictureRows(image), rows);
    }
}

void TestLoadPicture::metafileFormat_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<Probes>("probes");

    QTest::newRow("paints every pixel") << FilledEmf(-5, -5, 200, 200) << QImage::Format_RGB32
                                        << Probes{{0, 0, kRed}, {49, 49, kRed}};
    QTest::newRow("paints a corner")
        << FilledEmf(0, 0, 10, 10) << QImage::Format_ARGB32_Premultiplied
        << Probes{{2, 2, kRed}, {49, 49, 0, 0}};
}

void TestLoadPicture::metafileFormat() {
    QFETCH(QByteArray, bytes);
    QFETCH(QImage::Format, format);
    QFETCH(Probes, probes);

    const QImage image = LoadPictureFromData(bytes).picture;
    QCOMPARE(image.size(), QSize(50, 50));
    QCOMPARE(image.format(), format);
    QString where;
    QCOMPARE(AlphaBytesOpaque(image, &where), format == QImage::Format_RGB32);
    for (const Probe& p : probes) {
        QCOMPARE(image.pixelColor(p.x, p.y).alpha(), p.alpha);
        if (p.alpha != 0) {
            QCOMPARE(ColorValueAt(image, p.x, p.y), p.color);
        }
    }
}

// The readers' limit is process-wide; a metafile first opened decodes its embedded pictures under
// it too.
void TestLoadPicture::readerLimitSetBeforeFirstMetafile() {
    const PeakResult result = MeasurePeak(QDir(qEnvironmentVariable("HUEMARK_TEST_DATA"))
                                              .filePath(QStringLiteral("metafile/shapes.emf")));
    QCOMPARE(result.error, 0);
    QCOMPARE(result.allocationLimitMib, 1024);
}

void TestLoadPicture::largeJpegOpensWithoutCopy() {
    // 8000×6000 needs 183 MiB as RGB32, more than Qt opens by default.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("large.jpg"));
    {
        QImage source(8000, 6000, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                line[x] = qRgb(x & 0xff, y & 0xff, (x >> 5) & 0xff);
            }
        }
        QImageWriter writer(path, "jpeg");
        writer.setQuality(80);
        QVERIFY2(writer.write(source), qPrintable(writer.errorString()));
    }

    const QImage image = LoadPicture(path).picture;
    QCOMPARE(image.size(), QSize(8000, 6000));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QVERIFY(Near(ColorValueAt(image, 200, 100), 0x0664C8, 8));

    // Decoding needs one picture buffer; a conversion or copy after it would need a second.
    const qint64 pictureKib = 8000LL * 6000 * 4 / 1024;
    const PeakResult peak = MeasurePeak(path);
    QCOMPARE(peak.error, 0);
    QCOMPARE(peak.format, int(QImage::Format_RGB32));
    QVERIFY2(peak.growthKib > pictureKib * 9 / 10 && peak.growthKib < pictureKib * 3 / 2,
             qPrintable(QStringLiteral("memory grew by %1 KiB for a %2 KiB picture")
                            .arg(peak.growthKib)
                            .arg(pictureKib)));
}

void TestLoadPicture::absurdSizeAllocatesNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("number");
    QTest::newRow("BMP") << "damaged-bmp-huge.bmp" << 7;
    QTest::newRow("RLE8") << "damaged-rle8-huge.bmp" << 7;
    QTest::newRow("GIF") << "damaged-gif-huge.gif" << 7;
    QTest::newRow("JPEG") << "damaged-jpeg-huge.jpg" << 7;
    QTest::newRow("progressive JPEG") << "damaged-jpeg-progressive-huge.jpg" << 7;
    QTest::newRow("ICO") << "damaged-ico-huge.ico" << 7;
    // Within the pixel limit, but with no pixels to fill the picture.
    QTest::newRow("BMP one byte of pixels") << "damaged-bmp-1byte.bmp" << 481;
    QTest::newRow("RLE8 one byte of pixels") << "damaged-rle8-1byte.bmp" << 481;
}

void TestLoadPicture::absurdSizeAllocatesNothing() {
    QFETCH(QString, file);
    QFETCH(int, number);
    const PeakResult peak = MeasurePeak(DataPath(file));
    QCOMPARE(peak.error, number);
    QVERIFY2(peak.growthKib >= 0 && peak.growthKib < 32 * 1024,
             qPrintable(QStringLiteral("memory grew by %1 KiB").arg(peak.growthKib)));
}

// Every format loads the same from a file whose name claims another format.
void TestLoadPicture::contentDecidesNotName_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("lyingName");
    QTest::newRow("GIF as .jpg") << "raster/gif-static.gif"
                                 << "picture.jpg";
    QTest::newRow("JPEG as .bmp") << "raster/jpeg-blocks.jpg"
                                  << "picture.bmp";
    QTest::newRow("BMP as .ico") << "raster/bmp-24bit.bmp"
                                 << "picture.ico";
    QTest::newRow("RLE as .gif") << "raster/bmp-rle8.bmp"
                                 << "picture.gif";
    QTest::newRow("ICO as .cur") << "raster/ico-sizes.ico"
                                 << "picture.cur";
    QTest::newRow("CUR as .wmf") << "raster/cur-4bit.cur"
                                 << "picture.wmf";
    QTest::newRow("WMF as .emf") << "metafile/placeable.wmf"
                                 << "picture.emf";
    QTest::newRow("EMF as .rle") << "metafile/shapes.emf"
                                 << "picture.rle";
    QTest::newRow("EMF without extension") << "metafile/shapes.emf"
                                           << "picture";
}

void TestLoadPicture::contentDecidesNotName() {
    QFETCH(QString, file);
    QFETCH(QString, lyingName);
    const QString original = QDir(qEnvironmentVariable("HUEMARK_TEST_DATA")).filePath(file);
    QTemporaryDir dir;
    const QString renamed = dir.filePath(lyingName);
    QVERIFY(QFile::copy(original, renamed));
    const QImage expected = LoadPicture(original).picture;
    QVERIFY(!expected.isNull());
    QCOMPARE(LoadPicture(renamed).picture, expected);
}

// A first look whose rows would come on a thread the system cannot start (its address space
// spent): the whole picture is decoded on the calling thread, the same pixels as ever.
void TestLoadPicture::noThreadForTheRows() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("a sanitizer's shadow memory needs more address space than the limit leaves");
#else
    QFile file(DataPath(QStringLiteral("region-420.jpg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    LoadOptions firstLook;
    firstLook.firstLook = {QSize(1, 1), false};
    const LoadedPicture ahead = LoadPictureFromData(data, PictureSource::File, firstLook);
    QVERIFY(ahead.arriving); // the rows do come on a thread as a rule
    ahead.arriving->waitFor(ahead.picture.rect());
    const QImage whole = ahead.picture.copy();

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Room for the picture, not for a thread's stack: new threads ask for a larger stack
        // than any the system keeps from threads that ended.
        pthread_attr_t large;
        pthread_attr_init(&large);
        pthread_attr_setstacksize(&large, std::size_t(64) << 20);
        pthread_setattr_default_np(&large);
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            pages = std::fscanf(statm, "%ld", &pages) == 1 ? pages : 0;
            std::fclose(statm);
        }
        const rlim_t room = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (2u << 20);
        const rlimit limit{room, room};
        ::setrlimit(RLIMIT_AS, &limit);
        const LoadedPicture loaded = LoadPictureFromData(data, PictureSource::File, firstLook);
        ::_exit(loaded.arriving == nullptr && loaded.picture == whole ? 0 : 3);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the load ended on a signal");
    QCOMPARE(WEXITSTATUS(status), 0);
#endif
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("HUEMARK_PEAK_PROBE")) {
        return PeakProbe(argc, argv);
    }
    QGuiApplication app(argc, argv);
    TestLoadPicture test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_loadpicture.moc"
