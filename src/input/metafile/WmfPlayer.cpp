// Windows metafiles: 16-bit records, with or without the placeable header that gives their size.

#include "input/metafile/ByteReader.h"
#include "input/metafile/DeviceContext.h"
#include "input/metafile/Dib.h"
#include "input/metafile/Players.h"

#include <algorithm>
#include <cmath>

namespace gdi {
namespace {

// clang-format off
enum Record : quint16 {
    Eof = 0x0000, SetBkColor = 0x0201, SetBkMode = 0x0102, SetMapMode = 0x0103,
    SetRop2 = 0x0104, SetPolyFillMode = 0x0106, SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108, SetTextColor = 0x0209, SetWindowOrg = 0x020b,
    SetWindowExt = 0x020c, OffsetWindowOrg = 0x020f, ScaleWindowExt = 0x0410, LineTo = 0x0213,
    MoveTo = 0x0214, ExcludeClipRect = 0x0415, IntersectClipRect = 0x0416, Arc = 0x0817,
    Ellipse = 0x0418, Pie = 0x081a, Rectangle = 0x041b, RoundRect = 0x061c, PatBlt = 0x061d,
    SaveDc = 0x001e, SetPixel = 0x041f, OffsetClipRgn = 0x0220, TextOut = 0x0521,
    BitBlt = 0x0922, StretchBlt = 0x0b23, Polygon = 0x0324, Polyline = 0x0325,
    RestoreDc = 0x0127, FillRegion = 0x0228, FrameRegion = 0x0429, InvertRegion = 0x012a,
    PaintRegion = 0x012b, SelectClipRegion = 0x012c, SelectObject = 0x012d,
    SetTextAlign = 0x012e, Chord = 0x0830, ExtTextOut = 0x0a32, SetDibToDev = 0x0d33,
    PolyPolygon = 0x0538, DibBitBlt = 0x0940, DibStretchBlt = 0x0b41,
    DibCreatePatternBrush = 0x0142, StretchDib = 0x0f43, DeleteObject = 0x01f0,
    CreatePalette = 0x00f7, CreatePatternBrush = 0x01f9, CreatePenIndirect = 0x02fa,
    CreateFontIndirect = 0x02fb, CreateBrushIndirect = 0x02fc, CreateRegion = 0x06ff
};
// clang-format on

constexpr quint32 PlaceableKey = 0x9ac6cdd7;
constexpr quint32 SrcCopy = 0xcc0020;

// Most records list their coordinates last-first: y before x, bottom-right before top-left.
QPointF readYX(ByteReader& r) {
    const qint16 y = r.i16();
    return QPointF(r.i16(), y);
}

QRectF readBox(ByteReader& r) {
    const QPointF bottomRight = readYX(r);
    return QRectF(readYX(r), bottomRight);
}

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

class WmfPlayer {
public:
    explicit WmfPlayer(DeviceContext& dc) : dc_(dc), objects_(65535) {}
    bool play(quint16 function, ByteReader r);

private:
    bool createObject(quint16 function, ByteReader& r);
    bool bitmap(quint16 function, ByteReader& r);
    bool text(quint16 function, ByteReader& r);
    bool regionRecord(quint16 function, ByteReader& r);
    const Region* region(quint16 index) const;

