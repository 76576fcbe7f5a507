// The picture surface's view: painting at any zoom and scale factor, scrolling, zooming, and
// pointer events mapped back to picture pixels through the same rule.

#include "controls/KeyCodes.h"
#include "controls/PictureBox.h"
#include "desktop/NativeWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

// On a scaled screen a pixel of the surface spans more than one device pixel, or a fraction of
// one, and a zoom multiplies that. Device pixel w of the view shows surface pixel
// floor((w + offset) / scale) (View::Mapping); the surface paints its device pixels itself rather
// than leave that to the toolkit's scaling, and pointer events are taken back through the same
// rule, so the pixel a pointer names is the one it is over. A widget's event position is too
// coarse for this (it is rounded to whole logical pixels); its position in the window is not.

namespace {
// A notch of a mouse wheel.
constexpr int kWheelNotch = 120;
// Logical pixels a wheel's line scrolls, as lists and editors scroll.
constexpr int kScrollLine = 20;
// Rows of device pixels painted at a time: a band of at most this many bytes.
constexpr qint64 kBandBytes = qint64(1) << 20;
} // namespace

PictureBox::DeviceGrid PictureBox::deviceGrid(bool askWindowSystem) const {
    DeviceGrid grid;
    grid.ratio = devicePixelRatioF();
    const QWidget* top = window();
    const QPoint at = mapTo(top, QPoint(0, 0));
    grid.origin =
        QPoint(View::DeviceCorner(at.x(), grid.ratio), View::DeviceCorner(at.y(), grid.ratio));
    if (askWindowSystem) {
        grid.window = NativeWindowOrigin(top);
    }
    return grid;
}

QSize PictureBox::deviceSize(QSize logical) const {
    const DeviceGrid grid = deviceGrid(false);
    const QPointF at = QPointF(mapTo(window(), QPoint(0, 0)));
    // Device pixels from the widget's first to the last one wholly inside the logical length:
    // the pointer on a device pixel that reaches past it is the next control's (the toolkit
    // rounds its logical position there).
    return {int(std::floor((at.x() + logical.width()) * grid.ratio + 1e-6)) - grid.origin.x(),
            int(std::floor((at.y() + logical.height()) * grid.ratio + 1e-6)) - grid.origin.y()};
}

void PictureBox::layoutView() {
    if (m_layingOut) {
        return;
    }
    m_layingOut = true;
    const int barWidth = m_verticalBar->sizeHint().width();
    const int barHeight = m_horizontalBar->sizeHint().height();
    const View::Mapping scaled = m_view.withRatio(devicePixelRatioF());
    const QSize whole = deviceSize(size());
    const View::ScrollBars bars = View::ScrollBarsNeeded(
        scaled.content(), whole, whole - deviceSize(size() - QSize(barWidth, barHeight)));
    m_viewRect = QRect(0, 0, std::max(0, width() - (bars.vertical ? barWidth : 0)),
                       std::max(0, height() - (bars.horizontal ? barHeight : 0)));
    const View::Mapping view = scaled.resized(deviceSize(m_viewRect.size()));
    m_horizontalBar->setGeometry(0, m_viewRect.height(), m_viewRect.width(), barHeight);
    m_verticalBar->setGeometry(m_viewRect.width(), 0, barWidth, m_viewRect.height());
    m_horizontalBar->setVisible(bars.horizontal);
    m_verticalBar->setVisible(bars.vertical);
    // Over anything else floating on the picture.
    m_horizontalBar->raise();
    m_verticalBar->raise();
    m_layingOut = false;
    applyView(view, false);
}

