#include "scores/ScoreDigits.h"

#include <algorithm>

namespace mirel {

std::array<std::int16_t, 6> scoreDigits(std::int32_t score) {
    std::int32_t rest = std::clamp(score, 0, 999999);
    std::array<std::int16_t, 6> digits{};
    for (int i = 5; i >= 0; --i) {
        digits[i] = static_cast<std::int16_t>(rest % 10);
        rest /= 10;
    }
    return digits;
}

} // namespace mirel
