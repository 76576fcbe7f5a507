#pragma once
// What a monitor's colour profile changes in what the user sees: its name, a short hash that
// tells two profiles apart, and how far its primaries and its white lie from sRGB's.

#include <QByteArray>
#include <QString>

struct ProfileSummary {
    bool present = false;  // the desktop publishes a profile for the monitor
    bool readable = false; // lcms2 read it as an RGB display profile
    QString description;   // the profile's own name; may be empty
    QString hash;          // the first 12 hex digits of its bytes' SHA-256
    qsizetype bytes = 0;
    // CIEDE2000 of each primary (relative colorimetric, D50 as the profiles connect) against
    // sRGB's, and of the monitor's own white against D65.
    double red = 0, green = 0, blue = 0, white = 0;

    // The largest of the four: what the user sees differs by up to about this much.
    double largest() const;
};

// Empty bytes: no profile.
ProfileSummary SummarizeProfile(const QByteArray& icc);
