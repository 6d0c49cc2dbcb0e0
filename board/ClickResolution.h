#pragma once

#include "board/Board.h"

#include <optional>

namespace mirel {

// The cell whose picture contains the point (x, y), in twips on the board, both bounds
// inclusive; none for a point in a gap between pictures or outside the grid. Rows are
// searched from the top, and within a row from the left, so the first hit wins.
std::optional<Cell> cellAt(const BoardModel& board, float x, float y);

// The orthogonally connected cells of the start cell's kind, found breadth first
// (neighbours tried above, below, left, right). The start cell comes first.
struct Group {
    std::array<Cell, CellCount> cells{};
    std::int16_t size = 0;
};
Group findGroup(const Grid& pieces, Cell start);

Marks marksOf(const Group& group);

// Takes every marked cell out of the board, pieces and empty cells alike. The fall: in each
// column the cells above its lowest mark close up over the marked ones, in their order, and
// empty cells fill the top. Then the closing: every empty column that has a piece somewhere to
// its right goes, the columns to its right keep their order and move left, and the columns
// freed at the right edge are empty; empty columns at the right edge stay where they are.
// Mines stay where they are.
//
// Painted is every cell of a marked column from row 1 down to its lowest mark, and every cell
// of the first closed column and of all to its right, each once and at the kind it ends with;
// pieceTakenOut is called once for every marked cell. A removal is seen only when it is done,
// so the boards in between are not painted.
void removeMarked(Grid& pieces, const Marks& marks, BoardPainter& painter);

// Two points a removed piece; the score before the move is kept for undo.
constexpr std::int32_t pointsFor(std::int16_t removed) {
    return 2 * std::int32_t{removed};
}
void scoreRemoval(BoardModel& board, std::int16_t removed);

// What a press on a cell would do, as far as the player may know: hidden mines are not
// told. An empty cell and a lone piece do nothing; a group is removed for its points.
struct PressOutcome {
    enum Kind : std::int16_t { EmptyCell, LonePiece, RemovesGroup };
    Kind kind = EmptyCell;
    std::int16_t piece = 0; // the kind of piece on the cell
    std::int16_t size = 0;  // pieces in the group
    std::int32_t points = 0;
    friend bool operator==(const PressOutcome&, const PressOutcome&) = default;
};
PressOutcome outcomeOfPress(const Grid& pieces, Cell cell);

// True when some piece has an orthogonal neighbour of its own kind. Mines play no part.
bool MovesLeft(const Grid& pieces);

} // namespace mirel
