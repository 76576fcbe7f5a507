#pragma once
// What the desktop tells about its screens and about where windows are.

#include <QList>
#include <QRect>

// The usable area of every screen, in desktop pixels; the primary screen's first.
QList<QRect> ScreenAreas();

// Whether the desktop tells a program where its window is. Wayland does not: a window there
// cannot know, nor choose, its position.
bool DesktopReportsWindowPosition();
