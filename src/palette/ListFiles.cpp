#include "palette/ListFiles.h"

#include "pixels/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("ListFiles", text);
}

// What a failed step says: the file's own words, or the system's where Qt has none for it.
QString ReasonOf(const QFileDevice& file, int error) {
    const QString said = file.errorString();
    if (error != 0 && (said.isEmpty() || said == QLatin1String("Unknown error"))) {
        return SystemErrorText(error);
    }
    return said;
}
} // namespace

QString SaveListFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    // The new file replaces the old one by renaming, which a read-only file would not stop.
    if (target.exists() && !target.isWritable()) {
        return tr("The file is read-only.");
    }
    // Unbuffered, every byte reaches the file system in the write itself, so a full disk is seen
    // there: a buffered file could commit an empty file over the old one and call it done.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return ReasonOf(file, errno);
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
        read.error = tr("It is a folder.");
        break;
    case RegularFileRead::Outcome::NotRegular:
        read.error = tr("It is not a file but a FIFO, a device or a socket.");
        break;
    case RegularFileRead::Outcome::TooLarge:
        read.error = tr("The file is larger than %1 MiB.").arg(kMaxListFileBytes >> 20);
        break;
    case RegularFileRead::Outcome::Failed:
        read.error = file.error;
        break;
    }
    return read;
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
    return tr("The list could not be saved as %1.\r%2").arg(QDir::toNativeSeparators(path), reason);
}

QString OpenFailureMessage(const QString& path, const ListRead& read) {
    const QString reason =
        read.line > 0 ? tr("Line %1: %2").arg(read.line).arg(read.error) : read.error;
    return tr("%1 could not be opened as a list; the list is unchanged.\r%2")
        .arg(QDir::toNativeSeparators(path), reason);
}
