#include "hazards/Shifts.h"

#include "board/ClickResolution.h"

#include <algorithm>
#include <numeric>

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

namespace {

struct NoPainter final : BoardPainter {
    void paintCell(std::int16_t, std::int16_t, std::int16_t) override {}
};

// How many row shifts turn the board back into itself.
int rowShiftPeriod(const Grid& pieces) {
    int period = 1;
    for (std::int16_t col = 1; col <= ColumnCount; ++col) {
        int height = 0;
        for (std::int16_t row = 1; row <= RowCount; ++row)
            height += pieces[row][col] != 0 ? 1 : 0;
        if (height >= 2) period = std::lcm(period, height);
    }
    return period;
}

} // namespace

bool shiftsCanBringAGroup(const Grid& pieces, bool rowShifts, bool columnShifts) {
    const int rowTurns = rowShifts ? rowShiftPeriod(pieces) : 1;
    const int columnTurns = columnShifts ? std::max<int>(1, occupiedColumns(pieces)) : 1;
    NoPainter none;
    Grid board = pieces;
    for (int rows = 0; rows < rowTurns; ++rows) {
        // After a full turn of the columns the board is back where this row shift left it.
        for (int columns = 0; columns < columnTurns; ++columns) {
            if (MovesLeft(board)) return true;
            if (columnTurns > 1) columnShift(board, none);
        }
        rowShift(board, none);
    }
    return false;
}

} // namespace mirel
