#pragma once

#include "core/RandomSource.h"

#include <cstdint>
#include <random>

namespace mirel {

// Seeded once from the clock when it is made.
class RealRandom final : public RandomSource {
public:
    RealRandom();
    explicit RealRandom(std::uint32_t seed) : engine(seed) {}
    float next() override;

private:
    std::mt19937 engine;
};

} // namespace mirel
