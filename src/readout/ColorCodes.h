#pragma once
// The texts of a pick's row made from colour values: the inverse colour and the channel numbers.
// Web codes themselves are the ground's (pixels/WebCode.h).

#include "pixels/WebCode.h"

#include <QString>

// The colour with its low 24 bits inverted; the top byte is kept, so -1 gives 0xFF000000.
constexpr ColorValue InverseColor(ColorValue c) {
    return c ^ 0xFFFFFF;
}

// A number written in decimal with one leading blank (" 255", " 0"); negatives get "-".
QString NumberText(int value);
