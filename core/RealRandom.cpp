#include "core/RealRandom.h"

#include <chrono>

namespace mirel {

RealRandom::RealRandom()
    : engine(
          static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

float RealRandom::next() {
    // 24 random bits make every float in [0, 1) on a 2^-24 grid equally likely, and the
    // largest is 1 - 2^-24, so 1.0 itself can never come out (uniform_real_distribution
    // may round up to 1.0 for float).
    return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
}

} // namespace mirel
