#include "controls/PictureBox.h"

#include "desktop/Twips.h"
#include "pixels/PixelBuffer.h"

#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <climits>

int PixelOf(double v) {
    constexpr double kFar = 1.0e6;
    return std::isfinite(v) ? static_cast<int>(std::floor(std::clamp(v, -kFar, kFar)))
                            : static_cast<int>(-kFar);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_backColor = palette().color(QPalette::Button);
    m_backValue = Color::fromQColor(m_backColor).value();
    setScaleMode(kScaleTwips);
    m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
    m_verticalBar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {m_horizontalBar, m_verticalBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &PictureBox::scrollBarMoved);
    }
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(150);
    connect(m_settle, &QTimer::timeout, this, [this] {
        m_settling = false;
        update(m_viewRect);
    });
    m_arrivals = new QTimer(this);
    m_arrivals->setInterval(100);
    connect(m_arrivals, &QTimer::timeout, this, &PictureBox::watchArrivals);
    m_horizontalBar->setAccessibleName(tr("Scroll the picture sideways"));
    m_verticalBar->setAccessibleName(tr("Scroll the picture up and down"));
}

void PictureBox::setScaleMode(int mode) {
    m_scaleMode = mode == kScalePixels ? kScalePixels : kScaleTwips;
    if (m_scaleMode == kScalePixels) {
        m_unitsPerPixelX = 1;
        m_unitsPerPixelY = 1;
    } else {
        m_unitsPerPixelX = static_cast<float>(TwipsPerPixelX());
        m_unitsPerPixelY = static_cast<float>(TwipsPerPixelY());
    }
}

QPointF PictureBox::toPixels(float x, float y) const {
    return {x / m_unitsPerPixelX, y / m_unitsPerPixelY};
}

QPointF PictureBox::fromPixels(QPointF pixels) const {
    return {pixels.x() * m_unitsPerPixelX, pixels.y() * m_unitsPerPixelY};
}

bool PictureBox::PixelsFinal(float x, float y, int radius) const {
    if (!m_pending || !m_pending->showsPreview()) {
        return true;
    }
    // The samples lie within radius units of (x, y), in this scale mode's units.
    const float n = static_cast<float>(std::max(radius, 0));
    const int left = pixelIndex(x - n, m_unitsPerPixelX);
    const int top = pixelIndex(y - n, m_unitsPerPixelY);
    const int right = pixelIndex(x + n, m_unitsPerPixelX);
    const int bottom = pixelIndex(y + n, m_unitsPerPixelY);
    const QRect square =
        QRect(QPoint(std::max(left, 0), std::max(top, 0)), QPoint(right, bottom)) & m_base.rect();
    return square.isEmpty() || m_pending->holds(square);
}

ChannelSums PictureBox::SumSquare(float x, float y, int radius) const {
    const int n = std::max(radius, 0);
    if (m_scaleMode != kScalePixels) {
        return SumSquareByPoint([this](float px, float py) { return Point(px, py); }, x, y, n);
    }
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    // Far-off or non-finite: every sample is outside.
    if (!(fx > -1.0e6f && fx < 1.0e6f && fy > -1.0e6f && fy < 1.0e6f)) {
        return {};
    }
    const int cx = static_cast<int>(fx);
    const int cy = static_cast<int>(fy);
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
    awaitPixels(QRect(QPoint(x0, y0), QPoint(x1, y1)));
    bool drawn = false;
    if (!m_tiles.empty()) {
        for (int row = y0 / kTile; row <= y1 / kTile && !drawn; ++row) {
            for (int column = x0 / kTile; column <= x1 / kTile && !drawn; ++column) {
                drawn = tileAt(column * kTile, row * kTile) != nullptr;
            }
        }
    }
    if (drawn) {
        for (int row = y0; row <= y1; ++row) {
            for (int x = x0; x <= x1; ++x) {
                const QRgb p = surfacePixel(x, row);
                sums.red += qRed(p);
                sums.green += qGreen(p);
                sums.blue += qBlue(p);
            }
        }
        sums.count += (x1 - x0 + 1) * (y1 - y0 + 1);
        return sums;
    }
    // Nothing drawn here: the part the picture covers is read from its scan lines and the rest
    // shows the background.
    const int baseX1 = std::min(x1, m_base.width() - 1);
    for (int row = y0; row <= y1; ++row) {
        int x = x0;
        if (row < m_base.height() && x0 <= baseX1) {
            const auto* line = reinterpret_cast<const QRgb*>(m_base.constScanLine(row));
            for (; x <= baseX1; ++x) {
                sums.red += qRed(line[x]);
                sums.green += qGreen(line[x]);
                sums.blue += qBlue(line[x]);
            }
            sums.count += baseX1 - x0 + 1;
        }
        if (x <= x1) {
            sums.add(m_backValue, x1 - x + 1);
        }
    }
    return sums;
}

