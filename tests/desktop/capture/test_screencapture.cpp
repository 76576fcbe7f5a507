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

using Table = QMap<QString, QStringList>;

// The desktop's permission store, as the scripted desktop below keeps it.
class StandInStore : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.impl.portal.PermissionStore")
public:
    std::optional<Table> table; // none: no entry for the screenshot table yet
    QStringList deleted;

public slots:
    Table Lookup(const QString& tableName, const QString& id, QDBusVariant& data) {
        data = QDBusVariant(QVariant::fromValue(QDBusVariant(uchar(0))));
        if (tableName != QLatin1String("screenshot") || id != tableName || !table) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                           QStringLiteral("No entry for ") + id);
            return {};
        }
        return *table;
    }
    void DeletePermission(const QString&, const QString&, const QString& app) {
        deleted << app;
        if (table) {
            table->remove(app);
        }
    }
};

// A desktop that asks as GNOME's portal does: what the store says decides, else the user's
// answer (0 Allow, 2 Deny, 1 the dialog dismissed, -1 none at all), which is then kept.
class ScriptedDesktop : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    ScriptedDesktop(const QDBusConnection& bus, StandInStore& store) : m_bus(bus), m_store(store) {}
    int user = 0;
    bool asks = true;  // GNOME's does; others capture and keep nothing
    int questions = 0; // asked of the user
    int requests = 0;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options,
                               const QDBusMessage& call) {
        ++requests;
        const QString request = ScreenPortal::RequestPath(
            call.service(), options.value(QStringLiteral("handle_token")).toString());
        QStringList kept;
        for (const QString& id : {QStringLiteral("example.huemark.Huemark"), QString()}) {
            if (kept.isEmpty() && m_store.table) {
                kept = m_store.table->value(id);
            }
        }
        int code = kept.contains(QLatin1String("yes")) ? 0 : 2;
        int delay = 50;
        if (kept.isEmpty() && !asks) {
            code = user <= -2 ? 1 : 0; // -2: cancelled at once, by the desktop itself; -3: late
            delay = user == -3 ? 1200 : delay;
        } else if (kept.isEmpty()) {
            delay = 1200; // a person answers

            ++questions;
            code = user;
            if (code == 0 || code == 2) {
                m_store.table = m_store.table.value_or(Table());
                m_store.table->insert(QString(),
                                      {code == 0 ? QStringLiteral("yes") : QStringLiteral("no")});
            }
        }
        if (code == 0) {
            m_file = QDir::temp().filePath(QStringLiteral("huemark-asked-%1.png").arg(requests));
            QFile(m_file).open(QIODevice::WriteOnly);
        }
        if (code >= 0) {
            QTimer::singleShot(delay, this, [this, request, code] {
                QDBusMessage response = QDBusMessage::createSignal(
                    request, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"));
                response << uint(code)
                         << (code == 0 ? QVariantMap{{QStringLiteral("uri"),
                                                      QUrl::fromLocalFile(m_file).toString()}}
                                       : QVariantMap());
                m_bus.send(response);
            });
        }
        return QDBusObjectPath(request);
    }

public:
    QString file() const { return m_file; }

private:
    QDBusConnection m_bus;
    StandInStore& m_store;
    QString m_file;
};

// A session bus of the test's own, the process's session bus while it lives.
struct PrivateBus {
    QProcess daemon;
    QString address;
    bool start() {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address")});
        if (!daemon.waitForStarted() || !daemon.waitForReadyRead(10000)) {
            return false;
        }
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        return true;
    }
    ~PrivateBus() {
        daemon.terminate();
        daemon.waitForFinished();
    }
};
} // namespace

Q_DECLARE_METATYPE(std::optional<Table>)

Q_DECLARE_METATYPE(PixelLayout)

