// The picture's colours: as a colour-managed program shows them (the default), or as stored in
// the file (View, Colours as stored in the file).

#include "app/frmHuemark.h"
#include "controls/ImageControl.h"
#include "controls/PictureBox.h"
#include "desktop/BusyPointer.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <functional>

namespace {
// How long the notice about an unusable profile stays, in milliseconds.
constexpr int kNoticeMs = 6000;
// How often, and how far apart, a notice looks again whether the window is ready for it.
constexpr int kNoticeRetryMs = 100;
} // namespace

void frmHuemark::ShowNewPicture(const LoadedPicture& stored, const QString& source) {
    picColor->setArea(QRect());
    m_tags.clear();
    ShowOptions options;
    options.asStored = mnuViewStoredColors->isChecked();
    options.background = QColorOf(picColor->BackColor());
    // A picture still arriving (a large JPEG's first look) is converted as it arrives, the part
    // the picture control shows first.
    options.firstLook = picColor->size();
    options.source = source;
    ShowPicture(ShownPicture::OrStored(stored, options), false);
}

void frmHuemark::ShowPicture(const ShownPicture& shown, bool keepView) {
    imgCache->setPicture(shown);
    picColor->setPicture(shown, keepView);
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
    if (!shown.notice().isEmpty()) {
        line = tr("Colour profile unusable: stored values shown");
    } else if (shown.profileName().isEmpty()) {
        line = tr("No colour profile: stored values are the colours");
    } else if (shown.options().asStored) {
        //: View menu, a line that names the picture's colour profile. %1: the profile's name.
        line = tr("Colour profile %1: stored values shown").arg(shown.profileName());
    } else {
        //: View menu, a line that names the picture's colour profile. %1: the profile's name.
        line = tr("Colour profile %1: shown in sRGB").arg(shown.profileName());
    }
    mnuViewProfile->setText(line);
    showTitle();
    txtCursor->setAccessibleDescription(line);
    MeasureAreaNow();

    // A profile that cannot be used is said once, in a line over the picture that goes by itself;
    // at start-up (a file named on the command line) once the window shows.
    if (const QString notice = ColorNotice(); !notice.isEmpty()) {
        ShowPictureNotice(notice, [this, notice] { return ColorNotice() == notice; });
    }
    // Rows still arriving tell where the file ends once they all have.
    TellEndsEarly();
}

void frmHuemark::ShowPictureNotice(const QString& notice, const std::function<bool()>& current,
                                   int tries) {
    // A line shown before the window is on the screen and active would go with the window
    // manager's first change of focus: at start-up it waits for that.
    const QWindow* window = this->windowHandle();
    const bool ready =
        picColor->isVisible() && window != nullptr && window->isExposed() && isActiveWindow();
    if (!ready && tries > 0) {
        QTimer::singleShot(
            tries == kNoticeTries ? 0 : kNoticeRetryMs, this,
            [this, notice, current, tries] { ShowPictureNotice(notice, current, tries - 1); });
        return;
    }
    if (picColor->isVisible() && current()) {
        QToolTip::showText(picColor->mapToGlobal(QPoint(0, 0)), notice, picColor, {}, kNoticeMs);
    }
}

void frmHuemark::TellEndsEarly() {
    const ShownPicture& shown = picColor->picture();
    const std::optional<int> end = shown.endsAtRow();
    if (!end && shown.startsAtRow() == 0) {
        return;
    }
    const QString notice =
        end
            //: Over the picture, for a file cut short. %1: the row it ends at; %2: the picture's
            //: height.
            ? tr("The file ends early, at row %1 of %2: the rows below hold no colours of the "
                 "picture.")
                  .arg(*end)
                  .arg(shown.size().height())
            //: Over the picture, for a file stored from the bottom up and cut short. %1: the
            //: first row it holds; %2: the last row.
            : tr("The file ends early: stored from the bottom up, it holds rows %1 to %2 only; "
                 "the rows above hold no colours of the picture.")
                  .arg(shown.startsAtRow())
                  .arg(shown.size().height() - 1);
    const uchar* pixels = shown.image().constBits();
    ShowPictureNotice(notice,
                      [this, pixels] { return picColor->picture().image().constBits() == pixels; });
}

QString frmHuemark::ColorNotice() const {
    const ShownPicture& shown = picColor->picture();
    return shown.options().asStored ? QString() : shown.notice();
}

void frmHuemark::mnuViewStoredColors_Click() {
    BusyPointer busy;
    ShowPicture(picColor->picture().inColors(mnuViewStoredColors->isChecked(), picColor->size()),
                true);
    picColor->setFocus();
    refreshReadout();
}
