// The details line under the picture (View, Details): the pixel under the pointer, its value as
// the file stores it at full precision, the profile, the colour shown and whether it was clipped.
// Picks record the same values, whether the line is shown or not.

#include "color/Details.h"
#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "input/cms/PreciseColor.h"
#include "names/ColorNames.h"
#include "pixels/PendingPixels.h"

#include <QLabel>
#include <QScrollBar>
#include <cmath>

void frmHuemark::readPrecise(QPoint at, int radius, PickOrigin& origin) const {
    const StoredValues values =
        m_fineValues.isNull() ? StoredValues(m_storedPicture.image, 8) : m_fineValues;
    // A large JPEG's rows may still be arriving: the square is waited for, as the read-out does.
    m_storedPicture.waitFor(
        QRect(at.x() - radius, at.y() - radius, 2 * radius + 1, 2 * radius + 1) &
        m_storedPicture.image.rect());
    origin.stored = values.at(at, radius);
    origin.precise.reset();
    if (!origin.stored) {
        return;
    }
    const bool converted = !m_shownProfile.isEmpty();
    origin.stored->space = m_storedSpace;
    origin.precise = converted ? PreciseSrgb(m_pictureProfile, origin.stored->fractions())
                               : std::optional(origin.stored->fractions());
}

void frmHuemark::showDetails(float x, float y) {
    PointDetails details;
    details.position = QPoint(int(std::floor(x)), int(std::floor(y)));
    PickOrigin origin;
    readPrecise(details.position, hscNeighbors->value(), origin);
    if (!origin.stored) {
        lblDetails->clear();
        return;
    }
    details.stored = origin.stored;
    details.precise = origin.precise;
    details.asStored = mnuViewStoredColors->isChecked() && !m_profileName.isEmpty();
    details.profile = m_profileName.isEmpty() && !m_pictureProfile.isEmpty()
                          //: The details line's profile, for one that cannot be used.
                          ? tr("profile unusable")
                          : m_profileName;
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
