// The metafile renderer: recognising the formats, the natural size of a picture, the exact
// colours it paints (and where it paints none), and damaged files, which must draw up to the
// damage or fail with a message, never crash or read outside their bytes.

#include "input/metafile/Metafile.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <set>

namespace {

QByteArray fixture(const QString& name) {
    QFile file(qEnvironmentVariable("HUEMARK_TEST_DATA") + QStringLiteral("/metafile/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("missing fixture %s", qPrintable(name));
    }
    return file.readAll();
}

const QStringList allFixtures = {
    "shapes.emf",    "shapes.wmf",     "features.emf",   "features.wmf",  "placeable.wmf",
    "plain.wmf",     "bitmap.emf",     "transform.emf",  "modes.emf",     "text-gradient.emf",
    "truncated.wmf", "lying-size.emf", "huge-count.emf", "described.emf", "no-extent.wmf"};

// Offsets of every record's size field, so tests can make records lie about their length.
struct RecordField {
    qsizetype offset;
    bool words; // WMF sizes count 16-bit words; EMF sizes count bytes
};

std::vector<RecordField> recordSizeFields(const QByteArray& data) {
    std::vector<RecordField> fields;
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(data.constData() + at); };
    if (data.size() >= 8 && u32(0) == 1) {
        for (qsizetype at = 0; at + 8 <= data.size() && u32(at + 4) >= 8;) {
            fields.push_back({at + 4, false});
            at += u32(at + 4);
        }
        return fields;
    }
    qsizetype at = (data.size() >= 4 && u32(0) == 0x9ac6cdd7u) ? 22 + 18 : 18;
    while (at + 6 <= data.size() && u32(at) >= 3) {
        fields.push_back({at, true});
        at += qsizetype(u32(at)) * 2;
    }
    return fields;
}

// What every outcome must satisfy: a picture of sane size and format, or a message.
void checkOutcome(const std::optional<QImage>& image, const QString& error) {
    if (image) {
        QCOMPARE(image->format(), QImage::Format_ARGB32_Premultiplied);
        QVERIFY(image->width() > 0 && image->width() <= 20000);
        QVERIFY(image->height() > 0 && image->height() <= 20000);
    } else {
        QVERIFY(!error.isEmpty());
    }
}

// A small EMF writer for single-purpose drawings: the reference device has 96 DPI, so device
// units are picture pixels.
class Emf {
public:
    Emf& add(quint32 type, std::initializer_list<qint32> values = {}, QByteArray tail = {}) {
        QByteArray payload;
        for (qint32 v : values) {
            payload += le(v);
        }
        payload += tail;
        payload += QByteArray(-payload.size() & 3, '\0');
        m_records += le(qint32(type)) + le(qint32(8 + payload.size())) + payload;
        ++m_count;
        return *this;
    }
    // Brush 1 in the colour, selected, and the null pen: shapes show their fill only.
    Emf& fill(QRgb color) {
        return add(39, {1, 0, colorRef(color), 0}).add(37, {1}).add(37, {qint32(0x80000008)});
    }
    Emf& rect(int l, int t, int r, int b) { return add(43, {l, t, r, b}); }
    Emf& xform(int type, float m11, float m12, float m21, float m22, float dx, float dy,
               std::optional<qint32> mode = {}) {
        std::initializer_list<qint32> m = {f(m11), f(m12), f(m21), f(m22), f(dx), f(dy)};
        QByteArray tail = mode ? le(*mode) : QByteArray();
        return add(type, m, tail);
    }
    // A bitmap record of the StretchBlt layout (also AlphaBlend, TransparentBlt) drawing a
    // 32-bit top-down bitmap of the given pixels over dest.
    Emf& blit(quint32 type, QRect dest, quint32 ropOrBlend, QSize size, QList<QRgb> pixels) {
        QByteArray info =
            le(40) + le(size.width()) + le(-size.height()) + le(0x00200001) + QByteArray(24, '\0');
        QByteArray bits;
        for (QRgb p : pixels) {
            bits += le(qint32(p));
        }
        const qint32 offInfo = 8 + 100;
        return add(type,
                   {0,
                    0,
                    0,
                    0,
                    dest.x(),
                    dest.y(),
                    dest.width(),
                    dest.height(),
                    qint32(ropOrBlend),
                    0,
                    0,
                    f(1),
                    0,
                    0,
                    f(1),
                    0,
                    0,
                    0,
                    0,
                    offInfo,
                    qint32(info.size()),
                    offInfo + qint32(info.size()),
                    qint32(bits.size()),
                    size.width(),
                    size.height()},
                   info + bits);
    }
    // Font 1, selected, and ExtTextOutW of the text at (x, y).
    Emf& text(int x, int y, int height, const QString& text) {
        QByteArray face = QStringLiteral("Liberation Sans").toUtf8();
        QByteArray face16;
        for (char c : face) {
            face16 += c;
            face16 += '\0';
        }
        add(82, {1, height, 0, 0, 0, 400, 0, 0}, face16.leftJustified(64, '\0')).add(37, {1});
        QByteArray chars;
        for (QChar c : text) {
            chars += char(c.unicode() & 0xff);
            chars += char(c.unicode() >> 8);
        }
        return add(84,
                   {0, 0, -1, -1, 1, f(1), f(1), x, y, qint32(text.size()), 76, 0, 0, 0, 0, 0, 0},
                   chars);
    }
    static QByteArray region(const QList<QRect>& rects) {
        QByteArray data = le(32) + le(1) + le(qint32(rects.size())) +
                          le(16 * qint32(rects.size())) + QByteArray(16, '\0');
        for (const QRect& r : rects) {
            data += le(r.left()) + le(r.top()) + le(r.right() + 1) + le(r.bottom() + 1);
        }
        return data;
    }
    QByteArray build(int width = 100, int height = 100) const {
        const QByteArray records = m_records + le(14) + le(20) + le(0) + le(16) + le(20);
        QByteArray header = le(1) + le(88) + le(0) + le(0) + le(width - 1) + le(height - 1) +
                            le(0) + le(0) + le(width * 2540 / 96) + le(height * 2540 / 96) +
                            le(0x464d4520) + le(0x10000) + le(88 + qint32(records.size())) +
                            le(m_count + 2) + le(16) + le(0) + le(0) + le(0) + le(960) + le(960) +
                            le(254) + le(254);
        return header + records;
    }
    static qint32 colorRef(QRgb c) { return qRed(c) | qGreen(c) << 8 | qBlue(c) << 16; }
    static qint32 f(float v) { return std::bit_cast<qint32>(v); }

private:
    static QByteArray le(qint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    }
    QByteArray m_records;
    qint32 m_count = 0;
};

// Bytes of a packed bitmap: header, colour table and bottom-up rows. Up to two colours make a
// 1-bit bitmap with them as its palette, more a 24-bit one.
QByteArray packedDib(QSize size, const QList<QRgb>& topDown, const QList<QRgb>& palette = {}) {
    const int bits = palette.isEmpty() ? 24 : 1;
    const int stride = (size.width() * bits + 31) / 32 * 4;
    QByteArray rows(stride * size.height(), '\0');
    for (int y = 0; y < size.height(); ++y) {
        char* row = rows.data() + stride * (size.height() - 1 - y);
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = topDown[y * size.width() + x];
            if (bits == 1) {
                row[x / 8] = char(row[x / 8] | (palette.indexOf(c) << (7 - x % 8)));
            } else {
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            }
        }
    }
    QByteArray header(40, '\0');
    qToLittleEndian<qint32>(40, header.data());
    qToLittleEndian<qint32>(size.width(), header.data() + 4);
    qToLittleEndian<qint32>(size.height(), header.data() + 8);
    qToLittleEndian<qint16>(1, header.data() + 12);
    qToLittleEndian<qint16>(qint16(bits), header.data() + 14);
    qToLittleEndian<qint32>(qint32(palette.size()), header.data() + 32);
    for (QRgb c : palette) {
        header += char(qBlue(c));
        header += char(qGreen(c));
        header += char(qRed(c));
        header += '\0';
    }
    return header + rows;
}

