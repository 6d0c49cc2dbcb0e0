#pragma once

#include "core/RandomSource.h"

#include <array>
#include <cstdint>
#include <optional>

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

// The shift due at tick `now`, if any: none while the clock is idle. Both delays count from
// the same last shift, so the smaller one wins the race; the row shift is looked at first,
// so at most one shift is due at a time and the row shift wins a tie.
std::optional<ShiftKind> dueShift(const ShiftClock& clock, std::int64_t now);

// After a shift has run: that shift draws its next delay (one draw), the other keeps its own,
// and the clock counts again from `now`, the tick read before the shift, so the time the
// shift itself took counts towards the next delay.
void shiftDone(ShiftClock& clock, ShiftKind which, std::int64_t now, RandomSource& random);

// The end of a game: the clock goes idle, so no shift moves a finished board. The delays are
// kept; the next scoring move starts the clock again.
void stopShiftClock(ShiftClock& clock);

} // namespace mirel
