#pragma once

#include "board/Board.h"
#include "core/RandomSource.h"

namespace mirel {

// The kind a draw u in [0, 1) deals: 1..kindLimit + 1.
std::int16_t dealtKind(std::int16_t kindLimit, float u);

// Fills every cell with a random kind, row by row from the top and left to right within a
// row, one draw per cell; sets the paint position of every cell and paints it.
void dealBoard(BoardModel& board, RandomSource& random, BoardPainter& painter);

} // namespace mirel
