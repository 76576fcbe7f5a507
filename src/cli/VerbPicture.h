#pragma once
// The picture a verb measures: read from a file or standard input, decoded, its colours as a
// colour-managed program shows them (or as stored), laid over white where it is transparent.

#include "picture/ShownPicture.h"

#include <QByteArray>
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
                              const std::function<QByteArray(qint64, int&)>& readInput);

// Whether the bytes are a raster picture (PNG, JPEG, GIF, BMP, WebP, TIFF, ICO, CUR, HEIF, AVIF,
// JPEG XL), which decodes without the toolkit's fonts; drawings (SVG, metafiles) lay out text.
bool IsRasterPicture(const QByteArray& data);

// The whole picture as a colour-managed program shows it (or as stored), transparent parts over
// white. Throws Failure (exit code 1). With arriving, a large baseline JPEG comes back at once
// and its rows follow on a thread of their own: read them through its forEachBand. The bytes
// must outlive the picture. source names it in the picks read from it.
// With fine, a picture finer than 8 bits keeps its stored values, for the exact value of a pick.
ShownPicture Shown(const QByteArray& data, bool stored, const QString& source,
                   bool arriving = false, bool fine = false);

// Only the parts of the picture that cover areas, where the format lets them be decoded alone:
// each part laid where its area lies in a picture of the whole's size, with nothing decoded
// elsewhere. Nothing when the whole picture must be decoded.
struct ShownParts {
    QSize size;
    QList<ShownPicture> parts;    // as Shown would give those pixels
    QList<QRect> placed;          // each part's place in the picture
    std::optional<int> endsAtRow; // where the file ends early, when it does
};
// The one line that refuses pixels the file does not hold. what: the point or rectangle as the
// user wrote it ("the point 3,90").
Failure BeyondTheEnd(int row, const QString& what);
// The same for a file stored from the bottom up, which holds rows from `first` to the last of
// `height` rows only.
Failure BeforeTheStart(int first, int height, const QString& what);

std::optional<ShownParts> ShownPictureParts(const QByteArray& data, const QList<QRect>& areas,
                                            bool stored, const QString& source);

} // namespace Verbs
