#include "input/cms/ColourProfile.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct Primaries {
    int code;
    StatedColours colours;
};

constexpr double kD65x = 0.3127;
constexpr double kD65y = 0.3290;

// H.273 colour primaries that pictures use, with the names people know them by.
const Primaries kPrimaries[] = {
    {1, {0.640, 0.330, 0.300, 0.600, 0.150, 0.060, kD65x, kD65y, {}, 1, "sRGB"}},
    {4, {0.670, 0.330, 0.210, 0.710, 0.140, 0.080, 0.310, 0.316, {}, 1, "BT.470 M"}},
    {5, {0.640, 0.330, 0.290, 0.600, 0.150, 0.060, kD65x, kD65y, {}, 1, "BT.601 625"}},
    {6, {0.630, 0.340, 0.310, 0.595, 0.155, 0.070, kD65x, kD65y, {}, 1, "BT.601 525"}},
    {7, {0.630, 0.340, 0.310, 0.595, 0.155, 0.070, kD65x, kD65y, {}, 1, "SMPTE 240M"}},
    {9, {0.708, 0.292, 0.170, 0.797, 0.131, 0.046, kD65x, kD65y, {}, 1, "BT.2020"}},
    {11, {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.314, 0.351, {}, 1, "DCI-P3"}},
    {12, {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, kD65x, kD65y, {}, 1, "Display P3"}},
    {22, {0.630, 0.340, 0.295, 0.605, 0.155, 0.077, kD65x, kD65y, {}, 1, "EBU 3213"}},
};

QString Tr(const char* text) {
    return QCoreApplication::translate("ColourProfile", text);
}

ColourProfile Unusable(const QString& why) {
    ColourProfile profile;
    profile.unusable = why;
    return profile;
}

bool Near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

} // namespace

ColourProfile ProfileFromCodePoints(int primaries, int transfer) {
    if (primaries == 2) { // unspecified
        primaries = 1;
    }
    const Primaries* found = nullptr;
    for (const Primaries& p : kPrimaries) {
        if (p.code == primaries) {
            found = &p;
        }
    }
    if (found == nullptr) {
        return Unusable(Tr("colour primaries %1 are not supported").arg(primaries));
    }
    StatedColours colours = found->colours;
    switch (transfer) {
    case 2:  // unspecified
    case 13: // IEC 61966-2-1
        colours.curve = TransferCurve::Srgb;
        break;
    case 1:
    case 6:
    case 14:
    case 15:
        colours.curve = TransferCurve::Bt709;
        colours.name += QLatin1String(", BT.709 curve");
        break;
    case 4:
        colours.curve = TransferCurve::Gamma;
        colours.gamma = 2.2;
        colours.name += QLatin1String(", gamma 2.2");
        break;
    case 5:
        colours.curve = TransferCurve::Gamma;
        colours.gamma = 2.8;
        colours.name += QLatin1String(", gamma 2.8");
        break;
    case 8:
        colours.curve = TransferCurve::Linear;
        colours.name += QLatin1String(", linear");
        break;
    case 16:
    case 18:
        return Unusable(Tr("HDR transfer curves are not supported"));
    default:
        return Unusable(Tr("transfer characteristics %1 are not supported").arg(transfer));
    }
    if (found->code == 1 && colours.curve == TransferCurve::Srgb) {
        return {};
    }
    ColourProfile profile;
    profile.stated = colours;
    return profile;
}

ColourProfile ProfileFromPngChunks(quint32 gamma, const quint32* chromaticities) {
    StatedColours colours = kPrimaries[0].colours;
    if (chromaticities != nullptr) {
        const auto v = [chromaticities](int i) { return chromaticities[i] / 100000.0; };
        colours = {v(2), v(3), v(4), v(5), v(6), v(7), v(0), v(1), {}, 1, {}};
        if (colours.whiteY <= 0 || colours.redY <= 0 || colours.greenY <= 0 || colours.blueY <= 0) {
            return Unusable(Tr("the PNG's chromaticities are damaged"));
        }
    }
    const StatedColours& srgb = kPrimaries[0].colours;
    const bool srgbPrimaries =
        Near(colours.redX, srgb.redX, 0.01) && Near(colours.redY, srgb.redY, 0.01) &&
        Near(colours.greenX, srgb.greenX, 0.01) && Near(colours.greenY, srgb.greenY, 0.01) &&
        Near(colours.blueX, srgb.blueX, 0.01) && Near(colours.blueY, srgb.blueY, 0.01) &&
        Near(colours.whiteX, srgb.whiteX, 0.01) && Near(colours.whiteY, srgb.whiteY, 0.01);
    // A file gamma of 1/2.2 with sRGB's primaries is how writers say "sRGB" without the sRGB
    // chunk. With other primaries the gamma is the pure power it states; without one, the
    // primaries are taken with sRGB's curve.
    if (srgbPrimaries && (gamma == 0 || Near(gamma / 100000.0, 1 / 2.2, 0.005))) {
        return {};
    }
    colours.name = srgbPrimaries ? QStringLiteral("sRGB primaries") : Tr("PNG chromaticities");
    if (gamma == 0) {
        colours.curve = TransferCurve::Srgb;
    } else {
        colours.curve = TransferCurve::Gamma;
        colours.gamma = 100000.0 / gamma;
        colours.name += QStringLiteral(", gamma %1").arg(colours.gamma, 0, 'g', 3);
    }
    ColourProfile profile;
    profile.stated = colours;
    return profile;
}
