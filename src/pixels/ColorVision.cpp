#include "pixels/ColorVision.h"

#include "pixels/Perceptual.h"

#include <QColorSpace>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// G. M. Machado, M. M. Oliveira and L. A. F. Fernandes, "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", IEEE Transactions on Visualization and Computer Graphics
// 15(6), 2009, pp. 1291-1298: the published matrices for severity 1.0, which act on linear RGB.
// Each row sums to 1 within the sixth decimal, so greys stay grey.
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}};
// No colour at all: every channel the relative luminance Y of the Rec. 709 (sRGB) primaries.
constexpr Matrix kAchromatopsia{
    {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

// The visions that change colours, in the enumeration's order after Normal.
constexpr std::array<const Matrix*, 4> kMatrices{&kProtanopia, &kDeuteranopia, &kTritanopia,
                                                 &kAchromatopsia};

const Matrix& MatrixOf(ColorVision vision) {
    return *kMatrices[static_cast<std::size_t>(vision) - 1];
}

constexpr std::array<const char*, 5> kKeys{"normal", "protanopia", "deuteranopia", "tritanopia",
                                           "achromatopsia"};

// The fast path works in fixed point: linear light raised by an offset of 0.5, so that every
// value a matrix can give (-0.26 to 1.26) lies between 0 and 2. For each output channel, each
// input channel's code has a share: the matrix entry times the code's linear light, rounded (the
// red share carries the offset). An output channel is the sum of three shares, so it is within
// 1.5 units of the exact value.
//
// Shares come at two precisions. Packed: the three output channels' shares of a code in one
// 64-bit word, 21 bits each in units of 2^-20; added as integers, three words give all three sums
// at once (a field may go below zero on the way, but every final sum lies between 0 and 2^21).
// Precise: 32-bit integers in units of 2^-29, for the few pixels the packed sums cannot settle.
constexpr int kFractionBits = 29;
constexpr std::int32_t kOne = std::int32_t(1) << kFractionBits;
constexpr int kPackedBits = 20;
constexpr int kFieldBits = 21;
constexpr int kPackedShift = kFractionBits - kPackedBits;

constexpr bool SumsFit() {
    for (const Matrix* m : kMatrices) {
        for (const auto& row : *m) {
            double low = 0.5;
            double high = 0.5;
            for (double v : row) {
                (v < 0 ? low : high) += v;
            }
            if (low <= 0 || high >= 2) {
                return false;
            }
        }
    }
    return true;
}
static_assert(SumsFit(), "every offset sum lies between 0 and 2");

// By input channel (red, green, blue), then code.
using PackedShares = std::array<std::array<std::uint64_t, 256>, 3>;
// By output channel, input channel, then code.
using PreciseShares = std::array<std::array<std::array<std::int32_t, 256>, 3>, 3>;

// Sums are encoded through buckets 2^-16 wide covering 0 to 2: a bucket's entry is the code of
// every value in it, unless a rounding threshold of the 8-bit codes lies within the bucket or
// within kPackedMargin beside it, so that a packed sum in the bucket could be on either side.
// Then the entry is the code below that threshold, marked kNear (about 2 % of colours have a
// channel so marked), and the pixel is mended: its precise sums compared with the thresholds.
// Thresholds lie at least 1 / 255 / 12.92 apart (near black), far wider than a bucket and its
// margins, so these hold one threshold at most.
constexpr int kBucketBits = 16;
constexpr std::size_t kBuckets = std::size_t(2) << kBucketBits;
constexpr int kBucketShift = kFractionBits - kBucketBits;
constexpr std::uint32_t kNear = 0x100;
// Two packed units, in precise units.
constexpr std::int32_t kPackedMargin = 2 << kPackedShift;
// A precise sum 2 or more units above a threshold is surely above it and one 3 or more below
// surely below (with half a unit to spare for the exact path's own rounding). From 2 below to 1
// above is too close to call, and that colour is worked out the exact way: one colour in 100,000
// at most.
constexpr std::int32_t kMargin = 2;

struct Tables {
    std::array<PackedShares, 4> packed; // by vision, as kMatrices
    std::array<PreciseShares, 4> precise;
    std::array<std::uint16_t, kBuckets> codes;
    // The smallest precise sum that rounds to each code, as the exact path rounds: code k from the
    // linear light of k - 0.5 on. The first and last entries are beyond every sum.
    std::array<std::int32_t, 257> thresholds;
};

std::int32_t Rounded(double v) {
    return static_cast<std::int32_t>(std::lround(v));
}

std::unique_ptr<const Tables> BuildTables() {
    auto t = std::make_unique<Tables>();
    for (std::size_t v = 0; v < kMatrices.size(); ++v) {
        const Matrix& m = *kMatrices[v];
        for (int code = 0; code < 256; ++code) {
            const double linear = LinearChannel(code);
            for (std::size_t in = 0; in < 3; ++in) {
                const double offset = in == 0 ? 0.5 : 0;
                for (std::size_t out = 0; out < 3; ++out) {
                    const double share = m[out][in] * linear + offset;
                    t->precise[v][out][in][code] = Rounded(share * kOne);
                    t->packed[v][in][code] += std::uint64_t(Rounded(share * (1 << kPackedBits)))
                                              << (kFieldBits * out);
                }
            }
        }
    }

    t->thresholds.front() = std::numeric_limits<std::int32_t>::min();
    t->thresholds.back() = std::numeric_limits<std::int32_t>::max();
    for (int code = 1; code < 256; ++code) {
        t->thresholds[code] = static_cast<std::int32_t>(
            std::ceil((LinearOfEncoded((code - 0.5) / 255) + 0.5) * kOne));
    }

    int below = 0; // the thresholds passed: the code below the next one
    for (std::size_t b = 0; b < kBuckets; ++b) {
        const std::int32_t start = std::int32_t(b << kBucketShift);
        while (t->thresholds[below + 1] < start - kPackedMargin) {
            ++below;
        }
        const bool near = t->thresholds[below + 1] < start + (1 << kBucketShift) + kPackedMargin;
        t->codes[b] = std::uint16_t(below | (near ? kNear : 0));
    }
    return t;
}

const Tables& TheTables() {
    static const std::unique_ptr<const Tables> tables = BuildTables();
    return *tables;
}

// A pixel with a sum near a threshold: each precise sum compared with the threshold itself, and
// the exact path for a sum too close to call.
[[gnu::noinline]] QRgb Mended(ColorVision vision, QRgb p) {
    const Tables& t = TheTables();
    const PreciseShares& s = t.precise[static_cast<std::size_t>(vision) - 1];
    const std::uint32_t r = (p >> 16) & 0xFF;
    const std::uint32_t g = (p >> 8) & 0xFF;
    const std::uint32_t b = p & 0xFF;
    QRgb mended = p & 0xFF000000;
    for (std::size_t c = 0; c < 3; ++c) {
        const std::int32_t sum = s[c][0][r] + s[c][1][g] + s[c][2][b];
        const std::uint32_t below = t.codes[std::uint32_t(sum) >> kBucketShift] & 0xFF;
        const std::int32_t above = sum - t.thresholds[below + 1];
        if (above >= -kMargin && above < kMargin) {
            return SimulatedColor(vision, p);
        }
        mended |= (below + (above >= 0 ? 1 : 0)) << (16 - 8 * c);
    }
    return mended;
}

// The packed sum's field for an output channel, as a bucket.
template <std::size_t kChannel> std::uint32_t BucketOf(std::uint64_t sum) {
    constexpr int kShift = kFieldBits * int(kChannel) + kPackedBits - kBucketBits;
    if constexpr (kChannel == 2) {
        return std::uint32_t(sum >> kShift); // nothing above the top field
    } else {
        return std::uint32_t(sum >> kShift) & (kBuckets - 1);
    }
}

// The rows for a vision of three different channels, or (kGrey) of one grey.
template <bool kGrey> void Convert(ColorVision vision, const QRgb* in, QRgb* out, qsizetype count) {
    const Tables& t = TheTables();
    const PackedShares& shares = t.packed[static_cast<std::size_t>(vision) - 1];
    const std::uint16_t* codes = t.codes.data();
    // The last pixel mended and its result, so that a run of one such colour (a flat area) is
    // mended once; transparent black is its own result.
    QRgb mendedIn = 0;
    QRgb mendedOut = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const QRgb p = in[i];
        const std::uint64_t sum =
            shares[0][(p >> 16) & 0xFF] + shares[1][(p >> 8) & 0xFF] + shares[2][p & 0xFF];
        QRgb seen;
        std::uint32_t near;
        if constexpr (kGrey) {
            const std::uint32_t grey = codes[BucketOf<2>(sum)]; // all three alike
            near = grey;
            seen = (p & 0xFF000000) | grey * 0x010101;
        } else {
            const std::uint32_t red = codes[BucketOf<0>(sum)];
            const std::uint32_t green = codes[BucketOf<1>(sum)];
            const std::uint32_t blue = codes[BucketOf<2>(sum)];
            near = red | green | blue;
            seen = (p & 0xFF000000) | red << 16 | green << 8 | blue;
        }
        if (near & kNear) [[unlikely]] {
            if (p != mendedIn) {
                mendedIn = p;
                mendedOut = Mended(vision, p);
            }
            seen = mendedOut;
        }
        out[i] = seen;
    }
}

} // namespace

