#include "input/metafile/Dib.h"

#include "input/metafile/ByteReader.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace gdi {
namespace {

enum Compression : quint32 {
    BiRgb = 0,
    BiRle8,
    BiRle4,
    BiBitfields,
    BiJpeg,
    BiPng,
    BiAlphaBitfields
};

struct Header {
    qint64 width = 0;
    qint64 height = 0; // negative: rows run top-down
    int bitCount = 0;
    quint32 compression = BiRgb;
    std::array<quint32, 4> masks{}; // red, green, blue, alpha
    QVector<QRgb> colors;
    qint64 infoSize = 0; // header, masks and colour table
};

std::optional<Header> parseHeader(QByteArrayView info, const DibOptions& options) {
    ByteReader r(info);
    Header h;
    const quint32 headerSize = r.u32();
    bool core = false;
    if (headerSize == 12) {
        core = true;
        h.width = r.u16();
        h.height = r.u16();
        r.u16(); // planes
        h.bitCount = r.u16();
    } else if (headerSize >= 40 && headerSize <= 124) {
        h.width = r.i32();
        h.height = r.i32();
        r.u16();
        h.bitCount = r.u16();
        h.compression = r.u32();
        r.skip(12); // image size, resolution
        const quint32 used = r.u32();
        r.u32(); // important colours
        if (headerSize >= 52) {
            for (int i = 0; i < (headerSize >= 56 ? 4 : 3); ++i) {
                h.masks[i] = r.u32();
            }
        } else if (h.compression == BiBitfields || h.compression == BiAlphaBitfields) {
            r.seek(headerSize);
            for (int i = 0; i < (h.compression == BiAlphaBitfields ? 4 : 3); ++i) {
                h.masks[i] = r.u32();
            }
        }
        if (!r.ok()) {
            return std::nullopt;
        }
        r.seek(std::max<qint64>(r.pos(), headerSize));
        const int entry = options.paletteIndices ? 2 : 4;
        if (h.bitCount == 0) {
            // Embedded PNG or JPEG data carries its own colours.
        } else if (h.bitCount > 8) {
            // An optional table for palette devices; skipped when present.
            if (r.has(r.pos(), qint64(used) * entry)) {
                r.skip(qint64(used) * entry);
            }
        } else {
            // The colour table: its own length, or every index the depth allows.
            const qint64 count = used != 0 ? used : qint64(1) << h.bitCount;
            h.colors.resize(int(std::min<qint64>(count, 256)));
            for (qint64 i = 0; i < count && r.ok(); ++i) {
                const QByteArrayView e = r.bytes(entry);
                if (i < h.colors.size() && e.size() == entry) {
                    h.colors[int(i)] = entry == 2 ? qRgb(quint8(e[0]), quint8(e[0]), quint8(e[0]))
                                                  : qRgb(quint8(e[2]), quint8(e[1]), quint8(e[0]));
                }
            }
        }
    } else {
        return std::nullopt;
    }
    if (core && h.bitCount <= 8) {
        h.colors.resize(1 << h.bitCount);
        for (QRgb& c : h.colors) {
            const QByteArrayView e = r.bytes(options.paletteIndices ? 2 : 3);
            if (e.size() == 3) {
                c = qRgb(quint8(e[2]), quint8(e[1]), quint8(e[0]));
            }
        }
    }
    if (!r.ok()) {
        return std::nullopt;
    }
    h.infoSize = r.pos();

    const bool encoded = h.compression == BiJpeg || h.compression == BiPng;
    const bool validDepth = h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 ||
                            h.bitCount == 16 || h.bitCount == 24 || h.bitCount == 32;
    if (!encoded && (!validDepth || h.width <= 0 || h.height == 0 || h.width > 65536 ||
                     std::abs(h.height) > 65536 || h.width * std::abs(h.height) > MaxDibPixels)) {
        return std::nullopt;
    }
    if ((h.compression == BiRle8 && h.bitCount != 8) ||
        (h.compression == BiRle4 && h.bitCount != 4) || h.compression > BiAlphaBitfields) {
        return std::nullopt;
    }
    if (!options.keepAlpha) {
        h.masks[3] = 0;
    }
    if (h.compression == BiRgb && h.bitCount == 16) {
        h.masks = {0x7c00, 0x03e0, 0x001f, 0};
    } else if (h.compression == BiRgb && h.bitCount >= 24) {
        h.masks = {0xff0000, 0x00ff00, 0x0000ff, options.keepAlpha ? 0xff000000u : 0u};
    }
    return h;
}

// A channel picked out of a pixel by its mask, scaled to 0..255.
struct Channel {
    int shift = 0;
    quint32 max = 0;
    explicit Channel(quint32 mask) {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            max = mask >> shift;
        }
    }
    int operator()(quint32 px, quint32 mask) const {
        return max == 0 ? 0 : int((quint64((px & mask) >> shift) * 255 + max / 2) / max);
    }
};

bool allocate(qint64 pixels, const DibOptions& options) {
    return pixels > 0 && pixels <= options.maxPixels &&
           (!options.allocate || options.allocate(pixels));
}