// A small placeable WMF writer: 96 units per inch over 100 x 100 units, so at 96 DPI a unit
// is a pixel.
class Wmf {
public:
    Wmf& add(quint16 function, std::initializer_list<int> words = {}, QByteArray tail = {}) {
        QByteArray payload;
        for (int w : words) {
            payload += le16(w);
        }
        payload += tail;
        payload += QByteArray(payload.size() & 1, '\0');
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(quint32(3 + payload.size() / 2), size.data());
        m_records += size + le16(function) + payload;
        return *this;
    }
    // Objects 0 and 1: a solid brush in the colour and the null pen, both selected.
    Wmf& fill(QRgb c) {
        return brush(c).add(0x02fa, {5, 0, 0, 0, 0}).add(0x012d, {0}).add(0x012d, {1});
    }
    Wmf& brush(QRgb c, int style = 0) {
        return add(0x02fc, {style, qRed(c) | qGreen(c) << 8, qBlue(c), 0});
    }
    Wmf& rect(int l, int t, int r, int b) { return add(0x041b, {b, r, t, l}); }
    QByteArray build() const {
        const QByteArray records = m_records + QByteArray::fromHex("030000000000");
        QByteArray data = QByteArray::fromHex("d7cdc69a0000") + le16(0) + le16(0) + le16(100) +
                          le16(100) + le16(96) + QByteArray(6, '\0');
        QByteArray header = le16(1) + le16(9) + le16(0x300) + QByteArray(12, '\0');
        qToLittleEndian<quint32>(quint32((18 + records.size()) / 2), header.data() + 6);
        return data + header + records;
    }

private:
    static QByteArray le16(int v) {
        QByteArray b(2, '\0');
        qToLittleEndian<qint16>(qint16(v), b.data());
        return b;
    }
    QByteArray m_records;
};

QByteArray le32(qint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A BITMAPINFOHEADER, with masks or colour table appended by the caller.
QByteArray dibHeader(int width, int height, int bitCount, int compression, int used = 0) {
    return le32(40) + le32(width) + le32(height) + le32(1 | bitCount << 16) + le32(compression) +
           QByteArray(12, '\0') + le32(used) + le32(0);
}

// StretchDIBits of a whole bitmap onto dest.
Emf& stretchDib(Emf& emf, QRect dest, QSize source, const QByteArray& info,
                const QByteArray& bits) {
    const qint32 offInfo = 80;
    return emf.add(81,
                   {0, 0, 0, 0, dest.x(), dest.y(), 0, 0, source.width(), source.height(), offInfo,
                    qint32(info.size()), offInfo + qint32(info.size()), qint32(bits.size()), 0,
                    0xcc0020, dest.width(), dest.height()},
                   info + bits);
}

// Vertical strips two pixels wide every four, as one band of a region.
QList<QRect> strips(int count, bool vertical, int length) {
    QList<QRect> rects;
    for (int i = 0; i < count; ++i) {
        rects.append(vertical ? QRect(4 * i, 0, 2, length) : QRect(0, 4 * i, length, 2));
    }
    return rects;
}

// A grid clip: 256 vertical strips, then horizontal ones XOR-ed in, then the given saves.
Emf gridClip(int horizontal, int saves) {
    Emf emf;
    const QByteArray columns = Emf::region(strips(256, true, 1024));
    const QByteArray rows = Emf::region(strips(horizontal, false, 1024));
    emf.add(75, {qint32(columns.size()), 5}, columns).add(75, {qint32(rows.size()), 3}, rows);
    for (int i = 0; i < saves; ++i) {
        emf.add(33);
    }
    return emf;
}

QByteArray png(const QImage& image, const char* format = "png") {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

} // namespace

class TestMetafile : public QObject {
    Q_OBJECT
private slots:
    void detection_data();
    void detection();
    void naturalSize_data();
    void naturalSize();
    void pixels_data();
    void pixels();
    void records_data();
    void records();
    void wmfRecords_data();
    void wmfRecords();
    void ink_data();
    void ink();
    void noBlending_data();
    void noBlending();
    void drawnWithinTheLimit_data();
    void drawnWithinTheLimit();
    void refused_data();
    void refused();
    void truncation_data();
    void truncation();
    void lyingRecords_data();
    void lyingRecords();
    void flippedBytes_data();
    void flippedBytes();
    void limits_data();
    void limits();
};

// Only the leading bytes decide whether a file is a metafile.
void TestMetafile::detection_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("metafile");

    QByteArray emf(44, '\0');
    emf[0] = 1;
    emf.replace(40, 4, " EMF");
    QByteArray noSignature = emf;
    noSignature.replace(40, 4, "XEMF");

    QTest::newRow("placeable WMF") << QByteArray::fromHex("d7cdc69a0000") << true;
    QTest::newRow("WMF in memory, version 3") << QByteArray::fromHex("010009000003") << true;
    QTest::newRow("WMF on disk, version 1") << QByteArray::fromHex("020009000001") << true;
    QTest::newRow("WMF, wrong header size") << QByteArray::fromHex("01000a000003") << false;
    QTest::newRow("WMF, unknown version") << QByteArray::fromHex("010009000002") << false;
    QTest::newRow("WMF, unknown type") << QByteArray::fromHex("030009000003") << false;
    QTest::newRow("EMF") << emf << true;
    QTest::newRow("EMF without signature") << noSignature << false;
    QTest::newRow("EMF cut before signature") << emf.left(42) << false;
    QTest::newRow("PNG") << QByteArray::fromHex("89504e470d0a1a0a0000000d") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("three bytes of a key") << QByteArray::fromHex("d7cdc6") << false;
    QTest::newRow("fixture shapes.emf") << fixture("shapes.emf") << true;
    QTest::newRow("fixture features.wmf") << fixture("features.wmf") << true;
    QTest::newRow("fixture plain.wmf") << fixture("plain.wmf") << true;
}

void TestMetafile::detection() {
    QFETCH(QByteArray, data);
    QFETCH(bool, metafile);
    QCOMPARE(LooksLikeMetafile(data), metafile);
}

// EMF: the frame (0.01 mm) at the DPI; placeable WMF: the box over its units per inch, at the
// DPI; plain WMF: its window at one pixel per unit, whatever the DPI.
void TestMetafile::naturalSize_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QSize>("size");

    QTest::newRow("Inkscape EMF") << "shapes.emf" << 96.0 << QSize(200, 121);
    QTest::newRow("Inkscape EMF, 192 DPI") << "shapes.emf" << 192.0 << QSize(401, 242);
    QTest::newRow("Inkscape WMF") << "shapes.wmf" << 96.0 << QSize(200, 120);
    QTest::newRow("Inkscape WMF, 72 DPI") << "shapes.wmf" << 72.0 << QSize(150, 90);
    QTest::newRow("Inkscape EMF with image") << "features.emf" << 96.0 << QSize(200, 121);
    QTest::newRow("Inkscape WMF with image") << "features.wmf" << 96.0 << QSize(200, 120);
    QTest::newRow("placeable") << "placeable.wmf" << 96.0 << QSize(100, 60);
    QTest::newRow("placeable, 144 DPI") << "placeable.wmf" << 144.0 << QSize(150, 90);
    QTest::newRow("plain") << "plain.wmf" << 96.0 << QSize(200, 100);
    QTest::newRow("plain, 192 DPI") << "plain.wmf" << 192.0 << QSize(200, 100);
    QTest::newRow("EMF") << "bitmap.emf" << 96.0 << QSize(96, 48);
    QTest::newRow("EMF, 48 DPI") << "bitmap.emf" << 48.0 << QSize(48, 24);
    QTest::newRow("EMF, anisotropic") << "transform.emf" << 96.0 << QSize(100, 100);
    QTest::newRow("truncated keeps its size") << "truncated.wmf" << 96.0 << QSize(100, 60);
    // The description right after the base header: the later header fields are not there.
    QTest::newRow("EMF with its description first") << "described.emf" << 96.0 << QSize(55, 38);
    // No window extent: the extent of the bar and 21 lines of text below it.
    QTest::newRow("plain WMF sized by what it draws") << "no-extent.wmf" << 96.0 << QSize(200, 448);
}

void TestMetafile::naturalSize() {
    QFETCH(QString, file);
    QFETCH(double, dpi);
    QFETCH(QSize, size);
    QString error;
    const std::optional<QImage> image = RenderMetafile(fixture(file), dpi, &error);
    QVERIFY2(image, qPrintable(error));
    QCOMPARE(image->size(), size);
    QCOMPARE(image->format(), QImage::Format_ARGB32_Premultiplied);
}

