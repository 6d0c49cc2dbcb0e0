#include "hazards/Explosion.h"

#include "board/ClickResolution.h"

namespace mirel {

BlastArea blastArea(Cell mine) {
    return BlastArea{
        .firstRow = std::max<std::int16_t>(mine.row - 1, 1),
        .lastRow = std::min<std::int16_t>(mine.row + 1, RowCount),
        .firstCol = std::max<std::int16_t>(mine.col - 1, 1),
        .lastCol = std::min<std::int16_t>(mine.col + 1, ColumnCount),
    };
}

void destroyArea(Grid& pieces, const BlastArea& area, BoardPainter& painter) {
    Marks destroyed{};
    forEachCell(area, [&](Cell cell) {
        pieces[cell.row][cell.col] = 0;
        painter.paintCell(cell.row, cell.col, 0);
        destroyed[cell.row][cell.col] = true;
    });
    removeMarked(pieces, destroyed, painter);
}

} // namespace mirel
