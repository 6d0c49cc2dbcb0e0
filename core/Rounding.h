#pragma once

#include <cmath>
#include <cstdint>

namespace mirel {

// The game's two ways of making a whole number of a fraction.

// Int(x): the largest whole number not above x.
inline std::int32_t wholePart(float x) {
    return static_cast<std::int32_t>(std::floor(x));
}

// Rounding to the nearest whole number, halves to the even neighbour.
inline std::int32_t roundHalfEven(float x) {
    const float below = std::floor(x);
    const float fraction = x - below;
    auto whole = static_cast<std::int32_t>(below);
    if (fraction > 0.5f || (fraction == 0.5f && (whole % 2 != 0))) ++whole;
    return whole;
}

} // namespace mirel
