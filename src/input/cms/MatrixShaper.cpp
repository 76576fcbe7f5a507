#include "input/cms/MatrixShaper.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
// GCC 12's AVX-512 header makes its "undefined" vectors by reading them uninitialised (fixed in
// GCC 13); the warning it gives inside that header is not ours.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

constexpr int kOne = MatrixShaper::kOne;

// lcms2's fixed point for the light tables and the matrix: 1.0 as 2^14, the nearest, halves up.
qint32 Fixed14(double v) {
    return qint32(std::floor(v * 16384.0 + 0.5));
}

// lcms2's way from a curve's value 0..1 to 16 bits (the value × 65535 plus a half, taken to the
// nearest 1/65536 and then down) and on to 8 bits (the nearest of w / 257).
quint8 EightBits(float value) {
    const double v = value > 0 ? std::min(double(value), 1.0) : 0.0;
    const double d = v * 65535.0 + 0.5;
    const qint64 word = d >= 65535.0 ? 65535 : qint64(std::nearbyint(d * 65536.0)) >> 16;
    return quint8((word * 65281 + 8388608) >> 24);
}

// The sRGB profile's curve turned round, as lcms2 turns it and reads it at each step; the same for
// the three channels, or nothing.
const std::optional<std::array<quint8, kOne + 1>>& Encoding(const Lcms& lcms, cmsHPROFILE srgb) {
    static const auto encoding = [&]() -> std::optional<std::array<quint8, kOne + 1>> {
        std::array<quint8, kOne + 1> tables[3];
        const cmsTagSignature tags[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
        for (int c = 0; c < 3; ++c) {
            const auto* curve = static_cast<const cmsToneCurve*>(lcms.cmsReadTag(srgb, tags[c]));
            cmsToneCurve* inverse = curve ? lcms.cmsReverseToneCurve(curve) : nullptr;
            if (inverse == nullptr) {
                return std::nullopt;
            }
            for (int i = 0; i <= kOne; ++i) {
                tables[c][size_t(i)] =
                    EightBits(lcms.cmsEvalToneCurveFloat(inverse, float(i / 16384.0)));
            }
            lcms.cmsFreeToneCurve(inverse);
        }
        if (tables[1] != tables[0] || tables[2] != tables[0]) {
            return std::nullopt;
        }
        return tables[0];
    }();
    return encoding;
}

// A profile's colorants as lcms2 reads them: columns red, green, blue of X, Y and Z.
bool Colorants(const Lcms& lcms, cmsHPROFILE profile, cmsMAT3& m) {
    const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag,
                                     cmsSigBlueColorantTag};
    for (int c = 0; c < 3; ++c) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(lcms.cmsReadTag(profile, tags[c]));
        if (xyz == nullptr) {
            return false;
        }
        m.v[0].n[c] = xyz->X;
        m.v[1].n[c] = xyz->Y;
        m.v[2].n[c] = xyz->Z;
    }
    return true;
}

void ConvertRowPortable(const MatrixShaper& m, const QRgb* in, QRgb* out, int width) {
    // Screenshots and drawings repeat a colour along a row: it is converted once.
    QRgb last = ~in[0];
    QRgb converted = 0;
    for (int x = 0; x < width; ++x) {
        if (in[x] != last) {
            last = in[x];
            converted = m(last);
        }
        out[x] = converted;
    }
}

// The AVX2 kernel. Gathers cost about as much per element as a scalar load, or more, and the three
// light tables and the encoding took six a pixel; here a pixel's bytes pick their shares of the
// sums with scalar loads, two pixels' shares are added in one vector, and the steps come back to
// scalar registers to be encoded, each byte written over a copy of the pixel (which keeps its
// alpha).
#define HUEMARK_AVX2 __attribute__((target("avx2")))

