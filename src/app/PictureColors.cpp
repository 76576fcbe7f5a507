// The picture's colours: as a colour-managed program shows them (the default), or as stored in
// the file (View, Colours as stored in the file).

#include "app/frmHuemark.h"
#include "controls/ImageControl.h"
#include "controls/PictureBox.h"
#include "desktop/BusyPointer.h"
#include "input/cms/PreciseColor.h"
#include "input/cms/SrgbConversion.h"
#include "pixels/PendingPixels.h"
#include "pixels/PlatformError.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

namespace {
// How long the notice about an unusable profile stays, in milliseconds.
constexpr int kNoticeMs = 6000;
} // namespace

void frmHuemark::ShowNewPicture(const LoadedPicture& stored) {
    m_storedPicture = ArrivingImage(stored.picture, stored.arriving);
    m_pictureProfile = stored.profile;
    m_fineValues = stored.fine;
    picColor->setArea(QRect());
    m_tags.clear();
    ApplyPictureColors();
}

void frmHuemark::ApplyPictureColors(bool keepView) {
    ShownColors shown{m_storedPicture, QString(), QString()};
    const bool asStored = mnuViewStoredColors->isChecked();
    try {
        // A picture still arriving (a large JPEG's first look) is converted as it arrives, the
        // part the picture control shows first.
        shown = ColorsAsShown(m_storedPicture, m_pictureProfile, !asStored, picColor->size());
    } catch (const PlatformError& e) {
        shown.notice = e.description();
    } catch (const std::bad_alloc&) {
        shown.notice = tr("Out of memory: the picture's colours cannot be converted.");
    }
    const ArrivingImage& picture = shown.picture;

    imgCache->setPicture(QImage());
    imgCache->setPicture(picture);
    m_measuredPicture = QImage();
    if (!keepView) {
        picColor->setPicture(QImage());
    }
    picColor->setPicture(imgCache->picture(), keepView);
    if (keepView) {
        for (const QPointF& at : std::as_const(m_tags)) {
            const auto x = static_cast<float>(at.x());
            const auto y = static_cast<float>(at.y());
            // A pick beside the picture, in a control made smaller since, has nothing to redo.
            if (const ColorValue c = picColor->Point(x, y); c >= 0) {
                DrawTag(x, y, c);
            }
        }
    } else {
        m_tags.clear();
    }
    forgetPickPoint();

    QString line;
    if (!shown.notice.isEmpty()) {
        line = tr("Colour profile unusable: stored values shown");
    } else if (shown.profileName.isEmpty()) {
        line = tr("No colour profile: stored values are the colours");
    } else if (asStored) {
        //: View menu, a line that names the picture's colour profile. %1: the profile's name.
        line = tr("Colour profile %1: stored values shown").arg(shown.profileName);
    } else {
        //: View menu, a line that names the picture's colour profile. %1: the profile's name.
        line = tr("Colour profile %1: shown in sRGB").arg(shown.profileName);
    }
    mnuViewProfile->setText(line);
    m_shownProfile = !asStored && shown.notice.isEmpty() ? shown.profileName : QString();
    m_profileName = shown.notice.isEmpty() ? shown.profileName : QString();
    m_storedSpace = m_pictureProfile.isEmpty() ? QStringLiteral("srgb")
                    : m_shownProfile.isEmpty() ? QString()
                                               : CssSpaceOf(m_pictureProfile);
    showTitle();
    txtCursor->setAccessibleDescription(line);
    MeasureAreaNow();

    // A profile that cannot be used is said once, in a line over the picture that goes by itself;
    // at start-up (a file named on the command line) once the window shows.
    m_colorNotice = asStored ? QString() : shown.notice;
    if (!m_colorNotice.isEmpty()) {
        const auto tell = [this, notice = m_colorNotice] {
            if (picColor->isVisible() && m_colorNotice == notice) {
                QToolTip::showText(picColor->mapToGlobal(QPoint(0, 0)), notice, picColor, {},
                                   kNoticeMs);
            }
        };
        if (picColor->isVisible()) {
            tell();
        } else {
            QTimer::singleShot(0, this, tell);
        }
    }
}

void frmHuemark::mnuViewStoredColors_Click() {
    BusyPointer busy;
    ApplyPictureColors(true);
    picColor->setFocus();
    refreshReadout();
}
