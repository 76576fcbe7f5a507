#include "controls/FormClient.h"

#include "controls/KeyCodes.h"
#include "desktop/Twips.h"

#include <QMouseEvent>

FormClient::FormClient(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void FormClient::mouseMoveEvent(QMouseEvent* event) {
    // Moves that a child ignored bubble up here; only the bare window counts.
    if (childAt(event->position().toPoint()) != nullptr) {
        return;
    }
    emit MouseMove(ButtonStateOf(event->buttons()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(PixelsToTwipsX(event->position().x())),
                   static_cast<float>(PixelsToTwipsY(event->position().y())));
}
