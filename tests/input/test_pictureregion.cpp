// Parts of pictures decoded alone: every pixel of every part, and the profile, against the whole
// picture's decoding, for JPEGs in each subsampling, grey, with restart markers or a profile, and
// PNGs of each kind; areas at block edges, at the picture's edges and beyond, far apart; each
// area also alone, so that the decoder jumps to it from the top. The files that must fall back
// to the whole decoding (among them damage below the areas that fails the whole decode), and
// those too large to open.

#include "input/LoadPicture.h"
#include "input/PictureRegion.h"
#include "pixels/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <cstring>

namespace {

enum class Outcome { Exact, Fallback, TooLarge };

QByteArray Fixture(const QString& name) {
    QFile file(QDir(qEnvironmentVariable("HUEMARK_TEST_DATA")).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The part holds the whole picture's pixels in `area`, bit for bit, in the same format.
void CheckPart(const QImage& part, const QImage& whole, const QRect& area) {
    if (area.isEmpty()) {
        QVERIFY2(part.isNull(), "a part for an area outside the picture");
        return;
    }
    QCOMPARE(part.format(), whole.format());
    QCOMPARE(part.size(), area.size());
    for (int y = 0; y < area.height(); ++y) {
        const auto* got = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        const auto* want =
            reinterpret_cast<const QRgb*>(whole.constScanLine(area.top() + y)) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            QVERIFY2(got[x] == want[x], qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                                       .arg(area.left() + x)
                                                       .arg(area.top() + y)
                                                       .arg(got[x], 8, 16, QChar(u'0'))
                                                       .arg(want[x], 8, 16, QChar(u'0'))));
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestPictureRegion : public QObject {
    Q_OBJECT

private slots:
    void matchesWholeDecode_data();
    void matchesWholeDecode();
};

void TestPictureRegion::matchesWholeDecode_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<QRect>>("areas");
    QTest::addColumn<Outcome>("outcome");

    const struct {
        const char* file;
        QSize size;
    } pictures[] = {
        {"raster/region-420.jpg", {75, 101}},   {"raster/region-422.jpg", {75, 101}},
        {"raster/region-440.jpg", {75, 101}},   {"raster/region-444.jpg", {75, 101}},
        {"raster/region-grey.jpg", {75, 101}},  {"raster/region-restart.jpg", {75, 101}},
        {"modern/jpeg-p3.jpg", {16, 16}},       {"raster/jpeg-gray.jpg", {16, 8}},
        {"raster/region-rgb.png", {75, 101}},   {"modern/png-p3.png", {16, 16}},
        {"modern/png-chrm-gama.png", {16, 16}}, {"modern/png-damaged-iccp.png", {16, 16}},
        {"modern/png-palette2.png", {4, 1}},    {"modern/png-grey1.png", {8, 1}},
        {"modern/png-grey16.png", {2, 1}},      {"modern/png-rgba16.png", {3, 1}},
    };
    for (const auto& picture : pictures) {
        const int w = picture.size.width();
        const int h = picture.size.height();
        QList<QRect> sweep; // one pixel in every row, its column wandering
        for (int y = 0; y < h; ++y) {
            sweep.append(QRect(y * 13 % w, y, 1, 1));
        }
        const struct {
            const char* name;
            QList<QRect> areas;
        } sets[] = {
            {"middle pixel", {QRect(w / 2, h / 2, 1, 1)}},
            {"corners",
             {QRect(0, 0, 2, 2), QRect(w - 2, 0, 2, 2), QRect(0, h - 2, 2, 2),
              QRect(w - 2, h - 2, 2, 2)}},
            {"block edges",
             {QRect(15, h / 2, 3, 1), QRect(31, h / 3, 3, 2), QRect(w / 3, 15, 1, 3),
              QRect(w / 4, 47, 2, 3)}},
            {"partly or wholly outside",
             {QRect(-3, -3, 6, 6), QRect(w - 2, h - 2, 5, 5), QRect(-10, h / 2, w + 20, 1),
              QRect(w + 5, 0, 3, 3), QRect(2, -9, 3, 4)}},
            {"far apart, lower first", {QRect(w - 9, h - 7, 5, 4), QRect(3, 2, 4, 3)}},
            {"every row", sweep},
        };
        for (const auto& set : sets) {
            QTest::addRow("%s: %s", picture.file, set.name)
                << picture.file << set.areas << Outcome::Exact;
        }
    }
    const QList<QRect> middle{QRect(5, 5, 3, 3)};
    QTest::newRow("a PNG's rows down to transparent ones")
        << "raster/region-rgba.png" << QList<QRect>{QRect(60, 70, 9, 9), QRect(1, 62, 3, 3)}
        << Outcome::Exact;
    QTest::newRow("the opaque top of a PNG with alpha falls back")
        << "raster/region-rgba.png" << middle << Outcome::Fallback;
    QTest::newRow("an interlaced PNG falls back")
        << "raster/region-interlaced.png" << QList<QRect>{QRect(60, 70, 9, 9)} << Outcome::Fallback;
    QTest::newRow("a progressive JPEG falls back")
        << "raster/jpeg-progressive.jpg" << middle << Outcome::Fallback;
    QTest::newRow("a CMYK JPEG falls back")
        << "raster/jpeg-cmyk.jpg" << middle << Outcome::Fallback;
    QTest::newRow("a truncated JPEG falls back")
        << "raster/damaged-jpeg-truncated.jpg" << QList<QRect>{QRect(60, 44, 4, 4)}
        << Outcome::Fallback;
    // Damage below the area that fails the whole decode.
    QTest::newRow("a PNG cut short below the area falls back")
        << "raster/damaged-region-truncated.png" << middle << Outcome::Fallback;
    QTest::newRow("a PNG whose pixels fail their checksum below the area falls back")
        << "raster/damaged-region-checksum.png" << middle << Outcome::Fallback;
    QTest::newRow("a JPEG with a stray marker below the area falls back")
        << "raster/damaged-region-marker.jpg" << middle << Outcome::Fallback;
    // A JPEG cut short decodes whole with grey where its data stop; rows above are its own.
    QTest::newRow("the rows a truncated JPEG still has")
        << "raster/damaged-jpeg-truncated.jpg" << QList<QRect>{QRect(10, 2, 30, 5)}
        << Outcome::Exact;
    QTest::newRow("a GIF falls back") << "raster/gif-static.gif" << middle << Outcome::Fallback;
    QTest::newRow("a JPEG too large to open")
        << "raster/damaged-jpeg-huge.jpg" << middle << Outcome::TooLarge;
    QTest::newRow("a PNG too large to open")
        << "modern/png-huge.png" << middle << Outcome::TooLarge;
}

void TestPictureRegion::matchesWholeDecode() {
    QFETCH(QString, file);
    QFETCH(QList<QRect>, areas);
    QFETCH(Outcome, outcome);
    const QByteArray data = Fixture(file);
    QVERIFY(!data.isEmpty());
    if (outcome == Outcome::TooLarge) {
        QVERIFY_THROWS_EXCEPTION(PlatformError, DecodePictureRegions(data, areas));
        return;
    }
    const std::optional<PictureRegions> regions = DecodePictureRegions(data, areas);
    if (outcome == Outcome::Fallback) {
        QVERIFY(!regions);
        return;
    }
    QVERIFY(regions);
    const LoadedPicture loaded = LoadPictureFromData(data);
    const QImage& whole = loaded.picture;
    const ColorProfile& profile = loaded.profile;
    QCOMPARE(regions->pictureSize, whole.size());
    QCOMPARE(regions->profile.icc, profile.icc);
    QVERIFY(regions->profile.stated == profile.stated);
    QCOMPARE(regions->profile.unusable, profile.unusable);
    QCOMPARE(regions->parts.size(), areas.size());
    QCOMPARE(regions->placed.size(), areas.size());
    for (qsizetype i = 0; i < areas.size(); ++i) {
        const QRect expected = areas[i].intersected(whole.rect());
        QCOMPARE(regions->placed[i], expected.isEmpty() ? QRect() : expected);
        CheckPart(regions->parts[i], whole, expected);
        if (QTest::currentTestFailed()) {
            return;
        }
        // Alone, the decoder jumps to the area's rows from the top.
        const std::optional<PictureRegions> alone = DecodePictureRegions(data, {areas[i]});
        QVERIFY(alone);
        CheckPart(alone->parts.value(0), whole, expected);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestPictureRegion test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_pictureregion.moc"
