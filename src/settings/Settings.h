#pragma once
// Where the remembered settings live in the per-user store (SettingsStore): the application's
// name, the [Settings] group with the eight described keys, and [Options] for the options beyond
// them, whose keys each area names beside the code that reads and writes them.

#include <QString>

namespace Settings {

inline const QString kApp = QStringLiteral("Huemark");
inline const QString kSection = QStringLiteral("Settings");
inline const QString kOptions = QStringLiteral("Options");

// [Settings]: the window's place and outer size in twips, the tags option, the averaging radius,
// the working folder and the last chosen file.
inline const QString kLeft = QStringLiteral("Left");
inline const QString kTop = QStringLiteral("Top");
inline const QString kWidth = QStringLiteral("Width");
inline const QString kHeight = QStringLiteral("Height");
inline const QString kTags = QStringLiteral("Tags");
inline const QString kAverage = QStringLiteral("Average");
inline const QString kPath = QStringLiteral("Path");
inline const QString kPathFile = QStringLiteral("PathFile");

// [Options] that more than one program reads: whether picks are kept in the history (1, the
// default, or 0), and the background instance's shortcut ("Super+Shift+C").
inline const QString kKeepHistory = QStringLiteral("KeepHistory");
inline const QString kPickShortcut = QStringLiteral("PickShortcut");

} // namespace Settings
