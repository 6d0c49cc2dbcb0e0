#include "board/Deal.h"

#include "core/Rounding.h"

#include <algorithm>

namespace mirel {

std::int16_t dealtKind(std::int16_t kindLimit, float u) {
    const auto kind = wholePart(static_cast<float>(kindLimit + 1) * u) + 1;
    // A source that broke its promise of u < 1 must not deal a kind without a picture.
    return static_cast<std::int16_t>(std::clamp(kind, 1, kindLimit + 1));
}

void dealBoard(BoardModel& board, RandomSource& random, BoardPainter& painter) {
    std::int16_t y = FirstCellY;
    for (std::int16_t r = 1; r <= RowCount; ++r) {
        std::int16_t x = FirstCellX;
        for (std::int16_t c = 1; c <= ColumnCount; ++c) {
            const std::int16_t kind = dealtKind(board.KindLimit, random.next());
            board.BoardPieces[r][c] = kind;
            board.CellX[r][c] = x;
            board.CellY[r][c] = y;
            painter.paintCell(r, c, kind);
            x += CellPitch;
        }
        y += CellPitch;
    }
}

} // namespace mirel
