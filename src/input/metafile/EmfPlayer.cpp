// Enhanced metafiles: 32-bit records with the drawing size in their header.

#include "input/metafile/ByteReader.h"
#include "input/metafile/DeviceContext.h"
#include "input/metafile/Dib.h"
#include "input/metafile/Players.h"

#include <algorithm>
#include <cmath>

namespace gdi {
namespace {

// clang-format off
enum Record : quint32 {
    Header = 1, PolyBezier, Polygon, Polyline, PolyBezierTo, PolylineTo, PolyPolyline,
    PolyPolygon, SetWindowExtEx, SetWindowOrgEx, SetViewportExtEx, SetViewportOrgEx,
    SetBrushOrgEx, Eof, SetPixelV, SetMapperFlags, SetMapMode, SetBkMode, SetPolyFillMode,
    SetRop2, SetStretchBltMode, SetTextAlign, SetColorAdjustment, SetTextColor, SetBkColor,
    OffsetClipRgn, MoveToEx, SetMetaRgn, ExcludeClipRect, IntersectClipRect, ScaleViewportExtEx,
    ScaleWindowExtEx, SaveDc, RestoreDc, SetWorldTransform, ModifyWorldTransform, SelectObject,
    CreatePen, CreateBrushIndirect, DeleteObject, AngleArc, Ellipse, Rectangle, RoundRect, Arc,
    Chord, Pie, SelectPalette, CreatePalette, SetPaletteEntries, ResizePalette, RealizePalette,
    ExtFloodFill, LineTo, ArcTo, PolyDraw, SetArcDirection, SetMiterLimit, BeginPath, EndPath,
    CloseFigure, FillPath, StrokeAndFillPath, StrokePath, FlattenPath, WidenPath, SelectClipPath,
    AbortPath, GdiComment = 70, FillRgn, FrameRgn, InvertRgn, PaintRgn, ExtSelectClipRgn, BitBlt,
    StretchBlt, MaskBlt, PlgBlt, SetDiBitsToDevice, StretchDiBits, ExtCreateFontIndirectW,
    ExtTextOutA, ExtTextOutW, PolyBezier16, Polygon16, Polyline16, PolyBezierTo16, PolylineTo16,
    PolyPolyline16, PolyPolygon16, PolyDraw16, CreateMonoBrush, CreateDibPatternBrushPt,
    ExtCreatePen, PolyTextOutA, PolyTextOutW, CreateColorSpace = 99, SmallTextOut = 108,
    AlphaBlend = 114, TransparentBlt = 116, GradientFill = 118, CreateColorSpaceW = 122
};
// clang-format on

constexpr int MaxObjects = 65536;
constexpr quint32 SrcCopy = 0xcc0020;

QPointF readPoint(ByteReader& r) {
    const qint32 x = r.i32();
    return QPointF(x, r.i32());
}

// A RECTL as its two corners; callers normalize where the order does not matter.
QRectF readRect(ByteReader& r) {
    const qint32 left = r.i32();
    const qint32 top = r.i32();
    const qint32 right = r.i32();
    const qint32 bottom = r.i32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QTransform readXform(ByteReader& r) {
    double m[6];
    for (double& v : m) {
        v = r.f32();
    }
    return QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

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

class EmfPlayer {
public:
    explicit EmfPlayer(DeviceContext& dc) : dc_(dc), objects_(MaxObjects) {}
    // False when the record is damaged and playback must stop.
    bool play(quint32 type, ByteReader r);

private:
    bool poly(quint32 type, ByteReader& r);
    bool polyPoly(quint32 type, ByteReader& r);
    bool region(quint32 type, ByteReader& r);
    bool blit(quint32 type, ByteReader& r);
    bool dibits(quint32 type, ByteReader& r);
    bool createObject(quint32 type, ByteReader& r);
    bool text(quint32 type, ByteReader& r);
    bool emrText(ByteReader& record, ByteReader& r, bool wide);
    bool gradient(ByteReader& r);
    std::optional<QImage> bitmap(const ByteReader& record, quint32 offInfo, quint32 cbInfo,
                                 quint32 offBits, quint32 cbBits, DibOptions options, bool* bad);
    const Object* object(quint32 index);

    DeviceContext& dc_;
    ObjectTable objects_;
    Object stock_;
};

const Object* EmfPlayer::object(quint32 index) {
    if (const std::optional<Object> stock = stockObject(index)) {
        stock_ = *stock;
        return &stock_;
    }
    return objects_.get(index);
}

bool EmfPlayer::play(quint32 type, ByteReader r) {
    r.seek(8);
    DcState& s = dc_.state();
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
        dc_.setWindowExt(QSizeF(p.x(), p.y()));
        break;
    }
    case SetWindowOrgEx:
        s.windowOrg = readPoint(r);
        break;
    case SetViewportExtEx: {
        const QPointF p = readPoint(r);
        dc_.setViewportExt(QSizeF(p.x(), p.y()));
        break;
    }
    case SetViewportOrgEx:
        s.viewportOrg = readPoint(r);
        break;
    case SetBrushOrgEx:
        s.brushOrigin = dc_.deviceToPicture().map(readPoint(r));
        break;
    case SetPixelV: {
        const QPointF p = readPoint(r);
        const QColor c = colorRef(r.u32());
        if (r.ok()) {
            dc_.setPixel(p, c);
        }
        break;
    }
    case SetMapMode:
        dc_.setMapMode(r.i32());
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
        dc_.offsetClip(readPoint(r));
        break;
    case MoveToEx:
        dc_.moveTo(readPoint(r));
        break;
    case LineTo: {
        const QPointF p = readPoint(r);
        if (r.ok()) {
            dc_.lineTo(p);
        }
        break;
    }
    case ExcludeClipRect:
        dc_.excludeClipRect(readRect(r));
        break;
    case IntersectClipRect:
        dc_.intersectClipRect(readRect(r));
        break;
    case ScaleViewportExtEx:
    case ScaleWindowExtEx: {
        const double xNum = r.i32(), xDenom = r.i32(), yNum = r.i32(), yDenom = r.i32();
        if (type == ScaleViewportExtEx) {
            dc_.scaleViewportExt(xNum, xDenom, yNum, yDenom);
        } else {
            dc_.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        }
        break;
    }
    case SaveDc:
        dc_.saveState();
        break;
    case RestoreDc:
        dc_.restoreState(r.i32());
        break;
    case SetWorldTransform:
        dc_.setWorldTransform(readXform(r));
        break;
    case ModifyWorldTransform: {
        const QTransform t = readXform(r);
        dc_.modifyWorldTransform(t, r.i32());
        break;
    }
    case SelectObject:
        if (const Object* o = object(r.u32())) {
            dc_.select(*o);
        }
        break;
    case DeleteObject:
        objects_.remove(r.u32());
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
            dc_.angleArc(c, radius, start, sweep);
        }
        break;
    }
    case Ellipse:
    case Rectangle: {
        const QRectF box = readRect(r);
        if (r.ok() && type == Ellipse) {
            dc_.ellipse(box);
        } else if (r.ok()) {
            dc_.rectangle(box);
        }
        break;
    }
    case RoundRect: {
        const QRectF box = readRect(r);
        const QPointF corner = readPoint(r);
        if (r.ok()) {
            dc_.roundRect(box, QSizeF(corner.x(), corner.y()));
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
            dc_.arc(type == Arc     ? K::Arc
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
        dc_.beginPath();
        break;
    case EndPath:
        dc_.endPath();
        break;
    case CloseFigure:
        dc_.closeFigure();
        break;
    case FillPath:
        dc_.fillPath();
        break;
    case StrokeAndFillPath:
        dc_.strokeAndFillPath();
        break;
    case StrokePath:
        dc_.strokePath();
        break;
    case WidenPath:
        dc_.widenPath();
        break;
    case SelectClipPath:
        dc_.selectClipPath(r.i32());
        break;
    case AbortPath:
        dc_.abortPath();
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
        dc_.polyBezier(*points);
        break;
    case Polygon:
    case Polygon16:
        dc_.polygon(*points);
        break;
    case Polyline:
    case Polyline16:
        dc_.polyline(*points);
        break;
    case PolyBezierTo:
    case PolyBezierTo16:
        dc_.polyBezierTo(*points);
        break;
    case PolylineTo:
    case PolylineTo16:
        dc_.polylineTo(*points);
        break;
    default: {
        const QByteArrayView types = r.bytes(count);
        if (!r.ok()) {
            return false;
        }
        dc_.polyDraw(*points, types);
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
        dc_.polyPolygon(shapes);
    } else {
        dc_.polyPolyline(shapes);
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
                dc_.resetClip();
            }
            return true;
        }
        const std::optional<QVector<QRectF>> rects = readRegion(r.sub(r.pos(), size));
        if (!rects) {
            return false;
        }
        dc_.combineClip(dc_.regionToPicture(*rects, dc_.deviceToPicture()), mode);
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
    const QRegion area = dc_.regionToPicture(*rects, dc_.deviceToPicture());
    const Object* o = (type == FillRgn || type == FrameRgn) ? object(brushIndex) : nullptr;
    const Brush* brush = o ? std::get_if<Brush>(o) : &dc_.state().brush;
    if (type == InvertRgn) {
        dc_.invertRegion(area);
    } else if (brush && type == FrameRgn) {
        dc_.frameRegion(area, *brush, QSizeF(width, height));
    } else if (brush) {
        dc_.fillRegion(area, *brush);
    }
    return true;
}

std::optional<QImage> EmfPlayer::bitmap(const ByteReader& record, quint32 offInfo, quint32 cbInfo,
                                        quint32 offBits, quint32 cbBits, DibOptions options,
                                        bool* bad) {
    const ByteReader info = record.sub(offInfo, cbInfo);
    const ByteReader bits = record.sub(offBits, cbBits);
    if (!info.ok() || !bits.ok()) {
        *bad = true;
        return std::nullopt;
    }
    if (!options.allocate) {
        options.allocate = [this](qint64 pixels) {
            return dc_.budget().chargeDecode(pixels, false);
        };
    }
    return decodeDib(info.all(), bits.all(), options);
}

// BitBlt, StretchBlt, AlphaBlend and TransparentBlt share one layout.
bool EmfPlayer::blit(quint32 type, ByteReader& r) {
    r.skip(16);
    const QPointF destAt = readPoint(r);
    const QPointF destSize = readPoint(r);
    const quint32 rop = r.u32(); // the blend function or transparent colour for the last two
    const QPointF srcAt = readPoint(r);
    QTransform srcXform = readXform(r);
    r.u32(); // background colour
    const quint32 usage = r.u32();
    const quint32 offInfo = r.u32(), cbInfo = r.u32(), offBits = r.u32(), cbBits = r.u32();
    QPointF srcSize = destSize;
    if (type != BitBlt) {
        srcSize = readPoint(r);
    }
    if (!r.ok()) {
        return false;
    }
    const QRectF dest(destAt, QSizeF(destSize.x(), destSize.y()));
    if (cbInfo == 0) {
        if (type == BitBlt || type == StretchBlt) {
            dc_.patBlt(dest, rop);
        }
        return true;
    }
    DibOptions options;
    options.paletteIndices = usage == 1;
    options.keepAlpha = type == AlphaBlend && ((rop >> 24) & 1);
    bool bad = false;
    std::optional<QImage> image = bitmap(r, offInfo, cbInfo, offBits, cbBits, options, &bad);
    if (!image) {
        return !bad;
    }
    if (!srcXform.isInvertible() || !std::isfinite(srcXform.determinant()) ||
        !std::isfinite(srcXform.dx()) || !std::isfinite(srcXform.dy())) {
        srcXform = QTransform();
    }
    const QRectF source = srcXform.mapRect(QRectF(srcAt, QSizeF(srcSize.x(), srcSize.y())));
    if (type == AlphaBlend) {
        dc_.drawBitmap(dest, *image, source, SrcCopy, ((rop >> 16) & 0xff) / 255.0);
    } else if (type == TransparentBlt) {
        QImage keyed = image->convertToFormat(QImage::Format_ARGB32);
        const QRgb key = colorRef(rop).rgb();
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x) {
                if ((line[x] | 0xff000000u) == key) {
                    line[x] = 0;
                }
            }
        }
        dc_.drawBitmap(dest, keyed, source, SrcCopy);
    } else {
        dc_.drawBitmap(dest, *image, source, rop);
    }
    return true;
}

bool EmfPlayer::dibits(quint32 type, ByteReader& r) {
    r.skip(16);
    const QPointF destAt = readPoint(r);
    const QPointF srcAt = readPoint(r);
    const QPointF srcSize = readPoint(r);
    const quint32 offInfo = r.u32(), cbInfo = r.u32(), offBits = r.u32(), cbBits = r.u32();
    const quint32 usage = r.u32();
    quint32 rop = SrcCopy;
    QPointF destSize = srcSize;
    quint32 startScan = 0;
    quint32 scans = 0;
    if (type == StretchDiBits) {
        rop = r.u32();
        destSize = readPoint(r);
    } else {
        startScan = r.u32();
        scans = r.u32();
    }
    if (!r.ok()) {
        return false;
    }
    const QRectF dest(destAt, QSizeF(destSize.x(), destSize.y()));
    if (cbInfo == 0) {
        dc_.patBlt(dest, rop);
        return true;
    }
    DibOptions options;
    options.paletteIndices = usage == 1;
    if (type == SetDiBitsToDevice) {
        options.scanLines = int(std::min<quint32>(scans, 1 << 20));
    }
    bool bad = false;
    const std::optional<QImage> image = bitmap(r, offInfo, cbInfo, offBits, cbBits, options, &bad);
    if (!image) {
        return !bad;
    }
    // Source rows count from the bottom of a bottom-up bitmap (all but negative heights).
    ByteReader header = r.sub(offInfo, cbInfo);
    const bool core = header.u32() == 12;
    header.skip(4);
    const bool bottomUp = core || header.i32() > 0;
    double top = srcAt.y();
    if (bottomUp) {
        const double rows =
            type == SetDiBitsToDevice ? double(startScan) + image->height() : image->height();
        top = rows - srcAt.y() - srcSize.y();
    }
    dc_.drawBitmap(dest, *image, QRectF(srcAt.x(), top, srcSize.x(), srcSize.y()), rop);
    return true;
}

bool EmfPlayer::createObject(quint32 type, ByteReader& r) {
    const quint32 index = r.u32();
    Object made = Placeholder{};
    switch (type) {
    case CreatePen: {
        Pen pen;
        pen.style = int(r.u32() & 0x0f);
        pen.width = r.i32();
        r.i32();
        pen.color = colorRef(r.u32());
        made = pen;
        break;
    }
    case ExtCreatePen: {
        r.skip(16); // the brush bitmap, which we draw in the pen colour
        const quint32 style = r.u32();
        Pen pen;
        pen.style = int(style & 0x0f);
        pen.flags = style & 0xfff00;
        const quint32 width = r.u32();
        pen.width = (style & 0x10000) ? width : 0; // cosmetic pens are one pixel wide
        const quint32 brushStyle = r.u32();
        pen.color = colorRef(r.u32());
        r.u32(); // hatch
        const quint32 entries = r.u32();
        if (!r.ok() || qint64(entries) * 4 > r.remaining()) {
            return false;
        }
        for (quint32 i = 0; i < entries && i < 16; ++i) {
            pen.dashes.append(r.u32());
        }
        if (brushStyle == BsNull) {
            pen.style = PsNull;
        }
        made = pen;
        break;
    }
    case CreateBrushIndirect: {
        Brush brush;
        brush.style = int(r.u32());
        brush.color = colorRef(r.u32());
        brush.hatch = int(r.u32());
        made = brush;
        break;
    }
    case CreateMonoBrush:
    case CreateDibPatternBrushPt: {
        const quint32 usage = r.u32();
        const quint32 offInfo = r.u32(), cbInfo = r.u32(), offBits = r.u32(), cbBits = r.u32();
        if (!r.ok()) {
            return false;
        }
        DibOptions options;
        options.paletteIndices = usage == 1;
        options.allocate = [this](qint64 pixels) {
            return dc_.budget().chargeDecode(pixels, true);
        };
        bool bad = false;
        Brush brush;
        brush.style = BsDibPatternPt;
        brush.monochrome = type == CreateMonoBrush;
        brush.pattern =
            bitmap(r, offInfo, cbInfo, offBits, cbBits, options, &bad).value_or(QImage());
        if (bad) {
            return false;
        }
        made = brush;
        break;
    }
    case ExtCreateFontIndirectW: {
        Font font;
        font.height = r.i32();
        font.width = r.i32();
        font.escapement = r.i32();
        r.i32(); // orientation
        font.weight = r.i32();
        font.italic = r.u8();
        font.underline = r.u8();
        font.strikeOut = r.u8();
        r.u8(); // character set
        r.skip(4);
        for (int i = 0; i < 32 && r.remaining() >= 2; ++i) {
            const char16_t c = r.u16();
            if (c == 0) {
                break;
            }
            font.face.append(QChar(c));
        }
        made = font;
        break;
    }
    default:
        break;
    }
    if (!r.ok()) {
        return false;
    }
    objects_.put(index, std::move(made));
    return true;
}

// One EMRTEXT: where, what, and how far apart. Offsets count from the record's start.
bool EmfPlayer::emrText(ByteReader& record, ByteReader& r, bool wide) {
    TextRun run;
    run.reference = readPoint(r);
    const quint32 chars = r.u32();
    const quint32 offString = r.u32();
    run.options = r.u32();
    if (!(run.options & 0x100)) { // ETO_NO_RECT
        run.rect = readRect(r);
    }
    const quint32 offDx = r.u32();
    const ByteReader string = record.sub(offString, qint64(chars) * (wide ? 2 : 1));
    if (!r.ok() || !string.ok()) {
        return false;
    }
    // Entries may share one long string; only what can be drawn is read, each time.
    const quint32 kept = quint32(std::min<qint64>(chars, WorkBudget::MaxTextRun));
    if (wide) {
        ByteReader s = string;
        run.text.reserve(kept);
        for (quint32 i = 0; i < kept; ++i) {
            run.text.append(QChar(char16_t(s.u16())));
        }
    } else {
        run.text = decodeAnsi(string.all().first(kept));
    }
    run.glyphIndices = run.options & EtoGlyphIndex;
    const bool pdy = run.options & EtoPdy;
    ByteReader dx = record.sub(offDx, qint64(chars) * (pdy ? 8 : 4));
    if (offDx != 0 && dx.ok()) {
        for (quint32 i = 0; i < kept; ++i) {
            run.dx.append(dx.i32());
            if (pdy) {
                run.dy.append(dx.i32());
            }
        }
    }
    dc_.text(run);
    return true;
}

bool EmfPlayer::text(quint32 type, ByteReader& r) {
    if (type == SmallTextOut) {
        TextRun run;
        run.reference = readPoint(r);
        const quint32 chars = r.u32();
        run.options = r.u32();
        r.skip(12); // graphics mode, scales
        if (!(run.options & 0x100)) {
            run.rect = readRect(r);
        }
        const bool narrow = run.options & 0x200; // ETO_SMALL_CHARS
        const QByteArrayView bytes = r.bytes(qint64(chars) * (narrow ? 1 : 2));
        if (!r.ok()) {
            return false;
        }
        if (narrow) {
            run.text = decodeAnsi(bytes);
        } else {
            ByteReader s(bytes);
            for (quint32 i = 0; i < chars; ++i) {
                run.text.append(QChar(char16_t(s.u16())));
            }
        }
        run.glyphIndices = run.options & EtoGlyphIndex;
        dc_.text(run);
        return true;
    }
    r.skip(28); // bounds, graphics mode, scales
    const bool wide = type == ExtTextOutW || type == PolyTextOutW;
    quint32 strings = 1;
    if (type == PolyTextOutA || type == PolyTextOutW) {
        strings = r.u32();
        if (!r.ok() || qint64(strings) * 40 > r.remaining()) {
            return false;
        }
    }
    ByteReader record = r.sub(0, r.size());
    for (quint32 i = 0; i < strings; ++i) {
        if (!emrText(record, r, wide)) {
            return false;
        }
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
        dc_.gradientTriangles(vertices, triangles);
    } else if (mode <= 1) {
        QVector<std::array<quint32, 2>> rects(meshCount);
        for (auto& m : rects) {
            m = {r.u32(), r.u32()};
        }
        dc_.gradientRects(vertices, rects, mode == 1);
    }
    return r.ok();
}

} // namespace

