#pragma once

#include "core/TickClock.h"

#include <functional>
#include <vector>

namespace mirel::testing {

// A tick clock that moves only when the test says so, or when the game sleeps on it: a sleep
// moves it on at once and is recorded.
class ManualClock final : public TickClock {
public:
    std::int64_t now() override { return ticks; }
    void sleepFor(std::int64_t ms) override {
        sleeps.push_back(ms);
        if (onSleep) onSleep(ms);
        ticks += ms;
    }
    void advance(std::int64_t ms) { ticks += ms; }

    std::int64_t ticks = 1000;
    std::vector<std::int64_t> sleeps;
    std::function<void(std::int64_t)> onSleep;
};

} // namespace mirel::testing