void PictureBox::applyView(const View::Mapping& view, bool byUser) {
    const bool moved = view.offset() != m_view.offset() || view.zoom() != m_view.zoom() ||
                       view.ratio() != m_view.ratio() || view.view() != m_view.view();
    if (moved) {
        // Zoomed out, the view is painted quickly while it moves and smoothly once it rests.
        if (view.scale() < 1) {
            m_settling = true;
            m_settle->start();
        }
        const QPoint delta = view.offset() - m_view.offset();
        const bool scrolled = view.zoom() == m_view.zoom() && view.ratio() == m_view.ratio() &&
                              view.view() == m_view.view();
        m_view = view;
        ++m_viewSerial;
        // A scroll by whole logical pixels moves what is shown and paints only what comes into
        // view; anything else paints the view anew.
        const double r = view.ratio();
        const QPoint logical(int(std::lround(delta.x() / r)), int(std::lround(delta.y() / r)));
        if (scrolled && r == std::floor(r) && QPointF(logical) * r == QPointF(delta) &&
            std::abs(logical.x()) < m_viewRect.width() &&
            std::abs(logical.y()) < m_viewRect.height()) {
            scroll(-logical.x(), -logical.y(), m_viewRect);
            // What floats on the picture (the read-out) stays where it is: the copy of it that
            // moved with the picture goes, and it is painted again where it stands.
            for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isVisible() && child != m_horizontalBar && child != m_verticalBar) {
                    update(child->geometry().translated(-logical));
                    child->update();
                }
            }
        } else {
            update();
        }
    }
    const auto setBar = [](QScrollBar* bar, const View::Axis& axis, double ratio) {
        const QSignalBlocker quiet(bar);
        bar->setRange(axis.minOffset(), axis.maxOffset());
        bar->setPageStep(std::max(1, axis.view));
        bar->setSingleStep(std::max(1, int(std::lround(kScrollLine * ratio))));
        bar->setValue(axis.offset);
    };
    setBar(m_horizontalBar, m_view.x(), m_view.ratio());
    setBar(m_verticalBar, m_view.y(), m_view.ratio());
    if (moved && byUser) {
        emit ViewChanged();
    }
}

void PictureBox::scrollBarMoved() {
    applyView(m_view.scrolledTo(QPoint(
                  m_horizontalBar->isVisible() ? m_horizontalBar->value() : m_view.offset().x(),
                  m_verticalBar->isVisible() ? m_verticalBar->value() : m_view.offset().y())),
              true);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const View::Mapping before = m_view;
    layoutView();
    // Only a view that had to move (a scroll offset beyond the new limits) is news.
    if (before.offset() != m_view.offset() && before.view() == m_view.view()) {
        emit ViewChanged();
    }
}

QPointF PictureBox::anchorOf(std::optional<QPointF> widgetPoint) const {
    const double r = m_view.ratio();
    const QPointF point = widgetPoint.value_or(QPointF(m_viewRect.center()) + QPointF(0.5, 0.5));
    return point * r;
}

void PictureBox::zoomBy(int steps, std::optional<QPointF> around) {
    setZoom(View::SteppedZoom(m_view.zoom(), steps), around);
}

void PictureBox::setZoom(double zoom, std::optional<QPointF> around) {
    layoutView();
    QPointF anchor = anchorOf(around);
    // The pointer's own device pixel, where an event said it exactly.
    if (around && m_lastPointer && m_lastPointer->exact &&
        (QPointF(m_lastPointer->device) / m_view.ratio() - *around).manhattanLength() < 2) {
        anchor = QPointF(m_lastPointer->device) + QPointF(0.5, 0.5);
    }
    applyView(m_view.zoomedAround(zoom, anchor), true);
    // At the new zoom the scroll bars may come or go, which changes the view's size.
    layoutView();
}

void PictureBox::fitInView() {
    const double r = devicePixelRatioF();
    const QSize pictureSize = picture().size();
    const double zoom = View::FitZoom(pictureSize, deviceSize(size()), r);
    // Fitted, the picture stands at the view's top-left corner, as a new one does.
    View::Mapping fitted(pictureSize, zoom, r, m_view.view(), QPoint());
    applyView(fitted, true);
    layoutView();
    applyView(m_view.scrolledTo(QPoint()), true);
}

void PictureBox::scrollBy(QPoint devicePixels) {
    applyView(m_view.scrolledBy(devicePixels), true);
}

void PictureBox::scrollToShow(float x, float y) {
    const QPointF p = toPixels(x, y);
    const QPoint pixel(PixelOf(p.x()), PixelOf(p.y()));
    if (!picture().rect().contains(pixel)) {
        return; // beyond the picture there is nothing to scroll to
    }
    applyView(m_view.showing(pixel), true);
}

