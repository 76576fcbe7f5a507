// 16-bit pictures at 8 bits.

#include "input/ModernDecoders.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>

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
