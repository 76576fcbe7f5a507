#pragma once
// Colours as people with a colour-vision deficiency see them. Protanopia, deuteranopia and
// tritanopia follow Machado, Oliveira and Fernandes's physiologically based model at full
// severity; achromatopsia shows each colour as the grey of its luminance. Both work in linear
// light: a colour's channels are decoded from sRGB, mixed, clamped to 0 to 1 and encoded again.
//
// SimulatedColor is the exact conversion the read-out shows; SimulateRows gives the very same
// result for every colour from tables, in a few nanoseconds a pixel, for drawing.

#include <QImage>
#include <QRgb>
#include <QString>
#include <optional>

enum class ColorVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// The key settings store: "normal", "protanopia", "deuteranopia", "tritanopia", "achromatopsia".
QString ColorVisionKey(ColorVision vision);
// The vision of a key as ColorVisionKey spells it; nothing for any other text.
std::optional<ColorVision> ColorVisionOfKey(const QString& key);

// The colour as the vision sees it, each channel rounded to the nearest code; alpha is kept.
QRgb SimulatedColor(ColorVision vision, QRgb color);

// SimulatedColor of count pixels, alpha kept; `in` and `out` may be the same row (converted in
// place) but must not otherwise overlap. The pixels are taken as unpremultiplied.
void SimulateRows(ColorVision vision, const QRgb* in, QRgb* out, qsizetype count);

// A picture as the vision sees it: Format_ARGB32 when the source has an alpha channel, else
// Format_RGB32, with the source's device pixel ratio and colour space. Normal vision, and a null
// picture, give the source itself (shared, not copied).
QImage SimulatedImage(ColorVision vision, const QImage& source);
