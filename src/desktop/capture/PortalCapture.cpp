// The screen through the desktop's screenshot portal: the request's answer comes as a signal on
// an object of its own, which is listened to before the request is made.

#include "desktop/capture/ScreenCapture.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>
#include <optional>
#include <utility>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

// How long the compositor is given to take our windows off and repaint what they covered: it
// tells nobody when it has, and some desktops fade windows out.
constexpr int kSettleMs = 250;
// The desktop may ask the user first.
constexpr int kAnswerTimeoutMs = 120000;
// A "cancelled" sooner than this after the portal took the call came before anyone could have
// read a question, let alone answered it.
constexpr qint64 kNobodyAnswersMs = 800;
// The permission store answers at once, or not at all.
constexpr int kStoreTimeoutMs = 3000;
const QString kStore = QStringLiteral("org.freedesktop.impl.portal.PermissionStore");
const QString kStoreObject = QStringLiteral("/org/freedesktop/impl/portal/PermissionStore");
const QString kTable = QStringLiteral("screenshot");
// The portal may have to be started first, and it answers the call itself only once its
// back-ends have started (a busy machine was seen to take 26 s): the call is given as long as the
// answer.
constexpr int kCallTimeoutMs = kAnswerTimeoutMs;

ScreenCaptureResult Failed(const QString& error) {
    ScreenCaptureResult result;
    result.error = error;
    return result;
}

// Runs the event loop (without user input: our windows are hidden) for a while.
void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
} // namespace

// Receives Response signals on the request's path. Anyone on the bus can send one there: only
// the portal's own counts, known by its unique name once its reply to the call has come.
class PortalResponse : public QObject {
    Q_OBJECT
public:
    std::optional<ScreenCaptureResult> result;
    bool heard = false; // the portal's own answer came, not a failure of the call
    uint code = 0;      // that answer: 0 given, 1 cancelled, 2 anything else
    QVariantMap results;
    QEventLoop loop;

    // Takes the answer from what the portal (portal, its unique name) sent on the request.
    bool take(const QString& portal, const QString& request) {
        for (const QDBusMessage& message : std::exchange(m_heard, {})) {
            if (result || message.service() != portal || message.path() != request) {
                continue;
            }
            const QList<QVariant> args = message.arguments();
            heard = true;
            code = args.isEmpty() ? 2 : args[0].toUInt();
            if (args.size() >= 2 && args[1].canConvert<QDBusArgument>()) {
                results = qdbus_cast<QVariantMap>(args[1].value<QDBusArgument>());
                result = ScreenPortal::Answer(code, results);
            } else {
                result = ScreenPortal::Answer(2, {});
            }
        }
        return result.has_value();
    }

public slots:
    void response(const QDBusMessage& message) {
        m_heard << message;
        loop.quit();
    }

private:
    QList<QDBusMessage> m_heard;
};

namespace {
class PortalScreenCapture : public ScreenCaptureService {
public:
    explicit PortalScreenCapture(int questionMs) : m_questionMs(questionMs) {}

    ScreenCaptureResult capture(QWidget* window) override {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return Failed(ScreenPortal::CallFailure(
                QStringLiteral("org.freedesktop.DBus.Error.NoServer"), QString()));
        }
        HiddenWindows hidden(window);
        if (!hidden.none()) {
            Pause(kSettleMs);
        }
        if (ScreenPortal::DrawsPointer(qEnvironmentVariable("XDG_CURRENT_DESKTOP"))) {
            if (std::optional<QImage> shot = KWinScreenshot::Workspace()) {
                ScreenCaptureResult result;
                result.outcome = ScreenCaptureResult::Outcome::Picture;
                result.picture = std::move(*shot);
                return result;
            }
        }
        return refusedIfKept(request(bus, kAnswerTimeoutMs));
    }

