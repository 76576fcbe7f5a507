// The screen pick's gesture over a frozen desktop of two monitors side by side: where the pick
// starts, what the arrows, Shift and the radius keys do at the monitors' and the desktop's edges,
// what a pick gives and that Escape gives nothing.

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
    explicit StillPointer(QPoint at) : m_at(at) {}
    QPoint pos() const override { return m_at; }
    bool setPos(QPoint) override { return false; }

private:
    QPoint m_at;
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
} // namespace

Q_DECLARE_METATYPE(Keys)

class TestPickSession : public QObject {
    Q_OBJECT
private slots:
    void gesture_data();
    void gesture();
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

QTEST_MAIN(TestPickSession)
#include "test_picksession.moc"
