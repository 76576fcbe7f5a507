#include "desktop/IniSettingsStore.h"

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>

namespace {
// Whether the settings path may be read and replaced: missing (it is made at the first write) or,
// through any links, a regular file. Opening a FIFO blocks until a writer comes, and writing would
// replace a device or socket with a plain file.
bool IsSettingsFile(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(st.st_mode);
}
} // namespace

IniSettingsStore::IniSettingsStore(QString configFolder) : m_folder(std::move(configFolder)) {
    if (m_folder.isEmpty()) {
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
}

QString IniSettingsStore::FileOf(const QString& app) const {
    return m_folder + QLatin1Char('/') + app + QLatin1Char('/') + app + QLatin1String(".ini");
}

QSettings* IniSettingsStore::settingsOf(const QString& app) {
    auto found = m_files.find(app);
    if (found == m_files.end()) {
        const QString file = FileOf(app);
        std::unique_ptr<QSettings> settings;
        if (IsSettingsFile(file)) {
            settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
        }
        found = m_files.emplace(app, std::move(settings)).first;
    }
    return found->second.get();
}

QString IniSettingsStore::GetSetting(const QString& app, const QString& section, const QString& key,
                                     const QString& def) {
    QSettings* settings = settingsOf(app);
    if (settings == nullptr) {
        return def;
    }
    const QVariant value = settings->value(section + QLatin1Char('/') + key);
    // A hand-edited file may hold a list ("a, b") or a typed value; neither is one of ours.
    if (value.typeId() != QMetaType::QString) {
        return def;
    }
    return value.toString();
}

void IniSettingsStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& value) {
    if (QSettings* settings = settingsOf(app)) {
        settings->setValue(section + QLatin1Char('/') + key, value);
    }
}

bool IniSettingsStore::Flush() {
    bool ok = true;
    for (auto& [app, settings] : m_files) {
        // Not a file (then or now, as a reading merges what is on disk): left as it is.
        if (!settings || !IsSettingsFile(FileOf(app))) {
            ok = false;
            continue;
        }
        // QSettings writes a new file and renames it over the old one: all keys or none. A file
        // it could not parse on reading is still replaced by a good one (its status stays
        // FormatError); only an access error means nothing was written.
        settings->sync();
        ok = ok && settings->status() != QSettings::AccessError;
    }
    return ok;
}
