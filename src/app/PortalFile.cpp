#include "app/PortalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

QStringList PortalFolders() {
    QStringList folders;
    for (const QString& folder :
         {QDir::tempPath(), QStringLiteral("/tmp"),
          QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)}) {
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (!real.isEmpty() && !folders.contains(real)) {
            folders << real;
        }
    }
    return folders;
}

bool IsPortalsOwnFile(const QString& path, const QDateTime& asked, const QStringList& folders) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() || st.st_nlink != 1) {
        return false;
    }
    const qint64 written = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    if (written < asked.toMSecsSinceEpoch() - 2000) {
        return false;
    }
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    for (const QString& portal : folders) {
        if (!folder.isEmpty() &&
            (folder == portal || folder.startsWith(portal + QLatin1Char('/')))) {
            return true;
        }
    }
    return false;
}
