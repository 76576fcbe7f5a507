// Bitmaps with their raster operations, gradient fills, and regions painted in picture pixels.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

// A ternary raster operation is the truth table of pattern, source and destination, bit
// 4P + 2S + D; a binary one is the truth table of pen and destination, bit 2P + D, plus one.
// Operations that ignore the pattern reduce to a binary one of source and destination, those
// that ignore the source to one of pattern and destination.
bool usesSource(int rop3) {
    return ((rop3 >> 2) & 0x33) != (rop3 & 0x33);
}
bool usesPattern(int rop3) {
    return ((rop3 >> 4) & 0x0f) != (rop3 & 0x0f);
}
int sourceRop2(int rop3) {
    return (rop3 & 0x0f) + 1;
}
int patternRop2(int rop3) {
    return ((rop3 & 0x03) | ((rop3 >> 2) & 0x0c)) + 1;
}

} // namespace

void DeviceContext::drawBitmap(const QRectF& dest, const QImage& image, const QRectF& source,
                               quint32 rop, double opacity) {
    const int rop3 = (rop >> 16) & 0xff;
    if (!usesSource(rop3)) {
        patBlt(dest, rop);
        return;
    }
    // Operations that mix in the brush as well are drawn as plain copies.
    const int rop2 = usesPattern(rop3) ? int(R2CopyPen) : sourceRop2(rop3);
    const QRectF visible = source.normalized() & QRectF(image.rect());
    if (image.isNull() || source.width() == 0 || source.height() == 0 || visible.isEmpty()) {
        return;
    }
    // Source pixels onto the destination; negative sizes on either side mirror.
    const double kx = dest.width() / source.width();
    const double ky = dest.height() / source.height();
    const QTransform s(kx, 0, 0, ky, dest.x() - source.x() * kx, dest.y() - source.y() * ky);
    const QTransform t = s * toPicture();
    if (!usable(t) || !charge(t.mapRect(visible))) {
        return;
    }
    applyClip();
    m_painter.setTransform(t);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform,
                            m_state.stretchMode == StretchHalftone);
    const QPainter::CompositionMode mode = rasterMode(rop2);
    if (mode != QPainter::CompositionMode_SourceOver) {
        // As for pens and brushes: the unpainted page counts as white.
        m_painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        m_painter.fillRect(visible, Qt::white);
        m_painter.setCompositionMode(mode);
    }
    m_painter.setOpacity(opacity);
    m_painter.drawImage(visible, image, visible);
    m_painter.setOpacity(1);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DeviceContext::patBlt(const QRectF& dest, quint32 rop) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    const QRectF box = dest.normalized();
    paint(t, box, QPen(Qt::NoPen), makeBrush(m_state.brush, t), patternRop2((rop >> 16) & 0xff),
          [&](QPainter& p) { p.fillRect(box, p.brush()); });
}

void DeviceContext::gradientRects(const QVector<GradientVertex>& vertices,
                                  const QVector<std::array<quint32, 2>>& rects, bool vertical) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    for (const auto& [first, second] : rects) {
        if (first >= quint32(vertices.size()) || second >= quint32(vertices.size())) {
            continue;
        }
        const GradientVertex& a = vertices[first];
        const GradientVertex& b = vertices[second];
        const QRectF box = QRectF(a.position, b.position).normalized();
        QLinearGradient g(vertical ? QPointF(0, a.position.y()) : QPointF(a.position.x(), 0),
                          vertical ? QPointF(0, b.position.y()) : QPointF(b.position.x(), 0));
        g.setColorAt(0, a.color);
        g.setColorAt(1, b.color);
        paint(t, box, QPen(Qt::NoPen), QBrush(g), R2CopyPen,
              [&](QPainter& p) { p.fillRect(box, p.brush()); });
        if (m_budget.exhausted()) {
            return;
        }
    }
}

