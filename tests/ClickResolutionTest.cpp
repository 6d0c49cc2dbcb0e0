#include "board/ClickResolution.h"
#include "hazards/Explosion.h"
#include "support/BoardText.h"

#include <QTest>

#include <random>

using namespace mirel;
using namespace mirel::testing;
Q_DECLARE_METATYPE(Rows)

namespace {

// The removal taken piece by piece, as the game first did it: each marked cell, from the
// bottom row up, is taken out of its column, everything above it (marks and empty cells too)
// coming down one cell and repainted; then each empty column with a piece to its right is
// closed, everything to its right sliding one place left and repainted. The one-pass removal
// must leave what this leaves.
void stepByStepRemoval(Grid& pieces, Marks marks, BoardPainter& painter) {
    std::int16_t r = RowCount;
    while (r >= 1) {
        for (std::int16_t c = 1; c <= ColumnCount; ++c) {
            if (!marks[r][c]) continue;
            for (std::int16_t k = r; k >= 2; --k) {
                pieces[k][c] = pieces[k - 1][c];
                marks[k][c] = marks[k - 1][c];
                painter.paintCell(k, c, pieces[k][c]);
            }
            pieces[1][c] = 0;
            painter.paintCell(1, c, 0);
            painter.pieceTakenOut();
            marks[1][c] = false;
        }
        // A marked cell that has come down into this row is taken out on a second pass.
        bool markLeft = false;
        for (std::int16_t c = 1; c <= ColumnCount; ++c)
            markLeft = markLeft || marks[r][c];
        if (!markLeft) --r;
    }

    std::array<std::int16_t, ColumnCount + 1> emptyInColumn{};
    for (std::int16_t j = 1; j <= ColumnCount; ++j)
        for (std::int16_t row = 1; row <= RowCount; ++row)
            emptyInColumn[j] += pieces[row][j] == 0 ? 1 : 0;
    std::int16_t j = ColumnCount;
    while (j >= 1 && emptyInColumn[j] == RowCount)
        --j;
    // Scanning from the right closes neighbouring empty columns one after the other.
    for (; j >= 1; --j) {
        if (emptyInColumn[j] != RowCount) continue;
        for (std::int16_t k = j; k <= ColumnCount - 1; ++k) {
            emptyInColumn[k] = emptyInColumn[k + 1];
            for (std::int16_t row = 1; row <= RowCount; ++row) {
                pieces[row][k] = pieces[row][k + 1];
                painter.paintCell(row, k, pieces[row][k]);
            }
        }
        for (std::int16_t row = 1; row <= RowCount; ++row) {
            pieces[row][ColumnCount] = 0;
            painter.paintCell(row, ColumnCount, 0);
        }
    }
}

// The whole removal of a group as a click makes it.
struct Removal {
    Grid pieces;
    int16_t removed = 0;
    RecordingPainter painter;
};

Removal removeGroupAt(const Rows& start, Cell clicked) {
    Removal result;
    result.pieces = boardFromText(start);
    result.painter.canvas = result.pieces;
    const Group group = findGroup(result.pieces, clicked);
    result.removed = group.size;
    removeMarked(result.pieces, marksOf(group), result.painter);
    return result;
}

} // namespace

class ClickResolutionTest : public QObject {
    Q_OBJECT

private slots:
    void groupsOfManyShapes_data() {
        QTest::addColumn<Rows>("board");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("size");

        const Rows mixed = {
            "112233445566123", //
            "121233445566123", //
            "111111111111111", //
            "232323232323232", //
            "323232323232323", //
            "454545454545454", //
            "545454545454545", //
            "666666666666666", //
            "616161616161616", //
            "666666666666666", //
        };
        QTest::newRow("lone piece") << mixed << 2 << 2 << 1;
        QTest::newRow("L joined to a full row") << mixed << 1 << 1 << 21;
        QTest::newRow("corner across two rows") << mixed << 1 << 3 << 3;
        QTest::newRow("vertical pair") << mixed << 1 << 14 << 2;
        QTest::newRow("ring around other pieces") << mixed << 8 << 1 << 38;
        QTest::newRow("a piece enclosed by the ring") << mixed << 9 << 2 << 1;
        QTest::newRow("checkerboard has no groups") << mixed << 4 << 1 << 1;

        Rows snake(10, std::string(15, '2'));
        for (int r = 0; r < 10; r += 2)
            snake[r] = std::string(15, '1');
        for (int r = 1; r < 10; r += 2)
            snake[r][(r / 2) % 2 == 0 ? 14 : 0] = '1';
        QTest::newRow("snake through every row") << snake << 1 << 1 << 80;
        QTest::newRow("whole board one kind") << Rows(10, std::string(15, '4')) << 10 << 15 << 150;
        Rows withHoles(10, std::string(15, '4'));
        withHoles[0] = "...............";
        withHoles[1] = "4444444........";
        QTest::newRow("empty cells never join") << withHoles << 2 << 1 << 8 * 15 + 7;
    }
    void groupsOfManyShapes() {
        QFETCH(Rows, board);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, size);
        const Grid pieces = boardFromText(board);
        const Group group = findGroup(pieces, {int16_t(row), int16_t(col)});
        QCOMPARE(group.size, size);
        QCOMPARE(group.cells[0], (Cell{int16_t(row), int16_t(col)}));

