#pragma once
// Pixel memory for pictures. A large picture's buffer is first touched page by page as it is
// decoded; with 4 KiB pages that costs more than decoding a JPEG. Large buffers are therefore
// mapped on 2 MiB boundaries and offered to the kernel for transparent huge pages.

#include <QColor>
#include <QImage>

// A picture of the given size and format with uninitialised pixels (indexed formats get no
// colour table). Buffers of several MiB are huge-page mappings owned by the QImage: they are
// unmapped when its last copy goes. A null image when the memory cannot be had.
QImage NewPicture(int width, int height, QImage::Format format);
inline QImage NewPicture(QSize size, QImage::Format format) {
    return NewPicture(size.width(), size.height(), format);
}

// The picture in another format, as QImage::convertToFormat converts it, into a buffer from
// NewPicture. A picture of the same depth that is not shared is converted in place, a band of
// rows at a time, so a large picture never exists twice.
QImage ConvertPicture(QImage picture, QImage::Format format);

// The picture as 32-bit opaque pixels, transparent ones laid over background as a window shows
// them. An opaque picture in that form comes back shared, not copied. Throws std::bad_alloc when
// memory for the copy runs out.
QImage FlattenedPicture(const QImage& picture, const QColor& background);
