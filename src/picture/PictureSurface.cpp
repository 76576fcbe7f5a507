#include "picture/PictureSurface.h"

#include "pixels/PixelBuffer.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstring>

void PictureSurface::setPicture(ShownPicture picture) {
    m_picture = std::move(picture);
    m_tiles.clear();
    m_tileColumns = 0;
    m_extent = m_picture.size();
}

void PictureSurface::setBackground(const QColor& color) {
    m_background = color;
    m_backgroundRgb = color.rgb();
}

ChannelSums PictureSurface::SumSquare(int cx, int cy, int n) const {
    n = std::max(n, 0);
    // The square clipped to the drawing area.
    const QSize area = drawingArea();
    const int x0 = std::max(cx - n, 0);
    const int x1 = std::min(cx + n, area.width() - 1);
    const int y0 = std::max(cy - n, 0);
    const int y1 = std::min(cy + n, area.height() - 1);
    ChannelSums sums;
    if (x0 > x1 || y0 > y1) {
        return sums;
    }
    bool drawn = false;
    if (!m_tiles.empty()) {
        for (int row = y0 / kTile; row <= y1 / kTile && !drawn; ++row) {
            for (int column = x0 / kTile; column <= x1 / kTile && !drawn; ++column) {
                drawn = tileAt(column * kTile, row * kTile) != nullptr;
            }
        }
    }
    if (!drawn) {
        // Nothing drawn here: the part the picture covers is its own reading, and the rest
        // shows the background.
        const QRect square(QPoint(x0, y0), QPoint(x1, y1));
        sums = m_picture.sumsIn(square);
        sums.add(valueOf(m_backgroundRgb), qint64(square.width()) * square.height() - sums.count);
        return sums;
    }
    m_picture.waitFor(QRect(QPoint(x0, y0), QPoint(x1, y1)));
    for (int row = y0; row <= y1; ++row) {
        for (int x = x0; x <= x1; ++x) {
            const QRgb p = pixel(x, row);
            sums.red += qRed(p);
            sums.green += qGreen(p);
            sums.blue += qBlue(p);
        }
    }
    sums.count += qint64(x1 - x0 + 1) * (y1 - y0 + 1);
    return sums;
}

std::optional<Pick> PictureSurface::pickOf(QPoint at, int n, bool withOrigin) const {
    const ColorValue color =
        n == 0 ? Point(at.x(), at.y()) : AverageOf(SumSquare(at.x(), at.y(), n));
    if (color < 0) {
        return std::nullopt;
    }
    PickOrigin origin;
    if (withOrigin) {
        origin = m_picture.originAt(at, n);
    } else {
        origin.position = at;
        origin.radius = n;
    }
    return Pick(Color::fromValue(color), QString(), std::move(origin));
}

std::optional<Pick> PictureSurface::pickAt(QPoint at, int radius) const {
    return pickOf(at, std::clamp(radius, kMinRadius, kMaxRadius), true);
}

Reading PictureSurface::read(QPoint at, int radius, bool withOrigin) const {
    const int n = std::clamp(radius, kMinRadius, kMaxRadius);
    if (!m_picture.final(QRect(at.x() - n, at.y() - n, 2 * n + 1, 2 * n + 1))) {
        return {false, std::nullopt};
    }
    return {true, pickOf(at, n, withOrigin)};
}

void PictureSurface::prepareForDrawing() {
    const QSize extent = m_extent.expandedTo(m_canvas);
    if (extent == m_extent && !m_tiles.empty()) {
        return;
    }
    // Tiles keep their place on the surface when it grows.
    const int columns = (extent.width() + kTile - 1) / kTile;
    const int rows = (extent.height() + kTile - 1) / kTile;
    std::vector<Tile> tiles(size_t(columns) * size_t(rows));
    for (size_t i = 0; i < m_tiles.size(); ++i) {
        if (m_tiles[i]) {
            const size_t row = i / size_t(m_tileColumns);
            const size_t column = i % size_t(m_tileColumns);
            tiles[row * size_t(columns) + column] = std::move(m_tiles[i]);
        }
    }
    m_tiles = std::move(tiles);
    m_tileColumns = columns;
    m_extent = extent;
}

QRgb* PictureSurface::makeTile(int column, int row) {
    Tile& slot = m_tiles[size_t(row) * size_t(m_tileColumns) + size_t(column)];
    if (!slot) {
        // Filled with what shows there before it takes its place.
        Tile tile = std::make_unique<QRgb[]>(size_t(kTile) * kTile);
        QImage pixels(reinterpret_cast<uchar*>(tile.get()), kTile, kTile, kTile * 4,
                      QImage::Format_RGB32);
        copy(pixels, QPoint(column * kTile, row * kTile));
        slot = std::move(tile);
    }
    return slot.get();
}

