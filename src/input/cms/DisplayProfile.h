#pragma once
// What a monitor's colour profile says of the monitor: its name, and where its red, green, blue
// and white lie, for comparing them with sRGB's.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// CIE XYZ, Y of 0 to 1.
using XyzValue = std::array<double, 3>;

struct DisplayColorants {
    QString description;
    // The primaries as a relative colorimetric transform places them, adapted to D50 as every
    // profile connects: the same adaptation for sRGB's own, so the two compare directly.
    XyzValue red{}, green{}, blue{};
    // The monitor's own white, before any adaptation (Y = 1): the chromatic adaptation tag
    // undone where the profile has one, else its media white point.
    XyzValue white{};
};

// Nothing when the bytes are no RGB profile or lcms2 is missing.
std::optional<DisplayColorants> ColorantsOf(const QByteArray& icc);
// lcms2's sRGB read the same way; nothing without lcms2.
std::optional<DisplayColorants> SrgbColorants();
