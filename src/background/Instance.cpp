#include "background/Instance.h"

#include "desktop/ToolkitStart.h"

#include "background/PortalShortcut.h"
#include "background/Tray.h"
#include "background/X11Hotkey.h"
#include "desktop/EndRequests.h"
#include "desktop/IniSettingsStore.h"
#include "desktop/Languages.h"
#include "desktop/Services.h"
#include "desktop/capture/ScreenCapture.h"
#include "help/About.h"
#include "history/PickHistory.h"
#include "palette/Template.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <QWidget>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace Background {

namespace {
const QString kPath = QStringLiteral("/Picker");

QString Interface() {
    return DesktopName() + QStringLiteral(".Picker");
}

QByteArray LockPath() {
    return RuntimeFile("huemark-background.lock");
}

// Where a program's session bus is: the environment names it, or the runtime folder holds it.
// Without either the bus library would start a bus of its own for the X display.
bool SessionBusNamed() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && ::access((runtime + "/bus").constData(), F_OK) == 0;
}

// The instance's answer, or nothing where the call did not reach one.
std::optional<PickAnswer> Answered(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 3) {
        PickAnswer a;
        a.exitCode = reply.arguments()[0].toInt();
        a.out = reply.arguments()[1].toByteArray();
        a.err = reply.arguments()[2].toByteArray();
        return a;
    }
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        error == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
        error == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
        return std::nullopt;
    }
    // It may have shown the gesture already: a second one is not started here.
    PickAnswer a;
    a.exitCode = 2;
    //: On standard error. %1: the bus's message.
    a.err = (QStringLiteral("huemark: ") +
             QCoreApplication::translate("Instance", "the background instance failed: %1")
                 .arg(reply.errorMessage()) +
             QLatin1Char('\n'))
                .toLocal8Bit();
    return a;
}

// The instance's side: the pick offered on the bus and on the shortcut, one gesture at a time.
class Picker : public QObject {
    Q_OBJECT
public:
    explicit Picker(Services services) : m_services(std::move(services)) {}

    bool busy() const { return m_busy; }

    // Shows the gesture soon (outside the caller's event), then tells done its answer.
    void pickSoon(const PickWish& wish, std::unique_ptr<FrozenX11Screen> frozen,
                  std::function<void(const PickAnswer&)> done) {
        m_busy = true;
        auto held = std::make_shared<std::unique_ptr<FrozenX11Screen>>(std::move(frozen));
        QTimer::singleShot(0, this, [this, wish, held, done] {
            const GestureLock lock;
            if (!lock.held()) {
                held->reset();
                m_busy = false;
                done(GestureLock::Refusal());
                return;
            }
            bool copied = false;
            const PickAnswer answer = PickGesture(wish, *m_services.screen, *m_services.pointer,
                                                  m_services.history.get(), held->get(), &copied);
            held->reset();
            m_busy = false;
            done(answer);
        });
    }

public slots:
    // The bus's method: (notation key, "" for JSON, or a colour template, which holds a brace
    // as no key does; copy) -> (exit code, output, error).
    Q_SCRIPTABLE void Pick(const QString& notation, bool copy, const QDBusMessage& message) {
        if (m_busy) {
            const PickAnswer refusal = GestureLock::Refusal();
            QDBusConnection::sessionBus().send(
                message.createReply({refusal.exitCode, refusal.out, refusal.err}));
            return;
        }
        PickWish wish;
        if (IsTemplateFormat(notation)) {
            wish.colorTemplate = notation;
        } else {
            wish.notation = notation.isEmpty() ? std::nullopt : NotationOfKey(notation);
        }
        wish.copy = copy;
        message.setDelayedReply(true);
        // A caller that ends meanwhile (Ctrl+C in its terminal) gives the gesture up with it.
        auto* caller = new QDBusServiceWatcher(message.service(), QDBusConnection::sessionBus(),
                                               QDBusServiceWatcher::WatchForUnregistration, this);
        connect(caller, &QDBusServiceWatcher::serviceUnregistered, this, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String("screenPick") && w->isVisible()) {
                    w->close();
                }
            }
        });
        pickSoon(wish, nullptr, [message, caller](const PickAnswer& a) {
            caller->deleteLater();
            QDBusConnection::sessionBus().send(message.createReply({a.exitCode, a.out, a.err}));
        });
    }

private:
    Services m_services;
    bool m_busy = false;
};

