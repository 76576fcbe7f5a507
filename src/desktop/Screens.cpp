#include "desktop/Screens.h"

#include <QGuiApplication>
#include <QScreen>

QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        areas << primary->availableGeometry();
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            areas << screen->availableGeometry();
        }
    }
    return areas;
}

bool DesktopReportsWindowPosition() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
