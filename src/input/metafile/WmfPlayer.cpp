// Windows metafiles: 16-bit records, with or without the placeable header that gives their size.
// Here the records are dispatched and the picture's size is found.
#include "input/metafile/WmfPlayer.h"
#include "input/metafile/Players.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace gdi::wmf {
namespace {

std::optional<QPolygonF> readPoints(ByteReader& r, qint64 count) {
    if (count < 0 || count * 4 > r.remaining()) {
        return std::nullopt;
    }
    QPolygonF points;
    points.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint16 x = r.i16();
        points.append(QPointF(x, r.i16()));
    }
    return points;
}

} // namespace

const Region* WmfPlayer::region(quint16 index) const {
    const Object* o = m_objects.get(index);
    return o ? std::get_if<Region>(o) : nullptr;
}

bool WmfPlayer::play(quint16 function, ByteReader r) {
    r.seek(6);
    DcState& s = m_dc.state();
    switch (function) {
    case SetBkColor:
        s.bkColor = colorRef(r.u32());
        break;
    case SetBkMode:
        s.bkMode = r.u16() == BkTransparent ? BkTransparent : BkOpaque;
        break;
    case SetMapMode:
        // A WMF has no device of its own: its window always maps onto the whole picture, so
        // only the choice of keeping the aspect ratio matters.
        s.mapMode = r.u16() == MmIsotropic ? MmIsotropic : MmAnisotropic;
        break;
    case SetRop2:
        s.rop2 = std::clamp(int(r.u16()), 1, 16);
        break;
    case SetPolyFillMode:
        s.fillRule = r.u16() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetStretchBltMode:
        s.stretchMode = r.u16();
        break;
    case SetTextCharExtra:
        s.charExtra = r.i16();
        break;
    case SetTextColor:
        s.textColor = colorRef(r.u32());
        break;
    case SetTextAlign:
        s.textAlign = r.u16();
        break;
    case SetWindowOrg:
        s.windowOrg = readYX(r);
        break;
    case SetWindowExt: {
        const QPointF e = readYX(r);
        m_dc.setWindowExt(QSizeF(e.x(), e.y()));
        break;
    }
    case OffsetWindowOrg:
        s.windowOrg += readYX(r);
        break;
    case ScaleWindowExt: {
        const double yDenom = r.i16(), yNum = r.i16(), xDenom = r.i16(), xNum = r.i16();
        m_dc.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        break;
    }
    case MoveTo:
        m_dc.moveTo(readYX(r));
        break;
    case LineTo: {
        const QPointF p = readYX(r);
        if (r.ok()) {
            m_dc.lineTo(p);
        }
        break;
    }
    case ExcludeClipRect:
        m_dc.excludeClipRect(readBox(r));
        break;
    case IntersectClipRect:
        m_dc.intersectClipRect(readBox(r));
        break;
    case OffsetClipRgn:
        m_dc.offsetClip(readYX(r));
        break;
    case Arc:
    case Pie:
    case Chord: {
        const QPointF end = readYX(r);
        const QPointF start = readYX(r);
        const QRectF box = readBox(r);
        if (r.ok()) {
            using K = DeviceContext::ArcKind;
            m_dc.arc(function == Arc   ? K::Arc
                     : function == Pie ? K::Pie
                                       : K::Chord,
                     box, start, end);
        }
        break;
    }
    case Ellipse:
    case Rectangle: {
        const QRectF box = readBox(r);
        if (r.ok() && function == Ellipse) {
            m_dc.ellipse(box);
        } else if (r.ok()) {
            m_dc.rectangle(box);
        }
        break;
    }
    case RoundRect: {
        const QPointF corner = readYX(r);
        const QRectF box = readBox(r);
        if (r.ok()) {
            m_dc.roundRect(box, QSizeF(corner.x(), corner.y()));
        }
        break;
    }
    case PatBlt: {
        const quint32 rop = r.u32();
        const QPointF size = readYX(r);
        const QPointF at = readYX(r);
        if (r.ok()) {
            m_dc.patBlt(QRectF(at, QSizeF(size.x(), size.y())), rop);
        }
        break;
    }
    case SaveDc:
        m_dc.saveState();
        break;
    case RestoreDc:
        m_dc.restoreState(r.i16());
        break;
    case SetPixel: {
        const QColor c = colorRef(r.u32());
        const QPointF p = readYX(r);
        if (r.ok()) {
            m_dc.setPixel(p, c);
        }
        break;
    }
    case Polygon:
    case Polyline: {
        const std::optional<QPolygonF> points = readPoints(r, r.i16());
        if (!points) {
            return false;
        }
        if (function == Polygon) {
            m_dc.polygon(*points);
        } else {
            m_dc.polyline(*points);
        }
        break;
    }
    case PolyPolygon: {
        const int count = r.u16();
        QVector<int> sizes;
        qint64 total = 0;
        for (int i = 0; i < count && r.ok(); ++i) {
            sizes.append(r.u16());
            total += sizes.back();
        }
        if (!r.ok() || total * 4 > r.remaining()) {
            return false;
        }
        QVector<QPolygonF> polygons;
        for (int n : sizes) {
            polygons.append(*readPoints(r, n));
        }
        m_dc.polyPolygon(polygons);
        break;
    }
    case SelectObject:
        if (const Object* o = m_objects.get(r.u16())) {
            m_dc.select(*o);
        }
        break;
    case SelectClipRegion:
        if (const Region* rgn = region(r.u16())) {
            m_dc.select(*rgn);
        } else {
            m_dc.resetClip();
        }
        break;
    case DeleteObject:
        m_objects.remove(r.u16());
        break;
    case CreatePalette:
    case CreatePatternBrush:
    case CreatePenIndirect:
    case CreateFontIndirect:
    case CreateBrushIndirect:
    case CreateRegion:
    case DibCreatePatternBrush:
        return createObject(function, r);
    case FillRegion:
    case FrameRegion:
    case InvertRegion:
    case PaintRegion:
        return regionRecord(function, r);
    case BitBlt:
    case StretchBlt:
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
    case SetDibToDev:
        return bitmap(function, r);
    case TextOut:
    case ExtTextOut:
        return text(function, r);
    default:
        // Escapes (comments), palettes, viewport changes and flood fills draw nothing here.
        break;
    }
    return r.ok();
}

