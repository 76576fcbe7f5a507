// The first look at a large JPEG: the part a view shows is decoded first, exactly as the whole
// picture decodes it, and the rest arrives into the same pixels; every reader of the picture
// (here the window's read-out and printing) waits for the pixels it reads. JPEGs the first look
// does not suit decode whole, as before.

#include "input/JpegFirstLook.h"
#include "input/LoadPicture.h"
#include "pixels/PendingPixels.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include <jpeglib.h>

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
};

QByteArray encode(const QImage& image, const Encoding& e) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = e.grey ? 1 : 4;
    cinfo.in_color_space = e.grey ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 88, TRUE);
    if (!e.grey) {
        cinfo.comp_info[0].h_samp_factor = e.hSample;
        cinfo.comp_info[0].v_samp_factor = e.vSample;
    }
    cinfo.restart_in_rows = e.restartRows;
    if (e.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uchar*>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray data(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return data;
}

// The whole picture as the loader decodes it without a first look.
QImage whole(const QByteArray& data) {
    const FirstLookArea none{QSize()};
    return LoadPictureFromData(data);
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
} // namespace

class TestFirstLook : public QObject {
    Q_OBJECT
private slots:
    void firstLookIsTheWholeDecodesPart_data();
    void firstLookIsTheWholeDecodesPart();
    void unsuitedJpegsDecodeWhole_data();
    void unsuitedJpegsDecodeWhole();
    void readOutAndPrintingWaitForThePixels();
};

void TestFirstLook::firstLookIsTheWholeDecodesPart_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("hSample");
    QTest::addColumn<int>("vSample");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<int>("restartRows");
    QTest::addColumn<QSize>("area");

    QTest::newRow("4:2:0") << QSize(1200, 900) << 2 << 2 << false << 0 << QSize(301, 203);
    QTest::newRow("4:2:2, uneven size")
        << QSize(1003, 777) << 2 << 1 << false << 0 << QSize(517, 250);
    QTest::newRow("4:4:4") << QSize(900, 700) << 1 << 1 << false << 0 << QSize(640, 480);
    QTest::newRow("grey") << QSize(800, 600) << 1 << 1 << true << 0 << QSize(300, 300);
    QTest::newRow("restart markers") << QSize(1000, 800) << 2 << 2 << false << 1 << QSize(333, 111);
    QTest::newRow("wider than the area only")
        << QSize(1500, 300) << 2 << 2 << false << 0 << QSize(600, 400);
    QTest::newRow("taller than the area only")
        << QSize(500, 1300) << 2 << 2 << false << 0 << QSize(600, 400);
}

void TestFirstLook::firstLookIsTheWholeDecodesPart() {
    QFETCH(QSize, size);
    QFETCH(int, hSample);
    QFETCH(int, vSample);
    QFETCH(bool, grey);
    QFETCH(int, restartRows);
    QFETCH(QSize, area);
    const QByteArray data =
        encode(photo(size.width(), size.height(), grey), {hSample, vSample, grey, restartRows});
    const QImage reference = whole(data);
    QCOMPARE(reference.size(), size);

    const QImage first = DecodeJpegFirstLook(data, area);
    QVERIFY(!first.isNull());
    QCOMPARE(first.format(), QImage::Format_RGB32);
    const std::shared_ptr<const PendingPixels> pending = PendingPixels::of(first);
    const QRect shown = QRect(QPoint(0, 0), area) & first.rect();
    // The part the view shows is final at once, whatever the rest is doing meanwhile.
    std::optional<QPoint> wrong = firstDifference(first, reference, shown);
    QVERIFY2(!wrong, qPrintable(QStringLiteral("first look differs at (%1, %2)")
                                    .arg(wrong.value_or(QPoint()).x())
                                    .arg(wrong.value_or(QPoint()).y())));
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
    QVERIFY(PendingPixels::of(first) == nullptr);
}

void TestFirstLook::unsuitedJpegsDecodeWhole_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("area");

    const QImage picture = photo(640, 480, false);
    QTest::newRow("progressive") << encode(picture, {2, 2, false, 0, true}) << QSize(100, 100);
    QTest::newRow("no larger than the area") << encode(picture, {}) << QSize(640, 480);
    QTest::newRow("no area asked for") << encode(picture, {}) << QSize();
    // An ICC profile right after the start: the loader's whole path handles colour profiles.
    QByteArray profiled = encode(picture, {});
    const QByteArray icc = QByteArray("ICC_PROFILE\0\x01\x01", 14) + QByteArray(40, 'x');
    profiled.insert(2, QByteArray("\xFF\xE2", 2) + char((icc.size() + 2) >> 8) +
                           char((icc.size() + 2) & 0xFF) + icc);
    QTest::newRow("with a colour profile") << profiled << QSize(100, 100);
    QTest::newRow("not a JPEG") << QByteArray("GIF89a, not at all") << QSize(100, 100);
}

void TestFirstLook::unsuitedJpegsDecodeWhole() {
    QFETCH(QByteArray, data);
    QFETCH(QSize, area);
    QVERIFY(DecodeJpegFirstLook(data, area).isNull());
}

void TestFirstLook::readOutAndPrintingWaitForThePixels() {
    // Opened in the window, a large JPEG shows at once; the read-out at its bottom-right pixel,
    // which the first look did not decode, names that pixel's final colour.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    const QByteArray data = encode(photo(3000, 2000, false), {});
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
    file.close();
    const QImage reference = whole(data);

    TestWindow w;
    w.fakes.fileDialog->answers.push_back(path);
    w.form->cmdFile_Click();
    QCOMPARE(w.form->Caption(), path);
    const QColor corner = reference.pixelColor(2999, 1999);
    QCOMPARE(w.form->picColor->Point(2999, 1999), Color::fromQColor(corner).value());
    // The printout's picture: the whole picture has arrived by then.
    const QImage printed = w.form->picColor->Image(QRect(0, 0, 3000, 2000));
    QVERIFY(!firstDifference(printed, reference, reference.rect()));
}

QTEST_MAIN(TestFirstLook)
#include "test_firstlook.moc"