// Colours at known points: inside filled shapes exactly the colour the file names, bitmap
// pixels, gradients (within a tolerance), and transparency where nothing was painted.
void TestMetafile::pixels_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("color");
    QTest::addColumn<int>("tolerance");

    const QRgb none = 0;
    struct Row {
        const char* name;
        const char* file;
        QPoint at;
        QRgb color;
        int tolerance = 0;
    };
    const Row rows[] = {
        // Inkscape's exports of the same drawing
        {"EMF rectangle 12,34,56", "shapes.emf", {50, 35}, 0xff0c2238},
        {"EMF ellipse", "shapes.emf", {150, 40}, 0xffff8000},
        {"EMF Bezier path", "shapes.emf", {92, 100}, 0xff20a020},
        {"EMF background", "shapes.emf", {195, 5}, none},
        {"WMF rectangle 12,34,56", "shapes.wmf", {50, 35}, 0xff0c2238},
        {"WMF ellipse", "shapes.wmf", {150, 40}, 0xffff8000},
        {"WMF Bezier path", "shapes.wmf", {20, 82}, 0xff20a020},
        {"WMF background", "shapes.wmf", {195, 5}, none},
        {"EMF image, top left", "features.emf", {20, 20}, 0xffff0000},
        {"EMF image, top right", "features.emf", {40, 20}, 0xff00ff00},
        {"EMF image, bottom left", "features.emf", {20, 40}, 0xff0000ff},
        {"EMF image, bottom right", "features.emf", {40, 40}, 0xffffff00},
        {"EMF inside clip path", "features.emf", {150, 90}, 0xff00ff00},
        {"EMF outside clip path", "features.emf", {125, 65}, none},
        {"EMF gradient, a third", "features.emf", {100, 20}, 0xff555555, 3},
        {"EMF dashed line", "features.emf", {62, 60}, 0xff800080},
        {"WMF image, top left", "features.wmf", {20, 20}, 0xffff0000},
        {"WMF image, bottom right", "features.wmf", {40, 40}, 0xffffff00},
        // placeable WMF
        {"rectangle 12,34,56", "placeable.wmf", {25, 20}, 0xff0c2238},
        {"rectangle edge in", "placeable.wmf", {10, 10}, 0xff0c2238},
        {"rectangle edge out", "placeable.wmf", {9, 10}, none},
        {"ellipse", "placeable.wmf", {70, 20}, 0xffc80000},
        {"outside ellipse", "placeable.wmf", {51, 11}, none},
        {"inside clip", "placeable.wmf", {60, 47}, 0xffc80000},
        {"clipped away", "placeable.wmf", {72, 47}, none},
        {"stretched DIB, top left", "placeable.wmf", {82, 42}, 0xffff0000},
        {"stretched DIB, top right", "placeable.wmf", {93, 42}, 0xff00ff00},
        {"stretched DIB, bottom left", "placeable.wmf", {82, 53}, 0xff0000ff},
        {"stretched DIB, bottom right", "placeable.wmf", {93, 53}, 0xffffffff},
        // plain WMF
        {"alternate fill", "plain.wmf", {20, 50}, 0xff008000},
        {"alternate fill hole", "plain.wmf", {50, 50}, none},
        {"winding fill", "plain.wmf", {150, 50}, 0xff008000},
        {"line", "plain.wmf", {5, 95}, 0xffff00ff},
        {"below line", "plain.wmf", {5, 97}, none},
        // EMF bitmaps
        {"true colour, red", "bitmap.emf", {8, 8}, 0xffff0000},
        {"true colour, blue", "bitmap.emf", {40, 8}, 0xff0000ff},
        {"true colour, yellow", "bitmap.emf", {8, 24}, 0xffffff00},
        {"true colour, magenta", "bitmap.emf", {40, 24}, 0xffff00ff},
        {"palette, first", "bitmap.emf", {60, 4}, 0xff0a141e},
        {"palette, second", "bitmap.emf", {68, 4}, 0xff28323c},
        {"palette, last", "bitmap.emf", {68, 12}, 0xff0a141e},
        {"top-down, first", "bitmap.emf", {80, 0}, 0xff010203},
        {"top-down, last", "bitmap.emf", {81, 1}, 0xff0a0b0c},
        {"beside top-down", "bitmap.emf", {82, 0}, none},
        {"pattern brush, black", "bitmap.emf", {0, 32}, 0xff000000},
        {"pattern brush, white", "bitmap.emf", {1, 32}, 0xffffffff},
        {"pattern brush, next row", "bitmap.emf", {1, 33}, 0xff000000},
        {"RLE literal", "bitmap.emf", {50, 34}, 0xff005a00},
        {"RLE literal, second", "bitmap.emf", {54, 34}, 0xff5a0000},
        {"RLE run", "bitmap.emf", {62, 38}, 0xff005a00},
        // world transform, paths and clipping
        {"turned square, centre", "transform.emf", {50, 50}, 0xff0000c8},
        {"turned square, tip", "transform.emf", {50, 24}, 0xff0000c8},
        {"turned square, old corner", "transform.emf", {32, 32}, none},
        {"filled path", "transform.emf", {10, 75}, 0xff009600},
        {"beside filled path", "transform.emf", {30, 90}, none},
        {"inside clip path", "transform.emf", {75, 25}, 0xffdc0000},
        {"outside clip path", "transform.emf", {55, 25}, none},
        {"first region rectangle", "transform.emf", {65, 65}, 0xff009600},
        {"between region rectangles", "transform.emf", {75, 75}, none},
        {"second region rectangle", "transform.emf", {85, 85}, 0xff009600},
        // arc direction and raster operations
        {"counter-clockwise pie", "modes.emf", {30, 10}, 0xff0000c8},
        {"outside counter-clockwise pie", "modes.emf", {10, 30}, none},
        {"outside clockwise pie", "modes.emf", {80, 10}, none},
        {"clockwise pie", "modes.emf", {60, 30}, 0xff0000c8},
        {"copy", "modes.emf", {10, 70}, 0xffff0000},
        {"white XOR red", "modes.emf", {30, 70}, 0xff00ffff},
        {"white XOR page", "modes.emf", {50, 70}, 0xff000000},
        {"no operation", "modes.emf", {80, 70}, none},
        {"blackness", "modes.emf", {20, 105}, 0xff000000},
        // text background and gradients
        {"opaque text rectangle", "text-gradient.emf", {95, 35}, 0xffffffa0},
        {"outside text rectangle", "text-gradient.emf", {105, 35}, none},
        {"gradient start", "text-gradient.emf", {0, 55}, 0xff000000, 2},
        {"gradient middle", "text-gradient.emf", {128, 55}, 0xff808080, 3},
        {"gradient end", "text-gradient.emf", {255, 55}, 0xffffffff, 2},
        {"triangle red corner", "text-gradient.emf", {11, 71}, 0xfffc0000, 8},
        {"triangle green corner", "text-gradient.emf", {105, 71}, 0xff04f400, 12},
        {"triangle blue corner", "text-gradient.emf", {11, 117}, 0xff0000fa, 12},
        {"beside triangle", "text-gradient.emf", {100, 100}, none},
        // damaged files draw what came before the damage
        {"truncated: before the cut", "truncated.wmf", {25, 20}, 0xff0c2238},
        {"truncated: hatch before the cut", "truncated.wmf", {12, 42}, 0xffffff00},
        {"truncated: cut record", "truncated.wmf", {60, 47}, none},
        {"truncated: after the cut", "truncated.wmf", {82, 42}, none},
        {"lying size: before", "lying-size.emf", {8, 8}, 0xffff0000},
        {"lying size: the record", "lying-size.emf", {0, 32}, none},
        {"huge count: before", "huge-count.emf", {10, 10}, 0xff0c2238},
        {"huge count: after", "huge-count.emf", {35, 5}, none},
        {"description first: polygon", "described.emf", {27, 19}, 0xffffffff},
        {"description first: near its far corner", "described.emf", {50, 32}, 0xffffffff},
        {"description first: its outline", "described.emf", {3, 19}, 0xff000000},
        {"description first: outside", "described.emf", {54, 37}, none},
        {"no extent: the bar starts the picture", "no-extent.wmf", {0, 0}, 0xff008000},
        {"no extent: the bar's far corner", "no-extent.wmf", {199, 19}, 0xff008000},
        {"no extent: beside the first line", "no-extent.wmf", {199, 30}, none},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.file << row.at << row.color << row.tolerance;
    }
}

