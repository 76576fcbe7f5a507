#include "platform/IniSettingsStore.h"

#include <QFileInfo>

QSettings& IniSettingsStore::settingsOf(const QString& app) {
    std::unique_ptr<QSettings>& settings = m_files[app];
    if (!settings) {
        settings =
            std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, app, app);
    }
    return *settings;
}

QString IniSettingsStore::FileOf(const QString& app) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app).fileName();
}

QString IniSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                     const QString& def) {
    const QVariant value = settingsOf(app).value(section + QLatin1Char('/') + key);
    // A hand-edited file may hold a list ("a, b") or a typed value; neither is one of ours.
    if (value.typeId() != QMetaType::QString) {
        return def;
    }
    return value.toString();
}

void IniSettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& value) {
    settingsOf(app).setValue(section + QLatin1Char('/') + key, value);
}

bool IniSettingsStore::Flush() {
    bool ok = true;
    for (auto& [app, settings] : m_files) {
        // QSettings writes a new file and renames it over the old one: all keys or none. A file
        // it could not parse on reading is still replaced by a good one (its status stays
        // FormatError); only an access error means nothing was written.
        settings->sync();
        ok = ok && settings->status() != QSettings::AccessError;
    }
    return ok;
}
