#pragma once
// Where the read-out box stands beside the pointer.

#include <QPoint>
#include <QSize>

// The box's top-left corner, in the picture control's pixels. It stands at `beside`, right of
// and below the pointer, unless the control's right or bottom edge would cut it off there; then
// it stands on the other side of the pointer at the same distance (left of it, above it), as
// long as less of it is cut off that way.
QPoint ReadoutBoxPosition(QPoint pointer, QPoint beside, QSize box, QSize control);
