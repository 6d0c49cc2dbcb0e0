#include "hazards/ShiftSchedule.h"

#include "core/Rounding.h"

namespace mirel {

std::int32_t drawShiftDelay(RandomSource& random) {
    return roundHalfEven(random.next() * 10001.0f + 10000.0f);
}

void resetShiftClock(ShiftClock& clock) {
    clock.LastEventTick = 0;
    clock.EventInterval = {0, 0};
}

void scheduleShift(ShiftClock& clock, ShiftKind which, bool enabled, RandomSource& random) {
    const std::int32_t delay = drawShiftDelay(random);
    if (enabled) clock.EventInterval[which] = delay;
}

void startShiftClock(ShiftClock& clock, std::int64_t now) {
    if (clock.LastEventTick == 0) clock.LastEventTick = now;
}

} // namespace mirel
