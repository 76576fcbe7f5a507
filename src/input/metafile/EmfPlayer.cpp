// Enhanced metafiles: 32-bit records with the drawing size in their header. Here the records are
// dispatched and the header is read.

#include "input/metafile/EmfPlayer.h"
#include "input/metafile/Players.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace gdi::emf {

const Object* EmfPlayer::object(quint32 index) {
    if (const std::optional<Object> stock = stockObject(index)) {
        m_stock = *stock;
        return &m_stock;
    }
    return m_objects.get(index);
}

bool EmfPlayer::play(quint32 type, ByteReader r) {
    r.seek(8);
    DcState& s = m_dc.state();
    switch (type) {
    case PolyBezier:
    case Polygon:
    case Polyline:
    case PolyBezierTo:
    case PolylineTo:
    case PolyBezier16:
    case Polygon16:
    case Polyline16:
    case PolyBezierTo16:
    case PolylineTo16:
    case PolyDraw:
    case PolyDraw16:
        return poly(type, r);
    case PolyPolyline:
    case PolyPolygon:
    case PolyPolyline16:
    case PolyPolygon16:
        return polyPoly(type, r);
    case SetWindowExtEx: {
        const QPointF p = readPoint(r);
        m_dc.setWindowExt(QSizeF(p.x(), p.y()));
        break;
    }
    case SetWindowOrgEx:
        s.windowOrg = readPoint(r);
        break;
    case SetViewportExtEx: {
        const QPointF p = readPoint(r);
        m_dc.setViewportExt(QSizeF(p.x(), p.y()));
        break;
    }
    case SetViewportOrgEx:
        s.viewportOrg = readPoint(r);
        break;
    case SetBrushOrgEx:
        s.brushOrigin = m_dc.deviceToPicture().map(readPoint(r));
        break;
    case SetPixelV: {
        const QPointF p = readPoint(r);
        const QColor c = colorRef(r.u32());
        if (r.ok()) {
            m_dc.setPixel(p, c);
        }
        break;
    }
    case SetMapMode:
        m_dc.setMapMode(r.i32());
        break;
    case SetBkMode:
        s.bkMode = r.i32() == BkTransparent ? BkTransparent : BkOpaque;
        break;
    case SetPolyFillMode:
        s.fillRule = r.u32() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetRop2:
        s.rop2 = std::clamp(r.i32(), 1, 16);
        break;
    case SetStretchBltMode:
        s.stretchMode = r.i32();
        break;
    case SetTextAlign:
        s.textAlign = r.u32();
        break;
    case SetTextColor:
        s.textColor = colorRef(r.u32());
        break;
    case SetBkColor:
        s.bkColor = colorRef(r.u32());
        break;
    case OffsetClipRgn:
        m_dc.offsetClip(readPoint(r));
        break;
    case MoveToEx:
        m_dc.moveTo(readPoint(r));
        break;
    case LineTo: {
        const QPointF p = readPoint(r);
        if (r.ok()) {
            m_dc.lineTo(p);
        }
        break;
    }
    case ExcludeClipRect:
        m_dc.excludeClipRect(readRect(r));
        break;
    case IntersectClipRect:
        m_dc.intersectClipRect(readRect(r));
        break;
    case ScaleViewportExtEx:
    case ScaleWindowExtEx: {
        const double xNum = r.i32(), xDenom = r.i32(), yNum = r.i32(), yDenom = r.i32();
        if (type == ScaleViewportExtEx) {
            m_dc.scaleViewportExt(xNum, xDenom, yNum, yDenom);
        } else {
            m_dc.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        }
        break;
    }
    case SaveDc:
        m_dc.saveState();
        break;
    case RestoreDc:
        m_dc.restoreState(r.i32());
        break;
    case SetWorldTransform:
        m_dc.setWorldTransform(readXform(r));
        break;
    case ModifyWorldTransform: {
        const QTransform t = readXform(r);
        m_dc.modifyWorldTransform(t, r.i32());
        break;
    }
    case SelectObject:
        if (const Object* o = object(r.u32())) {
            m_dc.select(*o);
        }
        break;
    case DeleteObject:
        m_objects.remove(r.u32());
        break;
    case CreatePen:
    case CreateBrushIndirect:
    case ExtCreateFontIndirectW:
    case CreatePalette:
    case CreateMonoBrush:
    case CreateDibPatternBrushPt:
    case ExtCreatePen:
    case CreateColorSpace:
    case CreateColorSpaceW:
        return createObject(type, r);
    case AngleArc: {
        const QPointF c = readPoint(r);
        const double radius = r.u32();
        const double start = r.f32();
        const double sweep = r.f32();
        if (r.ok()) {
            m_dc.angleArc(c, radius, start, sweep);
        }
        break;
    }
    case Ellipse:
    case Rectangle: {
        const QRectF box = readRect(r);
        if (r.ok() && type == Ellipse) {
            m_dc.ellipse(box);
        } else if (r.ok()) {
            m_dc.rectangle(box);
        }
        break;
    }
    case RoundRect: {
        const QRectF box = readRect(r);
        const QPointF corner = readPoint(r);
        if (r.ok()) {
            m_dc.roundRect(box, QSizeF(corner.x(), corner.y()));
        }
        break;
    }
    case Arc:
    case Chord:
    case Pie:
    case ArcTo: {
        const QRectF box = readRect(r);
        const QPointF start = readPoint(r);
        const QPointF end = readPoint(r);
        if (r.ok()) {
            using K = DeviceContext::ArcKind;
            m_dc.arc(type == Arc     ? K::Arc
                     : type == Chord ? K::Chord
                     : type == Pie   ? K::Pie
                                     : K::ArcTo,
                     box, start, end);
        }
        break;
    }
    case SetArcDirection:
        s.clockwise = r.u32() == 2;
        break;
    case SetMiterLimit: {
        const quint32 limit = r.u32();
        if (limit >= 1 && limit <= 1000) {
            s.miterLimit = limit;
        }
        break;
    }
    case BeginPath:
        m_dc.beginPath();
        break;
    case EndPath:
        m_dc.endPath();
        break;
    case CloseFigure:
        m_dc.closeFigure();
        break;
    case FillPath:
        m_dc.fillPath();
        break;
    case StrokeAndFillPath:
        m_dc.strokeAndFillPath();
        break;
    case StrokePath:
        m_dc.strokePath();
        break;
    case WidenPath:
        m_dc.widenPath();
        break;
    case SelectClipPath:
        m_dc.selectClipPath(r.i32());
        break;
    case AbortPath:
        m_dc.abortPath();
        break;
    case FillRgn:
    case FrameRgn:
    case InvertRgn:
    case PaintRgn:
    case ExtSelectClipRgn:
        return region(type, r);
    case BitBlt:
    case StretchBlt:
    case AlphaBlend:
    case TransparentBlt:
        return blit(type, r);
    case SetDiBitsToDevice:
    case StretchDiBits:
        return dibits(type, r);
    case ExtTextOutA:
    case ExtTextOutW:
    case PolyTextOutA:
    case PolyTextOutW:
    case SmallTextOut:
        return text(type, r);
    case GradientFill:
        return gradient(r);
    default:
        // Comments (EMF+ among them), palettes, colour management and the rest draw nothing.
        break;
    }
    return r.ok();
}

} // namespace gdi::emf

