#include "board/ClickResolution.h"

namespace mirel {

std::optional<Cell> cellAt(const BoardModel& board, float x, float y) {
    for (std::int16_t r = 1; r <= RowCount; ++r) {
        for (std::int16_t c = 1; c <= ColumnCount; ++c) {
            const float left = board.CellX[r][c];
            const float top = board.CellY[r][c];
            if (left <= x && x <= left + PieceSize && top <= y && y <= top + PieceSize)
                return Cell{r, c};
        }
    }
    return std::nullopt;
}

Group findGroup(const Grid& pieces, Cell start) {
    Group group;
    Marks visited{};
    group.cells[0] = start;
    group.size = 1;
    visited[start.row][start.col] = true;

    const auto join = [&](std::int16_t r, std::int16_t c, std::int16_t kind) {
        if (pieces[r][c] == kind && !visited[r][c]) {
            visited[r][c] = true;
            group.cells[group.size++] = Cell{r, c};
        }
    };
    for (std::int16_t i = 0; i < group.size; ++i) {
        const auto [r, c] = group.cells[i];
        const std::int16_t kind = pieces[r][c];
        if (r >= 2) join(r - 1, c, kind);
        if (r <= RowCount - 1) join(r + 1, c, kind);
        if (c >= 2) join(r, c - 1, kind);
        if (c <= ColumnCount - 1) join(r, c + 1, kind);
    }
    return group;
}

Marks marksOf(const Group& group) {
    Marks marks{};
    for (std::int16_t i = 0; i < group.size; ++i)
        marks[group.cells[i].row][group.cells[i].col] = true;
    return marks;
}

void removeMarked(Grid& pieces, const Marks& marks, BoardPainter& painter) {
    // The fall: in each column the unmarked cells above the lowest mark close up over the
    // marked ones, in their order, and empty cells fill the top.
    std::array<std::int16_t, ColumnCount + 1> lowestMark{};
    int takenOut = 0;
    for (std::int16_t c = 1; c <= ColumnCount; ++c) {
        std::int16_t low = RowCount;
        while (low >= 1 && !marks[low][c])
            --low;
        if (low < 1) continue;
        lowestMark[c] = low;
        std::int16_t to = low;
        for (std::int16_t r = low; r >= 1; --r) {
            if (marks[r][c])
                ++takenOut;
            else
                pieces[to--][c] = pieces[r][c];
        }
        for (; to >= 1; --to)
            pieces[to][c] = 0;
    }

    // Closing: the columns holding a piece keep their order and gather at the left.
    std::array<bool, ColumnCount + 1> occupied{};
    std::int16_t rightmost = 0;
    for (std::int16_t c = 1; c <= ColumnCount; ++c) {
        for (std::int16_t r = 1; r <= RowCount && !occupied[c]; ++r)
            occupied[c] = pieces[r][c] != 0;
        if (occupied[c]) rightmost = c;
    }
    std::int16_t firstClosed = 1;
    while (firstClosed < rightmost && occupied[firstClosed])
        ++firstClosed;
    if (firstClosed >= rightmost) firstClosed = ColumnCount + 1; // nothing closes
    std::int16_t to = firstClosed;
    for (std::int16_t c = firstClosed; c <= ColumnCount; ++c) {
        if (!occupied[c]) continue;
        for (std::int16_t r = 1; r <= RowCount; ++r)
            pieces[r][to] = pieces[r][c];
        ++to;
    }
    for (; to <= ColumnCount; ++to)
        for (std::int16_t r = 1; r <= RowCount; ++r)
            pieces[r][to] = 0;

    for (std::int16_t c = 1; c <= ColumnCount; ++c) {
        const std::int16_t top = c >= firstClosed ? RowCount : lowestMark[c];
        for (std::int16_t r = 1; r <= top; ++r)
            painter.paintCell(r, c, pieces[r][c]);
    }
    for (int i = 0; i < takenOut; ++i)
        painter.pieceTakenOut();
}

void scoreRemoval(BoardModel& board, std::int16_t removed) {
    board.UndoScore = board.Score;
    board.Score += pointsFor(removed);
}

PressOutcome outcomeOfPress(const Grid& pieces, Cell cell) {
    const std::int16_t piece = pieces[cell.row][cell.col];
    if (piece == 0) return {};
    const std::int16_t size = findGroup(pieces, cell).size;
    if (size == 1) return {PressOutcome::LonePiece, piece, 1, 0};
    return {PressOutcome::RemovesGroup, piece, size, pointsFor(size)};
}

bool MovesLeft(const Grid& pieces) {
    for (std::int16_t c = 1; c <= ColumnCount; ++c) {
        for (std::int16_t r = 1; r <= RowCount; ++r) {
            const std::int16_t kind = pieces[r][c];
            if (kind == 0) continue;
            if ((r >= 2 && pieces[r - 1][c] == kind) ||
                (r <= RowCount - 1 && pieces[r + 1][c] == kind) ||
                (c >= 2 && pieces[r][c - 1] == kind) ||
                (c <= ColumnCount - 1 && pieces[r][c + 1] == kind))
                return true;
        }
    }
    return false;
}

} // namespace mirel