void PictureBox::setPicture(const ArrivingImage& arriving, bool keepView) {
    const QImage& picture = arriving.image;
    const bool sameView = keepView && !picture.isNull() && picture.size() == m_picture.size();
    m_picture = picture;
    m_pending = arriving.arriving() ? arriving.pending : nullptr;
    m_finalRowsShown = 0;
    if (m_pending && m_pending->showsPreview()) {
        m_arrivals->start();
    } else {
        m_arrivals->stop();
    }
    m_tiles.clear();
    m_tileColumns = 0;
    if (picture.isNull()) {
        m_base = QImage();
    } else if (picture.format() == QImage::Format_RGB32) {
        m_base = picture; // shared, never drawn on
    } else {
        // Transparent parts show the surface's background, as they are shown on screen.
        QImage base = NewPicture(picture.size(), QImage::Format_RGB32);
        base.fill(m_backColor);
        QPainter painter(&base);
        painter.drawImage(0, 0, picture);
        painter.end();
        m_base = base;
    }
    m_extent = m_base.size();
    if (!sameView) {
        // A new picture shows at 100 % from its top-left corner.
        m_view = View::Mapping(m_base.size(), 1, m_view.ratio(), m_view.view(), QPoint());
        ++m_viewSerial;
        layoutView();
    }
    update();
}

void PictureBox::watchArrivals() {
    if (!m_pending) {
        m_arrivals->stop();
        return;
    }
    const bool complete = m_pending->complete();
    const int rows = complete ? m_base.height() : m_pending->finalRows();
    // Repainted when rows the view shows became final.
    const int top = m_view.y().pixelAt(0);
    const int bottom = m_view.y().pixelAt(m_view.view().height() - 1);
    if (rows > m_finalRowsShown && rows > top && m_finalRowsShown <= bottom) {
        update(m_viewRect);
    }
    if (rows > m_finalRowsShown) {
        m_finalRowsShown = rows;
        emit PixelsArrived();
    }
    if (complete) {
        m_arrivals->stop();
        m_pending = nullptr;
    }
}

void PictureBox::prepareSurfaceForDrawing() {
    const QSize extent = m_extent.expandedTo(size());
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

QRgb* PictureBox::makeTile(int column, int row) {
    Tile& slot = m_tiles[size_t(row) * size_t(m_tileColumns) + size_t(column)];
    if (!slot) {
        // Filled with what shows there before it takes its place.
        Tile tile = std::make_unique<QRgb[]>(size_t(kTile) * kTile);
        QImage pixels(reinterpret_cast<uchar*>(tile.get()), kTile, kTile, kTile * 4,
                      QImage::Format_RGB32);
        copySurface(pixels, QPoint(column * kTile, row * kTile));
        slot = std::move(tile);
    }
    return slot.get();
}

// What the surface shows (drawings, picture, background) in target's area at origin.
void PictureBox::copySurface(QImage& target, QPoint origin, bool shown) const {
    if (!shown) {
        awaitPixels(QRect(origin, target.size()));
    }
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
            } else if (sy < m_base.height() && sx < m_base.width()) {
                const int inPicture = std::min(run, m_base.width() - sx);
                std::copy_n(reinterpret_cast<const QRgb*>(m_base.constScanLine(sy)) + sx, inPicture,
                            line + x);
                std::fill_n(line + x + inPicture, run - inPicture, m_backColor.rgb());
            } else {
                std::fill_n(line + x, run, m_backColor.rgb());
            }
            x += run;
        }
    }
}

