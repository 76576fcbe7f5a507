#include "input/cms/PreciseColor.h"

#include "input/cms/Lcms.h"

#include <list>
#include <mutex>

namespace {

// A profile's floating-point way to sRGB, and which CSS space it is.
struct Precise {
    ColorProfile profile;
    cmsHTRANSFORM toSrgb = nullptr; // null when the profile cannot be used
    bool grey = false;
    QString space;
};

bool SameProfile(const ColorProfile& a, const ColorProfile& b) {
    return a.stated == b.stated && a.icc == b.icc && a.unusable == b.unusable;
}

ColorProfile Stated(double rx, double ry, double gx, double gy, double bx, double by,
                    TransferCurve curve) {
    ColorProfile p;
    p.stated = StatedColors{rx, ry, gx, gy, bx, by, 0.3127, 0.3290, curve, 1, QString()};
    return p;
}

// Whether the transform from a profile into a named space leaves every test colour where it was:
// then the profile is that space, whatever it calls itself.
bool IsSpace(const Lcms& lcms, cmsHPROFILE input, const ColorProfile& named) {
    cmsHPROFILE space = OpenProfile(lcms, named);
    if (space == nullptr) {
        return false;
    }
    cmsHTRANSFORM probe = lcms.cmsCreateTransform(input, TYPE_RGB_DBL, space, TYPE_RGB_DBL,
                                                  INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE);
    lcms.cmsCloseProfile(space);
    if (probe == nullptr) {
        return false;
    }
    // Each channel alone and together, dark and light: primaries and curves must both agree.
    // The slack (a quarter of an 8-bit step) allows for the 16.16 fixed point profiles store their
    // numbers in.
    bool same = true;
    for (const double level : {0.02, 0.2, 0.5, 0.8, 1.0}) {
        for (int mask = 1; mask < 8 && same; ++mask) {
            const double in[3] = {mask & 1 ? level : 0, mask & 2 ? level : 0, mask & 4 ? level : 0};
            double out[3] = {};
            lcms.cmsDoTransform(probe, in, out, 1);
            for (int c = 0; c < 3; ++c) {
                same = same && std::abs(out[c] - in[c]) < 1e-3;
            }
        }
    }
    lcms.cmsDeleteTransform(probe);
    return same;
}

Precise Make(const Lcms& lcms, const ColorProfile& profile) {
    Precise p;
    p.profile = profile;
    if (!profile.unusable.isEmpty()) {
        return p;
    }
    cmsHPROFILE input = OpenProfile(lcms, profile);
    if (input == nullptr) {
        return p;
    }
    const cmsUInt32Number space = lcms.cmsGetColorSpace(input);
    p.grey = space == cmsSigGrayData;
    if (space == cmsSigRgbData || p.grey) {
        cmsHPROFILE srgb = lcms.cmsCreate_sRGBProfile();
        // Floating point through matrices and curves: values beyond 0 to 1 stay unclipped (lcms2
        // joins the matrices of a floating-point transform but makes no table of it).
        p.toSrgb =
            lcms.cmsCreateTransform(input, p.grey ? TYPE_GRAY_DBL : TYPE_RGB_DBL, srgb,
                                    TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE);
        lcms.cmsCloseProfile(srgb);
    }
    if (p.toSrgb != nullptr && !p.grey) {
        const struct {
            const char* name;
            ColorProfile profile;
        } spaces[] = {
            {"display-p3", Stated(0.680, 0.320, 0.265, 0.690, 0.150, 0.060, TransferCurve::Srgb)},
            {"rec2020", Stated(0.708, 0.292, 0.170, 0.797, 0.131, 0.046, TransferCurve::Bt709)},
            {"srgb", Stated(0.640, 0.330, 0.300, 0.600, 0.150, 0.060, TransferCurve::Srgb)},
        };
        for (const auto& s : spaces) {
            if (IsSpace(lcms, input, s.profile)) {
                p.space = QString::fromLatin1(s.name);
                break;
            }
        }
    }
    lcms.cmsCloseProfile(input);
    return p;
}

// The last few profiles' transforms, most recently used first; the read-out asks on every move of
// the pointer, nearly always for the same profile.
struct Cache {
    std::mutex lock;
    std::list<Precise> entries;
    Cache() = default;
    Cache(const Cache&) = delete;
    Cache& operator=(const Cache&) = delete;
    ~Cache() {
        for (const Precise& p : entries) {
            if (p.toSrgb != nullptr) {
                Lcms::get().cmsDeleteTransform(p.toSrgb);
            }
        }
    }
};
Cache g_cache;
constexpr size_t kCacheSize = 4;

// Runs what with the profile's entry, under the cache's lock; false when lcms2 is missing.
template <typename What> bool WithPrecise(const ColorProfile& profile, const What& what) {
    const Lcms& lcms = Lcms::get();
    if (!lcms.loaded) {
        return false;
    }
    const std::lock_guard guard(g_cache.lock);
    std::list<Precise>& entries = g_cache.entries;
    auto it = entries.begin();
    while (it != entries.end() && !SameProfile(it->profile, profile)) {
        ++it;
    }
    if (it != entries.end()) {
        entries.splice(entries.begin(), entries, it);
    } else {
        entries.push_front(Make(lcms, profile));
        if (entries.size() > kCacheSize) {
            if (entries.back().toSrgb != nullptr) {
                lcms.cmsDeleteTransform(entries.back().toSrgb);
            }
            entries.pop_back();
        }
    }
    what(lcms, entries.front());
    return true;
}

} // namespace

std::optional<std::array<double, 3>> PreciseSrgb(const ColorProfile& profile,
                                                 const std::array<double, 3>& fractions) {
    if (profile.isEmpty()) {
        return fractions;
    }
    std::optional<std::array<double, 3>> out;
    WithPrecise(profile, [&](const Lcms& lcms, const Precise& p) {
        if (p.toSrgb != nullptr) {
            std::array<double, 3> rgb{};
            lcms.cmsDoTransform(p.toSrgb, fractions.data(), rgb.data(), 1);
            out = rgb;
        }
    });
    return out;
}

QString CssSpaceOf(const ColorProfile& profile) {
    if (profile.isEmpty()) {
        return QStringLiteral("srgb");
    }
    QString space;
    WithPrecise(profile, [&](const Lcms&, const Precise& p) { space = p.space; });
    return space;
}
