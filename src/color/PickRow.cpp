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
    const QChar tab(QLatin1Char('\t'));
    row.text = WebCode(c) + tab + WebCode(inverse) + tab + NumberText(channels.red) + tab +
               NumberText(channels.green) + tab + NumberText(channels.blue) + tab;
    row.webColorBack = Background(c);
    row.webColorText = inverse;
    row.webBackBack = Background(inverse);
    row.webBackText = c;
    return row;
}
