// WMF records with more to read than a few fields: objects, regions, bitmaps and text.

#include "input/metafile/Dib.h"
#include "input/metafile/Players.h"
#include "input/metafile/WmfPlayer.h"

#include <utility>

namespace gdi::wmf {

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
            return m_dc.budget().chargeDecode(pixels, true);
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
    m_objects.addToFreeSlot(std::move(made));
    return true;
}

bool WmfPlayer::regionRecord(quint16 function, ByteReader& r) {
    const Region* rgn = region(r.u16());
    const Object* brushObject =
        function == FillRegion || function == FrameRegion ? m_objects.get(r.u16()) : nullptr;
    const QPointF frame = function == FrameRegion ? readYX(r) : QPointF();
    if (!r.ok()) {
        return false;
    }
    if (!rgn) {
        return true;
    }
    const QRegion area = m_dc.regionToPicture(rgn->rects, m_dc.toPicture());
    const Brush* brush = brushObject ? std::get_if<Brush>(brushObject) : &m_dc.state().brush;
    if (function == InvertRegion) {
        m_dc.invertRegion(area);
    } else if (brush && function == FrameRegion) {
        m_dc.frameRegion(area, *brush, QSizeF(frame.x(), frame.y()));
    } else if (brush && (function == PaintRegion || brushObject)) {
        m_dc.fillRegion(area, *brush);
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
        m_dc.patBlt(dest, rop);
        return true;
    }
    if (function == BitBlt || function == StretchBlt) {
        return true; // old device bitmaps carry no colours we could trust
    }
    const QByteArrayView packed = r.bytes(r.remaining());
    options.allocate = [this](qint64 pixels) { return m_dc.budget().chargeDecode(pixels, false); };
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
    m_dc.drawBitmap(dest, *image, QRectF(srcAt.x(), top, srcSize.x(), srcSize.y()), rop);
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
        m_dc.text(run);
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
    m_dc.text(run);
    return true;
}

} // namespace gdi::wmf