    ScreenCaptureResult ask() override {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return Failed(ScreenPortal::CallFailure(
                QStringLiteral("org.freedesktop.DBus.Error.NoServer"), QString()));
        }
        ScreenCaptureResult answer = refusedIfKept(request(bus, m_questionMs));
        if (answer.outcome == ScreenCaptureResult::Outcome::File) {
            QFile::remove(answer.file);
            answer.outcome = ScreenCaptureResult::Outcome::Picture;
        } else if (answer.outcome == ScreenCaptureResult::Outcome::Failed && m_unanswered) {
            answer.error = QCoreApplication::translate(
                "ScreenCapture",
                "The desktop's question whether Huemark may take screenshots went unanswered. "
                "Answer it if it is still shown, then try again.");
        }
        return answer;
    }

    ScreenshotPermission permission() override {
        const std::optional<QMap<QString, QStringList>> table = StoredTable();
        const ScreenshotPermission kept =
            table ? ScreenPortal::PermissionIn(*table, Ids()) : ScreenshotPermission::Given;
        // Only GNOME's portal asks; the others capture without keeping an answer.
        if (kept == ScreenshotPermission::Unasked &&
            !ScreenPortal::DesktopAsks(qEnvironmentVariable("XDG_CURRENT_DESKTOP"))) {
            return ScreenshotPermission::Given;
        }
        return kept;
    }

    bool forgetRefusal() override {
        const std::optional<QMap<QString, QStringList>> table = StoredTable();
        if (!table) {
            return false;
        }
        bool forgotten = false;
        for (const QString& id : Ids()) {
            if (table->value(id).contains(QLatin1String("no"))) {
                QDBusMessage call = QDBusMessage::createMethodCall(
                    kStore, kStoreObject, kStore, QStringLiteral("DeletePermission"));
                call << kTable << kTable << id;
                forgotten = QDBusConnection::sessionBus()
                                .call(call, QDBus::Block, kStoreTimeoutMs)
                                .type() == QDBusMessage::ReplyMessage;
                break;
            }
        }
        return forgotten;
    }

private:
    int m_questionMs;
    bool m_unanswered = false;

    // The ids the desktop may have kept our permission under: ours, where the portal knows it,
    // and the one it gives every program outside a sandbox.
    static QStringList Ids() { return {QGuiApplication::desktopFileName(), QString()}; }

    // The permission store's screenshot table; nothing where there is no store to ask (then
    // nothing asks either). No entry yet is an empty table.
    static std::optional<QMap<QString, QStringList>> StoredTable() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return std::nullopt;
        }
        QDBusMessage call =
            QDBusMessage::createMethodCall(kStore, kStoreObject, kStore, QStringLiteral("Lookup"));
        call << kTable << kTable;
        const QDBusMessage reply = bus.call(call, QDBus::Block, kStoreTimeoutMs);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            if (reply.errorName() == QLatin1String("org.freedesktop.portal.Error.NotFound")) {
                return QMap<QString, QStringList>();
            }
            return std::nullopt;
        }
        QMap<QString, QStringList> table;
        if (!reply.arguments().isEmpty() &&
            reply.arguments().constFirst().canConvert<QDBusArgument>()) {
            reply.arguments().constFirst().value<QDBusArgument>() >> table;
        }
        return table;
    }

    // An answer of failure where the desktop keeps a refusal: it answers so without asking.
    ScreenCaptureResult refusedIfKept(ScreenCaptureResult answer) {
        if (answer.outcome == ScreenCaptureResult::Outcome::Failed && m_refusedCode &&
            permission() == ScreenshotPermission::Refused) {
            answer.outcome = ScreenCaptureResult::Outcome::Refused;
            answer.error = ScreenPortal::Refusal();
        }
        return answer;
    }

    bool m_refusedCode = false;
    bool m_answered = false; // the portal sent its answer (m_code) to the last request
    uint m_code = 0;

    ScreenCaptureResult request(QDBusConnection& bus, int answerTimeoutMs) {
        return request(bus, answerTimeoutMs, QStringLiteral("Screenshot"),
                       {{QStringLiteral("modal"), true}, {QStringLiteral("interactive"), false}},
                       nullptr);
    }

