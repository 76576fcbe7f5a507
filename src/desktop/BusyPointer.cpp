#include "desktop/BusyPointer.h"

#include "desktop/NativeWindow.h"

#include <QCursor>
#include <QGuiApplication>

BusyPointer::BusyPointer() : m_shown(true) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    // The work keeps the event loop from sending the new shape: send it now.
    FlushWindowSystem();
}

BusyPointer::~BusyPointer() {
    end();
}

void BusyPointer::end() {
    if (m_shown) {
        m_shown = false;
        QGuiApplication::restoreOverrideCursor();
    }
}
