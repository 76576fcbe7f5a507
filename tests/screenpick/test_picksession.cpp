// The screen pick's gesture over a frozen desktop of two monitors side by side: where the pick
// starts, what the arrows, Shift and the radius keys do at the monitors' and the desktop's edges,
// what a pick gives and that Escape gives nothing; and the clicks and keys pressed before the
// surfaces were up, done once they are.

#include "desktop/Services.h"
#include "pixels/WebCode.h"
#include "screenpick/PickSession.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

namespace {
// The pointer stays where it is put: the desktop moves it for no program.
class StillPointer : public PointerService {
public:
    explicit StillPointer(QPoint at, bool tells = true) : m_at(at), m_tells(tells) {}
    QPoint pos() const override { return m_at; }
    bool setPos(QPoint) override { return false; }
    bool tellsPlace() const override { return m_tells; }

private:
    QPoint m_at;
    bool m_tells;
};

// Two monitors of 100 x 100: on the left one pixel (x, y) is rgb(x, y, 0), the right one is
// rgb(200, y, 255) throughout.
QImage Desktop() {
    QImage image(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            image.setPixel(x, y, x < 100 ? qRgb(x, y, 0) : qRgb(200, y, 255));
        }
    }
    return image;
}

QList<View::CapturedMonitor> Monitors() {
    return {{QStringLiteral("left"), QRect(0, 0, 100, 100), 1, QRect(0, 0, 100, 100), 1},
            {QStringLiteral("right"), QRect(100, 0, 100, 100), 1, QRect(100, 0, 100, 100), 1}};
}

using Keys = QList<QPair<int, Qt::KeyboardModifiers>>;
using Presses = QList<EarlyPress>;

EarlyPress Click(QPoint at, EarlyPress::Kind kind = EarlyPress::Kind::Pick) {
    EarlyPress press;
    press.kind = kind;
    press.at = at;
    return press;
}
// A key, pressed with the pointer somewhere else: a key names the pixel the gesture starts at.
EarlyPress Key(EarlyPress::Kind kind, QPoint step = QPoint(), bool far = false) {
    EarlyPress press;
    press.kind = kind;
    press.at = QPoint(180, 90);
    press.step = step;
    press.far = far;
    press.key = true;
    return press;
}
} // namespace

Q_DECLARE_METATYPE(Keys)
Q_DECLARE_METATYPE(Presses)

class TestPickSession : public QObject {
    Q_OBJECT
private slots:
    void gesture_data();
    void gesture();
    void earlyPresses_data();
    void earlyPresses();
    void pointerEntering_data();
    void pointerEntering();
};

void TestPickSession::gesture_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("code"); // empty: cancelled
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("monitor");
    QTest::addColumn<int>("radius");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Enter picks the pixel under the pointer")
        << QPoint(99, 50) << Keys{{Qt::Key_Return, none}} << "#633200" << QPoint(99, 50) << "left"
        << 0;
    QTest::newRow("an arrow steps one pixel, onto the next monitor")
        << QPoint(99, 50) << Keys{{Qt::Key_Right, none}, {Qt::Key_Return, none}} << "#C832FF"
        << QPoint(100, 50) << "right" << 0;
    QTest::newRow("Shift steps ten, and stops at the desktop's edge")
        << QPoint(5, 50)
        << Keys{{Qt::Key_Left, Qt::ShiftModifier},
                {Qt::Key_Up, Qt::ShiftModifier},
                {Qt::Key_Space, none}}
        << "#002800" << QPoint(0, 40) << "left" << 0;
    // rgb(98..99, 49..51, 0) averaged: the right monitor's pixels beside it are left out.
    QTest::newRow("the radius square keeps to its monitor")
        << QPoint(99, 50) << Keys{{Qt::Key_BracketRight, none}, {Qt::Key_Return, none}} << "#633200"
        << QPoint(99, 50) << "left" << 1;
    QTest::newRow("the radius stops at five")
        << QPoint(50, 50) << Keys{{Qt::Key_BracketRight, none}, {Qt::Key_BracketRight, none},
                                  {Qt::Key_BracketRight, none}, {Qt::Key_BracketRight, none},
                                  {Qt::Key_BracketRight, none}, {Qt::Key_BracketRight, none},
                                  {Qt::Key_BracketRight, none}, {Qt::Key_Return, none}}
        << "#323200" << QPoint(50, 50) << "left" << 5;
    QTest::newRow("Escape picks nothing")
        << QPoint(99, 50) << Keys{{Qt::Key_Right, none}, {Qt::Key_Escape, none}} << "" << QPoint()
        << "" << 0;
}

