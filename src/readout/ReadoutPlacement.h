#pragma once
// Where the read-out box stands beside the pointer.

#include <QPoint>
#include <QSize>

// The box's top-left corner, in the picture control's pixels. It stands at `beside`, right of
// and below the pointer, unless the control's right or bottom edge would cut it off there; then
// it stands on the other side of the pointer at the same distance (left of it, above it), as
// long as less of it is cut off that way.
QPoint ReadoutBoxPosition(QPoint pointer, QPoint beside, QSize box, QSize control);

// The read-out box and, beside it on the far side from the pointer, a second box (the loupe):
// both stand where the box alone would, right of and below the pointer, unless the control's
// edges would cut the pair off there; then the pair stands on the other side, the read-out box
// always nearest the pointer and the two aligned on the edge nearest it.
struct ReadoutPlaces {
    QPoint box;
    QPoint loupe;
};
ReadoutPlaces ReadoutAndLoupePositions(QPoint pointer, QPoint beside, QSize box, QSize loupe,
                                       QSize control);

// A box beside a point, as ReadoutBoxPosition places it, kept wholly inside the area where the
// area is large enough, else with its top-left corner inside (the screen pick's loupe on its
// monitor).
QPoint BoxInside(QPoint pointer, QPoint beside, QSize box, QSize area);
