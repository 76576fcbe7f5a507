#pragma once
// lcms2's functions, found when the first profiled picture or exact value needs them: pictures
// without a profile never load the library. For this folder's own files only.

#include "input/cms/ColorProfile.h"
#include "pixels/OptionalLibrary.h"

#include <QString>

#include <lcms2.h>
#include <lcms2_plugin.h> // the 3×3 matrix arithmetic lcms2 uses in its own transforms

struct Lcms {
    decltype(&::cmsOpenProfileFromMem) cmsOpenProfileFromMem = nullptr;
    decltype(&::cmsCreate_sRGBProfile) cmsCreate_sRGBProfile = nullptr;
    decltype(&::cmsCreateRGBProfile) cmsCreateRGBProfile = nullptr;
    decltype(&::cmsCreateXYZProfile) cmsCreateXYZProfile = nullptr;
    decltype(&::cmsBuildGamma) cmsBuildGamma = nullptr;
    decltype(&::cmsBuildParametricToneCurve) cmsBuildParametricToneCurve = nullptr;
    decltype(&::cmsFreeToneCurve) cmsFreeToneCurve = nullptr;
    decltype(&::cmsCloseProfile) cmsCloseProfile = nullptr;
    // The signature as the profile's header gives it: any four bytes, so a number, not the enum.
    cmsUInt32Number (*cmsGetColorSpace)(cmsHPROFILE) = nullptr;
    decltype(&::cmsGetProfileInfoASCII) cmsGetProfileInfoASCII = nullptr;
    decltype(&::cmsCreateTransform) cmsCreateTransform = nullptr;
    decltype(&::cmsDeleteTransform) cmsDeleteTransform = nullptr;
    decltype(&::cmsDoTransformLineStride) cmsDoTransformLineStride = nullptr;
    decltype(&::cmsDoTransform) cmsDoTransform = nullptr;
    decltype(&::cmsIsMatrixShaper) cmsIsMatrixShaper = nullptr;
    // What the exact form of a matrix-and-curves profile is read from.
    cmsUInt32Number (*cmsGetPCS)(cmsHPROFILE) = nullptr;
    cmsUInt32Number (*cmsGetDeviceClass)(cmsHPROFILE) = nullptr;
    decltype(&::cmsIsTag) cmsIsTag = nullptr;
    decltype(&::cmsReadTag) cmsReadTag = nullptr;
    decltype(&::cmsReverseToneCurve) cmsReverseToneCurve = nullptr;
    decltype(&::cmsEvalToneCurveFloat) cmsEvalToneCurveFloat = nullptr;
    decltype(&::_cmsMAT3inverse) _cmsMAT3inverse = nullptr;
    decltype(&::_cmsMAT3per) _cmsMAT3per = nullptr;
    decltype(&::_cmsMAT3isIdentity) _cmsMAT3isIdentity = nullptr;
    bool loaded = false;
    // Whether the functions the quick form is read with are there too (lcms2's plugin API); without
    // them lcms2 converts every picture itself.
    bool readsQuickForm = false;

    // Loaded once; loaded is false when the library or one of its functions is missing.
    static const Lcms& get() {
        static const Lcms lcms = load();
        return lcms;
    }

private:
    static Lcms load() {
        Lcms l;
        const OptionalLibrary lib("liblcms2.so.2");
#define HUEMARK_BIND(name) HUEMARK_FIND(lib, l, name)
        l.loaded = HUEMARK_BIND(cmsOpenProfileFromMem) && HUEMARK_BIND(cmsCreate_sRGBProfile) &&
                   HUEMARK_BIND(cmsCreateRGBProfile) && HUEMARK_BIND(cmsCreateXYZProfile) &&
                   HUEMARK_BIND(cmsBuildGamma) && HUEMARK_BIND(cmsBuildParametricToneCurve) &&
                   HUEMARK_BIND(cmsFreeToneCurve) && HUEMARK_BIND(cmsCloseProfile) &&
                   HUEMARK_BIND(cmsGetColorSpace) && HUEMARK_BIND(cmsGetProfileInfoASCII) &&
                   HUEMARK_BIND(cmsCreateTransform) && HUEMARK_BIND(cmsDeleteTransform) &&
                   HUEMARK_BIND(cmsDoTransformLineStride) && HUEMARK_BIND(cmsDoTransform) &&
                   HUEMARK_BIND(cmsIsMatrixShaper);
        l.readsQuickForm = HUEMARK_BIND(cmsGetPCS) && HUEMARK_BIND(cmsGetDeviceClass) &&
                           HUEMARK_BIND(cmsIsTag) && HUEMARK_BIND(cmsReadTag) &&
                           HUEMARK_BIND(cmsReverseToneCurve) &&
                           HUEMARK_BIND(cmsEvalToneCurveFloat) && HUEMARK_BIND(_cmsMAT3inverse) &&
                           HUEMARK_BIND(_cmsMAT3per) && HUEMARK_BIND(_cmsMAT3isIdentity);
#undef HUEMARK_BIND
        return l;
    }
};

// The profile's own description ("Display P3"); empty when it has none.
QString Description(const Lcms& lcms, cmsHPROFILE profile);

// The picture's profile opened in lcms2: its ICC bytes, or one made from the stated primaries,
// white and curve. Null when the bytes are not a profile; the caller closes it.
cmsHPROFILE OpenProfile(const Lcms& lcms, const ColorProfile& profile);
