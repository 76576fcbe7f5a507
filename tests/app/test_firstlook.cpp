// The first look at a large JPEG: the part a view shows is decoded first, exactly as the whole
// picture decodes it, and the rest arrives into the same pixels; every reader of the picture
// (here the window's read-out and printing) waits for the pixels it reads. JPEGs the first look
// does not suit decode whole, as before.

#include "controls/PictureBox.h"
#include "input/JpegFirstLook.h"
#include "input/LoadPicture.h"
#include "input/PngFirstLook.h"
#include "input/WebpFirstLook.h"
#include "input/cms/SrgbConversion.h"
#include "pixels/PendingPixels.h"
#include "support/JpegWriting.h"
#include "support/TestSupport.h"
#include "view/ViewMapping.h"

#include <QBuffer>
#include <QClipboard>
#include <QColorSpace>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <png.h>

namespace {
// Photo-like: gradients and noise in every channel, so that no two blocks decode alike.
QImage photo(int width, int height, bool grey) {
    QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 26) - 32;
            const QRgb c =
                qRgb(qBound(0, x * 255 / width + n, 255), qBound(0, y * 255 / height + n, 255),
                     qBound(0, (x + y) % 256 + n / 2, 255));
            if (grey) {
                image.scanLine(y)[x] = uchar(qGray(c));
            } else {
                image.setPixel(x, y, c);
            }
        }
    }
    return image;
}

struct Encoding {
    int hSample = 2; // of the first component; the others 1
    int vSample = 2;
    bool grey = false;
    int restartRows = 0;
    bool progressive = false;
    bool averagesApart = false; // progressive, each component's first averages a scan of its own
};

QByteArray encode(const QImage& image, const Encoding& e) {
    // Averages in a scan each, high bits first, then the rest of every coefficient.
    static jpeg_scan_info apart[] = {{1, {2}, 0, 0, 0, 1},  {1, {0}, 0, 0, 0, 1},
                                     {1, {1}, 0, 0, 0, 1},  {3, {0, 1, 2}, 0, 0, 1, 0},
                                     {1, {0}, 1, 63, 0, 0}, {1, {1}, 1, 63, 0, 0},
                                     {1, {2}, 1, 63, 0, 0}};
    return WriteJpeg(image, 88, [&](jpeg_compress_struct& cinfo) {
        if (!e.grey) {
            cinfo.comp_info[0].h_samp_factor = e.hSample;
            cinfo.comp_info[0].v_samp_factor = e.vSample;
        }
        cinfo.restart_in_rows = e.restartRows;
        if (e.progressive) {
            jpeg_simple_progression(&cinfo);
        }
        if (e.averagesApart) {
            cinfo.scan_info = apart;
            cinfo.num_scans = 7;
        }
    });
}

// The whole picture as the loader decodes it without a first look.
QImage whole(const QByteArray& data) {
    return LoadPictureFromData(data).picture;
}

