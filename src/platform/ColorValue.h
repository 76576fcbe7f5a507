#pragma once
// Colour values as the program keeps them: a signed 32-bit integer laid out 0x00BBGGRR, with -1
// for a point outside the picture; and their conversions to and from Qt's colours.

#include <QColor>
#include <cstdint>

using ColorValue = std::int32_t;

inline ColorValue ColorValueOf(const QColor& color) {
    return static_cast<ColorValue>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

// The low 24 bits as an opaque colour.
inline QColor QColorOf(ColorValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Channel sums over a number of samples.
struct ChannelSums {
    std::int64_t red = 0;
    std::int64_t green = 0;
    std::int64_t blue = 0;
    std::int64_t count = 0;

    void add(ColorValue c, std::int64_t times = 1) {
        red += times * (c & 0xFF);
        green += times * ((c >> 8) & 0xFF);
        blue += times * ((c >> 16) & 0xFF);
        count += times;
    }
};
