#include "hazards/Explosion.h"
#include "board/ClickResolution.h"
#include "hazards/Mines.h"
#include "support/BoardText.h"

#include <QTest>

#include <cstdlib>

using namespace mirel;
using namespace mirel::testing;
Q_DECLARE_METATYPE(Rows)

namespace {

// Ten full rows, each of one kind: 1..6 from the top, then 1..4 again.
const Rows stripes = {
    "111111111111111", "222222222222222", "333333333333333", "444444444444444", "555555555555555",
    "666666666666666", "111111111111111", "222222222222222", "333333333333333", "444444444444444",
};

// The same board after a removal of only the pieces of the area, with none of the empty cells.
Grid takingOutOnlyThePieces(Grid pieces, const BlastArea& area) {
    Marks marks{};
    forEachCell(area,
                [&](Cell cell) { marks[cell.row][cell.col] = pieces[cell.row][cell.col] != 0; });
    RecordingPainter painter;
    removeMarked(pieces, marks, painter);
    return pieces;
}

} // namespace

class ExplosionTest : public QObject {
    Q_OBJECT

private slots:
    void areaIsTheBlockAroundTheMineClippedToTheBoard_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("cells");
        QTest::newRow("middle") << 5 << 8 << 9;
        QTest::newRow("next to the edges, still whole") << 2 << 14 << 9;
        QTest::newRow("top edge") << 1 << 8 << 6;
        QTest::newRow("bottom edge") << 10 << 8 << 6;
        QTest::newRow("left edge") << 5 << 1 << 6;
        QTest::newRow("right edge") << 5 << 15 << 6;
        QTest::newRow("top-left corner") << 1 << 1 << 4;
        QTest::newRow("top-right corner") << 1 << 15 << 4;
        QTest::newRow("bottom-left corner") << 10 << 1 << 4;
        QTest::newRow("bottom-right corner") << 10 << 15 << 4;
    }
    void areaIsTheBlockAroundTheMineClippedToTheBoard() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, cells);
        const BlastArea area = blastArea({int16_t(row), int16_t(col)});

        // Visited row by row from the top, left to right: the order the fire is painted in.
        std::vector<Cell> visited;
        forEachCell(area, [&](Cell cell) { visited.push_back(cell); });
        QCOMPARE(int(visited.size()), cells);
        for (std::size_t i = 0; i < visited.size(); ++i) {
            const Cell cell = visited[i];
            QVERIFY(cell.row >= 1 && cell.row <= RowCount);
            QVERIFY(cell.col >= 1 && cell.col <= ColumnCount);
            QVERIFY(std::abs(cell.row - row) <= 1 && std::abs(cell.col - col) <= 1);
            if (i > 0) {
                const Cell before = visited[i - 1];
                QVERIFY(before.row < cell.row || (before.row == cell.row && before.col < cell.col));
            }
        }
    }

    void anAreaReachingOffTheBoardStaysOnIt() {
        int count = 0;
        bool inside = true;
        forEachCell(BlastArea{-3, 40, 0, 99}, [&](Cell cell) {
            ++count;
            inside = inside && cell.row >= 1 && cell.row <= RowCount && cell.col >= 1 &&
                     cell.col <= ColumnCount;
        });
        QCOMPARE(count, CellCount);
        QVERIFY(inside);
    }

    void destruction_data() {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<Rows>("after");

        QTest::newRow("middle of a full board: three rows come down three cells")
            << stripes << 5 << 8
            << Rows{"111111...111111", "222222...222222", "333333...333333", "444444111444444",
                    "555555222555555", "666666333666666", "111111111111111", "222222222222222",
                    "333333333333333", "444444444444444"};
        QTest::newRow("bottom-right corner")
            << stripes << 10 << 15
            << Rows{"1111111111111..", "2222222222222..", "333333333333311", "444444444444422",
                    "555555555555533", "666666666666644", "111111111111155", "222222222222266",
                    "333333333333311", "444444444444422"};
        QTest::newRow("top-left corner: nothing above to fall")
            << stripes << 1 << 1
            << Rows{"..1111111111111", "..2222222222222", "333333333333333", "444444444444444",
                    "555555555555555", "666666666666666", "111111111111111", "222222222222222",
                    "333333333333333", "444444444444444"};
        QTest::newRow("empty cells of the area change nothing more")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "123456.........",
                    "234561.........", "345612........."}
            << 8 << 3
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "1...56.........",
                    "2...61.........", "345612........."};
        QTest::newRow("a column left empty closes")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "1.1............", "2.2............", "3.3............",
                    "454............", "5656..........."}
            << 10 << 2
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "11.............",
                    "22.............", "336............"};
        QTest::newRow("two neighbouring columns left empty close together")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "1..11..........",
                    "2..22..........", "34533.........."}
            << 10 << 3
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "1.1............",
                    "2.2............", "313............"};
        QTest::newRow("columns emptied at the right edge stay")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "...............", "121212121212121"}
            << 10 << 15
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "...............", "1212121212121.."};
        QTest::newRow("the last pieces destroyed")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "12.............", "34............."}
            << 10 << 1 << Rows(10, std::string(15, '.'));
    }
    void destruction() {
        QFETCH(Rows, before);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(Rows, after);
        Grid pieces = boardFromText(before);
        const BlastArea area = blastArea({int16_t(row), int16_t(col)});
        const Grid expectedFromPiecesOnly = takingOutOnlyThePieces(pieces, area);
        RecordingPainter painter;
        painter.canvas = pieces;

        destroyArea(pieces, area, painter);

        const Rows result = textOf(pieces);
        if (result != after)
            QFAIL(qPrintable(QStringLiteral("got\n%1expected\n%2").arg(show(result), show(after))));
        QVERIFY(pieces == expectedFromPiecesOnly);
        // Every cell of the area is blanked first, in the fire's order; what is painted in the
        // end is what the board holds. (The blast's silence is the window's: its painter for a
        // blast does not bleep.)
        std::size_t i = 0;
        forEachCell(area, [&](Cell cell) {
            QVERIFY(i < painter.paints.size());
            const auto paint = painter.paints[i++];
            QCOMPARE((Cell{paint.row, paint.col}), cell);
            QCOMPARE(paint.kind, int16_t(0));
        });
        QVERIFY(painter.canvas == pieces);
    }

    void minesStayAndTheSameCellExplodesAgain() {
        BoardModel board;
        board.BoardPieces = boardFromText(stripes);
        board.BoardMines[5][8] = FlagTrue;
        board.BoardMines[6][9] = FlagTrue; // inside the blast: destroyed, not set off
        const Grid mines = board.BoardMines;
        RecordingPainter painter;

        destroyArea(board.BoardPieces, blastArea({5, 8}), painter);
        QVERIFY(board.BoardMines == mines);
        // The piece that fell onto the mine sets it off again.
        QCOMPARE(board.BoardPieces[5][8], int16_t(2));
        QVERIFY(isMined(board.BoardMines, {5, 8}));
        QVERIFY(isMined(board.BoardMines, {6, 9}));

        destroyArea(board.BoardPieces, blastArea({5, 8}), painter);
        QVERIFY(board.BoardMines == mines);
        const Rows twice = {"111111...111111", "222222...222222", "333333...333333",
                            "444444...444444", "555555...555555", "666666...666666",
                            "111111111111111", "222222222222222", "333333333333333",
                            "444444444444444"};
        QCOMPARE(textOf(board.BoardPieces), twice);
    }
};

QTEST_APPLESS_MAIN(ExplosionTest)
#include "ExplosionTest.moc"