// Two pixels' shares from the table of the bytes at `place`, the second pixel's in the high half.
HUEMARK_AVX2 inline __m256i SharesOfTwo(const MatrixShaper& m, quint64 two, int place) {
    // A byte's offset in its table of 16-byte shares.
    const auto* table = reinterpret_cast<const char*>(m.shares[place]);
    const auto* first = table + (((two >> (8 * place)) << 4) & 0xff0);
    const auto* second = table + ((two >> (8 * place + 28)) & 0xff0);
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(first))),
        _mm_load_si128(reinterpret_cast<const __m128i*>(second)), 1);
}

// Two pixels' steps of linear sRGB, blue, green, red and 0 for each, the second pixel's in the
// high half.
HUEMARK_AVX2 inline __m256i StepsOfTwo(const MatrixShaper& m, const QRgb* in) {
    quint64 two;
    std::memcpy(&two, in, sizeof two);
    const __m256i sum = _mm256_add_epi32(
        _mm256_add_epi32(SharesOfTwo(m, two, 0), SharesOfTwo(m, two, 1)), SharesOfTwo(m, two, 2));
    return _mm256_min_epi32(_mm256_max_epi32(_mm256_srai_epi32(sum, 14), _mm256_setzero_si256()),
                            _mm256_set1_epi32(kOne));
}

// One pixel's steps to the bytes of its colour.
HUEMARK_AVX2 inline void Encode(const quint8* encode, __m128i steps, quint8* pixel) {
    const auto blueGreen = quint64(_mm_cvtsi128_si64(steps));
    pixel[0] = encode[quint32(blueGreen)];
    pixel[1] = encode[blueGreen >> 32];
    pixel[2] = encode[quint64(_mm_extract_epi64(steps, 1))]; // the fourth step is 0
}

HUEMARK_AVX2 void ConvertRowAvx2(const MatrixShaper& m, const QRgb* in, QRgb* out, int width) {
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        __m256i steps[4];
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            steps[k] = StepsOfTwo(m, in + x + 2 * k);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + x)));
        auto* pixels = reinterpret_cast<quint8*>(out + x);
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            Encode(m.encode, _mm256_castsi256_si128(steps[k]), pixels + 8 * k);
            Encode(m.encode, _mm256_extracti128_si256(steps[k], 1), pixels + 8 * k + 4);
        }
    }
    for (; x < width; ++x) {
        out[x] = m(in[x]);
    }
}

// The AVX-512 kernel. Gathers cost about as much per element as a scalar load, and they were
// most of the AVX2 kernel's time; here every table is held in registers and read with permutes.
#define HUEMARK_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi,gfni")))

// A table of 256 bytes in four registers, read at every byte of index.
HUEMARK_AVX512 inline __m512i Lookup256(const __m512i (&table)[4], __m512i index) {
    const __m512i low = _mm512_permutex2var_epi8(table[0], index, table[1]);
    const __m512i high = _mm512_permutex2var_epi8(table[2], index, table[3]);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high);
}

// The encoding as a binary search, one bit of the value a level: level b compares the step with
// the first step of the value whose bits above b are those found and whose bit b is set. The
// found bits are kept in reverse order (the first found in bit 0), so that they index the level's
// table as they stand; the value's bits are turned round at the end.
struct SearchLevels {
    __m512i first;     // level 7: one start
    __m512i small[5];  // levels 6 to 2: up to 32 starts each
    __m512i level1[2]; // 64 starts
    __m512i level0[4]; // 128 starts

    HUEMARK_AVX512 explicit SearchLevels(const quint16 (&starts)[8][128]) {
        first = _mm512_set1_epi16(qint16(starts[7][0]));
        for (int b = 6; b >= 2; --b) {
            small[6 - b] = _mm512_loadu_si512(starts[b]);
        }
        for (int k = 0; k < 2; ++k) {
            level1[k] = _mm512_loadu_si512(starts[1] + 32 * k);
        }
        for (int k = 0; k < 4; ++k) {
            level0[k] = _mm512_loadu_si512(starts[0] + 32 * k);
        }
    }

