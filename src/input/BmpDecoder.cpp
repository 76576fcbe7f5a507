// BMP files and the device-independent bitmaps inside icons: 1, 4, 8, 16, 24 and 32 bits,
// uncompressed, bit fields, RLE8 and RLE4; Windows and OS/2 headers; bottom-up and top-down.
// Every pixel of the result is defined: what the file leaves out (RLE skips, missing rows) is
// colour index 0, or black where there is no palette.

#include "input/RasterDecoders.h"

#include "pixels/PixelBuffer.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

constexpr quint32 kRgb = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitfields = 3;
constexpr quint32 kJpeg = 4;
constexpr quint32 kPng = 5;
constexpr quint32 kAlphaBitfields = 6;

constexpr QRgb kBlack = 0xff000000;

quint16 U16(const uchar* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const uchar* p) {
    return qFromLittleEndian<quint32>(p);
}

struct DibHeader {
    qint64 width = 0;
    qint64 height = 0; // rows of the picture, without an icon's mask
    bool topDown = false;
    int bits = 0;
    quint32 compression = kRgb;
    std::array<quint32, 4> masks{}; // red, green, blue, alpha
    qsizetype paletteOffset = 0;
    qsizetype paletteEntries = 0;
    qsizetype paletteEntrySize = 4;
    qsizetype afterPalette = 0;
};

DibHeader ParseHeader(const DibSource& src, const QString& format) {
    const auto incomplete = [&] {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "its header is incomplete"));
    };
    if (src.size < 4) {
        incomplete();
    }
    const uchar* p = src.data;
    const quint32 headerSize = U32(p);
    DibHeader h;
    qint64 rawHeight = 0;
    quint32 colorsUsed = 0;
    if (headerSize == 12) { // OS/2 1.x: 16-bit sizes, 3-byte palette entries
        if (src.size < 12) {
            incomplete();
        }
        h.width = U16(p + 4);
        rawHeight = U16(p + 6);
        h.bits = U16(p + 10);
        h.paletteEntrySize = 3;
        h.paletteOffset = 12;
    } else if (headerSize >= 16 && headerSize <= 124) {
        const bool windows = headerSize == 40 || headerSize == 52 || headerSize == 56 ||
                             headerSize == 108 || headerSize == 124;
        // OS/2 2.x headers may stop after any field; what is left out is zero.
        if (!windows && headerSize > 64) {
            //: Put in for %2 of "the %1 picture is damaged (%2)." %1: the header's size in bytes.
            ThrowDamaged(format, QCoreApplication::translate("LoadPicture",
                                                             "its header has an unknown size (%1)")
                                     .arg(headerSize));
        }
        if (src.size < qsizetype(headerSize)) {
            incomplete();
        }
        const auto field32 = [&](quint32 at) { return at + 4 <= headerSize ? U32(p + at) : 0u; };
        const auto field16 = [&](quint32 at) { return at + 2 <= headerSize ? U16(p + at) : 0u; };
        h.width = qint32(field32(4));
        rawHeight = qint32(field32(8));
        h.bits = int(field16(14));
        h.compression = field32(16);
        colorsUsed = field32(32);
        h.paletteOffset = headerSize;
        if (!windows && h.compression > kRle4) {
            ThrowDamaged(format,
                         QCoreApplication::translate(
                             "LoadPicture", "it uses an OS/2 compression that is not supported"));
        }
        if (windows && headerSize >= 52) {
            h.masks = {field32(40), field32(44), field32(48), field32(52)};
        } else if (windows && h.compression == kBitfields) {
            if (src.size < h.paletteOffset + 12) {
                incomplete();
            }
            h.masks = {U32(p + 40), U32(p + 44), U32(p + 48), 0};
            h.paletteOffset += 12;
        } else if (windows && h.compression == kAlphaBitfields) {
            if (src.size < h.paletteOffset + 16) {
                incomplete();
            }
            h.masks = {U32(p + 40), U32(p + 44), U32(p + 48), U32(p + 52)};
            h.paletteOffset += 16;
        }
    } else {
        //: Put in for %2 of "the %1 picture is damaged (%2)." %1: the header's size in bytes.
        ThrowDamaged(format, QCoreApplication::translate("LoadPicture",
                                                         "its header has an unknown size (%1)")
                                 .arg(headerSize));
    }

    switch (h.compression) {
    case kRgb:
        if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 &&
            h.bits != 32) {
            //: Put in for %2 of "the %1 picture is damaged (%2)." %n: the bits a pixel the file
            //: states.
            ThrowDamaged(format, QCoreApplication::translate("LoadPicture",
                                                             "%n bits a pixel is not a BMP depth",
                                                             nullptr, h.bits));
        }
        if (h.bits == 16) {
            h.masks = {0x7c00, 0x03e0, 0x001f, 0};
        } else if (h.bits > 16) {
            h.masks = {0xff0000, 0xff00, 0xff, src.icon && h.bits == 32 ? 0xff000000u : 0u};
        }
        break;
    case kRle8:
    case kRle4:
        if (h.bits != (h.compression == kRle8 ? 8 : 4)) {
            ThrowDamaged(format, QCoreApplication::translate(
                                     "LoadPicture", "its compression does not fit its depth"));
        }
        break;
    case kBitfields:
    case kAlphaBitfields:
        if (h.bits != 16 && h.bits != 32) {
            ThrowDamaged(format, QCoreApplication::translate(
                                     "LoadPicture", "its compression does not fit its depth"));
        }
        break;
    case kJpeg:
    case kPng:
        ThrowDamaged(format, QCoreApplication::translate(
                                 "LoadPicture",
                                 "it holds a compressed JPEG or PNG, which is not supported"));
    default:
        //: Put in for %2 of "the %1 picture is damaged (%2)." %1: the compression's code number.
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "its compression (%1) is unknown")
                         .arg(h.compression));
    }

    if (h.width <= 0 || rawHeight == 0) {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "its header gives no size"));
    }
    h.topDown = rawHeight < 0;
    h.height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (src.icon) {
        h.height /= 2;
        if (h.height == 0) {
            ThrowDamaged(format,
                         QCoreApplication::translate("LoadPicture", "its header gives no size"));
        }
    }
    CheckPictureSize(h.width, h.height);

    if (h.bits <= 8) {
        const qsizetype full = qsizetype(1) << h.bits;
        h.paletteEntries = colorsUsed != 0 && colorsUsed < quint32(full) ? colorsUsed : full;
        h.afterPalette = h.paletteOffset + h.paletteEntries * h.paletteEntrySize;
    } else {
        // A palette beside direct colours is only a hint, but the pixels come after it.
        h.afterPalette = h.paletteOffset +
                         qsizetype(std::min<quint32>(colorsUsed, 1u << 16)) * h.paletteEntrySize;
    }
    return h;
}

