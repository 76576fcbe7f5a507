#include "palette/Swatch.h"

#include <cmath>

QString WebCodeOf(Rgb c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const char code[] = {'#',
                         kDigits[(c.red >> 4) & 15],
                         kDigits[c.red & 15],
                         kDigits[(c.green >> 4) & 15],
                         kDigits[c.green & 15],
                         kDigits[(c.blue >> 4) & 15],
                         kDigits[c.blue & 15]};
    return QString::fromLatin1(code, sizeof code);
}

std::optional<Rgb> ParseWebCode(QStringView text) {
    if (text.size() != 7 || text.front() != QLatin1Char('#')) {
        return std::nullopt;
    }
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const QStringView pair = text.mid(1 + 2 * i, 2);
        // toInt would take a sign or blanks; a code has ASCII hex digits only.
        for (QChar ch : pair) {
            if (!QStringView(u"0123456789abcdefABCDEF").contains(ch)) {
                return std::nullopt;
            }
        }
        channels[i] = pair.toInt(&ok, 16);
        if (!ok) {
            return std::nullopt;
        }
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

double LinearChannel(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
