#include "pixels/Perceptual.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {
using Matrix = std::array<std::array<double, 3>, 3>;

std::array<double, 3> Times(const Matrix& m, const std::array<double, 3>& v) {
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    }
    return out;
}

// Linear sRGB to CIE XYZ (D65), in the exact fractions of the sRGB primaries.
const Matrix kToXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                     {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                     {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
// Oklab's matrices: CIE XYZ to cone responses, and their cube roots to L, a and b.
const Matrix kXyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                        {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                        {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
const Matrix kLmsToLab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                        {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                        {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};

Matrix Product(const Matrix& m, const Matrix& n) {
    Matrix out{};
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            out[i][k] = m[i][0] * n[0][k] + m[i][1] * n[1][k] + m[i][2] * n[2][k];
        }
    }
    return out;
}

Matrix Inverse(const Matrix& m) {
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix out{};
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            // The cofactor of (k, i), by the cyclic rule.
            const int r1 = (k + 1) % 3, r2 = (k + 2) % 3, c1 = (i + 1) % 3, c2 = (i + 2) % 3;
            out[i][k] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
        }
    }
    return out;
}

const Matrix kLmsToRgb = Inverse(Product(kXyzToLms, kToXyz));
const Matrix kLabToLms = Inverse(kLmsToLab);

constexpr double kWhiteX = 0.3127 / 0.3290;
constexpr double kWhiteZ = (1 - 0.3127 - 0.3290) / 0.3290;

double LabCurve(double t) {
    constexpr double kEpsilon = 216.0 / 24389;
    constexpr double kKappa = 24389.0 / 27;
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116;
}

// x^7, as the chroma terms need it, without pow's cost.
double Power7(double x) {
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
}

// Lab values are small: the plain formula needs none of hypot's care against overflow.
double Length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}
double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}
} // namespace

LinearRgb LinearOf(Color c) {
    return {LinearChannel(c.red()), LinearChannel(c.green()), LinearChannel(c.blue())};
}

double EncodedChannel(double linear) {
    const double v = std::clamp(linear, 0.0, 1.0);
    const double encoded = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return encoded * 255;
}

Color ColorOfLinear(const LinearRgb& rgb) {
    const auto code = [](double linear) { return static_cast<int>(EncodedChannel(linear) + 0.5); };
    return Color(code(rgb[0]), code(rgb[1]), code(rgb[2]));
}

LabValue OklabOf(const LinearRgb& rgb) {
    std::array<double, 3> lms = Times(kXyzToLms, Times(kToXyz, rgb));
    for (double& v : lms) {
        v = std::cbrt(v);
    }
    const std::array<double, 3> lab = Times(kLmsToLab, lms);
    return {lab[0], lab[1], lab[2]};
}

LinearRgb LinearOfOklab(const LabValue& lab) {
    std::array<double, 3> lms = Times(kLabToLms, {lab.l, lab.a, lab.b});
    for (double& v : lms) {
        v = v * v * v;
    }
    return Times(kLmsToRgb, lms);
}

LabValue CielabOf(const LinearRgb& rgb) {
    const std::array<double, 3> xyz = Times(kToXyz, rgb);
    const double fx = LabCurve(xyz[0] / kWhiteX);
    const double fy = LabCurve(xyz[1]);
    const double fz = LabCurve(xyz[2] / kWhiteZ);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double DeltaE2000(const LabValue& first, const LabValue& second) {
    constexpr double k25To7 = 6103515625.0; // 25^7
    const double c1 = Length(first.a, first.b);
    const double c2 = Length(second.a, second.b);
    const double meanC7 = Power7((c1 + c2) / 2);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + k25To7)));
    const double a1 = (1 + g) * first.a;
    const double a2 = (1 + g) * second.a;
    const double c1p = Length(a1, first.b);
    const double c2p = Length(a2, second.b);
    const auto hueOf = [](double b, double a) {
        if (a == 0 && b == 0) {
            return 0.0;
        }
        const double h = Degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hueOf(first.b, a1);
    const double h2 = hueOf(second.b, a2);

    const double dL = second.l - first.l;
    const double dC = c2p - c1p;
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180) {
            dh -= 360;
        } else if (dh < -180) {
            dh += 360;
        }
    }
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(Radians(dh / 2));

    const double meanL = (first.l + second.l) / 2;
    const double meanCp = (c1p + c2p) / 2;
    double meanH = h1 + h2;
    if (c1p * c2p != 0) {
        if (std::abs(h1 - h2) > 180) {
            meanH += meanH < 360 ? 360 : -360;
        }
        meanH /= 2;
    }
    const double t = 1 - 0.17 * std::cos(Radians(meanH - 30)) +
                     0.24 * std::cos(Radians(2 * meanH)) + 0.32 * std::cos(Radians(3 * meanH + 6)) -
                     0.20 * std::cos(Radians(4 * meanH - 63));
    const double hueFromBlue = (meanH - 275) / 25;
    const double dTheta = 30 * std::exp(-hueFromBlue * hueFromBlue);
    const double meanCp7 = Power7(meanCp);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + k25To7));
    const double l50 = (meanL - 50) * (meanL - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(Radians(2 * dTheta)) * rc;
    const double x = dL / sl;
    const double y = dC / sc;
    const double z = dH / sh;
    return std::sqrt(std::max(0.0, x * x + y * y + z * z + rt * y * z));
}

double LinearOfEncoded(double encoded) {
    const double v = std::abs(encoded);
    const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

bool Clipped(const EncodedRgb& rgb) {
    constexpr double kSlack = 1e-4;
    return std::any_of(rgb.begin(), rgb.end(),
                       [](double v) { return v < -kSlack || v > 1 + kSlack; });
}

bool Finite(const EncodedRgb& rgb) {
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double v) { return std::isfinite(LinearOfEncoded(v)); });
}

double ClippingDifference(const EncodedRgb& rgb) {
    if (!Finite(rgb)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (!Clipped(rgb)) {
        return 0;
    }
    LinearRgb exact{};
    LinearRgb shown{};
    for (size_t c = 0; c < 3; ++c) {
        exact[c] = LinearOfEncoded(rgb[c]);
        shown[c] = LinearOfEncoded(std::clamp(rgb[c], 0.0, 1.0));
    }
    return DeltaE2000(CielabOf(exact), CielabOf(shown));
}
