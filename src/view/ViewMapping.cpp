#include "view/ViewMapping.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace View {

namespace {
// A device pixel's left edge, nudged inside it, so that rounding in scale never lets an edge
// fall into the pixel before it.
constexpr double kEdge = 1e-3;
// Products of positions and scales are kept within int's reach, far beyond any screen.
constexpr double kFar = 1.0e9;

constexpr std::array<double, 20> kLevels = {
    1.0 / 16, 1.0 / 12, 1.0 / 8, 1.0 / 6, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 1,  2,
    3,        4,        6,       8,       12,      16,      24,      32,      48, 64};

int ToInt(double v) {
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}
} // namespace

int DeviceCorner(double logical, double ratio) {
    return int(std::lround(logical * ratio));
}

int DevicePixelAt(double logical, double ratio) {
    return int(std::floor(logical * ratio + 1e-6));
}

double SteppedZoom(double zoom, int steps) {
    for (; steps > 0; --steps) {
        const auto next = std::find_if(kLevels.begin(), kLevels.end(),
                                       [zoom](double level) { return level > zoom * (1 + 1e-9); });
        zoom = next != kLevels.end() ? *next : kLevels.back();
    }
    for (; steps < 0; ++steps) {
        const auto next = std::find_if(kLevels.rbegin(), kLevels.rend(),
                                       [zoom](double level) { return level < zoom * (1 - 1e-9); });
        zoom = next != kLevels.rend() ? *next : kLevels.front();
    }
    return zoom;
}

double FitZoom(QSize picture, QSize area, double ratio) {
    if (picture.isEmpty() || area.isEmpty() || !(ratio > 0)) {
        return 1;
    }
    const double fit = std::min(area.width() / (picture.width() * ratio),
                                area.height() / (picture.height() * ratio));
    if (fit < 1) {
        return std::max(fit, kMinZoom);
    }
    const auto level = std::find_if(kLevels.rbegin(), kLevels.rend(),
                                    [fit](double z) { return z <= fit * (1 + 1e-9); });
    return *level;
}

int Axis::pixelAt(int d) const {
    return ToInt(std::floor((double(d) + offset + kEdge) / scale));
}

double Axis::coordinateAt(int d) const {
    return (double(d) + offset + kEdge) / scale;
}

int Axis::deviceOf(int p) const {
    const double start = double(p) * scale;
    return (scale >= 1 ? ToInt(std::ceil(start - kEdge)) : ToInt(std::floor(start + kEdge))) -
           offset;
}

int Axis::content() const {
    return std::max(0, ToInt(std::ceil(double(picture) * scale - kEdge)));
}

int Axis::minOffset() const {
    return std::min(0, content() - view);
}

int Axis::maxOffset() const {
    return std::max(0, content() - view);
}

int Axis::clamped(int o) const {
    return std::clamp(o, minOffset(), maxOffset());
}

int Axis::showing(int p) const {
    const int first = deviceOf(p) + offset;
    const int end = scale >= 1 ? ToInt(std::ceil(double(p + 1) * scale - kEdge)) : first + 1;
    int o = offset;
    if (end > o + view) {
        o = end - view;
    }
    if (first < o) {
        o = first;
    }
    return clamped(o);
}

int Axis::zoomedAround(double newScale, double anchor) const {
    const int d = ToInt(std::floor(anchor));
    const int p = pixelAt(d);
    Axis next = *this;
    next.scale = newScale;
    int o = 0;
    if (newScale >= 1) {
        // The same place within the pixel, kept inside the device pixels that show it.
        const double within = (offset + anchor) / scale;
        o = ToInt(std::llround(std::clamp(within * newScale - anchor, -kFar, kFar)));
        const int first = ToInt(std::ceil(double(p) * newScale - kEdge)) - d;
        const int last = ToInt(std::ceil(double(p + 1) * newScale - kEdge)) - 1 - d;
        o = std::clamp(o, first, std::max(first, last));
    } else {
        // Several pixels to a device pixel: the one the pixel lies in.
        o = ToInt(std::floor(double(p) * newScale + kEdge)) - d;
    }
    return next.clamped(o);
}

Mapping::Mapping(QSize picture, double zoom, double ratio, QSize view, QPoint offset)
    : m_zoom(zoom), m_ratio(ratio) {
    const double scale = zoom * ratio;
    m_x = Axis{std::max(0, picture.width()), scale, std::max(0, view.width()), 0};
    m_y = Axis{std::max(0, picture.height()), scale, std::max(0, view.height()), 0};
    m_x.offset = m_x.clamped(offset.x());
    m_y.offset = m_y.clamped(offset.y());
}

QPointF Mapping::deviceAt(QPointF coordinate) const {
    return {coordinate.x() * m_x.scale - m_x.offset, coordinate.y() * m_y.scale - m_y.offset};
}

Mapping Mapping::scrolledTo(QPoint o) const {
    Mapping m = *this;
    m.m_x.offset = m_x.clamped(o.x());
    m.m_y.offset = m_y.clamped(o.y());
    return m;
}

Mapping Mapping::resized(QSize view) const {
    return Mapping(picture(), m_zoom, m_ratio, view, offset());
}

Mapping Mapping::showing(QPoint pixel) const {
    return scrolledTo({m_x.showing(pixel.x()), m_y.showing(pixel.y())});
}

Mapping Mapping::zoomedAround(double zoom, QPointF anchor) const {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const double scale = zoom * m_ratio;
    const QPoint o(m_x.zoomedAround(scale, anchor.x()), m_y.zoomedAround(scale, anchor.y()));
    Mapping m = *this;
    m.m_zoom = zoom;
    m.m_x.scale = scale;
    m.m_y.scale = scale;
    return m.scrolledTo(o);
}

Mapping Mapping::withRatio(double ratio) const {
    if (ratio == m_ratio || !(ratio > 0)) {
        return *this;
    }
    const double k = ratio / m_ratio;
    return Mapping(picture(), m_zoom, ratio, view(),
                   QPoint(ToInt(std::round(m_x.offset * k)), ToInt(std::round(m_y.offset * k))));
}

ScrollBars ScrollBarsNeeded(QSize content, QSize area, QSize thickness) {
    ScrollBars bars;
    bars.horizontal = content.width() > area.width();
    bars.vertical = content.height() > area.height();
    // A bar takes room from the other axis, which may then need its own bar too.
    for (int round = 0; round < 2; ++round) {
        if (bars.horizontal && !bars.vertical) {
            bars.vertical = content.height() > area.height() - thickness.height();
        }
        if (bars.vertical && !bars.horizontal) {
            bars.horizontal = content.width() > area.width() - thickness.width();
        }
    }
    return bars;
}

} // namespace View
