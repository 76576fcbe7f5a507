#pragma once
// A shortcut the desktop grants through its GlobalShortcuts portal, where a program cannot grab a
// key itself (Wayland). The portal's session is made once; the desktop may bind the key asked
// for, another, or none (then the user binds `huemark --pick` in the desktop's settings).

#include <QKeySequence>
#include <QObject>
#include <QString>

class QDBusMessage;

// The trigger the portal is asked for, in the shortcuts' text form ("LOGO+SHIFT+c").
QString PortalTrigger(const QKeySequence& shortcut);

class PortalShortcut : public QObject {
    Q_OBJECT
public:
    explicit PortalShortcut(QObject* parent = nullptr);
    ~PortalShortcut() override;

    // Asks for the shortcut (again, after a change): answered by bound() or refused().
    void bind(const QKeySequence& shortcut);

signals:
    void pressed();
    // The desktop bound it; how it describes the trigger (its own words, may be empty).
    void bound(const QString& trigger);
    // No shortcut: why, in a sentence that says what to do instead.
    void refused(const QString& reason);

private slots:
    void response(const QDBusMessage& message);
    void activated(const QDBusMessage& message);

private:
    enum class Step { None, Session, Binding };
    // Makes a request whose answer comes on its own object; false when the call failed.
    bool request(const QString& method, const QList<QVariant>& arguments, const QString& token);
    void sendBind();

    Step m_step = Step::None;
    QString m_requestPath;
    QString m_session;
    QKeySequence m_shortcut;
    bool m_listening = false;
};
