#include "palette/Notations.h"

#include "palette/ListFormats.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {
constexpr int kPercentDecimals = 2; // hsl() saturation and lightness
constexpr int kHslHueDecimals = 2;
// Oklab L and C need five decimals to tell every 8-bit colour apart; the hue, in degrees, three.
constexpr int kOkDecimals = 5;
constexpr int kOkHueDecimals = 3;
// Below this chroma an Oklch hue means nothing (it is "powerless") and is written as none.
constexpr double kOkAchromatic = 0.000004;

QString HueText(double hue, int decimals) {
    if (std::isnan(hue)) {
        return QStringLiteral("none");
    }
    const double scale = std::pow(10.0, decimals);
    double rounded = std::floor(hue * scale + 0.5) / scale;
    if (rounded >= 360) {
        rounded -= 360;
    }
    return CssNumber(rounded, decimals);
}

QString HslText(Color c) {
    const double r = c.red() / 255.0;
    const double g = c.green() / 255.0;
    const double b = c.blue() / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double lightness = (max + min) / 2;
    const double delta = max - min;
    double hue = std::nan("");
    double saturation = 0;
    if (delta > 0) {
        saturation = (max - lightness) / std::min(lightness, 1 - lightness);
        if (max == r) {
            hue = (g - b) / delta + (g < b ? 6 : 0);
        } else if (max == g) {
            hue = (b - r) / delta + 2;
        } else {
            hue = (r - g) / delta + 4;
        }
        hue *= 60;
    }
    return QStringLiteral("hsl(%1 %2% %3%)")
        .arg(HueText(hue, kHslHueDecimals), CssNumber(saturation * 100, kPercentDecimals),
             CssNumber(lightness * 100, kPercentDecimals));
}

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Times(const Matrix& m, const Vector& v) {
    Vector out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    }
    return out;
}

QString OklchText(Color c) {
    // Linear-light sRGB to CIE XYZ (D65), then to Oklab through cone responses.
    static const Matrix kToXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
    static const Matrix kXyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                                   {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                                   {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
    static const Matrix kLmsToLab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                   {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                   {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
    Vector lms = Times(kXyzToLms, Times(kToXyz, {LinearChannel(c.red()), LinearChannel(c.green()),
                                                 LinearChannel(c.blue())}));
    for (double& v : lms) {
        v = std::cbrt(v);
    }
    const Vector lab = Times(kLmsToLab, lms);
    const double chroma = std::hypot(lab[1], lab[2]);
    double hue = std::nan("");
    if (chroma > kOkAchromatic) {
        hue = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
        if (hue < 0) {
            hue += 360;
        }
    }
    return QStringLiteral("oklch(%1 %2 %3)")
        .arg(CssNumber(lab[0], kOkDecimals), CssNumber(chroma, kOkDecimals),
             HueText(hue, kOkHueDecimals));
}
} // namespace

QString CssNumber(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::floor(value * scale + 0.5) / scale;
    QString text = QString::number(rounded == 0 ? 0.0 : rounded, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text;
}

QString ColorAs(Notation notation, const Pick& pick) {
    const Color c = pick.color;
    switch (notation) {
    case Notation::Rgb:
        return QStringLiteral("rgb(%1 %2 %3)").arg(c.red()).arg(c.green()).arg(c.blue());
    case Notation::Hsl:
        return HslText(c);
    case Notation::Oklch:
        return OklchText(c);
    case Notation::GimpLine:
        return PaletteLine(pick);
    case Notation::WebCode:
        break;
    }
    return WebCode(c);
}

namespace {
struct NotationWord {
    Notation notation;
    const char* key;
};
constexpr NotationWord kWords[] = {{Notation::WebCode, "web"},
                                   {Notation::Rgb, "rgb"},
                                   {Notation::Hsl, "hsl"},
                                   {Notation::Oklch, "oklch"},
                                   {Notation::GimpLine, "gpl"}};
} // namespace

QString NotationKey(Notation notation) {
    for (const NotationWord& word : kWords) {
        if (word.notation == notation) {
            return QLatin1String(word.key);
        }
    }
    return QStringLiteral("web");
}

std::optional<Notation> NotationOfKey(const QString& key) {
    for (const NotationWord& word : kWords) {
        if (key == QLatin1String(word.key)) {
            return word.notation;
        }
    }
    return std::nullopt;
}
