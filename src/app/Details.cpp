// The details line under the picture (View, Details): the pixel under the pointer, its value as
// the file stores it at full precision, the profile, the colour shown and whether it was clipped.
// Picks record the same values, whether the line is shown or not.

#include "readout/Details.h"
#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "names/ColorNames.h"

#include <QLabel>
#include <QScrollBar>
#include <cmath>

void frmHuemark::showDetails(float x, float y) {
    PointDetails details;
    details.position = QPoint(int(std::floor(x)), int(std::floor(y)));
    const ShownPicture& shown = picColor->picture();
    const PickOrigin origin = shown.originAt(details.position, hscNeighbors->value());
    if (!origin.stored) {
        lblDetails->clear();
        return;
    }
    details.stored = origin.stored;
    details.precise = origin.precise;
    details.asStored = mnuViewStoredColors->isChecked() && !shown.profileName().isEmpty();
    details.profile = shown.profileName().isEmpty() && !shown.profile().isEmpty()
                          //: The details line's profile, for one that cannot be used.
                          ? tr("profile unusable")
                          : shown.profileName();
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
