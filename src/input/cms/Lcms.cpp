#include "input/cms/Lcms.h"

QString Description(const Lcms& lcms, cmsHPROFILE profile) {
    char text[256] = {};
    if (lcms.cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text, sizeof text) ==
        0) {
        return QString();
    }
    return QString::fromLatin1(text).trimmed();
}

namespace {
cmsHPROFILE ProfileOf(const Lcms& lcms, const StatedColors& s) {
    const cmsCIExyY white = {s.whiteX, s.whiteY, 1.0};
    const cmsCIExyYTRIPLE primaries = {
        {s.redX, s.redY, 1.0}, {s.greenX, s.greenY, 1.0}, {s.blueX, s.blueY, 1.0}};
    cmsToneCurve* curve = nullptr;
    switch (s.curve) {
    case TransferCurve::Srgb: {
        const double p[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
        curve = lcms.cmsBuildParametricToneCurve(nullptr, 4, p);
        break;
    }
    case TransferCurve::Bt709: {
        const double p[] = {1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081};
        curve = lcms.cmsBuildParametricToneCurve(nullptr, 4, p);
        break;
    }
    case TransferCurve::Gamma:
        curve = lcms.cmsBuildGamma(nullptr, s.gamma);
        break;
    case TransferCurve::Linear:
        curve = lcms.cmsBuildGamma(nullptr, 1.0);
        break;
    }
    if (curve == nullptr) {
        return nullptr;
    }
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = lcms.cmsCreateRGBProfile(&white, &primaries, curves);
    lcms.cmsFreeToneCurve(curve);
    return profile;
}
} // namespace

cmsHPROFILE OpenProfile(const Lcms& lcms, const ColorProfile& profile) {
    return profile.stated ? ProfileOf(lcms, *profile.stated)
                          : lcms.cmsOpenProfileFromMem(profile.icc.constData(),
                                                       cmsUInt32Number(profile.icc.size()));
}
