// Clipping: the clip in picture pixels, and the file's rectangles, regions and paths made into
// regions to combine with it.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace gdi {

void DeviceContext::setClip(const QRegion& region) {
    if (m_budget.chargeRegion(region)) {
        m_state.clip = region;
        m_clipDirty = true;
    }
}

void DeviceContext::applyClip() {
    if (!m_clipDirty) {
        return;
    }
    m_painter.resetTransform();
    if (m_state.clip) {
        m_painter.setClipRegion(*m_state.clip);
    } else {
        m_painter.setClipping(false);
    }
    m_clipDirty = false;
}

void DeviceContext::combineClip(const QRegion& region, int mode) {
    if (m_budget.exhausted()) {
        return;
    }
    if (mode < RgnAnd || mode > RgnDiff) {
        setClip(region);
        return;
    }
    const QRegion current = m_state.clip.value_or(QRegion(m_picture.rect()));
    if (!m_budget.chargeCombining(current, region)) {
        return;
    }
    switch (mode) {
    case RgnAnd:
        setClip(current & region);
        break;
    case RgnOr:
        setClip(current | region);
        break;
    case RgnXor:
        setClip(current ^ region);
        break;
    default:
        setClip(current - region);
        break;
    }
}

void DeviceContext::resetClip() {
    m_state.clip.reset();
    m_clipDirty = true;
}

void DeviceContext::intersectClipRect(const QRectF& rect) {
    combineClip(regionToPicture({rect.normalized()}, toPicture()), RgnAnd);
}

void DeviceContext::excludeClipRect(const QRectF& rect) {
    combineClip(regionToPicture({rect.normalized()}, toPicture()), RgnDiff);
}

void DeviceContext::offsetClip(QPointF logicalOffset) {
    const QTransform t = toPicture();
    const QPointF d = t.map(logicalOffset) - t.map(QPointF());
    if (m_state.clip && std::abs(d.x()) < WorkBudget::MaxCoordinate &&
        std::abs(d.y()) < WorkBudget::MaxCoordinate) {
        // Only the picture matters; keeping the rest would let repeated moves overflow.
        setClip(m_state.clip->translated(qRound(d.x()), qRound(d.y())) & m_picture.rect());
    }
}

QRegion DeviceContext::regionToPicture(const QVector<QRectF>& rects, const QTransform& map) {
    if (!usable(map)) {
        return QRegion();
    }
    const QRectF reach = QRectF(m_picture.rect()).adjusted(-2, -2, 2, 2);
    if (map.type() <= QTransform::TxScale) {
        // United pairwise, so each rectangle takes part in few unions.
        std::vector<QRegion> parts;
        parts.reserve(size_t(rects.size()));
        for (const QRectF& r : rects) {
            const QRectF m = map.mapRect(r) & reach;
            if (finite(m) && !m.isEmpty()) {
                const QPoint topLeft(qRound(m.left()), qRound(m.top()));
                const QPoint end(qRound(m.right()), qRound(m.bottom()));
                parts.emplace_back(QRect(topLeft, end - QPoint(1, 1)));
            }
        }
        m_budget.chargeRects(rects.size());
        while (parts.size() > 1) {
            std::vector<QRegion> next;
            next.reserve(parts.size() / 2 + 1);
            for (size_t i = 0; i < parts.size(); i += 2) {
                if (i + 1 == parts.size()) {
                    next.push_back(parts[i]);
                    continue;
                }
                if (!m_budget.allowsUnion(parts[i], parts[i + 1])) {
                    return QRegion();
                }
                next.push_back(parts[i] | parts[i + 1]);
                if (!m_budget.chargeRegion(next.back())) {
                    return QRegion();
                }
            }
            parts = std::move(next);
        }
        return parts.empty() ? QRegion() : parts.front();
    }
    // Rotated rectangles: rasterize once rather than uniting them one by one.
    QPainterPath path;
    for (const QRectF& r : rects) {
        path.addPolygon(map.map(QPolygonF(r)));
        path.closeSubpath();
    }
    return pathToRegion(path, Qt::WindingFill);
}

QRegion DeviceContext::pathToRegion(const QPainterPath& picturePath, Qt::FillRule rule) {
    const QRectF bounds = picturePath.controlPointRect();
    if (!charge(bounds) || !m_budget.chargeEdges(picturePath, QTransform(), 0)) {
        m_budget.stop(); // a clip left out would change everything drawn after it
        return QRegion();
    }
    const QRect cells = (bounds & QRectF(m_picture.rect())).toAlignedRect() & m_picture.rect();
    if (cells.isEmpty()) {
        return QRegion();
    }
    QImage mask(cells.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.translate(-cells.topLeft());
        QPainterPath path = picturePath;
        path.setFillRule(rule);
        p.fillPath(path, Qt::black);
    }
    QVector<QRect> rects;
    qsizetype previous = 0; // where the rectangles of the row above start
    for (int y = 0; y < mask.height(); ++y) {
        const qsizetype row = rects.size();
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < mask.width();) {
            if (line[x] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width() && line[x] != 0) {
                ++x;
            }
            rects.append(QRect(cells.x() + start, cells.y() + y, x - start, 1));
        }
        // A row like the one above extends its rectangles downwards.
        const qsizetype count = rects.size() - row;
        bool same = count > 0 && row - previous == count;
        for (qsizetype i = 0; same && i < count; ++i) {
            const QRect& above = rects[previous + i];
            same = above.left() == rects[row + i].left() &&
                   above.right() == rects[row + i].right() && above.bottom() == cells.y() + y - 1;
        }
        if (same) {
            for (qsizetype i = 0; i < count; ++i) {
                rects[previous + i].setBottom(cells.y() + y);
            }
            rects.resize(row);
        } else {
            previous = row;
        }
        if (rects.size() > WorkBudget::MaxClipRects) {
            m_budget.stop();
            return QRegion();
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

} // namespace gdi
