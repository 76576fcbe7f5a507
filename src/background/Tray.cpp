#include "background/Tray.h"

#include "desktop/IniSettingsStore.h"
#include "help/About.h"
#include "help/WindowIcon.h"
#include "history/PickHistory.h"
#include "palette/Notations.h"
#include "pixels/WebCode.h"
#include "settings/Settings.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace {
constexpr int kRecentPicks = 10;

// A desktop entry's Exec word: quoted where it holds a blank, a quote or another character the
// launchers' splitting of the line reserves, with ", `, $ and \ escaped inside the quotes. The
// file's own escaping then doubles every backslash, and a percent sign is doubled, since %f and
// the like stand for what the launcher passes.
QString ExecWord(const QString& word) {
    static const QString kReserved = QStringLiteral(" \t\"'\\`$><~|&;*?#()");
    QString quoted = word;
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return kReserved.contains(c); })) {
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('"'), QStringLiteral("\\\""))
            .replace(QLatin1Char('`'), QStringLiteral("\\`"))
            .replace(QLatin1Char('$'), QStringLiteral("\\$"));
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("%%"));
}
} // namespace

QKeySequence ShortcutOfText(const QString& text) {
    QString portable = text.trimmed();
    portable.replace(QStringLiteral("Super"), QStringLiteral("Meta"), Qt::CaseInsensitive);
    const QKeySequence shortcut = QKeySequence::fromString(portable, QKeySequence::PortableText);
    if (shortcut.isEmpty() || shortcut[0].key() == Qt::Key_unknown) {
        return ShortcutOfText(kDefaultShortcut);
    }
    return QKeySequence(shortcut[0]);
}

QString ShortcutText(const QKeySequence& shortcut) {
    QString text = shortcut.toString(QKeySequence::PortableText);
    text.replace(QStringLiteral("Meta"), QStringLiteral("Super"));
    return text;
}

QString AutostartPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + DesktopName() + QStringLiteral(".desktop");
}

QString SetAutostart(bool on, const QString& program) {
    const QString path = AutostartPath();
    if (!on) {
        QFile file(path);
        return !file.exists() || file.remove() ? QString() : file.errorString();
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Huemark\n"
                                         "Comment=Picks a colour from anywhere on a shortcut\n"
                                         "Exec=%1 --background\n"
                                         "Icon=%2\n"
                                         "NoDisplay=true\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(ExecWord(program), DesktopName());
    file.write(entry.toUtf8());
    return file.commit() ? QString() : file.errorString();
}

Tray::Tray(std::shared_ptr<HistoryService> history)
    : m_history(std::move(history)), m_menu(std::make_unique<QMenu>()) {
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    QAction* pick = m_menu->addAction(tr("&Pick from Screen"));
    connect(pick, &QAction::triggered, this, &Tray::pickAsked);
    m_recent = m_menu->addMenu(tr("&Recent Picks"));
    connect(m_menu.get(), &QMenu::aboutToShow, this, &Tray::fillRecent);
    m_menu->addSeparator();
    QAction* open = m_menu->addAction(tr("&Open Huemark"));
    connect(open, &QAction::triggered, this,
            [] { QProcess::startDetached(QCoreApplication::applicationFilePath(), {}); });
    m_autostart = m_menu->addAction(tr("&Start with the Session"));
    m_autostart->setCheckable(true);
    m_autostart->setChecked(QFileInfo::exists(AutostartPath()));
    connect(m_autostart, &QAction::triggered, this, [this](bool on) {
        if (const QString reason = SetAutostart(on, QCoreApplication::applicationFilePath());
            !reason.isEmpty()) {
            say(reason);
        }
        m_autostart->setChecked(QFileInfo::exists(AutostartPath()));
    });
    QAction* preferences = m_menu->addAction(tr("Pr&eferences..."));
    connect(preferences, &QAction::triggered, this, &Tray::preferences);
    m_menu->addSeparator();
    QAction* quit = m_menu->addAction(tr("&Quit"));
    connect(quit, &QAction::triggered, this, &Tray::quitAsked);
    // No tray, no entry: the instance picks on its shortcut and over the bus all the same.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_icon = new QSystemTrayIcon(QIcon::fromTheme(DesktopName(), MakeWindowIcon()), this);
        m_icon->setToolTip(QStringLiteral("Huemark"));
        m_icon->setContextMenu(m_menu.get());
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) {
                    if (r == QSystemTrayIcon::Trigger) {
                        emit pickAsked();
                    }
                });
        m_icon->show();
    }
}

Tray::~Tray() = default;

void Tray::fillRecent() {
    m_recent->clear();
    const ListRead kept = m_history->read();
    const QList<Pick> picks = kept.rows.mid(0, kRecentPicks);
    for (const Pick& pick : picks) {
        const QString code = WebCode(pick.color);
        QPixmap swatch(16, 16);
        swatch.fill(QColor(pick.color.red(), pick.color.green(), pick.color.blue()));
        QAction* item = m_recent->addAction(QIcon(swatch), code);
        connect(item, &QAction::triggered, this,
                [code] { QGuiApplication::clipboard()->setText(code); });
    }
    m_recent->setEnabled(!picks.isEmpty());
}

void Tray::answered(const PickAnswer& answer) {
    if (answer.exitCode == 2) {
        say(QString::fromLocal8Bit(answer.err).trimmed());
    }
}

void Tray::say(const QString& message) {
    if (m_icon != nullptr) {
        m_icon->showMessage(QStringLiteral("Huemark"), message, QSystemTrayIcon::Warning);
    }
}

void Tray::preferences() {
    QDialog dialog;
    dialog.setWindowTitle(tr("Huemark Preferences"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("Shortcut that picks from the screen:"), &dialog));
    auto* edit = new QKeySequenceEdit(&dialog);
    edit->setObjectName(QStringLiteral("pickShortcut"));
    IniSettingsStore store;
    edit->setKeySequence(ShortcutOfText(store.GetSetting(
        Settings::kApp, Settings::kOptions, Settings::kPickShortcut, kDefaultShortcut)));
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || edit->keySequence().isEmpty()) {
        return;
    }
    store.SaveSetting(Settings::kApp, Settings::kOptions, Settings::kPickShortcut,
                      ShortcutText(QKeySequence(edit->keySequence()[0])));
    emit shortcutChanged();
}
