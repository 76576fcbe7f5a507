// Files cut short: each format's whole fixture cut just after its header, at a half and three
// quarters of its bytes and one byte short, loaded as a whole, with a first look (on the command
// line's terms and the window's) and in parts. Every row above where the file is said to end
// holds the whole file's pixels bit for bit; where it ends lies within the picture, and low
// only where the format allows (a progressive JPEG's, an interlaced picture's first passes); a
// file that holds every row is whole. Formats whose decoders cannot give part of a picture refuse
// it, in one line.

#include "input/LoadPicture.h"
#include "input/PictureRegion.h"
#include "pixels/PlatformError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTest>
#include <QtEndian>
#include <cstring>
#include <optional>
#include <vector>

#include <zlib.h>

namespace {

// least: the file may be refused (nothing of it decodes), or said to end at its top row.
constexpr int kMayRefuse = -1;
// exact: no row is foretold.
constexpr int kAnyRow = -1;
// exact: the file is whole.
constexpr int kWhole = -2;
// least and exact, kBottomUp + k: stored from the bottom up, it holds the rows from row k down.
constexpr int kBottomUp = -1000;

QByteArray Fixture(const QString& name) {
    QFile file(QDir(qEnvironmentVariable("HUEMARK_TEST_DATA")).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where the first pixel data begin: a JPEG's first scan, a PNG's first IDAT chunk, a GIF's first
// frame's codes, a BMP's pixels, a WebP's bitstream; 0 for anything else.
qsizetype PixelsStart(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    if (data.startsWith("\xff\xd8")) {
        for (qsizetype i = 2; i + 4 <= n;) {
            const qsizetype length = qFromBigEndian<quint16>(p + i + 2);
            if (p[i + 1] == 0xda) {
                return i + 2 + length;
            }
            i += 2 + length;
        }
    } else if (data.startsWith("\x89PNG")) {
        const qsizetype at = data.indexOf("IDAT");
        return at < 0 ? 0 : at + 4;
    } else if (data.startsWith("GIF")) {
        qsizetype at = 13 + ((p[10] & 0x80) != 0 ? 3 * (qsizetype(2) << (p[10] & 7)) : 0);
        while (at < n && p[at] == 0x21) {
            at += 2;
            while (at < n && p[at] != 0) {
                at += 1 + p[at];
            }
            ++at;
        }
        if (at + 10 <= n && p[at] == 0x2c) {
            const uchar flags = p[at + 9];
            return at + 10 + ((flags & 0x80) != 0 ? 3 * (qsizetype(2) << (flags & 7)) : 0) + 1;
        }
    } else if (data.startsWith("BM")) {
        return qFromLittleEndian<quint32>(p + 10);
    } else if (data.startsWith("RIFF")) {
        return 30;
    }
    return 0;
}

QString Hex(QRgb v) {
    return QStringLiteral("%1").arg(v, 8, 16, QChar(u'0'));
}

// The first row where the two pictures differ, as 32-bit pixels; height when none does.
int FirstRowDiffering(const QImage& a, const QImage& b, QString* where) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (p[col] != q[col]) {
                *where = QStringLiteral("(%1, %2) is %3, not %4")
                             .arg(col)
                             .arg(row)
                             .arg(Hex(p[col]), Hex(q[col]));
                return row;
            }
        }
    }
    return x.height();
}

// The picture and where it ends, once every row has arrived.
struct Loaded {
    QImage picture;
    std::optional<int> endsAtRow;
    int startsAtRow = 0; // stored from the bottom up: the rows above are missing
};

std::optional<Loaded> Load(const QByteArray& data, const FirstLookArea& look, QString* refusal) {
    try {
        LoadOptions options;
        options.firstLook = look;
        const LoadedPicture loaded = LoadPictureFromData(data, PictureSource::File, options);
        if (loaded.arriving) {
            loaded.arriving->waitFor(loaded.picture.rect());
            if (!loaded.arriving->complete()) {
                // Every pixel is final, and the job marks itself done right after.
                while (!loaded.arriving->complete()) {
                    QTest::qWait(1);
                }
            }
            return Loaded{loaded.picture.copy(), loaded.arriving->endsAtRow()};
        }
        return Loaded{loaded.picture, loaded.endsAtRow, loaded.startsAtRow};
    } catch (const PlatformError& e) {
        *refusal = e.description();
        return std::nullopt;
    }
}

