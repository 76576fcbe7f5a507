#include "view/Monitors.h"

#include "view/ViewMapping.h"

#include <algorithm>
#include <cmath>

namespace View {

bool CapturedMonitor::atDeviceResolution() const {
    return std::abs(scale - ratio) < 1e-6;
}

QPoint CapturedMonitor::pixelAt(QPointF at) const {
    const QPointF local = at - QPointF(logical.topLeft());
    const QPoint p = inCapture.topLeft() +
                     QPoint(DevicePixelAt(local.x(), scale), DevicePixelAt(local.y(), scale));
    // A pointer on the monitor's last logical pixel may name a pixel past a rounded edge.
    return {std::clamp(p.x(), inCapture.left(), inCapture.right()),
            std::clamp(p.y(), inCapture.top(), inCapture.bottom())};
}

QPointF CapturedMonitor::localOf(QPoint pixel) const {
    return (QPointF(pixel - inCapture.topLeft()) + QPointF(0.5, 0.5)) / scale;
}

QPoint CapturedMonitor::devicePixelOf(QPoint pixel) const {
    const QPointF device = localOf(pixel) * ratio;
    return {int(std::floor(device.x())), int(std::floor(device.y()))};
}

QList<CapturedMonitor> MonitorsInCapture(const QList<MonitorInfo>& monitors, QSize capture,
                                         CaptureLayout layout) {
    QRect desktop;
    for (const MonitorInfo& m : monitors) {
        desktop = desktop.united(m.logical);
    }
    const QRect whole(QPoint(0, 0), capture);
    QList<CapturedMonitor> placed;
    if (desktop.isEmpty() || capture.isEmpty()) {
        return placed;
    }
    for (const MonitorInfo& m : monitors) {
        CapturedMonitor c{m.name, m.logical, m.ratio > 0 ? m.ratio : 1, QRect(), 1};
        if (layout == CaptureLayout::DevicePixels) {
            c.scale = c.ratio;
            c.inCapture =
                QRect(m.logical.topLeft(), QSize(int(std::lround(m.logical.width() * c.ratio)),
                                                 int(std::lround(m.logical.height() * c.ratio))));
        } else {
            // One scale for the whole desktop: the capture's width over the layout's.
            c.scale = double(capture.width()) / desktop.width();
            const QPointF from = QPointF(m.logical.topLeft() - desktop.topLeft()) * c.scale;
            const QPointF to =
                QPointF(m.logical.topLeft() + QPoint(m.logical.width(), m.logical.height()) -
                        desktop.topLeft()) *
                c.scale;
            c.inCapture = QRect(QPoint(int(std::lround(from.x())), int(std::lround(from.y()))),
                                QPoint(int(std::lround(to.x())) - 1, int(std::lround(to.y())) - 1));
        }
        c.inCapture = c.inCapture.intersected(whole);
        if (!c.inCapture.isEmpty()) {
            placed << c;
        }
    }
    return placed;
}

std::optional<qsizetype> MonitorHolding(const QList<CapturedMonitor>& monitors, QPoint pixel) {
    for (qsizetype i = 0; i < monitors.size(); ++i) {
        if (monitors[i].inCapture.contains(pixel)) {
            return i;
        }
    }
    return std::nullopt;
}

QPoint BesideWindow(const QRect& window, QSize panel, const QRect& available) {
    int x = window.right() + 1;
    if (x + panel.width() > available.right() + 1) {
        x = window.left() - panel.width() >= available.left()
                ? window.left() - panel.width()
                : available.right() + 1 - panel.width();
    }
    const auto inside = [](int at, int length, int low, int high) {
        return std::max(low, std::min(at, high + 1 - length));
    };
    return QPoint(inside(x, panel.width(), available.left(), available.right()),
                  inside(window.top(), panel.height(), available.top(), available.bottom()));
}

} // namespace View
