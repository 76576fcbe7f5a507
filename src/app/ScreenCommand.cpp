// The Screen command: the whole screen, as our windows leave it, becomes the picture.

#include "app/frmHuemark.h"
#include "desktop/BusyPointer.h"
#include "sources/PictureArrival.h"

void frmHuemark::mnuEditScreen_Click() {
    const QDateTime asked = QDateTime::currentDateTime();
    const ScreenCaptureResult shot = m_services.screen->capture(this);
    BusyPointer busy;
    const PictureArrival arrival = PictureFromScreen(shot, asked);
    busy.end();
    // Declined or failed, as a paste that fails: picture and caption stay, and it is said.
    ShowArrival(arrival, true);
}
