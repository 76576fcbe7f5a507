// Keyboard stepping on the picture: the arrows move the pointer a pixel, Page Up and Page Down
// change the radius, Enter picks at the pointer.

#include "app/frmHuemark.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"

#include <QLineEdit>
#include <QScrollBar>

void frmHuemark::picColor_KeyDown(int& keyCode, int /*shift*/)
{
    const QPoint p = m_services.pointer->pos();
    switch (keyCode) {
    case KeyCode::Up: m_services.pointer->setPos({p.x(), p.y() - 1}); break;
    case KeyCode::Down: m_services.pointer->setPos({p.x(), p.y() + 1}); break;
    case KeyCode::Left: m_services.pointer->setPos({p.x() - 1, p.y()}); break;
    case KeyCode::Right: m_services.pointer->setPos({p.x() + 1, p.y()}); break;
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
        const QPointF at = PointerToPicture(p);
        const float x = static_cast<float>(at.x());
        const float y = static_cast<float>(at.y());
        AddToGrid(x, y);
        break;
    }
    default: break;
    }
}
