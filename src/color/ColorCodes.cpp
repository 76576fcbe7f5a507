#include "color/ColorCodes.h"

QString ColorToWeb(ColorValue c) {
    // Hex text of the 32-bit pattern, padded to six digits; then the outer pairs swap places.
    QString hex = QString::number(static_cast<std::uint32_t>(c), 16).toUpper();
    if (hex.size() < 6) {
        hex = hex.rightJustified(6, QLatin1Char('0'));
    }
    return hex.right(2) + hex.mid(2, 2) + hex.left(2);
}

QString WebCode(ColorValue c) {
    return QLatin1Char('#') + ColorToWeb(c);
}

QString NumberText(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

Channels ChannelsOfCode(const QString& code) {
    Channels ch;
    ch.red = code.mid(0, 2).toInt(nullptr, 16);
    ch.green = code.mid(2, 2).toInt(nullptr, 16);
    ch.blue = code.mid(4, 2).toInt(nullptr, 16);
    return ch;
}
