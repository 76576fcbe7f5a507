#pragma once
// The colour the read-out shows: one pixel, or the square of pixels around it averaged.

#include "color/ColorCodes.h"

#include <algorithm>

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