void TestMetafile::pixels() {
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    QFETCH(QRgb, color);
    QFETCH(int, tolerance);
    QString error;
    const std::optional<QImage> image = RenderMetafile(fixture(file), 96, &error);
    QVERIFY2(image, qPrintable(error));
    const QRgb got = image->pixel(at);
    const auto near = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
    QVERIFY2(near(qAlpha(got), qAlpha(color)) && near(qRed(got), qRed(color)) &&
                 near(qGreen(got), qGreen(color)) && near(qBlue(got), qBlue(color)),
             qPrintable(QStringLiteral("%1 at (%2, %3) is %4, expected %5")
                            .arg(file)
                            .arg(at.x())
                            .arg(at.y())
                            .arg(got, 8, 16, QLatin1Char('0'))
                            .arg(color, 8, 16, QLatin1Char('0'))));
}

// Single records and small sequences, each checked at one point: map modes, the window and
// viewport, world transform order, the saved-state stack, objects, clipping, shapes, paths,
// raster operations and bitmap blends.
void TestMetafile::records_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("color");

    const QRgb red = 0xffff0000, blue = 0xff0000ff, green = 0xff00ff00, none = 0;
    const QRgb white = 0xffffffff, black = 0xff000000, cyan = 0xff00ffff;
    auto row = [](const char* name, const Emf& emf, QPoint at, QRgb color) {
        QTest::newRow(name) << emf.build() << at << color;
    };
    const float c = std::sqrt(0.5f);

    // map modes: 0.1 mm and twips with y growing upwards, window and viewport
    row("lometric", Emf().add(17, {2}).fill(red).rect(0, 0, 100, -100), {30, 30}, red);
    row("lometric, beyond", Emf().add(17, {2}).fill(red).rect(0, 0, 100, -100), {40, 30}, none);
    row("twips", Emf().add(17, {6}).fill(red).rect(0, 0, 1440, -720), {90, 45}, red);
    row("twips, beyond", Emf().add(17, {6}).fill(red).rect(0, 0, 1440, -720), {90, 50}, none);
    row("window origin", Emf().add(10, {-50, -50}).fill(red).rect(0, 0, 10, 10), {55, 55}, red);
    row("viewport origin", Emf().add(12, {50, 50}).fill(red).rect(0, 0, 10, 10), {5, 5}, none);
    row("anisotropic stretch",
        Emf().add(17, {8}).add(9, {100, 50}).add(11, {100, 100}).fill(red).rect(0, 0, 100, 50),
        {50, 60}, red);
    row("isotropic keeps the aspect",
        Emf().add(17, {7}).add(9, {100, 50}).add(11, {100, 100}).fill(red).rect(0, 0, 100, 50),
        {50, 60}, none);
    row("scaled window extent",
        Emf()
            .add(17, {8})
            .add(9, {100, 100})
            .add(11, {100, 100})
            .add(32, {1, 2, 1, 2})
            .fill(red)
            .rect(0, 0, 20, 20),
        {30, 30}, red);
    // world transforms compose in the order the records give
    row("set world transform",
        Emf().xform(35, c, c, -c, c, 50, 50).fill(red).rect(-20, -20, 20, 20), {50, 24}, red);
    row("left multiply: scale first",
        Emf()
            .xform(35, 1, 0, 0, 1, 50, 0)
            .xform(36, 0.5, 0, 0, 0.5, 0, 0, 2)
            .fill(red)
            .rect(0, 0, 20, 20),
        {55, 5}, red);
    row("right multiply: translate first",
        Emf()
            .xform(35, 1, 0, 0, 1, 50, 0)
            .xform(36, 0.5, 0, 0, 0.5, 0, 0, 3)
            .fill(red)
            .rect(0, 0, 20, 20),
        {30, 5}, red);
    row("identity resets",
        Emf()
            .xform(35, 1, 0, 0, 1, 50, 0)
            .xform(36, 2, 0, 0, 2, 0, 0, 1)
            .fill(red)
            .rect(0, 0, 10, 10),
        {5, 5}, red);
    row("singular transform refused",
        Emf().xform(35, 0, 0, 0, 0, 0, 0).fill(red).rect(0, 0, 10, 10), {5, 5}, red);
    // saved states
    const Emf threeBrushes = Emf()
                                 .fill(red)
                                 .add(33)
                                 .add(39, {2, 0, Emf::colorRef(blue), 0})
                                 .add(37, {2})
                                 .add(33)
                                 .add(39, {3, 0, Emf::colorRef(green), 0})
                                 .add(37, {3});
    row("restore two back", Emf(threeBrushes).add(34, {-2}).rect(0, 0, 10, 10), {5, 5}, red);
    row("restore one back", Emf(threeBrushes).add(34, {-1}).rect(0, 0, 10, 10), {5, 5}, blue);
    row("restore the first save", Emf(threeBrushes).add(34, {1}).rect(0, 0, 10, 10), {5, 5}, red);
    row("restore past the stack", Emf(threeBrushes).add(34, {-5}).rect(0, 0, 10, 10), {5, 5},
        green);
    row("restore undoes clipping",
        Emf().fill(red).add(33).add(30, {0, 0, 1, 1}).add(34, {-1}).rect(0, 0, 10, 10), {5, 5},
        red);
    // objects
    row("deleted brush stays selected", Emf().fill(red).add(40, {1}).rect(0, 0, 10, 10), {5, 5},
        red);
    row("stock null brush", Emf().fill(red).add(37, {qint32(0x80000005)}).rect(0, 0, 10, 10),
        {5, 5}, none);
    row("stock black brush", Emf().fill(red).add(37, {qint32(0x80000004)}).rect(0, 0, 10, 10),
        {5, 5}, black);
    row("default brush and pen", Emf().rect(10, 10, 90, 90), {50, 50}, white);
    row("default pen outline", Emf().rect(10, 10, 90, 90), {10, 50}, black);
    row("unknown object ignored", Emf().fill(red).add(37, {7}).rect(0, 0, 10, 10), {5, 5}, red);
    row("wide pen",
        Emf()
            .add(38, {2, 0, 10, 0, Emf::colorRef(blue)})
            .add(37, {2})
            .add(87, {0, 0, 0, 0, 2},
                 QByteArray::fromHex("0a003200"
                                     "5a003200")),
        {50, 54}, blue);
    row("wide pen, beyond",
        Emf()
            .add(38, {2, 0, 10, 0, Emf::colorRef(blue)})
            .add(37, {2})
            .add(87, {0, 0, 0, 0, 2},
                 QByteArray::fromHex("0a003200"
                                     "5a003200")),
        {50, 57}, none);
    // clipping
    row("excluded rectangle", Emf().fill(red).add(29, {40, 40, 60, 60}).rect(0, 0, 100, 100),
        {50, 50}, none);
    row("around excluded rectangle", Emf().fill(red).add(29, {40, 40, 60, 60}).rect(0, 0, 100, 100),
        {39, 50}, red);
    row("offset clip",
        Emf().fill(red).add(30, {0, 0, 10, 10}).add(26, {50, 50}).rect(0, 0, 100, 100), {55, 55},
        red);
    row("offset clip leaves",
        Emf().fill(red).add(30, {0, 0, 10, 10}).add(26, {50, 50}).rect(0, 0, 100, 100), {5, 5},
        none);
    const Emf halfAndQuarter = Emf()
                                   .fill(red)
                                   .add(75, {48, 5}, Emf::region({QRect(0, 0, 50, 100)}))
                                   .add(75, {48, 4}, Emf::region({QRect(0, 0, 50, 50)}))
                                   .rect(0, 0, 100, 100);
    row("region copy, then difference", halfAndQuarter, {25, 75}, red);
    row("region difference removed", halfAndQuarter, {25, 25}, none);
    row("outside copied region", halfAndQuarter, {75, 75}, none);
    row("region reset", Emf().fill(red).add(30, {0, 0, 1, 1}).add(75, {0, 5}).rect(0, 0, 100, 100),
        {90, 90}, red);
    // shapes
    row("chord, upper half", Emf().fill(red).add(46, {0, 0, 100, 100, 100, 50, 0, 50}), {50, 25},
        red);
    row("chord, lower half", Emf().fill(red).add(46, {0, 0, 100, 100, 100, 50, 0, 50}), {50, 75},
        none);
    row("round rectangle corner", Emf().fill(red).add(44, {0, 0, 100, 100, 100, 100}), {4, 4},
        none);
    row("round rectangle middle", Emf().fill(red).add(44, {0, 0, 100, 100, 100, 100}), {50, 50},
        red);
    row("polypolygon",
        Emf().fill(red).add(91, {0, 0, 0, 0, 2, 6, 3, 3},
                            QByteArray::fromHex("00000000"
                                                "14000000"
                                                "00001400"
                                                "32003200"
                                                "46003200"
                                                "32004600")),
        {55, 55}, red);
    row("set pixel", Emf().add(15, {7, 7, Emf::colorRef(blue)}), {7, 7}, blue);
    row("angle arc",
        Emf()
            .add(38, {2, 0, 5, 0, Emf::colorRef(blue)})
            .add(37, {2})
            .add(27, {90, 50})
            .add(41, {50, 50, 40, 0, Emf::f(90)}),
        {78, 22}, blue);
    row("poly draw",
        Emf()
            .add(38, {2, 0, 5, 0, Emf::colorRef(blue)})
            .add(37, {2})
            .add(92, {0, 0, 0, 0, 3},
                 QByteArray::fromHex("0a000a00"
                                     "5a000a00"
                                     "5a005a00"
                                     "060202")),
        {90, 50}, blue);
    // paths
    row("widened path",
        Emf()
            .add(38, {2, 0, 10, 0, 0})
            .add(37, {2})
            .fill(red)
            .add(37, {2})
            .add(59)
            .add(27, {10, 50})
            .add(54, {90, 50})
            .add(60)
            .add(66)
            .add(62, {0, 0, -1, -1}),
        {50, 53}, red);
    row("stroke and fill path",
        Emf()
            .add(38, {2, 0, 10, 0, Emf::colorRef(blue)})
            .add(37, {2})
            .add(39, {1, 0, Emf::colorRef(red), 0})
            .add(37, {1})
            .add(59)
            .add(27, {20, 20})
            .add(54, {80, 20})
            .add(54, {80, 80})
            .add(61)
            .add(60)
            .add(63, {0, 0, -1, -1}),
        {60, 40}, red);
    row("stroke and fill path, edge",
        Emf()
            .add(38, {2, 0, 10, 0, Emf::colorRef(blue)})
            .add(37, {2})
            .add(39, {1, 0, Emf::colorRef(red), 0})
            .add(37, {1})
            .add(59)
            .add(27, {20, 20})
            .add(54, {80, 20})
            .add(54, {80, 80})
            .add(61)
            .add(60)
            .add(63, {0, 0, -1, -1}),
        {50, 17}, blue);
    row("aborted path draws nothing",
        Emf().fill(red).add(59).add(43, {0, 0, 10, 10}).add(68).add(62, {0, 0, -1, -1}), {5, 5},
        none);
    // raster operations
    row("not copy pen", Emf().fill(red).add(20, {4}).rect(0, 0, 10, 10), {5, 5}, cyan);
    row("white", Emf().fill(red).add(20, {16}).rect(0, 0, 10, 10), {5, 5}, white);
    row("not on the page", Emf().fill(red).add(20, {6}).rect(0, 0, 10, 10), {5, 5}, black);
    row("and on the page", Emf().fill(red).add(20, {9}).rect(0, 0, 10, 10), {5, 5}, red);
    row("invert region",
        Emf()
            .fill(red)
            .rect(0, 0, 100, 100)
            .add(73, {0, 0, -1, -1, 48}, Emf::region({QRect(0, 0, 10, 10)})),
        {5, 5}, cyan);
    row("fill region",
        Emf()
            .fill(red)
            .add(39, {2, 0, Emf::colorRef(blue), 0})
            .add(71, {0, 0, -1, -1, 48, 2}, Emf::region({QRect(0, 0, 10, 10)})),
        {5, 5}, blue);
    row("frame region, inside",
        Emf()
            .fill(red)
            .add(39, {2, 0, Emf::colorRef(blue), 0})
            .add(72, {0, 0, -1, -1, 48, 2, 3, 3}, Emf::region({QRect(0, 0, 20, 20)})),
        {10, 10}, none);
    row("frame region, border",
        Emf()
            .fill(red)
            .add(39, {2, 0, Emf::colorRef(blue), 0})
            .add(72, {0, 0, -1, -1, 48, 2, 3, 3}, Emf::region({QRect(0, 0, 20, 20)})),
        {1, 10}, blue);
    // text too large for Qt's glyph cache is drawn as outlines
    row("large text, stem", Emf().add(18, {1}).text(0, -40, -200, "H"), {26, 50}, black);
    row("large text, beside", Emf().add(18, {1}).text(0, -40, -200, "H"), {5, 50}, none);
    // bitmaps
    row("bitblt invert",
        Emf()
            .fill(red)
            .rect(0, 0, 100, 100)
            .blit(77, {0, 0, 10, 10}, 0x00660046, {1, 1}, {0xffffffff}),
        {5, 5}, cyan);
    row("transparent blit, key",
        Emf()
            .fill(red)
            .rect(0, 0, 100, 100)
            .blit(116, {0, 0, 20, 10}, 0xff00ff, {2, 1}, {0xffff00ff, 0xff0000ff}),
        {5, 5}, red);
    row("transparent blit, other",
        Emf()
            .fill(red)
            .rect(0, 0, 100, 100)
            .blit(116, {0, 0, 20, 10}, 0xff00ff, {2, 1}, {0xffff00ff, 0xff0000ff}),
        {15, 5}, blue);
    row("alpha blend, opaque",
        Emf()
            .fill(red)
            .rect(0, 0, 100, 100)
            .blit(114, {0, 0, 10, 10}, 0x00ff0000, {1, 1}, {0xff0000ff}),
        {5, 5}, blue);
    row("alpha blend, per pixel",
        Emf()
            .fill(red)
            .rect(0, 0, 100, 100)
            .blit(114, {0, 0, 10, 10}, 0x01ff0000, {1, 1}, {0x00000000}),
        {5, 5}, red);
}

