#pragma once
// The window system's own view, in device pixels, where the toolkit's logical pixels are not
// exact enough. On a scaled screen a logical position names a device pixel only roughly: a
// window's origin, the pointer's position and where the pointer can be put all get rounded, and
// an exact pick needs the device pixel itself. Only X11 answers; elsewhere there is nothing.

#include <QPoint>
#include <optional>

class QWidget;

// The top-left device pixel of a top-level window's client area on the screen.
std::optional<QPoint> NativeWindowOrigin(const QWidget* window);

// Puts the pointer on a device pixel of the screen; false where that cannot be done, or when the
// pointer is not there afterwards.
bool WarpPointer(QPoint devicePixel);

// The device pixel of the screen the pointer is on; nothing where the window system does not
// tell (the toolkit's logical position is rounded to whole logical pixels).
std::optional<QPoint> PointerDevicePixel();

// Makes the requests already made to the window system (a new pointer shape) take effect now,
// while the event loop is busy with long work.
void FlushWindowSystem();
