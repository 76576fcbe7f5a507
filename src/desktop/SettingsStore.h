#pragma once
// The per-user settings store: text values addressed by an application name, a section and a
// key. The program reads it once at start-up and writes it once at shut-down.

#include <QString>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `def` when the key (or its section or application) does not exist or
    // holds something that is not a plain text.
    virtual QString GetSetting(const QString& app, const QString& section, const QString& key,
                               const QString& def) = 0;
    // Creates or replaces a value; it reaches the disk with Flush().
    virtual void SaveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value) = 0;
    // Writes everything saved so far to disk in one step, so a failure leaves the previous file
    // whole. Returns false when the store could not be written.
    virtual bool Flush() = 0;
};
