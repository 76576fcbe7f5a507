#include "desktop/ToolkitStart.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The first thing the platform said about the display: the reason of a failed start.
QByteArray& FirstRemark() {
    static QByteArray remark;
    return remark;
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        if (FirstRemark().isEmpty() && context.category != nullptr &&
            qstrncmp(context.category, "qt.qpa", 6) == 0) {
            FirstRemark() = text.toLocal8Bit();
        }
        return;
    }
    // No application object lives yet to translate this by.
    QByteArray line = "huemark: the display cannot be reached";
    if (!FirstRemark().isEmpty()) {
        line += " (" + FirstRemark() + ')';
    }
    line += '\n';
    [[maybe_unused]] const ssize_t n =
        ::write(STDERR_FILENO, line.constData(), size_t(line.size()));
    ::_exit(2);
}
} // namespace

ToolkitStart::ToolkitStart() : m_previous(qInstallMessageHandler(HoldBack)) {}

ToolkitStart::~ToolkitStart() {
    qInstallMessageHandler(m_previous);
}

void KeepStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // open() takes the lowest free number: this one.
            const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
            if (opened != fd && opened >= 0) {
                ::dup2(opened, fd);
                ::close(opened);
            }
        }
    }
}
