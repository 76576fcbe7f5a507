#pragma once
// A matrix-and-curves profile's way to sRGB, in integer arithmetic: each stored value's linear
// light (one table a channel), one matrix into linear sRGB, the sRGB curve. The numbers are those
// lcms2 works out for its own 8-bit transform of the profile, and the sums are rounded and
// clamped as lcms2 rounds and clamps them, so this form gives exactly what lcms2 gives, for every
// colour, in a fraction of its time.
//
// A row is converted by the widest kernel the processor runs. Every kernel gives exactly what the
// portable one gives, pixel for pixel.

#include "input/cms/Lcms.h"

#include <QRgb>
#include <QtGlobal>
#include <optional>

struct MatrixShaper {
    // 1.0 in the light tables, in the matrix, and in the steps of linear sRGB (kOne + 1 of them)
    // that the sums are rounded to.
    static constexpr int kOne = 16384;

    qint32 linear[3][256] = {}; // red, green, blue; 0 to 65535
    qint32 matrix[3][3] = {};   // rows give linear red, green and blue
    // A step of linear sRGB to its 8-bit value, never falling. Three bytes more, so that a kernel
    // may read any step's value as the low byte of 32 bits.
    quint8 encode[kOne + 4] = {};

    // What the kernels derive from the numbers above; false when they cannot be run exactly: light
    // outside 0..65535, a sum that could pass 32 bits, or an encoding that falls somewhere.
    bool prepare();

    // The form of `exact`, lcms2's own transform of 8-bit BGRA pictures from the RGB profile
    // `input` to lcms2's sRGB profile `srgb` (relative colorimetric), worked out as lcms2 works
    // out its own. Nothing where lcms2 goes another way (a profile with tables) or the numbers
    // do not fit.
    static std::optional<MatrixShaper> Read(const Lcms& lcms, cmsHPROFILE input, cmsHPROFILE srgb,
                                            cmsHTRANSFORM exact);

    enum class Kernel {
        Portable,
        Avx2,   // sums eight pixels at a time, table lookups by scalar loads
        Avx512, // thirty-two at a time, table lookups by byte permutes (AVX-512 VBMI and GFNI)
    };
    static bool Runs(Kernel kernel);
    // The widest kernel the processor runs, unless the environment's HUEMARK_KERNEL (portable,
    // avx2 or avx512) names a narrower one.
    static Kernel Best();

    QRgb operator()(QRgb pixel) const;
    void convertRow(const QRgb* in, QRgb* out, int width) const; // Best()
    void convertRow(const QRgb* in, QRgb* out, int width, Kernel kernel) const;

    // For the AVX2 kernel: each of a pixel's bytes' share of the three sums, by the byte's place
    // in the pixel (blue, green, red) and its value. The sums are in the pixel's order (blue,
    // green, red) with a fourth that stays 0; blue's shares carry the half that rounds.
    alignas(16) qint32 shares[3][256][4] = {};

    // For the AVX-512 kernel, which finds a step's value by binary search: level b (7 down to 0)
    // holds the first step of each value whose bit b is set, indexed by the value's bits above b
    // in reverse order.
    quint16 searchLevels[8][128] = {};
};
