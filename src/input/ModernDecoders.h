#pragma once
// Internal to picture loading: the formats beyond the BMP family and Qt's GIF and JPEG readers,
// and the colour profiles that files carry. Each decoder checks the picture's size against the
// one limit before it decodes a pixel. Libraries outside Qt are opened on the first picture of
// their kind.

#include "input/FirstLookArea.h"
#include "input/RasterDecoders.h"
#include "input/StoredValuesKept.h"
#include "input/cms/ColorProfile.h"
#include "pixels/PendingPixels.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// Pictures at 16 bits a channel (Format_RGBA64, RGBX64, their premultiplied form, Grayscale16)
// at 8 bits, each value rounded to the nearest (v × 255 / 65535): Format_RGB32 when opaque,
// otherwise Format_ARGB32. Floating-point pictures (16 and 32-bit floats) the same way with every
// value clamped to 0 to 1 first, NaN and −∞ to 0 and +∞ to 1, colour and alpha alike; a
// premultiplied one comes as Format_ARGB32_Premultiplied. Other pictures come back unchanged. bits:
// how many of the 16 the file really stores (a 10-bit JPEG XL comes scaled to 16). Where the load
// keeps stored values (kept is not null), the fine values are kept there.
QImage EightBitPicture(QImage image, StoredValuesKept* kept, int bits = 16);

// HEIF (HEIC) and AVIF: the primary picture, its orientation applied, with its ICC profile or
// colour code points. format names the kind in messages. A picture larger than look's area that
// carries a thumbnail shows the thumbnail, enlarged, until its own rows arrive.
ArrivingImage DecodeHeif(const QByteArray& data, const QString& format, ColorProfile* profile,
                         const FirstLookArea& look, StoredValuesKept* kept);

// JPEG XL: the first frame, with the colour profile of the pixels it gives. A file cut short
// gives what the decoder makes of the data there are, with endsAtRow 0: no pixel of it can be
// told final.
QImage DecodeJxl(const QByteArray& data, ColorProfile* profile, StoredValuesKept* kept,
                 std::optional<int>* endsAtRow = nullptr);

// TIFF: the first picture, where Qt's reader would not read it as stored (grey with alpha,
// floating-point samples, depths from 1 to 64 bits, signed integers, deep palettes, 16-bit RGB in
// separate planes), at 8 bits with its finer values kept as EightBitPicture keeps them. The null
// picture for the kinds Qt's reader reads as they are, and for a file libtiff cannot open. A kind
// neither reads is refused as not supported, by name ("CMYK with 16-bit samples").
QImage DecodeTiff(const QByteArray& data, StoredValuesKept* kept);

// A TIFF whose pixels stop short (a strip or tile of its first picture lies past the end of the
// data): the file with that picture's height cut to the rows of its whole strips or tiles
// (rows), to be decoded as any TIFF is; height is the picture's own. Empty file when its pixels
// are all there or none is whole, or it is a BigTIFF, or one shown in another orientation.
struct TiffRows {
    QByteArray file;
    int rows = 0;
    int height = 0;
};
TiffRows TiffWholeRows(const QByteArray& data);

// SVG: drawn at its own size, or within the pixel limit when it states none or a larger one.
QImage DecodeSvg(const QByteArray& data);
// The most bytes an SVG drawing may have: its text is parsed whole, and its work measured,
// before anything is drawn. Qt's parser takes about 70 ms a megabyte; at this size a drawing
// beyond the work budget is refused within 2 s.
constexpr qint64 kMaxSvgBytes = qint64(16) << 20;

// The profiles raster files carry: PNG (cICP, iCCP, sRGB, cHRM and gAMA), JPEG (APP2), WebP
// (ICCP chunk) and TIFF (the first picture's ICC tag). Empty when the file names none or sRGB.
ColorProfile PngProfile(const QByteArray& file);
ColorProfile JpegProfile(const QByteArray& file);
ColorProfile WebpProfile(const QByteArray& file);
ColorProfile TiffProfile(const QByteArray& file);
