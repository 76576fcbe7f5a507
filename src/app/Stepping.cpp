// Keyboard stepping on the picture: the arrows move the pointer a pixel, Page Up and Page Down
// change the radius, Enter picks at the pointer.

#include "app/frmHuemark.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"

#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

void frmHuemark::picColor_KeyDown(int& keyCode, int /*shift*/) {
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
    if (!m_pickPoint.active()) {
        // The next pixel of the picture from the one under the pointer. Where the window system
        // says where that pixel shows, the pointer is put right on it: on a scaled screen a step
        // of one logical pixel may land a device pixel short of it, or past it.
        const QPointF at = PointerToPicture(pointer);
        const std::optional<QPoint> device =
            picColor->devicePixelOf(static_cast<float>(std::floor(at.x()) + dx),
                                    static_cast<float>(std::floor(at.y()) + dy));
        // Moved, as on most desktops: the move event runs the read-out.
        if (device ? m_services.pointer->setDevicePos(*device)
                   : m_services.pointer->setPos(pointer + QPoint(dx, dy))) {
            return;
        }
    }
    // The desktop keeps the pointer where it is: step a pick point of our own instead.
    QSize area = picColor->picture().size().boundedTo(picColor->size());
    if (area.isEmpty()) {
        area = picColor->size();
    }
    m_pickPoint.step(PointerToPicture(pointer), dx, dy, area, m_services.pointer->pos());
    picColor->setMarker(m_pickPoint.point());
    picColor_MouseMove(0, 0, static_cast<float>(m_pickPoint.point().x()),
                       static_cast<float>(m_pickPoint.point().y()));
}

void frmHuemark::forgetPickPoint() {
    m_pickPoint.clear();
    picColor->setMarker(std::nullopt);
}
