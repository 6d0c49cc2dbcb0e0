#pragma once

#include <array>
#include <cstdint>

namespace mirel {

// The six digits a score is shown with, leftmost first, zero-padded ("#000000").
// Six places hold 0..999999; a score outside that range (only an edited settings store can
// give one) is shown as the nearest value that fits, so no place is ever left without a digit.
std::array<std::int16_t, 6> scoreDigits(std::int32_t score);

} // namespace mirel
