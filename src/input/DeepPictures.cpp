// Pictures finer than 8 bits a channel: shown at 8 bits, their stored values kept where a load
// asks for them.

#include "input/ModernDecoders.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <cmath>

namespace {
// v × 255 / 65535, to the nearest.
inline uint To8(uint v) {
    return (v * 255 + 32767) / 65535;
}

bool IsFloat(QImage::Format format) {
    switch (format) {
    case QImage::Format_RGBX16FPx4:
    case QImage::Format_RGBA16FPx4:
    case QImage::Format_RGBA16FPx4_Premultiplied:
    case QImage::Format_RGBX32FPx4:
    case QImage::Format_RGBA32FPx4:
    case QImage::Format_RGBA32FPx4_Premultiplied:
        return true;
    default:
        return false;
    }
}

// Floating-point values kept as 32-bit floats, not weighted by alpha; Qt makes the 8-bit picture.
QImage EightBitOfFloats(QImage image, StoredValuesKept* kept) {
    const bool alpha = image.hasAlphaChannel();
    const QSize size = image.size();
    if (kept != nullptr) {
        QImage floats = ConvertPicture(image, QImage::Format_RGBA32FPx4);
        if (floats.isNull()) {
            ThrowNoMemory(size.width(), size.height());
        }
        kept->keep(StoredValues(std::move(floats), StoredColor::kFloat));
    }
    QImage out =
        ConvertPicture(std::move(image), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.isNull()) {
        ThrowNoMemory(size.width(), size.height());
    }
    return out;
}
} // namespace

QImage EightBitPicture(QImage image, StoredValuesKept* kept, int bits) {
    const QImage::Format format = image.format();
    if (IsFloat(format)) {
        return EightBitOfFloats(std::move(image), kept);
    }
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
    if (kept != nullptr) {
        if (bits < 16) {
            // Back to the file's own integers: its values were scaled to 16 bits exactly.
            const double scale = (std::ldexp(1.0, bits) - 1) / 65535;
            const qsizetype perLine = grey ? image.width() : qsizetype(image.width()) * 4;
            for (int y = 0; y < image.height(); ++y) {
                auto* v = reinterpret_cast<quint16*>(image.scanLine(y));
                for (qsizetype i = 0; i < perLine; ++i) {
                    v[i] = quint16(std::lround(v[i] * scale));
                }
            }
        }
        kept->keep(StoredValues(std::move(image), bits));
    }
    return out;
}
