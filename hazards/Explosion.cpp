#include "hazards/Explosion.h"

#include "board/ClickResolution.h"

namespace mirel {

namespace {

// Passes the paints on but not the taking out: the blast is heard as one explosion, not as a
// bleep for every destroyed cell.
class SilentCollapse final : public BoardPainter {
public:
    explicit SilentCollapse(BoardPainter& painter) : painter(painter) {}
    void paintCell(std::int16_t row, std::int16_t col, std::int16_t kind) override {
        painter.paintCell(row, col, kind);
    }

private:
    BoardPainter& painter;
};

} // namespace

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
    SilentCollapse collapse(painter);
    takeOutMarked(pieces, destroyed, collapse);
    closeEmptyColumns(pieces, collapse);
}

} // namespace mirel
