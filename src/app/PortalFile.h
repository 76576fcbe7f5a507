#pragma once
// The file a desktop's screenshot portal answers with: whether the program can tell that the
// portal made it for this capture, so that deleting it once read takes nobody's file.

#include <QDateTime>
#include <QString>
#include <QStringList>

// The folders screenshot portals write into, with the folders below them: the temporary folder
// and the user's pictures folder, each by its real path.
QStringList PortalFolders();

// Whether the file is a regular file of this user's with no other name (not a link), in one of
// folders (by its folder's real path), written no earlier than the capture was asked for (file
// times may lag the clock by a tick).
bool IsPortalsOwnFile(const QString& path, const QDateTime& asked,
                      const QStringList& folders = PortalFolders());
