#include "hazards/Press.h"

#include "board/ClickResolution.h"
#include "hazards/Mines.h"
#include "hazards/Undo.h"

namespace mirel {

PressResult resolvePress(BoardModel& board, ShiftClock& shifts, Cell cell, std::int64_t now,
                         BoardPainter& painter) {
    if (isMined(board.BoardMines, cell)) return PressResult::Mine;
    const Group group = findGroup(board.BoardPieces, cell);
    if (group.size == 1) return PressResult::LonePiece;
    takeUndoCopy(board);
    removeMarked(board.BoardPieces, marksOf(group), painter);
    scoreRemoval(board, group.size);
    startShiftClock(shifts, now);
    return MovesLeft(board.BoardPieces) ? PressResult::Removed : PressResult::RemovedLastMove;
}

} // namespace mirel
