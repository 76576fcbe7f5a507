#pragma once
// The texts a colour is copied as: the web code, CSS rgb(), hsl() and oklch() in their modern
// space-separated forms, a palette line as GIMP palette files hold them, and the nearest CSS
// colour name.

#include "list/Pick.h"
#include "pixels/WebCode.h"

#include <QString>
#include <optional>

// ColorSrgb is CSS Color 4's color(srgb …) of the exact value, unclipped, with five decimals
// (enough to give back every 16-bit value); ColorStored is color() of the stored value in the
// picture's own space where CSS names it (display-p3, rec2020), else the same as ColorSrgb.
// Name is the nearest CSS keyword, "≈ " before it when the colour is only near it.
enum class Notation { WebCode, Rgb, Hsl, Oklch, GimpLine, ColorSrgb, ColorStored, Name };

// The colour in a notation. Only the palette line carries the name (the web code when empty).
QString ColorAs(Notation notation, const Pick& pick);

// The word a notation is remembered by in the settings, and back (nothing for an unknown word).
QString NotationKey(Notation notation);
std::optional<Notation> NotationOfKey(const QString& key);

// A number as CSS serialises it: rounded half up to the given decimals, trailing zeros and a
// bare decimal point dropped, never "-0".
QString CssNumber(double value, int decimals);

// The numbers of hsl() and oklch(), unrounded: hue in degrees (NaN where the colour has none, a
// grey's), saturation and lightness in percent; Oklab lightness (0 to 1) and chroma.
struct HslValue {
    double hue;
    double saturation;
    double lightness;
};
struct OklchValue {
    double lightness;
    double chroma;
    double hue;
};
HslValue HslOf(Color c);
OklchValue OklchOf(Color c);
// A hue as the notations write it: rounded to the decimals, 360 as 0, "none" for NaN.
QString HueText(double hue, int decimals);

// The decimals hsl() and oklch() write their numbers with: Oklab L and C need five to tell every
// 8-bit colour apart, the hue in degrees three.
constexpr int kPercentDecimals = 2; // hsl() saturation and lightness
constexpr int kHslHueDecimals = 2;
constexpr int kOkDecimals = 5;
constexpr int kOkHueDecimals = 3;
