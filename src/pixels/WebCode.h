#pragma once
// Web codes, both ways: "#RRGGBB" in uppercase from a colour, and a colour from "#RRGGBB" in
// either case. The read-out, the list, the list files and the notations all use these.

#include "pixels/Color.h"

#include <QString>
#include <QStringView>
#include <optional>

// Six uppercase hex digits RRGGBB. Values outside 0..0xFFFFFF are taken by the same digit
// positions of their 32-bit hex text, so the result always has six characters: -1 gives FFFFFF.
QString ColorToWeb(ColorValue c);

// "#" followed by the colour code.
QString WebCode(Color c);
QString WebCode(ColorValue c);

// The colour of a "#RRGGBB" code in either case; nothing for any other text.
std::optional<Color> ParseWebCode(QStringView text);
