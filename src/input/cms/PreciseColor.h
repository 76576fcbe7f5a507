#pragma once
// One colour at full precision through a picture's profile: the exact sRGB value a stored colour
// stands for, before it is clipped and rounded to be shown, and the CSS space a profile is.

#include "input/cms/ColorProfile.h"

#include <QString>
#include <array>
#include <optional>

// The sRGB value (0 to 1 a channel, unrounded) of stored values given as fractions of full
// strength: the profile applied in floating point with the relative colorimetric intent, as
// pictures are shown, and nothing clipped, so channels beyond 0 to 1 are colours sRGB cannot
// show. A picture without a profile is in sRGB: its values come back as they are. Nothing when
// the profile cannot be used or lcms2 is missing.
std::optional<std::array<double, 3>> PreciseSrgb(const ColorProfile& profile,
                                                 const std::array<double, 3>& fractions);

// CSS Color 4's name of the profile's space where it is one of "srgb" (no profile, or sRGB under
// any name), "display-p3" or "rec2020"; empty for any other profile.
QString CssSpaceOf(const ColorProfile& profile);
