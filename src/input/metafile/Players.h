#pragma once
// The two front ends that turn records into device-context calls, and what they share.

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <optional>

namespace gdi {

// Each plays a whole file onto a new picture at its natural size for the given DPI. A record
// that does not fit its file, or whose counts do not fit the record, ends the picture there.
std::optional<QImage> playEmf(QByteArrayView data, double dpi, QString* error);
std::optional<QImage> playWmf(QByteArrayView data, double dpi, QString* error);

// A transparent picture of the given natural size, rounded to whole pixels, or nothing (with
// *error) when the size is empty or beyond what we are willing to allocate.
std::optional<QImage> newPicture(double width, double height, QString* error);

// How many pixels all drawing on the picture may touch before playback gives up.
qint64 workBudget(const QImage& picture);

void setError(QString* error, const QString& text);

// 8-bit text, read as Windows-1252, the code page nearly every metafile's text is in.
QString decodeAnsi(QByteArrayView bytes);

} // namespace gdi
