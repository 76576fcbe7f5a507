// A progressive JPEG's coarse look, read from its first scans alone: each pixel near the average
// of its block of 8 x 8 in the decoded picture, whatever the layout of components, scans and
// restarts; anything else refused, and damage never read beyond the data.

#include "input/JpegCoarse.h"

#include "support/JpegWriting.h"

#include <QTest>

namespace {

enum class Scans { Simple, AveragesApart, AveragesWhole };

struct Encoding {
    int width = 0;
    int height = 0;
    int hSample = 2; // of the first component; the others 1
    int vSample = 2;
    bool grey = false;
    bool rgb = false; // stored as RGB, not YCbCr
    int restartBlocks = 0;
    Scans scans = Scans::Simple;
    bool arithmetic = false;
    bool progressive = true;
};

// Smooth with some noise: block averages that differ, and blocks that are not flat; no edges,
// whose colours subsampled chroma would spread over the neighbouring blocks.
QImage picture(int width, int height, bool grey) {
    // Slopes as a photo has them, whatever the picture's size.
    const int w = std::max(200, width);
    const int h = std::max(200, height);
    QImage image(width, height, QImage::Format_RGB32);
    quint32 noise = 7;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            const int r = qBound(0, 40 + x * 170 / w + n, 255);
            const int g = grey ? r : qBound(0, 220 - y * 180 / h + n, 255);
            const int b = grey ? r : qBound(0, 30 + (x + y) * 200 / (w + h) + n, 255);
            image.setPixel(x, y, qRgb(r, g, b));
        }
    }
    return image;
}

QByteArray encode(const QImage& image, const Encoding& e) {
    // Each component's averages a scan of its own (high bits first), or all of them whole.
    static jpeg_scan_info apart[] = {{1, {1}, 0, 0, 0, 2},       {1, {0}, 0, 0, 0, 2},
                                     {1, {2}, 0, 0, 0, 2},       {3, {0, 1, 2}, 0, 0, 2, 1},
                                     {3, {0, 1, 2}, 0, 0, 1, 0}, {1, {0}, 1, 63, 0, 0},
                                     {1, {1}, 1, 63, 0, 0},      {1, {2}, 1, 63, 0, 0}};
    static jpeg_scan_info whole[] = {{3, {0, 1, 2}, 0, 0, 0, 0},
                                     {1, {0}, 1, 63, 0, 0},
                                     {1, {1}, 1, 63, 0, 0},
                                     {1, {2}, 1, 63, 0, 0}};
    return WriteJpeg(image, 85, [&](jpeg_compress_struct& cinfo) {
        if (e.grey) {
            jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
        } else if (e.rgb) {
            jpeg_set_colorspace(&cinfo, JCS_RGB);
        }
        if (!e.grey) {
            cinfo.comp_info[0].h_samp_factor = e.hSample;
            cinfo.comp_info[0].v_samp_factor = e.vSample;
        }
        cinfo.restart_interval = JDIMENSION(e.restartBlocks);
        cinfo.arith_code = e.arithmetic ? TRUE : FALSE;
        if (e.progressive) {
            jpeg_simple_progression(&cinfo);
            if (e.scans == Scans::AveragesApart) {
                cinfo.scan_info = apart;
                cinfo.num_scans = 8;
            } else if (e.scans == Scans::AveragesWhole) {
                cinfo.scan_info = whole;
                cinfo.num_scans = 4;
            }
        }
    });
}

QImage decode(const QByteArray& data) {
    return QImage::fromData(data, "jpeg").convertToFormat(QImage::Format_RGB32);
}

// The largest distance, over the coarse look's pixels and channels, from the average of the
// decoded picture's block (the part of it inside the picture, at the edges).
int farthest(const QImage& coarse, const QImage& whole) {
    int worst = 0;
    for (int by = 0; by < coarse.height(); ++by) {
        for (int bx = 0; bx < coarse.width(); ++bx) {
            int sum[3] = {0, 0, 0};
            int count = 0;
            for (int y = by * 8; y < std::min(by * 8 + 8, whole.height()); ++y) {
                for (int x = bx * 8; x < std::min(bx * 8 + 8, whole.width()); ++x) {
                    const QRgb p = whole.pixel(x, y);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    ++count;
                }
            }
            const QRgb c = coarse.pixel(bx, by);
            worst = std::max({worst, std::abs(sum[0] / count - qRed(c)),
                              std::abs(sum[1] / count - qGreen(c)),
                              std::abs(sum[2] / count - qBlue(c))});
        }
    }
    return worst;
}

} // namespace

Q_DECLARE_METATYPE(Encoding)

