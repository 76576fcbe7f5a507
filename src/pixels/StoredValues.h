#pragma once
// A picture's values as its file stores them. Most pictures store 8 bits a channel, and their
// stored values are the 8-bit picture itself; a picture stored finer (10, 12 or 16-bit integers,
// or floating point) keeps those values beside the 8-bit picture it is shown as, so a colour can
// be read at the precision the file gives.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

// One stored colour (or the mean of a square of them), red, green and blue.
struct StoredColor {
    static constexpr int kFloat = 32; // the bits of floating-point values
    int bits = 8;                     // 8 to 16 for integers, kFloat for floating point
    // Integers of 0 to 2^bits - 1 (a mean may fall between them), or floats with 1.0 full.
    std::array<double, 3> values{};
    // CSS Color 4's name of the space the values are in, where the picture's profile is one it
    // names ("srgb", "display-p3", "rec2020"); empty otherwise.
    QString space;

    bool isFloat() const { return bits == kFloat; }
    // Each channel as a fraction of full strength (floats as they are).
    std::array<double, 3> fractions() const;
    friend bool operator==(const StoredColor&, const StoredColor&) = default;
};

// At its precision: "rgb16(4660 22136 39612)", "rgb10(512 0 1023)", "rgb(18 86 154)" for 8 bits,
// "rgbf(0.25 1.5 -0.125)" for floats. A mean keeps up to two decimals.
QString StoredText(const StoredColor& color);

class StoredValues {
public:
    StoredValues() = default;
    // values: the 8-bit picture (Format_RGB32 or ARGB32, premultiplied or not) with bits 8;
    // Format_RGBA64 or RGBX64 or Grayscale16 holding integers of `bits` bits (10 to 16); or
    // Format_RGBA32FPx4 with bits StoredColor::kFloat. Implicitly shared: nothing is copied.
    StoredValues(QImage values, int bits);

    bool isNull() const { return m_values.isNull(); }
    int bits() const { return m_bits; }
    QSize size() const { return m_values.size(); }
    const QImage& image() const { return m_values; }

    // The value of the pixel at p, or with a radius the mean of each channel over the square's
    // pixels inside the picture (and within, where given), unrounded; nothing when p lies outside.
    // Colours of transparent pixels are their own, not weighted by alpha.
    std::optional<StoredColor> at(QPoint p, int radius = 0, const QRect& within = QRect()) const;

private:
    QImage m_values;
    int m_bits = 0;
};
