#pragma once
// The colour the read-out shows: one pixel, or the square of pixels around it averaged.

#include "readout/ColorCodes.h"

#include <algorithm>
#include <cstdint>

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

// The radius range of the averaging scroll bar. The read-out never samples a larger square, so a
// radius set out of range by code costs at most 121 reads.
constexpr int kMinRadius = 0;
constexpr int kMaxRadius = 5;

// Each channel's average rounded to the nearest integer (halves up); -1, the value of a point
// outside, when there is no sample.
inline ColorValue AverageOf(const ChannelSums& s) {
    if (s.count == 0) {
        return -1;
    }
    const auto avg = [&s](std::int64_t sum) {
        return static_cast<ColorValue>((2 * sum + s.count) / (2 * s.count));
    };
    return avg(s.red) | (avg(s.green) << 8) | (avg(s.blue) << 16);
}

// The read-out's colour at (x, y) of a surface offering Point(x, y) and SumSquare(x, y, n): the
// one point at radius 0, otherwise the square averaged channel by channel over its samples inside
// the drawing area (-1 when none is).
template <typename Surface>
ColorValue ReadoutColor(const Surface& surface, float x, float y, int radius) {
    const int n = std::clamp(radius, kMinRadius, kMaxRadius);
    return n == 0 ? surface.Point(x, y) : AverageOf(surface.SumSquare(x, y, n));
}
