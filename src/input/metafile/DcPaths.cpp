// Paths recorded in picture pixels, and the records that fill, stroke, widen or clip to them.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <utility>

namespace gdi {

void DeviceContext::beginPath() {
    m_path = QPainterPath();
    m_inPath = true;
    m_pathWidened = false;
}

void DeviceContext::abortPath() {
    m_path = QPainterPath();
    m_inPath = false;
}

void DeviceContext::closeFigure() {
    if (m_inPath) {
        m_path.closeSubpath();
    }
}

void DeviceContext::paintPath(bool fill, bool stroke) {
    QPainterPath path = std::exchange(m_path, QPainterPath());
    m_inPath = false;
    path.setFillRule(m_pathWidened ? Qt::WindingFill : m_state.fillRule);
    paint(
        QTransform(), path.controlPointRect(),
        stroke ? makePen(toPicture(), true) : QPen(Qt::NoPen),
        fill ? makeBrush(m_state.brush, QTransform()) : QBrush(), m_state.rop2,
        [&](QPainter& p) { p.drawPath(path); }, &path);
}

void DeviceContext::widenPath() {
    const QPen pen = makePen(toPicture(), true);
    if (pen.style() == Qt::NoPen || !charge(m_path.controlPointRect())) {
        return;
    }
    if (!m_budget.chargeWidening(m_path.elementCount())) {
        return;
    }
    QPainterPathStroker stroker(pen);
    stroker.setWidth(std::max(1.0, pen.widthF()));
    QPainterPath wide = stroker.createStroke(m_path);
    if (!m_budget.chargeWidened(wide.elementCount())) {
        return;
    }
    m_path = std::move(wide);
    m_pathWidened = true;
}

void DeviceContext::selectClipPath(int mode) {
    const QPainterPath path = std::exchange(m_path, QPainterPath());
    m_inPath = false;
    combineClip(pathToRegion(path, m_state.fillRule), mode);
}

} // namespace gdi
