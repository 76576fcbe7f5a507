#include "palette/ListFiles.h"

#include "pixels/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {
// What a failed step says: the file's own words, or the system's where Qt has none for it.
QString ReasonOf(const QFileDevice& file, int error) {
    const QString said = file.errorString();
    // Qt's "Unknown error" is in the user's language once Qt's translation is installed; a
    // device that has failed at nothing says it.
    if (error != 0 && (said.isEmpty() || said == QLatin1String("Unknown error") ||
                       said == QFile().errorString())) {
        return SystemErrorText(error);
    }
    return said;
}
} // namespace

QString SaveListFile(const QString& path, const QByteArray& bytes,
                     std::optional<QFile::Permissions> permissions) {
    const QFileInfo target(path);
    // The new file replaces the old one by renaming, which a read-only file would not stop.
    if (target.exists() && !target.isWritable()) {
        return QCoreApplication::translate("ListFiles", "The file is read-only.");
    }
    // Unbuffered, every byte reaches the file system in the write itself, so a full disk is seen
    // there: a buffered file could commit an empty file over the old one and call it done.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return ReasonOf(file, errno);
    }
    if (permissions && !file.setPermissions(*permissions)) {
        const QString reason = ReasonOf(file, errno);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const QString reason = ReasonOf(file, errno);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit()) {
        return ReasonOf(file, errno);
    }
    return QString();
}

ListRead OpenListFile(const QString& path) {
    ListRead read;
    RegularFileRead file = ReadRegularFile(path, kMaxListFileBytes);
    switch (file.outcome) {
    case RegularFileRead::Outcome::Read:
        return ReadList(file.bytes);
    case RegularFileRead::Outcome::Folder:
        read.error = QCoreApplication::translate("ListFiles", "It is a folder.");
        break;
    case RegularFileRead::Outcome::NotRegular:
        read.error = QCoreApplication::translate(
            "ListFiles", "It is not a file but a FIFO, a device or a socket.");
        break;
    case RegularFileRead::Outcome::TooLarge:
        //: %1: the largest size a list file may have, in MiB.
        read.error = QCoreApplication::translate("ListFiles", "The file is larger than %1 MiB.")
                         .arg(kMaxListFileBytes >> 20);
        break;
    case RegularFileRead::Outcome::Failed:
        read.error = file.error;
        break;
    }
    return read;
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
    //: A message box, its lines broken by carriage returns. %1: the file's path; %2: why it failed
    //: (a sentence).
    return QCoreApplication::translate("ListFiles", "The list could not be saved as %1.\r%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString OpenFailureMessage(const QString& path, const ListRead& read) {
    QString reason = read.error;
    if (read.offset >= 0) {
        //: Why a binary list file could not be opened. %1: the byte's offset from the file's
        //: start (from 0); %2: what is wrong there (a sentence).
        reason = QCoreApplication::translate("ListFiles", "At byte %1: %2")
                     .arg(read.offset)
                     .arg(read.error);
    } else if (read.line > 0) {
        //: Why a list file could not be opened. %1: the line number in the file; %2: what is
        //: wrong on that line (a sentence).
        reason =
            QCoreApplication::translate("ListFiles", "Line %1: %2").arg(read.line).arg(read.error);
    }
    //: A message box, its lines broken by carriage returns. %1: the file's path; %2: why it could
    //: not be opened.
    return QCoreApplication::translate(
               "ListFiles", "%1 could not be opened as a list; the list is unchanged.\r%2")
        .arg(QDir::toNativeSeparators(path), reason);
}
