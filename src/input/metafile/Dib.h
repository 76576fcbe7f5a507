#pragma once
// Device-independent bitmaps as metafile records embed them.

#include <QByteArrayView>
#include <QImage>
#include <functional>
#include <optional>

namespace gdi {

// Largest bitmap we decode, in pixels.
constexpr qint64 MaxDibPixels = qint64(1) << 26;

struct DibOptions {
    bool paletteIndices = false; // colour table holds 16-bit palette indices, not colours
    bool keepAlpha = false;      // the fourth byte of 32-bit pixels is (premultiplied) alpha
    int scanLines = -1;          // rows present when fewer than the header says, else -1
    qint64 maxPixels = MaxDibPixels;
    // Asked for the pixels before they are allocated; false refuses the bitmap.
    std::function<bool(qint64 pixels)> allocate;
};

// Decodes a bitmap whose header and colour table are in `info` and pixel rows in `bits`. Returns
// nothing for malformed headers, absurd dimensions or too few pixel bytes. Bitmaps of up to 8
// bits per pixel come back as Format_Indexed8 with their colour table.
std::optional<QImage> decodeDib(QByteArrayView info, QByteArrayView bits,
                                const DibOptions& options = {});

// The same for a packed bitmap: header, colour table and rows back to back.
std::optional<QImage> decodePackedDib(QByteArrayView packed, const DibOptions& options = {});

} // namespace gdi
