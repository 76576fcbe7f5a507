#pragma once
// Lists on disk: written in one step, so a failed write leaves any earlier file as it was; read
// with a size limit; and the messages that say why either failed.

#include "palette/ListReaders.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// Larger files are refused before they are read: 100 000 colours with long descriptions fit.
constexpr qint64 kMaxListFileBytes = 64 * 1024 * 1024;

// Writes the bytes as the file's whole content; the reason it failed, or an empty text. With
// permissions, the new file has those (before anything is written to it).
QString SaveListFile(const QString& path, const QByteArray& bytes,
                     std::optional<QFile::Permissions> permissions = std::nullopt);

// Whether something has the name already (a file, a folder, a link, even a broken one), by the
// system's own bytes for it (FileNameText), so that a name that is not UTF-8 is asked about too.
bool NameTaken(const QString& path);

// The file's colours, or why it cannot be opened as a list.
ListRead OpenListFile(const QString& path);

// The message boxes' texts for a failed save or open (lines broken by a carriage return).
QString SaveFailureMessage(const QString& path, const QString& reason);
QString OpenFailureMessage(const QString& path, const ListRead& read);
