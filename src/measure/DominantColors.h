#pragma once
// The few colours that make up most of a picture or an area: its palette.

#include "measure/AreaStats.h"
#include "pixels/Color.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <memory>

constexpr int kMinPaletteColors = 2;
constexpr int kMaxPaletteColors = 16;
constexpr int kDefaultPaletteColors = 6;

struct ColorShare {
    Color color;
    qint64 pixels = 0; // how many of the area's pixels it stands for
    double share = 0;  // that, as a part of the area: 0 to 1
    friend bool operator==(const ColorShare&, const ColorShare&) = default;
};

// The area's count dominant colours (count clamped to 2..16; fewer when the area's colours fall
// into fewer groups: colours in the same box of 8 codes a channel count as one), largest share
// first. Found by clustering in Oklab, where distances follow
// what the eye sees, from a fixed start: the same pixels always give the same colours in the
// same order. picture: opaque, as FlattenedPicture gives it; area is clipped to it.
QList<ColorShare> DominantColors(const QImage& picture, const QRect& area, int count);

// The same gathered a band of rows at a time, as a picture still arriving gives them.
class PaletteGather {
public:
    explicit PaletteGather(const QRect& area);
    ~PaletteGather();
    PaletteGather(const PaletteGather&) = delete;
    PaletteGather& operator=(const PaletteGather&) = delete;

    const QRect& area() const { return m_area; }
    // Rows firstRow .. firstRow + rows - 1 of the area, each once.
    void add(const QImage& picture, int firstRow, int rows);
    QList<ColorShare> finish(int count) const;

private:
    struct Boxes;
    QRect m_area;
    qint64 m_pixels = 0;
    std::unique_ptr<Boxes> m_boxes;
};

// A share as the list describes it: "31 % of the area" (under 1 %: "< 1 % of the area").
QString ShareText(double share, Wording wording = Wording::Translated);
