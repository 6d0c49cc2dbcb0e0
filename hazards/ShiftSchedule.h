#pragma once

#include "core/RandomSource.h"

#include <array>
#include <cstdint>

namespace mirel {

enum ShiftKind : std::int16_t { RowShift = 0, ColumnShift = 1 };

// When the timed shifts come. LastEventTick is 0 while the shifts are idle (before the
// first removal of a game); an EventInterval of 0 means that shift is off for this game.
struct ShiftClock {
    std::int64_t LastEventTick = 0;
    std::array<std::int32_t, 2> EventInterval{};
};

// A fresh delay of 10000..20001 ms: u x 10001 + 10000, rounded, halves to even.
std::int32_t drawShiftDelay(RandomSource& random);

// A new game: idle, both shifts off until scheduled.
void resetShiftClock(ShiftClock& clock);

// Gives an enabled shift its first delay. The delay is drawn whether or not the shift is on,
// so that every game takes the same number of draws.
void scheduleShift(ShiftClock& clock, ShiftKind which, bool enabled, RandomSource& random);

// The first removal of a game starts the clock; later removals leave it alone.
void startShiftClock(ShiftClock& clock, std::int64_t now);

} // namespace mirel
