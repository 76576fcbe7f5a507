#pragma once
// Parts of a picture decoded without decoding the rest, where the format allows it: a baseline
// JPEG decodes only the blocks around them (the columns they span, the rows they lie in), a PNG
// stops after the last row they need. Every pixel comes out as LoadPicture gives it.

#include "input/PictureLimits.h"
#include "input/cms/ColorProfile.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

struct PictureRegions {
    // The whole picture's size.
    QSize pictureSize;
    // The colour profile the file names, as LoadPicture gives it (empty for none or sRGB).
    ColorProfile profile;
    // One for each area asked for, in the order asked: the pixels of the area clipped to the
    // picture, in the format LoadPicture gives the whole picture (Format_RGB32 or
    // Format_ARGB32_Premultiplied). A null picture for an area wholly outside.
    QList<QImage> parts;
    // Where each part lies in the picture: the clipped area (empty for one wholly outside).
    QList<QRect> placed;
    // The row where the file ends early, when it does (LoadedPicture's): the parts then lie
    // above it. Parts that would reach it are not given (nullopt, as for damage).
    std::optional<int> endsAtRow;
};

// The parts of the picture in data (a file's bytes) that cover the areas, each pixel equal to
// that of LoadPictureFromData for the same bytes, and the same profile. nullopt when the format or
// the file does not suit, and the whole picture is to be decoded instead: anything but a JPEG or
// a PNG; a progressive, arithmetic-coded, 12-bit or CMYK JPEG; an interlaced PNG, or one that may
// hold transparency whose rows down to the areas' are opaque (whether the whole picture comes as
// Format_RGB32 then depends on rows not read); a damaged header; damage that the decoder meets
// or that shows in the file's structure beyond the areas (a JPEG's stray marker, a PNG's failed
// checksum or missing end). Compressed data damaged beyond the areas' last row, whose checksums
// hold, goes unseen. Throws PlatformError, as LoadPicture does, for a picture too large to open.
std::optional<PictureRegions> DecodePictureRegions(const QByteArray& data,
                                                   const QList<QRect>& areas);
