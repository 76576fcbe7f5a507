#pragma once
// Colour values and the texts made from them. A colour value is a signed 32-bit integer laid out
// 0x00BBGGRR; -1 stands for a point outside the picture. Everything here is a pure function.

#include "pixels/ColorValue.h"

#include <QString>

// The colour with its low 24 bits inverted; the top byte is kept, so -1 gives 0xFF000000.
constexpr ColorValue InverseColor(ColorValue c) {
    return c ^ 0xFFFFFF;
}

// Six uppercase hex digits RRGGBB. Values outside 0..0xFFFFFF are taken by the same digit
// positions of their 32-bit hex text, so the result always has six characters.
QString ColorToWeb(ColorValue c);

// "#" followed by the colour code.
QString WebCode(ColorValue c);

// A number written in decimal with one leading blank (" 255", " 0"); negatives get "-".
QString NumberText(int value);

struct Channels {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The red, green and blue values read from the digit pairs of a colour code (not from the bits
// of the value, which differ for values outside 0..0xFFFFFF).
Channels ChannelsOfCode(const QString& code);
