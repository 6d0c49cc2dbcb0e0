#include "core/SteadyTickClock.h"

#include <thread>

namespace mirel {

std::int64_t SteadyTickClock::now() {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - origin);
    return static_cast<std::int64_t>(elapsed.count()) + 1;
}

void SteadyTickClock::sleepFor(std::int64_t ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace mirel
