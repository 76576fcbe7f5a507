#pragma once
// The settings store as INI files: "<config folder>/<application>/<application>.ini", the config
// folder being $XDG_CONFIG_HOME or ~/.config.

#include "platform/SettingsStore.h"

#include <QSettings>
#include <map>
#include <memory>

class IniSettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& def) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    bool Flush() override;

    // The file that holds an application's settings.
    static QString FileOf(const QString& app);

private:
    QSettings& settingsOf(const QString& app);
    std::map<QString, std::unique_ptr<QSettings>> m_files;
};
