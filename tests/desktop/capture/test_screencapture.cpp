// The screen capture's own decisions: pixels in the window system's layouts read as colours,
// the screenshot portal's answers understood (and heard from the portal alone), and which
// windows leave the screen and come back.

#include "desktop/capture/ScreenCapture.h"

#include <QTest>
#include <QtDBus>
#include <QtWidgets>

namespace {
// A screenshot portal on a private bus. Its call's answer comes late: another program on the bus
// sends one on the same request first.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    StandInPortal(const QDBusConnection& portal, const QDBusConnection& other)
        : m_portal(portal), m_other(other) {}

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options,
                               const QDBusMessage& call) {
        const QString request = ScreenPortal::RequestPath(
            call.service(), options.value(QStringLiteral("handle_token")).toString());
        QTimer::singleShot(0, this, [this, request] { answer(m_other, request, "other"); });
        QTimer::singleShot(300, this, [this, request] { answer(m_portal, request, "portal"); });
        return QDBusObjectPath(request);
    }

private:
    static void answer(QDBusConnection& bus, const QString& request, const char* name) {
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << 0u
                 << QVariantMap{{QStringLiteral("uri"),
                                 QStringLiteral("file:///tmp/%1.png").arg(QLatin1String(name))}};
        bus.send(response);
    }
    QDBusConnection m_portal;
    QDBusConnection m_other;
};
} // namespace

Q_DECLARE_METATYPE(PixelLayout)

class TestScreenCapture : public QObject {
    Q_OBJECT
private slots:
    void pixels_data();
    void pixels();
    void portalAnswer_data();
    void portalAnswer();
    void requestPath();
    void portalAloneAnswers();
    void windowsHiddenAndBack();
};

void TestScreenCapture::pixels_data() {
    QTest::addColumn<PixelLayout>("layout");
    QTest::addColumn<QByteArray>("row"); // two pixels and padding: #FF8000, then #0040C0
    QTest::addColumn<QList<QRgb>>("expected");

    const QList<QRgb> both{qRgb(0xff, 0x80, 0x00), qRgb(0x00, 0x40, 0xc0)};
    QTest::newRow("32 bits, least significant byte first, padding byte set")
        << PixelLayout{32, 0xff0000, 0xff00, 0xff, false}
        << QByteArray::fromHex("0080ffaa"
                               "c0400077"
                               "00000000")
        << both;
    QTest::newRow("32 bits, most significant byte first")
        << PixelLayout{32, 0xff0000, 0xff00, 0xff, true}
        << QByteArray::fromHex("00ff8000"
                               "000040c0"
                               "00000000")
        << both;
    QTest::newRow("32 bits, blue in the high byte")
        << PixelLayout{32, 0xff, 0xff00, 0xff0000, false}
        << QByteArray::fromHex("ff8000ff"
                               "0040c0ff"
                               "00000000")
        << both;
    QTest::newRow("24 bits packed") << PixelLayout{24, 0xff0000, 0xff00, 0xff, false}
                                    << QByteArray::fromHex("0080ff"
                                                           "c04000"
                                                           "000000")
                                    << both;
    // 5, 6 and 5 bits scaled to 8: 31 -> 255, 32 -> 130, 0; 0, 16 -> 65, 24 -> 197.
    QTest::newRow("16 bits, 5-6-5") << PixelLayout{16, 0xf800, 0x07e0, 0x001f, false}
                                    << QByteArray::fromHex("00fc"
                                                           "1802"
                                                           "0000")
                                    << QList<QRgb>{qRgb(255, 130, 0), qRgb(0, 65, 197)};
    // 10 bits a channel: 1023 -> 255, 512 -> 128; 0, 256 -> 64, 768 -> 191.
    QTest::newRow("30 bits deep colour")
        << PixelLayout{32, 0x3ff00000, 0x000ffc00, 0x000003ff, false}
        << QByteArray::fromHex("0000f83f"
                               "00030400"
                               "00000000")
        << QList<QRgb>{qRgb(255, 128, 0), qRgb(0, 64, 191)};
    QTest::newRow("8 bits a pixel are not read")
        << PixelLayout{8, 0xe0, 0x1c, 0x03, false} << QByteArray(6, '\0') << QList<QRgb>{};
    QTest::newRow("a mask with a gap is not read")
        << PixelLayout{32, 0xf0f000, 0xff00, 0xff, false} << QByteArray(12, '\0') << QList<QRgb>{};
}