QString ColorVisionKey(ColorVision vision) {
    return QString::fromLatin1(kKeys[static_cast<std::size_t>(vision)]);
}

std::optional<ColorVision> ColorVisionOfKey(const QString& key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (key == QLatin1String(kKeys[i])) {
            return static_cast<ColorVision>(i);
        }
    }
    return std::nullopt;
}

QRgb SimulatedColor(ColorVision vision, QRgb color) {
    if (vision == ColorVision::Normal) {
        return color;
    }
    const Matrix& m = MatrixOf(vision);
    const LinearRgb in = LinearOf(Color(qRed(color), qGreen(color), qBlue(color)));
    LinearRgb out{};
    for (std::size_t i = 0; i < 3; ++i) {
        out[i] = m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2];
    }
    const Color c = ColorOfLinear(out);
    return qRgba(c.red(), c.green(), c.blue(), qAlpha(color));
}

void SimulateRows(ColorVision vision, const QRgb* in, QRgb* out, qsizetype count) {
    if (count <= 0) {
        return;
    }
    switch (vision) {
    case ColorVision::Normal:
        if (in != out) {
            std::memmove(out, in, std::size_t(count) * sizeof(QRgb));
        }
        return;
    case ColorVision::Achromatopsia:
        Convert<true>(vision, in, out, count);
        return;
    default:
        Convert<false>(vision, in, out, count);
        return;
    }
}

QImage SimulatedImage(ColorVision vision, const QImage& source) {
    if (vision == ColorVision::Normal || source.isNull()) {
        return source;
    }
    const QImage::Format format =
        source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage pixels = source.convertToFormat(format);
    if (pixels.isDetached()) {
        // A converted copy of its own: simulated where it lies.
        for (int y = 0; y < pixels.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            SimulateRows(vision, line, line, pixels.width());
        }
        return pixels;
    }
    QImage out(pixels.size(), format);
    if (out.isNull()) {
        return out;
    }
    out.setDevicePixelRatio(pixels.devicePixelRatio());
    out.setColorSpace(pixels.colorSpace());
    for (int y = 0; y < pixels.height(); ++y) {
        SimulateRows(vision, reinterpret_cast<const QRgb*>(pixels.constScanLine(y)),
                     reinterpret_cast<QRgb*>(out.scanLine(y)), pixels.width());
    }
    return out;
}