QByteArray fixture(const QString& name) {
    QFile file(qEnvironmentVariable("HUEMARK_TEST_DATA") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A Display P3 profile, as a phone's camera writes it into its JPEGs.
QByteArray DisplayP3() {
    return LoadPicture(qEnvironmentVariable("HUEMARK_TEST_DATA") +
                       QStringLiteral("/modern/jpeg-p3.jpg"))
        .profile.icc;
}

// The JPEG with an ICC profile in an APP2 marker right after its start.
QByteArray withProfile(QByteArray jpeg, const QByteArray& icc) {
    const QByteArray body = QByteArray("ICC_PROFILE\0\x01\x01", 14) + icc;
    jpeg.insert(2, QByteArray("\xFF\xE2", 2) + char((body.size() + 2) >> 8) +
                       char((body.size() + 2) & 0xFF) + body);
    return jpeg;
}

// The picture as a PNG, as Qt writes it (8 bits a channel; a colour space as its profile).
QByteArray png(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return data;
}

// A libpng writer appending to data.
png_structp PngWriterInto(QByteArray* data) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_set_write_fn(
        png, data,
        [](png_structp p, png_bytep bytes, size_t length) {
            static_cast<QByteArray*>(png_get_io_ptr(p))
                ->append(reinterpret_cast<const char*>(bytes), qsizetype(length));
        },
        nullptr);
    return png;
}

// A PNG (RGB, 8 bits) whose pixel data is stored uncompressed in one chunk, with the length of
// the stored block that holds row `brokenRow` spoiled and the chunk's checksum made right again:
// only inflating finds the damage, there.
QByteArray pngBrokenAt(const QImage& rgb, int brokenRow) {
    QByteArray data;
    png_structp png = PngWriterInto(&data);
    png_infop info = png_create_info_struct(png);
    png_set_compression_level(png, 0);
    png_set_compression_buffer_size(png, 1 << 24); // all pixel data in one chunk
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const QImage rows = rgb.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rows.height(); ++y) {
        png_write_row(png, const_cast<png_bytep>(rows.constScanLine(y)));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);

    const auto be32 = [&data](qsizetype at) {
        return quint32(uchar(data[at])) << 24 | quint32(uchar(data[at + 1])) << 16 |
               quint32(uchar(data[at + 2])) << 8 | quint32(uchar(data[at + 3]));
    };
    const qsizetype idat = data.indexOf("IDAT") - 4;
    const quint32 length = be32(idat);
    // Stored blocks: a header byte, then LEN and its complement NLEN, little-endian.
    const qsizetype target = qsizetype(brokenRow) * (rows.width() * 3 + 1);
    qsizetype block = idat + 8 + 2; // past the zlib header
    for (qsizetype inflated = 0;;) {
        const int len = uchar(data[block + 1]) | uchar(data[block + 2]) << 8;
        if (inflated + len > target) {
            break;
        }
        inflated += len;
        block += 5 + len;
    }
    data[block + 3] = char(data[block + 3] ^ 0x01);
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = idat + 4; i < idat + 8 + qsizetype(length); ++i) {
        crc ^= uchar(data[i]);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i) {
        data[idat + 8 + qsizetype(length) + i] = char(crc >> (24 - 8 * i));
    }
    return data;
}

// The picture as a WebP, as Qt writes it (quality 100: lossless).
QByteArray webp(const QImage& image, int quality) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "webp", quality);
    return data;
}

// A PNG of grey levels or palette indexes at 1, 2 or 4 bits, which the toolkit does not write:
// diagonal stripes through every value.
QByteArray lowBitPng(int width, int height, int depth, bool palette) {
    QByteArray data;
    png_structp png = PngWriterInto(&data);
    png_infop info = png_create_info_struct(png);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), depth,
                 palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colors;
    for (int i = 0; i < (1 << depth); ++i) {
        colors.push_back({png_byte(i * 37), png_byte(255 - i * 11), png_byte(i * 90)});
    }
    if (palette) {
        png_set_PLTE(png, info, colors.data(), int(colors.size()));
    }
    png_write_info(png, info);
    std::vector<png_byte> row(size_t(width * depth + 7) / 8);
    for (int y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < width; ++x) {
            const int value = ((x + y) / 7) % (1 << depth);
            const int bit = x * depth;
            row[size_t(bit / 8)] |= png_byte(value << (8 - depth - bit % 8));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return data;
}

// The picture's colour profile.
ColorProfile profileOf(const QByteArray& data) {
    return LoadPictureFromData(data).profile;
}

