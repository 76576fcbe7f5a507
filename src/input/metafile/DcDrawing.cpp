// Lines, curves and shapes, in logical units; lines that go on from the current position move it.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gdi {
namespace {

QPainterPath rectPath(const QRectF& r) {
    QPainterPath p;
    p.addRect(r.normalized());
    return p;
}

} // namespace

void DeviceContext::moveTo(QPointF p) {
    m_state.position = p;
    const QTransform t = toPicture();
    if (m_inPath && usable(t)) {
        m_path.moveTo(t.map(p));
    }
}

void DeviceContext::lineTo(QPointF p) {
    QPainterPath path(m_state.position);
    path.lineTo(p);
    appendToFigure(path);
    m_state.position = p;
}

void DeviceContext::polyline(const QPolygonF& points) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path;
    path.addPolygon(points);
    shape(path, false, true);
}

void DeviceContext::polylineTo(const QPolygonF& points) {
    if (points.isEmpty()) {
        return;
    }
    QPainterPath path(m_state.position);
    for (const QPointF& p : points) {
        path.lineTo(p);
    }
    appendToFigure(path);
    m_state.position = points.back();
}

void DeviceContext::polygon(const QPolygonF& points) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    shape(path, true, true);
}

void DeviceContext::polyPolygon(const QVector<QPolygonF>& polygons) {
    QPainterPath path;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() >= 2) {
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    shape(path, true, true);
}

void DeviceContext::polyPolyline(const QVector<QPolygonF>& polylines) {
    QPainterPath path;
    for (const QPolygonF& line : polylines) {
        if (line.size() >= 2) {
            path.addPolygon(line);
        }
    }
    shape(path, false, true);
}

void DeviceContext::polyBezier(const QPolygonF& points) {
    if (points.size() < 4) {
        return;
    }
    QPainterPath path(points[0]);
    for (qsizetype i = 1; i + 2 < points.size(); i += 3) {
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    }
    shape(path, false, true);
}

void DeviceContext::polyBezierTo(const QPolygonF& points) {
    if (points.size() < 3) {
        return;
    }
    QPainterPath path(m_state.position);
    qsizetype i = 0;
    for (; i + 2 < points.size(); i += 3) {
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    }
    appendToFigure(path);
    m_state.position = points[i - 1];
}

void DeviceContext::polyDraw(const QPolygonF& points, QByteArrayView types) {
    enum { CloseFigure = 1, LineTo = 2, BezierTo = 4, MoveTo = 6 };
    QPainterPath path(m_state.position);
    for (qsizetype i = 0; i < points.size() && i < types.size(); ++i) {
        const int type = quint8(types[i]) & ~CloseFigure;
        if (type == MoveTo) {
            path.moveTo(points[i]);
        } else if (type == LineTo) {
            path.lineTo(points[i]);
        } else if (type == BezierTo && i + 2 < points.size()) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        } else {
            return; // GDI refuses the whole call
        }
        if (quint8(types[i]) & CloseFigure) {
            path.closeSubpath();
        }
    }
    appendToFigure(path);
    m_state.position = path.currentPosition();
}

void DeviceContext::rectangle(const QRectF& box) {
    shape(rectPath(box), true, true);
}

void DeviceContext::roundRect(const QRectF& box, QSizeF corner) {
    QPainterPath path;
    path.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    shape(path, true, true);
}

void DeviceContext::ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box.normalized());
    shape(path, true, true);
}

QPainterPath DeviceContext::arcPath(ArcKind kind, const QRectF& box, QPointF start,
                                    QPointF end) const {
    const QRectF r = box.normalized();
    QPainterPath path(m_state.position);
    if (r.width() <= 0 || r.height() <= 0) {
        return path;
    }
    const QPointF c = r.center();
    // Angles of the radial lines through the given points, in the ellipse's own parameter.
    auto angle = [&](QPointF p) {
        return qRadiansToDegrees(
            std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()));
    };
    const double a0 = angle(start);
    double sweep = angle(end) - a0;
    // The direction is the one seen on the picture, so a mirroring mapping reverses it here.
    if (m_state.clockwise == mirrored()) {
        while (sweep <= 0) {
            sweep += 360;
        }
    } else {
        while (sweep >= 0) {
            sweep -= 360;
        }
    }
    switch (kind) {
    case ArcKind::Arc:
    case ArcKind::Chord:
        path = QPainterPath();
        path.arcMoveTo(r, a0);
        break;
    case ArcKind::Pie:
        path = QPainterPath(c);
        break;
    case ArcKind::ArcTo:
        break;
    }
    path.arcTo(r, a0, sweep);
    if (kind == ArcKind::Chord || kind == ArcKind::Pie) {
        path.closeSubpath();
    }
    return path;
}

void DeviceContext::arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end) {
    const QPainterPath path = arcPath(kind, box, start, end);
    switch (kind) {
    case ArcKind::Arc:
        shape(path, false, true);
        break;
    case ArcKind::ArcTo:
        appendToFigure(path);
        m_state.position = path.currentPosition();
        break;
    case ArcKind::Chord:
    case ArcKind::Pie:
        shape(path, true, true);
        break;
    }
}

void DeviceContext::angleArc(QPointF center, double radius, double startDegrees,
                             double sweepDegrees) {
    if (!std::isfinite(startDegrees) || !std::isfinite(sweepDegrees)) {
        return;
    }
    QPainterPath path(m_state.position);
    path.arcTo(QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius),
               startDegrees, std::clamp(sweepDegrees, -3600.0, 3600.0));
    appendToFigure(path);
    m_state.position = path.currentPosition();
}

void DeviceContext::setPixel(QPointF p, const QColor& color) {
    const QTransform t = toPicture();
    const QPointF at = t.map(p);
    const QRectF cell(std::floor(at.x()), std::floor(at.y()), 1, 1);
    paint(QTransform(), cell, QPen(Qt::NoPen), QBrush(color), R2CopyPen,
          [&](QPainter& painter) { painter.fillRect(cell, painter.brush()); });
}

} // namespace gdi
