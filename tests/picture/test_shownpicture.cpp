// The one reading every reader of a picture asks: the colour of a pixel, or of the square around
// it averaged over the pixels inside the picture (and inside the part a reader keeps to), with
// the value the file stores there at its precision; for 8-bit, 16-bit and floating-point
// pictures, transparent ones over their background, one shown through its profile or as stored,
// and one whose rows are still arriving.

#include "input/cms/ColorProfile.h"
#include "picture/ShownPicture.h"
#include "pixels/PendingPixels.h"
#include "pixels/Perceptual.h"
#include "pixels/WebCode.h"

#include <QTest>
#include <chrono>
#include <thread>

namespace {
// Three by three, each pixel a colour of its own.
QImage Grid() {
    const QRgb rows[3][3] = {{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)},
                             {qRgb(0, 0, 0), qRgb(10, 20, 30), qRgb(0, 255, 0)},
                             {qRgb(255, 255, 255), qRgb(1, 2, 3), qRgb(100, 100, 100)}};
    QImage image(3, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            image.setPixel(x, y, rows[y][x]);
        }
    }
    return image;
}

// One pixel, shown at 8 bits as 18 86 154, stored finer.
LoadedPicture Deep(bool floats) {
    LoadedPicture loaded;
    loaded.picture = QImage(1, 1, QImage::Format_RGB32);
    loaded.picture.setPixel(0, 0, qRgb(18, 86, 154));
    if (floats) {
        QImage values(1, 1, QImage::Format_RGBA32FPx4);
        auto* v = reinterpret_cast<float*>(values.scanLine(0));
        v[0] = 0.25f;
        v[1] = 1.5f;
        v[2] = -0.125f;
        v[3] = 1;
        loaded.fine = StoredValues(values, StoredColor::kFloat);
    } else {
        QImage values(1, 1, QImage::Format_RGBX64);
        values.setPixelColor(0, 0, QColor::fromRgba64(4660, 22136, 39612));
        loaded.fine = StoredValues(values, 16);
    }
    return loaded;
}

// A transparent pixel beside an opaque green one.
LoadedPicture Transparent() {
    LoadedPicture loaded;
    loaded.picture = QImage(2, 1, QImage::Format_ARGB32_Premultiplied);
    loaded.picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    loaded.picture.setPixel(1, 0, qRgb(0, 255, 0));
    return loaded;
}

// 4 x 64 pixels of which the top 8 rows are there at once; the rest arrive grey a moment later.
struct Arriving : ArrivingRows {
    void run() {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        for (int y = readyRows; y < height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(this->line(y));
            std::fill(line, line + width(), qRgb(0x80, 0x80, 0x80));
        }
        publish(height());
        finish();
    }
};
// The same, from a file that ends at row 20: the rows from there are the decoder's filler.
struct ArrivingCutShort : Arriving {
    void run() {
        endAt(20);
        Arriving::run();
    }
};
template <typename Job = Arriving> LoadedPicture StillArriving() {
    auto job = std::make_shared<Job>();
    job->allocate(4, 64);
    job->readyColumns = 4;
    job->readyRows = 8;
    for (int y = 0; y < 8; ++y) {
        auto* line = reinterpret_cast<QRgb*>(job->line(y));
        std::fill(line, line + 4, qRgb(0xFF, 0, 0));
    }
    const ArrivingImage image = ArrivingRows::PictureOver(job);
    Job* running = job.get();
    job->start([running] { running->run(); });
    LoadedPicture loaded;
    loaded.picture = image.image;
    loaded.arriving = image.pending;
    return loaded;
}

ShownPicture Make(const QString& kind) {
    ShowOptions options;
    options.background = Qt::blue;
    options.source = QStringLiteral("test");
    if (kind == QLatin1String("16-bit") || kind == QLatin1String("float")) {
        return ShownPicture(Deep(kind == QLatin1String("float")), options);
    }
    if (kind == QLatin1String("transparent")) {
        return ShownPicture(Transparent(), options);
    }
    if (kind == QLatin1String("arriving")) {
        return ShownPicture(StillArriving(), options);
    }
    if (kind == QLatin1String("arriving, cut short")) {
        return ShownPicture(StillArriving<ArrivingCutShort>(), options);
    }
    LoadedPicture loaded;
    loaded.picture = Grid();
    if (kind == QLatin1String("cut short")) {
        loaded.endsAtRow = 2; // the last row is filler
    } else if (kind == QLatin1String("cut short, bottom up")) {
        loaded.startsAtRow = 1; // the first row is filler
    }
    return ShownPicture(loaded, options);
}
} // namespace

