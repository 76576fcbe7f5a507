#pragma once
// The details line under the picture: where the pointer is, the value the file stores there at
// its precision, the profile, the colour shown, and whether showing it clipped the colour.

#include "pixels/Color.h"
#include "pixels/Perceptual.h"
#include "pixels/StoredValues.h"

#include <QPoint>
#include <QString>
#include <optional>

struct PointDetails {
    QPoint position; // the picture pixel
    std::optional<StoredColor> stored;
    QString profile;       // the profile's name; empty for a picture without one
    bool asStored = false; // the stored values are shown as they are, no profile applied
    Color shown;
    QString shownName; // the nearest colour name of the colour shown; empty for none
    std::optional<EncodedRgb> precise; // the exact sRGB value, where known
    // The colour shown as a simulated colour vision sees it, and that vision's name; none with
    // normal vision.
    std::optional<Color> seen;
    QString vision;
    // The row where the file ends early, when the pixels read reach it: no colour of the picture.
    std::optional<int> beyondEndAt;
    // For a file stored from the bottom up: the first row it holds, when the pixels read lie
    // above it.
    std::optional<int> beforeStartAt;
};

// "12, 40 · rgb16(65535 0 0) · Display P3 · shown #FF0000 red · clipped, ΔE2000 23.31"
// (and "· protanopia sees #918B00" while a colour vision is simulated)
QString DetailsText(const PointDetails& details);
