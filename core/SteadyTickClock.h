#pragma once

#include "core/TickClock.h"

#include <chrono>

namespace mirel {

// Milliseconds since the clock was made, starting at 1, so that it never reads 0.
class SteadyTickClock final : public TickClock {
public:
    std::int64_t now() override;
    void sleepFor(std::int64_t ms) override;

private:
    std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();
};

} // namespace mirel
