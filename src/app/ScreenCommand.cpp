// The Screen command: the whole screen, as our windows leave it, becomes the picture. Pick from
// Screen: the screen frozen on every monitor, one pick from it into the list.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "desktop/BusyPointer.h"
#include "screenpick/ScreenPick.h"
#include "sources/PictureArrival.h"

#include <QScrollBar>

CaptureTalk frmHuemark::CaptureTalkHere() {
    CaptureTalk talk;
    talk.beforeQuestion = [this](const QString& notice) {
        m_services.messageBox->showMessage(this, notice, QStringLiteral("Huemark"));
    };
    talk.askAgain = [this](const QString& refusal) {
        //: A message box, its lines broken by carriage returns. %1: the refusal (a sentence).
        return m_services.messageBox->askYesNo(
            this, tr("%1\r\rShall the desktop ask again?").arg(refusal), QStringLiteral("Huemark"));
    };
    talk.beforeDesktopPicker = talk.beforeQuestion;
    return talk;
}

void frmHuemark::mnuEditScreen_Click() {
    const QDateTime asked = QDateTime::currentDateTime();
    const std::optional<ScreenCaptureResult> stop =
        ClearToCapture(*m_services.screen, CaptureTalkHere());
    if (stop && stop->error.isEmpty()) {
        return;
    }
    const ScreenCaptureResult shot = stop ? *stop : m_services.screen->capture(this);
    BusyPointer busy;
    const PictureArrival arrival = PictureFromScreen(shot, asked);
    busy.end();
    // Declined or failed, as a paste that fails: picture and caption stay, and it is said.
    ShowArrival(arrival, true);
}

void frmHuemark::mnuEditPickScreen_Click() {
    ScreenPickOptions options;
    options.radius = hscNeighbors->value();
    options.notation = m_copyNotation;
    options.talk = CaptureTalkHere();
    const ScreenPickResult result =
        PickFromScreen(*m_services.screen, *m_services.pointer, this, options);
    switch (result.outcome) {
    case ScreenPickResult::Outcome::Picked: {
        // A row as a pick from a picture makes it; the picture, its tags and view stay.
        Pick pick = result.pick;
        //: Where a pick from the screen came from, as saved lists record it.
        pick.origin.source = tr("Screen capture");
        AddPickOnTop(pick);
        break;
    }
    case ScreenPickResult::Outcome::Cancelled:
        break;
    case ScreenPickResult::Outcome::Refused:
    case ScreenPickResult::Outcome::Failed:
        if (result.error.isEmpty()) {
            break; // said already
        }
        //: A message box, its lines broken by carriage returns. %1: why (a sentence).
        m_services.messageBox->showMessage(
            this, tr("The screen cannot be captured.\r\r%1").arg(result.error),
            QStringLiteral("Huemark"));
        break;
    }
}
