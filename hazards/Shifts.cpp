#include "hazards/Shifts.h"

namespace mirel {

void rowShift(Grid& pieces, BoardPainter& painter) {
    for (std::int16_t col = 1; col <= ColumnCount; ++col) {
        std::int16_t top = 1;
        while (top < RowCount && pieces[top][col] == 0)
            ++top;
        if (top == RowCount) continue; // one piece or none: nothing to turn
        const std::int16_t bottom = pieces[RowCount][col];
        for (std::int16_t r = RowCount; r > top; --r) {
            pieces[r][col] = pieces[r - 1][col];
            painter.paintCell(r, col, pieces[r][col]);
        }
        pieces[top][col] = bottom;
        painter.paintCell(top, col, bottom);
    }
}

std::int16_t occupiedColumns(const Grid& pieces) {
    std::int16_t last = 0;
    while (last < ColumnCount && pieces[RowCount][last + 1] != 0)
        ++last;
    return last;
}

bool columnShift(Grid& pieces, BoardPainter& painter) {
    const std::int16_t last = occupiedColumns(pieces);
    if (last <= 1) return false;
    for (std::int16_t row = 1; row <= RowCount; ++row) {
        const std::int16_t end = pieces[row][last];
        for (std::int16_t col = last; col >= 2; --col) {
            pieces[row][col] = pieces[row][col - 1];
            painter.paintCell(row, col, pieces[row][col]);
        }
        pieces[row][1] = end;
        painter.paintCell(row, 1, end);
    }
    return true;
}

} // namespace mirel