// Writes the scratch pixels back: into tiles where they exist, and into new tiles only where
// something changed.
void PictureBox::keepChanges(const QImage& scratch, QPoint origin) {
    const QRect area(origin, scratch.size());
    for (int row = area.top() / kTile; row <= area.bottom() / kTile; ++row) {
        for (int column = area.left() / kTile; column <= area.right() / kTile; ++column) {
            const QRect part = area & QRect(column * kTile, row * kTile, kTile, kTile);
            QRgb* tile = m_tiles[size_t(row) * size_t(m_tileColumns) + size_t(column)].get();
            for (int y = part.top(); y <= part.bottom() && tile == nullptr; ++y) {
                const auto* line =
                    reinterpret_cast<const QRgb*>(scratch.constScanLine(y - origin.y()));
                for (int x = part.left(); x <= part.right(); ++x) {
                    if (line[x - origin.x()] != surfacePixel(x, y)) {
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

void PictureBox::drawOnSurface(QRect area, const std::function<void(QPainter&)>& paint) {
    prepareSurfaceForDrawing();
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
        copySurface(scratch, part.topLeft());
        QPainter painter(&scratch);
        painter.translate(-part.topLeft());
        paint(painter);
        painter.end();
        keepChanges(scratch, part.topLeft());
    }
}

QImage PictureBox::Image() const {
    // A printout takes the whole picture.
    awaitPixels(m_base.rect());
    QImage image(m_extent.expandedTo(size()), QImage::Format_RGB32);
    image.fill(m_backColor);
    if (!m_base.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_base);
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

QImage PictureBox::Image(const QRect& area) const {
    awaitPixels(m_base.rect());
    const QRect inside = area.intersected(QRect(0, 0, INT_MAX / 2, INT_MAX / 2));
    if (inside.isEmpty()) {
        return QImage();
    }
    QImage image(inside.size(), QImage::Format_RGB32);
    copySurface(image, inside.topLeft());
    return image;
}

namespace {
// A rectangle around coordinates that may be far off: its corners are kept within reach of
// int, far beyond any surface.
QRect ReachOf(QPointF a, QPointF b, int margin) {
    const auto bound = [](double v) {
        constexpr double kFar = 1.0e6;
        return std::isfinite(v) ? std::clamp(v, -kFar, kFar) : kFar;
    };
    const int left = PixelOf(std::min(bound(a.x()), bound(b.x())));
    const int right = PixelOf(std::max(bound(a.x()), bound(b.x())));
    const int top = PixelOf(std::min(bound(a.y()), bound(b.y())));
    const int bottom = PixelOf(std::max(bound(a.y()), bound(b.y())));
    return QRect(QPoint(left, top), QPoint(right, bottom))
        .adjusted(-margin, -margin, margin, margin);
}
} // namespace

void PictureBox::Line(float x1, float y1, float x2, float y2) {
    // A position names the pixel it lies in.
    const QPointF start = pixelOf(toPixels(x1, y1));
    const QPointF end = pixelOf(toPixels(x2, y2));
    const QColor color = QColorOf(m_foreColor);
    drawOnSurface(ReachOf(start, end, 2), [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(color, 0));
        // Through pixel centres.
        const QPointF offset(0.5, 0.5);
        painter.drawLine(start + offset, end + offset);
        // Both ends belong to the line, even a line of no length.
        painter.drawPoint(QPoint(PixelOf(end.x()), PixelOf(end.y())));
    });
    m_currentX = x2;
    m_currentY = y2;
    update();
}

void PictureBox::Print(const QString& text) {
    QFont textFont = font();
    // Crisp glyphs: every pixel of the label is exactly the drawing colour.
    textFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(textFont);
    const QPointF topLeft = pixelOf(toPixels(m_currentX, m_currentY));
    const QColor color = QColorOf(m_foreColor);
    // Generous: glyphs may reach beyond their advance and line height.
    const int reach = metrics.height() * 2;
    const QRect area =
        ReachOf(topLeft, topLeft + QPointF(metrics.horizontalAdvance(text), 0), reach);
    drawOnSurface(area, [&](QPainter& painter) {
        painter.setFont(textFont);
        painter.setPen(color);
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    });
    m_currentX = 0;
    m_currentY = static_cast<float>(fromPixels(QPointF(0, topLeft.y() + metrics.height())).y());
    update();
}

void PictureBox::setMarker(std::optional<QPointF> at) {
    m_marker = at;
    update();
}

QPointF PictureBox::pixelOf(QPointF p) {
    return {std::floor(p.x()), std::floor(p.y())};
}
