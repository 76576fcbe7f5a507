#include "desktop/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
double logicalDpi(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 96.0;
    }
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

double TwipsPerPixelX() {
    return 1440.0 / logicalDpi(true);
}
double TwipsPerPixelY() {
    return 1440.0 / logicalDpi(false);
}

int TwipsToPixelsX(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixelX()));
}
int TwipsToPixelsY(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixelY()));
}
double PixelsToTwipsX(double pixels) {
    return pixels * TwipsPerPixelX();
}
double PixelsToTwipsY(double pixels) {
    return pixels * TwipsPerPixelY();
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                        TwipsToPixelsY(height));
}

double WidthTwips(const QWidget* widget) {
    return PixelsToTwipsX(widget->width());
}
double HeightTwips(const QWidget* widget) {
    return PixelsToTwipsY(widget->height());
}
void SetWidthTwips(QWidget* widget, double twips) {
    widget->resize(std::max(0, TwipsToPixelsX(twips)), widget->height());
}
void SetHeightTwips(QWidget* widget, double twips) {
    widget->resize(widget->width(), std::max(0, TwipsToPixelsY(twips)));
}
