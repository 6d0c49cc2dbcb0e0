#pragma once

#include "board/Board.h"
#include "core/RandomSource.h"

namespace mirel {

// How many mines a game gets for the draw u: 10u + 1 rounded, halves to even, so 1..11.
std::int16_t mineCount(float u);

// Lays the mines of a new game on a cleared grid: the count first, then for every mine a
// column and a row (two draws, column first); a cell already mined is drawn again.
void layMines(Grid& mines, RandomSource& random);

void clearMines(Grid& mines);

inline bool isMined(const Grid& mines, Cell cell) {
    return mines[cell.row][cell.col] != 0;
}

} // namespace mirel