// The bytes a PNG's pixels inflate to: its IDAT chunks' data, as far as the file goes.
qint64 InflatedBytes(const QByteArray& png) {
    const auto* p = reinterpret_cast<const uchar*>(png.constData());
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return -1;
    }
    std::vector<uchar> out(4096);
    qint64 total = 0;
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(p + at);
        if (std::memcmp(p + at + 4, "IDAT", 4) == 0) {
            stream.next_in = const_cast<uchar*>(p + at + 8);
            stream.avail_in = uInt(std::min<qsizetype>(length, png.size() - at - 8));
            int status = Z_OK;
            while (stream.avail_in > 0 && status == Z_OK) {
                stream.next_out = out.data();
                stream.avail_out = uInt(out.size());
                status = inflate(&stream, Z_NO_FLUSH);
                total += qint64(out.size() - stream.avail_out);
            }
        }
        at += 12 + length;
    }
    inflateEnd(&stream);
    return total;
}

// The rows from the top whose bytes are all among `inflated` (each row a filter byte and its
// pixels' bytes); interlaced, the seven passes' pictures one after the other, the last of them
// every second row from row 1, whole, the one before it the even rows' other half.
int WholePngRows(const QByteArray& png, qint64 inflated) {
    const auto* p = reinterpret_cast<const uchar*>(png.constData());
    const qint64 w = qFromBigEndian<quint32>(p + 16);
    const qint64 h = qFromBigEndian<quint32>(p + 20);
    const int channels = QList<int>{1, 0, 3, 1, 2, 0, 4}.value(p[25]);
    const auto rowBytes = [&](qint64 columns) { return 1 + (columns * channels * p[24] + 7) / 8; };
    if (p[28] == 0) {
        return int(std::min(h, inflated / rowBytes(w)));
    }
    const qint64 passes[6][2] = {{(w + 7) / 8, (h + 7) / 8}, {(w + 3) / 8, (h + 7) / 8},
                                 {(w + 3) / 4, (h + 3) / 8}, {(w + 1) / 4, (h + 3) / 4},
                                 {(w + 1) / 2, (h + 1) / 4}, {w / 2, (h + 1) / 2}};
    qint64 before = 0; // the bytes before the last pass
    qint64 sixth = 0;  // before the sixth
    for (const auto& pass : passes) {
        sixth = before;
        before += pass[0] > 0 ? pass[1] * rowBytes(pass[0]) : 0;
    }
    if (inflated < before) {
        // Row 0 is whole once the sixth pass's first row has come (it has none in the last).
        return inflated >= sixth + rowBytes(passes[5][0]) ? 1 : 0;
    }
    return int(std::min(h, 2 * ((inflated - before) / rowBytes(w)) + 1));
}

} // namespace

class TestTruncated : public QObject {
    Q_OBJECT

private slots:
    void endsWhereItsDataDo_data();
    void endsWhereItsDataDo();
    void pngEndsWhereItsPixelsDo_data();
    void pngEndsWhereItsPixelsDo();
    void refusedInOneLine_data();
    void refusedInOneLine();
    void endKnownOnceItsRowsArrive_data();
    void endKnownOnceItsRowsArrive();
};

