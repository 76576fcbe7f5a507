#pragma once
// A picture's stored values turned into the sRGB values that a colour-managed program shows,
// with lcms2 (relative colorimetric intent). The transform of each profile is made once and kept
// for the next picture with the same profile.

#include "input/cms/ColorProfile.h"
#include "pixels/PendingPixels.h"

#include <QImage>
#include <QSize>
#include <QString>

struct ShownColors {
    ArrivingImage picture; // in sRGB; the stored picture itself where nothing needs converting
    QString profileName;   // the profile's own description; empty for a picture without one
    QString notice;        // one line, when the picture names a profile that cannot be used
};

// stored is Format_RGB32 or Format_ARGB32_Premultiplied, as the loader gives pictures. The
// stored picture is never changed. Throws PlatformError when memory for the converted copy runs
// out. With convert false only the profile is looked at: the stored picture comes back, named.
// A stored picture whose pixels are still arriving is converted as they arrive: the block of
// firstLook's size at its top-left corner at once, the rest on a thread into a picture that is
// arriving itself. Otherwise the stored picture's rows are all waited for first.
ShownColors ColorsAsShown(const ArrivingImage& stored, const ColorProfile& profile,
                          bool convert = true, QSize firstLook = QSize());

// How many profiles' transforms are kept (for tests of the cache).
int CachedTransforms();
