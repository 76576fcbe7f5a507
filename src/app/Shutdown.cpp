// Shut-down: the settings written and flushed, then the program ends.

#include "app/SettingsForms.h"
#include "app/frmHuemark.h"
#include "desktop/Screens.h"
#include "desktop/SettingsStore.h"

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
    const auto save = [&store](const char* key, const QString& value) {
        store.SaveSetting(kAppName, kSettingsSection, QLatin1String(key), value);
    };
    // A minimized window has no bounds worth remembering; where the desktop keeps window
    // positions to itself, the remembered position is kept rather than overwritten.
    if (WindowState() != kMinimized) {
        if (DesktopReportsWindowPosition()) {
            save("Left", SettingsForms::WriteGeometry(static_cast<float>(Left())));
            save("Top", SettingsForms::WriteGeometry(static_cast<float>(Top())));
        }
        save("Width", SettingsForms::WriteGeometry(static_cast<float>(Width())));
        save("Height", SettingsForms::WriteGeometry(static_cast<float>(Height())));
    }
    save("Path", QDir::currentPath());
    save("PathFile", dlgWinDialog->FileName);
    save("Tags", QString::number(chkTags->isChecked() ? 1 : 0));
    save("Average", QString::number(hscNeighbors->value()));
    // Options beyond the eight settings, in a group of their own.
    store.SaveSetting(kAppName, kOptionsSection, QStringLiteral("StoredColours"),
                      mnuViewStoredColors->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SavePaletteOptions();
    store.SaveSetting(kAppName, kOptionsSection, QStringLiteral("Loupe"),
                      QString::number(mnuViewLoupe->isChecked() ? 1 : 0));
    store.SaveSetting(kAppName, kOptionsSection, QStringLiteral("Details"),
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
