#include "screencheck/ProfileSummary.h"

#include "input/cms/DisplayProfile.h"
#include "pixels/Perceptual.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cmath>

namespace {
double LabChannel(double t) {
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116;
}

// CIELAB of XYZ under the given reference white.
LabValue LabOf(const XyzValue& xyz, const XyzValue& white) {
    const double fx = LabChannel(xyz[0] / white[0]);
    const double fy = LabChannel(xyz[1] / white[1]);
    const double fz = LabChannel(xyz[2] / white[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

constexpr XyzValue kD50 = {0.9642, 1.0, 0.8249};
constexpr XyzValue kD65 = {0.95047, 1.0, 1.08883};
} // namespace

double ProfileSummary::largest() const {
    return std::max({red, green, blue, white});
}

ProfileSummary SummarizeProfile(const QByteArray& icc) {
    ProfileSummary summary;
    if (icc.isEmpty()) {
        return summary;
    }
    summary.present = true;
    summary.bytes = icc.size();
    summary.hash = QString::fromLatin1(
        QCryptographicHash::hash(icc, QCryptographicHash::Sha256).toHex().left(12));
    const std::optional<DisplayColorants> profile = ColorantsOf(icc);
    const std::optional<DisplayColorants> srgb = SrgbColorants();
    if (!profile || !srgb) {
        return summary;
    }
    summary.readable = true;
    summary.description = profile->description;
    const auto apart = [](const XyzValue& a, const XyzValue& b) {
        return DeltaE2000(LabOf(a, kD50), LabOf(b, kD50));
    };
    summary.red = apart(profile->red, srgb->red);
    summary.green = apart(profile->green, srgb->green);
    summary.blue = apart(profile->blue, srgb->blue);
    summary.white = DeltaE2000(LabOf(profile->white, kD65), LabOf(kD65, kD65));
    return summary;
}