void TestTruncated::endsWhereItsDataDo_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<qsizetype>("length"); // the bytes kept
    QTest::addColumn<int>("least");        // the lowest row it may be said to end at
    QTest::addColumn<int>("exact");        // the row it ends at, when foretold

    struct Picture {
        const char* file;
        int least; // at half its bytes and more
        int exact; // the same
    };
    // Rows from the top end where the data do; a progressive JPEG is coarse in every row until
    // its last scan, an interlaced picture until its last pass.
    const Picture pictures[] = {
        {"raster/region-420.jpg", 1, kAnyRow},
        {"raster/region-422.jpg", 1, kAnyRow},
        {"raster/region-444.jpg", 1, kAnyRow},
        {"raster/region-grey.jpg", 1, kAnyRow},
        {"raster/region-restart.jpg", 1, kAnyRow},
        {"raster/region-progressive.jpg", 0, 0},
        {"raster/region-rgb.png", 1, kAnyRow},
        {"raster/region-rgba.png", 1, kAnyRow},
        {"raster/region-interlaced.png", 0, kAnyRow},
        {"raster/region.gif", 1, kAnyRow},
        {"raster/region-interlaced.gif", 0, kAnyRow},
        {"raster/region-lossy.webp", 1, kAnyRow},
        {"raster/region-lossless.webp", 1, kAnyRow},
        {"raster/bmp-topdown.bmp", 1, kAnyRow},
        {"raster/bmp-24bit.bmp", 0, kAnyRow}, // bottom-up: its top rows come last
        {"raster/region-strips.tif", 1, kAnyRow},
        // Drawn from what there is, no pixel known final.
        {"modern/jxl-lossless.jxl", kMayRefuse, kAnyRow},
        {"modern/jxl-lossy.jxl", kMayRefuse, kAnyRow},
    };
    for (const Picture& picture : pictures) {
        const qsizetype size = Fixture(QString::fromLatin1(picture.file)).size();
        const qsizetype header = PixelsStart(Fixture(QString::fromLatin1(picture.file)));
        QTest::addRow("%s: whole", picture.file) << picture.file << size << 0 << kWhole;
        QTest::addRow("%s: its header", picture.file)
            << picture.file << header + 1 << kMayRefuse << kAnyRow;
        QTest::addRow("%s: half", picture.file)
            << picture.file << size / 2 << picture.least << picture.exact;
        QTest::addRow("%s: three quarters", picture.file)
            << picture.file << size * 3 / 4 << picture.least << picture.exact;
        // All its rows may have come: whole then, or ending where the rest did.
        QTest::addRow("%s: one byte short", picture.file)
            << picture.file << size - 1 << (picture.least == kMayRefuse ? kMayRefuse : 0)
            << kAnyRow;
    }
    // Rows stored whole, one after another: the rows in the bytes kept, to the row. A top-down
    // BMP of 7 × 5 pixels, 24 bytes a row after 54 of headers; a TIFF of 75 × 101 in strips of
    // 8 rows of 225 bytes after 244.
    QTest::newRow("top-down BMP: 1 row and a half")
        << "raster/bmp-topdown.bmp" << qsizetype(54 + 36) << 1 << 1;
    QTest::newRow("top-down BMP: 4 rows")
        << "raster/bmp-topdown.bmp" << qsizetype(54 + 96) << 4 << 4;
    QTest::newRow("bottom-up BMP: 2 rows and a half")
        << "raster/bmp-24bit.bmp" << qsizetype(54 + 60) << kBottomUp + 3 << kBottomUp + 3;
    QTest::newRow("bottom-up BMP: 4 rows")
        << "raster/bmp-24bit.bmp" << qsizetype(54 + 96) << kBottomUp + 1 << kBottomUp + 1;
    QTest::newRow("TIFF: 6 strips and a row")
        << "raster/region-strips.tif" << qsizetype(244 + 6 * 1800 + 225) << 48 << 48;
    QTest::newRow("TIFF: 12 strips and a byte")
        << "raster/region-strips.tif" << qsizetype(244 + 12 * 1800 + 1) << 96 << 96;
}