// Held for the instance's life: a second instance, and `--pick`, see it taken.
class InstanceLock {
public:
    InstanceLock() {
        m_fd = ::open(LockPath().constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~InstanceLock() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
} // namespace

bool Running() {
    const int fd = ::open(LockPath().constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    const bool taken = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return taken;
}

std::optional<PickAnswer> PickThrough(const PickWish& wish) {
    if (!Running() || !SessionBusNamed()) {
        return std::nullopt;
    }
    static int argc = 1;
    static char name[] = "huemark";
    static char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return std::nullopt;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(DesktopName(), kPath, Interface(), QStringLiteral("Pick"));
    call << (!wish.colorTemplate.isEmpty() ? wish.colorTemplate
             : wish.notation               ? NotationKey(*wish.notation)
                                           : QString())
         << wish.copy;
    // However long the user takes over the gesture.
    return Answered(bus.call(call, QDBus::Block, INT_MAX));
}

int Run(int argc, char* argv[]) {
    if (!SessionBusNamed()) {
        const SpeakingWithoutToolkit speaking;
        Complain(QCoreApplication::translate(
            "Instance",
            "no session bus to offer the pick on (DBUS_SESSION_BUS_ADDRESS is not set)"));
        return 2;
    }
    const InstanceLock lock;
    if (!lock.held()) {
        return 0; // one runs already
    }
    std::optional<ToolkitStart> starting(std::in_place);
    QApplication app(argc, argv);
    starting.reset();
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    QGuiApplication::setDesktopFileName(DesktopName());
    QApplication::setQuitOnLastWindowClosed(false);
    InstallTranslations();

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        //: On standard error. %1: the bus's message.
        Complain(QCoreApplication::translate("Instance", "cannot reach the session bus: %1")
                     .arg(bus.lastError().message()));
        return 2;
    }
    Services services = Services::qtDefaults();
    Picker picker(services);
    if (!bus.registerObject(kPath, Interface(), &picker, QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(DesktopName())) {
        // The name is another's: an instance that started meanwhile, or another program.
        if (bus.interface()->isServiceRegistered(DesktopName())) {
            return 0;
        }
        //: On standard error. %1: the bus's message.
        Complain(QCoreApplication::translate("Instance", "cannot take the name on the bus: %1")
                     .arg(bus.lastError().message()));
        return 2;
    }

    Tray tray(services.history);
    const auto pickOnShortcut = [&] {
        if (picker.busy()) {
            return;
        }
        // The screen held still at once, the presses that follow kept for the gesture.
        picker.pickSoon(PickWish{}, FrozenX11Screen::Freeze(),
                        [&tray](const PickAnswer& a) { tray.answered(a); });
    };
    // The shortcut: grabbed on X11, else asked of the desktop's portal.
    std::unique_ptr<X11Hotkey> hotkey = X11Hotkey::OnX11();
    std::unique_ptr<PortalShortcut> portal;
    if (hotkey) {
        QObject::connect(hotkey.get(), &X11Hotkey::pressed, &picker, pickOnShortcut);
    } else {
        portal = std::make_unique<PortalShortcut>();
        QObject::connect(portal.get(), &PortalShortcut::pressed, &picker, pickOnShortcut);
        QObject::connect(portal.get(), &PortalShortcut::refused, &tray, [&tray](const QString& r) {
            Complain(r);
            tray.say(r);
        });
    }
    const auto grabShortcut = [&] {
        IniSettingsStore store;
        const QKeySequence shortcut = ShortcutOfText(store.GetSetting(
            Settings::kApp, Settings::kOptions, Settings::kPickShortcut, kDefaultShortcut));
        if (portal) {
            portal->bind(shortcut);
            return;
        }
        if (const QString reason = hotkey ? hotkey->grab(shortcut) : QString(); !reason.isEmpty()) {
            Complain(reason);
            tray.say(reason);
        }
    };
    grabShortcut();
    QObject::connect(&tray, &Tray::pickAsked, &picker, [&] {
        if (!picker.busy()) {
            picker.pickSoon(PickWish{}, nullptr,
                            [&tray](const PickAnswer& a) { tray.answered(a); });
        }
    });
    QObject::connect(&tray, &Tray::shortcutChanged, &picker, grabShortcut);
    EndRequests ends;
    QObject::connect(&ends, &EndRequests::endRequested, &app, &QCoreApplication::quit);
    QObject::connect(&tray, &Tray::quitAsked, &app, &QCoreApplication::quit);
    const int code = QApplication::exec();
    bus.unregisterService(DesktopName());
    return code == 0 ? 0 : code;
}

} // namespace Background

#include "Instance.moc"
