#include "palette/ListFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("ListFiles", text);
}
} // namespace

QString SaveListFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    // The new file replaces the old one by renaming, which a read-only file would not stop.
    if (target.exists() && !target.isWritable()) {
        return tr("The file is read-only.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}

ListRead OpenListFile(const QString& path) {
    ListRead read;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        read.error = tr("It is a folder.");
    } else if (!file.open(QIODevice::ReadOnly)) {
        read.error = file.errorString();
    } else if (file.size() > kMaxListFileBytes) {
        read.error = tr("The file is larger than %1 MiB.").arg(kMaxListFileBytes >> 20);
    } else {
        const QByteArray bytes = file.read(kMaxListFileBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            read.error = file.errorString();
        } else if (bytes.size() > kMaxListFileBytes) {
            read.error = tr("The file is larger than %1 MiB.").arg(kMaxListFileBytes >> 20);
        } else {
            return ReadList(bytes);
        }
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
