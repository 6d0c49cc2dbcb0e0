#pragma once

#include "core/TickClock.h"

namespace mirel::testing {

// A tick clock that moves only when the test says so.
class ManualClock final : public TickClock {
public:
    std::int32_t now() override { return ticks; }
    void advance(std::int32_t ms) { ticks += ms; }
    std::int32_t ticks = 1000;
};

} // namespace mirel::testing