void TestScreenCapture::pixels() {
    QFETCH(PixelLayout, layout);
    QFETCH(QByteArray, row);
    QFETCH(QList<QRgb>, expected);
    // Two rows, the second of other colours, each padded to the row length given.
    QByteArray rows = row + QByteArray(row.size(), '\x11');
    const QImage image =
        PixelsToImage(reinterpret_cast<const uchar*>(rows.constData()), 2, 2, row.size(), layout);
    if (expected.isEmpty()) {
        QVERIFY(image.isNull());
        return;
    }
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(2, 2));
    QCOMPARE(QList<QRgb>({image.pixel(0, 0), image.pixel(1, 0)}), expected);
}

void TestScreenCapture::portalAnswer_data() {
    QTest::addColumn<uint>("response");
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<int>("outcome"); // ScreenCaptureResult::Outcome
    QTest::addColumn<QString>("fileOrError");

    using O = ScreenCaptureResult::Outcome;
    const auto uri = [](const QVariant& v) { return QVariantMap{{QStringLiteral("uri"), v}}; };
    QTest::newRow("a file") << 0u << uri(QStringLiteral("file:///tmp/Screenshot%20at%203.png"))
                            << int(O::File) << "/tmp/Screenshot at 3.png";
    QTest::newRow("declined") << 1u << QVariantMap() << int(O::Refused) << "declined";
    QTest::newRow("failed") << 2u << QVariantMap() << int(O::Failed) << "could not capture";
    QTest::newRow("an unknown answer")
        << 7u << uri(QStringLiteral("file:///tmp/a.png")) << int(O::Failed) << "could not capture";
    QTest::newRow("no file named") << 0u << QVariantMap() << int(O::Failed) << "sent no picture";
    QTest::newRow("a file name of the wrong type")
        << 0u << uri(42) << int(O::Failed) << "sent no picture";
    QTest::newRow("not a local file") << 0u << uri(QStringLiteral("https://example.org/a.png"))
                                      << int(O::Failed) << "not a local file";
}

void TestScreenCapture::portalAnswer() {
    QFETCH(uint, response);
    QFETCH(QVariantMap, results);
    QFETCH(int, outcome);
    QFETCH(QString, fileOrError);
    const ScreenCaptureResult r = ScreenPortal::Answer(response, results);
    QCOMPARE(int(r.outcome), outcome);
    if (r.outcome == ScreenCaptureResult::Outcome::File) {
        QCOMPARE(r.file, fileOrError);
    } else {
        QVERIFY2(r.error.contains(fileOrError), qPrintable(r.error));
    }
}

// The portal names a request after the caller's unique name, without the colon and with dots
// as underscores.
void TestScreenCapture::requestPath() {
    QCOMPARE(ScreenPortal::RequestPath(QStringLiteral(":1.42"), QStringLiteral("huemark7")),
             QStringLiteral("/org/freedesktop/portal/desktop/request/1_42/huemark7"));
}

// Only the portal that took the call answers it, on its own request: a Response another program
// sends there is not heard.
void TestScreenCapture::portalAloneAnswers() {
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"),
               QStringLiteral("--print-address")});
    if (!bus.waitForStarted()) {
        QSKIP("dbus-daemon is not installed");
    }
    QVERIFY(bus.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    QDBusConnection portalBus = QDBusConnection::connectToBus(address, "portal");
    QDBusConnection otherBus = QDBusConnection::connectToBus(address, "other");
    StandInPortal portal(portalBus, otherBus);
    QVERIFY(portalBus.registerService("org.freedesktop.portal.Desktop"));
    QVERIFY(portalBus.registerObject("/org/freedesktop/portal/desktop", &portal,
                                     QDBusConnection::ExportAllSlots));

    const ScreenCaptureResult shot = NewPortalScreenCapture()->capture(nullptr);
    QCOMPARE(shot.error, QString());
    QCOMPARE(shot.file, QStringLiteral("/tmp/portal.png"));
    QDBusConnection::disconnectFromBus("portal");
    QDBusConnection::disconnectFromBus("other");
    bus.terminate();
    bus.waitForFinished();
}

// Every shown window leaves the screen; the windows come back, the given one on top, but a
// tooltip that was showing does not.
void TestScreenCapture::windowsHiddenAndBack() {
    QWidget main;
    QWidget other;
    QWidget tip(nullptr, Qt::ToolTip);
    QWidget neverShown;
    for (QWidget* w : {&main, &other, &tip}) {
        w->resize(40, 30);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    {
        const HiddenWindows hidden(&main);
        for (QWidget* w : {&main, &other, &tip}) {
            QVERIFY(!w->isVisible());
        }
    }
    QVERIFY(main.isVisible());
    QVERIFY(other.isVisible());
    QVERIFY(!tip.isVisible());
    QVERIFY(!neverShown.isVisible());
}

QTEST_MAIN(TestScreenCapture)
#include "test_screencapture.moc"
