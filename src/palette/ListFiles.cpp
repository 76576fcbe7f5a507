#include "palette/ListFiles.h"

#include "pixels/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// Writes all of the bytes, through interruptions; false with errno set when the system refused.
bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The same as the toolkit's safe save, for a name the toolkit cannot spell (bytes that are not
// UTF-8): a new file beside the old one, written whole and flushed, then renamed over it, so that
// a failure leaves the old file as it was.
QString SaveBySystemName(QByteArray name, const QByteArray& bytes,
                         std::optional<QFile::Permissions> permissions) {
    struct stat old {};
    const bool exists = ::lstat(name.constData(), &old) == 0;
    if (exists && S_ISLNK(old.st_mode)) {
        // A link is kept: the file it points to gets the new content.
        char resolved[PATH_MAX];
        if (::realpath(name.constData(), resolved) != nullptr) {
            name = QByteArray(resolved);
            ::stat(name.constData(), &old);
        }
    }
    const int slash = int(name.lastIndexOf('/'));
    const QByteArray folder = slash < 0 ? QByteArray(".") : name.left(std::max(slash, 1));
    const QByteArray base = name.mid(slash + 1);
    int fd = -1;
    QByteArray temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "/." + base.left(64) + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return SystemErrorText(errno);
        }
    }
    if (fd < 0) {
        return SystemErrorText(EEXIST);
    }
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return SystemErrorText(error);
    };
    mode_t mode = exists ? (old.st_mode & 07777) : mode_t(0);
    if (permissions) {
        mode = 0;
        const std::pair<QFile::Permission, mode_t> bits[] = {
            {QFile::ReadOwner, S_IRUSR}, {QFile::WriteOwner, S_IWUSR}, {QFile::ExeOwner, S_IXUSR},
            {QFile::ReadGroup, S_IRGRP}, {QFile::WriteGroup, S_IWGRP}, {QFile::ExeGroup, S_IXGRP},
            {QFile::ReadOther, S_IROTH}, {QFile::WriteOther, S_IWOTH}, {QFile::ExeOther, S_IXOTH}};
        for (const auto& [permission, bit] : bits) {
            if (permissions->testFlag(permission)) {
                mode |= bit;
            }
        }
    }
    if ((exists || permissions) && ::fchmod(fd, mode) != 0) {
        return fail(errno);
    }
    if (!WriteAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        fd = -1;
        const int error = errno;
        ::unlink(temporary.constData());
        return SystemErrorText(error);
    }
    if (::rename(temporary.constData(), name.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return SystemErrorText(error);
    }
    return QString();
}
} // namespace

QString SaveListFile(const QString& path, const QByteArray& bytes,
                     std::optional<QFile::Permissions> permissions) {
    const QByteArray name = SystemFileName(path);
    const bool spelled = QFile::encodeName(path) == name;
    // The new file replaces the old one by renaming, which a read-only file would not stop.
    if (spelled ? QFileInfo::exists(path) && !QFileInfo(path).isWritable()
                : ::access(name.constData(), F_OK) == 0 && ::access(name.constData(), W_OK) != 0) {
        return QCoreApplication::translate("ListFiles", "The file is read-only.");
    }
    if (!spelled) {
        return SaveBySystemName(name, bytes, permissions);
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

bool NameTaken(const QString& path) {
    struct stat st {};
    return ::lstat(SystemFileName(path).constData(), &st) == 0;
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
