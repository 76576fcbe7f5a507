#pragma once
// Where a monitor's colour profile and gamma ramps are read from: the window system (X11's root
// properties and RandR, in desktop/capture/), or a desktop's colour service. Scripted in tests.

#include "screencheck/Ramps.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <optional>

class ScreenColorSource {
public:
    virtual ~ScreenColorSource() = default;
    // The ICC profile published for the monitor (0 for the first, in the desktop's order of
    // monitors); empty where none is.
    virtual QByteArray profile(int monitor) = 0;
    // Where the profile is published, for the report ("_ICC_PROFILE_1").
    virtual QString profilePlace(int monitor) const = 0;
    // The gamma ramps in front of the monitor whose device pixels lie there on the desktop;
    // nothing where they cannot be read.
    virtual std::optional<GammaRamps> ramps(const QRect& devicePixels) = 0;
    // Where the ramps are read from, a word for the report ("RandR").
    virtual QString rampPlace() const = 0;
};
