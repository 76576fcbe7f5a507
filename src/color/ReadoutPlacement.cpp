#include "color/ReadoutPlacement.h"

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
