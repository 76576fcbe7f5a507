#pragma once
// Some desktops (Wayland, some remote sessions) refuse to let a program move the pointer. There
// the arrow keys move this pick point instead: it stays inside the picture, the read-out and
// Enter use it, and it is dropped as soon as the user moves the real pointer again.

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <optional>

class PickPoint {
public:
    bool active() const { return m_point.has_value(); }
    QPointF point() const { return m_point.value_or(QPointF()); }

    // Starts at `start` (picture pixels, clamped into the picture) or steps an active point by
    // (dx, dy); remembers where the pointer stood.
    void step(QPointF start, int dx, int dy, QSize picture, QPoint pointer);

    // The program itself moved the pointer there: no move of the user's.
    void pointerAt(QPoint pointer) { m_pointer = pointer; }

    // Whether a pointer at `pointer` means the user moved it; then the pick point ends.
    bool pointerMoved(QPoint pointer) const { return active() && pointer != m_pointer; }
    void clear() { m_point.reset(); }

private:
    std::optional<QPointF> m_point;
    QPoint m_pointer;
};
