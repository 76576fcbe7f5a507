// The read-out box that follows the pointer over the picture, the averaging radius, and the
// details line under the picture (View, Details): the pixel under the pointer, its value as the
// file stores it at full precision, the profile, the colour shown and whether it was clipped.
// Picks record the same values, whether the line is shown or not.

#include "app/frmHuemark.h"
#include "controls/Announcer.h"
#include "controls/Loupe.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "names/ColorNames.h"
#include "readout/Details.h"
#include "readout/ReadoutPlacement.h"

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
    // With the details line, the stored value and the exact one come with the colour.
    const Reading reading =
        picColor->ReadAt(x, y, hscNeighbors->value(), mnuViewDetails->isChecked());
    // Over a preview, the read-out waits for the final colours, and so does the loupe.
    m_readoutWaits.reset();
    if (!reading.final) {
        m_readoutWaits = QPointF(x, y);
        txtCursor->move(ReadoutBoxPosition(at, besideAt, txtCursor->size(), view));
        txtCursor->setText(QStringLiteral("\u2026"));
        txtCursor->setVisible(true);
        hideLoupe();
        m_readoutValue = -1;
        m_readoutPixel.reset();
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

    m_readoutValue = reading.pick ? reading.pick->color.value() : -1;
    m_readoutPixel = reading.pick ? reading.pick->origin.position : std::nullopt;
    QString readout = WebCode(m_readoutValue);
    if (m_vision != ColorVision::Normal && m_readoutValue >= 0) {
        // Beside the picture's real colour, the colour the simulated vision sees.
        const QRgb seen =
            SimulatedColor(m_vision, Color::fromValue(m_readoutValue).toQColor().rgb());
        readout += QStringLiteral(" \u2192 ") + WebCode(Color::fromQColor(QColor(seen)).value());
    }
    txtCursor->setText(readout);
    if (mnuViewDetails->isChecked()) {
        showDetails(reading);
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
    // Where the pointer's place is not known, no colour is shown as if it were under it.
    if (m_services.pointer->knownOver(picColor) &&
        picColor->viewRect().contains(picColor->mapFromGlobal(pointer))) {
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

void frmHuemark::showDetails(const Reading& reading) {
    const ShownPicture& shown = picColor->picture();
    if (!reading.pick || !reading.pick->origin.stored) {
        lblDetails->clear();
        return;
    }
    const PickOrigin& origin = reading.pick->origin;
    PointDetails details;
    details.position = origin.position.value_or(QPoint());
    details.stored = origin.stored;
    details.precise = origin.precise;
    details.asStored = mnuViewStoredColors->isChecked() && !shown.profileName().isEmpty();
    details.profile = shown.profileName().isEmpty() && !shown.profile().isEmpty()
                          //: The details line's profile, for one that cannot be used.
                          ? tr("profile unusable")
                          : shown.profileName();
    if (origin.incomplete) {
        details.beyondEndAt = shown.endsAtRow();
        if (!details.beyondEndAt && shown.startsAtRow() > 0) {
            details.beforeStartAt = shown.startsAtRow();
        }
    }
    details.shown = Color::fromValue(m_readoutValue);
    details.shownName = NameText(NearestCssName(details.shown));
    if (m_vision != ColorVision::Normal) {
        details.seen =
            Color::fromQColor(QColor(SimulatedColor(m_vision, details.shown.toQColor().rgb())));
        details.vision = VisionName(m_vision);
    }
    lblDetails->setText(DetailsText(details));
}

void frmHuemark::mnuViewDetails_Click() {
    lblDetails->setVisible(mnuViewDetails->isChecked());
    lblDetails->clear();
    Form_Resize();
    showTitle();
    refreshReadout();
}
