// 16-bit pictures at 8 bits, and SVG drawings through Qt's reader.

#include "input/ModernDecoders.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <cmath>

namespace {
// v × 255 / 65535, to the nearest.
inline uint To8(uint v) {
    return (v * 255 + 32767) / 65535;
}
} // namespace

QImage EightBitPicture(QImage image) {
    const QImage::Format format = image.format();
    const bool grey = format == QImage::Format_Grayscale16;
    if (!grey && format != QImage::Format_RGBA64 && format != QImage::Format_RGBX64 &&
        format != QImage::Format_RGBA64_Premultiplied) {
        return image;
    }
    if (format == QImage::Format_RGBA64_Premultiplied) {
        image.convertTo(QImage::Format_RGBA64); // 16-bit arithmetic: nothing lost at 8 bits
    }
    const bool alpha = image.hasAlphaChannel();
    QImage out = NewPicture(image.size(), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.isNull()) {
        ThrowNoMemory(image.width(), image.height());
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (grey) {
            const auto* in = reinterpret_cast<const quint16*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const uint v = To8(in[x]);
                line[x] = qRgb(int(v), int(v), int(v));
            }
        } else {
            const auto* in = reinterpret_cast<const QRgba64*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgba64 p = in[x];
                line[x] = qRgba(int(To8(p.red())), int(To8(p.green())), int(To8(p.blue())),
                                alpha ? int(To8(p.alpha())) : 255);
            }
        }
    }
    return out;
}

QImage DecodeSvg(const QByteArray& data) {
    if (data.size() > kMaxSvgBytes) {
        throw PlatformError(
            kErrOutOfMemory,
            QCoreApplication::translate("LoadPicture",
                                        "Out of memory: the SVG drawing is too large to open."));
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        ThrowInvalidPicture(QCoreApplication::translate(
            "LoadPicture", "the SVG drawing cannot be read (is the SVG image plugin installed?)."));
    }
    // Qt sizes a drawing that states no size by what it draws; one that draws nothing yet has
    // the size the web gives such pictures.
    QSizeF size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        size = QSizeF(300, 150);
    }
    // Within the pixel limit, keeping its shape; no side beyond what a picture may have.
    const double pixels = double(MaxPictureBytes() / 4);
    double scale = std::min(1.0, std::sqrt(pixels / (size.width() * size.height())));
    scale = std::min({scale, 32767.0 / size.width(), 32767.0 / size.height()});
    const QSize drawn(std::max(1, int(std::floor(size.width() * scale))),
                      std::max(1, int(std::floor(size.height() * scale))));
    CheckPictureSize(drawn.width(), drawn.height());
    reader.setScaledSize(drawn);
    QImage image = reader.read();
    if (image.isNull()) {
        ThrowDamaged(QStringLiteral("SVG"), reader.errorString());
    }
    return image;
}
