#include "readout/PickPoint.h"

#include <algorithm>
#include <cmath>

void PickPoint::step(QPointF start, int dx, int dy, QSize picture, QPoint pointer) {
    const double maxX = std::max(0, picture.width() - 1);
    const double maxY = std::max(0, picture.height() - 1);
    QPointF p = m_point.value_or(QPointF(std::floor(start.x()), std::floor(start.y())));
    p += QPointF(dx, dy);
    m_point = QPointF(std::clamp(p.x(), 0.0, maxX), std::clamp(p.y(), 0.0, maxY));
    m_pointer = pointer;
}
