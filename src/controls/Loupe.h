#pragma once
// The loupe: the square of picture pixels around the pointer's, enlarged, with the pointer's
// pixel outlined and the averaging square marked. It floats over the picture beside the read-out
// box and lets the pointer through to the picture.

#include "pixels/Color.h"

#include <QWidget>
#include <array>

class Loupe : public QWidget {
    Q_OBJECT
public:
    // Pixels across, the pointer's in the middle, and the logical pixels each is drawn as.
    static constexpr int kSpan = 11;
    static constexpr int kCell = 7;
    using Pixels = std::array<ColorValue, kSpan * kSpan>;

    explicit Loupe(QWidget* parent);

    // The colour values row by row (-1 where a pixel lies outside the drawing area) and the
    // averaging radius whose square is marked.
    void setPixels(const Pixels& pixels, int radius);
    const Pixels& pixels() const { return m_pixels; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Pixels m_pixels{};
    int m_radius = 0;
};