void TestPickSession::gesture() {
    QFETCH(QPoint, pointer);
    QFETCH(Keys, keys);
    QFETCH(QString, code);
    QFETCH(QPoint, pixel);
    QFETCH(QString, monitor);
    QFETCH(int, radius);

    StillPointer still(pointer);
    ShowOptions showing;
    showing.source = QStringLiteral("Screen capture");
    PickSession session(ShownPicture::OfImage(Desktop(), showing), Monitors(), still,
                        View::CaptureLayout::DevicePixels, ScreenPickOptions{});
    QTimer::singleShot(0, [&] {
        for (const auto& [key, modifiers] : keys) {
            QKeyEvent event(QEvent::KeyPress, key, modifiers);
            session.key(&event);
        }
    });
    const ScreenPickResult result = session.run();
    if (code.isEmpty()) {
        QCOMPARE(result.outcome, ScreenPickResult::Outcome::Cancelled);
        return;
    }
    QCOMPARE(result.outcome, ScreenPickResult::Outcome::Picked);
    QCOMPARE(WebCode(result.pick.color), code);
    QCOMPARE(result.pick.origin.position, std::optional(pixel));
    QCOMPARE(result.pick.origin.radius, radius);
    QCOMPARE(result.pick.origin.source, QStringLiteral("Screen capture"));
    QCOMPARE(result.monitor, monitor);
    // The monitor's own device pixel, from its top-left corner.
    QCOMPARE(result.devicePixel,
             pixel - (monitor == QLatin1String("right") ? QPoint(100, 0) : QPoint(0, 0)));
    QVERIFY(result.pick.origin.stored);
}

void TestPickSession::earlyPresses_data() {
    QTest::addColumn<Presses>("presses"); // the pointer is at (50, 50)
    QTest::addColumn<QPoint>("pixel");    // null: cancelled
    QTest::addColumn<QString>("monitor");

    using K = EarlyPress::Kind;
    const QPoint right(1, 0);
    QTest::newRow("a click picks its own pixel, on the other monitor")
        << Presses{Click(QPoint(150, 20))} << QPoint(150, 20) << "right";
    QTest::newRow("a right click cancels")
        << Presses{Click(QPoint(150, 20), K::Cancel)} << QPoint() << "";
    QTest::newRow("arrows step from the pointer, then Enter")
        << Presses{Key(K::Step, right), Key(K::Step, right), Key(K::Step, right), Key(K::Pick)}
        << QPoint(53, 50) << "left";
    QTest::newRow("Shift steps ten, onto the other monitor")
        << Presses{Key(K::Step, QPoint(0, 1), true), Key(K::Step, right * 5, true), Key(K::Pick)}
        << QPoint(100, 60) << "right";
    QTest::newRow("a click after a step picks where it was made")
        << Presses{Key(K::Step, -right), Click(QPoint(10, 10))} << QPoint(10, 10) << "left";
    QTest::newRow("a click where no monitor is does nothing; Escape then cancels")
        << Presses{Click(QPoint(250, 50)), Key(K::Cancel)} << QPoint() << "";
    QTest::newRow("what follows the end is left alone")
        << Presses{Key(K::Pick), Key(K::Step, right), Click(QPoint(150, 20)), Key(K::Cancel)}
        << QPoint(50, 50) << "left";
}

void TestPickSession::earlyPresses() {
    QFETCH(Presses, presses);
    QFETCH(QPoint, pixel);
    QFETCH(QString, monitor);

    StillPointer still(QPoint(50, 50));
    int asked = 0;
    int picked = 0;
    ScreenPickOptions options;
    options.earlyInput = [&] {
        ++asked;
        return presses;
    };
    options.picked = [&](const ScreenPickResult&) { ++picked; };
    PickSession session(ShownPicture::OfImage(Desktop(), ShowOptions()), Monitors(), still,
                        View::CaptureLayout::DevicePixels, options);
    // Nothing else ends the gesture: a replay that leaves it running runs into the timer.
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        session.cancel();
    });
    guard.start(5000);
    const ScreenPickResult result = session.run();
    QVERIFY(!timedOut);
    QCOMPARE(asked, 1);
    if (pixel.isNull()) {
        QCOMPARE(result.outcome, ScreenPickResult::Outcome::Cancelled);
        QCOMPARE(picked, 0);
        return;
    }
    QCOMPARE(result.outcome, ScreenPickResult::Outcome::Picked);
    QCOMPARE(picked, 1);
    QCOMPARE(result.pick.origin.position, std::optional(pixel));
    QCOMPARE(result.monitor, monitor);
    QCOMPARE(result.pick.color, Color::fromQColor(Desktop().pixelColor(pixel)));
}

void TestPickSession::pointerEntering_data() {
    QTest::addColumn<bool>("tellsPlace");
    QTest::addColumn<QPoint>("pixel");
    // The pointer's stale place is (0, 0); it comes over the left monitor at (30, 20).
    QTest::newRow("where the desktop tells no place, entering gives it") << false << QPoint(30, 20);
    QTest::newRow("where it does, its place stands") << true << QPoint(0, 0);
}

void TestPickSession::pointerEntering() {
    QFETCH(bool, tellsPlace);
    QFETCH(QPoint, pixel);
    StillPointer still(QPoint(0, 0), tellsPlace);
    ShowOptions showing;
    showing.source = QStringLiteral("Screen capture");
    PickSession session(ShownPicture::OfImage(Desktop(), showing), Monitors(), still,
                        View::CaptureLayout::DevicePixels, ScreenPickOptions{});
    QTimer::singleShot(0, [&] {
        session.pointerEntered(0, QPointF(30.4, 20.6));
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        session.key(&event);
    });
    const ScreenPickResult result = session.run();
    QCOMPARE(result.outcome, ScreenPickResult::Outcome::Picked);
    QCOMPARE(result.pick.origin.position, std::optional(pixel));
}

QTEST_MAIN(TestPickSession)
#include "test_picksession.moc"
