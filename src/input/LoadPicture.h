#pragma once
// Decoding a picture file. The format is taken from the content, never from the name.

#include "input/PictureLimits.h"
#include "input/cms/ColorProfile.h"
#include "pixels/StoredValues.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <utility>

// Decodes the picture in a file: PNG, JPEG, WebP (the first frame), AVIF and HEIC (the primary
// picture), JPEG XL (the first frame), TIFF (the first page), GIF (the first frame), BMP, ICO and
// CUR (the largest picture), SVG, WMF and EMF. The values are the ones stored in the file, at 8
// bits a channel (16-bit values rounded); profile, when given, receives the colour profile the
// file names (empty for none or sRGB), to be applied by the caller. Throws PlatformError with a
// description of the failure when the file cannot be read, is empty, holds no picture in these
// formats, is damaged beyond reading, or is too large to open. Opaque pictures come back as
// Format_RGB32, pictures with transparent pixels as Format_ARGB32_Premultiplied.
// Where the bytes come from, for the messages: a file, the clipboard, the desktop's screen capture.
enum class PictureSource { File, Clipboard, Screen };

QImage LoadPicture(const QString& path, ColorProfile* profile = nullptr,
                   PictureSource source = PictureSource::File);

// The same, for bytes already in memory.
QImage LoadPictureFromData(const QByteArray& data, PictureSource source = PictureSource::File,
                           ColorProfile* profile = nullptr);

// A picture from elsewhere (the clipboard) in the same form: opaque as Format_RGB32, otherwise
// Format_ARGB32_Premultiplied. The empty picture stays empty. Throws PlatformError when the
// picture is too large or memory runs out.
QImage NormalizePicture(QImage image);

// The same for a picture whose first bytes are head, as far as they tell (a PNG's or a BMP's
// header gives its pixel count); 0 when head already shows that it cannot be opened (no picture
// format starts so, or the picture is too large), so reading on is pointless.
qint64 EncodedPictureLimit(const QByteArray& head);

// While one lives on a thread, a picture decoded there that stores more than 8 bits a channel
// keeps its stored values here (otherwise they are dropped as soon as the 8-bit picture is made,
// and cost nothing). Loads may nest: the innermost keeps them.
class StoredValuesKept {
public:
    StoredValuesKept();
    ~StoredValuesKept();
    StoredValuesKept(const StoredValuesKept&) = delete;
    StoredValuesKept& operator=(const StoredValuesKept&) = delete;

    // The last picture's fine values; null for a picture of 8 bits or fewer.
    StoredValues take() { return std::exchange(m_values, StoredValues()); }
    void keep(StoredValues values) { m_values = std::move(values); }
    static StoredValuesKept* current();

private:
    StoredValuesKept* m_outer;
    StoredValues m_values;
};