        // Every member is of the clicked kind, none is listed twice, and each one after the
        // first touches an earlier one.
        Marks seen{};
        for (int i = 0; i < group.size; ++i) {
            const Cell cell = group.cells[i];
            QCOMPARE(pieces[cell.row][cell.col], pieces[row][col]);
            QVERIFY(!seen[cell.row][cell.col]);
            seen[cell.row][cell.col] = true;
            if (i == 0) continue;
            bool touches = false;
            for (int j = 0; j < i; ++j)
                touches = touches || std::abs(group.cells[j].row - cell.row) +
                                             std::abs(group.cells[j].col - cell.col) ==
                                         1;
            QVERIFY(touches);
        }
    }

    void breadthFirstOrder() {
        // Neighbours join in the order above, below, left, right.
        const Grid pieces = boardFromText({
            "...............",
            ".1.............",
            "111............",
            ".1.............",
        });
        const Group group = findGroup(pieces, {3, 2});
        QCOMPARE(group.size, 5);
        QCOMPARE(group.cells[1], (Cell{2, 2}));
        QCOMPARE(group.cells[2], (Cell{4, 2}));
        QCOMPARE(group.cells[3], (Cell{3, 1}));
        QCOMPARE(group.cells[4], (Cell{3, 3}));
    }

    void removalAndFall_data() {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<Rows>("after");

        QTest::newRow("pair on the bottom row, the piles above come down")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "3..............",
                    "24.............", "11............."}
            << 10 << 1
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "3..............", "24............."};
        QTest::newRow("two stacked in one column drop the pile by two")
            << Rows{"...............", "...............", "...............", "...............",
                    "..2............", "..3............", "..1............", "..1............",
                    "..5............", "124............"}
            << 7 << 3
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "..2............", "..3............",
                    "..5............", "124............"};
        QTest::newRow("group spread over three columns")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "4..............",
                    "222............", "335............"}
            << 9 << 1
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "4..............", "335............"};
        QTest::newRow("column emptied in the middle closes")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", ".2.............",
                    "121............", "323............"}
            << 9 << 2
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "11.............", "33............."};
        QTest::newRow("column emptied at the right edge stays")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "..............3", "121212121212123"}
            << 9 << 15
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "...............", "12121212121212."};
        QTest::newRow("two neighbouring empty columns close in one move")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "1551...........", "2552345........"}
            << 9 << 2
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "11.............", "22345.........."};
        QTest::newRow("empty columns between close one after the other")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "1.............3", "1.............4"}
            << 9 << 1
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "3..............", "4.............."};
        QTest::newRow("the whole board in one group")
            << Rows(10, std::string(15, '6')) << 5 << 5 << Rows(10, std::string(15, '.'));
    }
    void removalAndFall() {
        QFETCH(Rows, before);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(Rows, after);
        const Removal removal = removeGroupAt(before, {int16_t(row), int16_t(col)});
        const Rows result = textOf(removal.pieces);
        if (result != after)
            QFAIL(qPrintable(QStringLiteral("got\n%1expected\n%2").arg(show(result), show(after))));
        // What was painted is what the board holds, and one piece bleeps once.
        QVERIFY(removal.painter.canvas == removal.pieces);
        QCOMPARE(removal.painter.takenOut, removal.removed);
    }

    void fallRepaintsEveryCellAboveInItsColumnAndNothingElse() {
        RecordingPainter painter;
        Grid pieces = boardFromText(Rows(10, std::string(15, '1')));
        Marks marks{};
        marks[10][4] = true;
        removeMarked(pieces, marks, painter);
        QCOMPARE(int(painter.paints.size()), 10);
        for (const auto& paint : painter.paints)
            QCOMPARE(paint.col, int16_t(4));
        QCOMPARE(painter.canvas[1][4], int16_t(0));
        QCOMPARE(painter.takenOut, 1);
    }

    void scoreIsTwoPointsAPiece_data() {
        QTest::addColumn<int>("scoreBefore");
        QTest::addColumn<int>("removed");
        QTest::newRow("pair on a fresh game") << 0 << 2;
        QTest::newRow("ten pieces") << 40 << 10;
        QTest::newRow("whole board") << 0 << 150;
    }
    void scoreIsTwoPointsAPiece() {
        QFETCH(int, scoreBefore);
        QFETCH(int, removed);
        BoardModel board;
        board.Score = scoreBefore;
        board.UndoScore = -1;
        scoreRemoval(board, int16_t(removed));
        QCOMPARE(board.Score, scoreBefore + 2 * removed);
        QCOMPARE(board.UndoScore, scoreBefore);
    }

    // What a press would do, as the board describes it to a player who cannot see it.
    void outcomeOfAPress_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("points");
        QTest::newRow("empty cell beside a group")
            << 1 << 4 << int(PressOutcome::EmptyCell) << 0 << 0 << 0;
        QTest::newRow("lone piece") << 3 << 4 << int(PressOutcome::LonePiece) << 2 << 1 << 0;
        QTest::newRow("group of four") << 3 << 1 << int(PressOutcome::RemovesGroup) << 5 << 4 << 8;
        QTest::newRow("pair") << 3 << 6 << int(PressOutcome::RemovesGroup) << 3 << 2 << 4;
    }
    void outcomeOfAPress() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, kind);
        QFETCH(int, piece);
        QFETCH(int, size);
        QFETCH(int, points);
        const Grid pieces = boardFromText({
            "...............",
            "5..............",
            "55525331.......",
        });
        const PressOutcome outcome = outcomeOfPress(pieces, {int16_t(row), int16_t(col)});
        QCOMPARE(outcome,
                 (PressOutcome{PressOutcome::Kind(kind), int16_t(piece), int16_t(size), points}));
    }

    void movesLeft_data() {
        QTest::addColumn<Rows>("board");
        QTest::addColumn<bool>("moves");
        QTest::newRow("empty board") << Rows(10, std::string(15, '.')) << false;
        QTest::newRow("checkerboard")
            << Rows{"121212121212121", "212121212121212", "121212121212121", "212121212121212",
                    "121212121212121", "212121212121212", "121212121212121", "212121212121212",
                    "121212121212121", "212121212121212"}
            << false;
        Rows verticalPair(10, std::string(15, '.'));
        verticalPair[8] = "1..............";
        verticalPair[9] = "1..............";
        QTest::newRow("vertical pair") << verticalPair << true;
        Rows horizontalPair(10, std::string(15, '.'));
        horizontalPair[9] = "1232312344.....";
        QTest::newRow("horizontal pair at the end of a row") << horizontalPair << true;
        Rows rightEdge(10, std::string(15, '.'));
        rightEdge[9] = "121212121212133";
        QTest::newRow("pair in the last two columns") << rightEdge << true;
        Rows separated(10, std::string(15, '.'));
        separated[9] = "1.1.2.2.3.3....";
        QTest::newRow("equal pieces apart") << separated << false;
        Rows topRow(10, std::string(15, '.'));
        topRow[0] = "55.............";
        QTest::newRow("pair on the top row") << topRow << true;
    }
    void movesLeft() {
        QFETCH(Rows, board);
        QFETCH(bool, moves);
        QCOMPARE(MovesLeft(boardFromText(board)), moves);
    }

    void pressToCell_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("top-left corner of the first cell") << 50.f << 90.f << 1 << 1;
        QTest::newRow("right and bottom edge are inclusive") << 530.f << 570.f << 1 << 1;
        QTest::newRow("just past the right edge, in the gap") << 531.f << 100.f << 0 << 0;
        QTest::newRow("just past the bottom edge, in the gap") << 100.f << 571.f << 0 << 0;
        QTest::newRow("start of the next cell") << 590.f << 630.f << 2 << 2;
        QTest::newRow("last cell's far corner") << 8090.f << 5430.f << 10 << 15;
        QTest::newRow("beyond the last cell") << 8091.f << 5430.f << 0 << 0;
        QTest::newRow("above the board") << 100.f << 89.f << 0 << 0;
        QTest::newRow("left of the board") << 49.f << 100.f << 0 << 0;
    }
    void pressToCell() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, row);
        QFETCH(int, col);
        BoardModel board;
        for (int16_t r = 1; r <= RowCount; ++r)
            for (int16_t c = 1; c <= ColumnCount; ++c) {
                board.CellX[r][c] = int16_t(FirstCellX + CellPitch * (c - 1));
                board.CellY[r][c] = int16_t(FirstCellY + CellPitch * (r - 1));
            }
        const auto cell = cellAt(board, x, y);
        QCOMPARE(cell.has_value(), row != 0);
        if (cell) QCOMPARE(*cell, (Cell{int16_t(row), int16_t(col)}));
    }

    // The one-pass removal a click and a blast use must leave what the step-by-step removal
    // leaves: the same board, the same pictures on every cell, the same cells painted (each
    // once), and a bleep for every cell taken out.
    void onePassRemovalMatchesTheStepByStepOne_data() {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<Rows>("marked"); // 'x' marks a cell to take out

        const auto groupAt = [](const Rows& board, int row, int col) {
            Rows marked(10, std::string(15, '.'));
            const Group group = findGroup(boardFromText(board), {int16_t(row), int16_t(col)});
            for (int i = 0; i < group.size; ++i)
                marked[group.cells[i].row - 1][group.cells[i].col - 1] = 'x';
            return marked;
        };
        const Rows full(10, std::string(15, '4'));
        QTest::newRow("whole board") << full << groupAt(full, 5, 5);
        Rows allButOne = full;
        allButOne[9][14] = '1';
        QTest::newRow("all but the bottom-right piece") << allButOne << groupAt(allButOne, 1, 1);
        Rows leftColumns = full;
        for (auto& row : leftColumns)
            row[14] = '2';
        QTest::newRow("fourteen columns close") << leftColumns << groupAt(leftColumns, 1, 1);
        Rows nothing(10, std::string(15, '.'));
        QTest::newRow("no marks, an empty column in between")
            << Rows{"...............", "...............", "...............", "...............",
                    "...............", "...............", "...............", "...............",
                    "1.3............", "1.4............"}
            << nothing;
        // Marks on empty cells, as a blast makes them.
        Rows blast(10, std::string(15, '.'));
        for (int r = 0; r < 3; ++r)
            blast[r].replace(0, 3, "xxx");
        QTest::newRow("blast over empty cells")
            << Rows{"...............", "...............", "...............", "12.............",
                    "34.............", "56.............", "12.............", "34.............",
                    "561............", "123............"}
            << blast;

        // Boards of few kinds, with piles of every height, clicked anywhere.
        std::mt19937 random(20240611);
        for (int n = 0; n < 60; ++n) {
            Rows board(10, std::string(15, '.'));
            const int kinds = 2 + n % 3;
            for (int c = 0; c < 15; ++c) {
                const int height = int(random() % 14) - 3; // some columns empty, most full
                for (int r = 9; r >= 0 && 9 - r < height; --r)
                    board[r][c] = char('1' + random() % kinds);
            }
            const int row = 1 + int(random() % 10);
            const int col = 1 + int(random() % 15);
            if (board[row - 1][col - 1] == '.') board[row - 1][col - 1] = '1';
            QTest::addRow("random board %d", n) << board << groupAt(board, row, col);
            // A blast at the same cell: the block around it, empty cells and all.
            Rows blasted(10, std::string(15, '.'));
            forEachCell(blastArea({int16_t(row), int16_t(col)}),
                        [&](Cell cell) { blasted[cell.row - 1][cell.col - 1] = 'x'; });
            QTest::addRow("blast on random board %d", n) << board << blasted;
        }
    }
    void onePassRemovalMatchesTheStepByStepOne() {
        QFETCH(Rows, before);
        QFETCH(Rows, marked);
        Marks marks{};
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 15; ++c)
                marks[r + 1][c + 1] = marked[r][c] == 'x';

        Grid stepwise = boardFromText(before);
        RecordingPainter steps;
        steps.canvas = stepwise;
        stepByStepRemoval(stepwise, marks, steps);

        Grid onePass = boardFromText(before);
        RecordingPainter once;
        once.canvas = onePass;
        removeMarked(onePass, marks, once);

        QCOMPARE(textOf(onePass), textOf(stepwise));
        QVERIFY(once.canvas == steps.canvas);
        QCOMPARE(once.takenOut, steps.takenOut);
        Marks paintedBySteps{};
        for (const auto& paint : steps.paints)
            paintedBySteps[paint.row][paint.col] = true;
        Marks paintedOnce{};
        for (const auto& paint : once.paints) {
            QVERIFY2(!paintedOnce[paint.row][paint.col], "a cell is painted twice");
            paintedOnce[paint.row][paint.col] = true;
        }
        QVERIFY(paintedOnce == paintedBySteps);
    }
};

QTEST_APPLESS_MAIN(ClickResolutionTest)
#include "ClickResolutionTest.moc"