void TestTruncated::endsWhereItsDataDo() {
    QFETCH(QString, file);
    QFETCH(qsizetype, length);
    QFETCH(int, least);
    QFETCH(int, exact);
    const QByteArray whole = Fixture(file);
    QVERIFY(!whole.isEmpty());
    QVERIFY(length > 0 && length <= whole.size());
    const QByteArray data = whole.left(length);
    QString refusal;
    const std::optional<Loaded> reference = Load(whole, {}, &refusal);
    QVERIFY2(reference, qPrintable(refusal));
    QVERIFY(!reference->endsAtRow);
    const int height = reference->picture.height();

    // Loaded whole, then with a first look as the command line and the window take one.
    const FirstLookArea looks[] = {{}, {QSize(1, 1), false}, {QSize(64, 64), true}};
    std::optional<int> first;
    for (const FirstLookArea& look : looks) {
        const QString how = look.wanted() ? QStringLiteral("with a first look of %1×%2")
                                                .arg(look.area.width())
                                                .arg(look.area.height())
                                          : QStringLiteral("whole");
        const std::optional<Loaded> cut = Load(data, look, &refusal);
        if (!cut) {
            QVERIFY2(least == kMayRefuse, qPrintable(how + QStringLiteral(": ") + refusal));
            QVERIFY2(!refusal.contains(u'\n'), qPrintable(refusal));
            continue;
        }
        QCOMPARE(cut->picture.size(), reference->picture.size());
        const int width = cut->picture.width();
        QString where;
        const int differs = FirstRowDiffering(cut->picture, reference->picture, &where);
        if (exact == kWhole) {
            QVERIFY2(!cut->endsAtRow && cut->startsAtRow == 0, qPrintable(how));
        }
        if (exact < kWhole) {
            QCOMPARE(cut->startsAtRow, exact - kBottomUp);
        }
        if (cut->startsAtRow > 0) {
            // Stored from the bottom up: the rows from where it starts are the whole file's.
            QVERIFY2(!cut->endsAtRow && cut->startsAtRow < height, qPrintable(how));
            const int start = cut->startsAtRow;
            QVERIFY2(FirstRowDiffering(cut->picture.copy(0, start, width, height - start),
                                       reference->picture.copy(0, start, width, height - start),
                                       &where) == height - start,
                     qPrintable(how + QStringLiteral(", starts at %1: ").arg(start) + where));
            continue;
        }
        if (!cut->endsAtRow) {
            QVERIFY2(differs == height, qPrintable(how + QStringLiteral(", said whole: ") + where));
            continue;
        }
        const int ends = *cut->endsAtRow;
        QVERIFY2(ends >= 0 && ends < height, qPrintable(how + QStringLiteral(": %1").arg(ends)));
        QVERIFY2(ends <= differs,
                 qPrintable(how + QStringLiteral(", ends at %1: ").arg(ends) + where));
        QVERIFY2(ends >= std::max(least, 0), qPrintable(how + QStringLiteral(": %1").arg(ends)));
        if (least == kMayRefuse) {
            QVERIFY2(ends == 0, qPrintable(how + QStringLiteral(": %1").arg(ends)));
        }
        if (exact >= 0) {
            QCOMPARE(ends, exact);
        }
        // Every way of loading it tells the same row.
        if (!look.wanted()) {
            first = ends;
        } else if (first) {
            QCOMPARE(ends, *first);
        }
    }

    // Parts: each lies above where the file ends, and is the whole load's; or the whole load
    // is left to say.
    const QList<QRect> areas{QRect(0, 0, 5, 1), QRect(3, height / 3, 4, 4),
                             QRect(0, height - 1, 5, 1)};
    for (const QRect& area : areas) {
        std::optional<PictureRegions> regions;
        try {
            regions = DecodePictureRegions(data, {area});
        } catch (const PlatformError& e) {
            QVERIFY2(least == kMayRefuse, qPrintable(e.description()));
            continue;
        }
        if (!regions) {
            continue;
        }
        const std::optional<Loaded> cut = Load(data, {}, &refusal);
        QVERIFY2(cut, qPrintable(refusal));
        QCOMPARE(regions->endsAtRow, cut->endsAtRow);
        if (regions->endsAtRow) {
            QVERIFY(area.bottom() < *regions->endsAtRow);
        }
        QCOMPARE(regions->parts.size(), 1);
        QString where;
        QVERIFY2(FirstRowDiffering(regions->parts[0], reference->picture.copy(area), &where) ==
                     area.height(),
                 qPrintable(where));
    }
}

void TestTruncated::pngEndsWhereItsPixelsDo_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("percent"); // of its bytes kept

    for (const char* file :
         {"raster/region-rgb.png", "raster/region-rgba.png", "raster/region-interlaced.png"}) {
        for (const int percent : {20, 45, 60, 70, 80, 95}) {
            QTest::addRow("%s at %d%%", file, percent) << file << percent;
        }
    }
}

