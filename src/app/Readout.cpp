// The read-out box that follows the pointer over the picture, and the averaging radius.

#include "app/frmHuemark.h"
#include "controls/Announcer.h"
#include "controls/Loupe.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "names/ColorNames.h"
#include "readout/ReadoutPlacement.h"
#include "readout/Sampling.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <utility>

namespace {
// Where the read-out box stands relative to the pointer, in the control's pixels (at 100 % the
// picture's).
constexpr double kReadoutDx = 10;
constexpr double kReadoutDy = 20;
} // namespace

QString frmHuemark::ColorToWeb(ColorValue c) const {
    return ::ColorToWeb(c);
}

void frmHuemark::picColor_PointerMoved(int button, int shift, float x, float y) {
    // Where the pointer stands, the picture's pixels are known exactly from its events; a later
    // reading of the pointer's position alone is rounded to whole logical pixels.
    m_lastPointer = {m_services.pointer->pos(), picColor->mapToGlobal(QPoint(0, 0))};
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
    const QPointF pointer = picColor->widgetPointOf(x, y);
    const QPointF beside = pointer + QPointF(kReadoutDx, kReadoutDy);
    const QPoint at(PixelOf(pointer.x()), PixelOf(pointer.y()));
    const QPoint besideAt(PixelOf(beside.x()), PixelOf(beside.y()));
    // Beside the pointer, on whichever side the edges of the picture's view leave it readable.
    const QSize view = picColor->viewRect().size();
    // Over a preview, the read-out waits for the final colours, and so does the loupe.
    m_readoutWaits.reset();
    if (!picColor->PixelsFinal(x, y, hscNeighbors->value())) {
        m_readoutWaits = QPointF(x, y);
        txtCursor->move(ReadoutBoxPosition(at, besideAt, txtCursor->size(), view));
        txtCursor->setText(QStringLiteral("\u2026"));
        txtCursor->setVisible(true);
        hideLoupe();
        m_readoutValue = -1;
        m_pointerRests.stop();
        return;
    }
    if (m_loupe == nullptr) {
        txtCursor->move(ReadoutBoxPosition(at, besideAt, txtCursor->size(), view));
    } else {
        const ReadoutPlaces places =
            ReadoutAndLoupePositions(at, besideAt, txtCursor->size(), m_loupe->size(), view);
        txtCursor->move(places.box);
        showLoupe(x, y, places.loupe);
    }
    txtCursor->setVisible(true);

    m_readoutValue = ReadoutColor(*picColor, x, y, hscNeighbors->value());
    QString readout = WebCode(m_readoutValue);
    if (m_vision != ColorVision::Normal && m_readoutValue >= 0) {
        // Beside the picture's real colour, the colour the simulated vision sees.
        const QRgb seen =
            SimulatedColor(m_vision, Color::fromValue(m_readoutValue).toQColor().rgb());
        readout += QStringLiteral(" \u2192 ") + WebCode(Color::fromQColor(QColor(seen)).value());
    }
    txtCursor->setText(readout);
    if (mnuViewDetails->isChecked()) {
        showDetails(x, y);
    }
    // Said after an arrow step at once, else once the pointer rests: not on every move.
    if (std::exchange(m_announceReadout, false)) {
        announceReadout();
    } else {
        m_pointerRests.start();
    }
}

void frmHuemark::announceReadout() {
    m_pointerRests.stop();
    if (m_readoutValue < 0 || !txtCursor->isVisible()) {
        return;
    }
    const Color c = Color::fromValue(m_readoutValue);
    // The read-out's first code: the picture's colour, whatever vision is simulated.
    //: Said by a screen reader when the pointer rests on the picture: %1 the colour's web code,
    //: %2 its nearest name.
    m_announcer->announce(tr("%1, %2").arg(WebCode(m_readoutValue), NameText(NearestCssName(c))));
}

void frmHuemark::hscNeighbors_Change() {
    txtNeighbors->setText(NumberText(hscNeighbors->value()));
    // Form_Load holds this flag while it restores the radius: shown, not refreshed.
    if (TagIsTrue(hscNeighbors)) {
        return;
    }
    const QPointF at =
        m_pickPoint.active() ? m_pickPoint.point() : PointerToPicture(m_services.pointer->pos());
    picColor_MouseMove(0, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
    picColor->setFocus();
}

void frmHuemark::refreshReadout() {
    // Before the window is shown (start-up) the pointer is over no picture of ours.
    if (!picColor->isVisible()) {
        return;
    }
    if (m_pickPoint.active()) {
        picColor_MouseMove(0, 0, static_cast<float>(m_pickPoint.point().x()),
                           static_cast<float>(m_pickPoint.point().y()));
        return;
    }
    const QPoint pointer = m_services.pointer->pos();
    if (picColor->viewRect().contains(picColor->mapFromGlobal(pointer))) {
        const QPointF at = PointerToPicture(pointer);
        picColor_MouseMove(0, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
    } else {
        txtCursor->setVisible(false);
        hideLoupe();
    }
}

void frmHuemark::Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    txtCursor->setVisible(false);
    m_readoutWaits.reset();
    lblDetails->clear();
    hideLoupe();
}

QPointF frmHuemark::PointerToPicture(QPoint screenPixel) const {
    // The pointer has not moved since its last event over the picture: that event said exactly,
    // through the view as it is now.
    if (m_lastPointer && m_lastPointer->pointer == screenPixel &&
        m_lastPointer->pictureOrigin == picColor->mapToGlobal(QPoint(0, 0))) {
        if (const std::optional<QPointF> at = picColor->lastPointerCoordinates()) {
            return *at;
        }
    }
    // Through the real geometry of the window and its frame, whatever the desktop draws around it.
    return picColor->coordinatesAt(picColor->mapFromGlobal(QPointF(screenPixel)));
}