    // One level: where a step reaches the start, the level's bit is added to what was found.
    HUEMARK_AVX512 static void Level(__m512i& found, __m512i step, __m512i start, int bit) {
        found = _mm512_mask_add_epi16(found, _mm512_cmpge_epu16_mask(step, start), found,
                                      _mm512_set1_epi16(qint16(bit)));
    }

    // The three channels' steps, 32 of each (16-bit lanes), to their 8-bit values. The channels
    // go through the levels side by side: each level waits for the one before.
    HUEMARK_AVX512 void operator()(__m512i (&steps)[3]) const {
        __m512i found[3];
        for (int i = 0; i < 3; ++i) {
            found[i] = _mm512_setzero_si512();
            Level(found[i], steps[i], first, 1);
        }
#pragma GCC unroll 5
        for (int b = 6; b >= 2; --b) {
#pragma GCC unroll 3
            for (int i = 0; i < 3; ++i) {
                Level(found[i], steps[i], _mm512_permutexvar_epi16(found[i], small[6 - b]),
                      1 << (7 - b));
            }
        }
#pragma GCC unroll 3
        for (int i = 0; i < 3; ++i) {
            Level(found[i], steps[i], _mm512_permutex2var_epi16(level1[0], found[i], level1[1]),
                  64);
        }
#pragma GCC unroll 3
        for (int i = 0; i < 3; ++i) {
            Level(
                found[i], steps[i],
                _mm512_mask_blend_epi16(_mm512_test_epi16_mask(found[i], _mm512_set1_epi16(64)),
                                        _mm512_permutex2var_epi16(level0[0], found[i], level0[1]),
                                        _mm512_permutex2var_epi16(level0[2], found[i], level0[3])),
                128);
            // Each byte's bits turned round (the high byte of each lane is zero and stays so).
            steps[i] =
                _mm512_gf2p8affine_epi64_epi8(found[i], _mm512_set1_epi64(0x8040201008040201LL), 0);
        }
    }
};

HUEMARK_AVX512 void ConvertRowAvx512(const MatrixShaper& m, const QRgb* in, QRgb* out, int width) {
    const SearchLevels search(m.searchLevels);
    alignas(64) static const auto orders = [] {
        struct {
            std::array<quint8, 64> channel[3]; // a channel's bytes of 32 pixels, twice
            std::array<quint8, 64> light[2];   // bytes low, high, -, - of 16 pixels' light
            std::array<quint16, 64> pixels;    // words (green << 8 | blue) and red, in turn
        } o{};
        for (int j = 0; j < 64; ++j) {
            for (int c = 0; c < 3; ++c) {
                o.channel[c][size_t(j)] = quint8(4 * (j % 32) + 2 - c); // red is byte 2
            }
            for (int half = 0; half < 2; ++half) {
                o.light[half][size_t(j)] = quint8(16 * half + j / 4 + (j % 4 == 1 ? 64 : 0));
            }
            o.pixels[size_t(j)] = quint16(j / 2 + (j % 2 == 1 ? 32 : 0));
        }
        return o;
    }();
    constexpr __mmask64 kLowBytes = 0x3333333333333333; // bytes 0 and 1 of each 32-bit lane

    // Each channel's linear light (below 2^16) as two tables of bytes, low and high.
    __m512i low[3][4];
    __m512i high[3][4];
    __m512i channelOrder[3];
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < 4; ++k) {
            __m128i l[4];
            __m128i h[4];
            for (int q = 0; q < 4; ++q) {
                const __m512i v = _mm512_loadu_si512(m.linear[c] + 64 * k + 16 * q);
                l[q] = _mm512_cvtepi32_epi8(v);
                h[q] = _mm512_cvtepi32_epi8(_mm512_srli_epi32(v, 8));
            }
            low[c][k] = _mm512_inserti64x4(_mm512_castsi256_si512(_mm256_set_m128i(l[1], l[0])),
                                           _mm256_set_m128i(l[3], l[2]), 1);
            high[c][k] = _mm512_inserti64x4(_mm512_castsi256_si512(_mm256_set_m128i(h[1], h[0])),
                                            _mm256_set_m128i(h[3], h[2]), 1);
        }
        channelOrder[c] = _mm512_loadu_si512(orders.channel[c].data());
    }
    const __m512i lightOrder[2] = {_mm512_loadu_si512(orders.light[0].data()),
                                   _mm512_loadu_si512(orders.light[1].data())};
    const __m512i pixelOrder[2] = {_mm512_loadu_si512(orders.pixels.data()),
                                   _mm512_loadu_si512(orders.pixels.data() + 32)};
    __m512i coefficient[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            coefficient[i][j] = _mm512_set1_epi32(m.matrix[i][j]);
        }
    }
    const __m512i zero = _mm512_setzero_si512();
    const __m512i top = _mm512_set1_epi32(kOne);
    const __m512i half = _mm512_set1_epi32(kOne / 2);
    const __m512i alpha = _mm512_set1_epi32(qint32(0xff000000));

    int x = 0;
    for (; x + 32 <= width; x += 32) {
        const __m512i p[2] = {_mm512_loadu_si512(in + x), _mm512_loadu_si512(in + x + 16)};
        // Each channel's 32 bytes side by side, looked up, and spread again as 32-bit light.
        __m512i light[3][2];
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c) {
            const __m512i stored = _mm512_permutex2var_epi8(p[0], channelOrder[c], p[1]);
            const __m512i l = Lookup256(low[c], stored);
            const __m512i h = Lookup256(high[c], stored);
#pragma GCC unroll 2
            for (int half = 0; half < 2; ++half) {
                light[c][half] = _mm512_maskz_permutex2var_epi8(kLowBytes, l, lightOrder[half], h);
            }
        }
        // Into linear sRGB, as steps of the curve, two bytes each.
        __m512i steps[3];