namespace gdi {

std::optional<QImage> playEmf(QByteArrayView data, double dpi, qint64 maxPixels, QString* error) {
    ByteReader file(data);
    file.u32(); // record type, checked by the caller
    const quint32 headerSize = file.u32();
    if (headerSize < 88 || !file.has(0, headerSize)) {
        setError(error, QCoreApplication::translate("Metafile", "The EMF header is damaged"));
        return std::nullopt;
    }
    ByteReader h = file.sub(0, headerSize);
    h.seek(8);
    const QRectF bounds = emf::readRect(h);
    const QRectF frame = emf::readRect(h);
    h.seek(60);
    const quint32 descriptionChars = h.u32();
    const quint32 descriptionOffset = h.u32();
    h.seek(72);
    const QPointF devicePixels = emf::readPoint(h);
    const QPointF deviceMm = emf::readPoint(h);
    QSizeF perMm(devicePixels.x() / deviceMm.x(), devicePixels.y() / deviceMm.y());
    // The later header fields are there only where the header reaches them and the description,
    // if any, starts after them: many writers put the description right after the 88-byte base.
    const bool hasMicrometers =
        headerSize >= 108 && (descriptionChars == 0 || descriptionOffset >= 108);
    if (hasMicrometers) {
        h.seek(100);
        const QPointF micrometers = emf::readPoint(h);
        if (micrometers.x() > 0 && micrometers.y() > 0) {
            perMm = QSizeF(devicePixels.x() * 1000 / micrometers.x(),
                           devicePixels.y() * 1000 / micrometers.y());
        }
    }
    if (!(perMm.width() > 0 && perMm.height() > 0 && std::isfinite(perMm.width()) &&
          std::isfinite(perMm.height()))) {
        perMm = QSizeF(96 / 25.4, 96 / 25.4); // a reference device the header does not describe
    }

    // The frame (0.01 mm) says how big the picture is; the device bounds are the fallback.
    QRectF deviceFrame(
        QPointF(frame.left() / 100 * perMm.width(), frame.top() / 100 * perMm.height()),
        QPointF(frame.right() / 100 * perMm.width(), frame.bottom() / 100 * perMm.height()));
    if (!(frame.width() > 0 && frame.height() > 0)) {
        deviceFrame = bounds.adjusted(0, 0, 1, 1); // inclusive; (0, 0)-(-1, -1) is empty
    }
    double kx = dpi / 25.4 / perMm.width();
    double ky = dpi / 25.4 / perMm.height();
    QSizeF scale;
    std::optional<QImage> picture =
        newPicture(deviceFrame.width() * kx, deviceFrame.height() * ky, maxPixels, &scale, error);
    if (!picture) {
        return std::nullopt;
    }
    kx *= scale.width();
    ky *= scale.height();
    const QTransform deviceToPicture(kx, 0, 0, ky, -deviceFrame.left() * kx,
                                     -deviceFrame.top() * ky);
    DeviceContext dc(std::move(*picture), deviceToPicture, perMm);
    emf::EmfPlayer player(dc);
    for (qint64 offset = headerSize; file.has(offset, 8);) {
        ByteReader record = file.sub(offset, 8);
        const quint32 type = record.u32();
        const quint32 size = record.u32();
        if (size < 8 || !file.has(offset, size) || !player.play(type, file.sub(offset, size)) ||
            type == emf::Eof || dc.budget().exhausted()) {
            break;
        }
        offset += size;
    }
    return dc.takePicture();
}

} // namespace gdi