void TestMetafile::records() {
    QFETCH(QByteArray, data);
    QFETCH(QPoint, at);
    QFETCH(QRgb, color);
    QString error;
    const std::optional<QImage> image = RenderMetafile(data, 96, &error);
    QVERIFY2(image, qPrintable(error));
    QCOMPARE(image->size(), QSize(100, 100));
    QCOMPARE(QString::number(image->pixel(at), 16), QString::number(color, 16));
}

// The WMF front end's records, each checked at one point.
void TestMetafile::wmfRecords_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("color");

    const QRgb red = 0xffff0000, green = 0xff00ff00, blue = 0xff0000ff, yellow = 0xffffff00;
    const QRgb black = 0xff000000, white = 0xffffffff, cyan = 0xff00ffff, none = 0;
    auto row = [](const char* name, const Wmf& wmf, QPoint at, QRgb color) {
        QTest::newRow(name) << wmf.build() << at << color;
    };
    const QByteArray colors = packedDib({2, 2}, {red, green, blue, yellow});
    const QByteArray checker = packedDib({8, 8},
                                         [&] {
                                             QList<QRgb> p;
                                             for (int i = 0; i < 64; ++i) {
                                                 p.append((i % 8 + i / 8) % 2 ? white : black);
                                             }
                                             return p;
                                         }(),
                                         {black, white});
    const Wmf bluePen = Wmf().add(0x02fa, {0, 10, 0, 0, 0xff}).add(0x012d, {0});
    // a region (object 2) of pixels 20..40 x 20..40, and a blue brush (object 3)
    const Wmf region =
        Wmf()
            .fill(red)
            .add(0x06ff, {0, 6, 0, 0, 34, 1, 2, 20, 20, 40, 40, 2, 20, 40, 20, 40, 2})
            .brush(blue);

    row("pie", Wmf().fill(red).add(0x081a, {0, 50, 50, 100, 100, 100, 0, 0}), {70, 30}, red);
    row("pie, outside", Wmf().fill(red).add(0x081a, {0, 50, 50, 100, 100, 100, 0, 0}), {30, 70},
        none);
    row("chord", Wmf().fill(red).add(0x0830, {50, 0, 50, 100, 100, 100, 0, 0}), {50, 25}, red);
    row("arc", Wmf(bluePen).add(0x0817, {10, 50, 50, 90, 90, 90, 10, 10}), {78, 22}, blue);
    row("round rectangle", Wmf().fill(red).add(0x061c, {100, 100, 100, 100, 0, 0}), {4, 4}, none);
    row("pattern fill", Wmf().fill(red).add(0x061d, {0x0021, 0x00f0, 10, 10, 0, 0}), {5, 5}, red);
    row("set pixel", Wmf().add(0x041f, {0, 0xff, 7, 7}), {7, 7}, blue);
    row("bitmap blit", Wmf().add(0x0940, {0x0020, 0x00cc, 0, 0, 2, 2, 10, 10}, colors), {11, 10},
        green);
    row("bitmap stretch", Wmf().add(0x0b41, {0x0020, 0x00cc, 2, 2, 0, 0, 20, 20, 0, 0}, colors),
        {15, 15}, yellow);
    row("bitmap to device", Wmf().add(0x0d33, {0, 2, 0, 0, 0, 2, 2, 0, 0}, colors), {0, 1}, blue);
    row("mirrored stretch",
        Wmf().add(0x0f43, {0x0020, 0x00cc, 0, 2, 2, 0, 0, 20, -20, 0, 20}, colors), {15, 5}, red);
    row("blit without bitmap", Wmf().add(0x0940, {0x0042, 0x0000, 0, 0, 0, 10, 10, 0, 0}), {5, 5},
        black);
    row("clip region", Wmf(region).add(0x012c, {2}).rect(0, 0, 100, 100), {30, 30}, red);
    row("clip region, outside", Wmf(region).add(0x012c, {2}).rect(0, 0, 100, 100), {50, 50}, none);
    row("fill region", Wmf(region).add(0x0228, {2, 3}), {30, 30}, blue);
    row("frame region, border", Wmf(region).add(0x0429, {2, 3, 3, 3}), {21, 30}, blue);
    row("frame region, inside", Wmf(region).add(0x0429, {2, 3, 3, 3}), {30, 30}, none);
    row("paint region", Wmf(region).add(0x012b, {2}), {30, 30}, red);
    row("invert region", Wmf(region).rect(0, 0, 100, 100).add(0x012a, {2}), {30, 30}, cyan);
    row("bitmap pattern brush",
        Wmf().fill(red).add(0x0142, {5, 0}, checker).add(0x012d, {2}).rect(0, 0, 100, 100), {1, 0},
        white);
    row("bitmap pattern brush, next",
        Wmf().fill(red).add(0x0142, {5, 0}, checker).add(0x012d, {2}).rect(0, 0, 100, 100), {1, 1},
        black);
    // an old monochrome bitmap brush: 0 bits in the text colour, 1 bits in the background's
    QByteArray stripes;
    for (int y = 0; y < 8; ++y) {
        stripes += QByteArray::fromHex(y % 2 ? "aa00" : "5500");
    }
    const Wmf monoBrush =
        Wmf()
            .fill(green)
            .add(0x0209, {0xff, 0})
            .add(0x0201, {0, 0xff})
            .add(0x01f9, {0, 8, 8, 2, 0x0101, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, stripes)
            .add(0x012d, {2})
            .rect(0, 0, 100, 100);
    row("monochrome brush, 0 bit", monoBrush, {0, 0}, red);
    row("monochrome brush, 1 bit", monoBrush, {1, 0}, blue);
    row("opaque text rectangle",
        Wmf().add(0x0201, {0, 0xff}).add(0x0a32, {0, 0, 0, 2, 0, 0, 50, 50}), {25, 25}, blue);
    row("escape skipped", Wmf().fill(red).add(0x0626, {15, 4, 0x4d57, 0x4346}).rect(0, 0, 10, 10),
        {5, 5}, red);
    row("window origin offset", Wmf().fill(red).add(0x020f, {-50, -50}).rect(0, 0, 10, 10),
        {55, 55}, red);
    row("window extent scaled", Wmf().fill(red).add(0x0410, {2, 1, 2, 1}).rect(0, 0, 20, 20),
        {30, 30}, red);
    row("isotropic", Wmf().fill(red).add(0x0103, {7}).add(0x020c, {50, 100}).rect(0, 0, 100, 50),
        {50, 60}, none);
    row("anisotropic", Wmf().fill(red).add(0x0103, {8}).add(0x020c, {50, 100}).rect(0, 0, 100, 50),
        {50, 60}, red);
    row("lowest free slot reused",
        Wmf().fill(red).add(0x01f0, {0}).brush(green).add(0x012d, {0}).rect(0, 0, 10, 10), {5, 5},
        green);
    row("saved state restored",
        Wmf()
            .fill(red)
            .add(0x001e)
            .brush(green)
            .add(0x012d, {2})
            .add(0x0127, {-1})
            .rect(0, 0, 10, 10),
        {5, 5}, red);
    row("wide pen polyline", Wmf(bluePen).add(0x0325, {2, 10, 50, 90, 50}), {50, 54}, blue);
}

