// The read-out box that follows the pointer over the picture: where it stands (on the other side
// of the pointer where the picture's edges would cut it off), what it reads at each radius, when
// it hides, and how a radius change refreshes it at the pointer.

#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "readout/ColorCodes.h"
#include "readout/ReadoutPlacement.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <limits>

namespace {
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;

// A 40x30 picture: white, a red pixel at (5, 5), a white pixel in black at (20, 10).
QImage readoutPicture() {
    QImage image = SolidPicture(40, 30, kWhite);
    SetPixelValue(image, 5, 5, kRed);
    for (int y = 9; y <= 11; ++y) {
        for (int x = 19; x <= 21; ++x) {
            SetPixelValue(image, x, y, kBlack);
        }
    }
    SetPixelValue(image, 20, 10, kWhite);
    return image;
}
} // namespace

class TestReadout : public QObject {
    Q_OBJECT
private slots:
    void readsUnderPointer_data();
    void readsUnderPointer();
    void boxPlacement_data();
    void boxPlacement();
    void boxInside_data();
    void boxInside();
    void loupePlacement_data();
    void loupePlacement();
    void hidesOverBareWindowOnly();
    void radiusChange_data();
    void radiusChange();
    void pointerToPictureUsesRealGeometry();
    void radiusBeyondRangeReadsAtMostRadiusFive();
    void nonFiniteCoordinatesReadOutside();
    void announcements_data();
    void announcements();
};

void TestReadout::readsUnderPointer_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("boxAt");

    // 10 pixels right of and 20 below the pointer, whatever the radius.
    QTest::newRow("one red pixel") << 5 << 5 << 0 << "#FF0000" << QPoint(15, 25);
    QTest::newRow("red pixel among white, radius 1") << 5 << 5 << 1 << "#FFE3E3" << QPoint(15, 25);
    QTest::newRow("eight black and one white") << 20 << 10 << 1 << "#1C1C1C" << QPoint(30, 30);
    QTest::newRow("uniform white") << 30 << 20 << 2 << "#FFFFFF" << QPoint(40, 40);
    QTest::newRow("white corner, outside samples left out")
        << 0 << 0 << 1 << "#FFFFFF" << QPoint(10, 20);
    QTest::newRow("beyond the picture: the surface's background")
        << 200 << 40 << 0 << "BACK" << QPoint(210, 60);
    // Where the 561 x 81 picture box would cut the 57 x 19 box off, it stands on the other side.
    QTest::newRow("near the right edge: left of the pointer")
        << 540 << 10 << 0 << "BACK" << QPoint(474, 30);
    QTest::newRow("near the bottom edge: above the pointer")
        << 20 << 70 << 0 << "BACK" << QPoint(30, 32);
}

void TestReadout::readsUnderPointer() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, radius);
    QFETCH(QString, text);
    TestWindow w(readoutPicture());
    w.form->hscNeighbors->setValue(radius);
    w.pointAt(x, y);

    if (text == QLatin1String("BACK")) {
        text = WebCode(w.form->picColor->BackColor());
    }
    QFETCH(QPoint, boxAt);
    QCOMPARE(w.form->txtCursor->text(), text);
    QVERIFY(w.form->txtCursor->isVisible());
    QCOMPARE(w.form->txtCursor->pos(), boxAt);
}

// The box's place beside the pointer: a 57 x 19 box, 10 right of and 20 below the pointer unless
// the control's right or bottom edge would cut it off, then as far left of or above it; where it
// is cut off either way, on the side that shows more of it.
void TestReadout::boxPlacement_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("control");
    QTest::addColumn<QPoint>("expected");

    const QSize control(200, 100);
    QTest::newRow("in the middle") << QPoint(50, 30) << control << QPoint(60, 50);
    QTest::newRow("fits exactly") << QPoint(133, 61) << control << QPoint(143, 81);
    QTest::newRow("one pixel over the right edge") << QPoint(134, 30) << control << QPoint(68, 50);
    QTest::newRow("one pixel over the bottom edge") << QPoint(50, 62) << control << QPoint(60, 24);
    QTest::newRow("bottom-right corner") << QPoint(199, 99) << control << QPoint(133, 61);
    QTest::newRow("cut off more on the other side")
        << QPoint(30, 30) << QSize(80, 100) << QPoint(40, 50);
    QTest::newRow("pointer beyond the right edge") << QPoint(250, 30) << control << QPoint(184, 50);
    QTest::newRow("pointer above the control") << QPoint(50, -40) << control << QPoint(60, -20);
}

