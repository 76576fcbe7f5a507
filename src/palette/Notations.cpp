#include "palette/Notations.h"

#include "names/ColorNames.h"
#include "palette/ListFormats.h"
#include "pixels/Perceptual.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {
// Below this chroma an Oklch hue means nothing (it is "powerless") and is written as none.
constexpr double kOkAchromatic = 0.000004;

QString HslText(Color c) {
    const HslValue hsl = HslOf(c);
    return QStringLiteral("hsl(%1 %2% %3%)")
        .arg(HueText(hsl.hue, kHslHueDecimals), CssNumber(hsl.saturation, kPercentDecimals),
             CssNumber(hsl.lightness, kPercentDecimals));
}

QString OklchText(Color c) {
    const OklchValue lch = OklchOf(c);
    return QStringLiteral("oklch(%1 %2 %3)")
        .arg(CssNumber(lch.lightness, kOkDecimals), CssNumber(lch.chroma, kOkDecimals),
             HueText(lch.hue, kOkHueDecimals));
}
// color(space r g b) with five decimals a channel.
QString ColorFunction(const QString& space, const std::array<double, 3>& v) {
    constexpr int kDecimals = 5;
    return QStringLiteral("color(%1 %2 %3 %4)")
        .arg(space, CssNumber(v[0], kDecimals), CssNumber(v[1], kDecimals),
             CssNumber(v[2], kDecimals));
}

// The exact sRGB value where the pick knows it, otherwise its 8-bit colour.
// The exact value where it is a finite colour; else the colour shown, in 8 bits.
QString SrgbFunction(const Pick& pick) {
    const Color c = pick.color;
    const std::optional<EncodedRgb>& exact = pick.origin.precise;
    return ColorFunction(QStringLiteral("srgb"),
                         exact && Finite(*exact)
                             ? *exact
                             : EncodedRgb{c.red() / 255.0, c.green() / 255.0, c.blue() / 255.0});
}
} // namespace

HslValue HslOf(Color c) {
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
    return {hue, saturation * 100, lightness * 100};
}

OklchValue OklchOf(Color c) {
    const LabValue lab = OklabOf(LinearOf(c));
    const double chroma = std::hypot(lab.a, lab.b);
    double hue = std::nan("");
    if (chroma > kOkAchromatic) {
        hue = std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
        if (hue < 0) {
            hue += 360;
        }
    }
    return {lab.l, chroma, hue};
}

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
    case Notation::ColorSrgb:
        return SrgbFunction(pick);
    case Notation::ColorStored: {
        const std::optional<StoredColor>& stored = pick.origin.stored;
        if (stored && Finite(stored->fractions()) &&
            (stored->space == QLatin1String("display-p3") ||
             stored->space == QLatin1String("rec2020"))) {
            return ColorFunction(stored->space, stored->fractions());
        }
        return SrgbFunction(pick);
    }
    case Notation::Name:
        return NameText(NearestCssName(c));
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
                                   {Notation::GimpLine, "gpl"},
                                   {Notation::ColorSrgb, "color-srgb"},
                                   {Notation::ColorStored, "color-stored"},
                                   {Notation::Name, "name"}};
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
