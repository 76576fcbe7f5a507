// The picture surface: what Point answers where, the persistent image and its drawings, and the
// pixel buffer it shares with the clean picture even after something is drawn.

#include "controls/PictureBox.h"
#include "readout/Sampling.h"

#include <QPainter>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
// A 4x3 picture, every pixel its own colour: red = 10x + y + 1.
QImage smallPicture() {
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            image.setPixel(x, y, qRgb(10 * x + y + 1, 0, 0));
        }
    }
    return image;
}

std::unique_ptr<PictureBox> makeBox(const QImage& picture, QSize size = QSize(10, 8)) {
    auto box = std::make_unique<PictureBox>();
    box->setScaleMode(PictureBox::kScalePixels);
    box->resize(size);
    box->setPicture(picture);
    return box;
}

QRect boundsOfColor(const PictureBox& box, ColorValue color) {
    QRect bounds;
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            if (box.Point(static_cast<float>(x), static_cast<float>(y)) == color) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}
} // namespace

class TestPictureBox : public QObject {
    Q_OBJECT
private slots:
    void point_data();
    void point();
    void drawingsPersistUntilNewPicture();
    void sharesPictureWhenDrawnOn();
    void drawingsMatchAPlainCanvas_data();
    void drawingsMatchAPlainCanvas();
    void printPlacesTextTopLeft();
    void transparentPartsShowBackground();
    void drawingBeyondPictureAndAfterResize();
    void twipsScale();
    void sumSquareMatchesPointByPoint_data();
    void sumSquareMatchesPointByPoint();
};

void TestPictureBox::point_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("expected"); // -2 stands for the background colour

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("top-left pixel") << 0.0f << 0.0f << 1;
    QTest::newRow("bottom-right pixel") << 3.0f << 2.0f << 33;
    QTest::newRow("fraction stays in its pixel") << 1.7f << 0.2f << 11;
    QTest::newRow("beyond the picture, inside the box") << 6.0f << 1.0f << -2;
    QTest::newRow("last pixel of the box") << 9.0f << 7.0f << -2;
    QTest::newRow("left of the box") << -0.5f << 1.0f << -1;
    QTest::newRow("right of the box") << 10.0f << 1.0f << -1;
    QTest::newRow("below the box") << 1.0f << 8.0f << -1;
    QTest::newRow("far off") << 1.0e12f << -3.0e11f << -1;
    QTest::newRow("not a number") << nan << 1.0f << -1;
    QTest::newRow("infinite") << 1.0f << inf << -1;
}

void TestPictureBox::point() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, expected);
    auto box = makeBox(smallPicture());
    QCOMPARE(box->Point(x, y), expected == -2 ? box->BackColor() : expected);
}

void TestPictureBox::drawingsPersistUntilNewPicture() {
    auto box = makeBox(smallPicture(), QSize(40, 30));
    box->setForeColor(0x00FF00);
    box->Line(1, 1, 10, 20);
    QCOMPARE(box->Point(1, 1), 0x00FF00);
    QCOMPARE(box->Point(10, 20), 0x00FF00); // beyond the picture: the drawing still shows
    QCOMPARE(box->CurrentX(), 10.0f);
    QCOMPARE(box->CurrentY(), 20.0f);

    // A repaint shows the drawing too.
    const QImage shown = box->grab().toImage();
    QCOMPARE(shown.pixelColor(10, 20), QColor(0, 255, 0));
    QCOMPARE(box->Image().pixelColor(1, 1), QColor(0, 255, 0));

    // A new picture discards the drawings.
    box->setPicture(smallPicture());
    QCOMPARE(box->Point(1, 1), 12);
    QCOMPARE(box->Point(10, 20), box->BackColor());
}

// A tag on a huge picture once copied the whole picture: the drawing must not touch it.
void TestPictureBox::sharesPictureWhenDrawnOn() {
    const QImage clean = smallPicture();
    auto box = makeBox(clean);
    box->setForeColor(0xFFFFFF);
    box->Line(0, 0, 3, 0);
    QCOMPARE(box->Point(1, 0), 0xFFFFFF);
    QCOMPARE(box->shownImage().constBits(), clean.constBits());
    QCOMPARE(clean.pixel(0, 0), qRgb(1, 0, 0)); // the clean picture is untouched
}