void TestReadout::boxPlacement() {
    QFETCH(QPoint, pointer);
    QFETCH(QSize, control);
    QFETCH(QPoint, expected);
    QCOMPARE(ReadoutBoxPosition(pointer, pointer + QPoint(10, 20), QSize(57, 19), control),
             expected);
}

// The screen pick's loupe (152 x 190) beside the pixel on a 1920 x 1080 monitor: flipped at the
// right and bottom edges, and inside a monitor smaller than itself from its top-left corner.
void TestReadout::boxInside_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QPoint>("expected");

    const QSize monitor(1920, 1080);
    QTest::newRow("top-left corner") << QPoint(0, 0) << monitor << QPoint(24, 24);
    QTest::newRow("top-right corner") << QPoint(1919, 0) << monitor << QPoint(1744, 24);
    QTest::newRow("bottom-left corner") << QPoint(0, 1079) << monitor << QPoint(24, 866);
    QTest::newRow("bottom-right corner") << QPoint(1919, 1079) << monitor << QPoint(1744, 866);
    QTest::newRow("a monitor smaller than the loupe")
        << QPoint(50, 50) << QSize(100, 120) << QPoint(0, 0);
}

void TestReadout::boxInside() {
    QFETCH(QPoint, pointer);
    QFETCH(QSize, area);
    QFETCH(QPoint, expected);
    QCOMPARE(BoxInside(pointer, pointer + QPoint(24, 24), QSize(152, 190), area), expected);
}

void TestReadout::loupePlacement_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("box");
    QTest::addColumn<QPoint>("loupe");

    // A 57 x 19 box and a 79 x 79 loupe in a 400 x 300 control: the loupe beside the box on the
    // side away from the pointer; where the pair would be cut off, both flip, the box standing
    // where it would alone and the two aligned on the edge nearest the pointer.
    QTest::newRow("in the middle") << QPoint(50, 30) << QPoint(60, 50) << QPoint(119, 50);
    QTest::newRow("near the right edge") << QPoint(300, 30) << QPoint(234, 50) << QPoint(153, 50);
    QTest::newRow("near the bottom edge") << QPoint(50, 250) << QPoint(60, 212) << QPoint(119, 152);
    QTest::newRow("bottom-right corner")
        << QPoint(390, 290) << QPoint(324, 252) << QPoint(243, 192);
}

void TestReadout::loupePlacement() {
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, box);
    QFETCH(QPoint, loupe);
    const ReadoutPlaces places = ReadoutAndLoupePositions(
        pointer, pointer + QPoint(10, 20), QSize(57, 19), QSize(79, 79), QSize(400, 300));
    QCOMPARE(places.box, box);
    QCOMPARE(places.loupe, loupe);
}

