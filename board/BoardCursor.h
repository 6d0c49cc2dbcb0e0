#pragma once

#include "board/Board.h"

#include <algorithm>

namespace mirel {

// Players without a mouse move a cursor over the board. It starts on the bottom-left cell at
// every new game, moves one cell a step and stops at the edges.
constexpr Cell CursorStart{RowCount, 1};

constexpr Cell moveCursor(Cell at, int rows, int cols) {
    return {static_cast<std::int16_t>(std::clamp(at.row + rows, 1, int(RowCount))),
            static_cast<std::int16_t>(std::clamp(at.col + cols, 1, int(ColumnCount)))};
}

static_assert(moveCursor(CursorStart, 1, -1) == CursorStart);
static_assert(moveCursor({1, ColumnCount}, -1, 1) == Cell{1, ColumnCount});

} // namespace mirel
