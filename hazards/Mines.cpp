#include "hazards/Mines.h"

#include "core/Rounding.h"

#include <algorithm>

namespace mirel {

std::int16_t mineCount(float u) {
    return static_cast<std::int16_t>(roundHalfEven(10.0f * u + 1.0f));
}

void layMines(Grid& mines, RandomSource& random) {
    std::int16_t n = mineCount(random.next());
    while (n > 0) {
        // Clamped so that a fraction of exactly 1 could never reach outside the board.
        const auto c = static_cast<std::int16_t>(
            std::clamp(wholePart(15.0f * random.next() + 1.0f), 1, int{ColumnCount}));
        const auto r = static_cast<std::int16_t>(
            std::clamp(wholePart(10.0f * random.next() + 1.0f), 1, int{RowCount}));
        if (mines[r][c] == 0) {
            mines[r][c] = FlagTrue;
            --n;
        }
    }
}

void clearMines(Grid& mines) {
    for (auto& row : mines)
        row.fill(0);
}

} // namespace mirel