    DeviceContext& dc_;
    ObjectTable objects_;
};

const Region* WmfPlayer::region(quint16 index) const {
    const Object* o = objects_.get(index);
    return o ? std::get_if<Region>(o) : nullptr;
}

bool WmfPlayer::play(quint16 function, ByteReader r) {
    r.seek(6);
    DcState& s = dc_.state();
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
        dc_.setWindowExt(QSizeF(e.x(), e.y()));
        break;
    }
    case OffsetWindowOrg:
        s.windowOrg += readYX(r);
        break;
    case ScaleWindowExt: {
        const double yDenom = r.i16(), yNum = r.i16(), xDenom = r.i16(), xNum = r.i16();
        dc_.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        break;
    }
    case MoveTo:
        dc_.moveTo(readYX(r));
        break;
    case LineTo: {
        const QPointF p = readYX(r);
        if (r.ok()) {
            dc_.lineTo(p);
        }
        break;
    }
    case ExcludeClipRect:
        dc_.excludeClipRect(readBox(r));
        break;
    case IntersectClipRect:
        dc_.intersectClipRect(readBox(r));
        break;
    case OffsetClipRgn:
        dc_.offsetClip(readYX(r));
        break;
    case Arc:
    case Pie:
    case Chord: {
        const QPointF end = readYX(r);
        const QPointF start = readYX(r);
        const QRectF box = readBox(r);
        if (r.ok()) {
            using K = DeviceContext::ArcKind;
            dc_.arc(function == Arc   ? K::Arc
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
            dc_.ellipse(box);
        } else if (r.ok()) {
            dc_.rectangle(box);
        }
        break;
    }
    case RoundRect: {
        const QPointF corner = readYX(r);
        const QRectF box = readBox(r);
        if (r.ok()) {
            dc_.roundRect(box, QSizeF(corner.x(), corner.y()));
        }
        break;
    }
    case PatBlt: {
        const quint32 rop = r.u32();
        const QPointF size = readYX(r);
        const QPointF at = readYX(r);
        if (r.ok()) {
            dc_.patBlt(QRectF(at, QSizeF(size.x(), size.y())), rop);
        }
        break;
    }
    case SaveDc:
        dc_.saveState();
        break;
    case RestoreDc:
        dc_.restoreState(r.i16());
        break;
    case SetPixel: {
        const QColor c = colorRef(r.u32());
        const QPointF p = readYX(r);
        if (r.ok()) {
            dc_.setPixel(p, c);
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
            dc_.polygon(*points);
        } else {
            dc_.polyline(*points);
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
        dc_.polyPolygon(polygons);
        break;
    }
    case SelectObject:
        if (const Object* o = objects_.get(r.u16())) {
            dc_.select(*o);
        }
        break;
    case SelectClipRegion:
        if (const Region* rgn = region(r.u16())) {
            dc_.select(*rgn);
        } else {
            dc_.resetClip();
        }
        break;
    case DeleteObject:
        objects_.remove(r.u16());
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

bool WmfPlayer::createObject(quint16 function, ByteReader& r) {
    Object made = Placeholder{};
    switch (function) {
    case CreatePenIndirect: {
        Pen pen;
        const quint16 style = r.u16();
        pen.style = style & 0x0f;
        pen.flags = style & 0xff00;
        pen.width = r.i16();
        r.i16();
        pen.color = colorRef(r.u32());
        made = pen;
        break;
    }
    case CreateBrushIndirect: {
        Brush brush;
        brush.style = r.u16();
        brush.color = colorRef(r.u32());
        brush.hatch = r.u16();
        made = brush;
        break;
    }
    case CreatePatternBrush: {
        // An old device bitmap; only its monochrome form is common enough to draw.
        r.skip(2);
        const int width = r.i16();
        const int height = r.i16();
        const int widthBytes = r.i16();
        r.u8();
        const int bits = r.u8();
        r.skip(22);
        Brush brush;
        brush.color = QColor(0x80, 0x80, 0x80);
        const QByteArrayView data = r.bytes(qint64(widthBytes) * height);
        if (r.ok() && bits == 1 && width > 0 && height > 0 && width <= widthBytes * 8 &&
            width <= 256 && height <= 256) {
            QImage pattern(width, height, QImage::Format_Indexed8);
            pattern.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const int byte = quint8(data[qint64(y) * widthBytes + x / 8]);
                    pattern.scanLine(y)[x] = (byte >> (7 - x % 8)) & 1;
                }
            }
            brush.style = BsPattern;
            brush.pattern = pattern;
            brush.monochrome = true;
        }
        made = brush;
        break;
    }
    case DibCreatePatternBrush: {
        r.u16(); // style
        DibOptions options;
        options.paletteIndices = r.u16() == 1;
        options.allocate = [this](qint64 pixels) {
            return dc_.budget().chargeDecode(pixels, true);
        };
        Brush brush;
        brush.style = BsDibPatternPt;
        brush.color = QColor(0x80, 0x80, 0x80);
        brush.pattern = decodePackedDib(r.bytes(r.remaining()), options).value_or(QImage());
        made = brush;
        break;
    }
    case CreateFontIndirect: {
        Font font;
        font.height = r.i16();
        font.width = r.i16();
        font.escapement = r.i16();
        r.i16(); // orientation
        font.weight = r.i16();
        font.italic = r.u8();
        font.underline = r.u8();
        font.strikeOut = r.u8();
        r.u8(); // character set
        r.skip(4);
        QByteArray face;
        while (face.size() < 32 && r.remaining() > 0) {
            const char c = char(r.u8());
            if (c == 0) {
                break;
            }
            face.append(c);
        }
        font.face = decodeAnsi(face);
        made = font;
        break;
    }
    case CreateRegion: {
        r.skip(10); // chain, type, count, size
        const int scans = r.i16();
        r.i16(); // longest scan
        const qint16 left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
        const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
        Region rgn;
        for (int i = 0; i < scans && r.ok(); ++i) {
            const int count = r.u16();
            const int y0 = r.i16();
            const int y1 = r.i16();
            for (int k = 0; k + 1 < count && r.ok(); k += 2) {
                const int x0 = r.i16();
                const int x1 = r.i16();
                rgn.rects.append(QRectF(QPointF(x0, y0), QPointF(x1, y1)).normalized());
            }
            r.u16(); // count again
        }
        if (scans <= 0) {
            rgn.rects.append(bounds.normalized());
        }
        made = rgn;
        break;
    }
    default:
        break; // palettes
    }
    if (!r.ok()) {
        return false;
    }
    objects_.addToFreeSlot(std::move(made));
    return true;
}

bool WmfPlayer::regionRecord(quint16 function, ByteReader& r) {
    const Region* rgn = region(r.u16());
    const Object* brushObject =
        function == FillRegion || function == FrameRegion ? objects_.get(r.u16()) : nullptr;
    const QPointF frame = function == FrameRegion ? readYX(r) : QPointF();
    if (!r.ok()) {
        return false;
    }
    if (!rgn) {
        return true;
    }
    const QRegion area = dc_.regionToPicture(rgn->rects, dc_.toPicture());
    const Brush* brush = brushObject ? std::get_if<Brush>(brushObject) : &dc_.state().brush;
    if (function == InvertRegion) {
        dc_.invertRegion(area);
    } else if (brush && function == FrameRegion) {
        dc_.frameRegion(area, *brush, QSizeF(frame.x(), frame.y()));
    } else if (brush && (function == PaintRegion || brushObject)) {
        dc_.fillRegion(area, *brush);
    }
    return true;
}

bool WmfPlayer::bitmap(quint16 function, ByteReader& r) {
    quint32 rop = SrcCopy;
    DibOptions options;
    QPointF srcSize;
    QPointF srcAt;
    QPointF destSize;
    quint16 startScan = 0;
    bool withoutBitmap = false;
    if (function == SetDibToDev) {
        options.paletteIndices = r.u16() == 1;
        options.scanLines = r.u16();
        startScan = r.u16();
        srcAt = readYX(r);
        srcSize = destSize = readYX(r);
    } else if (function == StretchDib) {
        rop = r.u32();
        options.paletteIndices = r.u16() == 1;
        srcSize = readYX(r);
        srcAt = readYX(r);
        destSize = readYX(r);
    } else {
        // Without a bitmap the blits are pattern fills, and carry one reserved word more.
        withoutBitmap = r.size() == (qint64(function >> 8) + 3) * 2;
        const bool stretch = function == StretchBlt || function == DibStretchBlt;
        rop = r.u32();
        if (stretch) {
            srcSize = readYX(r);
        }
        srcAt = readYX(r);
        if (withoutBitmap) {
            r.skip(2);
        }
        destSize = readYX(r);
        if (!stretch) {
            srcSize = destSize;
        }
    }
    const QPointF destAt = readYX(r);
    if (!r.ok()) {
        return false;
    }
    const QRectF dest(destAt, QSizeF(destSize.x(), destSize.y()));
    if (withoutBitmap) {
        dc_.patBlt(dest, rop);
        return true;
    }
    if (function == BitBlt || function == StretchBlt) {
        return true; // old device bitmaps carry no colours we could trust
    }
    const QByteArrayView packed = r.bytes(r.remaining());
    options.allocate = [this](qint64 pixels) { return dc_.budget().chargeDecode(pixels, false); };
    const std::optional<QImage> image = decodePackedDib(packed, options);
    if (!image) {
        return true;
    }
    double top = srcAt.y();
    // The device-independent calls count source rows from the bottom of bottom-up bitmaps.
    if (function == StretchDib || function == SetDibToDev) {
        ByteReader header(packed);
        const bool core = header.u32() == 12;
        header.skip(4);
        if (core || header.i32() > 0) {
            const double rows =
                function == SetDibToDev ? double(startScan) + image->height() : image->height();
            top = rows - srcAt.y() - srcSize.y();
        }
    }
    dc_.drawBitmap(dest, *image, QRectF(srcAt.x(), top, srcSize.x(), srcSize.y()), rop);
    return true;
}

bool WmfPlayer::text(quint16 function, ByteReader& r) {
    TextRun run;
    qint64 length = 0;
    if (function == TextOut) {
        length = r.i16();
        const QByteArrayView bytes = r.bytes(length < 0 ? -1 : length + (length & 1));
        run.reference = readYX(r);
        if (!r.ok()) {
            return false;
        }
        run.text = decodeAnsi(bytes.first(length));
        dc_.text(run);
        return true;
    }
    run.reference = readYX(r);
    length = r.i16();
    run.options = r.u16();
    if (run.options & (EtoOpaque | EtoClipped)) {
        const qint16 left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
        run.rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    const QByteArrayView bytes = r.bytes(length < 0 ? -1 : length);
    if (!r.ok()) {
        return false;
    }
    run.text = decodeAnsi(bytes);
    r.skip(length & 1);
    if (r.ok() && r.remaining() >= length * 2) {
        for (qint64 i = 0; i < length; ++i) {
            run.dx.append(r.i16());
        }
    }
    dc_.text(run);
    return true;
}

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

} // namespace

namespace {

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

std::optional<QImage> playWmf(QByteArrayView data, double dpi, qint64 maxPixels, QString* error) {
    ByteReader file(data);
    qint64 offset = 0;
    std::optional<QRectF> window;
    double scale = 1;
    if (file.u32() == PlaceableKey) {
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
        setError(error, QStringLiteral("The WMF header is damaged"));
        return std::nullopt;
    }
    offset += 18;
    // Without a window of its own, a plain WMF is as big as what it draws; the picture then
    // starts where the drawing does.
    std::optional<QRectF> drawn;
    if (!window) {
        window = scanWindow(file, offset, dpi, &scale);
    }
    if (!window) {
        drawn = drawnExtent(file, offset, dpi);
        if (drawn->isEmpty()) {
            setError(error,
                     QStringLiteral("The WMF neither says how big it is nor draws anything"));
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
    playRecords(file, offset, dc);
    return dc.takePicture();
}

} // namespace gdi