void PictureSurface::copy(QImage& target, QPoint origin, bool shown) const {
    if (!shown) {
        m_picture.waitFor(QRect(origin, target.size()));
    }
    const QImage& base = m_picture.image();
    for (int y = 0; y < target.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const int sy = origin.y() + y;
        for (int x = 0; x < target.width();) {
            const int sx = origin.x() + x;
            // One run at a time: the rest of a tile's row, or of the picture's, or background.
            const int tileEnd = (sx / kTile + 1) * kTile;
            const int run = std::min(target.width() - x, tileEnd - sx);
            if (const QRgb* tile = tileAt(sx, sy)) {
                std::copy_n(tile + (sy % kTile) * kTile + sx % kTile, run, line + x);
            } else if (sy < base.height() && sx < base.width()) {
                const int inPicture = std::min(run, base.width() - sx);
                std::copy_n(reinterpret_cast<const QRgb*>(base.constScanLine(sy)) + sx, inPicture,
                            line + x);
                std::fill_n(line + x + inPicture, run - inPicture, m_backgroundRgb);
            } else {
                std::fill_n(line + x, run, m_backgroundRgb);
            }
            x += run;
        }
    }
}

// Writes the scratch pixels back: into tiles where they exist, and into new tiles only where
// something changed.
void PictureSurface::keepChanges(const QImage& scratch, QPoint origin) {
    const QRect area(origin, scratch.size());
    for (int row = area.top() / kTile; row <= area.bottom() / kTile; ++row) {
        for (int column = area.left() / kTile; column <= area.right() / kTile; ++column) {
            const QRect part = area & QRect(column * kTile, row * kTile, kTile, kTile);
            QRgb* tile = m_tiles[size_t(row) * size_t(m_tileColumns) + size_t(column)].get();
            for (int y = part.top(); y <= part.bottom() && tile == nullptr; ++y) {
                const auto* line =
                    reinterpret_cast<const QRgb*>(scratch.constScanLine(y - origin.y()));
                for (int x = part.left(); x <= part.right(); ++x) {
                    if (line[x - origin.x()] != pixel(x, y)) {
                        tile = makeTile(column, row);
                        break;
                    }
                }
            }
            if (tile == nullptr) {
                continue;
            }
            for (int y = part.top(); y <= part.bottom(); ++y) {
                const auto* line =
                    reinterpret_cast<const QRgb*>(scratch.constScanLine(y - origin.y()));
                std::copy_n(line + (part.left() - origin.x()), part.width(),
                            tile + (y % kTile) * kTile + part.left() % kTile);
            }
        }
    }
}

void PictureSurface::draw(QRect area, const std::function<void(QPainter&)>& paint) {
    prepareForDrawing();
    // The scratch copy is larger than what paint reaches, so only the surface's own edges clip
    // a drawing, exactly where they clipped it on a canvas of the surface's size. (Where a
    // drawing is clipped decides which pixels a line steps through.) Only an area beyond 256 MiB,
    // a line across a huge picture, goes a band of rows at a time, where a line may then step
    // a pixel aside at a band's edge.
    const QRect clipped = area & QRect(QPoint(0, 0), m_extent);
    if (clipped.isEmpty()) {
        return;
    }
    constexpr qint64 kBandPixels = qint64(64) << 20;
    const int band = int(std::clamp<qint64>(kBandPixels / clipped.width(), 1, clipped.height()));
    for (int top = clipped.top(); top <= clipped.bottom(); top += band) {
        const QRect part(clipped.left(), top, clipped.width(),
                         std::min(band, clipped.bottom() - top + 1));
        QImage scratch = NewPicture(part.size(), QImage::Format_RGB32);
        if (scratch.isNull()) {
            return; // no memory for it: the drawing is left out
        }
        copy(scratch, part.topLeft());
        QPainter painter(&scratch);
        painter.translate(-part.topLeft());
        paint(painter);
        painter.end();
        keepChanges(scratch, part.topLeft());
    }
}

namespace {
// Pixel coordinates that may lie far off, kept within reach of int, far beyond any surface.
int Bounded(double v) {
    constexpr double kFar = 1.0e6;
    return static_cast<int>(std::floor(std::isfinite(v) ? std::clamp(v, -kFar, kFar) : kFar));
}

// A rectangle around two points, with a margin.
QRect ReachOf(QPointF a, QPointF b, int margin) {
    const int left = std::min(Bounded(a.x()), Bounded(b.x()));
    const int right = std::max(Bounded(a.x()), Bounded(b.x()));
    const int top = std::min(Bounded(a.y()), Bounded(b.y()));
    const int bottom = std::max(Bounded(a.y()), Bounded(b.y()));
    return QRect(QPoint(left, top), QPoint(right, bottom))
        .adjusted(-margin, -margin, margin, margin);
}
} // namespace

void PictureSurface::line(QPointF start, QPointF end, const QColor& color) {
    draw(ReachOf(start, end, 2), [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(color, 0));
        // Through pixel centres.
        const QPointF offset(0.5, 0.5);
        painter.drawLine(start + offset, end + offset);
        // Both ends belong to the line, even a line of no length.
        painter.drawPoint(QPoint(Bounded(end.x()), Bounded(end.y())));
    });
}