bool PictureBox::pointerCanName(float x, float y) const {
    const QPointF p = toPixels(x, y);
    return m_view.names(QPoint(PixelOf(p.x()), PixelOf(p.y())));
}

QPointF PictureBox::coordinatesAt(QPointF widgetPoint) const {
    const double r = m_view.ratio();
    const double s = m_view.scale();
    return fromPixels(QPointF((widgetPoint.x() * r + m_view.offset().x()) / s,
                              (widgetPoint.y() * r + m_view.offset().y()) / s));
}

QPointF PictureBox::widgetPointOf(float x, float y) const {
    return m_view.deviceAt(toPixels(x, y)) / m_view.ratio();
}

PictureBox::PointerSpot PictureBox::spotOf(const QPointF& position, const QPointF& scene) const {
    PointerSpot spot;
    spot.logical = position;
    const QWidget* top = window();
    // An event a program made rather than the desktop has no position in the window of its own.
    if ((mapTo(top, position) - scene).manhattanLength() > 2.0) {
        return spot;
    }
    const DeviceGrid grid = deviceGrid(false);
    // The device pixel under the pointer, from the view's first. (Where the toolkit works the
    // position out from the window's logical place, half a device pixel may come on top.)
    const auto device = [&grid](double v, int origin) {
        return View::DevicePixelAt(v, grid.ratio) - origin;
    };
    spot.exact = true;
    spot.device = QPoint(device(scene.x(), grid.origin.x()), device(scene.y(), grid.origin.y()));
    return spot;
}

bool PictureBox::inView(const PointerSpot& spot) const {
    if (spot.exact) {
        return QRect(QPoint(0, 0), m_view.view()).contains(spot.device);
    }
    return m_viewRect.contains(QPoint(PixelOf(spot.logical.x()), PixelOf(spot.logical.y())));
}

QPointF PictureBox::coordinatesOf(const PointerSpot& spot) const {
    return spot.exact ? fromPixels(m_view.coordinateAt(spot.device)) : coordinatesAt(spot.logical);
}

std::optional<QPointF> PictureBox::lastPointerCoordinates() const {
    if (!m_lastPointer) {
        return std::nullopt;
    }
    return coordinatesOf(*m_lastPointer);
}

std::optional<QPoint> PictureBox::devicePixelOf(float x, float y) const {
    const DeviceGrid grid = deviceGrid(true);
    if (!grid.window) {
        return std::nullopt;
    }
    const QPointF p = toPixels(x, y);
    const QPoint pixel(PixelOf(p.x()), PixelOf(p.y()));
    // The middle of the pixel's block, so the pointer sits on it visibly.
    const QPoint first = m_view.deviceOf(pixel);
    const QPoint end = m_view.deviceOf(pixel + QPoint(1, 1));
    const QPoint middle(first.x() + std::max(0, end.x() - first.x() - 1) / 2,
                        first.y() + std::max(0, end.y() - first.y() - 1) / 2);
    return *grid.window + grid.origin + middle;
}

QPoint PictureBox::globalPointOf(float x, float y) const {
    const QPointF p = toPixels(x, y);
    const QPoint pixel(PixelOf(p.x()), PixelOf(p.y()));
    const QPoint first = m_view.deviceOf(pixel);
    const QPoint end = m_view.deviceOf(pixel + QPoint(1, 1));
    const double r = m_view.ratio();
    const auto logical = [r](int a, int b) {
        return int(std::floor((a + std::max(0, b - a - 1) / 2 + 1e-3) / r));
    };
    return mapToGlobal(QPoint(logical(first.x(), end.x()), logical(first.y(), end.y())));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const DeviceGrid grid = deviceGrid(false);
    // Moved to a screen of another scale, or placed anew in the window.
    if (grid.ratio != m_view.ratio() || deviceSize(m_viewRect.size()) != m_view.view()) {
        layoutView();
    }
    if (m_view.isDefault() && grid.ratio == std::floor(grid.ratio) &&
        m_vision == ColorVision::Normal) {
        // 100 % from the top-left on whole device pixels: the toolkit's scaling is exact.
        const PictureSurface& shown = surface();
        const PendingPixels::Showing showing = shown.show(event->rect());
        painter.fillRect(rect(), shown.background());
        if (!shown.picture().isNull()) {
            painter.drawImage(0, 0, shown.picture().image());
        }
        shown.forEachDrawnTile(event->rect(), [&painter](QPoint at, const QImage& tile) {
            painter.drawImage(at, tile);
        });
    } else {
        paintView(painter, event->rect() & m_viewRect, grid);
    }
    // The corner between the scroll bars.
    const QRect corner(m_viewRect.right() + 1, m_viewRect.bottom() + 1,
                       width() - m_viewRect.width(), height() - m_viewRect.height());
    if (!corner.isEmpty()) {
        painter.fillRect(corner, m_surface.background());
    }
    paintMarker(painter);
    paintArea(painter);
}

