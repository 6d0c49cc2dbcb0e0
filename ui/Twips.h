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

} // namespace mirel
