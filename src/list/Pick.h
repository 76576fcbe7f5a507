#pragma once
// One colour of the list: the colour, its description, and where it came from.

#include "pixels/Color.h"
#include "pixels/Perceptual.h"
#include "pixels/StoredValues.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>

// Where a pick came from, as far as it is known.
struct PickOrigin {
    // What the colour was taken from: the picture's title (a file's path, "Pasted from
    // clipboard", "Screen capture"), or the list file it was opened from. Empty when unknown.
    QString source;
    // The picture pixel it was read at, and the radius of the square averaged there (0: the one
    // pixel); no position for a colour that was opened, not picked.
    std::optional<QPoint> position;
    int radius = 0;
    // The area whose mean or palette it is; empty for a pick of a point or its square.
    QRect area;
    // The colour profile the picture was shown through; empty for sRGB, none, or stored values.
    QString profile;
    // The value as the file stores it, at its precision (the mean of the square for a radius).
    std::optional<StoredColor> stored;
    // The exact sRGB value it stands for, unrounded and unclipped: channels beyond 0 to 1 were
    // clipped for the colour (Clipped, ClippingDifference).
    std::optional<EncodedRgb> precise;
    // The pixels read reach rows the file does not hold (it ends early): the colour is none of
    // the picture's.
    bool incomplete = false;
    friend bool operator==(const PickOrigin&, const PickOrigin&) = default;
};

struct Pick {
    Pick() = default;
    Pick(Color color, QString description, PickOrigin origin = {})
        : color(color), description(std::move(description)), origin(std::move(origin)) {}

    Color color;
    QString description; // empty when it has none
    PickOrigin origin;
    friend bool operator==(const Pick&, const Pick&) = default;
};
