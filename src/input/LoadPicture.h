#pragma once
// Decoding a picture file. The format is taken from the content, never from the name.

#include "input/FirstLookArea.h"
#include "input/PictureLimits.h"
#include "input/cms/ColorProfile.h"
#include "pixels/PendingPixels.h"
#include "pixels/StoredValues.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

// Where the bytes come from, for the messages: a file, the clipboard, the desktop's screen capture.
enum class PictureSource { File, Clipboard, Screen };

// What a load is asked for beyond the picture itself.
struct LoadOptions {
    // A large picture's first look (FirstLookArea.h); by default none: the whole picture is
    // decoded before the load returns.
    FirstLookArea firstLook;
    // Whether a picture stored finer than 8 bits a channel keeps those values (fine). They cost
    // a second copy of the picture at its depth.
    bool keepStoredValues = false;
};

// A decoded picture: its stored values at 8 bits a channel, opaque pictures as Format_RGB32 and
// pictures with transparent pixels as Format_ARGB32_Premultiplied; with a first look, its rows
// still arriving (arriving, null once whole); the colour profile the file names (empty for none or
// sRGB), to be applied by the caller; the values at the file's precision where kept.
struct LoadedPicture {
    QImage picture;
    std::shared_ptr<const PendingPixels> arriving;
    ColorProfile profile;
    StoredValues fine; // null for a picture of 8 bits or fewer, or where they were not kept
    // The row where the file ends early, when it does: the rows from there down hold no colours
    // of the picture. Where rows are still arriving, arriving->endsAtRow() tells once they have.
    std::optional<int> endsAtRow;
    // The same for a file stored from the bottom up (a BMP's, an icon's): the rows above this one
    // hold no colours of the picture.
    int startsAtRow = 0;
};

// Decodes the picture in a file: PNG, JPEG, WebP (the first frame), AVIF and HEIC (the primary
// picture), JPEG XL (the first frame), TIFF (the first page), GIF (the first frame), BMP, ICO and
// CUR (the largest picture), SVG, WMF and EMF. The values are the ones stored in the file, at 8
// bits a channel (16-bit values rounded). Throws PlatformError with a description of the failure
// when the file cannot be read, is empty, holds no picture in these formats, is damaged beyond
// reading, or is too large to open. A file cut short whose header and first rows came loads,
// with endsAtRow where its colours end (the rows below as the decoder fills them, or mid-grey),
// or startsAtRow where they begin for a bitmap stored from the bottom up;
// a JPEG XL as its decoder draws the data there are, ending at row 0 (no pixel can be told
// final); HEIF and AVIF, whose decoder gives no part of a picture, are refused as damaged.
LoadedPicture LoadPicture(const QString& path, PictureSource source = PictureSource::File,
                          const LoadOptions& options = {});

// The same, for bytes already in memory.
LoadedPicture LoadPictureFromData(const QByteArray& data,
                                  PictureSource source = PictureSource::File,
                                  const LoadOptions& options = {});

// A picture from elsewhere (the clipboard) in the same form: opaque as Format_RGB32, otherwise
// Format_ARGB32_Premultiplied. The empty picture stays empty. Throws PlatformError when the
// picture is too large or memory runs out.
QImage NormalizePicture(QImage image);

// The same for a picture whose first bytes are head, as far as they tell (a PNG's or a BMP's
// header gives its pixel count); 0 when head already shows that it cannot be opened (no picture
// format starts so, or the picture is too large), so reading on is pointless.
qint64 EncodedPictureLimit(const QByteArray& head);
