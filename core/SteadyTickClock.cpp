#include "core/SteadyTickClock.h"

namespace mirel {

std::int32_t SteadyTickClock::now() {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - origin);
    // Wraps like any 32-bit tick count; differences of two readings stay right across it.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed.count()) + 1u);
}

} // namespace mirel
