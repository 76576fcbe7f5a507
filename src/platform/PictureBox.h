#pragma once
// The picture surface: shows a picture unscaled from its top-left corner and keeps a persistent
// image, so that lines and text drawn on it survive repaints until a new picture is assigned.
// Coordinates are in the surface's scale units (pixels once ScaleMode is 3).

#include "platform/ColorValue.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <optional>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScaleTwips = 1;
    static constexpr int kScalePixels = 3;

    explicit PictureBox(QWidget* parent = nullptr);

    // Assigning a picture shows it and discards everything drawn before. A null image is the
    // empty picture. An opaque 32-bit picture is shown without a copy until something is drawn.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // The pixels on show without the background beyond them; shares the picture's buffer until
    // something is drawn.
    const QImage& shownImage() const { return m_canvas; }

    // The persistent image: the background, the picture and the drawings, covering at least the
    // drawing area.
    QImage Image() const;

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
        if (ix < m_canvas.width() && iy < m_canvas.height()) {
            const QRgb p = reinterpret_cast<const QRgb*>(m_canvas.constScanLine(iy))[ix];
            return static_cast<ColorValue>(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
        }
        return m_backValue;
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
    static int pixelIndex(float v, float unitsPerPixel) {
        const float p = std::floor(v / unitsPerPixel);
        // Far-off or non-finite coordinates are simply outside.
        if (!(p > -1.0e9f && p < 1.0e9f)) {
            return -1;
        }
        return static_cast<int>(p);
    }
    void prepareCanvasForDrawing();

    QImage m_picture;
    QImage m_canvas; // Format_RGB32; shares m_picture's pixels until the first drawing
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
