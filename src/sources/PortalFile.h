#pragma once
// The file a desktop's screenshot portal answers with: whether the program can tell that the
// portal made it for this capture, so that deleting it once read takes nobody's file.

#include <QDateTime>
#include <QString>

// Whether the file is a regular file of this user's with no other name (not a link), in a folder
// screenshot portals write into (the temporary folder, the user's pictures folder, or one below
// them, by its real path), written no earlier than the capture was asked for (file times may lag
// the clock by a tick).
bool IsPortalsOwnFile(const QString& path, const QDateTime& asked);
