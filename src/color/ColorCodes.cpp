#include "color/ColorCodes.h"

QString ColorToWeb(ColorValue c) {
    if (c >= 0 && c <= 0xFFFFFF) {
        // A real colour: its channels' digit pairs, red first.
        static constexpr char kDigits[] = "0123456789ABCDEF";
        const char code[] = {kDigits[(c >> 4) & 15],  kDigits[c & 15],
                             kDigits[(c >> 12) & 15], kDigits[(c >> 8) & 15],
                             kDigits[(c >> 20) & 15], kDigits[(c >> 16) & 15]};
        return QString::fromLatin1(code, sizeof code);
    }
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
