#pragma once
// The settings store as INI files: "<config folder>/<application>/<application>.ini", the config
// folder being $XDG_CONFIG_HOME or ~/.config.

#include "desktop/SettingsStore.h"

#include <QSettings>
#include <map>
#include <memory>

class IniSettingsStore : public SettingsStore {
public:
    // The config folder; empty: the user's ($XDG_CONFIG_HOME or ~/.config).
    explicit IniSettingsStore(QString configFolder = QString());

    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& def) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    bool Flush() override;

    // The file that holds an application's settings.
    QString FileOf(const QString& app) const;

private:
    // The application's settings, or null when its path leads to something that is not a file.
    QSettings* settingsOf(const QString& app);
    QString m_folder;
    std::map<QString, std::unique_ptr<QSettings>> m_files;
};