// The first pixel where two pictures differ inside an area, or nothing.
std::optional<QPoint> firstDifference(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((la[x] | 0xFF000000u) != (lb[x] | 0xFF000000u)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}
// How far a coarse look is from the picture: the mean over the area's blocks of 16 x 16 and
// their channels of the distance between the two blocks' averages.
double coarseDistance(const QImage& coarse, const QImage& picture, const QRect& area) {
    const auto average = [](const QImage& image, int left, int top) {
        std::array<int, 3> sum{};
        for (int y = top; y < top + 16; ++y) {
            for (int x = left; x < left + 16; ++x) {
                const QRgb p = image.pixel(x, y);
                sum[0] += qRed(p);
                sum[1] += qGreen(p);
                sum[2] += qBlue(p);
            }
        }
        return sum;
    };
    double distance = 0;
    int blocks = 0;
    for (int y = area.top(); y + 16 <= area.bottom() + 1; y += 16) {
        for (int x = area.left(); x + 16 <= area.right() + 1; x += 16) {
            const std::array<int, 3> a = average(coarse, x, y);
            const std::array<int, 3> b = average(picture, x, y);
            for (int c = 0; c < 3; ++c) {
                distance += std::abs(a[size_t(c)] - b[size_t(c)]) / 256.0;
            }
            ++blocks;
        }
    }
    return blocks > 0 ? distance / (3 * blocks) : 0;
}
// A picture of this size still arriving, shown meanwhile as a preview of eighths, the eighth
// (x, y) in eighth(x, y).
std::shared_ptr<ArrivingRows> PreviewOfEighths(QSize size, QRgb (*eighth)(int, int)) {
    auto job = std::make_shared<ArrivingRows>();
    job->buffer = QImage(size, QImage::Format_RGB32);
    job->coarse = QImage((size.width() + 7) / 8, (size.height() + 7) / 8, QImage::Format_RGB32);
    for (int y = 0; y < job->coarse.height(); ++y) {
        for (int x = 0; x < job->coarse.width(); ++x) {
            job->coarse.setPixel(x, y, eighth(x, y));
        }
    }
    job->eighths = true;
    job->preview = true;
    job->previewColumns = size.width();
    job->previewRows = size.height();
    return job;
}
// The same, red all over.
std::shared_ptr<ArrivingRows> RedPreview(QSize size) {
    return PreviewOfEighths(size, [](int, int) { return qRgb(255, 0, 0); });
}
// A preview in blocks of 32 x 32 pixels (4 x 4 eighths), each of its own colour: the colour of
// the picture's pixel (x, y).
QRgb BlockColor(int x, int y) {
    const int column = x / 32;
    const int row = y / 32;
    return qRgb(40 + column * 10, 30 + row * 15, 250 - (column + row) * 5);
}

} // namespace

class TestFirstLook : public QObject {
    Q_OBJECT
private slots:
    void firstLookIsTheWholeDecodesPart_data();
    void firstLookIsTheWholeDecodesPart();
    void unsuitedDecodeWhole_data();
    void unsuitedDecodeWhole();
    void readOutAndPrintingWaitForThePixels_data();
    void readOutAndPrintingWaitForThePixels();
    void previewShowsUntilFinal();
    void previewDrawnAtEveryZoom_data();
    void previewDrawnAtEveryZoom();
    void droppedWhileArriving_data();
    void droppedWhileArriving();
    void damageBelowTheFirstLookShowsGrey_data();
    void damageBelowTheFirstLookShowsGrey();
};