class TestShownPicture : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void throughAProfileOrAsStored_data();
    void throughAProfileOrAsStored();
    void beyondTheEnd_data();
    void beyondTheEnd();
};

// A pick that reads a row the file does not hold says so, known at once or once rows arriving
// have all come.
void TestShownPicture::beyondTheEnd_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QRect>("within");
    QTest::addColumn<bool>("incomplete");
    QTest::newRow("whole file") << "8-bit" << QPoint(1, 2) << 1 << QRect() << false;
    QTest::newRow("above the end") << "cut short" << QPoint(1, 1) << 0 << QRect() << false;
    QTest::newRow("on the row it ends at") << "cut short" << QPoint(0, 2) << 0 << QRect() << true;
    QTest::newRow("a square reaching it") << "cut short" << QPoint(1, 1) << 1 << QRect() << true;
    QTest::newRow("a square kept to a part above it")
        << "cut short" << QPoint(1, 1) << 1 << QRect(0, 0, 3, 2) << false;
    QTest::newRow("bottom up, below the start")
        << "cut short, bottom up" << QPoint(1, 1) << 0 << QRect() << false;
    QTest::newRow("bottom up, a square reaching above the start")
        << "cut short, bottom up" << QPoint(1, 1) << 1 << QRect() << true;
    QTest::newRow("arriving, above the end")
        << "arriving, cut short" << QPoint(1, 19) << 0 << QRect() << false;
    QTest::newRow("arriving, at the end")
        << "arriving, cut short" << QPoint(1, 19) << 1 << QRect() << true;
}

void TestShownPicture::beyondTheEnd() {
    QFETCH(QString, kind);
    QFETCH(QPoint, pixel);
    QFETCH(int, radius);
    QFETCH(QRect, within);
    const ShownPicture picture = Make(kind);
    const std::optional<Pick> pick = picture.pickAt(pixel, radius, within);
    QVERIFY(pick);
    QTEST(pick->origin.incomplete, "incomplete");
}

void TestShownPicture::reads_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QRect>("within"); // empty: the whole picture
    QTest::addColumn<QString>("code"); // empty: no colour there
    QTest::addColumn<QString>("stored");

    const QRect all;
    QTest::newRow("8-bit pixel") << "8-bit" << QPoint(1, 1) << 0 << all << "#0A141E"
                                 << "rgb(10 20 30)";
    // 265/4, 20/4 and 30/4: each channel rounded to the nearest, halves up.
    QTest::newRow("square at the top-left corner keeps to the picture")
        << "8-bit" << QPoint(0, 0) << 1 << all << "#420508"
        << "rgb(66.25 5 7.5)";
    QTest::newRow("square kept to a part of the picture")
        << "8-bit" << QPoint(1, 1) << 1 << QRect(1, 1, 2, 2) << "#1C5E21"
        << "rgb(27.75 94.25 33.25)";
    QTest::newRow("square whose centre lies outside reads what lies inside")
        << "8-bit" << QPoint(3, 3) << 1 << all << "#646464"
        << "";
    QTest::newRow("pixel outside") << "8-bit" << QPoint(-1, 1) << 0 << all << ""
                                   << "";
    QTest::newRow("radius beyond the largest is the largest")
        << "8-bit" << QPoint(1, 1) << 99 << all << "#454647"
        << "rgb(69 70.22 71.44)";
    QTest::newRow("16-bit") << "16-bit" << QPoint(0, 0) << 0 << all << "#12569A"
                            << "rgb16(4660 22136 39612)";
    QTest::newRow("floating point") << "float" << QPoint(0, 0) << 0 << all << "#12569A"
                                    << "rgbf(0.25 1.5 -0.125)";
    QTest::newRow("transparent pixel shows the background")
        << "transparent" << QPoint(0, 0) << 0 << all << "#0000FF"
        << "rgb(0 0 0)";
    QTest::newRow("square over the background and an opaque pixel")
        << "transparent" << QPoint(0, 0) << 1 << all << "#008080"
        << "rgb(0 127.5 0)";
    QTest::newRow("rows still arriving are waited for")
        << "arriving" << QPoint(3, 63) << 1 << all << "#808080"
        << "rgb(128 128 128)";
    QTest::newRow("a square across rows there and rows arriving")
        << "arriving" << QPoint(0, 8) << 1 << all << "#AA5555"
        << "rgb(170.33 85.33 85.33)";
}

