#include "desktop/capture/ScreenCapture.h"

#include "desktop/capture/KeptOnScreen.h"
#include "pixels/PixelBuffer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QUrl>
#include <QWidget>
#include <bit>

namespace {
// One channel's bits of a pixel value, scaled to 0..255.
class Channel {
public:
    explicit Channel(quint32 mask)
        : m_shift(mask != 0 ? std::countr_zero(mask) : 0), m_max(mask >> m_shift) {}
    bool valid() const { return m_max != 0 && (m_max & (m_max + 1)) == 0; }
    quint32 of(quint32 value) const {
        return m_max == 255 ? (value >> m_shift) & 255
                            : (((value >> m_shift) & m_max) * 255 + m_max / 2) / m_max;
    }

private:
    int m_shift;
    quint32 m_max;
};

quint32 ReadPixel(const uchar* p, int bytes, bool msbFirst) {
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int byte = msbFirst ? i : bytes - 1 - i;
        value = (value << 8) | p[byte];
    }
    return value;
}
} // namespace

QImage PixelsToImage(const uchar* data, int width, int height, qsizetype stride,
                     const PixelLayout& layout) {
    const int bytes = layout.bitsPerPixel / 8;
    const Channel red(layout.redMask), green(layout.greenMask), blue(layout.blueMask);
    if ((bytes != 2 && bytes != 3 && bytes != 4) || layout.bitsPerPixel % 8 != 0 || !red.valid() ||
        !green.valid() || !blue.valid() || width <= 0 || height <= 0 ||
        stride < qsizetype(width) * bytes) {
        return QImage();
    }
    // In huge pages where the system has them: a screen's worth of small pages costs thousands of
    // page faults as it is written.
    QImage image = NewPicture(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    // The common layout is already the picture's own: rows are copied, the padding byte set.
    const bool native = bytes == 4 && layout.redMask == 0xff0000 && layout.greenMask == 0xff00 &&
                        layout.blueMask == 0xff &&
                        layout.mostSignificantFirst == (QSysInfo::ByteOrder == QSysInfo::BigEndian);
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + y * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (native) {
            const auto* in = reinterpret_cast<const quint32*>(row);
            for (int x = 0; x < width; ++x) {
                out[x] = in[x] | 0xff000000u;
            }
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const quint32 v = ReadPixel(row + x * bytes, bytes, layout.mostSignificantFirst);
            out[x] = qRgb(int(red.of(v)), int(green.of(v)), int(blue.of(v)));
        }
    }
    return image;
}

bool LeavesForCapture(const QWidget* window) {
    // An icon in an X11 tray is part of the tray's own window: hidden, it would leave the tray.
    // A window that the capture is to show stays (KeptOnScreen.h).
    return !window->inherits("QSystemTrayIconSys") && !window->property(kStaysForCapture).toBool();
}

HiddenWindows::HiddenWindows(QWidget* window) : m_window(window) {
    // The window first, so that it leaves the screen before anything of it is repainted.
    QList<QWidget*> shown;
    if (window != nullptr && window->isVisible()) {
        shown << window;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != window && w->isVisible() && LeavesForCapture(w)) {
            shown << w;
        }
    }
    for (QWidget* w : shown) {
        m_hidden << w;
        w->hide();
    }
}

namespace {
WindowsKeptHidden* g_keeping = nullptr;
} // namespace

WindowsKeptHidden::WindowsKeptHidden() : m_outer(g_keeping) {
    g_keeping = this;
}

WindowsKeptHidden::~WindowsKeptHidden() {
    g_keeping = m_outer;
    m_kept.reset();
}

HiddenWindows::~HiddenWindows() {
    if (g_keeping != nullptr && !g_keeping->m_kept && !m_hidden.isEmpty()) {
        std::unique_ptr<HiddenWindows> kept(new HiddenWindows(None{}));
        kept->m_window = m_window;
        kept->m_hidden = std::move(m_hidden);
        g_keeping->m_kept = std::move(kept);
        return;
    }
    for (const QPointer<QWidget>& w : m_hidden) {
        const Qt::WindowType type = w ? w->windowType() : Qt::Widget;
        if (w && w != m_window && (type == Qt::Window || type == Qt::Dialog)) {
            w->show();
        }
    }
    if (m_window && m_hidden.contains(m_window)) {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
}

namespace ScreenPortal {

QString RequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':'))) {
        sender.remove(0, 1);
    }
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/') +
           token;
}

ScreenCaptureResult Answer(uint response, const QVariantMap& results) {
    ScreenCaptureResult result;
    if (response == 1) {
        result.outcome = ScreenCaptureResult::Outcome::Refused;
        result.error = QCoreApplication::translate(
            "ScreenCapture", "The request to capture the screen was declined.");
        return result;
    }
    if (response != 0) {
        result.error = QCoreApplication::translate(
            "ScreenCapture", "The desktop's screenshot service could not capture the screen.");
        return result;
    }
    const QVariant uri = results.value(QStringLiteral("uri"));
    const QUrl url(uri.typeId() == QMetaType::QString ? uri.toString() : QString());
    if (url.isEmpty()) {
        result.error = QCoreApplication::translate(
            "ScreenCapture", "The desktop's screenshot service sent no picture.");
        return result;
    }
    if (!url.isLocalFile() || url.toLocalFile().isEmpty()) {
        //: %1: the address the screenshot service gave for its picture.
        result.error =
            QCoreApplication::translate(
                "ScreenCapture",
                "The desktop's screenshot service sent a picture that is not a local file: %1")
                .arg(url.toDisplayString());
        return result;
    }
    result.outcome = ScreenCaptureResult::Outcome::File;
    result.file = url.toLocalFile();
    return result;
}

QString CallFailure(const QString& errorName, const QString& message) {
    const auto is = [&errorName](const char* name) { return errorName == QLatin1String(name); };
    if (is("org.freedesktop.DBus.Error.ServiceUnknown") ||
        is("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn."))) {
        return QCoreApplication::translate("ScreenCapture",
                                           "No screenshot portal answers on this desktop.");
    }
    if (is("org.freedesktop.DBus.Error.UnknownMethod") ||
        is("org.freedesktop.DBus.Error.UnknownInterface") ||
        is("org.freedesktop.DBus.Error.UnknownObject")) {
        return QCoreApplication::translate("ScreenCapture",
                                           "This desktop's portal offers no screenshots.");
    }
    if (is("org.freedesktop.DBus.Error.NoReply") || is("org.freedesktop.DBus.Error.Timeout")) {
        return QCoreApplication::translate(
            "ScreenCapture", "The desktop's screenshot service did not answer in time.");
    }
    if (is("org.freedesktop.DBus.Error.Disconnected") ||
        is("org.freedesktop.DBus.Error.NoServer")) {
        return QCoreApplication::translate(
            "ScreenCapture", "There is no desktop session bus to ask for a screenshot.");
    }
    if (is("org.freedesktop.portal.Error.NotAllowed") ||
        is("org.freedesktop.DBus.Error.AccessDenied")) {
        return QCoreApplication::translate(
            "ScreenCapture", "The desktop does not allow this program to capture the screen.");
    }
    //: %1: the service's own message, usually in English.
    return QCoreApplication::translate("ScreenCapture",
                                       "The desktop's screenshot service failed: %1")
        .arg(message);
}

} // namespace ScreenPortal