// A PNG ends at the first row its inflated pixels do not hold whole: to the row.
void TestTruncated::pngEndsWhereItsPixelsDo() {
    QFETCH(QString, file);
    QFETCH(int, percent);
    const QByteArray whole = Fixture(file);
    QVERIFY(!whole.isEmpty());
    const QByteArray data = whole.left(whole.size() * percent / 100);
    const int rows = WholePngRows(data, InflatedBytes(data));
    QString refusal;
    const std::optional<Loaded> cut = Load(data, {}, &refusal);
    QVERIFY2(cut, qPrintable(refusal));
    QCOMPARE(cut->endsAtRow, std::optional<int>(rows));
}

void TestTruncated::refusedInOneLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("percent"); // of its bytes kept
    QTest::addColumn<QString>("says");

    const char* const files[] = {"modern/heic-lossless.heic", "modern/heic-thumbnail.heic",
                                 "modern/avif-lossless.avif", "modern/jxl-lossy.jxl",
                                 "modern/damaged-truncated-heic-lossless.heic"};
    const char* const names[] = {"HEIF", "HEIF", "AVIF", "JPEG XL", "HEIF"};
    for (int i = 0; i < 5; ++i) {
        for (const int percent : {50, 90}) {
            QTest::addRow("%s at %d%%", files[i], percent) << files[i] << percent << names[i];
        }
    }
}

void TestTruncated::refusedInOneLine() {
    QFETCH(QString, file);
    QFETCH(int, percent);
    QFETCH(QString, says);
    const QByteArray whole = Fixture(file);
    QVERIFY(!whole.isEmpty());
    const QByteArray data = whole.left(whole.size() * percent / 100);
    for (const FirstLookArea& look : {FirstLookArea{}, FirstLookArea{QSize(64, 64), true}}) {
        QString refusal;
        const std::optional<Loaded> cut = Load(data, look, &refusal);
        if (cut) {
            // Only from a first look, its thumbnail shown until the picture failed; or what the
            // JPEG XL decoder draws of the data there are. Neither holds a row of the picture.
            QVERIFY(look.wanted() || says == QLatin1String("JPEG XL"));
            QCOMPARE(cut->endsAtRow, std::optional<int>(0));
            continue;
        }
        QVERIFY2(refusal.contains(says) && refusal.contains(QStringLiteral("damaged")),
                 qPrintable(refusal));
        QVERIFY2(!refusal.contains(u'\n') && refusal == refusal.simplified(), qPrintable(refusal));
    }
}

void TestTruncated::endKnownOnceItsRowsArrive_data() {
    QTest::addColumn<bool>("progressive");
    QTest::newRow("baseline JPEG") << false;
    QTest::newRow("progressive JPEG") << true;
}

// A picture large enough that its rows are still arriving well after the first of those below
// the end: a reader that has waited for that row must know already where the file ends, or it
// takes the filler there for the picture's colours.
void TestTruncated::endKnownOnceItsRowsArrive() {
    QFETCH(bool, progressive);
    QImage noise(1600, 1600, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = 0xff000000u | (state >> 8);
        }
    }
    QByteArray whole;
    QBuffer buffer(&whole);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    QVERIFY2(writer.write(noise), qPrintable(writer.errorString()));
    const QByteArray data = whole.left(whole.size() / 2);

    QString refusal;
    const std::optional<Loaded> cut = Load(data, {QSize(64, 64), true}, &refusal);
    QVERIFY2(cut, qPrintable(refusal));
    QVERIFY(cut->endsAtRow);
    const int ends = *cut->endsAtRow;
    QVERIFY(ends < noise.height() - 64);

    LoadOptions options;
    options.firstLook = {QSize(64, 64), true};
    const LoadedPicture loaded = LoadPictureFromData(data, PictureSource::File, options);
    QVERIFY(loaded.arriving);
    loaded.arriving->waitFor(QRect(0, ends, noise.width(), 1));
    QCOMPARE(loaded.arriving->endsAtRow(), std::optional<int>(ends));
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestTruncated test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_truncated.moc"
