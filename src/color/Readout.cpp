// The read-out box that follows the pointer over the picture, and the averaging radius.

#include "app/frmHuemark.h"
#include "color/Sampling.h"
#include "platform/PictureBox.h"
#include "platform/Tag.h"

#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {
// Where the read-out box stands relative to the pointer, in picture pixels.
constexpr float kReadoutDx = 10;
constexpr float kReadoutDy = 20;

int widgetCoordinate(double v) {
    return static_cast<int>(std::floor(std::clamp(v, -1.0e6, 1.0e6)));
}
} // namespace

QString frmHuemark::ColorToWeb(ColorValue c) const {
    return ::ColorToWeb(c);
}

void frmHuemark::picColor_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
    const QPointF boxAt = picColor->toPixels(x + kReadoutDx, y + kReadoutDy);
    txtCursor->move(widgetCoordinate(boxAt.x()), widgetCoordinate(boxAt.y()));
    txtCursor->setVisible(true);

    const int radius = std::clamp(hscNeighbors->value(), kMinRadius, kMaxRadius);
    const ColorValue c =
        radius == 0 ? picColor->Point(x, y) : AverageOf(picColor->SumSquare(x, y, radius));
    txtCursor->setText(QLatin1Char('#') + ColorToWeb(c));
}

void frmHuemark::hscNeighbors_Change() {
    txtNeighbors->setText(NumberText(hscNeighbors->value()));
    if (TagIsTrue(hscNeighbors)) {
        return;
    }
    const QPointF at = readoutPoint();
    picColor_MouseMove(0, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
    picColor->setFocus();
}

void frmHuemark::Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    txtCursor->setVisible(false);
}

QPointF frmHuemark::PointerToPicture(QPoint screenPixel) const {
    // Through the real geometry of the window and its frame, whatever the desktop draws around it.
    return picColor->fromPixels(picColor->mapFromGlobal(QPointF(screenPixel)));
}