// Each kind's rows: the file, the area the view shows first, and whether the picture is compared
// as shown (its colours converted by its profile) rather than as stored.
void TestFirstLook::firstLookIsTheWholeDecodesPart_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<bool>("profiled");

    const auto jpeg = [](QSize size, int h, int v, bool grey = false, int restart = 0) {
        return encode(photo(size.width(), size.height(), grey), {h, v, grey, restart});
    };
    QTest::newRow("JPEG 4:2:0") << jpeg({1200, 900}, 2, 2) << QSize(301, 203) << false;
    QTest::newRow("JPEG 4:2:2, uneven size") << jpeg({1003, 777}, 2, 1) << QSize(517, 250) << false;
    QTest::newRow("JPEG 4:4:4") << jpeg({900, 700}, 1, 1) << QSize(640, 480) << false;
    QTest::newRow("JPEG grey") << jpeg({800, 600}, 1, 1, true) << QSize(300, 300) << false;
    QTest::newRow("JPEG restart markers")
        << jpeg({1000, 800}, 2, 2, false, 1) << QSize(333, 111) << false;
    QTest::newRow("JPEG wider than the area only")
        << jpeg({1500, 300}, 2, 2) << QSize(600, 400) << false;
    QTest::newRow("JPEG taller than the area only")
        << jpeg({500, 1300}, 2, 2) << QSize(600, 400) << false;
    QTest::newRow("JPEG, Display P3")
        << withProfile(jpeg({1200, 900}, 2, 2), DisplayP3()) << QSize(301, 203) << true;
    QTest::newRow("JPEG, Display P3, taller than the area only")
        << withProfile(jpeg({500, 1300}, 2, 2), DisplayP3()) << QSize(600, 400) << true;
    // Progressive: a coarse look first, then the final pixels.
    const auto progressive = [](QSize size, int h, int v, bool grey = false) {
        return encode(photo(size.width(), size.height(), grey), {h, v, grey, 0, true});
    };
    QTest::newRow("JPEG progressive 4:2:0")
        << progressive({1203, 905}, 2, 2) << QSize(301, 203) << false;
    QTest::newRow("JPEG progressive grey, taller than the area only")
        << progressive({500, 1300}, 1, 1, true) << QSize(600, 400) << false;
    QTest::newRow("JPEG progressive, restart markers, averages a scan each")
        << encode(photo(1000, 700, false), {2, 2, false, 1, true, true}) << QSize(333, 111)
        << false;
    QTest::newRow("JPEG progressive, Display P3")
        << withProfile(progressive({1200, 900}, 2, 1), DisplayP3()) << QSize(301, 203) << true;

    const QImage rgb = photo(900, 1400, false);
    QTest::newRow("PNG RGB") << png(rgb) << QSize(500, 300) << false;
    QTest::newRow("PNG RGB wider than the area") << png(rgb) << QSize(300, 200) << false;
    QTest::newRow("PNG grey") << png(photo(700, 900, true)) << QSize(640, 480) << false;
    QTest::newRow("PNG palette") << png(rgb.convertToFormat(QImage::Format_Indexed8))
                                 << QSize(640, 480) << false;
    // A bit a pixel, cut at a column inside a byte.
    QTest::newRow("PNG 1 bit, cut within a byte")
        << png(rgb.convertToFormat(QImage::Format_Mono)) << QSize(301, 203) << false;
    QTest::newRow("PNG grey at 2 bits")
        << lowBitPng(301, 700, 2, false) << QSize(203, 300) << false;
    QTest::newRow("PNG grey at 4 bits")
        << lowBitPng(300, 700, 4, false) << QSize(640, 301) << false;
    QTest::newRow("PNG palette at 4 bits")
        << lowBitPng(333, 700, 4, true) << QSize(101, 300) << false;
    QImage p3 = rgb;
    p3.setColorSpace(QColorSpace::DisplayP3);
    QTest::newRow("PNG, Display P3") << png(p3) << QSize(500, 300) << true;

    // Decoded from the top, lossy (its loop filter and chroma reach across rows) and lossless.
    const QImage odd = photo(901, 1203, false);
    QTest::newRow("WebP lossy") << webp(odd, 80) << QSize(400, 301) << false;
    QTest::newRow("WebP lossless") << webp(odd, 100) << QSize(400, 299) << false;
    QTest::newRow("WebP lossy, narrower than the view")
        << webp(photo(300, 900, false), 80) << QSize(640, 300) << false;
    QTest::newRow("WebP lossless, alpha coded but unused")
        << fixture(QStringLiteral("/modern/webp-lossless-alpha-unused.webp")) << QSize(16, 5)
        << false;

    // Its thumbnail first, enlarged.
    QTest::newRow("HEIC with a thumbnail")
        << fixture(QStringLiteral("/modern/heic-thumbnail.heic")) << QSize(100, 80) << false;
}