#pragma GCC unroll 3
        for (int i = 0; i < 3; ++i) {
            __m256i halves[2];
#pragma GCC unroll 2
            for (int h = 0; h < 2; ++h) {
                const __m512i sum = _mm512_add_epi32(
                    _mm512_add_epi32(_mm512_mullo_epi32(coefficient[i][0], light[0][h]),
                                     _mm512_mullo_epi32(coefficient[i][1], light[1][h])),
                    _mm512_add_epi32(_mm512_mullo_epi32(coefficient[i][2], light[2][h]), half));
                halves[h] = _mm512_cvtepi32_epi16(
                    _mm512_min_epi32(_mm512_max_epi32(_mm512_srai_epi32(sum, 14), zero), top));
            }
            steps[i] = _mm512_inserti64x4(_mm512_castsi256_si512(halves[0]), halves[1], 1);
        }
        search(steps);
        // Back into pixels, with their own alpha.
        const __m512i greenBlue = _mm512_or_si512(_mm512_slli_epi16(steps[1], 8), steps[2]);
#pragma GCC unroll 2
        for (int half = 0; half < 2; ++half) {
            const __m512i rgb = _mm512_permutex2var_epi16(greenBlue, pixelOrder[half], steps[0]);
            _mm512_storeu_si512(out + x + 16 * half,
                                _mm512_ternarylogic_epi32(alpha, p[half], rgb, 0xEA));
        }
    }
    for (; x < width; ++x) {
        out[x] = m(in[x]);
    }
}

} // namespace

bool MatrixShaper::Runs(Kernel kernel) {
    switch (kernel) {
    case Kernel::Portable:
        return true;
    case Kernel::Avx2:
        return __builtin_cpu_supports("avx2");
    case Kernel::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("gfni");
    }
    return false;
}

