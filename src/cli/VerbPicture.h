#pragma once
// The picture a verb measures: read from a file or standard input, decoded, its colours as a
// colour-managed program shows them (or as stored), laid over white where it is transparent.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

namespace Verbs {

// A failure the verb reports in one line and ends with.
struct Failure {
    int exitCode;
    QString message;
};

// The file's bytes; "-" reads standard input through readInput. Throws Failure (exit code 1).
QByteArray ReadPictureBytes(const QByteArray& file,
                            const std::function<QByteArray(qint64)>& readInput);

// The whole picture, opaque 32-bit pixels. Throws Failure (exit code 1).
QImage ShownPicture(const QByteArray& data, bool stored);

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
