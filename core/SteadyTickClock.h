#pragma once

#include "core/TickClock.h"

#include <chrono>

namespace mirel {

// Milliseconds since the clock was made, starting at 1, so that it never reads 0 and does
// not turn negative for the first 24 days of a run.
class SteadyTickClock final : public TickClock {
public:
    std::int32_t now() override;

private:
    std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();
};

} // namespace mirel