void TestFirstLook::firstLookIsTheWholeDecodesPart() {
    QFETCH(QByteArray, data);
    QFETCH(QSize, area);
    QFETCH(bool, profiled);
    const bool isPng = data.startsWith("\x89PNG");
    const ColorProfile profile = profileOf(data);
    QImage reference = whole(data);
    const QSize size = reference.size();
    if (profiled) {
        const QImage stored = reference;
        reference = ColorsAsShown(stored, profile).picture.image;
        QVERIFY(firstDifference(reference, stored, stored.rect())); // the profile converts
    }

    const FirstLookArea look{area};
    ArrivingImage arriving;
    if (isPng) {
        arriving = DecodePngFirstLook(data, look);
    } else if (data.startsWith("\xFF\xD8")) {
        arriving = DecodeJpegFirstLook(data, look);
    } else if (data.startsWith("RIFF")) {
        arriving = DecodeWebpFirstLook(data, look); // null unless it takes a first look
    } else {
        LoadOptions options;
        options.firstLook = look;
        const LoadedPicture loaded = LoadPictureFromData(data, PictureSource::File, options);
        arriving = ArrivingImage(loaded.picture, loaded.arriving);
        QVERIFY(arriving.arriving()); // a first look it is
    }
    QVERIFY(!arriving.isNull());
    QCOMPARE(arriving.image.format(), QImage::Format_RGB32);
    if (profiled) {
        // Converted as the stored pixels arrive, into a picture that is arriving itself.
        arriving = ColorsAsShown(arriving, profile, true, area).picture;
    }
    const QImage first = arriving.image;
    const std::shared_ptr<const PendingPixels> pending =
        arriving.arriving() ? arriving.pending : nullptr;
    const QRect shown = QRect(QPoint(0, 0), area) & first.rect();
    std::optional<QPoint> wrong;
    if (pending && pending->showsPreview()) {
        // A coarse look shows at once: each pixel near its block's average, whatever the rest
        // is doing meanwhile.
        const PendingPixels::Showing hold = pending->show(shown);
        QVERIFY(coarseDistance(first, reference, shown) < 6);
    } else {
        // The part the view shows is final at once, whatever the rest is doing meanwhile.
        wrong = firstDifference(first, reference, shown);
        QVERIFY2(!wrong, qPrintable(QStringLiteral("first look differs at (%1, %2)")
                                        .arg(wrong.value_or(QPoint()).x())
                                        .arg(wrong.value_or(QPoint()).y())));
    }
    // A reader of the last rows waits for them, then finds them final; then for all of it.
    const QRect bottom(0, size.height() - 3, size.width(), 3);
    if (pending) {
        pending->waitFor(bottom);
    }
    QVERIFY(!firstDifference(first, reference, bottom));
    if (pending) {
        pending->waitFor(first.rect());
        QTRY_VERIFY(pending->complete());
    }
    wrong = firstDifference(first, reference, first.rect());
    QVERIFY2(!wrong, qPrintable(QStringLiteral("the whole differs at (%1, %2)")
                                    .arg(wrong.value_or(QPoint()).x())
                                    .arg(wrong.value_or(QPoint()).y())));
    QVERIFY(!arriving.arriving());
    // Opaque as its format says, in memory too (a lossless WebP may code alpha it disowns).
    for (int y = 0; y < first.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        QVERIFY(std::all_of(in, in + first.width(), [](QRgb p) { return qAlpha(p) == 255; }));
    }
}

void TestFirstLook::unsuitedDecodeWhole_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<bool>("damageMayShow"); // false on the command line

    const QImage picture = photo(640, 480, false);
    QTest::newRow("JPEG no larger than the area") << encode(picture, {}) << QSize(640, 480) << true;
    QTest::newRow("JPEG no area asked for") << encode(picture, {}) << QSize() << true;
    QTest::newRow("not a JPEG") << QByteArray("GIF89a, not at all") << QSize(100, 100) << true;
    // Its header reads, but its scan names a Huffman table it never defines: the first look
    // fails at its start, while the rest's thread has begun beside it.
    QByteArray undefinedTable = encode(picture, {});
    undefinedTable[undefinedTable.indexOf("\xff\xda") + 6] = char(0x33);
    QTest::newRow("JPEG whose scan names no table") << undefinedTable << QSize(100, 100) << true;

    const QByteArray rgb = png(picture);
    QTest::newRow("PNG no taller than the area") << rgb << QSize(100, 480) << true;
    QTest::newRow("PNG with alpha")
        << png(picture.convertToFormat(QImage::Format_ARGB32)) << QSize(100, 100) << true;
    QTest::newRow("PNG at 16 bits")
        << png(picture.convertToFormat(QImage::Format_RGBX64)) << QSize(100, 100) << true;
    // A byte of the last pixels' chunk changed: its checksum fails, which the whole decode
    // refuses.
    QByteArray flipped = rgb;
    flipped[flipped.size() - 20] = char(flipped[flipped.size() - 20] ^ 0x55);
    QTest::newRow("PNG with a chunk failing its checksum") << flipped << QSize(100, 100) << true;
    QTest::newRow("PNG cut short") << rgb.left(rgb.size() - 100) << QSize(100, 100) << true;
    QImage seeThrough = picture.convertToFormat(QImage::Format_ARGB32);
    seeThrough.setPixel(5, 5, qRgba(10, 20, 30, 40));
    QTest::newRow("WebP with alpha") << webp(seeThrough, 80) << QSize(100, 100) << true;
    const QByteArray lossy = webp(picture, 80);
    QTest::newRow("WebP cut short") << lossy.left(lossy.size() - 100) << QSize(100, 100) << true;
    QTest::newRow("PNG, no PNG at all")
        << QByteArray("\x89PNG\r\n\x1a\n", 8) << QSize(100, 100) << true;
    // The command line: damage found after a first look must fail the load, not show as grey.
    QTest::newRow("progressive JPEG, command line")
        << encode(picture, {2, 2, false, 0, true}) << QSize(100, 100) << false;
    QTest::newRow("PNG, command line") << rgb << QSize(100, 100) << false;
    QTest::newRow("WebP, command line") << lossy << QSize(100, 100) << false;
}

