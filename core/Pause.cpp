#include "core/TickClock.h"

namespace mirel {

void pauseUntil(TickClock& clock, std::int64_t deadline) {
    // A sleep may end early (a signal) or late; the clock alone decides when the pause is over.
    for (std::int64_t left = deadline - clock.now(); left > 0; left = deadline - clock.now())
        clock.sleepFor(left);
}

} // namespace mirel
