#include "input/cms/ColorProfile.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct Primaries {
    int code;
    StatedColors colors;
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

ColorProfile Unusable(const QString& why) {
    ColorProfile profile;
    profile.unusable = why;
    return profile;
}

// A stated profile's name: its primaries', then its transfer curve's.
QString WithGamma(const QString& primaries, double gamma) {
    //: A colour profile's name. %1: the primaries' name ("Display P3", "sRGB primaries"); %2: the
    //: curve's gamma ("2.2").
    return QCoreApplication::translate("ColorProfile", "%1, gamma %2")
        .arg(primaries, QStringLiteral("%1").arg(gamma, 0, 'g', 3));
}

bool Near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

} // namespace

ColorProfile ProfileFromCodePoints(int primaries, int transfer) {
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
        //: Why a picture's colour profile cannot be used. %1: the code number of the primaries.
        return Unusable(
            QCoreApplication::translate("ColorProfile", "colour primaries %1 are not supported")
                .arg(primaries));
    }
    StatedColors colors = found->colors;
    switch (transfer) {
    case 2:  // unspecified
    case 13: // IEC 61966-2-1
        colors.curve = TransferCurve::Srgb;
        break;
    case 1:
    case 6:
    case 14:
    case 15:
        colors.curve = TransferCurve::Bt709;
        //: A colour profile's name. %1: the primaries' name ("Display P3").
        colors.name =
            QCoreApplication::translate("ColorProfile", "%1, BT.709 curve").arg(colors.name);
        break;
    case 4:
        colors.curve = TransferCurve::Gamma;
        colors.gamma = 2.2;
        colors.name = WithGamma(colors.name, colors.gamma);
        break;
    case 5:
        colors.curve = TransferCurve::Gamma;
        colors.gamma = 2.8;
        colors.name = WithGamma(colors.name, colors.gamma);
        break;
    case 8:
        colors.curve = TransferCurve::Linear;
        //: A colour profile's name, for linear light. %1: the primaries' name ("Display P3").
        colors.name = QCoreApplication::translate("ColorProfile", "%1, linear").arg(colors.name);
        break;
    case 16:
    case 18:
        return Unusable(
            QCoreApplication::translate("ColorProfile", "HDR transfer curves are not supported"));
    default:
        //: Why a picture's colour profile cannot be used. %1: the code number of the transfer
        //: characteristics.
        return Unusable(QCoreApplication::translate("ColorProfile",
                                                    "transfer characteristics %1 are not supported")
                            .arg(transfer));
    }
    if (found->code == 1 && colors.curve == TransferCurve::Srgb) {
        return {};
    }
    ColorProfile profile;
    profile.stated = colors;
    return profile;
}

ColorProfile ProfileFromPngChunks(quint32 gamma, const quint32* chromaticities) {
    StatedColors colors = kPrimaries[0].colors;
    if (chromaticities != nullptr) {
        const auto v = [chromaticities](int i) { return chromaticities[i] / 100000.0; };
        colors = {v(2), v(3), v(4), v(5), v(6), v(7), v(0), v(1), {}, 1, {}};
        if (colors.whiteY <= 0 || colors.redY <= 0 || colors.greenY <= 0 || colors.blueY <= 0) {
            return Unusable(QCoreApplication::translate("ColorProfile",
                                                        "the PNG's chromaticities are damaged"));
        }
    }
    const StatedColors& srgb = kPrimaries[0].colors;
    const bool srgbPrimaries =
        Near(colors.redX, srgb.redX, 0.01) && Near(colors.redY, srgb.redY, 0.01) &&
        Near(colors.greenX, srgb.greenX, 0.01) && Near(colors.greenY, srgb.greenY, 0.01) &&
        Near(colors.blueX, srgb.blueX, 0.01) && Near(colors.blueY, srgb.blueY, 0.01) &&
        Near(colors.whiteX, srgb.whiteX, 0.01) && Near(colors.whiteY, srgb.whiteY, 0.01);
    // A file gamma of 1/2.2 with sRGB's primaries is how writers say "sRGB" without the sRGB
    // chunk. With other primaries the gamma is the pure power it states; without one, the
    // primaries are taken with sRGB's curve.
    if (srgbPrimaries && (gamma == 0 || Near(gamma / 100000.0, 1 / 2.2, 0.005))) {
        return {};
    }
    if (srgbPrimaries) {
        //: A colour profile's name: a PNG's own primaries are those of sRGB.
        colors.name = QCoreApplication::translate("ColorProfile", "sRGB primaries");
    } else {
        //: A colour profile's name: the primaries a PNG states.
        colors.name = QCoreApplication::translate("ColorProfile", "PNG chromaticities");
    }
    if (gamma == 0) {
        colors.curve = TransferCurve::Srgb;
    } else {
        colors.curve = TransferCurve::Gamma;
        colors.gamma = 100000.0 / gamma;
        colors.name = WithGamma(colors.name, colors.gamma);
    }
    ColorProfile profile;
    profile.stated = colors;
    return profile;
}
