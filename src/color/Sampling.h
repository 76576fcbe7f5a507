#pragma once
// Averaging of the square of pixels around a point, as the read-out shows it.

#include "color/ColorCodes.h"

#include <algorithm>
#include <cstdint>

// The radius range of the averaging scroll bar. The read-out never samples a larger square, so a
// radius set out of range by code costs at most 121 reads.
constexpr int kMinRadius = 0;
constexpr int kMaxRadius = 5;

// Averages the (2n+1)^2 square centred on (x, y), channel by channel, over the samples that lie
// inside the drawing area (pointAt answers -1 outside it); each channel is rounded to the nearest
// integer. With no sample inside, the result is -1, the value of a point outside.
// pointAt(x, y) is any callable answering a colour value for float picture coordinates.
template <typename PointAt>
ColorValue AverageSquare(const PointAt& pointAt, float x, float y, int radius) {
    const int n = std::clamp(radius, kMinRadius, kMaxRadius);
    if (n == 0) {
        return pointAt(x, y);
    }
    std::int64_t red = 0;
    std::int64_t green = 0;
    std::int64_t blue = 0;
    std::int64_t count = 0;
    for (int i = -n; i <= n; ++i) {
        for (int k = -n; k <= n; ++k) {
            const ColorValue c = pointAt(x + static_cast<float>(i), y + static_cast<float>(k));
            if (c < 0) {
                continue;
            }
            red += c & 0xFF;
            green += (c >> 8) & 0xFF;
            blue += (c >> 16) & 0xFF;
            ++count;
        }
    }
    if (count == 0) {
        return -1;
    }
    // Round half up; with integer sums this is exact.
    const auto avg = [count](std::int64_t sum) {
        return static_cast<ColorValue>((2 * sum + count) / (2 * count));
    };
    return avg(red) | (avg(green) << 8) | (avg(blue) << 16);
}
