// Keys on the picture: arrows step the pointer a pixel (and the read-out follows), Page Up/Down
// step the radius within its bounds, Enter picks at the pointer, other keys do nothing; and where
// the desktop refuses to move the pointer, the arrows step a pick point of our own.

#include "support/TestSupport.h"

#include <QTest>

namespace {
// A picture whose every pixel has its own colour, red = x and green = y, but for a white pixel
// at (43, 30): three pixels right of where the key tests start, so radius 3 sees it, 2 does not.
QImage coordinatePicture() {
    QImage image(100, 60, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x, y, 0));
        }
    }
    image.setPixel(43, 30, qRgb(255, 255, 255));
    return image;
}

QString codeAt(int x, int y) {
    return QStringLiteral("#%1%2%3")
        .arg(x, 2, 16, QLatin1Char('0'))
        .arg(y, 2, 16, QLatin1Char('0'))
        .arg(QStringLiteral("00"))
        .toUpper();
}

// Counts presses of one key that reach the window's client area, i.e. were not consumed.
class KeySpy : public QObject {
public:
    explicit KeySpy(int key) : m_key(key) {}
    int presses = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == m_key) {
            ++presses;
        }
        return false;
    }

private:
    int m_key;
};
} // namespace

class TestStepping : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void refusedPointerStepsPickPoint();
};

void TestStepping::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QPoint>("pointerStep");
    QTest::addColumn<int>("newRadius");
    QTest::addColumn<QString>("radiusText"); // "-" = untouched
    QTest::addColumn<QString>("readout");    // "-" = untouched
    QTest::addColumn<int>("rows");

    const int none = Qt::NoModifier;
    QTest::newRow("up") << int(Qt::Key_Up) << none << 0 << QPoint(0, -1) << 0 << "-"
                        << codeAt(40, 29) << 2;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 0 << QPoint(0, 1) << 0 << "-"
                          << codeAt(40, 31) << 2;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 0 << QPoint(-1, 0) << 0 << "-"
                          << codeAt(39, 30) << 2;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 0 << QPoint(1, 0) << 0 << "-"
                           << codeAt(41, 30) << 2;
    QTest::newRow("shift+right acts like right")
        << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 0 << QPoint(1, 0) << 0 << "-"
        << codeAt(41, 30) << 2;
    // The 7x7 square around (40, 30) holds the white pixel: #2C2305; the 5x5 one does not.
    QTest::newRow("page up from 2") << int(Qt::Key_PageUp) << none << 2 << QPoint() << 3 << " 3"
                                    << "#2C2305" << 2;
    QTest::newRow("page up at 5: nothing")
        << int(Qt::Key_PageUp) << none << 5 << QPoint() << 5 << "-"
        << "-" << 2;
    QTest::newRow("page down at 0: nothing")
        << int(Qt::Key_PageDown) << none << 0 << QPoint() << 0 << "-"
        << "-" << 2;
    QTest::newRow("page down from 3")
        << int(Qt::Key_PageDown) << none << 3 << QPoint() << 2 << " 2" << codeAt(40, 30) << 2;
    QTest::newRow("page down from 1")
        << int(Qt::Key_PageDown) << none << 1 << QPoint() << 0 << " 0" << codeAt(40, 30) << 2;
    QTest::newRow("enter picks at the pointer")
        << int(Qt::Key_Return) << none << 3 << QPoint() << 3 << "-"
        << "-" << 3;
    QTest::newRow("keypad enter too") << int(Qt::Key_Enter) << none << 0 << QPoint() << 0 << "-"
                                      << "-" << 3;
    QTest::newRow("other key") << int(Qt::Key_A) << none << 0 << QPoint() << 0 << "-"
                               << "-" << 2;
    QTest::newRow("ctrl+home") << int(Qt::Key_Home) << int(Qt::ControlModifier) << 0 << QPoint()
                               << 0 << "-"
                               << "-" << 2;
}

void TestStepping::keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, radius);
    QFETCH(QPoint, pointerStep);
    QFETCH(int, newRadius);
    QFETCH(QString, radiusText);
    QFETCH(QString, readout);
    QFETCH(int, rows);

    TestWindow w(coordinatePicture());
    w.form->hscNeighbors->setValue(radius);
    w.pointAt(40, 30);
    const QPoint start = w.fakes.pointer->pos();
    w.form->txtNeighbors->setText(QStringLiteral("-"));
    w.form->txtCursor->setText(QStringLiteral("-"));
    w.form->picColor->setFocus();
    KeySpy spy(key);
    w.form->client->installEventFilter(&spy);

    QTest::keyClick(w.form->picColor, static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));
    QCoreApplication::processEvents(); // the pointer's move arrives after the key

    QCOMPARE(w.fakes.pointer->pos(), start + pointerStep);
    QCOMPARE(w.form->hscNeighbors->value(), newRadius);
    QCOMPARE(w.form->txtNeighbors->text(), radiusText);
    QCOMPARE(w.form->txtCursor->text(), readout);
    QCOMPARE(w.form->grdList->Rows(), rows);
    if (rows == 3) {
        QCOMPARE(w.form->grdList->TextMatrix(1, 0),
                 codeAt(40, 30)); // the one pixel, not the average
    }
    QVERIFY(w.form->picColor->hasFocus());
    QCOMPARE(spy.presses, 1); // the key is not consumed
}

void TestStepping::refusedPointerStepsPickPoint() {
    TestWindow w(coordinatePicture());
    w.pointAt(2, 30);
    w.fakes.pointer->movable = false;
    w.form->picColor->setFocus();

    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(w.form->picColor, Qt::Key_Left);
    }
    // Kept inside the picture: three steps left from x = 2 end at 0.
    QCOMPARE(w.form->picColor->marker(), std::optional<QPointF>(QPointF(0, 30)));
    QCOMPARE(w.form->txtCursor->text(), codeAt(0, 30));
    QCOMPARE(w.form->txtCursor->pos(), QPoint(10, 50));

    QTest::keyClick(w.form->picColor, Qt::Key_Down);
    QTest::keyClick(w.form->picColor, Qt::Key_PageUp);
    QCOMPARE(w.form->txtNeighbors->text(), QStringLiteral(" 1"));
    QCOMPARE(w.form->txtCursor->pos(), QPoint(10, 51)); // refreshed at the pick point
    QTest::keyClick(w.form->picColor, Qt::Key_Return);
    QCOMPARE(w.form->grdList->TextMatrix(1, 0), codeAt(0, 31));

    // The user moves the real pointer: the pick point is gone, the read-out follows the pointer.
    w.fakes.pointer->movable = true;
    w.pointAt(50, 20);
    QVERIFY(!w.form->picColor->marker().has_value());
    QCOMPARE(w.form->txtCursor->pos(), QPoint(60, 40));
}

QTEST_MAIN(TestStepping)
#include "test_stepping.moc"