void TestMetafile::wmfRecords() {
    QFETCH(QByteArray, data);
    QFETCH(QPoint, at);
    QFETCH(QRgb, color);
    QString error;
    const std::optional<QImage> image = RenderMetafile(data, 96, &error);
    QVERIFY2(image, qPrintable(error));
    QCOMPARE(image->size(), QSize(100, 100));
    QCOMPARE(QString::number(image->pixel(at), 16), QString::number(color, 16));
}

// Text: glyphs in the text colour where the text stands, and nowhere Dx spacing leaves a gap.
void TestMetafile::ink_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRgb>("color");
    QTest::addColumn<bool>("present");

    QTest::newRow("first H") << "text-gradient.emf" << QRect(10, 10, 20, 30) << QRgb(0xff000000)
                             << true;
    QTest::newRow("gap the spacing leaves")
        << "text-gradient.emf" << QRect(31, 0, 18, 40) << QRgb(0xff000000) << false;
    QTest::newRow("second H, 40 pixels on")
        << "text-gradient.emf" << QRect(50, 10, 20, 30) << QRgb(0xff000000) << true;
    QTest::newRow("nothing above the text")
        << "text-gradient.emf" << QRect(0, 0, 100, 10) << QRgb(0xff000000) << false;
    QTest::newRow("WMF TextOut, top-left aligned")
        << "plain.wmf" << QRect(92, 2, 30, 24) << QRgb(0xff0000a0) << true;
    QTest::newRow("WMF TextOut, nothing left of it")
        << "plain.wmf" << QRect(80, 0, 11, 30) << QRgb(0xff0000a0) << false;
    QTest::newRow("Inkscape EMF text")
        << "shapes.emf" << QRect(108, 84, 40, 18) << QRgb(0xffc00000) << true;
    QTest::newRow("Inkscape WMF text")
        << "shapes.wmf" << QRect(108, 84, 40, 18) << QRgb(0xffc00000) << true;
    QTest::newRow("Inkscape EMF turned text")
        << "features.emf" << QRect(20, 75, 40, 30) << QRgb(0xff000080) << true;
}

void TestMetafile::ink() {
    QFETCH(QString, file);
    QFETCH(QRect, area);
    QFETCH(QRgb, color);
    QFETCH(bool, present);
    const std::optional<QImage> image = RenderMetafile(fixture(file), 96);
    QVERIFY(image);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image->pixel(x, y) == color;
        }
    }
    QCOMPARE(count > 0, present);
}

// Without anti-aliasing, shape edges hold only the shape's own colours and transparency.
void TestMetafile::noBlending_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QList<QRgb>>("colors");

    QTest::newRow("ellipse") << "placeable.wmf" << QRect(45, 5, 50, 30)
                             << QList<QRgb>{0, 0xffc80000};
    QTest::newRow("outlined ellipse")
        << "shapes.emf" << QRect(110, 10, 80, 60) << QList<QRgb>{0, 0xffff8000, 0xff000000};
    QTest::newRow("Bezier path") << "shapes.wmf" << QRect(5, 60, 100, 55)
                                 << QList<QRgb>{0, 0xff20a020};
    QTest::newRow("turned square")
        << "transform.emf" << QRect(15, 15, 70, 40) << QList<QRgb>{0, 0xff0000c8, 0xffdc0000};
    QTest::newRow("text") << "text-gradient.emf" << QRect(0, 0, 100, 40)
                          << QList<QRgb>{0xffffffa0, 0xff000000};
    QTest::newRow("hatch on opaque background")
        << "placeable.wmf" << QRect(10, 40, 30, 15) << QList<QRgb>{0xff0000ff, 0xffffff00};
}

