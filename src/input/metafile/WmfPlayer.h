#pragma once
// The parts of the WMF player: record types, the readers of coordinates, and the player that
// turns records into device-context calls. WmfPlayer.cpp dispatches the records and finds the
// picture's size; WmfRecords.cpp plays the records with more to read than a few fields.

#include "input/metafile/ByteReader.h"
#include "input/metafile/DeviceContext.h"

namespace gdi::wmf {

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
inline QPointF readYX(ByteReader& r) {
    const qint16 y = r.i16();
    return QPointF(r.i16(), y);
}

inline QRectF readBox(ByteReader& r) {
    const QPointF bottomRight = readYX(r);
    return QRectF(readYX(r), bottomRight);
}

class WmfPlayer {
public:
    explicit WmfPlayer(DeviceContext& dc) : m_dc(dc), m_objects(65535) {}
    bool play(quint16 function, ByteReader r);

private:
    bool createObject(quint16 function, ByteReader& r);
    bool bitmap(quint16 function, ByteReader& r);
    bool text(quint16 function, ByteReader& r);
    bool regionRecord(quint16 function, ByteReader& r);
    const Region* region(quint16 index) const;

    DeviceContext& m_dc;
    ObjectTable m_objects;
};

} // namespace gdi::wmf