// One colour channel of a bit-field pixel, scaled to 0..255.
class Channel {
public:
    explicit Channel(quint32 mask) : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0) {
        m_max = mask >> m_shift;
        if (m_max != 0 && m_max <= 0xffff) {
            m_table.resize(m_max + 1);
            for (quint32 v = 0; v <= m_max; ++v) {
                m_table[v] = uchar((quint64(v) * 255 + m_max / 2) / m_max);
            }
        }
    }
    bool present() const { return m_mask != 0; }
    uint operator()(quint32 pixel) const {
        const quint32 v = (pixel & m_mask) >> m_shift;
        if (!m_table.empty()) {
            return m_table[v];
        }
        return m_max == 0 ? 0 : uint((quint64(v) * 255 + m_max / 2) / m_max);
    }

private:
    quint32 m_mask;
    int m_shift;
    quint32 m_max = 0;
    std::vector<uchar> m_table;
};

class Decoder {
public:
    Decoder(const DibSource& src, const DibHeader& h, qsizetype pixelStart,
            const std::array<QRgb, 256>& colors, QImage& image)
        : m_src(src), m_h(h), m_start(pixelStart), m_colors(colors), m_image(image) {}

    // The rows in file order that the data hold whole.
    qint64 rowsHeld(qint64 stride) const {
        return std::min((m_src.size - m_start) / stride, m_h.height);
    }