void DeviceContext::gradientTriangles(const QVector<GradientVertex>& vertices,
                                      const QVector<std::array<quint32, 3>>& triangles) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    for (const auto& tri : triangles) {
        if (std::any_of(tri.begin(), tri.end(),
                        [&](quint32 i) { return i >= quint32(vertices.size()); })) {
            continue;
        }
        QPointF p[3];
        QColor c[3];
        for (int k = 0; k < 3; ++k) {
            p[k] = t.map(vertices[tri[k]].position);
            c[k] = vertices[tri[k]].color;
        }
        const QRectF bounds = QPolygonF({p[0], p[1], p[2]}).boundingRect();
        // Shading pixel by pixel costs more than a plain fill.
        if (!charge(bounds) || !charge(bounds)) {
            return;
        }
        const QRect cells = (bounds & QRectF(m_picture.rect())).toAlignedRect() & m_picture.rect();
        const double det = (p[1].y() - p[2].y()) * (p[0].x() - p[2].x()) +
                           (p[2].x() - p[1].x()) * (p[0].y() - p[2].y());
        if (cells.isEmpty() || std::abs(det) < 1e-9) {
            continue;
        }
        QImage tile(cells.size(), QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::transparent);
        for (int y = 0; y < tile.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            const double cy = cells.y() + y + 0.5;
            for (int x = 0; x < tile.width(); ++x) {
                const double cx = cells.x() + x + 0.5;
                const double w0 = ((p[1].y() - p[2].y()) * (cx - p[2].x()) +
                                   (p[2].x() - p[1].x()) * (cy - p[2].y())) /
                                  det;
                const double w1 = ((p[2].y() - p[0].y()) * (cx - p[2].x()) +
                                   (p[0].x() - p[2].x()) * (cy - p[2].y())) /
                                  det;
                const double w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) {
                    continue;
                }
                auto mix = [&](auto channel) {
                    return std::clamp(
                        qRound(w0 * channel(c[0]) + w1 * channel(c[1]) + w2 * channel(c[2])), 0,
                        255);
                };
                line[x] = qRgb(mix([](const QColor& q) { return q.red(); }),
                               mix([](const QColor& q) { return q.green(); }),
                               mix([](const QColor& q) { return q.blue(); }));
            }
        }
        applyClip();
        m_painter.resetTransform();
        m_painter.drawImage(cells.topLeft(), tile);
    }
}

void DeviceContext::paintPictureRegion(const QRegion& region, const QBrush& brush, int rop2) {
    // Rectangle by rectangle: as one path, Qt's filler would sort all their edges on every row.
    if (!m_budget.chargeRegion(region)) {
        return;
    }
    paint(QTransform(), region.boundingRect(), QPen(Qt::NoPen), brush, rop2,
          [&](QPainter& p) { p.drawRects(region.begin(), int(region.rectCount())); });
}

void DeviceContext::fillRegion(const QRegion& region, const Brush& brush) {
    paintPictureRegion(region, makeBrush(brush, QTransform()), m_state.rop2);
}

void DeviceContext::frameRegion(const QRegion& region, const Brush& brush, QSizeF logicalSize) {
    const QTransform t = toPicture();
    const QPointF o = t.map(QPointF());
    const double w = QLineF(o, t.map(QPointF(logicalSize.width(), 0))).length();
    const double h = QLineF(o, t.map(QPointF(0, logicalSize.height()))).length();
    const int fw = std::isfinite(w) ? qRound(std::clamp(w, 1.0, 65536.0)) : 1;
    const int fh = std::isfinite(h) ? qRound(std::clamp(h, 1.0, 65536.0)) : 1;
    const QRegion inner = region & region.translated(fw, 0) & region.translated(-fw, 0) &
                          region.translated(0, fh) & region.translated(0, -fh);
    paintPictureRegion(region - inner, makeBrush(brush, QTransform()), m_state.rop2);
}

void DeviceContext::invertRegion(const QRegion& region) {
    paintPictureRegion(region, QBrush(Qt::black), R2Not);
}

} // namespace gdi
