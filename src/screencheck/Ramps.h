#pragma once
// The gamma ramps the display hardware puts every pixel through (X11's per CRTC; a night light
// sets them too): whether they leave the pixels as they are, and what they make of white.

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

struct GammaRamps {
    // One entry per input level, 0 to 65535, the same number for each channel.
    QList<quint16> red, green, blue;
};

struct RampSummary {
    bool known = false; // the ramps could be read
    bool identity = true;
    int size = 0;
    // The ramps' top values (0 to 1 of full output).
    double topRed = 1, topGreen = 1, topBlue = 1;
    // The white the ramps give: the top values applied to D65 white, as CIEDE2000 from D65.
    double whiteDeltaE = 0;
    // The middle grey's colour through the ramps, as CIEDE2000 from the same grey untouched.
    double greyDeltaE = 0;
};

// The ramps, nothing where they are not known. An entry counts as the identity within a
// sixth of an 8-bit step: what rounding the levels to 16 bits leaves.
RampSummary SummarizeRamps(const std::optional<GammaRamps>& ramps);
