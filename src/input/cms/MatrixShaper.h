#pragma once
// A matrix-and-curves profile's way to sRGB, in integer arithmetic: each stored value's linear
// light (one table a channel), one matrix into linear sRGB, the sRGB curve. SrgbConversion reads
// these numbers off lcms2's own transform and uses this form only where the two agree; it then
// converts a picture in a fraction of lcms2's time.
//
// A row is converted by the widest kernel the processor runs. Every kernel gives exactly what the
// portable one gives, pixel for pixel.

#include <QRgb>
#include <QtGlobal>

struct MatrixShaper {
    // Linear light and the matrix with 1.0 as kOne; their sums with 1.0 as kSteps + 1.
    static constexpr int kSteps = 65535;
    static constexpr double kOne = 16384;

    qint32 linear[3][256] = {}; // red, green, blue
    qint32 matrix[3][3] = {};   // rows give linear red, green and blue

    enum class Kernel {
        Portable,
        Avx2,   // eight pixels at a time, table lookups by gathering
        Avx512, // thirty-two at a time, table lookups by byte permutes (AVX-512 VBMI and GFNI)
    };
    static bool Runs(Kernel kernel);

    QRgb operator()(QRgb pixel) const;
    void convertRow(const QRgb* in, QRgb* out, int width) const; // the best kernel
    void convertRow(const QRgb* in, QRgb* out, int width, Kernel kernel) const;
};
