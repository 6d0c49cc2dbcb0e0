#pragma once

#include <cstdint>

namespace mirel {

// The three sets of pieces the player can choose from.
enum class PieceSet : std::int16_t { Balls = 1, Boxes = 2, Faces = 3 };

// Number of kinds in play minus one: six balls or six boxes, but only five faces.
constexpr std::int16_t kindLimitFor(PieceSet set) {
    return set == PieceSet::Faces ? 4 : 5;
}

} // namespace mirel
