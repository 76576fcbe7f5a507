#pragma once
// The figures of a rectangle of a picture: what a single pixel cannot say about a photo, a
// dithered screenshot or a JPEG's blocks.

#include "pixels/Color.h"

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <memory>

struct ChannelFigures {
    int minimum = 0;
    int maximum = 0;
    int median = 0;        // the lower median of the codes: half the pixels are at or below it
    double average = 0;    // the plain average of the codes, 0 to 255
    double deviation = 0;  // the codes' standard deviation (of the whole area, not a sample)
    double light = 0;      // the mean in linear light, 0 to 1
    double linearMean = 0; // the same encoded again: a code of 0 to 255
};

struct AreaFigures {
    QRect area; // the rectangle measured, in picture pixels
    qint64 pixels = 0;
    std::array<ChannelFigures, 3> channels; // red, green, blue
    // The mean of the light the pixels give (what a blur or a step back shows), and beside it the
    // plain average of the stored codes, which a mix of light and dark pulls darker.
    Color mean;
    Color plainAverage;
    Color median;
    Color minimum;
    Color maximum;
    // The largest CIEDE2000 difference of a pixel from the (unrounded) mean.
    double spread = 0;
};

// picture: opaque, as FlattenedPicture gives it. area is clipped to the picture; an empty area
// gives zero pixels and zero figures.
AreaFigures MeasureArea(const QImage& picture, const QRect& area);

class ColorSet;

// The same gathered a band of rows at a time, as a picture still arriving gives them.
class AreaMeasure {
public:
    using Histogram = std::array<std::uint64_t, 256>;
    // area: within the pictures that add() will be given.
    explicit AreaMeasure(const QRect& area);
    ~AreaMeasure();
    AreaMeasure(const AreaMeasure&) = delete;
    AreaMeasure& operator=(const AreaMeasure&) = delete;

    const QRect& area() const { return m_area; }
    // Rows firstRow .. firstRow + rows - 1 of the area, each once.
    void add(const QImage& picture, int firstRow, int rows);
    AreaFigures finish() const;

private:
    QRect m_area;
    qint64 m_pixels = 0;
    std::array<Histogram, 3> m_histograms{};
    std::unique_ptr<ColorSet> m_colors;
};

// The words of a text for people to read: in the user's language, or in English, as the command
// line's results on standard output are (scripts read them).
enum class Wording { Translated, English };

// The figures as lines of text, a name and its value each, for people to read.
QString AreaText(const AreaFigures& figures, Wording wording = Wording::Translated);
