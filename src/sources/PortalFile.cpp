#include "sources/PortalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

bool IsPortalsOwnFile(const QString& path, const QDateTime& asked) {
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
    for (const QString& portal :
         {QDir::tempPath(), QStringLiteral("/tmp"),
          QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)}) {
        const QString real = QFileInfo(portal).canonicalFilePath();
        if (!real.isEmpty() && !folder.isEmpty() &&
            (folder == real || folder.startsWith(real + QLatin1Char('/')))) {
            return true;
        }
    }
    return false;
}
