#include "input/cms/DisplayProfile.h"

#include "input/cms/Lcms.h"

namespace {
std::optional<DisplayColorants> Read(const Lcms& lcms, cmsHPROFILE profile) {
    if (profile == nullptr) {
        return std::nullopt;
    }
    std::optional<DisplayColorants> read;
    cmsHPROFILE xyz = lcms.cmsCreateXYZProfile();
    cmsHTRANSFORM transform =
        lcms.cmsGetColorSpace(profile) == cmsSigRgbData && xyz != nullptr
            ? lcms.cmsCreateTransform(profile, TYPE_RGB_DBL, xyz, TYPE_XYZ_DBL,
                                      INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE)
            : nullptr;
    if (transform != nullptr) {
        const double in[4][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1}};
        double out[4][3] = {};
        lcms.cmsDoTransform(transform, in, out, 4);
        DisplayColorants c;
        c.description = Description(lcms, profile);
        c.red = {out[0][0], out[0][1], out[0][2]};
        c.green = {out[1][0], out[1][1], out[1][2]};
        c.blue = {out[2][0], out[2][1], out[2][2]};
        // The connection white, which the adaptation tag maps the monitor's white to.
        XyzValue white = {out[3][0], out[3][1], out[3][2]};
        if (const auto* chad = static_cast<const cmsMAT3*>(
                lcms.cmsIsTag(profile, cmsSigChromaticAdaptationTag)
                    ? lcms.cmsReadTag(profile, cmsSigChromaticAdaptationTag)
                    : nullptr);
            chad != nullptr) {
            cmsMAT3 inverse;
            if (lcms._cmsMAT3inverse(chad, &inverse)) {
                for (int row = 0; row < 3; ++row) {
                    const cmsVEC3& v = inverse.v[row];
                    white[size_t(row)] =
                        v.n[0] * out[3][0] + v.n[1] * out[3][1] + v.n[2] * out[3][2];
                }
            }
        } else if (const auto* wtpt = static_cast<const cmsCIEXYZ*>(
                       lcms.cmsIsTag(profile, cmsSigMediaWhitePointTag)
                           ? lcms.cmsReadTag(profile, cmsSigMediaWhitePointTag)
                           : nullptr)) {
            white = {wtpt->X, wtpt->Y, wtpt->Z};
        }
        if (white[1] > 0) {
            c.white = {white[0] / white[1], 1.0, white[2] / white[1]};
            read = c;
        }
        lcms.cmsDeleteTransform(transform);
    }
    if (xyz != nullptr) {
        lcms.cmsCloseProfile(xyz);
    }
    lcms.cmsCloseProfile(profile);
    return read;
}
} // namespace

std::optional<DisplayColorants> ColorantsOf(const QByteArray& icc) {
    const Lcms& lcms = Lcms::get();
    if (!lcms.loaded || !lcms.readsQuickForm || icc.isEmpty()) {
        return std::nullopt;
    }
    return Read(lcms, lcms.cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size())));
}

std::optional<DisplayColorants> SrgbColorants() {
    const Lcms& lcms = Lcms::get();
    if (!lcms.loaded || !lcms.readsQuickForm) {
        return std::nullopt;
    }
    return Read(lcms, lcms.cmsCreate_sRGBProfile());
}
