#pragma once

#include "board/Board.h"

namespace mirel {

// One level of undo: the board and score just before the last removal of two or more pieces.

void takeUndoCopy(BoardModel& board);

// A new game starts with its own deal as the snapshot, so that an undo before its first
// removal changes nothing instead of bringing back the previous game.
void startUndoAfresh(BoardModel& board);

// Puts the snapshot back, column by column, repainting all 150 cells, and the score with it.
// The snapshot stays, so a second undo gives the same board. Returns whether the board was
// any different from the snapshot's pieces.
bool restoreUndoCopy(BoardModel& board, BoardPainter& painter);

} // namespace mirel
