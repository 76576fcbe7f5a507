// The details line under the picture (View, Details): the pixel under the pointer, its value as
// the file stores it at full precision, the profile, the colour shown and whether it was clipped.
// Picks record the same values, whether the line is shown or not.

#include "color/Details.h"
#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "input/cms/PreciseColor.h"

#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

void frmHuemark::readPrecise(QPoint at, int radius, PickOrigin& origin) const {
    const StoredValues values =
        m_fineValues.isNull() ? StoredValues(m_storedPicture, 8) : m_fineValues;
    origin.stored = values.at(at, radius);
    origin.precise.reset();
    if (!origin.stored) {
        return;
    }
    const bool converted = !m_shownProfile.isEmpty();
    origin.stored->space = CssSpaceOf(converted ? m_pictureProfile : ColorProfile());
    if (!converted && !m_pictureProfile.isEmpty()) {
        // Shown as stored: the values are the colour shown, in no space CSS names.
        origin.stored->space.clear();
    }
    origin.precise = converted ? PreciseSrgb(m_pictureProfile, origin.stored->fractions())
                               : std::optional(origin.stored->fractions());
}

void frmHuemark::showDetails(float x, float y) {
    PointDetails details;
    details.position = QPoint(int(std::floor(x)), int(std::floor(y)));
    PickOrigin origin;
    readPrecise(details.position, hscNeighbors->value(), origin);
    if (!origin.stored) {
        txtDetails->clear();
        return;
    }
    details.stored = origin.stored;
    details.precise = origin.precise;
    details.asStored = mnuViewStoredColors->isChecked() && !m_profileName.isEmpty();
    details.profile = m_profileName.isEmpty() && !m_pictureProfile.isEmpty()
                          ? tr("profile unusable")
                          : m_profileName;
    details.shown = Color::fromValue(m_readoutValue);
    txtDetails->setText(DetailsText(details));
}

void frmHuemark::mnuViewDetails_Click() {
    txtDetails->setVisible(mnuViewDetails->isChecked());
    txtDetails->clear();
    Form_Resize();
    showTitle();
    refreshReadout();
}