void PictureBox::setColorVision(ColorVision vision) {
    if (vision != m_vision) {
        m_vision = vision;
        update();
    }
}

void PictureBox::paintView(QPainter& painter, const QRect& area, const DeviceGrid& grid) {
    const double r = grid.ratio;
    const QSize view = m_view.view();
    const int left = std::max(0, int(std::floor(area.left() * r)));
    const int top = std::max(0, int(std::floor(area.top() * r)));
    const int wantedRight = int(std::ceil((area.right() + 1) * r));
    const int wantedBottom = int(std::ceil((area.bottom() + 1) * r));
    const int right = std::min(view.width(), wantedRight);
    const int bottom = std::min(view.height(), wantedBottom);
    // Device pixels of the widget past the view's last whole one show the background.
    const auto fillBeyond = [&]() {
        const QTransform device = painter.deviceTransform();
        painter.save();
        painter.setWorldTransform(
            QTransform(1 / r, 0, 0, 1 / r, -device.dx() / r, -device.dy() / r));
        const QPoint origin = grid.origin;
        if (wantedRight > view.width()) {
            painter.fillRect(QRect(origin.x() + view.width(), origin.y() + top,
                                   wantedRight - view.width(), wantedBottom - top),
                             m_surface.background());
        }
        if (wantedBottom > view.height()) {
            painter.fillRect(QRect(origin.x() + left, origin.y() + view.height(),
                                   wantedRight - left, wantedBottom - view.height()),
                             m_surface.background());
        }
        painter.restore();
    };
    fillBeyond();
    if (right <= left || bottom <= top) {
        return;
    }
    const int span = right - left;
    const PictureSurface& shown = surface();
    const QSize drawn = shown.drawingArea();
    const QImage& base = shown.picture().image();
    // Which surface column each device column shows; beyond the drawing area -1 before it,
    // INT_MAX after it, so the columns rise from left to right.
    std::vector<int> columns(static_cast<size_t>(span));
    for (int i = 0; i < span; ++i) {
        const int x = m_view.x().pixelAt(left + i);
        columns[size_t(i)] = x < 0 ? -1 : x < drawn.width() ? x : INT_MAX;
    }
    // The device columns that show the picture's own pixels are one run, [pictureFrom,
    // pictureTo); one to one, they are a copy of a row.
    const auto firstAtLeast = [&](int x) {
        return int(
            std::partition_point(columns.begin(), columns.end(), [x](int c) { return c < x; }) -
            columns.begin());
    };
    const int pictureFrom = firstAtLeast(0);
    const int pictureTo = std::max(pictureFrom, firstAtLeast(base.width()));
    // Zoomed out, once the view has settled, each device pixel shows the average of the pixels
    // it covers, so that thin lines stay visible; while it moves, the one pixel it starts with.
    const bool smooth = m_view.scale() < 1 && !m_settling;
    std::vector<int> spans;
    if (smooth) {
        spans.resize(size_t(span) + 1);
        for (int i = 0; i <= span; ++i) {
            spans[size_t(i)] = std::clamp(m_view.x().pixelAt(left + i), 0, drawn.width());
        }
    }
    // The picture's pixels shown here (all that the averages read), waited for while they are
    // still arriving; held until they are drawn.
    PendingPixels::Showing showing;
    if (pictureTo > pictureFrom) {
        const int firstRow = std::max(0, m_view.y().pixelAt(top));
        const int lastRow = smooth ? std::clamp(m_view.y().pixelAt(bottom), 0, drawn.height()) - 1
                                   : std::min(base.height() - 1, m_view.y().pixelAt(bottom - 1));
        const QRect area =
            smooth ? QRect(QPoint(spans.front(), firstRow), QPoint(spans.back() - 1, lastRow))
                   : QRect(QPoint(columns[size_t(pictureFrom)], firstRow),
                           QPoint(columns[size_t(pictureTo - 1)], lastRow));
        showing = shown.show(area);
    }
    const bool oneToOne = m_view.scale() == 1;
    const int rowsPerBand =
        int(std::clamp<qint64>(kBandBytes / (qint64(span) * 4), 1, bottom - top));
    if (m_band.width() < span || m_band.height() < rowsPerBand) {
        m_band = QImage(std::max(span, m_band.width()), std::max(rowsPerBand, m_band.height()),
                        QImage::Format_RGB32);
    }
    // Drawn one to one on the device pixels: the world transform undoes the device's scaling.
    const QTransform device = painter.deviceTransform();
    painter.save();
    painter.setWorldTransform(QTransform(1 / r, 0, 0, 1 / r, -device.dx() / r, -device.dy() / r));
    for (int bandTop = top; bandTop < bottom; bandTop += rowsPerBand) {
        const int rows = std::min(rowsPerBand, bottom - bandTop);
        int previous = INT_MIN;
        // A row made anew (not a copy of the row above) is simulated once, and copies take it.
        const auto fillRow = [&](int j, QRgb* line) {
            if (smooth) {
                averageLine(line, bandTop + j, spans);
                return true;
            }
            const int y = m_view.y().pixelAt(bandTop + j);
            if (y == previous) {
                // Rows that show the same surface row are alike.
                std::memcpy(line, m_band.constScanLine(j - 1), size_t(span) * 4);
                return false;
            }
            previous = y;
            shown.row(y, columns, pictureFrom, pictureTo, oneToOne, line);
            return true;
        };
        for (int j = 0; j < rows; ++j) {
            auto* line = reinterpret_cast<QRgb*>(m_band.scanLine(j));
            if (fillRow(j, line) && m_vision != ColorVision::Normal) {
                SimulateRows(m_vision, line, line, span);
            }
        }
        const QImage band(m_band.constBits(), span, rows, m_band.bytesPerLine(),
                          QImage::Format_RGB32);
        painter.drawImage(QPoint(grid.origin.x() + left, grid.origin.y() + bandTop), band);
    }
    painter.restore();
}