void TestReadout::hidesOverBareWindowOnly() {
    TestWindow w(readoutPicture());
    w.pointAt(5, 5);
    QVERIFY(w.form->txtCursor->isVisible());

    // Over a button: not the bare window, so the box stays.
    w.fakes.pointer->setPos(w.form->cmdFile->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::processEvents();
    QVERIFY(w.form->txtCursor->isVisible());

    // Over the bare window between the controls: hidden.
    w.fakes.pointer->setPos(w.form->client->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::processEvents();
    QVERIFY(!w.form->txtCursor->isVisible());

    w.pointAt(6, 6);
    QVERIFY(w.form->txtCursor->isVisible());
    QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#FFFFFF"));
}

void TestReadout::radiusChange_data() {
    QTest::addColumn<bool>("suppressed");
    QTest::addColumn<bool>("pointerOverPicture");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QPoint>("boxAt");

    // Pointer over the picture at (20, 10): refreshed with the new radius there.
    QTest::newRow("refresh at pointer") << false << true << "#1C1C1C" << QPoint(30, 30);
    // Pointer on the scroll bar, above the picture: every sample outside reads #FFFFFF and the
    // box stands at the converted position, above the picture's top edge.
    QTest::newRow("pointer outside the picture") << false << false << "#FFFFFF" << QPoint();
    // Start-up's restore: only the radius text changes.
    QTest::newRow("suppressed at start-up") << true << true << "#000000" << QPoint(30, 29);
}

void TestReadout::radiusChange() {
    QFETCH(bool, suppressed);
    QFETCH(bool, pointerOverPicture);
    QFETCH(QString, readout);
    QFETCH(QPoint, boxAt);
    TestWindow w(readoutPicture());
    w.pointAt(20, 9); // radius 0 over black: the box reads #000000 at (30, 29)
    QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#000000"));

    QPoint pointer = w.screenPointOf(20, 10);
    if (!pointerOverPicture) {
        pointer = w.form->hscNeighbors->mapToGlobal(QPoint(5, 5));
        const QPoint inPicture = w.form->picColor->mapFromGlobal(pointer);
        boxAt = inPicture + QPoint(10, 20);
    }
    w.fakes.pointer->deliverMoves = false;
    w.fakes.pointer->setPos(pointer);
    w.form->cmdFile->setFocus();

    SetTag(w.form->hscNeighbors, BoolText(suppressed));
    w.form->hscNeighbors->setValue(1);

    QCOMPARE(w.form->txtNeighbors->text(), QStringLiteral(" 1"));
    QCOMPARE(w.form->txtCursor->text(), readout);
    QCOMPARE(w.form->txtCursor->pos(), boxAt);
    QCOMPARE(w.form->picColor->hasFocus(), !suppressed);
}

void TestReadout::pointerToPictureUsesRealGeometry() {
    TestWindow w(readoutPicture());
    // Wherever the window stands, the picture's own top-left pixel maps to (0, 0).
    for (const QPoint& at : {QPoint(40, 30), QPoint(300, 211)}) {
        w.form->move(at);
        const QPoint screen = w.form->picColor->mapToGlobal(QPoint(7, 3));
        QCOMPARE(w.form->PointerToPicture(screen), QPointF(7, 3));
    }
    // A pointer far outside the window gives far-off coordinates that read as outside.
    const QPointF far = w.form->PointerToPicture(QPoint(-30000, 90000));
    QCOMPARE(w.form->picColor->Point(static_cast<float>(far.x()), static_cast<float>(far.y())), -1);
}

void TestReadout::radiusBeyondRangeReadsAtMostRadiusFive() {
    // Before start-up narrows its range the scroll bar takes any value; the read-out still
    // samples at most the 11x11 square.
    TestServices fakes;
    frmHuemark form(fakes.services());
    form.picColor->setScaleMode(PictureBox::kScalePixels);
    form.picColor->setPicture(readoutPicture());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SetTag(form.hscNeighbors, BoolText(true));
    form.hscNeighbors->setValue(30000);
    QCOMPARE(form.txtNeighbors->text(), QStringLiteral(" 30000"));
    form.picColor_MouseMove(0, 0, 20, 10);
    // 121 samples around (20, 10): 8 black, the rest white.
    QCOMPARE(form.txtCursor->text(), QStringLiteral("#EEEEEE"));
}

void TestReadout::nonFiniteCoordinatesReadOutside() {
    TestWindow w(readoutPicture());
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (int radius : {0, 3}) {
        w.form->hscNeighbors->setValue(radius);
        for (const QPointF& p : {QPointF(nan, 5), QPointF(5, inf), QPointF(-inf, nan)}) {
            w.form->picColor_MouseMove(0, 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
            QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#FFFFFF"));
            QVERIFY(!w.form->picColor->rect().intersects(w.form->txtCursor->geometry()));
        }
    }
}

// What a screen reader hears: each time the announcer shows, its message. A script of steps:
// "move X,Y" the pointer; "rest" (longer than the pointer must rest); "key K" on the picture;
// "click X,Y" picks; "list K" a key on the list, with "Shift+" or "Ctrl+"; "palette" extracts
// the picture's palette. Each message heard
// must begin with the text expected.
void TestReadout::announcements_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("heard");

    QTest::newRow("moves are said once the pointer rests, once")
        << QStringList{"move 1,1", "move 2,2", "move 5,5", "rest", "rest"}
        << QStringList{"#FF0000, red"};
    QTest::newRow("moves that never rest say nothing")
        << QStringList{"move 1,1", "move 5,5", "move 9,9"} << QStringList{};
    QTest::newRow("an arrow step is said at once, and not again on resting")
        << QStringList{"move 4,5", "key Right", "rest"} << QStringList{"#FF0000, red"};
    QTest::newRow("a pick is said with its row, not followed by the colour")
        << QStringList{"move 5,5", "click 5,5", "rest"} << QStringList{"Picked #FF0000, row 1"};
    QTest::newRow("two rows chosen with Shift are said with their contrast")
        << QStringList{"click 5,5", "click 1,1", "list Shift+Down"}
        << QStringList{"Picked #FF0000, row 1", "Picked #FFFFFF, row 1",
                       "Contrast of #FFFFFF and #FF0000: 3.99:1"};
    QTest::newRow("Ctrl with the arrows chooses the row compared")
        << QStringList{"click 5,5",      "click 1,1",      "click 19,9",
                       "list Ctrl+Down", "list Ctrl+Down", "list Down"}
        << QStringList{"Picked #FF0000, row 1", "Picked #FFFFFF, row 1", "Picked #000000, row 1",
                       "Contrast of #000000 and #FFFFFF", "Contrast of #000000 and #FF0000"};
    QTest::newRow("a palette is said once, not row by row")
        << QStringList{"palette"} << QStringList{"Palette of 3 colours added, rows 1 to 3"};
}

void TestReadout::announcements() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, heard);
    TestWindow w(readoutPicture());
    auto* rests = w.form->findChild<QTimer*>(QStringLiteral("pointerRests"));
    QVERIFY(rests != nullptr);
    rests->setInterval(20);
    auto* announcer = w.form->findChild<QWidget*>(QStringLiteral("announcer"));
    QVERIFY(announcer != nullptr);
    QStringList said;
    struct Listener : QObject {
        QStringList* said = nullptr;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show) {
                *said << static_cast<QWidget*>(watched)->accessibleName();
            }
            return false;
        }
    } listener;
    listener.said = &said;
    announcer->installEventFilter(&listener);

    for (const QString& step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString what = step.section(QLatin1Char(' '), 1);
        const QPoint at(what.section(QLatin1Char(','), 0, 0).toInt(),
                        what.section(QLatin1Char(','), 1).toInt());
        if (verb == QLatin1String("move")) {
            w.pointAt(at.x(), at.y());
        } else if (verb == QLatin1String("palette")) {
            w.form->mnuViewExtractPalette->trigger();
        } else if (verb == QLatin1String("rest")) {
            QTest::qWait(rests->interval() * 5);
        } else if (verb == QLatin1String("click")) {
            w.pointAt(at.x(), at.y());
            QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            const QKeySequence keys = QKeySequence::fromString(what);
            QWidget* target = verb == QLatin1String("list") ? static_cast<QWidget*>(w.form->grdList)
                                                            : w.form->picColor;
            QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
        }
    }
    QCOMPARE(said.size(), heard.size());
    for (int i = 0; i < said.size(); ++i) {
        QVERIFY2(said[i].startsWith(heard[i]), qPrintable(said[i]));
    }
}

QTEST_MAIN(TestReadout)
#include "test_readout.moc"