void TestMetafile::noBlending() {
    QFETCH(QString, file);
    QFETCH(QRect, area);
    QFETCH(QList<QRgb>, colors);
    const std::optional<QImage> image = RenderMetafile(fixture(file), 96);
    QVERIFY(image);
    std::set<QRgb> seen;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image->pixel(x, y);
            QVERIFY2(colors.contains(p), qPrintable(QStringLiteral("(%1, %2) is %3")
                                                        .arg(x)
                                                        .arg(y)
                                                        .arg(p, 8, 16, QLatin1Char('0'))));
            seen.insert(p);
        }
    }
    QCOMPARE(seen.size(), size_t(colors.size())); // every colour really is there
}

// A drawing larger than the pixel limit is drawn at the largest size within it, keeping its
// aspect, rather than refused.
void TestMetafile::drawnWithinTheLimit_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<qint64>("maxPixels");
    QTest::addColumn<QSize>("size");

    QByteArray placeable = fixture("placeable.wmf");
    placeable.replace(10, 2, QByteArray::fromHex("ff7f")); // 32767 x 900 units at 1440 per inch
    QTest::newRow("3.2 x 4.1 m") << fixture("large-frame.emf") << 96.0 << (qint64(1) << 20)
                                 << QSize(904, 1159);
    QTest::newRow("3.2 x 4.1 m, the renderer's own limit")
        << fixture("large-frame.emf") << 96.0 << kMaxMetafilePixels << QSize(7237, 9272);
    QTest::newRow("a square kilometre")
        << fixture("huge-frame.emf") << 96.0 << (qint64(1) << 20) << QSize(1024, 1024);
    QTest::newRow("placeable, 98301 pixels wide")
        << placeable << 1440.0 * 3 << kMaxMetafilePixels << QSize(20000, 549);
}

void TestMetafile::drawnWithinTheLimit() {
    QFETCH(QByteArray, data);
    QFETCH(double, dpi);
    QFETCH(qint64, maxPixels);
    QFETCH(QSize, size);
    QString error;
    const std::optional<QImage> image = RenderMetafile(data, dpi, &error, maxPixels);
    QVERIFY2(image, qPrintable(error));
    QCOMPARE(image->size(), size);
    if (data == fixture("large-frame.emf")) {
        // Drawn smaller, not cut: each quarter where it belongs.
        const int w = size.width();
        const int h = size.height();
        QCOMPARE(image->pixel(w / 4, h / 4), 0xff0000ffu);
        QCOMPARE(image->pixel(3 * w / 4, 3 * h / 4), 0xffff0000u);
        QCOMPARE(image->pixel(3 * w / 4, h / 4), 0u);
        QCOMPARE(image->pixel(w - 1, h - 1), 0xffff0000u);
    }
}

// Files that cannot be drawn at all fail with a message.
void TestMetafile::refused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<double>("dpi");

    const QByteArray emf = fixture("bitmap.emf");
    auto patched = [](QByteArray data, int at, QByteArray bytes) {
        return data.replace(at, bytes.size(), bytes);
    };
    // Empty bounds, (0, 0)-(-1, -1) inclusive, and no frame.
    const QByteArray zeroFrame = patched(
        emf, 8, QByteArray::fromHex("0000000000000000ffffffffffffffff") + QByteArray(16, 0));
    QByteArray placeable = fixture("placeable.wmf");

    QTest::newRow("EMF without frame or bounds") << zeroFrame << 96.0;
    QTest::newRow("EMF header size beyond the file")
        << patched(emf, 4, QByteArray::fromHex("00000100")) << 96.0;
    QTest::newRow("EMF header too short")
        << patched(emf, 4, QByteArray::fromHex("10000000")) << 96.0;
    QTest::newRow("EMF header alone, cut") << emf.left(60) << 96.0;
    QTest::newRow("placeable, empty box") << patched(placeable, 10, QByteArray(4, '\0')) << 96.0;
    QTest::newRow("placeable, header cut") << placeable.left(30) << 96.0;
    QTest::newRow("plain WMF without window")
        << QByteArray::fromHex("0100090000030c000000000003000000000003000000"
                               "00000000")
        << 96.0;
    QTest::newRow("not a metafile") << QByteArray("GIF89a") << 96.0;
    QTest::newRow("zero DPI") << emf << 0.0;
    QTest::newRow("negative DPI") << emf << -96.0;
    QTest::newRow("DPI not a number") << emf << std::nan("");
}

void TestMetafile::refused() {
    QFETCH(QByteArray, data);
    QFETCH(double, dpi);
    QString error;
    QVERIFY(!RenderMetafile(data, dpi, &error));
    QVERIFY(!error.isEmpty());
}

// Every prefix of every fixture: a picture of the full natural size or a message; and once a
// prefix yields a picture, every longer one does too.
void TestMetafile::truncation_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : allFixtures) {
        QTest::newRow(qPrintable(file)) << file;
    }
}

void TestMetafile::truncation() {
    QFETCH(QString, file);
    const QByteArray data = fixture(file);
    const std::optional<QImage> whole = RenderMetafile(data, 96);
    QVERIFY(whole);
    bool drew = false;
    for (qsizetype length = 0; length <= data.size(); ++length) {
        QString error;
        const std::optional<QImage> image = RenderMetafile(data.left(length), 96, &error);
        checkOutcome(image, error);
        if (QTest::currentTestFailed()) {
            return;
        }
        // A file without a size of its own is as big as what its prefix draws.
        if (image && file != QLatin1String("no-extent.wmf")) {
            QCOMPARE(image->size(), whole->size());
        }
        QVERIFY2(!drew || image, qPrintable(QStringLiteral("refused at %1").arg(length)));
        drew = drew || image.has_value();
    }
    QVERIFY(drew);
}

// Each record in turn claims a size of 0, 1, its own size less or more one unit, a size running
// just past the file, or an absurd one.
void TestMetafile::lyingRecords_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : allFixtures) {
        QTest::newRow(qPrintable(file)) << file;
    }
}

void TestMetafile::lyingRecords() {
    QFETCH(QString, file);
    const QByteArray data = fixture(file);
    const std::vector<RecordField> fields = recordSizeFields(data);
    QVERIFY(fields.size() > 3);
    for (const RecordField& field : fields) {
        const quint32 own = qFromLittleEndian<quint32>(data.constData() + field.offset);
        const quint32 toEnd = quint32(data.size() - field.offset + 8) / (field.words ? 2 : 1);
        for (quint32 lie : {0u, 1u, own - 1, own + 1, toEnd, 0x7fffffffu, 0xffffffffu}) {
            QByteArray damaged = data;
            qToLittleEndian(lie, damaged.data() + field.offset);
            QString error;
            checkOutcome(RenderMetafile(damaged, 96, &error), error);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }
}

// Bytes flipped at random (with fixed seeds), including counts, offsets and object indices.
void TestMetafile::flippedBytes_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : allFixtures) {
        QTest::newRow(qPrintable(file)) << file;
    }
}

void TestMetafile::flippedBytes() {
    QFETCH(QString, file);
    const QByteArray data = fixture(file);
    QRandomGenerator random(quint32(qHash(file)));
    int drawn = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = data;
        for (int flips = 1 + random.bounded(4); flips > 0; --flips) {
            const int at = random.bounded(int(damaged.size()));
            damaged[at] = char(random.bounded(3) == 0 ? 0xff : random.bounded(256));
        }
        QString error;
        const std::optional<QImage> image = RenderMetafile(damaged, 96, &error);
        checkOutcome(image, error);
        if (QTest::currentTestFailed()) {
            return;
        }
        drawn += image.has_value();
    }
    QVERIFY(drawn > 0);
}

