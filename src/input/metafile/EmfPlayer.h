#pragma once
// The parts of the EMF player: record types, the readers of structures many records share, and
// the player that turns records into device-context calls. EmfPlayer.cpp dispatches the records
// and reads the header; EmfShapes.cpp, EmfBitmaps.cpp, EmfObjects.cpp and EmfText.cpp play the
// groups of records with more to read than a few fields.

#include "input/metafile/ByteReader.h"
#include "input/metafile/DeviceContext.h"
#include "input/metafile/Dib.h"

#include <optional>

namespace gdi::emf {

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

inline QPointF readPoint(ByteReader& r) {
    const qint32 x = r.i32();
    return QPointF(x, r.i32());
}

// A RECTL as its two corners; callers normalize where the order does not matter.
inline QRectF readRect(ByteReader& r) {
    const qint32 left = r.i32();
    const qint32 top = r.i32();
    const qint32 right = r.i32();
    const qint32 bottom = r.i32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

inline QTransform readXform(ByteReader& r) {
    double m[6];
    for (double& v : m) {
        v = r.f32();
    }
    return QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

class EmfPlayer {
public:
    explicit EmfPlayer(DeviceContext& dc) : m_dc(dc), m_objects(MaxObjects) {}
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

    DeviceContext& m_dc;
    ObjectTable m_objects;
    Object m_stock;
};

} // namespace gdi::emf