// Only the format the header names is read: other readers (BMP's among them) may accept data
// they then leave partly undecoded.
std::optional<QImage> decodeEncoded(QByteArrayView bits, bool png, const DibOptions& options) {
    QByteArray copy = bits.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, png ? "png" : "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    QImage img;
    if (!size.isValid() || !allocate(qint64(size.width()) * size.height(), options) ||
        !reader.read(&img) || img.size() != size) {
        return std::nullopt;
    }
    return img;
}

// Run-length encoded rows; pixels the runs skip stay transparent.
QImage decodeRle(const Header& h, QByteArrayView bits) {
    const int width = int(h.width);
    const int height = int(std::abs(h.height));
    QImage img(width, height, QImage::Format_ARGB32);
    if (img.isNull()) {
        return img;
    }
    img.fill(Qt::transparent);
    const bool four = h.compression == BiRle4;
    auto color = [&](int index) {
        return index < h.colors.size() ? h.colors[index] : qRgb(0, 0, 0);
    };
    qint64 x = 0;
    qint64 y = 0;
    auto put = [&](int index) {
        if (x < width && y < height) {
            const int row = h.height > 0 ? height - 1 - int(y) : int(y);
            reinterpret_cast<QRgb*>(img.scanLine(row))[x] = color(index);
        }
        ++x;
    };
    ByteReader r(bits);
    while (r.remaining() >= 2 && y < height) {
        const int n = r.u8();
        const int c = r.u8();
        if (n > 0) {
            for (int i = 0; i < n; ++i) {
                put(four ? ((i & 1) ? c & 0x0f : c >> 4) : c);
            }
        } else if (c == 0) {
            x = 0;
            ++y;
        } else if (c == 1) {
            break;
        } else if (c == 2) {
            x += r.u8();
            y += r.u8();
        } else {
            const qint64 bytes = four ? (c + 1) / 2 : c;
            const QByteArrayView run = r.bytes(bytes + (bytes & 1));
            if (!r.ok()) {
                break;
            }
            for (int i = 0; i < c; ++i) {
                const int b = quint8(run[four ? i / 2 : i]);
                put(four ? ((i & 1) ? b & 0x0f : b >> 4) : b);
            }
        }
    }
    return img;
}

} // namespace

std::optional<QImage> decodeDib(QByteArrayView info, QByteArrayView bits,
                                const DibOptions& options) {
    const std::optional<Header> parsed = parseHeader(info, options);
    if (!parsed) {
        return std::nullopt;
    }
    Header h = *parsed;
    if (h.compression == BiJpeg || h.compression == BiPng) {
        return decodeEncoded(bits, h.compression == BiPng, options);
    }
    if (h.compression == BiRle8 || h.compression == BiRle4) {
        // A few bytes of runs can claim any size, so these get a tighter limit.
        if (h.width * std::abs(h.height) > MaxDibPixels / 4 ||
            !allocate(h.width * std::abs(h.height), options)) {
            return std::nullopt;
        }
        QImage img = decodeRle(h, bits);
        return img.isNull() ? std::nullopt : std::optional<QImage>(img);
    }
    if (options.scanLines >= 0 && options.scanLines < std::abs(h.height)) {
        h.height = h.height < 0 ? -qint64(options.scanLines) : options.scanLines;
        if (h.height == 0) {
            return std::nullopt;
        }
    }
    const int width = int(h.width);
    const int height = int(std::abs(h.height));
    const qint64 stride = (h.width * h.bitCount + 31) / 32 * 4;
    if (stride * height > bits.size() || !allocate(qint64(width) * height, options)) {
        return std::nullopt;
    }

    QImage img;
    if (h.bitCount <= 8) {
        img = QImage(width, height, QImage::Format_Indexed8);
        QVector<QRgb> table = h.colors;
        table.resize(1 << h.bitCount, qRgb(0, 0, 0));
        img.setColorTable(table);
    } else {
        img = QImage(width, height,
                     h.masks[3] != 0 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    if (img.isNull()) {
        return std::nullopt;
    }
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
    const int bytesPerPixel = h.bitCount / 8;
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const uchar*>(bits.data()) + stride * y;
        uchar* line = img.scanLine(h.height > 0 ? height - 1 - y : y);
        if (h.bitCount <= 8) {
            const int perByte = 8 / h.bitCount;
            const int mask = (1 << h.bitCount) - 1;
            for (int x = 0; x < width; ++x) {
                const int shift = 8 - h.bitCount * (x % perByte + 1);
                line[x] = uchar((src[x / perByte] >> shift) & mask);
            }
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(line);
        for (int x = 0; x < width; ++x) {
            const uchar* p = src + qint64(x) * bytesPerPixel;
            quint32 px = 0;
            for (int i = 0; i < bytesPerPixel; ++i) {
                px |= quint32(p[i]) << (8 * i);
            }
            const int a = h.masks[3] != 0 ? alpha(px, h.masks[3]) : 255;
            // Premultiplied data that claims more colour than coverage would overflow later.
            out[x] = qRgba(std::min(red(px, h.masks[0]), a), std::min(green(px, h.masks[1]), a),
                           std::min(blue(px, h.masks[2]), a), a);
        }
    }
    return img;
}

std::optional<QImage> decodePackedDib(QByteArrayView packed, const DibOptions& options) {
    const std::optional<Header> h = parseHeader(packed, options);
    if (!h) {
        return std::nullopt;
    }
    return decodeDib(packed, packed.sliced(h->infoSize), options);
}

} // namespace gdi
