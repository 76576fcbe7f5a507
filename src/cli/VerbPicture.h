#pragma once
// The picture a verb measures: read from a file or standard input, decoded, its colours as a
// colour-managed program shows them (or as stored), laid over white where it is transparent.

#include "pixels/PendingPixels.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace Verbs {

// A failure the verb reports in one line and ends with.
struct Failure {
    int exitCode;
    QString message;
};

// A picture file's bytes: a file is mapped, not copied (bytes views mapping).
struct PictureBytes {
    QByteArray bytes;
    std::shared_ptr<const void> mapping;
};

// The file's bytes; "-" reads standard input through readInput. Throws Failure (exit code 1).
PictureBytes ReadPictureBytes(const QByteArray& file,
                              const std::function<QByteArray(qint64)>& readInput);

// Whether the bytes are a raster picture (PNG, JPEG, GIF, BMP, WebP, TIFF, ICO, CUR, HEIF, AVIF,
// JPEG XL), which decodes without the toolkit's fonts; drawings (SVG, metafiles) lay out text.
bool IsRasterPicture(const QByteArray& data);

// The whole picture, opaque 32-bit pixels. Throws Failure (exit code 1). With arriving, a large
// baseline JPEG comes back at once and its rows follow on a thread of their own: read them
// through ForEachBand. The bytes must outlive the picture.
ArrivingImage ShownPicture(const QByteArray& data, bool stored, bool arriving = false);

// Calls band for the area's rows a band at a time, each once its pixels are there.
void ForEachBand(const ArrivingImage& picture, const QRect& area,
                 const std::function<void(int firstRow, int rows)>& band);

// Only the parts of the picture that cover areas, where the format lets them be decoded alone:
// each part laid where its area lies in a picture of the whole's size, with nothing decoded
// elsewhere. Nothing when the whole picture must be decoded.
struct ShownParts {
    QSize size;
    QList<QImage> parts; // as ShownPicture would give those pixels
    QList<QRect> placed; // each part's place in the picture
};
std::optional<ShownParts> ShownPictureParts(const QByteArray& data, const QList<QRect>& areas,
                                            bool stored);

} // namespace Verbs
