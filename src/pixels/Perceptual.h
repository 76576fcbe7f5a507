#pragma once
// Colours as the eye compares them: linear light, CIELAB and Oklab, and the CIEDE2000 difference.
// The sRGB primaries and the D65 white throughout.

#include "pixels/Color.h"

#include <array>

// Linear-light red, green and blue, 0 to 1 inside the sRGB gamut.
using LinearRgb = std::array<double, 3>;

struct LabValue {
    double l = 0;
    double a = 0;
    double b = 0;
};

LinearRgb LinearOf(Color c);
// A linear-light channel encoded with the sRGB curve again, as a code of 0 to 255 (not rounded;
// values outside 0 to 1 are clamped first).
double EncodedChannel(double linear);
// The colour of linear-light channels, each encoded and rounded to the nearest code.
Color ColorOfLinear(const LinearRgb& rgb);

LabValue OklabOf(const LinearRgb& rgb);
LinearRgb LinearOfOklab(const LabValue& lab);
// CIELAB (D65, L 0 to 100).
LabValue CielabOf(const LinearRgb& rgb);

// CIEDE2000 with kL = kC = kH = 1.
double DeltaE2000(const LabValue& first, const LabValue& second);

// An sRGB value of 0 to 1 a channel, unrounded, as an exact conversion gives it: channels below 0
// or above 1 are colours sRGB cannot show.
using EncodedRgb = std::array<double, 3>;

// Linear light of an encoded channel; beyond 0 to 1 the curve extends to both sides as CSS
// Color 4's extended sRGB does (mirrored below 0).
double LinearOfEncoded(double encoded);
// Whether a channel lies beyond 0 to 1 by more than a ten-thousandth, so that showing the colour
// clips it.
bool Clipped(const EncodedRgb& rgb);
// The CIEDE2000 between a colour and the colour it is shown as, clipped into 0 to 1; 0 inside.
// A colour with a channel that is not finite has no such figure: NaN.
double ClippingDifference(const EncodedRgb& rgb);
// Whether the colour is finite in linear light: a floating-point picture may store infinities and
// NaN, and a value too large for its light to be a double is no colour to measure either.
bool Finite(const EncodedRgb& rgb);
