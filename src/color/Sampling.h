#pragma once
// Averaging of the square of pixels around a point, as the read-out shows it.

#include "color/ColorCodes.h"

#include <algorithm>
#include <cstdint>

// The radius range of the averaging scroll bar. The read-out never samples a larger square, so a
// radius set out of range by code costs at most 121 reads.
constexpr int kMinRadius = 0;
constexpr int kMaxRadius = 5;

// Channel sums over the samples of a square that lie inside the drawing area.
struct ChannelSums {
    std::int64_t red = 0;
    std::int64_t green = 0;
    std::int64_t blue = 0;
    std::int64_t count = 0;

    void add(ColorValue c) {
        red += c & 0xFF;
        green += (c >> 8) & 0xFF;
        blue += (c >> 16) & 0xFF;
        ++count;
    }
};

// Each channel's average rounded to the nearest integer (halves up); -1, the value of a point
// outside, when no sample lies inside.
inline ColorValue AverageOf(const ChannelSums& s) {
    if (s.count == 0) {
        return -1;
    }
    const auto avg = [&s](std::int64_t sum) {
        return static_cast<ColorValue>((2 * sum + s.count) / (2 * s.count));
    };
    return avg(s.red) | (avg(s.green) << 8) | (avg(s.blue) << 16);
}

// Sums the (2n+1)^2 square centred on (x, y) one sample at a time; pointAt(x, y) is any callable
// answering a colour value for float picture coordinates, and -1 outside the drawing area.
template <typename PointAt>
ChannelSums SumSquare(const PointAt& pointAt, float x, float y, int radius) {
    const int n = std::clamp(radius, kMinRadius, kMaxRadius);
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

// The read-out's colour: the one point at radius 0, otherwise the square averaged channel by
// channel over the samples inside the drawing area.
template <typename PointAt>
ColorValue AverageSquare(const PointAt& pointAt, float x, float y, int radius) {
    if (std::clamp(radius, kMinRadius, kMaxRadius) == 0) {
        return pointAt(x, y);
    }
    return AverageOf(SumSquare(pointAt, x, y, radius));
}
