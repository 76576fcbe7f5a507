#pragma once
// How the picture control's device pixels show the picture's pixels: at a zoom, on a screen
// scaled by a device pixel ratio, scrolled by an offset. Device pixels are counted from the
// view's first (top-left) device pixel, picture pixels from the picture's top-left corner.
//
// One rule holds everywhere, for painting and for the pointer alike: device pixel d shows picture
// pixel floor((d + offset) / scale), where scale = zoom × ratio is the device pixels one picture
// pixel spans. So the pixel a pointer names is always the one painted under it.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace View {

constexpr double kMinZoom = 1.0 / 16;
constexpr double kMaxZoom = 64;

// The zoom one step in (steps > 0) or out (steps < 0) from zoom, along the levels 1/16 ... 1/2,
// 2/3, 1, 2, 3, 4, 6, 8 ... 48, 64; a zoom between two levels steps to the next one that way.
double SteppedZoom(double zoom, int steps);

// The zoom at which the picture fills as much of the area (device pixels, at the given ratio)
// as fits whole: below 1 exactly, from 1 on the largest level that fits, so blocks stay whole.
double FitZoom(QSize picture, QSize area, double ratio);

// Where the view's first device pixel lies, for a control at a logical position in its window:
// the nearest device pixel, where the toolkit puts it too when the position falls between two.
int DeviceCorner(double logical, double ratio);
// The device pixel a pointer position names; the toolkit reports the pointer on device pixel d
// as the logical position d / ratio, which this takes back to d exactly.
int DevicePixelAt(double logical, double ratio);

// One axis of the view: the picture's length in pixels, the device pixels per picture pixel,
// the view's length in device pixels and the scroll offset in device pixels.
struct Axis {
    int picture = 0;
    double scale = 1;
    int view = 0;
    int offset = 0;

    // The picture pixel device pixel d shows (outside the picture too: negative or past its end).
    int pixelAt(int d) const;
    // The coordinate, in picture pixels, that names device pixel d: inside the pixel it shows.
    double coordinateAt(int d) const;
    // The device pixel where picture pixel p is shown: its first one, or where scale < 1 (when
    // several pixels share a device pixel), the one it lies in.
    int deviceOf(int p) const;
    // Whether the device pixel deviceOf(p) shows p itself (always so from scale 1 on).
    bool names(int p) const { return pixelAt(deviceOf(p)) == p; }
    // Device pixels the whole picture spans.
    int content() const;
    // The offsets the view may take: from 0 to what brings the picture's end to the view's end;
    // a picture shorter than the view may stand anywhere inside it.
    int minOffset() const;
    int maxOffset() const;
    int clamped(int offset) const;
    // The offset, nearest to this one, at which pixel p lies wholly inside the view.
    int showing(int p) const;
    // The offset after changing the scale to newScale so that the picture pixel under device
    // anchor stays under it (within the scroll limits), at the same place within the pixel.
    int zoomedAround(double newScale, double anchor) const;
};

// The two axes together.
class Mapping {
public:
    Mapping() = default;
    Mapping(QSize picture, double zoom, double ratio, QSize view, QPoint offset);

    double zoom() const { return m_zoom; }
    double ratio() const { return m_ratio; }
    double scale() const { return m_x.scale; }
    QSize picture() const { return {m_x.picture, m_y.picture}; }
    QSize view() const { return {m_x.view, m_y.view}; }
    QPoint offset() const { return {m_x.offset, m_y.offset}; }
    QSize content() const { return {m_x.content(), m_y.content()}; }
    const Axis& x() const { return m_x; }
    const Axis& y() const { return m_y; }

    QPoint pixelAt(QPoint device) const {
        return {m_x.pixelAt(device.x()), m_y.pixelAt(device.y())};
    }
    QPointF coordinateAt(QPoint device) const {
        return {m_x.coordinateAt(device.x()), m_y.coordinateAt(device.y())};
    }
    QPoint deviceOf(QPoint pixel) const {
        return {m_x.deviceOf(pixel.x()), m_y.deviceOf(pixel.y())};
    }
    bool names(QPoint pixel) const { return m_x.names(pixel.x()) && m_y.names(pixel.y()); }
    // The device pixel where a picture coordinate lies (fractions included).
    QPointF deviceAt(QPointF coordinate) const;

    // The default: 100 %, the picture's top-left at the view's.
    bool isDefault() const { return m_zoom == 1 && offset().isNull(); }

    // The same view scrolled, resized, zoomed: offsets always within the limits.
    Mapping scrolledTo(QPoint offset) const;
    Mapping scrolledBy(QPoint delta) const { return scrolledTo(offset() + delta); }
    Mapping resized(QSize view) const;
    Mapping showing(QPoint pixel) const;
    Mapping zoomedAround(double zoom, QPointF anchor) const;
    Mapping withRatio(double ratio) const;

private:
    double m_zoom = 1;
    double m_ratio = 1;
    Axis m_x;
    Axis m_y;
};

// Which scroll bars a view of the content needs in an area, where a bar takes its thickness
// from the other axis's room.
struct ScrollBars {
    bool horizontal = false;
    bool vertical = false;
};
ScrollBars ScrollBarsNeeded(QSize content, QSize area, QSize thickness);

} // namespace View
