#pragma once
// How the window's stretching controls follow its outer size. All values are twips; the window's
// size is its outer size, frame, title bar and menu bar included.

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace LayoutRules {

constexpr double kMinWidth = 8700;
constexpr double kMinHeight = 3000;

// The picture grows both ways with the window; the list grows in width only, from 5300 at the
// narrowest window. The picture and the list then end at the same right edge.
constexpr double PictureWidth(double windowWidth) {
    return windowWidth - 400;
}
constexpr double PictureHeight(double windowHeight) {
    return windowHeight - 1550;
}
// The details line under the picture, when shown, is this high; the picture is that much less.
constexpr double kDetailsHeight = 255;
constexpr float GridWidth(double windowWidth) {
    return static_cast<float>((windowWidth - kMinWidth) + 5300);
}

// The Description column takes what the five fixed columns leave of the width the grid took;
// whole twips, a half going to the even neighbour.
inline std::int32_t DescriptionWidth(double gridWidth) {
    return static_cast<std::int32_t>(std::nearbyint(gridWidth - 4050));
}

// The description editor is a little narrower than the column it lies over.
constexpr std::int32_t EditorWidth(std::int32_t descriptionWidth) {
    return descriptionWidth - 400;
}

// Whether a size falls short of a minimum by half a pixel or more. A size rounded to whole pixels
// never counts as short, so a correction to the minimum is final at every density: one that read
// back short would correct again without end.
constexpr bool ShortOf(double twips, double minimum, double twipsPerPixel) {
    return twips < minimum - twipsPerPixel / 2;
}

// At a fractional scale factor the toolkit's whole pixels are rounded from device pixels, each edge
// of a window on its own, so a window may read back a pixel off from what it was given.
inline int RoundingSlack(double devicePixelRatio) {
    return devicePixelRatio == std::floor(devicePixelRatio) ? 0 : 1;
}

// A window coordinate set in twips and kept by the window in whole pixels. While the window still
// has the pixels the value gave it (give or take the rounding slack), it reads back as the value
// that was set: what shut-down writes reads back as itself at every density and scale, where
// pixels x twips-per-pixel would creep (3000 twips are 208 pixels at 100 DPI, read as 2995.2).
class SetTwips {
public:
    void remember(double twips, int pixels) {
        m_twips = twips;
        m_pixels = pixels;
        m_set = true;
    }
    double read(int pixelsNow, double twipsPerPixel, int slack) const {
        if (m_set && std::abs(pixelsNow - m_pixels) <= slack) {
            return m_twips;
        }
        return pixelsNow * twipsPerPixel;
    }

private:
    double m_twips = 0;
    int m_pixels = 0;
    bool m_set = false;
};

} // namespace LayoutRules
