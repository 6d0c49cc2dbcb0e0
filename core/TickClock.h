#pragma once

#include <cstdint>

namespace mirel {

// A monotonic count of milliseconds. It is 64 bits wide, so a game left open for weeks never
// sees it wrap; the shift clock treats 0 as "idle", so a real clock never reads 0. Tests
// advance a clock of their own by hand.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::int64_t now() = 0;
    // Blocks the thread for about `ms` milliseconds without handling any event. A test clock
    // moves forward by `ms` instead of sleeping.
    virtual void sleepFor(std::int64_t ms) = 0;
};

// Holds the thread until the clock reads `deadline` or later, asleep rather than spinning.
void pauseUntil(TickClock& clock, std::int64_t deadline);

} // namespace mirel
