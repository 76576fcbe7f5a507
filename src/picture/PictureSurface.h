#pragma once
// What a picture control shows and reads, without the control: a picture as shown, and the lines
// and text drawn on it, which last until another picture takes its place. The drawing area is
// the picture and, where the control is larger, the control's size from the picture's top-left
// corner (the canvas); beyond the picture it shows the background. Coordinates are pixels of the
// surface, from its top-left corner.

#include "list/Pick.h"
#include "picture/ShownPicture.h"
#include "pixels/PendingPixels.h"
#include "readout/Sampling.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What the read-out is told of a pixel or of the square around it.
struct Reading {
    // False over a preview whose final colours have not arrived yet; nothing more is said then.
    bool final = true;
    // The colour, with where it came from; nothing outside the drawing area.
    std::optional<Pick> pick;
};

class PictureSurface {
public:
    // The picture shown, discarding everything drawn before.
    void setPicture(ShownPicture picture);
    const ShownPicture& picture() const { return m_picture; }
    // What shows beyond the picture, and under a transparent one's pixels.
    void setBackground(const QColor& color);
    const QColor& background() const { return m_background; }
    // The control's size: the drawing area covers at least this much.
    void setCanvas(QSize size) { m_canvas = size; }
    QSize drawingArea() const { return m_picture.size().expandedTo(m_canvas); }

    // The colour shown at pixel (x, y), picture and drawings together; -1 outside the drawing
    // area. A pixel still arriving is waited for.
    ColorValue Point(int x, int y) const {
        const QSize area = drawingArea();
        if (x < 0 || y < 0 || x >= area.width() || y >= area.height()) {
            return -1;
        }
        m_picture.waitFor(QRect(x, y, 1, 1));
        return valueOf(pixel(x, y));
    }
    // The channel sums of the samples of the (2n+1)^2 square centred on (x, y) that lie inside
    // the drawing area: what summing Point sample by sample gives, read from the scan lines.
    ChannelSums SumSquare(int x, int y, int n) const;
    // The colour shown there, or the square's average (as the read-out reads it), and where it
    // came from; nothing outside the drawing area. Pixels still arriving are waited for.
    std::optional<Pick> pickAt(QPoint pixel, int radius) const;
    // The read-out's question, which does not wait over a preview. Where the colour came from
    // is read only with withOrigin (the stored value and the exact one cost more than the
    // colour); without, the pick names its pixel and radius alone.
    Reading read(QPoint pixel, int radius, bool withOrigin) const;

    // A straight line one pixel wide through the centres of the pixels at its ends, which belong
    // to it; a line of no length is its one pixel.
    void line(QPointF start, QPointF end, const QColor& color);
    // Text with its top-left corner at topLeft, in the colour without a background box and
    // without smoothing, so that every pixel of it is the colour.
    void text(QPointF topLeft, const QString& text, const QFont& font, const QColor& color);

    // The background, the picture and the drawings, covering the drawing area (waits for the
    // whole picture).
    QImage image() const;
    // The same in an area, however large the picture: only the area is copied.
    QImage image(const QRect& area) const;
    // What shows in target's area at origin; waits for pixels still arriving unless the caller
    // already holds them shown (a painting's hold: waiting there for final pixels would keep them
    // from ever replacing a preview).
    void copy(QImage& target, QPoint origin, bool shown = false) const;

    // For painting. The pixels of row y at the given columns of the surface (-1 before it,
    // anything past the drawing area's width after it): the background outside, else the drawing
    // or the picture. columns rise from left to right; [pictureFrom, pictureTo) are the entries
    // that fall inside the picture, and contiguous says they name consecutive columns.
    void row(int y, const std::vector<int>& columns, int pictureFrom, int pictureTo,
             bool contiguous, QRgb* line) const;
    // Every drawn tile that meets the area, with its top-left corner.
    void forEachDrawnTile(const QRect& area,
                          const std::function<void(QPoint at, const QImage& tile)>& paint) const;
    // What the view holds while it draws the area: until it lets go, the pixels there stay as
    // they are. Returns once the area holds something to show: final pixels, or a preview.
    PendingPixels::Showing show(const QRect& area) const;

private:
    // What is drawn lies in square tiles over the surface, made when something is first drawn
    // on them; the picture itself is never copied, so a tag costs about the area it covers.
    static constexpr int kTile = 64;
    using Tile = std::unique_ptr<QRgb[]>;

    static ColorValue valueOf(QRgb p) {
        return static_cast<ColorValue>(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
    }
    // The tile holding pixel (x, y) of the surface, or null where nothing is drawn.
    const QRgb* tileAt(int x, int y) const {
        if (m_tiles.empty() || x >= m_extent.width() || y >= m_extent.height()) {
            return nullptr;
        }
        return m_tiles[size_t(y / kTile) * size_t(m_tileColumns) + size_t(x / kTile)].get();
    }
    // A pixel of what is shown: drawing, picture or background.
    QRgb pixel(int x, int y) const {
        if (const QRgb* tile = tileAt(x, y)) {
            return tile[(y % kTile) * kTile + x % kTile];
        }
        const QImage& image = m_picture.image();
        if (x < image.width() && y < image.height()) {
            return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
        }
        return m_backgroundRgb;
    }
    // The colour at pixel, or of the square of radius n around it, with where it came from
    // (only its pixel and radius, unless withOrigin).
    std::optional<Pick> pickOf(QPoint pixel, int n, bool withOrigin) const;
    // Grows the tiles' grid to cover the drawing area, as a canvas grows under a larger box.
    void prepareForDrawing();
    // Runs paint on a scratch copy of the surface's pixels in area, then keeps the pixels it
    // changed in tiles.
    void draw(QRect area, const std::function<void(QPainter&)>& paint);
    void keepChanges(const QImage& scratch, QPoint origin);
    QRgb* makeTile(int column, int row);

    ShownPicture m_picture;
    QColor m_background = Qt::white;
    QRgb m_backgroundRgb = 0xffffffff;
    QSize m_canvas{0, 0};
    QSize m_extent{0, 0}; // what the tiles' grid covers: the picture's size, grown by drawing
    int m_tileColumns = 0;
    std::vector<Tile> m_tiles; // row by row over the surface; empty until something is drawn
};
