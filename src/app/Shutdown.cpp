// Shut-down: the settings written and flushed, then the program ends.

#include "app/frmHuemark.h"
#include "desktop/Screens.h"
#include "desktop/SettingsStore.h"
#include "settings/Settings.h"
#include "settings/SettingsForms.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QScrollBar>
#include <QThread>

void frmHuemark::Form_Unload() {
    if (m_unloaded) {
        return;
    }
    SettingsStore& store = *m_services.settings;
    const auto save = [&store](const QString& key, const QString& value) {
        store.SaveSetting(Settings::kApp, Settings::kSection, key, value);
    };
    // A minimized window has no bounds worth remembering; where the desktop keeps window
    // positions to itself, the remembered position is kept rather than overwritten.
    if (WindowState() != kMinimized) {
        if (DesktopReportsWindowPosition()) {
            save(Settings::kLeft, SettingsForms::WriteGeometry(static_cast<float>(Left())));
            save(Settings::kTop, SettingsForms::WriteGeometry(static_cast<float>(Top())));
        }
        save(Settings::kWidth, SettingsForms::WriteGeometry(static_cast<float>(Width())));
        save(Settings::kHeight, SettingsForms::WriteGeometry(static_cast<float>(Height())));
    }
    save(Settings::kPath, QDir::currentPath());
    save(Settings::kPathFile, dlgWinDialog->FileName);
    save(Settings::kTags, QString::number(chkTags->isChecked() ? 1 : 0));
    save(Settings::kAverage, QString::number(hscNeighbors->value()));
    // Options beyond the eight settings, in a group of their own.
    store.SaveSetting(Settings::kApp, Settings::kOptions, QStringLiteral("StoredColours"),
                      mnuViewStoredColors->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SavePaletteOptions();
    SaveHistoryOption();
    store.SaveSetting(Settings::kApp, Settings::kOptions, QStringLiteral("Loupe"),
                      QString::number(mnuViewLoupe->isChecked() ? 1 : 0));
    store.SaveSetting(Settings::kApp, Settings::kOptions, QStringLiteral("Details"),
                      QString::number(mnuViewDetails->isChecked() ? 1 : 0));
    SaveVisionOption();
    // On disk before the program ends. A store that cannot be written keeps its previous file
    // whole, and the program ends as usual: there is nobody left to tell.
    store.Flush();

    // From here on no event procedure runs: the controls are no longer heard, and the program
    // leaves its event loop as soon as this event is done.
    m_unloaded = true;
    for (QObject* control : findChildren<QObject*>()) {
        QObject::disconnect(control, nullptr, this, nullptr);
    }
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(0);
    }
}

void frmHuemark::cmdExit_Click() {
    Form_Unload();
}

void frmHuemark::mnuFileExit_Click() {
    Form_Unload();
}
