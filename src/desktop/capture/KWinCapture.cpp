// KWin's own screenshot service. KDE's portal draws the pointer into every screenshot it takes,
// so that a pick where the pointer stands would read the arrow; KWin itself leaves it out when
// asked. It serves only the programs whose installed desktop entry names the service
// (X-KDE-DBUS-Restricted-Interfaces), which it finds by their executable's path; anyone else
// goes through the portal. The picture comes raw through a pipe, while the call is answered.

#include "desktop/capture/ScreenCapture.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
const QString kService = QStringLiteral("org.kde.KWin");
const QString kObject = QStringLiteral("/org/kde/KWin/ScreenShot2");
const QString kInterface = QStringLiteral("org.kde.KWin.ScreenShot2");
// KWin paints the next frame for it: a few of them at most.
constexpr int kTimeoutMs = 5000;
// The largest picture taken: a wall of 8K screens.
constexpr qint64 kMaxBytes = qint64(1) << 31;

// Once KWin has said it does not serve us (or is not there), it is not asked again.
bool s_notServed = false;

// Closes a file descriptor when it goes.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};
} // namespace

namespace KWinScreenshot {

QImage FromRaw(const QVariantMap& results, const QByteArray& data) {
    if (results.value(QStringLiteral("type")).toString() != QLatin1String("raw")) {
        return QImage();
    }
    const qint64 width = results.value(QStringLiteral("width")).toLongLong();
    const qint64 height = results.value(QStringLiteral("height")).toLongLong();
    const qint64 stride = results.value(QStringLiteral("stride")).toLongLong();
    const int format = results.value(QStringLiteral("format")).toInt();
    // Eight bits a channel in four bytes a pixel: what the screen holds, and nothing less.
    switch (static_cast<QImage::Format>(format)) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        break;
    default:
        return QImage();
    }
    if (width <= 0 || height <= 0 || width > 65536 || height > 65536 || stride < width * 4 ||
        stride * height > kMaxBytes || data.size() < stride * height) {
        return QImage();
    }
    QImage picture(int(width), int(height), static_cast<QImage::Format>(format));
    if (picture.isNull()) {
        return QImage();
    }
    for (qint64 y = 0; y < height; ++y) {
        std::copy_n(data.constData() + y * stride, width * 4, picture.scanLine(int(y)));
    }
    // The screen is opaque: premultiplied or not, its colours are its pixels.
    return picture.convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> Workspace() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (s_notServed || !bus.isConnected()) {
        return std::nullopt;
    }
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return std::nullopt;
    }
    Fd readEnd{ends[0]};
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kInterface,
                                                       QStringLiteral("CaptureWorkspace"));
    {
        Fd writeEnd{ends[1]};
        call << QVariantMap{{QStringLiteral("include-cursor"), false},
                            {QStringLiteral("native-resolution"), true}}
             << QVariant::fromValue(QDBusUnixFileDescriptor(writeEnd.fd));
    }
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, kTimeoutMs));
    call = QDBusMessage();

    // The bytes may come before the answer that tells how many there are, and the pipe may stay
    // open after them: the answer's size ends the wait.
    QByteArray data;
    bool ended = false;
    QEventLoop loop;
    QSocketNotifier readable(readEnd.fd, QSocketNotifier::Read);
    QObject::connect(&readable, &QSocketNotifier::activated, &loop, [&] {
        char chunk[1 << 16];
        for (;;) {
            const ssize_t got = ::read(readEnd.fd, chunk, sizeof chunk);
            if (got > 0 && data.size() + got <= kMaxBytes) {
                data.append(chunk, got);
                continue;
            }
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0 && errno == EAGAIN) {
                loop.quit(); // the loop looks whether that was all
                return;
            }
            ended = true; // the end, more than a picture holds, or a failure: nothing more comes
            readable.setEnabled(false);
            loop.quit();
            return;
        }
    });
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(kTimeoutMs);
    QVariantMap results;
    qint64 needed = -1;
    while (deadline.isActive() && !ended && (needed < 0 || data.size() < needed)) {
        if (needed < 0 && watcher.isFinished()) {
            const QDBusMessage reply = watcher.reply();
            if (reply.type() != QDBusMessage::ReplyMessage) {
                const QString name = reply.errorName();
                s_notServed = name.endsWith(QLatin1String(".NoAuthorized")) ||
                              name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
                              name == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
                              name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod");
                return std::nullopt;
            }
            if (!reply.arguments().isEmpty()) {
                results =
                    qdbus_cast<QVariantMap>(reply.arguments().constFirst().value<QDBusArgument>());
            }
            needed = std::max<qint64>(0, results.value(QStringLiteral("stride")).toLongLong() *
                                             results.value(QStringLiteral("height")).toLongLong());
            continue;
        }
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (needed < 0) {
        return std::nullopt; // no answer in time
    }
    const QImage picture = FromRaw(results, data);
    if (picture.isNull()) {
        return std::nullopt;
    }
    return picture;
}

} // namespace KWinScreenshot