class TestScreenCapture : public QObject {
    Q_OBJECT
    // The process's session bus (connected once): the portal tests' own.
    PrivateBus m_bus;
    bool m_haveBus = false;
private slots:
    void initTestCase() {
        qDBusRegisterMetaType<Table>();
        m_haveBus = m_bus.start();
    }
    void pixels_data();
    void pixels();
    void kwinPicture_data();
    void kwinPicture();
    void portalAnswer_data();
    void portalAnswer();
    void requestPath();
    void portalAloneAnswers();
    void permission_data();
    void permission();
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

void TestScreenCapture::kwinPicture_data() {
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<QByteArray>("data"); // two rows of two pixels
    QTest::addColumn<QList<QRgb>>("expected");

    const auto raw = [](QImage::Format format, int width, int height, int stride) {
        return QVariantMap{{QStringLiteral("type"), QStringLiteral("raw")},
                           {QStringLiteral("format"), int(format)},
                           {QStringLiteral("width"), uint(width)},
                           {QStringLiteral("height"), uint(height)},
                           {QStringLiteral("stride"), uint(stride)}};
    };
    // #FF8000 and #0040C0 on the first row, padded to 12 bytes; grey below.
    const QByteArray bgra = QByteArray::fromHex("0080ffff"
                                                "c04000ff"
                                                "aaaaaaaa"
                                                "111111ff"
                                                "222222ff"
                                                "aaaaaaaa");
    const QList<QRgb> colours{qRgb(0xff, 0x80, 0x00), qRgb(0x00, 0x40, 0xc0),
                              qRgb(0x11, 0x11, 0x11), qRgb(0x22, 0x22, 0x22)};
    QTest::newRow("premultiplied, rows padded")
        << raw(QImage::Format_ARGB32_Premultiplied, 2, 2, 12) << bgra << colours;
    QTest::newRow("bytes in RGBA order")
        << raw(QImage::Format_RGBA8888, 2, 1, 8) << QByteArray::fromHex("ff8000ff0040c0ff")
        << colours.mid(0, 2);
    QTest::newRow("more bytes than the picture: the rest is not read")
        << raw(QImage::Format_RGB32, 2, 1, 12) << bgra << colours.mid(0, 2);
    QTest::newRow("fewer bytes than the rows")
        << raw(QImage::Format_ARGB32_Premultiplied, 2, 2, 12) << bgra.left(23) << QList<QRgb>{};
    QTest::newRow("rows shorter than their pixels")
        << raw(QImage::Format_ARGB32_Premultiplied, 2, 2, 4) << bgra << QList<QRgb>{};
    QTest::newRow("10 bits a channel are not squeezed into 8")
        << raw(QImage::Format_A2RGB30_Premultiplied, 2, 2, 12) << bgra << QList<QRgb>{};
    QTest::newRow("no size") << raw(QImage::Format_RGB32, 0, 2, 12) << bgra << QList<QRgb>{};
    QVariantMap file = raw(QImage::Format_RGB32, 2, 2, 12);
    file.insert(QStringLiteral("type"), QStringLiteral("file"));
    QTest::newRow("not raw") << file << bgra << QList<QRgb>{};
}

void TestScreenCapture::kwinPicture() {
    QFETCH(QVariantMap, results);
    QFETCH(QByteArray, data);
    QFETCH(QList<QRgb>, expected);
    const QImage picture = KWinScreenshot::FromRaw(results, data);
    if (expected.isEmpty()) {
        QVERIFY(picture.isNull());
        return;
    }
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QList<QRgb> got;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            got << picture.pixel(x, y);
        }
    }
    QCOMPARE(got, expected);
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
    if (!m_haveBus) {
        QSKIP("dbus-daemon is not installed");
    }
    const QString address = m_bus.address;
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
}

// The way to a capture where the desktop asks first: what the store keeps, what the user
// answers, what Huemark says and asks, and whether the capture may go ahead.
void TestScreenCapture::permission_data() {
    QTest::addColumn<std::optional<Table>>("kept");
    QTest::addColumn<int>("user");      // the user's answer to the desktop's question
    QTest::addColumn<bool>("askAgain"); // the user's answer to Huemark's offer
    QTest::addColumn<int>("outcome");   // -1: the capture may go ahead
    QTest::addColumn<QString>("said");  // in Huemark's notice, offer or answer
    QTest::addColumn<int>("questions"); // put by the desktop
    QTest::addColumn<QStringList>("keptAfter");

    using O = ScreenCaptureResult::Outcome;
    const QStringList yes{QStringLiteral("yes")}, no{QStringLiteral("no")};
    const Table allowed{{QString(), yes}}, refused{{QString(), no}};
    QTest::newRow("given before") << std::optional(allowed) << 2 << false << -1 << "" << 0 << yes;
    // A desktop that does not ask keeps nothing: nothing is said, the capture goes ahead.
    QTest::newRow("another desktop, nothing kept")
        << std::optional<Table>() << 0 << false << -1 << "" << 0 << QStringList();
    // KDE's portal without the Pictures folder it saves into answers "cancelled" at once.
    QTest::newRow("another desktop cancels by itself")
        << std::optional<Table>() << -2 << false << -1 << "Pictures folder" << 0 << QStringList();
    // KDE's never asks: its "cancelled" is its own however late it comes (a loaded machine).
    QTest::newRow("another desktop, KDE's, cancels by itself late")
        << std::optional<Table>() << -3 << false << -1 << "Pictures folder" << 0 << QStringList();
    QTest::newRow("kept for our id alone")
        << std::optional(Table{{QStringLiteral("example.huemark.Huemark"), yes}}) << 2 << false
        << -1 << "" << 0 << QStringList();
    QTest::newRow("asked, Allow") << std::optional<Table>() << 0 << false << -1 << "choose allow"
                                  << 1 << yes;
    QTest::newRow("asked, Deny") << std::optional<Table>() << 2 << false << int(O::Refused)
                                 << "refuses huemark screenshots" << 1 << no;
    QTest::newRow("asked, the dialog dismissed")
        << std::optional(Table()) << 1 << false << int(O::Refused) << "declined" << 1
        << QStringList();
    QTest::newRow("asked, no answer") << std::optional<Table>() << -1 << false << int(O::Failed)
                                      << "went unanswered" << 1 << QStringList();
    QTest::newRow("refused before, left so")
        << std::optional(refused) << 0 << false << int(O::Refused) << "shall the desktop ask again"
        << 0 << no;
    QTest::newRow("refused before, asked again, Allow")
        << std::optional(refused) << 0 << true << -1 << "shall the desktop ask again" << 1 << yes;
}

