#pragma once
// Internal to picture loading: our own decoders for the BMP family, and the size limit every
// decoder shares. Qt 6.4's BMP and ICO readers leave pixels uninitialised (RLE deltas, truncated
// bitmaps, odd bit depths), so these pictures are decoded here instead.

#include "input/PictureLimits.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// Sets the alpha byte of every pixel of a 32-bit picture to opaque, in place.
void SetOpaque(QImage& image);

// A device-independent bitmap: info header, palette, pixels. pixelOffset counts from the info
// header; -1 means right after the palette. In an icon the height counts the picture and the AND
// mask after it, and 32-bit pixels carry alpha. Data that stop short leave the rows they do not
// reach as the fill (palette index 0, or black) and give in endsAtRow the first row of the
// picture whose colours are not all there (a bottom-up bitmap's missing rows are its top ones:
// 0); it is nullopt for a whole bitmap.
struct DibSource {
    const uchar* data = nullptr;
    qsizetype size = 0;
    qsizetype pixelOffset = -1;
    bool icon = false;
};
QImage DecodeDib(const DibSource& source, const QString& format,
                 std::optional<int>* endsAtRow = nullptr);

// A BMP file, starting with its 14-byte file header. Returns Format_RGB32, or Format_ARGB32 when
// the bitmap has an alpha channel that is not all zero. endsAtRow as DecodeDib's.
QImage DecodeBmp(const QByteArray& file, std::optional<int>* endsAtRow = nullptr);

// An ICO or CUR file: the largest picture in it that opens (the deepest among equals). Returns
// Format_RGB32 or Format_ARGB32 (mask or alpha applied). endsAtRow as DecodeDib's, for the
// picture taken.
QImage DecodeIcon(const QByteArray& file, std::optional<int>* endsAtRow = nullptr);
