#include "color/PickRow.h"

#include "color/ColorCodes.h"

namespace {
ColorValue Background(ColorValue c) {
    return c == 0 ? kNearBlack : c;
}
} // namespace

PickRow RowForPick(ColorValue c) {
    PickRow row;
    row.code = ColorToWeb(c);
    const Channels channels = ChannelsOfCode(row.code);
    const ColorValue inverse = InverseColor(c);
    // Appended in place: an opened palette makes thousands of rows at once.
    const QChar tab(QLatin1Char('\t'));
    row.text.reserve(32);
    for (const QString& cell : {WebCode(c), WebCode(inverse), NumberText(channels.red),
                                NumberText(channels.green), NumberText(channels.blue)}) {
        row.text += cell;
        row.text += tab;
    }
    row.webColorBack = Background(c);
    row.webColorText = inverse;
    row.webBackBack = Background(inverse);
    row.webBackText = c;
    return row;
}
