#pragma once

namespace mirel {

// The one source of chance in the game: uniform single-precision fractions in [0, 1),
// a fresh one per draw. Tests script the exact values; the game uses RealRandom.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

} // namespace mirel
