#include "screencheck/Ramps.h"

#include "pixels/Perceptual.h"

#include <algorithm>
#include <cmath>

namespace {
// The ramp's output at a fraction of its input range, 0 to 1, between its entries.
double Through(const QList<quint16>& ramp, double at) {
    const double place = at * double(ramp.size() - 1);
    const qsizetype below = std::clamp<qsizetype>(qsizetype(place), 0, ramp.size() - 1);
    const qsizetype above = std::min<qsizetype>(below + 1, ramp.size() - 1);
    const double t = place - double(below);
    return (ramp[below] * (1 - t) + ramp[above] * t) / 65535.0;
}
} // namespace

RampSummary SummarizeRamps(const std::optional<GammaRamps>& ramps) {
    RampSummary summary;
    if (!ramps || ramps->red.size() < 2 || ramps->green.size() != ramps->red.size() ||
        ramps->blue.size() != ramps->red.size()) {
        return summary;
    }
    summary.known = true;
    const qsizetype n = ramps->red.size();
    summary.size = int(n);
    for (const QList<quint16>* ramp : {&ramps->red, &ramps->green, &ramps->blue}) {
        for (qsizetype i = 0; i < n; ++i) {
            const double identity = double(i) * 65535.0 / double(n - 1);
            if (std::abs(double((*ramp)[i]) - identity) > 65535.0 / 255.0 / 6.0) {
                summary.identity = false;
            }
        }
    }
    summary.topRed = ramps->red.back() / 65535.0;
    summary.topGreen = ramps->green.back() / 65535.0;
    summary.topBlue = ramps->blue.back() / 65535.0;
    // The ramps work on the encoded values the monitor gets; its light follows the sRGB curve.
    const LabValue d65 = CielabOf({1, 1, 1});
    summary.whiteDeltaE =
        DeltaE2000(CielabOf({LinearOfEncoded(summary.topRed), LinearOfEncoded(summary.topGreen),
                             LinearOfEncoded(summary.topBlue)}),
                   d65);
    const double middle = 0.5;
    const double grey = LinearOfEncoded(middle);
    summary.greyDeltaE = DeltaE2000(CielabOf({LinearOfEncoded(Through(ramps->red, middle)),
                                              LinearOfEncoded(Through(ramps->green, middle)),
                                              LinearOfEncoded(Through(ramps->blue, middle))}),
                                    CielabOf({grey, grey, grey}));
    return summary;
}
