// Pictures finer than 8 bits a channel: shown at 8 bits, their stored values kept where a load
// asks for them.

#include "input/ModernDecoders.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <QFloat16>
#include <algorithm>
#include <cmath>
#include <cstring>

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

// A floating-point value shown at 8 bits: clamped to 0 to 1, where NaN and −∞ are 0 and +∞ is 1,
// then rounded to the nearest. The one rule for colour and alpha, whatever the format. The product
// is a float's, so values within 0 to 1 round exactly as Qt's own conversion rounds them.
inline int Shown8(float v) {
    if (!(v > 0.0f)) { // NaN too
        return 0;
    }
    return v >= 1.0f ? 255 : int(std::lround(v * 255.0f));
}

// The four floats of a pixel, from 16 or 32-bit floats; RGBX pictures are opaque.
inline void PixelFloats(const uchar* line, int x, bool half, bool opaque, float* out) {
    if (half) {
        const auto* in = reinterpret_cast<const qfloat16*>(line) + qsizetype(x) * 4;
        for (int c = 0; c < 4; ++c) {
            out[c] = float(in[c]);
        }
    } else {
        std::memcpy(out, reinterpret_cast<const float*>(line) + qsizetype(x) * 4,
                    4 * sizeof(float));
    }
    if (opaque) {
        out[3] = 1.0f;
    }
}

// Floating-point values kept as 32-bit floats as they are stored, NaN and the infinities too;
// premultiplied colours are divided by an alpha between 0 and 1 (and kept as stored with any
// other alpha), so the kept colours are not weighted by alpha. The 8-bit picture follows Shown8;
// Qt's own conversion treats NaN and the infinities differently from one format to the next.
QImage EightBitOfFloats(const QImage& image, StoredValuesKept* kept) {
    const QImage::Format format = image.format();
    const bool half = format == QImage::Format_RGBX16FPx4 || format == QImage::Format_RGBA16FPx4 ||
                      format == QImage::Format_RGBA16FPx4_Premultiplied;
    const bool opaque = format == QImage::Format_RGBX16FPx4 || format == QImage::Format_RGBX32FPx4;
    const bool premultiplied = format == QImage::Format_RGBA16FPx4_Premultiplied ||
                               format == QImage::Format_RGBA32FPx4_Premultiplied;
    const QSize size = image.size();
    QImage out = NewPicture(size, opaque          ? QImage::Format_RGB32
                                  : premultiplied ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_ARGB32);
    QImage floats;
    if (kept != nullptr) {
        floats = NewPicture(size, QImage::Format_RGBA32FPx4);
    }
    if (out.isNull() || (kept != nullptr && floats.isNull())) {
        ThrowNoMemory(size.width(), size.height());
    }
    for (int y = 0; y < size.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        float* keep = kept != nullptr ? reinterpret_cast<float*>(floats.scanLine(y)) : nullptr;
        for (int x = 0; x < size.width(); ++x) {
            float v[4];
            PixelFloats(in, x, half, opaque, v);
            const int alpha = Shown8(v[3]);
            int rgb[3];
            for (int c = 0; c < 3; ++c) {
                rgb[c] = premultiplied ? std::min(Shown8(v[c]), alpha) : Shown8(v[c]);
            }
            line[x] = qRgba(rgb[0], rgb[1], rgb[2], alpha);
            if (keep != nullptr) {
                if (premultiplied && v[3] > 0.0f && v[3] < 1.0f) {
                    for (int c = 0; c < 3; ++c) {
                        v[c] /= v[3];
                    }
                }
                std::memcpy(keep + qsizetype(x) * 4, v, sizeof v);
            }
        }
    }
    if (kept != nullptr) {
        kept->keep(StoredValues(std::move(floats), StoredColor::kFloat));
    }
    return out;
}
} // namespace

QImage EightBitPicture(QImage image, StoredValuesKept* kept, int bits) {
    const QImage::Format format = image.format();
    if (IsFloat(format)) {
        return EightBitOfFloats(image, kept);
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
