#pragma once

#include <cmath>
#include <cstdint>

namespace mirel {

// The game's two ways of making a whole number of a fraction.

// Int(x): the largest whole number not above x.
inline std::int32_t wholePart(float x) {
    return static_cast<std::int32_t>(std::floor(x));
}

// Rounding to the nearest whole number, halves to the even neighbour (the floating-point
// environment's default rounding, which the game never changes).
inline std::int32_t roundHalfEven(float x) {
    return static_cast<std::int32_t>(std::nearbyint(x));
}

} // namespace mirel