void PictureSurface::text(QPointF topLeft, const QString& text, const QFont& font,
                          const QColor& color) {
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(crisp);
    // Generous: glyphs may reach beyond their advance and line height.
    const int reach = metrics.height() * 2;
    const QRect area =
        ReachOf(topLeft, topLeft + QPointF(metrics.horizontalAdvance(text), 0), reach);
    draw(area, [&](QPainter& painter) {
        painter.setFont(crisp);
        painter.setPen(color);
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    });
}

QImage PictureSurface::image() const {
    // A printout takes the whole picture.
    const QImage& base = m_picture.whole();
    QImage image(m_extent.expandedTo(m_canvas), QImage::Format_RGB32);
    image.fill(m_background);
    if (!base.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, base);
    }
    // Where something is drawn, the tiles hold what is shown.
    for (size_t i = 0; i < m_tiles.size(); ++i) {
        if (!m_tiles[i]) {
            continue;
        }
        const int left = int(i % size_t(m_tileColumns)) * kTile;
        const int top = int(i / size_t(m_tileColumns)) * kTile;
        const int columns = std::min(kTile, m_extent.width() - left);
        for (int y = top; y < std::min(top + kTile, m_extent.height()); ++y) {
            std::copy_n(m_tiles[i].get() + (y - top) * kTile, columns,
                        reinterpret_cast<QRgb*>(image.scanLine(y)) + left);
        }
    }
    return image;
}

QImage PictureSurface::image(const QRect& area) const {
    m_picture.whole();
    const QRect inside = area.intersected(QRect(0, 0, INT_MAX / 2, INT_MAX / 2));
    if (inside.isEmpty()) {
        return QImage();
    }
    QImage image(inside.size(), QImage::Format_RGB32);
    copy(image, inside.topLeft());
    return image;
}

void PictureSurface::row(int y, const std::vector<int>& columns, int pictureFrom, int pictureTo,
                         bool contiguous, QRgb* line) const {
    const int span = int(columns.size());
    const QSize drawn = drawingArea();
    if (y < 0 || y >= drawn.height()) {
        std::fill_n(line, span, m_backgroundRgb);
        return;
    }
    const QImage& image = m_picture.image();
    const QRgb* base =
        y < image.height() ? reinterpret_cast<const QRgb*>(image.constScanLine(y)) : nullptr;
    // The tiles of this row of tiles, where any is drawn.
    const Tile* tiles = nullptr;
    if (!m_tiles.empty() && y < m_extent.height()) {
        const Tile* first = m_tiles.data() + size_t(y / kTile) * size_t(m_tileColumns);
        if (std::any_of(first, first + m_tileColumns, [](const Tile& t) { return bool(t); })) {
            tiles = first;
        }
    }
    const bool anyTile = tiles != nullptr;
    if (!anyTile) {
        const int to = base != nullptr ? pictureTo : pictureFrom;
        std::fill_n(line, pictureFrom, m_backgroundRgb);
        if (contiguous && to > pictureFrom) {
            std::memcpy(line + pictureFrom, base + columns[size_t(pictureFrom)],
                        size_t(to - pictureFrom) * 4);
        } else {
            for (int i = pictureFrom; i < to; ++i) {
                line[i] = base[columns[size_t(i)]];
            }
        }
        std::fill_n(line + to, span - to, m_backgroundRgb);
        return;
    }
    const int baseEnd = base != nullptr ? image.width() : 0;
    for (int i = 0; i < span; ++i) {
        const int x = columns[size_t(i)];
        if (x < 0) {
            line[i] = m_backgroundRgb;
        } else if (const QRgb* tile = x < m_extent.width() ? tiles[x / kTile].get() : nullptr) {
            line[i] = tile[(y % kTile) * kTile + x % kTile];
        } else {
            line[i] = x < baseEnd ? base[x] : m_backgroundRgb;
        }
    }
}

void PictureSurface::forEachDrawnTile(
    const QRect& area, const std::function<void(QPoint at, const QImage& tile)>& paint) const {
    const QRect dirty = area & QRect(QPoint(0, 0), m_extent);
    for (int row = dirty.top() / kTile; !dirty.isEmpty() && row <= dirty.bottom() / kTile; ++row) {
        for (int column = dirty.left() / kTile; column <= dirty.right() / kTile; ++column) {
            if (const QRgb* tile = tileAt(column * kTile, row * kTile)) {
                const QImage pixels(reinterpret_cast<const uchar*>(tile), kTile, kTile, kTile * 4,
                                    QImage::Format_RGB32);
                paint(QPoint(column * kTile, row * kTile), pixels);
            }
        }
    }
}

PendingPixels::Showing PictureSurface::show(const QRect& area) const {
    const std::shared_ptr<const PendingPixels>& arriving = m_picture.arriving();
    return arriving ? arriving->show(area & m_picture.rect()) : PendingPixels::Showing();
}
