#include "controls/DesktopStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace {
// Two small chevrons pointing right (or down), in the text colour.
QIcon OverflowArrows(bool down, const QColor& color) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(color, size / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double s = size / 16.0;
        for (const double at : {4.0, 8.5}) {
            QPainterPath chevron;
            chevron.moveTo(at * s, 4 * s);
            chevron.lineTo((at + 3.5) * s, 8 * s);
            chevron.lineTo(at * s, 12 * s);
            p.drawPath(down ? QTransform(0, 1, 1, 0, 0, 0).map(chevron) : chevron);
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

QIcon DesktopStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        const QPalette palette = widget != nullptr ? widget->palette() : standardPalette();
        return OverflowArrows(icon == SP_ToolBarVerticalExtensionButton,
                              palette.color(QPalette::ButtonText));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}
