#pragma once

#include <cstdint>

namespace mirel {

// A monotonic count of milliseconds, 32 bits wide. The shift clock treats 0 as "idle",
// so a real clock never reads 0. Tests advance a clock of their own by hand.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::int32_t now() = 0;
};

} // namespace mirel