    // Returns whether any decoded pixel has a non-zero alpha.
    bool uncompressed(qint64 stride) {
        const qint64 rows = rowsHeld(stride);
        const Channel red(m_h.masks[0]), green(m_h.masks[1]), blue(m_h.masks[2]),
            alpha(m_h.masks[3]);
        const bool plain32 = m_h.bits == 32 && m_h.masks[0] == 0xff0000 && m_h.masks[1] == 0xff00 &&
                             m_h.masks[2] == 0xff;
        bool anyAlpha = false;
        for (qint64 row = 0; row < rows; ++row) {
            const uchar* in = m_src.data + m_start + row * stride;
            QRgb* out = line(row);
            const qint64 w = m_h.width;
            switch (m_h.bits) {
            case 1:
                for (qint64 x = 0; x < w; ++x) {
                    out[x] = m_colors[(in[x >> 3] >> (7 - (x & 7))) & 1];
                }
                break;
            case 4:
                for (qint64 x = 0; x < w; ++x) {
                    out[x] = m_colors[(in[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0f];
                }
                break;
            case 8:
                for (qint64 x = 0; x < w; ++x) {
                    out[x] = m_colors[in[x]];
                }
                break;
            case 24:
                for (qint64 x = 0; x < w; ++x, in += 3) {
                    out[x] = qRgb(in[2], in[1], in[0]);
                }
                break;
            default: // 16 or 32 bits of fields
                for (qint64 x = 0; x < w; ++x) {
                    const quint32 v = m_h.bits == 16 ? U16(in + 2 * x) : U32(in + 4 * x);
                    const uint a = alpha.present() ? alpha(v) : 255;
                    anyAlpha = anyAlpha || (alpha.present() && a != 0);
                    out[x] = plain32 ? ((v & 0xffffff) | (a << 24))
                                     : qRgba(red(v), green(v), blue(v), a);
                }
                break;
            }
        }
        return anyAlpha;
    }

    // Returns whether the data end before the bitmap does: before its end code, and before the
    // last row is given whole.
    bool rle() {
        const bool eight = m_h.compression == kRle8;
        const uchar* p = m_src.data;
        const qsizetype n = m_src.size;
        qsizetype i = m_start;
        qint64 x = 0;
        qint64 row = 0;
        QRgb* out = line(0);
        const qint64 w = m_h.width;
        const auto put = [&](uint index) {
            if (x < w) {
                out[x++] = m_colors[index];
            }
        };
        while (i + 2 <= n) {
            const uint count = p[i];
            const uint value = p[i + 1];
            i += 2;
            if (count > 0) { // a run of one index (RLE8) or two alternating ones (RLE4)
                for (uint k = 0; k < count && x < w; ++k) {
                    put(eight ? value : (k & 1) ? (value & 0x0f) : (value >> 4));
                }
                continue;
            }
            if (value == 0) { // end of line
                x = 0;
                if (++row >= m_h.height) {
                    return false;
                }
                out = line(row);
            } else if (value == 1) { // end of bitmap
                return false;
            } else if (value == 2) { // delta: right and up (in file order), skipping pixels
                if (i + 2 > n) {
                    return true;
                }
                x = std::min<qint64>(x + p[i], w);
                row += p[i + 1];
                i += 2;
                if (row >= m_h.height) {
                    return false;
                }
                out = line(row);
            } else { // absolute: `value` indices follow, padded to a 16-bit boundary
                const qsizetype bytes = eight ? value : (value + 1) / 2;
                const qsizetype have = std::min<qsizetype>(bytes, n - i);
                for (qsizetype k = 0; k < have && x < w; ++k) {
                    if (eight) {
                        put(p[i + k]);
                    } else {
                        put(p[i + k] >> 4);
                        if (2 * k + 1 < qsizetype(value)) {
                            put(p[i + k] & 0x0f);
                        }
                    }
                }
                i += (bytes + 1) & ~qsizetype(1);
            }
        }
        return row < m_h.height - 1 || x < w;
    }

    // An icon's AND mask: set bits are transparent. Returns the rows in file order it has.
    qint64 applyMask(qsizetype maskStart) {
        const qint64 stride = ((m_h.width + 31) / 32) * 4;
        if (maskStart >= m_src.size) {
            return 0;
        }
        const qint64 rows = std::min<qint64>((m_src.size - maskStart) / stride, m_h.height);
        for (qint64 row = 0; row < rows; ++row) {
            const uchar* in = m_src.data + maskStart + row * stride;
            QRgb* out = line(row);
            for (qint64 x = 0; x < m_h.width; ++x) {
                if ((in[x >> 3] >> (7 - (x & 7))) & 1) {
                    out[x] = 0;
                }
            }
        }
        return rows;
    }

    // The rows of the picture there are when only `rows` rows in file order came: bottom-up, the
    // top row is the last to come.
    HeldRows held(qint64 rows) const {
        HeldRows held;
        if (m_h.topDown) {
            held.endsAt = int(rows);
        } else {
            held.startsAt = int(m_h.height - rows);
        }
        return held;
    }

private:
    QRgb* line(qint64 row) {
        const qint64 y = m_h.topDown ? row : m_h.height - 1 - row;
        return reinterpret_cast<QRgb*>(m_image.scanLine(int(y)));
    }

    const DibSource& m_src;
    const DibHeader& m_h;
    qsizetype m_start;
    const std::array<QRgb, 256>& m_colors;
    QImage& m_image;
};

} // namespace

QImage DecodeDib(const DibSource& src, const QString& format, HeldRows* held) {
    const DibHeader h = ParseHeader(src, format);

    qsizetype pixelStart = h.afterPalette;
    qsizetype paletteEntries = h.paletteEntries;
    if (src.pixelOffset >= 0 && src.pixelOffset >= h.paletteOffset) {
        // Trust the file's own offset unless it points back into the header; a palette that
        // would run into the pixels is shorter than it claims.
        pixelStart = src.pixelOffset;
        paletteEntries =
            std::min(paletteEntries, (pixelStart - h.paletteOffset) / h.paletteEntrySize);
    }
    // Not one row (or RLE code) of pixels: refused before the picture is allocated.
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    const qint64 stride = ((h.width * h.bits + 31) / 32) * 4;
    if (pixelStart >= src.size || src.size - pixelStart < (rle ? 2 : stride)) {
        ThrowDamaged(format, QCoreApplication::translate("LoadPicture", "its pixels are missing"));
    }

    std::array<QRgb, 256> colors;
    colors.fill(kBlack);
    for (qsizetype k = 0; k < paletteEntries; ++k) {
        const qsizetype at = h.paletteOffset + k * h.paletteEntrySize;
        if (at + 3 > src.size) {
            break;
        }
        const uchar* e = src.data + at;
        colors[size_t(k)] = qRgb(e[2], e[1], e[0]);
    }

    const bool alpha = src.icon || h.masks[3] != 0;
    QImage image = NewPicture(int(h.width), int(h.height),
                              alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        ThrowNoMemory(h.width, h.height);
    }
    image.fill(h.bits <= 8 ? colors[0] : kBlack);

    Decoder decoder(src, h, pixelStart, colors, image);
    // Rows the data do not reach keep the fill above.
    HeldRows rows;
    if (rle) {
        if (decoder.rle()) {
            rows.endsAt = 0; // where within the rows it stopped is not followed
        }
        if (held != nullptr) {
            *held = rows;
        }
        return image;
    }
    const bool anyAlpha = decoder.uncompressed(stride);
    if (decoder.rowsHeld(stride) < h.height) {
        rows = decoder.held(decoder.rowsHeld(stride));
    }
    if (held != nullptr) {
        *held = rows;
    }
    if (!src.icon) {
        // Many writers leave the alpha of 32-bit bitmaps zero: that means opaque.
        if (alpha && !anyAlpha) {
            SetOpaque(image);
            image.reinterpretAsFormat(QImage::Format_RGB32);
        }
        return image;
    }
    // Icons: 32-bit pictures with alpha use it; all others (and 32-bit ones without any) the mask.
    if (h.bits != 32 || !anyAlpha) {
        if (h.bits == 32) {
            SetOpaque(image);
        }
        const qint64 masked = decoder.applyMask(pixelStart + stride * h.height);
        if (masked < h.height && held != nullptr) {
            // The mask's rows come in the same order as the colours', after them.
            const HeldRows mask = decoder.held(masked);
            if (mask.endsAt) {
                held->endsAt = std::min(rows.endsAt.value_or(int(h.height)), *mask.endsAt);
            }
            held->startsAt = std::max(rows.startsAt, mask.startsAt);
            if (held->startsAt >= h.height) {
                *held = HeldRows{0, 0}; // no row with its transparency: none is the picture's
            }
        }
    }
    return image;
}

QImage DecodeBmp(const QByteArray& file, HeldRows* held) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    if (file.size() < 18) {
        ThrowDamaged(QStringLiteral("BMP"),
                     QCoreApplication::translate("LoadPicture", "its header is incomplete"));
    }
    const quint32 offBits = U32(p + 10);
    DibSource src;
    src.data = p + 14;
    src.size = file.size() - 14;
    src.pixelOffset = offBits >= 14 ? qsizetype(offBits) - 14 : -1;
    return DecodeDib(src, QStringLiteral("BMP"), held);
}
