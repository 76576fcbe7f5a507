#pragma once
// What a load shows first of a large picture: the part a view of this size shows at 100 % (its
// top-left corner) is decoded first, and the rest follows on a thread of its own into the same
// pixels (ArrivingImage says which have arrived).

#include <QSize>

struct FirstLookArea {
    // Empty: the whole picture is decoded before the load returns.
    QSize area;
    // A progressive JPEG, a PNG, a WebP, or a HEIF or AVIF picture with a thumbnail take a first
    // look only where damage found after it may show (as grey rows): not on the command line,
    // which must fail the load instead. A baseline JPEG's first look finds its damage itself.
    // A file cut short is not damage: its data simply end, and the rows they gave are the
    // picture's own; it loads either way, saying where it ends (LoadedPicture::endsAtRow).
    bool damageMayShow = true;

    bool wanted() const { return !area.isEmpty(); }
};
