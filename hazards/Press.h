#pragma once

#include "board/Board.h"
#include "hazards/ShiftSchedule.h"

#include <cstdint>

namespace mirel {

// The rules' part of a press on a cell that holds a piece, in the game's order. A mine is
// left for the caller to set off. A lone piece does nothing. A group is removed: the undo
// copy is taken, the cells are taken out and painted, the points scored and the shift clock
// started again at `now`; the last move leaves no move on the board.
enum class PressResult : std::int16_t { Mine, LonePiece, Removed, RemovedLastMove };
PressResult resolvePress(BoardModel& board, ShiftClock& shifts, Cell cell, std::int64_t now,
                         BoardPainter& painter);

} // namespace mirel