void TestScreenCapture::permission() {
    QFETCH(std::optional<Table>, kept);
    QFETCH(int, user);
    QFETCH(bool, askAgain);
    QFETCH(int, outcome);
    QFETCH(QString, said);
    QFETCH(int, questions);
    QFETCH(QStringList, keptAfter);
    if (!m_haveBus) {
        QSKIP("dbus-daemon is not installed");
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("example.huemark.Huemark"));
    const bool asks = !QByteArray(QTest::currentDataTag()).startsWith("another desktop");
    QTemporaryDir home; // with no Pictures folder
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", asks ? "ubuntu:GNOME"
                                   : QByteArray(QTest::currentDataTag()).contains("KDE") ? "KDE"
                                                                                         : "sway");
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QDBusConnection desktopBus = QDBusConnection::connectToBus(m_bus.address, name);
    const std::unique_ptr<void, std::function<void(void*)>> gone(
        this, [name](void*) { QDBusConnection::disconnectFromBus(name); });
    StandInStore store;
    store.table = kept;
    ScriptedDesktop desktop(desktopBus, store);
    desktop.user = user;
    desktop.asks = asks;
    // The desktop answers from a thread of its own, as another process would: the capture's
    // calls to it block.
    QThread elsewhere;
    for (QObject* o : std::initializer_list<QObject*>{&store, &desktop}) {
        o->moveToThread(&elsewhere);
    }
    elsewhere.start();
    const std::unique_ptr<QThread, void (*)(QThread*)> stopped(&elsewhere, [](QThread* t) {
        t->quit();
        t->wait();
    });
    QVERIFY(desktopBus.registerService("org.freedesktop.portal.Desktop"));
    QVERIFY(desktopBus.registerService("org.freedesktop.impl.portal.PermissionStore"));
    QVERIFY(desktopBus.registerObject("/org/freedesktop/portal/desktop", &desktop,
                                      QDBusConnection::ExportAllSlots));
    QVERIFY(desktopBus.registerObject("/org/freedesktop/impl/portal/PermissionStore", &store,
                                      QDBusConnection::ExportAllSlots));
    QStringList talk;
    CaptureTalk talker;
    talker.beforeQuestion = [&talk](const QString& notice) { talk << notice; };
    talker.askAgain = [&talk, askAgain](const QString& refusal) {
        talk << refusal + QStringLiteral(" Shall the desktop ask again?");
        return askAgain;
    };
    const auto capture = NewPortalScreenCapture(1500);
    const std::optional<ScreenCaptureResult> stop = ClearToCapture(*capture, talker);
    QCOMPARE(stop ? int(stop->outcome) : -1, outcome);
    // Cleared, the capture itself now answers at once, with nothing asked.
    const ScreenCaptureResult shot = stop ? ScreenCaptureResult() : capture->capture(nullptr);
    if (!shot.file.isEmpty()) {
        QFile::remove(shot.file);
    }
    if (!said.isEmpty()) {
        const QString all = (talk + QStringList{stop ? stop->error : shot.error}).join(u' ');
        QVERIFY2(all.contains(said, Qt::CaseInsensitive), qPrintable(all));
    }
    // Said once: a refusal the user chose to leave is not said again.
    if (stop && !askAgain && !talk.isEmpty() && talk.constLast().contains(QLatin1String("again"))) {
        QCOMPARE(stop->error, QString());
    }
    QMetaObject::invokeMethod(
        &desktop, [] {}, Qt::BlockingQueuedConnection);
    QCOMPARE(desktop.questions, questions);
    QCOMPARE(store.table.value_or(Table()).value(QString()), keptAfter);
    // Asking brings a capture of the screen with our windows on it: it is not kept.
    QVERIFY(desktop.file().isEmpty() || !QFile::exists(desktop.file()));
    if (!stop) {
        QCOMPARE(int(shot.outcome), int(user <= -2 ? ScreenCaptureResult::Outcome::Failed
                                                   : ScreenCaptureResult::Outcome::File));
    } else if (stop->outcome == ScreenCaptureResult::Outcome::Refused && store.table &&
               !store.table->isEmpty()) {
        // A capture tried regardless is answered as the refusal it is, not as a failure.
        const ScreenCaptureResult shot = capture->capture(nullptr);
        QCOMPARE(int(shot.outcome), int(ScreenCaptureResult::Outcome::Refused));
        QCOMPARE(shot.error, ScreenPortal::Refusal());
    }
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