void PictureBox::averageLine(QRgb* line, int deviceRow, const std::vector<int>& spans) const {
    const int span = int(spans.size()) - 1;
    const PictureSurface& shown = surface();
    const QSize drawn = shown.drawingArea();
    const int y0 = std::clamp(m_view.y().pixelAt(deviceRow), 0, drawn.height());
    const int y1 = std::clamp(m_view.y().pixelAt(deviceRow + 1), 0, drawn.height());
    const int x0 = spans.front();
    const int x1 = spans.back();
    const QRgb back = shown.background().rgb();
    if (y1 <= y0 || x1 <= x0) {
        std::fill_n(line, span, back);
        return;
    }
    std::vector<quint32> sums(size_t(span) * 3, 0);
    QImage row(x1 - x0, 1, QImage::Format_RGB32);
    for (int y = y0; y < y1; ++y) {
        shown.copy(row, QPoint(x0, y), true); // the painting holds them
        const auto* pixels = reinterpret_cast<const QRgb*>(row.constScanLine(0)) - x0;
        for (int i = 0; i < span; ++i) {
            quint32 r = 0;
            quint32 g = 0;
            quint32 b = 0;
            for (int x = spans[size_t(i)]; x < spans[size_t(i) + 1]; ++x) {
                r += quint32(qRed(pixels[x]));
                g += quint32(qGreen(pixels[x]));
                b += quint32(qBlue(pixels[x]));
            }
            sums[size_t(i) * 3] += r;
            sums[size_t(i) * 3 + 1] += g;
            sums[size_t(i) * 3 + 2] += b;
        }
    }
    for (int i = 0; i < span; ++i) {
        const quint32 n = quint32(spans[size_t(i) + 1] - spans[size_t(i)]) * quint32(y1 - y0);
        if (n == 0) {
            line[i] = back;
            continue;
        }
        const auto avg = [n](quint32 sum) { return int((sum + n / 2) / n); };
        line[i] = qRgb(avg(sums[size_t(i) * 3]), avg(sums[size_t(i) * 3 + 1]),
                       avg(sums[size_t(i) * 3 + 2]));
    }
}

