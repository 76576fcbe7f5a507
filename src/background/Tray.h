#pragma once
// The background instance's face: an entry in the desktop's tray (a status notifier item where
// the desktop watches for them, else an icon in an X11 tray; none where there is no tray) with
// Pick, the last ten picks (choosing one copies it), Open Huemark, Start with the Session,
// Preferences and Quit; and the shortcut's text form as the settings keep it.

#include "background/PickGesture.h"

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <memory>

class HistoryService;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The shortcut as [Options] PickShortcut keeps it: "Super+Shift+C" (the toolkit's portable
// text, with Super for its Meta). An unreadable text gives the default.
inline const QString kDefaultShortcut = QStringLiteral("Super+Shift+C");
QKeySequence ShortcutOfText(const QString& text);
QString ShortcutText(const QKeySequence& shortcut);

// The XDG autostart entry that starts the instance with the session, and writing or removing it
// (the reason it failed, or an empty text).
QString AutostartPath();
QString SetAutostart(bool on, const QString& program);

class Tray : public QObject {
    Q_OBJECT
public:
    explicit Tray(std::shared_ptr<HistoryService> history);
    ~Tray() override;

    // What a pick from the shortcut or the menu came to: a failure is said.
    void answered(const PickAnswer& answer);
    void say(const QString& message);

signals:
    void pickAsked();
    void shortcutChanged();
    void quitAsked();

private:
    void fillRecent();
    void preferences();

    std::shared_ptr<HistoryService> m_history;
    std::unique_ptr<QMenu> m_menu;
    QMenu* m_recent = nullptr;
    QAction* m_autostart = nullptr;
    QSystemTrayIcon* m_icon = nullptr;
};
