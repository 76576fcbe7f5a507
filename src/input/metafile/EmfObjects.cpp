// EMF records that make pens, brushes and fonts.

#include "input/metafile/EmfPlayer.h"

#include <utility>

namespace gdi::emf {

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
            return m_dc.budget().chargeDecode(pixels, true);
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
    m_objects.put(index, std::move(made));
    return true;
}

} // namespace gdi::emf