class TestJpegCoarse : public QObject {
    Q_OBJECT
private slots:
    void nearTheBlocksAverages_data();
    void nearTheBlocksAverages();
    void refusedOrSafe_data();
    void refusedOrSafe();
};

void TestJpegCoarse::nearTheBlocksAverages_data() {
    QTest::addColumn<Encoding>("encoding");
    // width, height, h, v, grey, rgb, restart, scans
    QTest::newRow("4:2:0") << Encoding{200, 120, 2, 2};
    QTest::newRow("4:2:0, sides not whole blocks") << Encoding{203, 117, 2, 2};
    QTest::newRow("4:2:2") << Encoding{150, 100, 2, 1};
    QTest::newRow("4:4:0") << Encoding{150, 100, 1, 2};
    QTest::newRow("4:4:4") << Encoding{90, 70, 1, 1};
    QTest::newRow("4:1:1") << Encoding{170, 50, 4, 1};
    QTest::newRow("grey") << Encoding{99, 101, 1, 1, true};
    QTest::newRow("grey, restarts") << Encoding{99, 101, 1, 1, true, false, 5};
    QTest::newRow("stored as RGB") << Encoding{80, 64, 1, 1, false, true};
    QTest::newRow("restarts every MCU") << Encoding{130, 90, 2, 2, false, false, 1};
    QTest::newRow("restarts every 7 MCUs") << Encoding{130, 90, 2, 2, false, false, 7};
    QTest::newRow("averages a scan each, refined later")
        << Encoding{140, 100, 2, 2, false, false, 3, Scans::AveragesApart};
    QTest::newRow("averages whole in the first scan")
        << Encoding{140, 100, 2, 1, false, false, 0, Scans::AveragesWhole};
    QTest::newRow("one block") << Encoding{8, 8, 2, 2};
    QTest::newRow("one pixel") << Encoding{1, 1, 2, 2};
}

void TestJpegCoarse::nearTheBlocksAverages() {
    QFETCH(Encoding, encoding);
    const QByteArray data =
        encode(picture(encoding.width, encoding.height, encoding.grey), encoding);
    const QImage coarse = DecodeJpegCoarse(reinterpret_cast<const uchar*>(data.constData()),
                                           data.size(), encoding.rgb);
    QCOMPARE(coarse.format(), QImage::Format_RGB32);
    QCOMPARE(coarse.size(), QSize((encoding.width + 7) / 8, (encoding.height + 7) / 8));
    // The averages' low bits may still be missing (two here, with the averages a scan each), and
    // subsampled chroma is shared between blocks.
    QVERIFY2(farthest(coarse, decode(data)) <= 16,
             qPrintable(QString::number(farthest(coarse, decode(data)))));
}

void TestJpegCoarse::refusedOrSafe_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("refused"); // else: no more than a picture of the right size

    const QImage image = picture(64, 48, false);
    const QByteArray good = encode(image, {64, 48, 2, 2});
    QTest::newRow("baseline") << encode(image, {64, 48, 2, 2, false, false, 0, Scans::Simple, false,
                                                false})
                              << true;
    QTest::newRow("arithmetic codes")
        << encode(image, {64, 48, 2, 2, false, false, 0, Scans::Simple, true}) << true;
    QTest::newRow("not a JPEG") << QByteArray("GIF89a and more bytes") << true;
    QTest::newRow("empty") << QByteArray() << true;
    // Cut inside the first scan: its missing bits read as zeros, nothing read beyond the end.
    const qsizetype firstScan = good.indexOf("\xFF\xDA");
    QTest::newRow("cut at the first scan") << good.left(firstScan) << true;
    QTest::newRow("cut inside the first scan") << good.left(firstScan + 30) << false;
    // Every byte of the headers and the first scan changed in turn, each as its own file.
    for (qsizetype at = 2; at < firstScan + 60; at += 3) {
        QByteArray damaged = good;
        damaged[at] = char(damaged[at] ^ 0xA5);
        QTest::newRow(qPrintable(QStringLiteral("byte %1 changed").arg(at))) << damaged << false;
    }
}

void TestJpegCoarse::refusedOrSafe() {
    QFETCH(QByteArray, data);
    QFETCH(bool, refused);
    const QImage coarse =
        DecodeJpegCoarse(reinterpret_cast<const uchar*>(data.constData()), data.size(), false);
    if (refused) {
        QVERIFY(coarse.isNull());
    } else if (!coarse.isNull()) {
        QCOMPARE(coarse.format(), QImage::Format_RGB32);
        QVERIFY(coarse.width() <= 8192 && coarse.height() <= 8192);
    }
}

QTEST_MAIN(TestJpegCoarse)
#include "test_jpegcoarse.moc"
