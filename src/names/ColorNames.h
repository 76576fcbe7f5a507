#pragma once
// The name nearest a colour: from CSS's named colours, or from the X Window System's larger
// list (rgb.txt). Nearest means the shortest straight line in Oklab, where equal steps look
// roughly equally large.

#include "pixels/Color.h"

#include <QString>

struct ColorName {
    QString name;
    bool exact = false; // the colour is the name's own value
};

// One of CSS Color 4's 148 keywords. Where two keywords share a value, the older one is given:
// "gray" (never "grey"), "aqua" (not "cyan"), "fuchsia" (not "magenta").
ColorName NearestCssName(Color c);
// A name of X11's rgb.txt, spelt as the file spells it; where several share a value, the first
// the file lists ("black" rather than "gray0", "tomato" rather than "tomato1").
ColorName NearestX11Name(Color c);

// The name, with "≈ " before it when the colour is only near it.
QString NameText(const ColorName& name);
