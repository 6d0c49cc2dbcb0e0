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

std::optional<ShiftKind> dueShift(const ShiftClock& clock, std::int64_t now) {
    if (clock.LastEventTick == 0) return std::nullopt;
    for (const ShiftKind which : {RowShift, ColumnShift}) {
        const std::int32_t interval = clock.EventInterval[which];
        if (interval != 0 && now - clock.LastEventTick >= interval) return which;
    }
    return std::nullopt;
}

void shiftDone(ShiftClock& clock, ShiftKind which, std::int64_t now, RandomSource& random) {
    clock.EventInterval[which] = drawShiftDelay(random);
    clock.LastEventTick = now;
}

void stopShiftClock(ShiftClock& clock) {
    clock.LastEventTick = 0;
}

} // namespace mirel