std::optional<QImage> playEmf(QByteArrayView data, double dpi, qint64 maxPixels, QString* error) {
    ByteReader file(data);
    file.u32(); // record type, checked by the caller
    const quint32 headerSize = file.u32();
    if (headerSize < 88 || !file.has(0, headerSize)) {
        setError(error, QStringLiteral("The EMF header is damaged"));
        return std::nullopt;
    }
    ByteReader h = file.sub(0, headerSize);
    h.seek(8);
    const QRectF bounds = readRect(h);
    const QRectF frame = readRect(h);
    h.seek(60);
    const quint32 descriptionChars = h.u32();
    const quint32 descriptionOffset = h.u32();
    h.seek(72);
    const QPointF devicePixels = readPoint(h);
    const QPointF deviceMm = readPoint(h);
    QSizeF perMm(devicePixels.x() / deviceMm.x(), devicePixels.y() / deviceMm.y());
    // The later header fields are there only where the header reaches them and the description,
    // if any, starts after them: many writers put the description right after the 88-byte base.
    const bool hasMicrometers =
        headerSize >= 108 && (descriptionChars == 0 || descriptionOffset >= 108);
    if (hasMicrometers) {
        h.seek(100);
        const QPointF micrometers = readPoint(h);
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
    EmfPlayer player(dc);
    for (qint64 offset = headerSize; file.has(offset, 8);) {
        ByteReader record = file.sub(offset, 8);
        const quint32 type = record.u32();
        const quint32 size = record.u32();
        if (size < 8 || !file.has(offset, size) || !player.play(type, file.sub(offset, size)) ||
            type == Eof || dc.budget().exhausted()) {
            break;
        }
        offset += size;
    }
    return dc.takePicture();
}

} // namespace gdi
