#pragma once
// A monitor's colour profile and gamma ramps as an X server has them: the profile in the root
// window's _ICC_PROFILE (the first monitor) or _ICC_PROFILE_n (monitor n), as the X ICC Profiles
// convention places it, and the ramps of the RandR CRTC that shows the monitor.

#include "screencheck/ScreenColors.h"

#include <QString>
#include <memory>

// Over a connection of its own; nothing where no X server answers, or where the X server stands
// in for a Wayland desktop (error says which).
std::unique_ptr<ScreenColorSource> NewX11ScreenColors(QString* error);
