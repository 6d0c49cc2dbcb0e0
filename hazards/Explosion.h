#pragma once

#include "board/Board.h"

#include <algorithm>

namespace mirel {

// The cells a mine destroys, rows and columns inclusive.
struct BlastArea {
    std::int16_t firstRow = 1;
    std::int16_t lastRow = 0;
    std::int16_t firstCol = 1;
    std::int16_t lastCol = 0;
    friend bool operator==(const BlastArea&, const BlastArea&) = default;
};

// The 3 x 3 block around the mine, clipped to the board: 9 cells inside, 6 on an edge, 4 in
// a corner.
BlastArea blastArea(Cell mine);

// Calls f(Cell) for every cell of the area, row by row from the top and left to right within
// a row: the order the fire is painted in. Cells off the board are never visited, so an area
// built by hand cannot reach outside the grids.
template <typename F> void forEachCell(const BlastArea& area, F f) {
    const auto lastRow = std::min(area.lastRow, RowCount);
    const auto lastCol = std::min(area.lastCol, ColumnCount);
    for (auto r = std::max<std::int16_t>(area.firstRow, 1); r <= lastRow; ++r)
        for (auto c = std::max<std::int16_t>(area.firstCol, 1); c <= lastCol; ++c)
            f(Cell{r, c});
}

// Destroys every cell of the area, empty ones too: each is emptied and painted blank in the
// fire's order, then taken out of its column as a removal takes out its pieces, and emptied
// columns close. The mines stay and the score and the undo copy are not touched. The painter
// hears of every destroyed cell taken out; a blast is heard as one explosion, so the window
// lets none of them bleep.
void destroyArea(Grid& pieces, const BlastArea& area, BoardPainter& painter);

} // namespace mirel
