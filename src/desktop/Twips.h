#pragma once
// Window positions and sizes are kept in twips (1/1440 inch); the screen works in pixels.
// Pixels = twips x logical DPI / 1440, so 15 twips make a pixel at 96 DPI.

#include <QRect>

class QWidget;

double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(double pixels);
double PixelsToTwipsY(double pixels);

// Places a widget at a position and size given in twips within its parent.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// A widget's outer width and height in twips, read and set.
double WidthTwips(const QWidget* widget);
double HeightTwips(const QWidget* widget);
void SetWidthTwips(QWidget* widget, double twips);
void SetHeightTwips(QWidget* widget, double twips);