// Files crafted to cost far more than their size: each is stopped, capped or left out, and
// what is drawn before (or around) them stays as it should.
void TestMetafile::limits_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("color");

    const QRgb red = 0xffff0000, blue = 0xff0000ff, none = 0;
    auto row = [](const char* name, const QByteArray& data, QPoint at, QRgb color) {
        QTest::newRow(name) << data << at << color;
    };
    // After the clip is reset, a red page: present only if playback went on.
    auto page = [&](Emf emf) {
        return emf.add(75, {0, 5}).fill(red).rect(0, 0, 1024, 1024).build(1024, 1024);
    };
    row("clip of 33K rectangles", page(gridClip(64, 0)), {1, 1}, red);
    row("clip of 66K rectangles ends playback", page(gridClip(130, 0)), {1, 1}, none);
    row("saved clips of 660K rectangles", page(gridClip(64, 20)), {1, 1}, red);
    row("saved clips of 1.3M rectangles end playback", page(gridClip(64, 40)), {1, 1}, none);

    Emf wrap;
    wrap.add(30, {0, 0, 10, 10});
    for (int i = 0; i < 257; ++i) {
        wrap.add(26, {0xffffff, 0});
    }
    row("clip moved round the coordinate range", wrap.fill(red).rect(0, 0, 100, 100).build(),
        {50, 0}, none);

    // A path widened over and over stops growing, and playback goes on.
    auto widened = [&](int times) {
        Emf emf;
        emf.fill(red).add(38, {2, 0, 3, 0, Emf::colorRef(red)}).add(37, {2});
        emf.add(59).rect(10, 10, 90, 90).add(60);
        for (int i = 0; i < times; ++i) {
            emf.add(66);
        }
        return emf.add(62, {0, 0, 0, 0}).fill(blue).rect(95, 95, 100, 100).build();
    };
    row("widened once: the outline", widened(1), {10, 10}, red);
    row("widened once: hollow", widened(1), {50, 50}, none);
    row("widened twelve times, then more drawing", widened(12), {97, 97}, blue);

    // 4096 x 4096 run-length bitmaps from a few bytes each cost their pixels.
    auto rleBlits = [&](int count) {
        const QByteArray info = dibHeader(4096, 4096, 8, 1, 1) + le32(0x0000ff);
        const QByteArray bits = QByteArray::fromHex("02000001");
        Emf emf;
        for (int i = 0; i < count; ++i) {
            stretchDib(emf, {0, 0, 10, 10}, {4096, 4096}, info, bits);
        }
        return emf.fill(red).rect(50, 50, 100, 100).build();
    };
    row("one large run-length bitmap", rleBlits(1), {60, 60}, red);
    row("eight large run-length bitmaps end playback", rleBlits(8), {60, 60}, none);

    // Pattern brushes of 1-bit bitmaps whose pixels are all the first colour.
    auto patternBrush = [&](QSize size) {
        const QByteArray info =
            dibHeader(size.width(), size.height(), 1, 0, 2) + le32(0xff0000) + le32(0x0000ff);
        const QByteArray bits((size.width() + 31) / 32 * 4 * size.height(), '\0');
        return Emf()
            .add(37, {qint32(0x80000008)})
            .add(94, {1, 0, 32, qint32(info.size()), 32 + qint32(info.size()), qint32(bits.size())},
                 info + bits)
            .add(37, {1})
            .rect(0, 0, 100, 100)
            .build();
    };
    row("pattern brush of 1M pixels", patternBrush({1024, 1024}), {5, 5}, red);
    row("pattern brush of 2M pixels left out", patternBrush({2048, 1024}), {5, 5}, 0xffffffff);

    // A wide pen under a mapping that stretches y 10000 times more than x covers the whole
    // picture with each line; a hundred of them are more than the budget.
    auto stretchedLines = [&](int count) {
        Emf emf;
        emf.add(17, {8}).add(9, {100, 1}).add(11, {1, 100});
        emf.add(38, {2, 0, 20, 0, Emf::colorRef(red)}).add(37, {2});
        for (int i = 0; i < count; ++i) {
            emf.add(27, {0, 10}).add(54, {200000, 10});
        }
        return emf.add(17, {1}).fill(blue).rect(0, 0, 10, 10).build(2000, 2000);
    };
    row("ten stretched wide lines", stretchedLines(10), {5, 5}, blue);
    row("a hundred stretched wide lines end playback", stretchedLines(100), {5, 5}, red);

    // A zigzag whose edges all cross every row costs edges x edges per row: left out, while
    // drawing goes on.
    auto zigzag = [&](int points) {
        QByteArray xy;
        for (int i = 0; i < points; ++i) {
            const int x = i * 1000 / points;
            const int y = i % 2 ? 1000 : 0;
            xy += char(x & 0xff) + QByteArray(1, char(x >> 8)) + char(y & 0xff) +
                  QByteArray(1, char(y >> 8));
        }
        return Emf()
            .fill(red)
            .add(86, {0, 0, 0, 0, points}, xy)
            .fill(blue)
            .rect(990, 0, 1000, 10)
            .build(1000, 1000);
    };
    row("zigzag of 20 edges", zigzag(20), {50, 500}, red);
    row("zigzag of 2000 edges left out", zigzag(2000), {50, 500}, none);
    row("zigzag of 2000 edges, then more drawing", zigzag(2000), {995, 5}, blue);

    // PolyTextOutW entries sharing one string of 20000 characters.
    auto polyText = [&](int entries) {
        QByteArray tail;
        const qint32 offString = 8 + 32 + 40 * entries;
        for (int i = 0; i < entries; ++i) {
            tail += le32(0) + le32(0) + le32(20000) + le32(offString) + QByteArray(24, '\0');
        }
        tail += QString(20000, u'A').toUtf8().replace("A", QByteArray("A\0", 2));
        return Emf()
            .add(97, {0, 0, 0, 0, 1, Emf::f(1), Emf::f(1), entries}, tail)
            .fill(red)
            .rect(0, 50, 100, 100)
            .build();
    };
    row("text of one shared string", polyText(1), {50, 75}, red);
    row("text of a hundred shared strings ends playback", polyText(100), {50, 75}, none);

    // Embedded PNG and JPEG data: its own colours, and only the format named.
    auto dib = [](QRect dest, QSize source, const QByteArray& info, const QByteArray& bits) {
        Emf emf;
        return stretchDib(emf, dest, source, info, bits).build();
    };
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(0xff00c800);
    const QByteArray pngInfo = dibHeader(4, 4, 0, 5);
    row("PNG with no bit count", dib({0, 0, 10, 10}, {4, 4}, pngInfo, png(green)), {5, 5},
        0xff00c800);
    row("BMP data called PNG", dib({0, 0, 10, 10}, {4, 4}, pngInfo, png(green, "bmp")), {5, 5},
        none);

    // 16-bit bit fields without blue: dark and half red, rounded as BMP files are.
    const QByteArray fields = dibHeader(2, 1, 16, 3) + le32(0xf800) + le32(0x07e0) + le32(0);
    const QByteArray halfRed = QByteArray::fromHex("00000080");
    row("bit fields, empty mask", dib({0, 0, 20, 10}, {2, 1}, fields, halfRed), {5, 5}, 0xff000000);
    row("bit fields, rounded", dib({0, 0, 20, 10}, {2, 1}, fields, halfRed), {15, 5}, 0xff840000);

    // A region of a hundred rectangles, made clip directly.
    QByteArray scans;
    for (int band = 0; band < 2; ++band) {
        QByteArray xs;
        for (int i = 0; i < 50; ++i) {
            const int x = 2 * i + band;
            xs += char(x) + QByteArray(1, '\0') + char(x + 1) + QByteArray(1, '\0');
        }
        scans += char(100) + QByteArray(1, '\0') + char(50 * band) + QByteArray(1, '\0') +
                 char(50 * band + 50) + QByteArray(1, '\0') + xs + char(100) + QByteArray(1, '\0');
    }
    const QByteArray strip = Wmf()
                                 .fill(red)
                                 .add(0x06ff, {0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 100}, scans)
                                 .add(0x012c, {2})
                                 .rect(0, 0, 100, 100)
                                 .build();
    row("WMF region clip, first band, strip", strip, {0, 10}, red);
    row("WMF region clip, first band, gap", strip, {1, 10}, none);
    row("WMF region clip, second band, strip", strip, {1, 60}, red);
    row("WMF region clip, second band, gap", strip, {0, 60}, none);
}

void TestMetafile::limits() {
    QFETCH(QByteArray, data);
    QFETCH(QPoint, at);
    QFETCH(QRgb, color);
    QString error;
    const std::optional<QImage> image = RenderMetafile(data, 96, &error);
    QVERIFY2(image, qPrintable(error));
    QCOMPARE(QString::number(image->pixel(at), 16), QString::number(color, 16));
}

QTEST_MAIN(TestMetafile)
#include "test_metafile.moc"
