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

// The rows of a bitmap that its data hold, when they stop short: stored from the top down, the
// rows above endsAt; from the bottom up (as most are), the rows from startsAt down. Neither is set
// for a whole bitmap; endsAt 0 where no row can be told whole.
struct HeldRows {
    std::optional<int> endsAt;
    int startsAt = 0;
};

// A device-independent bitmap: info header, palette, pixels. pixelOffset counts from the info
// header; -1 means right after the palette. In an icon the height counts the picture and the AND
// mask after it, and 32-bit pixels carry alpha. Data that stop short leave the rows they do not
// reach as the fill (palette index 0, or black) and say in held which rows are there.
struct DibSource {
    const uchar* data = nullptr;
    qsizetype size = 0;
    qsizetype pixelOffset = -1;
    bool icon = false;
};
QImage DecodeDib(const DibSource& source, const QString& format, HeldRows* held = nullptr);

// A BMP file, starting with its 14-byte file header. Returns Format_RGB32, or Format_ARGB32 when
// the bitmap has an alpha channel that is not all zero. held as DecodeDib's.
QImage DecodeBmp(const QByteArray& file, HeldRows* held = nullptr);

// An ICO or CUR file: the largest picture in it that opens (the deepest among equals). Returns
// Format_RGB32 or Format_ARGB32 (mask or alpha applied). held as DecodeDib's, for the picture
// taken.
QImage DecodeIcon(const QByteArray& file, HeldRows* held = nullptr);
