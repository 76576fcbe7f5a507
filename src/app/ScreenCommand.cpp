// The Screen command: the whole screen, as our windows leave it, becomes the picture.

#include "app/PortalFile.h"
#include "app/frmHuemark.h"
#include "input/LoadPicture.h"
#include "sources/ScreenPicture.h"
#include "desktop/BusyPointer.h"
#include "controls/ImageControl.h"
#include "controls/PictureBox.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>

namespace {
// Messages break lines with a carriage return alone.
QString CannotCapture(const QString& reason) {
    return QCoreApplication::translate("frmHuemark", "The screen cannot be captured.\r\r%1")
        .arg(reason);
}

// A file the desktop named that cannot be told to be the one it made for this capture: read
// where it lies, and left there.
ScreenPicture ReadLeavingFile(const QString& file) {
    try {
        return {ScreenPicture::Outcome::Picture, LoadPicture(file, nullptr, PictureSource::Screen),
                QString()};
    } catch (const PlatformError& e) {
        return {ScreenPicture::Outcome::Failed, QImage(), e.description()};
    }
}
} // namespace

void frmHuemark::mnuEditScreen_Click() {
    const QDateTime asked = QDateTime::currentDateTime();
    const ScreenCaptureResult shot = m_services.screen->capture(this);
    BusyPointer busy;
    ScreenPicture captured;
    try {
        captured = shot.outcome == ScreenCaptureResult::Outcome::File &&
                           !IsPortalsOwnFile(shot.file, asked)
                       ? ReadLeavingFile(shot.file)
                       : PictureFromCapture(shot);
    } catch (const std::bad_alloc&) {
        captured = {ScreenPicture::Outcome::Failed, QImage(),
                    QCoreApplication::translate(
                        "frmHuemark", "Out of memory: the picture does not fit in memory.")};
    }
    // Declined or failed, as a paste that fails: picture and caption stay, and it is said.
    if (captured.outcome != ScreenPicture::Outcome::Picture) {
        busy.end();
        m_services.messageBox->showMessage(this, CannotCapture(captured.error), kAppName);
        picColor->setFocus();
        return;
    }
    // What the screen showed is already the screen's colours: no profile to apply.
    ShowNewPicture(captured.picture, ColourProfile{});
    setCaption(QCoreApplication::translate("frmHuemark", "Screen capture"));
    picColor->setFocus();
    refreshReadout();
}
