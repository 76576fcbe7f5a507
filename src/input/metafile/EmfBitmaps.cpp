// EMF records that draw bitmaps, with the raster operation or blending they name.

#include "input/metafile/EmfPlayer.h"

#include <cmath>

namespace gdi::emf {

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
            return m_dc.budget().chargeDecode(pixels, false);
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
            m_dc.patBlt(dest, rop);
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
        m_dc.drawBitmap(dest, *image, source, SrcCopy, ((rop >> 16) & 0xff) / 255.0);
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
        m_dc.drawBitmap(dest, keyed, source, SrcCopy);
    } else {
        m_dc.drawBitmap(dest, *image, source, rop);
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
        m_dc.patBlt(dest, rop);
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
    m_dc.drawBitmap(dest, *image, QRectF(srcAt.x(), top, srcSize.x(), srcSize.y()), rop);
    return true;
}

} // namespace gdi::emf
