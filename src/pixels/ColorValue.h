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

// Sums the (2n+1)^2 square centred on (x, y) one sample at a time, leaving out the samples that
// lie outside the drawing area; pointAt(x, y) answers a colour value, -1 outside.
template <typename PointAt>
ChannelSums SumSquareByPoint(const PointAt& pointAt, float x, float y, int n) {
    ChannelSums sums;
    for (int i = -n; i <= n; ++i) {
        for (int k = -n; k <= n; ++k) {
            const ColorValue c = pointAt(x + static_cast<float>(i), y + static_cast<float>(k));
            if (c >= 0) {
                sums.add(c);
            }
        }
    }
    return sums;
}