QRgb MatrixShaper::operator()(QRgb p) const {
    const qint32 r = linear[0][qRed(p)];
    const qint32 g = linear[1][qGreen(p)];
    const qint32 b = linear[2][qBlue(p)];
    const auto out = [this, r, g, b](const qint32* row) {
        const qint32 step = (row[0] * r + row[1] * g + row[2] * b + kOne / 2) >> 14;
        return encode[std::clamp(step, 0, kOne)];
    };
    return qRgba(out(matrix[0]), out(matrix[1]), out(matrix[2]), qAlpha(p));
}

bool MatrixShaper::prepare() {
    qint64 most[3] = {};
    for (int c = 0; c < 3; ++c) {
        for (const qint32 light : linear[c]) {
            if (light < 0 || light > 0xffff) {
                return false;
            }
            most[c] = std::max(most[c], qint64(light));
        }
    }
    for (const auto& row : matrix) {
        const qint64 largest = std::abs(qint64(row[0])) * most[0] +
                               std::abs(qint64(row[1])) * most[1] +
                               std::abs(qint64(row[2])) * most[2] + kOne / 2;
        if (largest > std::numeric_limits<qint32>::max()) {
            return false;
        }
    }
    // The first step of each value 1..255; kOne + 1 for a value that no step gives.
    int start[256];
    int step = 0;
    for (int value = 1; value < 256; ++value) {
        while (step <= kOne && encode[step] < value) {
            ++step;
        }
        start[value] = step;
    }
    for (int i = 1; i <= kOne; ++i) {
        if (encode[i] < encode[i - 1]) {
            return false;
        }
    }
    for (int place = 0; place < 3; ++place) {
        const int channel = 2 - place; // red is the pixel's byte 2
        for (int v = 0; v < 256; ++v) {
            for (int sum = 0; sum < 3; ++sum) {
                shares[place][v][sum] =
                    matrix[2 - sum][channel] * linear[channel][v] + (place == 0 ? kOne / 2 : 0);
            }
            shares[place][v][3] = 0;
        }
    }
    for (int b = 7; b >= 0; --b) {
        const int found = 7 - b;
        for (int reversed = 0; reversed < 1 << found; ++reversed) {
            int prefix = 0;
            for (int k = 0; k < found; ++k) {
                prefix |= ((reversed >> k) & 1) << (found - 1 - k);
            }
            searchLevels[b][reversed] = quint16(start[(prefix << (b + 1)) | (1 << b)]);
        }
    }
    return true;
}

