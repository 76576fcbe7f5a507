#include "pixels/Color.h"

#include <cmath>

double LinearChannel(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