void PictureBox::paintMarker(QPainter& painter) const {
    if (!m_marker) {
        return;
    }
    // Arms in black and white around the marked pixel's block, leaving the pixel visible.
    const QPointF p =
        toPixels(static_cast<float>(m_marker->x()), static_cast<float>(m_marker->y()));
    const QPoint pixel(PixelOf(p.x()), PixelOf(p.y()));
    const double r = m_view.ratio();
    const QPoint first = m_view.deviceOf(pixel);
    const QPoint end = m_view.deviceOf(pixel + QPoint(1, 1));
    const int x0 = int(std::floor(first.x() / r));
    const int y0 = int(std::floor(first.y() / r));
    const int x1 = std::max(x0, int(std::ceil(end.x() / r)) - 1);
    const int y1 = std::max(y0, int(std::ceil(end.y() / r)) - 1);
    const int cx = (x0 + x1) / 2;
    const int cy = (y0 + y1) / 2;
    painter.setClipRect(m_viewRect);
    const auto arms = [&](const QColor& color, int offset) {
        painter.setPen(QPen(color, 0));
        painter.drawLine(x0 - 6 + offset, cy + offset, x0 - 2 + offset, cy + offset);
        painter.drawLine(x1 + 2 + offset, cy + offset, x1 + 6 + offset, cy + offset);
        painter.drawLine(cx + offset, y0 - 6 + offset, cx + offset, y0 - 2 + offset);
        painter.drawLine(cx + offset, y1 + 2 + offset, cx + offset, y1 + 6 + offset);
    };
    arms(Qt::white, 1);
    arms(Qt::black, 0);
}

void PictureBox::paintArea(QPainter& painter) const {
    if (m_area.isEmpty()) {
        return;
    }
    // Dashes of black on white just outside the area's pixels, so that every pixel in it shows.
    const double r = m_view.ratio();
    const QPoint first = m_view.deviceOf(m_area.topLeft());
    const QPoint end = m_view.deviceOf(m_area.bottomRight() + QPoint(1, 1));
    const QRectF outline(QPointF(first.x() / r - 0.5, first.y() / r - 0.5),
                         QPointF(end.x() / r + 0.5, end.y() / r + 0.5));
    painter.setClipRect(m_viewRect);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(outline);
    QPen dashes(Qt::black, 0, Qt::DashLine);
    painter.setPen(dashes);
    painter.drawRect(outline);
}

void PictureBox::setArea(const QRect& area) {
    if (area != m_area) {
        m_area = area;
        update();
    }
}

