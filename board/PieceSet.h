#pragma once

#include <array>
#include <cstdint>

namespace mirel {

// The three sets of pieces the player can choose from.
enum class PieceSet : std::int16_t { Balls = 1, Boxes = 2, Faces = 3 };

// Marks a name a screen reader says: the program's translations find it by this mark (see
// i18n/) and look it up under "mirel".
constexpr const char* spoken(const char* name) {
    return name;
}

// One kind of piece: the name a screen reader says for it, and the colours the pictures are
// drawn in (0xRRGGBB): a ball with the colour its shadow side turns to, a box in one colour.
// Faces are drawn by their mood, in the order of their names.
struct PieceKind {
    const char* name;
    std::uint32_t colour = 0;
    std::uint32_t shade = 0;
};

// Every set, once: the name its pictures are stored under (ball0, ball1, ...), how many kinds
// it deals, and those kinds, the kind k (from 1) as kinds[k - 1].
struct PieceSetKinds {
    const char* pictures;
    std::int16_t count;
    std::array<PieceKind, 6> kinds;
};

// Pieces of one set must stay apart for players who see colour differently (the common
// red-green and blue-yellow deficiencies: tests/PieceColoursTest.py). Hue alone cannot do
// that, so the balls also stand at different lightness: the cyan and the yellow lightest, then
// the grey and the green, the magenta, and the red darkest, its shadow near black; the green is
// a little bluer and softer than a pure green, which would read as the yellow's twin to a
// red-blind eye. The boxes are apart in the same way: the green a yellowish mid-green well
// lighter than the deep red.
inline constexpr std::array<PieceSetKinds, 3> PieceSets = {{
    {"ball",
     6,
     {{{spoken("cyan ball"), 0x3ae3fb, 0x006dbc},
       {spoken("green ball"), 0x3ec86e, 0x254d36},
       {spoken("grey ball"), 0xa4a4ae, 0x44444b},
       {spoken("magenta ball"), 0xf02ad0, 0x36004a},
       {spoken("red ball"), 0xe62f15, 0x550400},
       {spoken("yellow ball"), 0xfadc22, 0x9c5a29}}}},
    {"box",
     6,
     {{{spoken("blue square"), 0x2860f0},
       {spoken("cyan square"), 0x18d0e8},
       {spoken("green square"), 0x68b339},
       {spoken("red square"), 0xd40319},
       {spoken("white square"), 0xeeeeee},
       {spoken("yellow square"), 0xffe12d}}}},
    {"face",
     5,
     {{{spoken("sad face")},
       {spoken("frowning face")},
       {spoken("grinning face")},
       {spoken("smiling face")},
       {spoken("neutral face")}}}},
}};

constexpr const PieceSetKinds& kindsOf(PieceSet set) {
    return PieceSets[std::size_t(set) - 1];
}

// Number of kinds in play minus one: six balls or six boxes, but only five faces.
constexpr std::int16_t kindLimitFor(PieceSet set) {
    return std::int16_t(kindsOf(set).count - 1);
}

} // namespace mirel