// Drawings kept apart from the picture show, read and print exactly as if drawn onto one canvas
// of the surface's size: across the pieces they are kept in, at the surface's edges, from far
// off, and after the box grows.
void TestPictureBox::drawingsMatchAPlainCanvas_data() {
    QTest::addColumn<QSize>("boxSize");
    QTest::addColumn<QSize>("grownTo"); // the box's size for the second drawing
    QTest::addColumn<QLineF>("line");   // drawn, then a label where it ends
    QTest::addColumn<QString>("label");

    QTest::newRow("tag across a corner of the pieces")
        << QSize(200, 150) << QSize() << QLineF(55, 50, 64, 70) << "A9CBED";
    QTest::newRow("long diagonal") << QSize(300, 200) << QSize() << QLineF(1, 2, 299, 197) << "";
    QTest::newRow("from far off") << QSize(200, 150) << QSize() << QLineF(-1.0e7, -3.0e6, 90, 80)
                                  << "";
    QTest::newRow("label cut by the right and bottom edges")
        << QSize(200, 150) << QSize() << QLineF(150, 120, 170, 140) << "FFFFFF";
    QTest::newRow("after the box grows")
        << QSize(120, 90) << QSize(260, 200) << QLineF(100, 70, 130, 100) << "00FF00";
}

void TestPictureBox::drawingsMatchAPlainCanvas() {
    QFETCH(QSize, boxSize);
    QFETCH(QSize, grownTo);
    QFETCH(QLineF, line);
    QFETCH(QString, label);
    QImage picture(150, 100, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x, y, (x * y) % 256));
        }
    }
    auto box = makeBox(picture, boxSize);
    // The canvas a drawing used to go onto: the picture, grown to the box with the background.
    QImage canvas(picture.size().expandedTo(boxSize), QImage::Format_RGB32);
    canvas.fill(box->palette().color(QPalette::Button));
    QPainter(&canvas).drawImage(0, 0, picture);
    QFont font = box->font();
    font.setStyleStrategy(QFont::NoAntialias);
    const auto draw = [&](QLineF l, const QString& text) {
        QPainter painter(&canvas);
        painter.setPen(QPen(QColor(255, 0, 255), 0));
        painter.drawLine(l.p1() + QPointF(0.5, 0.5), l.p2() + QPointF(0.5, 0.5));
        painter.drawPoint(l.p2().toPoint());
        painter.setFont(font);
        painter.drawText(l.p2() + QPointF(0, QFontMetrics(font).ascent()), text);
        box->setForeColor(0xFF00FF);
        box->Line(float(l.x1()), float(l.y1()), float(l.x2()), float(l.y2()));
        box->setCurrentX(float(l.x2()));
        box->setCurrentY(float(l.y2()));
        box->Print(text);
    };
    draw(line, label);
    if (grownTo.isValid()) {
        box->resize(grownTo);
        QImage grown(canvas.size().expandedTo(grownTo), QImage::Format_RGB32);
        grown.fill(box->palette().color(QPalette::Button));
        QPainter(&grown).drawImage(0, 0, canvas);
        canvas = grown;
        draw(line.translated(120, 90), label);
    }
    QCOMPARE(box->Image(), canvas);
    // An area of it (what printing takes: the part the control shows), drawings included.
    const QRect area(3, 2, box->width() - 3, box->height() - 2);
    QCOMPARE(box->Image(area), canvas.copy(area));
    const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < box->height(); ++y) {
        for (int x = 0; x < box->width(); ++x) {
            const QRgb expected = canvas.pixel(x, y);
            QCOMPARE(box->Point(float(x), float(y)),
                     ColorValue(qRed(expected) | qGreen(expected) << 8 | qBlue(expected) << 16));
            QCOMPARE(shown.pixel(x, y), expected);
        }
    }
}

