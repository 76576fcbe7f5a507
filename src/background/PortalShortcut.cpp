#include "background/PortalShortcut.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QRandomGenerator>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kId = QStringLiteral("pick");

// One shortcut as the portal takes and gives them: its id and its properties, a(sa{sv}).
struct PortalShortcutEntry {
    QString id;
    QVariantMap properties;
};
using PortalShortcutList = QList<PortalShortcutEntry>;

QDBusArgument& operator<<(QDBusArgument& out, const PortalShortcutEntry& entry) {
    out.beginStructure();
    out << entry.id << entry.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, PortalShortcutEntry& entry) {
    in.beginStructure();
    in >> entry.id >> entry.properties;
    in.endStructure();
    return in;
}

QString Token() {
    return QStringLiteral("huemark%1").arg(QRandomGenerator::global()->generate());
}

QString NoShortcut() {
    //: Said when the desktop grants no shortcut to the program in the background.
    return QCoreApplication::translate(
        "PortalShortcut", "The desktop gives Huemark no shortcut: bind huemark --pick to a key in "
                          "its keyboard settings.");
}
} // namespace

Q_DECLARE_METATYPE(PortalShortcutEntry)
Q_DECLARE_METATYPE(PortalShortcutList)

QString PortalTrigger(const QKeySequence& shortcut) {
    if (shortcut.isEmpty()) {
        return QString();
    }
    const QKeyCombination combination = shortcut[0];
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::MetaModifier) {
        parts << QStringLiteral("LOGO");
    }
    if (modifiers & Qt::ControlModifier) {
        parts << QStringLiteral("CTRL");
    }
    if (modifiers & Qt::AltModifier) {
        parts << QStringLiteral("ALT");
    }
    if (modifiers & Qt::ShiftModifier) {
        parts << QStringLiteral("SHIFT");
    }
    // The key by its keysym's name: letters in lower case, the rest as the toolkit names them.
    QString key = QKeySequence(combination.key()).toString(QKeySequence::PortableText);
    if (key.size() == 1) {
        key = key.toLower();
    }
    parts << key;
    return parts.join(QLatin1Char('+'));
}

PortalShortcut::PortalShortcut(QObject* parent) : QObject(parent) {
    qDBusRegisterMetaType<PortalShortcutEntry>();
    qDBusRegisterMetaType<PortalShortcutList>();
}

PortalShortcut::~PortalShortcut() = default;

void PortalShortcut::bind(const QKeySequence& shortcut) {
    m_shortcut = shortcut;
    if (m_step != Step::None) {
        return; // the answer on its way asks again with the new shortcut
    }
    if (!m_session.isEmpty()) {
        sendBind();
        return;
    }
    const QString token = Token();
    m_step = Step::Session;
    if (!request(QStringLiteral("CreateSession"),
                 {QVariantMap{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("session_handle_token"), Token()}}},
                 token)) {
        m_step = Step::None;
    }
}

void PortalShortcut::sendBind() {
    const QString token = Token();
    PortalShortcutEntry entry;
    entry.id = kId;
    entry.properties = {
        {QStringLiteral("description"),
         QCoreApplication::translate("PortalShortcut", "Pick a colour from the screen")},
        {QStringLiteral("preferred_trigger"), PortalTrigger(m_shortcut)}};
    m_step = Step::Binding;
    if (!request(QStringLiteral("BindShortcuts"),
                 {QVariant::fromValue(QDBusObjectPath(m_session)),
                  QVariant::fromValue(PortalShortcutList{entry}), QString(),
                  QVariantMap{{QStringLiteral("handle_token"), token}}},
                 token)) {
        m_step = Step::None;
    }
}

bool PortalShortcut::request(const QString& method, const QList<QVariant>& arguments,
                             const QString& token) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    // Listened to before the call, so that a quick answer is not missed.
    m_requestPath = kObject + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    bus.connect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this,
                SLOT(response(QDBusMessage)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kInterface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 25000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        bus.disconnect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this,
                       SLOT(response(QDBusMessage)));
        emit refused(NoShortcut());
        return false;
    }
    return true;
}

void PortalShortcut::response(const QDBusMessage& message) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.disconnect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this,
                   SLOT(response(QDBusMessage)));
    const QList<QVariant> args = message.arguments();
    const uint code = args.value(0).toUInt();
    const QVariantMap results = args.size() > 1 && args[1].canConvert<QDBusArgument>()
                                    ? qdbus_cast<QVariantMap>(args[1].value<QDBusArgument>())
                                    : QVariantMap();
    const Step step = std::exchange(m_step, Step::None);
    if (code != 0) {
        emit refused(NoShortcut());
        return;
    }
    if (step == Step::Session) {
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        m_session = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                         : handle.toString();
        if (m_session.isEmpty()) {
            emit refused(NoShortcut());
            return;
        }
        if (!m_listening) {
            m_listening = bus.connect(kService, kObject, kInterface, QStringLiteral("Activated"),
                                      this, SLOT(activated(QDBusMessage)));
        }
        sendBind();
        return;
    }
    PortalShortcutList shortcuts;
    const QVariant given = results.value(QStringLiteral("shortcuts"));
    if (given.canConvert<QDBusArgument>()) {
        given.value<QDBusArgument>() >> shortcuts;
    }
    for (const PortalShortcutEntry& entry : shortcuts) {
        if (entry.id == kId) {
            emit bound(entry.properties.value(QStringLiteral("trigger_description")).toString());
            return;
        }
    }
    // Some desktops answer at once and bind nothing (the user may bind it in their settings).
    emit refused(NoShortcut());
}

void PortalShortcut::activated(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    const QString session = args.value(0).canConvert<QDBusObjectPath>()
                                ? args.value(0).value<QDBusObjectPath>().path()
                                : args.value(0).toString();
    if (session == m_session && args.value(1).toString() == kId) {
        emit pressed();
    }
}
