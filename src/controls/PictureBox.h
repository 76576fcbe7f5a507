#pragma once
// The picture control: a view of a picture surface (picture/PictureSurface.h) that shows its
// picture from its top-left corner and keeps what is drawn on it, so that lines and text survive
// repaints until a new picture is assigned. Coordinates are in the control's scale units (pixels
// once ScaleMode is 3): picture pixels, whatever the view. The view shows the picture at 100 %
// from the top-left corner until the user zooms or scrolls it; scroll bars appear when the
// picture does not fit (PictureBoxView.cpp).

#include "picture/PictureSurface.h"
#include "picture/ShownPicture.h"
#include "pixels/ColorVision.h"
#include "readout/Sampling.h"
#include "view/ViewMapping.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QScrollBar;
class QTimer;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScaleTwips = 1;
    static constexpr int kScalePixels = 3;

    explicit PictureBox(QWidget* parent = nullptr);

    // Assigning a picture shows it and discards everything drawn before. The empty picture
    // shows nothing but the background. An opaque picture is shown without a copy, also after
    // drawing. A new picture shows at 100 % from its top-left corner; with keepView, a picture of
    // the same size (the same picture in other colours) keeps the zoom and the scroll position.
    void setPicture(const ShownPicture& picture, bool keepView = false);
    // An image shown as it is, with no profile to apply, transparent parts over the background.
    void setPicture(const ArrivingImage& image, bool keepView = false);
    const ShownPicture& picture() const { return m_surface.picture(); }
    // The picture as shown, without the drawings and the background beyond it; an opaque
    // picture's own buffer.
    const QImage& shownImage() const { return picture().image(); }

    // The persistent image: the background, the picture and the drawings, covering at least the
    // drawing area.
    QImage Image() const;
    // The same in an area of the drawing surface (pixels, from its top-left corner), however
    // large the picture: only the area is copied.
    QImage Image(const QRect& area) const;

    int ScaleMode() const { return m_scaleMode; }
    void setScaleMode(int mode);

    // Colour of what is shown at (x, y): picture and drawings together; -1 outside the drawing
    // area (and for coordinates that are not finite numbers). The drawing area is the picture
    // and, where the control is larger, the control's size from the picture's top-left corner.
    ColorValue Point(float x, float y) const {
        return surface().Point(pixelIndex(x, m_unitsPerPixelX), pixelIndex(y, m_unitsPerPixelY));
    }
    // The colour of the pixel at (x, y), or of the square of pixels of the radius around it
    // averaged, and where it came from; nothing outside the drawing area.
    std::optional<Pick> PickAt(float x, float y, int radius) const;

    // The read-out's reading at (x, y): the colour of the pixel, or of the square of pixels of
    // the radius around it averaged, and where it came from (only its pixel and radius unless
    // withOrigin). Over a preview whose final colours have not arrived, it says only that
    // (PixelsArrived says when more have); Point and SumSquare would wait for them.
    Reading ReadAt(float x, float y, int radius, bool withOrigin) const {
        return surface().read(
            QPoint(pixelIndex(x, m_unitsPerPixelX), pixelIndex(y, m_unitsPerPixelY)), radius,
            withOrigin);
    }

    // The channel sums of the samples of the (2n+1)^2 square centred on (x, y) that lie inside
    // the drawing area: what summing Point sample by sample gives, read from the scan lines.
    ChannelSums SumSquare(float x, float y, int radius) const;

    ColorValue ForeColor() const { return m_foreColor; }
    void setForeColor(ColorValue color) { m_foreColor = color; }
    ColorValue BackColor() const { return Color::fromQColor(m_surface.background()).value(); }

    float CurrentX() const { return m_currentX; }
    float CurrentY() const { return m_currentY; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // A straight line in ForeColor, one pixel wide; the text position moves to its end.
    void Line(float x1, float y1, float x2, float y2);
    // Text with its top-left corner at the text position, in ForeColor without a background box,
    // followed by a line end: the position moves to the left edge of the next line.
    void Print(const QString& text);

    // The picture drawn as a colour vision sees it; Point, Image and every reading keep the
    // picture's own values.
    void setColorVision(ColorVision vision);
    ColorVision colorVision() const { return m_vision; }

    // A crosshair over the picture, not part of the persistent image (Point does not see it).
    void setMarker(std::optional<QPointF> at);
    std::optional<QPointF> marker() const { return m_marker; }

    // An area of the picture (in picture pixels) outlined over it, not part of the persistent
    // image either; none when empty.
    void setArea(const QRect& area);
    QRect area() const { return m_area; }
    // While on, the left button drags out an area (AreaDragged) instead of pressing on a point.
    void setAreaDragging(bool on);
    bool areaDragging() const { return m_areaDragging; }

    // Conversions between the scale units and the widget's pixels.
    QPointF toPixels(float x, float y) const;
    QPointF fromPixels(QPointF pixels) const;

    // The screen's device pixel where the pixel at (x, y) (scale units) shows (in the middle of
    // its block), where the window system says where windows are; the pointer put there names
    // that pixel.
    std::optional<QPoint> devicePixelOf(float x, float y) const;
    // The same as a logical screen position, for desktops that say nothing of device pixels.
    QPoint globalPointOf(float x, float y) const;

    // The view.
    const View::Mapping& view() const { return m_view; }
    double zoom() const { return m_view.zoom(); }
    // Counts every change of the view, so that a position worked out before can be told stale.
    quint64 viewSerial() const { return m_viewSerial; }
    // Zoom steps in (> 0) or out (< 0), an exact zoom, or the zoom that fits the picture in the
    // control, around a point of the widget (logical pixels), by default the view's centre.
    void zoomBy(int steps, std::optional<QPointF> around = std::nullopt);
    void setZoom(double zoom, std::optional<QPointF> around = std::nullopt);
    void fitInView();
    // Scrolls by device pixels, within the scroll limits.
    void scrollBy(QPoint devicePixels);
    // Scrolls the least that shows the whole pixel at (x, y) (scale units).
    void scrollToShow(float x, float y);
    // The part of the widget where the picture shows: all of it but the scroll bars.
    QRect viewRect() const { return m_viewRect; }
    // Whether the pointer, put on the pixel at (x, y), names that pixel: not so when a device
    // pixel shows several picture pixels.
    bool pointerCanName(float x, float y) const;
    // A point of the widget (logical pixels) in scale units through the view, and back.
    QPointF coordinatesAt(QPointF widgetPoint) const;
    QPointF widgetPointOf(float x, float y) const;
    // Where the last pointer event on the picture was, in scale units through the view as it is
    // now: exact to the device pixel, however the view changed since.
    std::optional<QPointF> lastPointerCoordinates() const;

signals:
    void MouseMove(int button, int shift, float x, float y);
    void MouseDown(int button, int shift, float x, float y);
    // The key code may be changed by a handler; a code of 0 consumes the key.
    void KeyDown(int& keyCode, int shift);
    // The user zoomed or scrolled: the pixel under the pointer may be another one now.
    void ViewChanged();
    // The area dragged out so far (picture pixels, within the picture); finished once the
    // button comes up.
    void AreaDragged(QRect area, bool finished);
    // More of a picture shown as a preview holds its final colours.
    void PixelsArrived();
    // Every row of a picture whose rows arrived after a first look is there (or the file ended).
    void ArrivalEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The surface, its canvas the control's size (which may change before any event says so).
    const PictureSurface& surface() const {
        m_surface.setCanvas(size());
        return m_surface;
    }
    PictureSurface& surface() {
        m_surface.setCanvas(size());
        return m_surface;
    }
    static int pixelIndex(float v, float unitsPerPixel) {
        const float p = std::floor(v / unitsPerPixel);
        // Far-off or non-finite coordinates are simply outside.
        if (!(p > -1.0e9f && p < 1.0e9f)) {
            return -1;
        }
        return static_cast<int>(p);
    }
    static QPointF pixelOf(QPointF p);
    // While a preview shows, the view is repainted as final rows replace it.
    void watchArrivals();
    // How the surface's pixels meet the screen's device pixels (see PictureBoxView.cpp).
    struct DeviceGrid {
        double ratio = 1;
        QPoint origin;                // the surface's first device pixel, from the window's
        std::optional<QPoint> window; // the window's device origin on the screen, when asked
    };
    DeviceGrid deviceGrid(bool askWindowSystem) const;
    // Where a pointer event is: the view's device pixel under it, from the event's position in
    // the window; or, for an event a program made (which has no such position), its logical
    // position in the widget.
    struct PointerSpot {
        bool exact = false;
        QPoint device;
        QPointF logical;
    };
    PointerSpot spotOf(const QPointF& position, const QPointF& scene) const;
    QPointF coordinatesOf(const PointerSpot& spot) const;
    bool inView(const PointerSpot& spot) const;
    QPointF anchorOf(std::optional<QPointF> widgetPoint) const;
    QPoint panPoint(const PointerSpot& spot) const;
    // Device pixels a logical size of the widget covers, from its first.
    QSize deviceSize(QSize logical) const;
    void paintView(QPainter& painter, const QRect& area, const DeviceGrid& grid);
    void paintMarker(QPainter& painter) const;
    void paintArea(QPainter& painter) const;
    // The picture pixel a spot lies on, kept within the picture.
    QPoint picturePixelOf(const PointerSpot& spot) const;
    // One device row of the view, zoomed out: each device pixel the average of the surface
    // pixels it covers (columns [spans[i], spans[i + 1])).
    void averageLine(QRgb* line, int deviceRow, const std::vector<int>& spans) const;
    // Fits the view and the scroll bars to the widget's size and the screen's scale.
    void layoutView();
    // Takes a new view: scroll bars, repaint, and ViewChanged when the user asked for it.
    void applyView(const View::Mapping& view, bool byUser);
    void scrollBarMoved();
    mutable PictureSurface m_surface;
    ColorValue m_foreColor = 0;
    std::optional<QPointF> m_marker; // scale units
    float m_currentX = 0;
    float m_currentY = 0;
    int m_scaleMode = kScaleTwips;
    float m_unitsPerPixelX = 15;
    float m_unitsPerPixelY = 15;

    View::Mapping m_view;
    quint64 m_viewSerial = 0;
    QRect m_viewRect; // logical, in the widget
    QScrollBar* m_horizontalBar = nullptr;
    QScrollBar* m_verticalBar = nullptr;
    bool m_layingOut = false;
    std::optional<PointerSpot> m_lastPointer;
    // Wheel turns toward the next zoom step (a notch is 120).
    int m_wheelZoom = 0;
    // A pan with the middle button: where it was pressed and where the pointer is now.
    struct Pan {
        PointerSpot pressed;
        QPoint last;
        bool moved = false;
    };
    std::optional<Pan> m_pan;
    QRect m_area;
    bool m_areaDragging = false;
    std::optional<QPoint> m_areaStart; // the pixel the area's drag started on
    QImage m_band; // rows of device pixels painted at a time, kept between repaints
    // A view zoomed out is painted pixel by pixel while it moves, averaged once it rests.
    bool m_settling = false;
    ColorVision m_vision = ColorVision::Normal;
    QTimer* m_settle = nullptr;
    QTimer* m_arrivals = nullptr; // while a preview shows, until its final rows have all arrived
    int m_finalRowsShown = 0;
};

// The whole pixel a coordinate falls in, bounded so that far-off or non-finite coordinates stay
// representable (they land far outside any widget).
int PixelOf(double v);
