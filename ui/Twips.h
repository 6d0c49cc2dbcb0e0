#pragma once

#include <cmath>

namespace mirel {

// Window layouts are given in twips, 15 to a pixel. This is the one place that converts.
constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}

// A press anywhere inside a pixel is taken at the pixel's centre, so that the pixels a
// picture covers and the twips its hit area covers agree exactly.
inline float pressToTwips(double pixel) {
    return static_cast<float>(std::floor(pixel) * TwipsPerPixel + TwipsPerPixel / 2);
}

// The whole layout can be drawn larger by one factor (1 is the size the game opens with):
// a twip then covers `factor` / 15 pixels. At 1 every conversion below is the one above.

// Where a box placed at `twips` begins, in pixels.
inline int toPixels(int twips, double factor) {
    if (factor == 1.0) return toPixels(twips);
    // The allowance keeps a product that should be whole from falling short of it.
    return static_cast<int>(std::floor(twips * factor / TwipsPerPixel + 1e-9));
}

// A press inside the pixel at `pixel`, at `factor`: the pixel's centre, in twips.
inline float pressToTwips(double pixel, double factor) {
    if (factor == 1.0) return pressToTwips(pixel);
    return static_cast<float>((std::floor(pixel) + 0.5) * TwipsPerPixel / factor);
}

// The first pixel inside a box at which a picture placed at `twips` is drawn: the first whose
// press (above) lands at `twips` or beyond, so that a picture covers exactly the pixels whose
// presses land on it.
inline int firstPixelAt(int twips, double factor) {
    if (factor == 1.0) return toPixels(twips);
    int pixel = static_cast<int>(std::ceil(twips * factor / TwipsPerPixel - 0.5));
    while (pressToTwips(pixel - 1, factor) >= static_cast<float>(twips))
        --pixel;
    while (pressToTwips(pixel, factor) < static_cast<float>(twips))
        ++pixel;
    return pixel;
}

} // namespace mirel
