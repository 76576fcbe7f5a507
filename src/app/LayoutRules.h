#pragma once
// How the window's stretching controls follow its outer size. All values are twips; the window's
// size is its outer size, frame, title bar and menu bar included.

#include <cmath>
#include <cstdint>

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

} // namespace LayoutRules
