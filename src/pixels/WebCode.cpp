#include "pixels/WebCode.h"

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

int HexDigit(QChar ch) {
    const char16_t u = ch.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}
} // namespace

QString ColorToWeb(ColorValue c) {
    if (c >= 0 && c <= 0xFFFFFF) {
        // A real colour: its channels' digit pairs, red first.
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
    if (c >= 0 && c <= 0xFFFFFF) {
        // Built whole: lists write one code per row, thousands at a time.
        const char code[] = {'#',
                             kDigits[(c >> 4) & 15],
                             kDigits[c & 15],
                             kDigits[(c >> 12) & 15],
                             kDigits[(c >> 8) & 15],
                             kDigits[(c >> 20) & 15],
                             kDigits[(c >> 16) & 15]};
        return QString::fromLatin1(code, sizeof code);
    }
    return QLatin1Char('#') + ColorToWeb(c);
}

QString WebCode(Color c) {
    return WebCode(c.value());
}

std::optional<Color> ParseWebCode(QStringView text) {
    if (text.size() != 7 || text.front() != QLatin1Char('#')) {
        return std::nullopt;
    }
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        // Only ASCII hex digits: no sign, no blanks, no other script's digits.
        const int high = HexDigit(text[1 + 2 * i]);
        const int low = HexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        channels[i] = high * 16 + low;
    }
    return Color(channels[0], channels[1], channels[2]);
}