void TestShownPicture::reads() {
    QFETCH(QString, kind);
    QFETCH(QPoint, pixel);
    QFETCH(int, radius);
    QFETCH(QRect, within);
    QFETCH(QString, code);
    QFETCH(QString, stored);

    const ShownPicture picture = Make(kind);
    const std::optional<Pick> pick = picture.pickAt(pixel, radius, within);
    QCOMPARE(pick.has_value(), !code.isEmpty());
    QCOMPARE(picture.colorAt(pixel, radius, within) >= 0, !code.isEmpty());
    if (!pick) {
        return;
    }
    QCOMPARE(WebCode(pick->color), code);
    QCOMPARE(pick->origin.source, QStringLiteral("test"));
    QCOMPARE(pick->origin.position, std::optional(pixel));
    QCOMPARE(pick->origin.profile, QString()); // none to show it through
    if (stored.isEmpty()) {
        QVERIFY(!pick->origin.stored);
        return;
    }
    QVERIFY(pick->origin.stored);
    QCOMPARE(StoredText(*pick->origin.stored), stored);
    QCOMPARE(pick->origin.stored->space, QStringLiteral("srgb"));
    // Without a profile the exact value is the stored one, unclipped.
    QVERIFY(pick->origin.precise);
    QCOMPARE(*pick->origin.precise, pick->origin.stored->fractions());
}

// A Display P3 picture is shown in sRGB unless its stored values are asked for; either way the
// stored value and the exact sRGB value it stands for are the same.
void TestShownPicture::throughAProfileOrAsStored_data() {
    QTest::addColumn<bool>("asStored");
    QTest::newRow("shown in sRGB") << false;
    QTest::newRow("shown as stored") << true;
}

void TestShownPicture::throughAProfileOrAsStored() {
    QFETCH(bool, asStored);
    LoadedPicture loaded;
    loaded.picture = QImage(1, 1, QImage::Format_RGB32);
    loaded.picture.setPixel(0, 0, qRgb(255, 100, 50));
    loaded.profile = ProfileFromCodePoints(12, 13); // Display P3's primaries, sRGB's curve
    ShowOptions options;
    options.asStored = asStored;
    const ShownPicture picture(loaded, options);
    QVERIFY2(picture.notice().isEmpty(), qPrintable(picture.notice()));
    QVERIFY(!picture.profileName().isEmpty());
    QCOMPARE(picture.shownProfile().isEmpty(), asStored);
    QCOMPARE(picture.storedSpace(), asStored ? QString() : QStringLiteral("display-p3"));

    const Pick pick = picture.pickAt(QPoint(0, 0)).value();
    QCOMPARE(StoredText(*pick.origin.stored), QStringLiteral("rgb(255 100 50)"));
    QVERIFY(pick.origin.precise);
    if (asStored) {
        QCOMPARE(pick.color, Color(255, 100, 50));
        return;
    }
    // Shown as the exact value rounded: P3's orange lies outside sRGB, its red clipped.
    const EncodedRgb& exact = *pick.origin.precise;
    QVERIFY(exact[0] > 1);
    QCOMPARE(pick.color.red(), 255);
    QVERIFY(std::abs(pick.color.green() - exact[1] * 255) <= 1);
    QVERIFY(std::abs(pick.color.blue() - exact[2] * 255) <= 1);
    // The same picture in its stored colours, from the one shown.
    QCOMPARE(picture.inColors(true, QSize()).pickAt(QPoint(0, 0))->color, Color(255, 100, 50));
}

QTEST_MAIN(TestShownPicture)
#include "test_shownpicture.moc"