namespace {

// The size of a WMF without placeable header: its first window, in the units of its first map
// mode, at one pixel per unit unless those units are physical.
std::optional<QRectF> scanWindow(const ByteReader& file, qint64 offset, double dpi, double* scale) {
    std::optional<QPointF> origin;
    std::optional<QPointF> extent;
    int mode = MmText;
    for (int records = 0; file.has(offset, 6) && records < 100000 && !extent; ++records) {
        ByteReader r = file.sub(offset, 6);
        const qint64 size = qint64(r.u32()) * 2;
        const quint16 function = r.u16();
        if (size < 6 || !file.has(offset, size) || function == Eof) {
            break;
        }
        ByteReader p = file.sub(offset + 6, size - 6);
        if (function == SetWindowOrg && !origin) {
            origin = readYX(p);
        } else if (function == SetWindowExt) {
            extent = readYX(p);
        } else if (function == SetMapMode) {
            mode = p.u16();
        }
        offset += size;
    }
    if (!extent || extent->x() == 0 || extent->y() == 0) {
        return std::nullopt;
    }
    static const double unitsPerInch[] = {254, 2540, 100, 1000, 1440};
    *scale = mode >= MmLoMetric && mode <= MmTwips ? dpi / unitsPerInch[mode - MmLoMetric] : 1;
    return QRectF(origin.value_or(QPointF()), QSizeF(extent->x(), extent->y()));
}

// Plays the records after the header onto the device context.
void playRecords(const ByteReader& file, qint64 offset, DeviceContext& dc) {
    WmfPlayer player(dc);
    while (file.has(offset, 6)) {
        ByteReader r = file.sub(offset, 6);
        const qint64 recordSize = qint64(r.u32()) * 2;
        const quint16 function = r.u16();
        if (recordSize < 6 || !file.has(offset, recordSize) ||
            !player.play(function, file.sub(offset, recordSize)) || function == Eof ||
            dc.budget().exhausted()) {
            break;
        }
        offset += recordSize;
    }
}

// The extent of what a WMF without a window draws, in its logical units at one pixel each: the
// records are played without drawing, and the areas they would reach are added up.
QRectF drawnExtent(const ByteReader& file, qint64 offset, double dpi) {
    DeviceContext dc(QImage(1, 1, QImage::Format_ARGB32_Premultiplied), QTransform(),
                     QSizeF(dpi / 25.4, dpi / 25.4));
    dc.measureOnly();
    dc.state().mapMode = MmAnisotropic;
    playRecords(file, offset, dc);
    return dc.measured();
}

} // namespace
} // namespace gdi::wmf

namespace gdi {

std::optional<QImage> playWmf(QByteArrayView data, double dpi, qint64 maxPixels, QString* error) {
    ByteReader file(data);
    qint64 offset = 0;
    std::optional<QRectF> window;
    double scale = 1;
    if (file.u32() == wmf::PlaceableKey) {
        file.u16(); // handle
        const qint16 left = file.i16(), top = file.i16(), right = file.i16(), bottom = file.i16();
        const double inch = file.u16();
        window = QRectF(QPointF(left, top), QPointF(right, bottom));
        scale = dpi / (inch > 0 ? inch : 1440);
        offset = 22;
    }
    ByteReader header = file.sub(offset, 18);
    const quint16 type = header.u16();
    const quint16 headerWords = header.u16();
    if (!header.ok() || (type != 1 && type != 2) || headerWords != 9) {
        setError(error, QCoreApplication::translate("Metafile", "The WMF header is damaged"));
        return std::nullopt;
    }
    offset += 18;
    // Without a window of its own, a plain WMF is as big as what it draws; the picture then
    // starts where the drawing does.
    std::optional<QRectF> drawn;
    if (!window) {
        window = wmf::scanWindow(file, offset, dpi, &scale);
    }
    if (!window) {
        drawn = wmf::drawnExtent(file, offset, dpi);
        if (drawn->isEmpty()) {
            setError(error,
                     QCoreApplication::translate(
                         "Metafile", "The WMF neither says how big it is nor draws anything"));
            return std::nullopt;
        }
        window = QRectF(QPointF(), drawn->size());
    }
    QSizeF fit;
    std::optional<QImage> picture =
        newPicture(std::abs(window->width()) * scale, std::abs(window->height()) * scale, maxPixels,
                   &fit, error);
    if (!picture) {
        return std::nullopt;
    }
    const QSize size = picture->size();
    DeviceContext dc(std::move(*picture), QTransform(), QSizeF(dpi / 25.4, dpi / 25.4));
    dc.state().mapMode = MmAnisotropic;
    dc.state().windowOrg = window->topLeft();
    dc.setWindowExt(window->size());
    dc.setViewportExt(QSizeF(size));
    if (drawn) {
        // The file's own window origin, if it sets one, still applies; the viewport moves the
        // drawing's top-left corner to the picture's.
        dc.state().viewportOrg = -QPointF(drawn->left() * size.width() / drawn->width(),
                                          drawn->top() * size.height() / drawn->height());
    }
    wmf::playRecords(file, offset, dc);
    return dc.takePicture();
}

} // namespace gdi
