#include "hazards/Undo.h"

namespace mirel {

void takeUndoCopy(BoardModel& board) {
    for (std::int16_t r = 1; r <= RowCount; ++r)
        for (std::int16_t c = 1; c <= ColumnCount; ++c)
            board.UndoPieces[r][c] = board.BoardPieces[r][c];
}

void startUndoAfresh(BoardModel& board) {
    takeUndoCopy(board);
    board.UndoScore = 0;
}

bool restoreUndoCopy(BoardModel& board, BoardPainter& painter) {
    const bool changed = board.BoardPieces != board.UndoPieces;
    for (std::int16_t c = 1; c <= ColumnCount; ++c) {
        for (std::int16_t r = 1; r <= RowCount; ++r) {
            board.BoardPieces[r][c] = board.UndoPieces[r][c];
            painter.paintCell(r, c, board.BoardPieces[r][c]);
        }
    }
    board.Score = board.UndoScore;
    return changed;
}

} // namespace mirel
