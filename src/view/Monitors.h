#pragma once
// The desktop's monitors and where each one's pixels lie in a picture of the whole screen.
//
// The toolkit places a monitor at a logical position with a logical size and its own ratio of
// device pixels to logical ones. It keeps a monitor's top-left corner where the window system
// puts it and divides only its size by the ratio, so on X11 a monitor's first device pixel is
// its logical top-left. A capture holds the desktop in one of two ways:
// - DevicePixels: every device pixel where the window system puts it (X11's root window);
// - ScaledDesktop: the desktop's logical layout drawn at one scale for every monitor (a
//   screenshot portal's picture), so a monitor whose ratio differs is not at device resolution.
// Positions in the capture may be negative nowhere: a layout that reaches left of or above 0
// (a monitor left of the primary on Wayland) starts the capture at its top-left.

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace View {

struct MonitorInfo {
    QString name;
    QRect logical;
    double ratio = 1;
};

enum class CaptureLayout { DevicePixels, ScaledDesktop };

struct CapturedMonitor {
    QString name;
    QRect logical;
    double ratio = 1; // device pixels per logical pixel on the monitor
    QRect inCapture;  // the monitor's pixels in the capture
    double scale = 1; // capture pixels per logical pixel on it

    // Whether the capture holds this monitor pixel for device pixel.
    bool atDeviceResolution() const;
    // The capture pixel that a pointer at a logical position on the desktop names.
    QPoint pixelAt(QPointF logical) const;
    // The logical position of a capture pixel's middle, relative to the monitor's top-left.
    QPointF localOf(QPoint pixel) const;
    // The monitor's device pixel that a capture pixel shows (its middle, where the capture is
    // coarser or finer than the monitor), counted from the monitor's top-left.
    QPoint devicePixelOf(QPoint pixel) const;
};

// Where each monitor lies in a capture of the given size; monitors wholly outside it are left
// out (a capture that missed them has nothing to show of them).
QList<CapturedMonitor> MonitorsInCapture(const QList<MonitorInfo>& monitors, QSize capture,
                                         CaptureLayout layout);

// The monitor (its index) whose pixels hold a capture pixel.
std::optional<qsizetype> MonitorHolding(const QList<CapturedMonitor>& monitors, QPoint pixel);

// Where a panel of the given size goes beside a window (both on the desktop, logical): right of
// it, at its top; left of it where the right has no room on the window's screen (available:
// that screen's area for windows); else at the screen's right edge, over the window. Always
// inside available as far as the panel's size allows.
QPoint BesideWindow(const QRect& window, QSize panel, const QRect& available);

} // namespace View
