#pragma once
// The row a pick adds to the list, and the colours of its first two cells.

#include "pixels/ColorValue.h"

#include <QString>

// A cell background of 0 means "the list's default": a picked black is kept visible as this.
constexpr ColorValue kNearBlack = 0x010101;

struct PickRow {
    QString code; // the picked colour's code, without "#": the tag's label
    QString text; // the six cells joined by tabs, the empty Description last
    ColorValue webColorBack = 0, webColorText = 0; // cell 0: the colour, in its inverse
    ColorValue webBackBack = 0, webBackText = 0;   // cell 1: the inverse, in the colour
};

// The row for a pick of colour value c (a real colour: 0 to 0xFFFFFF).
PickRow RowForPick(ColorValue c);
