// The device context's picture, its coordinate spaces, saved states and selected objects.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace gdi {

DeviceContext::DeviceContext(QImage picture, const QTransform& deviceToPicture,
                             QSizeF devicePixelsPerMm)
    : m_picture(std::move(picture)), m_deviceToPicture(deviceToPicture),
      m_devicePixelsPerMm(devicePixelsPerMm), m_budget(m_picture.size()) {
    m_painter.begin(&m_picture);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
}

DeviceContext::~DeviceContext() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

QImage DeviceContext::takePicture() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
    return std::move(m_picture);
}

void DeviceContext::measureOnly() {
    m_measuring = true;
    m_budget.waive();
}

// Every drawing asks here first, with the picture area it reaches.
bool DeviceContext::charge(const QRectF& area) {
    if (m_budget.exhausted() || !WorkBudget::plausible(area)) {
        return false;
    }
    if (m_measuring) {
        m_measured |= area.normalized();
        return false;
    }
    return m_budget.chargeArea(area);
}

void DeviceContext::setMapMode(int mode) {
    if (mode < MmText || mode > MmAnisotropic) {
        return;
    }
    DcState& s = m_state;
    s.mapMode = mode;
    if (mode == MmText) {
        s.windowExt = s.viewportExt = QSizeF(1, 1);
    } else if (mode != MmAnisotropic) {
        // Fixed units (and the isotropic start) scale by the device's size; y grows upwards.
        static const double mmPerUnit[] = {0.1, 0.01, 0.254, 0.0254, 25.4 / 1440, 0.1};
        const double mm = mmPerUnit[mode - MmLoMetric];
        s.windowExt = QSizeF(1, 1);
        s.viewportExt =
            QSizeF(m_devicePixelsPerMm.width() * mm, -m_devicePixelsPerMm.height() * mm);
    }
}

void DeviceContext::setWindowExt(QSizeF ext) {
    if ((m_state.mapMode == MmIsotropic || m_state.mapMode == MmAnisotropic) && ext.width() != 0 &&
        ext.height() != 0) {
        m_state.windowExt = ext;
    }
}

void DeviceContext::setViewportExt(QSizeF ext) {
    if ((m_state.mapMode == MmIsotropic || m_state.mapMode == MmAnisotropic) && ext.width() != 0 &&
        ext.height() != 0) {
        m_state.viewportExt = ext;
    }
}

void DeviceContext::scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
    if (xDenom != 0 && yDenom != 0) {
        const QSizeF e = m_state.windowExt;
        setWindowExt(QSizeF(e.width() * xNum / xDenom, e.height() * yNum / yDenom));
    }
}

void DeviceContext::scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
    if (xDenom != 0 && yDenom != 0) {
        const QSizeF e = m_state.viewportExt;
        setViewportExt(QSizeF(e.width() * xNum / xDenom, e.height() * yNum / yDenom));
    }
}

bool DeviceContext::setWorldTransform(const QTransform& t) {
    if (!usable(t)) {
        return false;
    }
    m_state.world = t;
    return true;
}

void DeviceContext::modifyWorldTransform(const QTransform& t, int mode) {
    switch (mode) {
    case 1:
        m_state.world = QTransform();
        break;
    case 2:
        setWorldTransform(t * m_state.world);
        break;
    case 3:
        setWorldTransform(m_state.world * t);
        break;
    case 4:
        setWorldTransform(t);
        break;
    default:
        break;
    }
}

QTransform DeviceContext::toPicture() const {
    const DcState& s = m_state;
    double sx = 1;
    double sy = 1;
    if (s.mapMode != MmText) {
        sx = s.viewportExt.width() / s.windowExt.width();
        sy = s.viewportExt.height() / s.windowExt.height();
        if (s.mapMode == MmIsotropic) {
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    }
    const QTransform page(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx,
                          s.viewportOrg.y() - s.windowOrg.y() * sy);
    return s.world * page * m_deviceToPicture;
}

bool DeviceContext::mirrored() const {
    return toPicture().determinant() < 0;
}

void DeviceContext::saveState() {
    if (m_saved.size() >= WorkBudget::MaxSavedStates) {
        ++m_unsavedDepth;
        return;
    }
    const qint64 rects = m_state.clip ? m_state.clip->rectCount() : 0;
    if (!m_budget.chargeSavedClip(rects)) {
        return;
    }
    m_saved.push_back(m_state);
}

void DeviceContext::restoreState(int which) {
    qint64 index = 0;
    if (which < 0) {
        qint64 count = -qint64(which);
        const qint64 unsaved = std::min<qint64>(count, m_unsavedDepth);
        m_unsavedDepth -= int(unsaved);
        count -= unsaved;
        if (count == 0) {
            return;
        }
        index = qint64(m_saved.size()) - count;
    } else {
        index = qint64(which) - 1;
    }
    if (index < 0 || index >= qint64(m_saved.size())) {
        return;
    }
    for (size_t i = size_t(index); i < m_saved.size(); ++i) {
        m_budget.releaseSavedClip(m_saved[i].clip ? m_saved[i].clip->rectCount() : 0);
    }
    m_state = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    m_clipDirty = true;
}

void DeviceContext::select(const Object& object) {
    if (const auto* pen = std::get_if<Pen>(&object)) {
        m_state.pen = *pen;
    } else if (const auto* brush = std::get_if<Brush>(&object)) {
        m_state.brush = *brush;
    } else if (const auto* font = std::get_if<Font>(&object)) {
        m_state.font = *font;
    } else if (const auto* region = std::get_if<Region>(&object)) {
        combineClip(regionToPicture(region->rects, toPicture()), RgnCopy);
    }
}

} // namespace gdi
