#pragma once

#include "board/Board.h"

namespace mirel {

// The timed shifts turn the board over without removing anything. Both rely on the pieces
// resting at the bottom of their columns and the occupied columns lying at the left.

// Every column holding two or more pieces turns its pile over by one place downwards: each
// piece moves one cell down and the bottom piece goes to the top of the pile. A column is
// painted from the bottom up, one column after the other; columns with fewer than two pieces
// are neither changed nor painted.
void rowShift(Grid& pieces, BoardPainter& painter);

// How many columns, counted from column 1, have a piece in their bottom cell (0..15).
std::int16_t occupiedColumns(const Grid& pieces);

// The occupied columns turn over by one place to the right, the rightmost going to column 1;
// every cell of them is painted, row by row from the top. Nothing moves or is painted when
// fewer than two columns are occupied: then the result is false.
bool columnShift(Grid& pieces, BoardPainter& painter);

// Whether the board has a group now or some sequence of the shifts that are on brings one.
// The shifts are rotations that commute: row shifts alone come back to the board after the
// least common multiple of the heights of the piles of two or more (at most 2520), column shifts
// alone after as many shifts as there are occupied columns (at most 15), so every board they
// can reach is tried, each at most once (at most 37 800 boards, together).
bool shiftsCanBringAGroup(const Grid& pieces, bool rowShifts, bool columnShifts);

} // namespace mirel
