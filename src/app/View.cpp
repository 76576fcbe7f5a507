// The View menu: zoom in and out around the pointer, 100 %, fit in the window, and the loupe
// beside the read-out.

#include "app/frmHuemark.h"
#include "controls/Loupe.h"
#include "controls/PictureBox.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

std::optional<QPointF> frmHuemark::zoomAnchor() const {
    // The point the arrow keys stepped, or the pixel under the pointer; else the view's centre.
    if (m_pickPoint.active()) {
        return picColor->widgetPointOf(static_cast<float>(m_pickPoint.point().x()),
                                       static_cast<float>(m_pickPoint.point().y()));
    }
    const QPointF at = picColor->mapFromGlobal(QPointF(m_services.pointer->pos()));
    if (picColor->viewRect().contains(at.toPoint())) {
        return at;
    }
    return std::nullopt;
}

void frmHuemark::mnuViewZoomIn_Click() {
    picColor->zoomBy(1, zoomAnchor());
}

void frmHuemark::mnuViewZoomOut_Click() {
    picColor->zoomBy(-1, zoomAnchor());
}

void frmHuemark::mnuViewActualSize_Click() {
    picColor->setZoom(1, zoomAnchor());
}

void frmHuemark::mnuViewFit_Click() {
    picColor->fitInView();
}

void frmHuemark::picColor_ViewChanged() {
    // Another pixel may lie under the pointer now.
    refreshReadout();
}

void frmHuemark::mnuViewLoupe_Click() {
    if (mnuViewLoupe->isChecked() == (m_loupe != nullptr)) {
        return;
    }
    if (mnuViewLoupe->isChecked()) {
        m_loupe = new Loupe(picColor);
        m_loupe->hide();
        // Shown with the read-out, when the pointer next names a pixel.
        if (txtCursor->isVisible()) {
            refreshReadout();
        }
    } else {
        delete m_loupe;
        m_loupe = nullptr;
    }
}

void frmHuemark::showLoupe(float x, float y, QPoint at) {
    Loupe::Pixels pixels;
    const float left = std::floor(x) - Loupe::kSpan / 2;
    const float top = std::floor(y) - Loupe::kSpan / 2;
    for (int row = 0; row < Loupe::kSpan; ++row) {
        for (int column = 0; column < Loupe::kSpan; ++column) {
            pixels[size_t(row * Loupe::kSpan + column)] =
                picColor->Point(left + static_cast<float>(column), top + static_cast<float>(row));
        }
    }
    m_loupe->setPixels(pixels, hscNeighbors->value());
    m_loupe->move(at);
    m_loupe->show();
    m_loupe->raise();
}

void frmHuemark::hideLoupe() {
    if (m_loupe != nullptr) {
        m_loupe->hide();
    }
}
