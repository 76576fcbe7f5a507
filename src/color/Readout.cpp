// The read-out box that follows the pointer over the picture, and the averaging radius.

#include "app/frmHuemark.h"
#include "color/Sampling.h"
#include "platform/PictureBox.h"
#include "platform/Tag.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {
// Where the read-out box stands relative to the pointer, in picture pixels.
constexpr float kReadoutDx = 10;
constexpr float kReadoutDy = 20;
} // namespace

QString frmHuemark::ColorToWeb(ColorValue c) const {
    return ::ColorToWeb(c);
}

void frmHuemark::picColor_PointerMoved(int button, int shift, float x, float y) {
    // While arrow keys step a pick point of our own (where the desktop would not move the
    // pointer), the read-out stays on it until the user really moves the pointer.
    if (m_pickPoint.active()) {
        if (!m_pickPoint.pointerMoved(m_services.pointer->pos())) {
            return;
        }
        forgetPickPoint();
    }
    picColor_MouseMove(button, shift, x, y);
}

void frmHuemark::picColor_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
    const QPointF boxAt = picColor->toPixels(x + kReadoutDx, y + kReadoutDy);
    txtCursor->move(PixelOf(boxAt.x()), PixelOf(boxAt.y()));
    txtCursor->setVisible(true);

    txtCursor->setText(WebCode(ReadoutColor(*picColor, x, y, hscNeighbors->value())));
}

void frmHuemark::hscNeighbors_Change() {
    txtNeighbors->setText(NumberText(hscNeighbors->value()));
    if (TagIsTrue(hscNeighbors)) {
        return;
    }
    const QPointF at =
        m_pickPoint.active() ? m_pickPoint.point() : PointerToPicture(m_services.pointer->pos());
    picColor_MouseMove(0, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
    picColor->setFocus();
}

void frmHuemark::Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    txtCursor->setVisible(false);
}

QPointF frmHuemark::PointerToPicture(QPoint screenPixel) const {
    // Through the real geometry of the window and its frame, whatever the desktop draws around it.
    return picColor->fromPixels(picColor->mapFromGlobal(QPointF(screenPixel)));
}
