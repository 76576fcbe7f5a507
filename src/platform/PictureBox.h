#pragma once
// The picture surface: shows a picture unscaled from its top-left corner and keeps a persistent
// image, so that lines and text drawn on it survive repaints until a new picture is assigned.
// Coordinates are in the surface's scale units (pixels once ScaleMode is 3).

#include "platform/ColorValue.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScaleTwips = 1;
    static constexpr int kScalePixels = 3;

    explicit PictureBox(QWidget* parent = nullptr);

    // Assigning a picture shows it and discards everything drawn before. A null image is the
    // empty picture. An opaque 32-bit picture is shown without a copy, also after drawing.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // The picture as shown, without the drawings and the background beyond it; an opaque
    // picture's own buffer.
    const QImage& shownImage() const { return m_base; }

    // The persistent image: the background, the picture and the drawings, covering at least the
    // drawing area.
    QImage Image() const;
    // The same in an area of the drawing surface (pixels, from its top-left corner), however
    // large the picture: only the area is copied.
    QImage Image(const QRect& area) const;

    int ScaleMode() const { return m_scaleMode; }
    void setScaleMode(int mode);

    // Colour of what is shown at (x, y): picture and drawings together; -1 outside the drawing
    // area (and for coordinates that are not finite numbers).
    ColorValue Point(float x, float y) const {
        const int ix = pixelIndex(x, m_unitsPerPixelX);
        const int iy = pixelIndex(y, m_unitsPerPixelY);
        if (ix < 0 || iy < 0 || ix >= width() || iy >= height()) {
            return -1;
        }
        return valueOf(surfacePixel(ix, iy));
    }

    // The channel sums of the samples of the (2n+1)^2 square centred on (x, y) that lie inside
    // the drawing area: what summing Point sample by sample gives, read from the scan lines.
    ChannelSums SumSquare(float x, float y, int radius) const;

    ColorValue ForeColor() const { return m_foreColor; }
    void setForeColor(ColorValue color) { m_foreColor = color; }
    ColorValue BackColor() const { return m_backValue; }

    float CurrentX() const { return m_currentX; }
    float CurrentY() const { return m_currentY; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // A straight line in ForeColor, one pixel wide; the text position moves to its end.
    void Line(float x1, float y1, float x2, float y2);
    // Text with its top-left corner at the text position, in ForeColor without a background box,
    // followed by a line end: the position moves to the left edge of the next line.
    void Print(const QString& text);

    // A crosshair over the picture, not part of the persistent image (Point does not see it).
    void setMarker(std::optional<QPointF> at);
    std::optional<QPointF> marker() const { return m_marker; }

    // Conversions between the scale units and the widget's pixels.
    QPointF toPixels(float x, float y) const;
    QPointF fromPixels(QPointF pixels) const;

    // The screen's device pixel where the pixel at (x, y) (scale units) shows, where the window
    // system says where windows are; the pointer put there names that pixel.
    std::optional<QPoint> devicePixelOf(float x, float y) const;

signals:
    void MouseMove(int button, int shift, float x, float y);
    void MouseDown(int button, int shift, float x, float y);
    // The key code may be changed by a handler; a code of 0 consumes the key.
    void KeyDown(int& keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What is drawn lies in square tiles over the surface, made when something is first drawn
    // on them; the picture itself is never copied, so a tag costs about the area it covers.
    static constexpr int kTile = 64;
    using Tile = std::unique_ptr<QRgb[]>;

    static ColorValue valueOf(QRgb p) {
        return static_cast<ColorValue>(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
    }
    // The tile holding pixel (x, y) of the drawing surface, or null where nothing is drawn.
    const QRgb* tileAt(int x, int y) const {
        if (m_tiles.empty() || x >= m_extent.width() || y >= m_extent.height()) {
            return nullptr;
        }
        return m_tiles[size_t(y / kTile) * size_t(m_tileColumns) + size_t(x / kTile)].get();
    }
    // A pixel of what is shown inside the widget: drawing, picture or background.
    QRgb surfacePixel(int x, int y) const {
        if (const QRgb* tile = tileAt(x, y)) {
            return tile[(y % kTile) * kTile + x % kTile];
        }
        if (x < m_base.width() && y < m_base.height()) {
            return reinterpret_cast<const QRgb*>(m_base.constScanLine(y))[x];
        }
        return m_backColor.rgb();
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
    QPointF pointerPixels(const QMouseEvent* event) const;
    // How the surface's pixels meet the screen's device pixels (see PictureBox.cpp).
    struct DeviceGrid {
        double ratio = 1;
        QPoint origin;                // the surface's first device pixel, from the window's
        std::optional<QPoint> window; // the window's device origin on the screen, when asked
    };
    DeviceGrid deviceGrid(bool askWindowSystem) const;
    void paintScaled(QPainter& painter, const QRect& area, const DeviceGrid& grid) const;
    // Grows the drawing surface to cover the widget, as a canvas grows under a larger box.
    void prepareSurfaceForDrawing();
    // Runs paint on a scratch copy of the surface's pixels in area (picture pixels), then keeps
    // the pixels it changed in tiles.
    void drawOnSurface(QRect area, const std::function<void(QPainter&)>& paint);
    void copySurface(QImage& target, QPoint origin) const;
    void keepChanges(const QImage& scratch, QPoint origin);
    QRgb* makeTile(int column, int row);

    QImage m_picture;
    QImage m_base; // Format_RGB32: the picture as shown (composed over the background if it has
                   // transparent parts), sharing the picture's pixels when it is opaque
    QSize m_extent{0,
                   0}; // the drawing surface: the picture's size, grown to the widget's by drawing
    int m_tileColumns = 0;
    std::vector<Tile> m_tiles; // row by row over the surface; empty until something is drawn
    QColor m_backColor;
    ColorValue m_backValue = 0;
    ColorValue m_foreColor = 0;
    std::optional<QPointF> m_marker; // scale units
    float m_currentX = 0;
    float m_currentY = 0;
    int m_scaleMode = kScaleTwips;
    float m_unitsPerPixelX = 15;
    float m_unitsPerPixelY = 15;
};

// The whole pixel a coordinate falls in, bounded so that far-off or non-finite coordinates stay
// representable (they land far outside any widget).
int PixelOf(double v);
