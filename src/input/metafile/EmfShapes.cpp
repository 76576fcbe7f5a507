// EMF records of points, polygons, regions and gradients.

#include "input/metafile/EmfPlayer.h"

#include <array>

namespace gdi::emf {

namespace {

std::optional<QPolygonF> readPoints(ByteReader& r, quint32 count, bool small) {
    if (qint64(count) * (small ? 4 : 8) > r.remaining()) {
        return std::nullopt;
    }
    QPolygonF points;
    points.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        if (small) {
            const qint16 x = r.i16();
            points.append(QPointF(x, r.i16()));
        } else {
            points.append(readPoint(r));
        }
    }
    return points;
}

// RGNDATA: a header and its rectangles, in device units.
std::optional<QVector<QRectF>> readRegion(ByteReader r) {
    r.u32(); // header size
    r.u32(); // type
    const quint32 count = r.u32();
    r.skip(20); // size, bounds
    if (!r.ok() || qint64(count) * 16 > r.remaining()) {
        return std::nullopt;
    }
    QVector<QRectF> rects;
    rects.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        rects.append(readRect(r).normalized());
    }
    return rects;
}

} // namespace

bool EmfPlayer::poly(quint32 type, ByteReader& r) {
    const bool small = type >= PolyBezier16;
    r.skip(16); // bounds
    const quint32 count = r.u32();
    const std::optional<QPolygonF> points = readPoints(r, count, small);
    if (!r.ok() || !points) {
        return false;
    }
    switch (type) {
    case PolyBezier:
    case PolyBezier16:
        m_dc.polyBezier(*points);
        break;
    case Polygon:
    case Polygon16:
        m_dc.polygon(*points);
        break;
    case Polyline:
    case Polyline16:
        m_dc.polyline(*points);
        break;
    case PolyBezierTo:
    case PolyBezierTo16:
        m_dc.polyBezierTo(*points);
        break;
    case PolylineTo:
    case PolylineTo16:
        m_dc.polylineTo(*points);
        break;
    default: {
        const QByteArrayView types = r.bytes(count);
        if (!r.ok()) {
            return false;
        }
        m_dc.polyDraw(*points, types);
        break;
    }
    }
    return true;
}

bool EmfPlayer::polyPoly(quint32 type, ByteReader& r) {
    const bool small = type >= PolyPolyline16;
    r.skip(16);
    const quint32 polygons = r.u32();
    const quint32 total = r.u32();
    if (!r.ok() || qint64(polygons) * 4 + qint64(total) * (small ? 4 : 8) > r.remaining()) {
        return false;
    }
    QVector<quint32> counts;
    counts.reserve(polygons);
    qint64 sum = 0;
    for (quint32 i = 0; i < polygons; ++i) {
        counts.append(r.u32());
        sum += counts.back();
    }
    if (sum > total) {
        return false;
    }
    QVector<QPolygonF> shapes;
    shapes.reserve(polygons);
    for (quint32 count : counts) {
        shapes.append(*readPoints(r, count, small));
    }
    if (!r.ok()) {
        return false;
    }
    if (type == PolyPolygon || type == PolyPolygon16) {
        m_dc.polyPolygon(shapes);
    } else {
        m_dc.polyPolyline(shapes);
    }
    return true;
}

bool EmfPlayer::region(quint32 type, ByteReader& r) {
    if (type == ExtSelectClipRgn) {
        const quint32 size = r.u32();
        const int mode = r.i32();
        if (!r.ok()) {
            return false;
        }
        if (size == 0) {
            if (mode == RgnCopy) {
                m_dc.resetClip();
            }
            return true;
        }
        const std::optional<QVector<QRectF>> rects = readRegion(r.sub(r.pos(), size));
        if (!rects) {
            return false;
        }
        m_dc.combineClip(m_dc.regionToPicture(*rects, m_dc.deviceToPicture()), mode);
        return true;
    }
    r.skip(16); // bounds
    const quint32 size = r.u32();
    const quint32 brushIndex = (type == FillRgn || type == FrameRgn) ? r.u32() : 0;
    const qint32 width = type == FrameRgn ? r.i32() : 0;
    const qint32 height = type == FrameRgn ? r.i32() : 0;
    const std::optional<QVector<QRectF>> rects = readRegion(r.sub(r.pos(), size));
    if (!r.ok() || !rects) {
        return false;
    }
    const QRegion area = m_dc.regionToPicture(*rects, m_dc.deviceToPicture());
    const Object* o = (type == FillRgn || type == FrameRgn) ? object(brushIndex) : nullptr;
    const Brush* brush = o ? std::get_if<Brush>(o) : &m_dc.state().brush;
    if (type == InvertRgn) {
        m_dc.invertRegion(area);
    } else if (brush && type == FrameRgn) {
        m_dc.frameRegion(area, *brush, QSizeF(width, height));
    } else if (brush) {
        m_dc.fillRegion(area, *brush);
    }
    return true;
}

bool EmfPlayer::gradient(ByteReader& r) {
    r.skip(16);
    const quint32 vertexCount = r.u32();
    const quint32 meshCount = r.u32();
    const quint32 mode = r.u32();
    const qint64 meshSize = mode == 2 ? 12 : 8;
    if (!r.ok() || qint64(vertexCount) * 16 + qint64(meshCount) * meshSize > r.remaining()) {
        return false;
    }
    QVector<GradientVertex> vertices;
    vertices.reserve(vertexCount);
    for (quint32 i = 0; i < vertexCount; ++i) {
        GradientVertex v;
        v.position = readPoint(r);
        const int red = r.u16() >> 8, green = r.u16() >> 8, blue = r.u16() >> 8;
        r.u16(); // alpha
        v.color = QColor(red, green, blue);
        vertices.append(v);
    }
    if (mode == 2) {
        QVector<std::array<quint32, 3>> triangles(meshCount);
        for (auto& t : triangles) {
            t = {r.u32(), r.u32(), r.u32()};
        }
        m_dc.gradientTriangles(vertices, triangles);
    } else if (mode <= 1) {
        QVector<std::array<quint32, 2>> rects(meshCount);
        for (auto& m : rects) {
            m = {r.u32(), r.u32()};
        }
        m_dc.gradientRects(vertices, rects, mode == 1);
    }
    return r.ok();
}

} // namespace gdi::emf
