#include "pixels/PixelBuffer.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// Below this a picture comes from the ordinary heap: a huge page would be mostly empty.
constexpr qint64 kMinMappedBytes = qint64(4) << 20;
// Rows converted at a time by ConvertPicture.
constexpr qint64 kBandBytes = qint64(4) << 20;

#ifdef __linux__
constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;

struct Mapping {
    void* start;
    size_t length;
};

void Unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// length bytes on a 2 MiB boundary: map one huge page more and give back what lies before and
// after the aligned span.
void* MapAligned(size_t length) {
    void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (raw == MAP_FAILED) {
        return nullptr;
    }
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    const size_t head = aligned - start;
    if (head > 0) {
        munmap(raw, head);
    }
    if (kHugePage - head > 0) {
        munmap(reinterpret_cast<void*>(aligned + length), kHugePage - head);
    }
    void* span = reinterpret_cast<void*>(aligned);
    // Advice only: where the kernel has no huge pages to give, small ones still work.
    madvise(span, length, MADV_HUGEPAGE);
    return span;
}
#endif

qint64 BytesPerLine(int width, QImage::Format format) {
    const qint64 bits = qint64(width) * QImage::toPixelFormat(format).bitsPerPixel();
    return (bits + 31) / 32 * 4; // whole 32-bit words, as QImage lays out its own rows
}

// A picture over existing rows, for converting a band of them without a copy.
QImage RowsOf(const QImage& picture, int firstRow, int rows) {
    QImage view(picture.constScanLine(firstRow), picture.width(), rows, picture.bytesPerLine(),
                picture.format());
    view.setColorTable(picture.colorTable());
    return view;
}

} // namespace

QImage NewPicture(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0 || format == QImage::Format_Invalid) {
        return QImage();
    }
#ifdef __linux__
    const qint64 bytesPerLine = BytesPerLine(width, format);
    const qint64 bytes = bytesPerLine * height;
    if (bytes >= kMinMappedBytes && bytesPerLine <= std::numeric_limits<int>::max()) {
        const size_t length = size_t((bytes + kHugePage - 1) / kHugePage * kHugePage);
        void* start = MapAligned(length);
        if (start == nullptr) {
            return QImage();
        }
        auto* mapping = new Mapping{start, length};
        QImage picture(static_cast<uchar*>(start), width, height, bytesPerLine, format, Unmap,
                       mapping);
        if (picture.isNull()) {
            Unmap(mapping);
        }
        return picture;
    }
#endif
    return QImage(width, height, format);
}

QImage ConvertPicture(QImage picture, QImage::Format format) {
    if (picture.isNull() || picture.format() == format) {
        return picture;
    }
    const bool inPlace = picture.depth() == QImage::toPixelFormat(format).bitsPerPixel() &&
                         picture.isDetached() && picture.colorTable().isEmpty();
    const QImage source = inPlace ? QImage() : picture;
    QImage target = inPlace ? std::move(picture) : NewPicture(picture.size(), format);
    if (target.isNull()) {
        return target;
    }
    const QImage& from = inPlace ? target : source;
    const int band = int(std::clamp<qint64>(kBandBytes / std::max<qint64>(1, from.bytesPerLine()),
                                            1, from.height()));
    const qint64 rowBytes = BytesPerLine(from.width(), format);
    for (int y = 0; y < from.height(); y += band) {
        const int rows = std::min(band, from.height() - y);
        // Each band is converted into a buffer of its own before it is written back.
        const QImage converted = RowsOf(from, y, rows).convertToFormat(format);
        if (converted.isNull()) {
            return QImage();
        }
        for (int row = 0; row < rows; ++row) {
            std::memcpy(target.scanLine(y + row), converted.constScanLine(row), size_t(rowBytes));
        }
    }
    if (inPlace) {
        target.reinterpretAsFormat(format);
    }
    return target;
}

QImage FlattenedPicture(const QImage& picture, const QColor& background) {
    if (picture.format() == QImage::Format_RGB32) {
        return picture;
    }
    QImage flat = NewPicture(picture.size(), QImage::Format_RGB32);
    if (flat.isNull()) {
        throw std::bad_alloc();
    }
    flat.fill(background.rgb());
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}
