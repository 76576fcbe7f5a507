#include "history/PickHistory.h"

#include "palette/ListFiles.h"
#include "palette/ListFormats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {
// Held while the file is read and written again: two programs adding at once would otherwise each
// write its own picks over the other's.
class HistoryLock {
public:
    explicit HistoryLock(const QString& path) {
        const QByteArray name = QFile::encodeName(path + QStringLiteral(".lock"));
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                m_error = QString::fromLocal8Bit(std::strerror(errno));
                return;
            }
        }
    }
    ~HistoryLock() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;
    const QString& error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

QString Unreadable(const QString& path, const ListRead& read) {
    //: Why nothing was added to the history. %1: the history file; %2: why it cannot be read.
    return QCoreApplication::translate("PickHistory",
                                       "The history %1 cannot be read (%2); it is left as it is.")
        .arg(QDir::toNativeSeparators(path),
             read.line > 0 ? QCoreApplication::translate("PickHistory", "line %1: %2")
                                 .arg(read.line)
                                 .arg(read.error)
                           : read.error);
}
} // namespace

QString HistoryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Huemark/history.json");
}

ListRead ReadHistory(const QString& path) {
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        return ListRead();
    }
    return OpenListFile(path);
}

QString AddToHistory(const QList<Pick>& newestFirst, const QString& path) {
    if (newestFirst.isEmpty()) {
        return QString();
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        //: %1: the folder that could not be made.
        return QCoreApplication::translate("PickHistory", "The folder %1 cannot be made.")
            .arg(QDir::toNativeSeparators(folder));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const HistoryLock lock(path);
    if (!lock.error().isEmpty()) {
        return lock.error();
    }
    ListRead kept = ReadHistory(path);
    if (!kept.ok()) {
        return Unreadable(path, kept);
    }
    QList<Pick> picks = newestFirst;
    picks.append(kept.rows);
    if (picks.size() > kMaxHistory) {
        picks.resize(kMaxHistory);
    }
    return SaveListFile(path, WriteJson(picks), QFile::ReadOwner | QFile::WriteOwner);
}

QString ClearHistory(const QString& path) {
    // No folder, no history, and nowhere to put the lock either.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return QString();
    }
    const HistoryLock lock(path);
    if (!lock.error().isEmpty()) {
        return lock.error();
    }
    QFile file(path);
    if (file.exists() && !file.remove()) {
        return file.errorString();
    }
    return QString();
}

namespace {
class FileHistory : public HistoryService {
public:
    explicit FileHistory(QString path) : m_path(std::move(path)) {}
    ~FileHistory() override {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_ending = true;
        }
        m_wake.notify_one();
        if (m_writer.joinable()) {
            m_writer.join();
        }
    }
    FileHistory(const FileHistory&) = delete;
    FileHistory& operator=(const FileHistory&) = delete;

    void add(const Pick& pick) override {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_waiting.prepend(pick);
            if (!m_writer.joinable()) {
                m_writer = std::thread([this] { write(); });
            }
        }
        m_wake.notify_one();
    }
    ListRead read() override {
        settle();
        return ReadHistory(m_path);
    }
    QString clear() override {
        settle();
        return ClearHistory(m_path);
    }
    QString place() const override { return m_path; }

private:
    // Until every pick added so far is in the file.
    void settle() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_settled.wait(lock, [this] { return m_waiting.isEmpty() && !m_busy; });
    }
    void write() {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_ending || !m_waiting.isEmpty(); });
            if (m_waiting.isEmpty()) {
                return;
            }
            // Picks made while one write runs go into the next, together.
            const QList<Pick> picks = std::exchange(m_waiting, {});
            m_busy = true;
            lock.unlock();
            const QString reason = AddToHistory(picks, m_path);
            if (!reason.isEmpty()) {
                emit failed(reason);
            }
            lock.lock();
            m_busy = false;
            m_settled.notify_all();
        }
    }

    QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_settled;
    QList<Pick> m_waiting; // newest first
    bool m_busy = false;
    bool m_ending = false;
    std::thread m_writer;
};
} // namespace

std::shared_ptr<HistoryService> NewFileHistory(const QString& path) {
    return std::make_shared<FileHistory>(path);
}
