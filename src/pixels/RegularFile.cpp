#include "pixels/RegularFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
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

namespace {
// The length of the well-formed UTF-8 sequence at bytes[at] (no overlong forms, no surrogates,
// nothing beyond U+10FFFF), or 0.
int Utf8Length(const QByteArray& bytes, qsizetype at, char32_t& code) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80   ? 1
                       : lead < 0xC2 ? 0
                       : lead < 0xE0 ? 2
                       : lead < 0xF0 ? 3
                       : lead < 0xF5 ? 4
                                     : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}
} // namespace

QString FileNameText(const QByteArray& systemName) {
    QString text;
    text.reserve(systemName.size());
    for (qsizetype at = 0; at < systemName.size();) {
        char32_t code = 0;
        if (const int length = Utf8Length(systemName, at, code); length > 0) {
            text += QString::fromUcs4(&code, 1);
            at += length;
        } else {
            text += QChar(char16_t(0xDC00 + static_cast<unsigned char>(systemName[at])));
            ++at;
        }
    }
    return text;
}

QByteArray SystemFileName(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t ch = name[at].unicode();
        const bool paired = QChar::isHighSurrogate(ch) && at + 1 < name.size() &&
                            QChar::isLowSurrogate(name[at + 1].unicode());
        if (ch >= 0xDC80 && ch <= 0xDCFF) {
            bytes += char(ch - 0xDC00);
        } else {
            bytes += QStringView(name).mid(at, paired ? 2 : 1).toUtf8();
            at += paired ? 1 : 0;
        }
    }
    return bytes;
}

namespace {
// Opens path when it is a regular file of at most maxBytes: the descriptor and its size, or the
// outcome that stops the reading (in read).
struct Opened {
    std::unique_ptr<Descriptor> fd;
    qint64 size = 0;
};
Opened OpenRegular(const QString& path, qint64 maxBytes, RegularFileRead& read) {
    // Without O_NONBLOCK, opening a FIFO waits until something writes to it.
    auto fd = std::make_unique<Descriptor>(
        ::open(SystemFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd->get() < 0) {
        if (errno == EISDIR) {
            read.outcome = RegularFileRead::Outcome::Folder;
        } else {
            read.error = SystemErrorText(errno);
        }
        return {};
    }
    struct stat st {};
    if (::fstat(fd->get(), &st) != 0) {
        read.error = SystemErrorText(errno);
        return {};
    }
    if (S_ISDIR(st.st_mode)) {
        read.outcome = RegularFileRead::Outcome::Folder;
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        read.outcome = RegularFileRead::Outcome::NotRegular;
        return {};
    }
    if (st.st_size > maxBytes) {
        read.outcome = RegularFileRead::Outcome::TooLarge;
        return {};
    }
    return {std::move(fd), qint64(st.st_size)};
}
// A large file's bytes are first touched as they are read; with 4 KiB pages the faults cost more
// than the copy. The whole 2 MiB spans inside the buffer are offered for transparent huge pages
// (advice only: where the kernel has none to give, small pages still work).
void OfferHugePages(QByteArray& bytes) {
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    if (bytes.size() < qsizetype(4 * kHugePage)) {
        return;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + std::uintptr_t(bytes.size())) & ~(kHugePage - 1);
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}
} // namespace

RegularFileRead MapRegularFile(const QString& path, qint64 maxBytes) {
    RegularFileRead read;
    const Opened opened = OpenRegular(path, maxBytes, read);
    if (!opened.fd) {
        return read;
    }
    read.outcome = RegularFileRead::Outcome::Read;
    if (opened.size == 0) {
        return read;
    }
    const auto length = static_cast<std::size_t>(opened.size);
    void* pages =
        ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, opened.fd->get(), 0);
    if (pages == MAP_FAILED) {
        // A file system that cannot map (some FUSE ones) is read as usual.
        return ReadRegularFile(path, maxBytes);
    }
    read.mapping = std::shared_ptr<const void>(
        pages, [length](const void* p) { ::munmap(const_cast<void*>(p), length); });
    read.bytes = QByteArray::fromRawData(static_cast<const char*>(pages), qsizetype(length));
    return read;
}

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes) {
    RegularFileRead read;
    const Opened opened = OpenRegular(path, maxBytes, read);
    if (!opened.fd) {
        return read;
    }
    const Descriptor& fd = *opened.fd;
    // A regular file never blocks; the flag goes so that a short read means the end.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    // One byte more than it measured is asked for: the file may have grown since.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(opened.size) + 1);
    OfferHugePages(bytes);
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
