#include "pixels/RegularFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Closes the descriptor however the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};
} // namespace

QString SystemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes) {
    RegularFileRead read;
    // Without O_NONBLOCK, opening a FIFO waits until something writes to it.
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == EISDIR) {
            read.outcome = RegularFileRead::Outcome::Folder;
        } else {
            read.error = SystemErrorText(errno);
        }
        return read;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        read.error = SystemErrorText(errno);
        return read;
    }
    if (S_ISDIR(st.st_mode)) {
        read.outcome = RegularFileRead::Outcome::Folder;
        return read;
    }
    if (!S_ISREG(st.st_mode)) {
        read.outcome = RegularFileRead::Outcome::NotRegular;
        return read;
    }
    if (st.st_size > maxBytes) {
        read.outcome = RegularFileRead::Outcome::TooLarge;
        return read;
    }
    // A regular file never blocks; the flag goes so that a short read means the end.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    // One byte more than it measured is asked for: the file may have grown since.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
    qsizetype done = 0;
    while (true) {
        if (done == bytes.size()) {
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(maxBytes + 1, 2 * bytes.size())));
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            read.error = SystemErrorText(errno);
            return read;
        }
        if (got == 0) {
            break;
        }
        done += got;
        if (done > maxBytes) {
            read.outcome = RegularFileRead::Outcome::TooLarge;
            return read;
        }
    }
    bytes.truncate(done);
    read.outcome = RegularFileRead::Outcome::Read;
    read.bytes = std::move(bytes);
    return read;
}
