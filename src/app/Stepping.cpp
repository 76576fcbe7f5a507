// Keyboard stepping on the picture: the arrows move the pointer a pixel, Page Up and Page Down
// change the radius, Enter picks at the pointer.

#include "app/frmHuemark.h"
#include "controls/KeyCodes.h"
#include "controls/PictureBox.h"

#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

void frmHuemark::picColor_KeyDown(int& keyCode, int shift) {
    if (AreaKeyDown(keyCode, shift)) {
        keyCode = 0;
        return;
    }
    const QPoint p = m_services.pointer->pos();
    switch (keyCode) {
    case KeyCode::Up:
        stepPointer(p, 0, -1);
        break;
    case KeyCode::Down:
        stepPointer(p, 0, 1);
        break;
    case KeyCode::Left:
        stepPointer(p, -1, 0);
        break;
    case KeyCode::Right:
        stepPointer(p, 1, 0);
        break;
    case KeyCode::PageUp:
        if (hscNeighbors->value() != hscNeighbors->maximum()) {
            hscNeighbors->setValue(hscNeighbors->value() + 1);
            txtNeighbors->setText(NumberText(hscNeighbors->value()));
        }
        break;
    case KeyCode::PageDown:
        if (hscNeighbors->value() != hscNeighbors->minimum()) {
            hscNeighbors->setValue(hscNeighbors->value() - 1);
            txtNeighbors->setText(NumberText(hscNeighbors->value()));
        }
        break;
    case KeyCode::Return: {
        // The pointer off the picture's view (on a scroll bar, or beyond the control where a
        // scrolled picture goes on unseen) names no pixel: nothing is recorded, as for any
        // point outside the drawing area.
        if (!m_pickPoint.active() && !picColor->viewRect().contains(picColor->mapFromGlobal(p))) {
            picColor->setFocus();
            break;
        }
        const QPointF at = m_pickPoint.active() ? m_pickPoint.point() : PointerToPicture(p);
        const float x = static_cast<float>(at.x());
        const float y = static_cast<float>(at.y());
        AddToGrid(x, y);
        break;
    }
    default:
        break;
    }
}

void frmHuemark::stepPointer(QPoint pointer, int dx, int dy) {
    m_announceReadout = true; // the read-out the step brings is said at once
    const QPointF at = m_pickPoint.active() ? m_pickPoint.point() : PointerToPicture(pointer);
    const float x = static_cast<float>(std::floor(at.x()) + dx);
    const float y = static_cast<float>(std::floor(at.y()) + dy);
    if (!m_pickPoint.active()) {
        // A step that leaves the visible part of the picture brings the next pixel into view.
        picColor->scrollToShow(x, y);
        // The pointer is put right on the next pixel of the picture. Where the window system says
        // where that pixel shows, on its device pixel: on a scaled screen a step of one logical
        // pixel may land a device pixel short of it, or past it.
        if (picColor->pointerCanName(x, y)) {
            const std::optional<QPoint> device = picColor->devicePixelOf(x, y);
            // Moved, as on most desktops: the move event runs the read-out.
            if (device ? m_services.pointer->setDevicePos(*device)
                       : m_services.pointer->setPos(picColor->globalPointOf(x, y))) {
                return;
            }
        }
    }
    // The desktop keeps the pointer where it is, or the view is zoomed out so far that a device
    // pixel shows several picture pixels: step a pick point of our own instead.
    QSize area = picColor->picture().size();
    if (area.isEmpty()) {
        area = picColor->size();
    }
    m_pickPoint.step(at, dx, dy, area, pointer);
    const QPointF point = m_pickPoint.point();
    const float px = static_cast<float>(point.x());
    const float py = static_cast<float>(point.y());
    picColor->scrollToShow(px, py);
    // The pointer follows as near as it can, where the desktop lets it.
    const std::optional<QPoint> device = picColor->devicePixelOf(px, py);
    if (device ? m_services.pointer->setDevicePos(*device)
               : m_services.pointer->setPos(picColor->globalPointOf(px, py))) {
        if (picColor->pointerCanName(px, py)) {
            forgetPickPoint(); // the pointer names the pixel itself again
            return;
        }
        m_pickPoint.pointerAt(m_services.pointer->pos());
    }
    picColor->setMarker(point);
    picColor_MouseMove(0, 0, px, py);
}

void frmHuemark::forgetPickPoint() {
    m_pickPoint.clear();
    picColor->setMarker(std::nullopt);
}