void PictureBox::setAreaDragging(bool on) {
    m_areaDragging = on;
    m_areaStart.reset();
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

QPoint PictureBox::picturePixelOf(const PointerSpot& spot) const {
    const QPointF p = coordinatesOf(spot);
    const int x = pixelIndex(static_cast<float>(p.x()), m_unitsPerPixelX);
    const int y = pixelIndex(static_cast<float>(p.y()), m_unitsPerPixelY);
    const QSize size = picture().size();
    return QPoint(std::clamp(x, 0, std::max(0, size.width() - 1)),
                  std::clamp(y, 0, std::max(0, size.height() - 1)));
}

QPoint PictureBox::panPoint(const PointerSpot& spot) const {
    return spot.exact ? spot.device : (spot.logical * m_view.ratio()).toPoint();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const PointerSpot spot = spotOf(event->position(), event->scenePosition());
    if (m_pan) {
        const QPoint at = panPoint(spot);
        // A drag starts once the pointer has gone far enough from where the button went down.
        m_pan->moved = m_pan->moved || (m_pan->last - at).manhattanLength() / m_view.ratio() >=
                                           QApplication::startDragDistance();
        if (m_pan->moved) {
            scrollBy(m_pan->last - at);
            m_pan->last = at;
        }
    }
    if (m_areaStart) {
        const QPoint end = picturePixelOf(spot);
        const QRect area(
            QPoint(std::min(end.x(), m_areaStart->x()), std::min(end.y(), m_areaStart->y())),
            QPoint(std::max(end.x(), m_areaStart->x()), std::max(end.y(), m_areaStart->y())));
        setArea(area);
        emit AreaDragged(area, false);
    }
    if (!inView(spot)) {
        return; // over the corner between the scroll bars
    }
    m_lastPointer = spot;
    const QPointF p = coordinatesOf(spot);
    emit MouseMove(ButtonStateOf(event->buttons()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const PointerSpot spot = spotOf(event->position(), event->scenePosition());
    if (!inView(spot)) {
        return;
    }
    m_lastPointer = spot;
    // Where the picture can scroll, the middle button drags it; a middle click that does not
    // drag still picks, when the button comes up.
    if (event->button() == Qt::MiddleButton &&
        (m_horizontalBar->isVisible() || m_verticalBar->isVisible())) {
        m_pan = Pan{spot, panPoint(spot), false};
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (m_areaDragging && event->button() == Qt::LeftButton && !picture().isNull()) {
        m_areaStart = picturePixelOf(spot);
        const QRect area(*m_areaStart, QSize(1, 1));
        setArea(area);
        emit AreaDragged(area, false);
        return;
    }
    const QPointF p = coordinatesOf(spot);
    emit MouseDown(ButtonStateOf(event->button()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (m_areaStart && event->button() == Qt::LeftButton) {
        m_areaStart.reset();
        emit AreaDragged(m_area, true);
        return;
    }
    if (!m_pan || event->button() != Qt::MiddleButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Pan pan = *m_pan;
    m_pan.reset();
    unsetCursor();
    if (!pan.moved) {
        const QPointF p = coordinatesOf(pan.pressed);
        emit MouseDown(ButtonStateOf(Qt::MiddleButton), ShiftStateOf(event->modifiers()),
                       static_cast<float>(p.x()), static_cast<float>(p.y()));
    }
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    const PointerSpot spot = spotOf(event->position(), event->scenePosition());
    if (event->modifiers() & Qt::ControlModifier) {
        // Zoom a step a notch, around the pixel under the pointer.
        m_wheelZoom +=
            event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
        const int steps = m_wheelZoom / kWheelNotch;
        m_wheelZoom -= steps * kWheelNotch;
        if (steps != 0) {
            m_lastPointer = spot;
            setZoom(View::SteppedZoom(m_view.zoom(), steps), event->position());
        }
        event->accept();
        return;
    }
    m_wheelZoom = 0;
    QPoint pixels = event->pixelDelta();
    QPoint angle = event->angleDelta();
    // Shift turns the wheel's scrolling sideways.
    if (event->modifiers() & Qt::ShiftModifier) {
        pixels = QPoint(pixels.y() != 0 ? pixels.y() : pixels.x(), 0);
        angle = QPoint(angle.y() != 0 ? angle.y() : angle.x(), 0);
    }
    const double r = m_view.ratio();
    QPoint delta;
    if (!pixels.isNull()) {
        delta = -(QPointF(pixels) * r).toPoint();
    } else {
        const double line = kScrollLine * QApplication::wheelScrollLines() * r;
        delta = -(QPointF(angle) / kWheelNotch * line).toPoint();
    }
    m_lastPointer = spot;
    scrollBy(delta);
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    int keyCode = KeyCodeOf(event->key());
    if (keyCode == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit KeyDown(keyCode, ShiftStateOf(event->modifiers()));
    // The key goes on to the window unless a handler consumed it.
    event->setAccepted(keyCode == 0);
}