void TestFirstLook::unsuitedDecodeWhole() {
    QFETCH(QByteArray, data);
    QFETCH(QSize, area);
    QFETCH(bool, damageMayShow);
    const FirstLookArea where{area, damageMayShow};
    QVERIFY(data.startsWith("\x89PNG") ? DecodePngFirstLook(data, where).isNull()
            : data.startsWith("RIFF")  ? DecodeWebpFirstLook(data, where).isNull()
                                       : DecodeJpegFirstLook(data, where).isNull());
}

void TestFirstLook::readOutAndPrintingWaitForThePixels_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("pasted"); // from the clipboard, else from a file
    const QImage picture = photo(3000, 2000, false);
    const QByteArray jpeg = encode(picture, {});
    QTest::newRow("JPEG file") << jpeg << false;
    QTest::newRow("JPEG file, Display P3 shown in sRGB") << withProfile(jpeg, DisplayP3()) << false;
    QTest::newRow("progressive JPEG file, Display P3")
        << withProfile(encode(picture, {2, 2, false, 0, true}), DisplayP3()) << false;
    QTest::newRow("PNG pasted") << png(picture) << true;
}

void TestFirstLook::readOutAndPrintingWaitForThePixels() {
    // Opened in the window, a large picture shows at once; the read-out at its bottom-right pixel,
    // which the first look did not decode, names that pixel's final colour.
    QFETCH(QByteArray, data);
    QFETCH(bool, pasted);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("photo"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
    file.close();
    const QImage reference = ColorsAsShown(whole(data), profileOf(data)).picture.image;

    TestWindow w;
    if (pasted) {
        auto* offered = new QMimeData;
        offered->setData(QStringLiteral("image/png"), data);
        QGuiApplication::clipboard()->setMimeData(offered);
        w.form->cmdPaste_Click();
        QCOMPARE(w.form->Caption(), QStringLiteral("Pasted from clipboard"));
    } else {
        w.fakes.fileDialog->answers.push_back(path);
        w.form->cmdFile_Click();
        QCOMPARE(w.form->Caption(), path);
    }
    const QColor corner = reference.pixelColor(2999, 1999);
    QCOMPARE(w.form->picColor->Point(2999, 1999), Color::fromQColor(corner).value());
    // The printout's picture: the whole picture has arrived by then.
    const QImage printed = w.form->picColor->Image(QRect(0, 0, 3000, 2000));
    QVERIFY(!firstDifference(printed, reference, reference.rect()));
}

// A picture shown as a preview: the view draws it, the read-out over it waits for the final colours
// without holding up the window, and both follow once the final rows replace it.
void TestFirstLook::previewShowsUntilFinal() {
    const auto job = RedPreview(QSize(300, 200));
    const ArrivingImage picture = ArrivingRows::PictureOver(job);
    job->enlargeBlock();

    TestWindow w;
    w.form->picColor->setScaleMode(PictureBox::kScalePixels);
    w.form->picColor->setPicture(picture);
    QCOMPARE(w.form->picColor->grab().toImage().pixelColor(10, 10), QColor(Qt::red));
    w.form->picColor_MouseMove(0, 0, 10, 40);
    QCOMPARE(w.form->txtCursor->text(), QStringLiteral("\u2026"));

    // The top rows arrive final: the read-out there names it, the rows below still wait.
    QImage blue(300, 100, QImage::Format_RGB32);
    blue.fill(QColor(Qt::blue));
    job->replaceRows(0, 30, blue.constBits(), blue.bytesPerLine());
    w.form->picColor_MouseMove(0, 0, 10, 20);
    QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#0000FF"));
    w.form->picColor_MouseMove(0, 0, 10, 40);
    QCOMPARE(w.form->txtCursor->text(), QStringLiteral("\u2026"));
    QTRY_COMPARE(w.form->picColor->grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
    QCOMPARE(w.form->picColor->grab().toImage().pixelColor(10, 40), QColor(Qt::red));

    // The rest arrives: the waiting read-out follows by itself.
    job->replaceRows(30, 100, blue.constBits(), blue.bytesPerLine());
    job->replaceRows(130, 70, blue.constBits(), blue.bytesPerLine());
    job->finish();
    QTRY_COMPARE(w.form->txtCursor->text(), QStringLiteral("#0000FF"));
    QTRY_COMPARE(w.form->picColor->grab().toImage().pixelColor(10, 40), QColor(Qt::blue));
}

// A preview is drawn at any zoom without waiting for final pixels: zoomed out, the averages it
// draws once the view has settled read only what the painting holds shown. (They once waited for
// final rows inside the painting's hold, which keeps final rows from replacing the preview: the
// window hung.) Should a painting wait, the watchdog ends the test at once: nothing could end the
// wait. What is drawn is the preview, in its place: each device pixel that covers one block of it
// shows that block's colour, and beyond the picture the background shows.
void TestFirstLook::previewDrawnAtEveryZoom_data() {
    QTest::addColumn<double>("zoom");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("200 %") << 2.0;
    QTest::newRow("50 %") << 0.5;
    QTest::newRow("25 %") << 0.25;
    QTest::newRow("1/3") << 1.0 / 3;
}

void TestFirstLook::previewDrawnAtEveryZoom() {
    QFETCH(double, zoom);
    const QSize size(600, 400);
    const auto job = PreviewOfEighths(size, [](int x, int y) { return BlockColor(x * 8, y * 8); });
    const ArrivingImage picture = ArrivingRows::PictureOver(job);
    job->enlargeBlock();

    TestWindow w;
    PictureBox& box = *w.form->picColor;
    box.setScaleMode(PictureBox::kScalePixels);
    box.setPicture(picture);

    std::atomic<bool> drawn{false};
    std::thread watchdog([&drawn] {
        for (int waited = 0; waited < 500 && !drawn.load(); ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!drawn.load()) {
            std::fputs("FAIL: the painting waits for final pixels while it holds the preview "
                       "shown\n",
                       stderr);
            std::_Exit(1);
        }
    });
    box.setZoom(zoom);
    QTest::qWait(400); // the view settles: zoomed out, it draws averages
    // The window as painted on the screen (the offscreen platform's backing store).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const QImage shot = w.form->screen()->grabWindow(w.form->winId()).toImage();
    drawn.store(true);
    watchdog.join();
    QCOMPARE(box.zoom(), zoom);
    QCOMPARE(box.devicePixelRatioF(), 1.0); // one device pixel a widget pixel

    QRegion over; // what floats on the view (the read-out, the scroll bars)
    for (QWidget* child : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            over += child->geometry();
        }
    }
    const QRect whole(QPoint(0, 0), size);
    const QRgb background = QColorOf(box.BackColor()).rgb();
    const QRect view = box.viewRect();
    int blocks = 0;
    for (int y = view.top(); y <= view.bottom(); ++y) {
        for (int x = view.left(); x <= view.right(); ++x) {
            if (over.contains(QPoint(x, y))) {
                continue;
            }
            // The picture's pixels this device pixel covers.
            const QPoint first = box.view().pixelAt(QPoint(x, y));
            const QPoint end = box.view().pixelAt(QPoint(x + 1, y + 1));
            const QPoint last(std::max(first.x(), end.x() - 1), std::max(first.y(), end.y() - 1));
            QRgb expected = background;
            if (whole.contains(first) || whole.contains(last)) {
                if (!whole.contains(first) || !whole.contains(last) ||
                    BlockColor(first.x(), first.y()) != BlockColor(last.x(), last.y())) {
                    continue; // the picture's edge, or an edge between blocks: a mixture
                }
                expected = BlockColor(first.x(), first.y());
                ++blocks;
            }
            const QRgb seen = shot.pixel(box.mapTo(w.form.get(), QPoint(x, y))) | 0xFF000000u;
            QVERIFY2(seen == expected,
                     qPrintable(QStringLiteral("at (%1, %2) %3 drawn, %4 expected")
                                    .arg(x)
                                    .arg(y)
                                    .arg(QColor(seen).name(), QColor(expected).name())));
        }
    }
    // Most of the picture that the view shows was looked at, not just the background.
    const QSize shown =
        QRect(QPoint(0, 0), (QSizeF(size) * zoom).toSize()).intersected(view).size();
    QVERIFY2(blocks > shown.width() * shown.height() / 2, qPrintable(QString::number(blocks)));
    job->finish();
}

// A picture let go while its rest is still on its way (another picture opened, the window
// closed): the threads stop, nothing is read or written after the pixels are gone.
void TestFirstLook::droppedWhileArriving_data() {
    QTest::addColumn<bool>("profiled");
    QTest::addColumn<bool>("keepStored"); // the stored picture outlives the converted one
    QTest::addColumn<bool>("progressive");
    QTest::newRow("as stored") << false << false << false;
    QTest::newRow("converted, both let go") << true << false << false;
    QTest::newRow("converted let go, stored kept") << true << true << false;
    QTest::newRow("progressive, converted, both let go") << true << false << true;
    QTest::newRow("progressive, converted let go, stored kept") << true << true << true;
}

void TestFirstLook::droppedWhileArriving() {
    QFETCH(bool, profiled);
    QFETCH(bool, keepStored);
    QFETCH(bool, progressive);
    QByteArray data = encode(photo(2400, 1800, false), {2, 2, false, 0, progressive});
    if (profiled) {
        data = withProfile(data, DisplayP3());
    }
    const ColorProfile profile = profileOf(data);
    const QImage reference = whole(data);
    for (int round = 0; round < 3; ++round) {
        ArrivingImage stored = DecodeJpegFirstLook(data, FirstLookArea{QSize(200, 100)});
        QVERIFY(!stored.isNull());
        ArrivingImage converted =
            profiled ? ColorsAsShown(stored, profile, true, QSize(200, 100)).picture
                     : ArrivingImage();
        converted = ArrivingImage();
        if (!keepStored) {
            stored = ArrivingImage();
            continue;
        }
        // The stored picture goes on arriving, whole and exact.
        stored.waitFor(stored.image.rect());
        QVERIFY(!firstDifference(stored.image, reference, stored.image.rect()));
    }
}

// Damage the first look did not reach is found by the rest: the rows from there show mid-grey, as
// missing data does, and the picture still completes. Each kind's rows: the damaged file, the
// intact picture, and the rows from the top the damage leaves whole.
void TestFirstLook::damageBelowTheFirstLookShowsGrey_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QImage>("intact");
    QTest::addColumn<int>("wholeRows");

    const QImage picture = photo(600, 1400, false);
    QTest::newRow("PNG") << pngBrokenAt(picture, 900) << picture << 800;
    // A run of bytes three-quarters in overwritten: the entropy-coded pixels stop making sense.
    QByteArray lossless = webp(picture, 100);
    lossless.replace(lossless.size() * 3 / 4, 64, QByteArray(64, '\xff'));
    QTest::newRow("WebP lossless") << lossless << picture << 200;
}

void TestFirstLook::damageBelowTheFirstLookShowsGrey() {
    QFETCH(QByteArray, data);
    QFETCH(QImage, intact);
    QFETCH(int, wholeRows);
    const FirstLookArea area{QSize(300, 200)};
    const ArrivingImage arriving =
        data.startsWith("RIFF") ? DecodeWebpFirstLook(data, area) : DecodePngFirstLook(data, area);
    QVERIFY(!arriving.isNull());
    const QImage& first = arriving.image;
    // The rest may have met the damage and finished already.
    if (arriving.pending) {
        arriving.pending->waitFor(first.rect());
        QTRY_VERIFY(arriving.pending->complete());
    }
    const QImage reference = intact.convertToFormat(QImage::Format_RGB32);
    QVERIFY(!firstDifference(first, reference, QRect(0, 0, first.width(), wholeRows)));
    for (int x = 0; x < first.width(); x += 97) {
        QCOMPARE(first.pixel(x, first.height() - 1), qRgb(0x80, 0x80, 0x80));
    }
}

QTEST_MAIN(TestFirstLook)
#include "test_firstlook.moc"