std::optional<MatrixShaper> MatrixShaper::Read(const Lcms& lcms, cmsHPROFILE input,
                                               cmsHPROFILE srgb, cmsHTRANSFORM exact) {
    // lcms2 takes the matrix and curves of a profile that has no tables for the intent (nor the
    // perceptual ones it falls back on), is no link, abstract or named-colour profile, and
    // connects through XYZ. Its transform is then two sets of curves with the product of the two
    // profiles' matrices between them, which it runs in its own fixed point for 8-bit pictures.
    if (!lcms.readsQuickForm) {
        return std::nullopt;
    }
    const cmsUInt32Number profileClass = lcms.cmsGetDeviceClass(input);
    if (!lcms.cmsIsMatrixShaper(input) || lcms.cmsGetPCS(input) != cmsSigXYZData ||
        profileClass == cmsSigLinkClass || profileClass == cmsSigAbstractClass ||
        profileClass == cmsSigNamedColorClass) {
        return std::nullopt;
    }
    for (const cmsTagSignature tables : {cmsSigAToB0Tag, cmsSigAToB1Tag, cmsSigAToB2Tag,
                                         cmsSigDToB0Tag, cmsSigDToB1Tag, cmsSigDToB2Tag}) {
        if (lcms.cmsIsTag(input, tables)) {
            return std::nullopt;
        }
    }
    const auto& encoding = Encoding(lcms, srgb);
    cmsMAT3 toXyz;
    cmsMAT3 fromXyz;
    cmsMAT3 srgbColorants;
    if (!encoding || !Colorants(lcms, input, toXyz) || !Colorants(lcms, srgb, srgbColorants) ||
        !lcms._cmsMAT3inverse(&srgbColorants, &fromXyz)) {
        return std::nullopt;
    }
    // XYZ in lcms2's 16-bit encoding, where 1.0 + 32767/32768 is the largest value.
    constexpr double kLargestXyz = 1.0 + 32767.0 / 32768.0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            toXyz.v[i].n[j] *= 1.0 / kLargestXyz;
            fromXyz.v[i].n[j] *= kLargestXyz;
        }
    }
    cmsMAT3 joined;
    lcms._cmsMAT3per(&joined, &fromXyz, &toXyz);

    MatrixShaper m;
    std::copy(encoding->begin(), encoding->end(), m.encode);
    if (lcms._cmsMAT3isIdentity(&joined)) {
        // lcms2 leaves out a matrix this close to the identity and joins the two sets of curves:
        // each channel then goes its own way, read off the transform at every grey. Each light
        // value is the first step of the value the transform gives.
        std::array<QRgb, 256> greys;
        std::array<QRgb, 256> shown;
        for (int v = 0; v < 256; ++v) {
            greys[size_t(v)] = qRgb(v, v, v);
        }
        lcms.cmsDoTransform(exact, greys.data(), shown.data(), 256);
        for (int c = 0; c < 3; ++c) {
            m.matrix[c][c] = kOne;
            for (int v = 0; v < 256; ++v) {
                const int value = (shown[size_t(v)] >> (16 - 8 * c)) & 0xff;
                const auto first = std::lower_bound(m.encode, m.encode + kOne + 1, value);
                if (first == m.encode + kOne + 1 || *first != value) {
                    return std::nullopt;
                }
                m.linear[c][v] = qint32(first - m.encode);
            }
        }
    } else {
        const cmsTagSignature curves[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
        for (int c = 0; c < 3; ++c) {
            const auto* curve = static_cast<const cmsToneCurve*>(lcms.cmsReadTag(input, curves[c]));
            if (curve == nullptr) {
                return std::nullopt;
            }
            for (int v = 0; v < 256; ++v) {
                const float light = lcms.cmsEvalToneCurveFloat(curve, float(v / 255.0));
                // prepare() turns down anything beyond 65535 / kOne.
                if (!(light >= 0 && light < 4)) {
                    return std::nullopt;
                }
                m.linear[c][v] = Fixed14(light);
            }
            for (int i = 0; i < 3; ++i) {
                if (!(std::abs(joined.v[i].n[c]) < 1e4)) {
                    return std::nullopt;
                }
                m.matrix[i][c] = Fixed14(joined.v[i].n[c]);
            }
        }
    }
    if (!m.prepare()) {
        return std::nullopt;
    }
    return m;
}

MatrixShaper::Kernel MatrixShaper::Best() {
    static const Kernel best = [] {
        // HUEMARK_KERNEL=avx2 or =portable holds the program to a narrower kernel than the
        // processor runs, to time or test that kernel on the whole way through.
        const QByteArray cap = qgetenv("HUEMARK_KERNEL").toLower();
        const bool avx512 = cap.isEmpty() || cap == "avx512";
        const bool avx2 = avx512 || cap == "avx2";
        return avx512 && Runs(Kernel::Avx512) ? Kernel::Avx512
               : avx2 && Runs(Kernel::Avx2)   ? Kernel::Avx2
                                              : Kernel::Portable;
    }();
    return best;
}

void MatrixShaper::convertRow(const QRgb* in, QRgb* out, int width) const {
    convertRow(in, out, width, Best());
}

void MatrixShaper::convertRow(const QRgb* in, QRgb* out, int width, Kernel kernel) const {
    switch (kernel) {
    case Kernel::Avx512:
        ConvertRowAvx512(*this, in, out, width);
        return;
    case Kernel::Avx2:
        ConvertRowAvx2(*this, in, out, width);
        return;
    case Kernel::Portable:
        ConvertRowPortable(*this, in, out, width);
        return;
    }
}
