#include "readout/ReadoutPlacement.h"

#include <algorithm>

namespace {
// How much of a box of the given length at `at` lies outside 0..limit.
qint64 Cut(qint64 at, int length, int limit) {
    return std::max<qint64>(0, -at) + std::max<qint64>(0, at + length - limit);
}

// One axis: the box at `at` (after the pointer's pixel), or mirrored before it when the far
// edge cuts it off and less of it is cut off there.
int Place(int pointer, int at, int length, int limit) {
    if (qint64(at) + length <= limit || at <= pointer) {
        return at;
    }
    // As many pixels between box and pointer as on the usual side.
    const qint64 mirrored = qint64(pointer) - (qint64(at) - pointer) - length + 1;
    return Cut(mirrored, length, limit) < Cut(at, length, limit) ? int(mirrored) : at;
}
} // namespace

QPoint ReadoutBoxPosition(QPoint pointer, QPoint beside, QSize box, QSize control) {
    return {Place(pointer.x(), beside.x(), box.width(), control.width()),
            Place(pointer.y(), beside.y(), box.height(), control.height())};
}

ReadoutPlaces ReadoutAndLoupePositions(QPoint pointer, QPoint beside, QSize box, QSize loupe,
                                       QSize control) {
    constexpr int kGap = 2;
    const QSize pair(box.width() + kGap + loupe.width(), std::max(box.height(), loupe.height()));
    const QPoint at = ReadoutBoxPosition(pointer, beside, pair, control);
    ReadoutPlaces places;
    if (at.x() > pointer.x()) {
        places.box.setX(at.x());
        places.loupe.setX(at.x() + box.width() + kGap);
    } else {
        places.loupe.setX(at.x());
        places.box.setX(at.x() + loupe.width() + kGap);
    }
    if (at.y() > pointer.y()) {
        places.box.setY(at.y());
        places.loupe.setY(at.y());
    } else {
        places.box.setY(at.y() + pair.height() - box.height());
        places.loupe.setY(at.y() + pair.height() - loupe.height());
    }
    return places;
}

QPoint BoxInside(QPoint pointer, QPoint beside, QSize box, QSize area) {
    const QPoint at = ReadoutBoxPosition(pointer, beside, box, area);
    return {std::max(0, std::min(at.x(), area.width() - box.width())),
            std::max(0, std::min(at.y(), area.height() - box.height()))};
}