public:
    std::optional<std::array<double, 3>> pickColor(QString* error) override {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVariantMap results;
        const ScreenCaptureResult answer =
            request(bus, kAnswerTimeoutMs, QStringLiteral("PickColor"), {}, &results);
        error->clear();
        if (!m_answered) {
            *error = answer.error; // the call failed, or went unanswered
            return std::nullopt;
        }
        if (m_code == 1) {
            return std::nullopt; // given up
        }
        if (m_code != 0) {
            *error =
                QCoreApplication::translate("ScreenCapture", "The desktop's colour picker failed.");
            return std::nullopt;
        }
        const QVariant color = results.value(QStringLiteral("color"));
        std::array<double, 3> rgb{};
        if (color.canConvert<QDBusArgument>()) {
            const QDBusArgument argument = color.value<QDBusArgument>();
            argument.beginStructure();
            argument >> rgb[0] >> rgb[1] >> rgb[2];
            argument.endStructure();
            return rgb;
        }
        *error = QCoreApplication::translate("ScreenCapture",
                                             "The desktop's colour picker sent no colour.");
        return std::nullopt;
    }

    bool hasColorPicker() override {
        // Version 2 of the interface brought PickColor.
        QDBusMessage call = QDBusMessage::createMethodCall(
            kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        call << kScreenshot << QStringLiteral("version");
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(call, QDBus::Block, kStoreTimeoutMs);
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
               reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt() >= 2;
    }

private:
    // Calls the portal's method with the options (and a handle token), and waits for its
    // answer a while: as a capture's (Screenshot), with its results in results where given.
    ScreenCaptureResult request(QDBusConnection& bus, int answerTimeoutMs, const QString& method,
                                QVariantMap options, QVariantMap* results) {
        m_unanswered = false;
        m_refusedCode = false;
        m_answered = false;

        const QString token =
            QStringLiteral("huemark%1").arg(QRandomGenerator::global()->generate());
        QString request = ScreenPortal::RequestPath(bus.baseService(), token);
        PortalResponse answer;
        const auto listen = [&](const QString& path, bool on) {
            return on ? bus.connect(QString(), path, kRequest, kResponse, &answer,
                                    SLOT(response(QDBusMessage)))
                      : bus.disconnect(QString(), path, kRequest, kResponse, &answer,
                                       SLOT(response(QDBusMessage)));
        };
        listen(request, true);

        QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenshot, method);
        options.insert(QStringLiteral("handle_token"), token);
        call << QString() // no parent window: ours are hidden, or none is in question
             << options;
        const QDBusPendingCall pending = bus.asyncCall(call, kCallTimeoutMs);
        QDBusPendingCallWatcher watcher(pending);
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &answer.loop,
                         &QEventLoop::quit);
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &answer.loop, &QEventLoop::quit);
        deadline.start(answerTimeoutMs);

        QElapsedTimer asked;
        asked.start();
        bool called = false;
        QString portal;
        while (!answer.result && deadline.isActive()) {
            if (!called && watcher.isFinished()) {
                called = true;
                const QDBusPendingReply<QDBusObjectPath> reply = watcher;
                if (reply.isError()) {
                    answer.result = Failed(
                        ScreenPortal::CallFailure(reply.error().name(), reply.error().message()));
                    break;
                }
                portal = reply.reply().service();
                asked.restart(); // a question could be put from now on
                // Portals older than the naming rule choose a path of their own.
                if (reply.value().path() != request) {
                    listen(request, false);
                    request = reply.value().path();
                    listen(request, true);
                }
            }
            if (called && answer.take(portal, request)) {
                break;
            }
            answer.loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        listen(request, false);
        if (!answer.result) {
            m_unanswered = true;
            if (called) {
                // The question is withdrawn where the portal can.
                bus.call(QDBusMessage::createMethodCall(portal, request, kRequest,
                                                        QStringLiteral("Close")),
                         QDBus::Block, kStoreTimeoutMs);
            }
            return Failed(ScreenPortal::CallFailure(
                QStringLiteral("org.freedesktop.DBus.Error.NoReply"), QString()));
        }
        if (answer.heard && answer.code == 1 && method == QLatin1String("Screenshot") &&
            (asked.elapsed() < kNobodyAnswersMs ||
             ScreenPortal::NeverAsks(qEnvironmentVariable("XDG_CURRENT_DESKTOP")))) {
            // Cancelled where nobody was asked, or before anyone could have seen a question: the
            // desktop gave up itself.
            answer.result = Failed(ScreenPortal::CancelledBySelf(
                QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)));
        }
        m_refusedCode = answer.heard && answer.code == 2;
        m_answered = answer.heard;
        m_code = answer.code;
        if (results != nullptr) {
            *results = answer.results;
        }
        return *answer.result;
    }
};
} // namespace

std::shared_ptr<ScreenCaptureService> NewPortalScreenCapture(int questionMs) {
    return std::make_shared<PortalScreenCapture>(questionMs);
}

#include "PortalCapture.moc"
