#pragma once
// The two front ends that turn records into device-context calls, and what they share.

#include <QByteArrayView>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

namespace gdi {

// Each plays a whole file onto a new picture at its natural size for the given DPI, or smaller
// where that exceeds maxPixels. A record that does not fit its file, or whose counts do not fit
// the record, ends the picture there.
std::optional<QImage> playEmf(QByteArrayView data, double dpi, qint64 maxPixels, QString* error);
std::optional<QImage> playWmf(QByteArrayView data, double dpi, qint64 maxPixels, QString* error);

// A transparent picture for a drawing of the given natural size in pixels, rounded to whole
// pixels. A drawing beyond maxPixels, or beyond 20000 pixels a side, gets the largest picture
// within those that keeps its aspect; *scale says how much smaller it is each way (1 at the
// natural size). Nothing (with *error) when the size is empty or memory runs out.
std::optional<QImage> newPicture(double width, double height, qint64 maxPixels, QSizeF* scale,
                                 QString* error);

void setError(QString* error, const QString& text);

// 8-bit text, read as Windows-1252, the code page nearly every metafile's text is in.
QString decodeAnsi(QByteArrayView bytes);

} // namespace gdi