void TestPictureBox::printPlacesTextTopLeft() {
    auto box = makeBox(QImage(), QSize(200, 60));
    box->setForeColor(0x0000FF);
    box->setCurrentX(30);
    box->setCurrentY(12);
    box->Print(QStringLiteral("FF0000"));

    const QRect text = boundsOfColor(*box, 0x0000FF);
    QVERIFY(!text.isEmpty());
    QVERIFY2(text.left() >= 30 && text.left() <= 33, qPrintable(QString::number(text.left())));
    QVERIFY2(text.top() >= 12 && text.top() <= 18, qPrintable(QString::number(text.top())));
    // No background box: between the glyphs the surface keeps its colour.
    QCOMPARE(box->Point(static_cast<float>(text.left()), 12), box->BackColor());
    // A line end: the next text would start at the left edge, one line lower.
    QCOMPARE(box->CurrentX(), 0.0f);
    QVERIFY(box->CurrentY() > static_cast<float>(text.bottom()));
}

void TestPictureBox::transparentPartsShowBackground() {
    QImage picture(2, 1, QImage::Format_ARGB32_Premultiplied);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(0, 0, 255, 255));
    auto box = makeBox(picture);
    QCOMPARE(box->Point(0, 0), box->BackColor());
    QCOMPARE(box->Point(1, 0), 0xFF0000);
}

void TestPictureBox::drawingBeyondPictureAndAfterResize() {
    auto box = makeBox(smallPicture(), QSize(20, 20));
    box->setForeColor(0x0000FF);
    box->Line(15, 15, 15, 15);
    box->resize(60, 60);
    // The drawing survives the resize, and the newly shown area is background.
    QCOMPARE(box->Point(15, 15), 0x0000FF);
    QCOMPARE(box->Point(50, 50), box->BackColor());
    box->Line(50, 50, 50, 50);
    QCOMPARE(box->Point(50, 50), 0x0000FF);
    QCOMPARE(box->Point(15, 15), 0x0000FF);
    QCOMPARE(box->Point(2, 1), 22);
}

void TestPictureBox::twipsScale() {
    PictureBox box;
    box.resize(10, 8);
    box.setPicture(smallPicture());
    QCOMPARE(box.ScaleMode(), PictureBox::kScaleTwips); // the default until start-up sets pixels
    QCOMPARE(box.Point(15 * 2, 15 * 1), 22);            // 15 twips a pixel at 96 DPI
    box.setScaleMode(PictureBox::kScalePixels);
    QCOMPARE(box.Point(2, 1), 22);
}

// The scan-line sums the read-out uses must equal summing Point sample by sample, wherever the
// square lies: inside, across the picture's edge, across the box's edge, or fully outside.
void TestPictureBox::sumSquareMatchesPointByPoint_data() {
    QTest::addColumn<QSize>("boxSize");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("picture fills the box") << QSize(30, 20) << QSize(30, 20) << false;
    QTest::newRow("picture smaller than the box") << QSize(30, 20) << QSize(12, 7) << false;
    QTest::newRow("picture larger than the box") << QSize(30, 20) << QSize(50, 40) << false;
    QTest::newRow("with a drawing") << QSize(30, 20) << QSize(12, 7) << true;
    QTest::newRow("empty picture") << QSize(30, 20) << QSize() << false;
}

void TestPictureBox::sumSquareMatchesPointByPoint() {
    QFETCH(QSize, boxSize);
    QFETCH(QSize, pictureSize);
    QFETCH(bool, drawn);
    QImage picture;
    if (pictureSize.isValid()) {
        picture = QImage(pictureSize, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
            }
        }
    }
    auto box = makeBox(picture, boxSize);
    if (drawn) {
        box->setForeColor(0x00FFFF);
        box->Line(2, 2, 25, 18);
    }
    for (int radius : {1, 3, 5}) {
        for (int y = -7; y <= boxSize.height() + 6; y += 3) {
            for (int x = -7; x <= boxSize.width() + 6; x += 2) {
                const float fx = static_cast<float>(x) + 0.25f;
                const float fy = static_cast<float>(y);
                const ChannelSums slow = SumSquareByPoint(
                    [&](float px, float py) { return box->Point(px, py); }, fx, fy, radius);
                const ChannelSums fast = box->SumSquare(fx, fy, radius);
                QVERIFY2(
                    fast.red == slow.red && fast.green == slow.green && fast.blue == slow.blue &&
                        fast.count == slow.count,
                    qPrintable(QStringLiteral("at %1,%2 radius %3").arg(x).arg(y).arg(radius)));
            }
        }
    }
}

QTEST_MAIN(TestPictureBox)
#include "test_picturebox.moc"
