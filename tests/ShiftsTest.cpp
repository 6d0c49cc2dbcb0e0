#include "hazards/Shifts.h"
#include "hazards/Mines.h"
#include "board/ClickResolution.h"
#include "support/BoardText.h"

#include <QTest>

using namespace mirel;
using namespace mirel::testing;
Q_DECLARE_METATYPE(Rows)

namespace {

// A board whose pieces sit on the bottom rows, the rows given from the top of that stack.
Rows bottomRows(const Rows& rows) {
    Rows board(RowCount - rows.size(), std::string(ColumnCount, '.'));
    board.insert(board.end(), rows.begin(), rows.end());
    return board;
}

std::vector<RecordingPainter::Paint> paintsIn(const RecordingPainter& painter, int col) {
    std::vector<RecordingPainter::Paint> found;
    for (const auto& paint : painter.paints)
        if (paint.col == col) found.push_back(paint);
    return found;
}

} // namespace

class ShiftsTest : public QObject {
    Q_OBJECT

private slots:
    void rowShiftTurnsEveryPileDownByOne_data() {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<Rows>("after");
        QTest::newRow("a b c d becomes d a b c; a pair swaps; one piece or none stays")
            << bottomRows(
                   {"1..............", "2..............", "3.5............", "4.67..........."})
            << bottomRows(
                   {"4..............", "1..............", "2.6............", "3.57..........."});
        QTest::newRow("a full column")
            << Rows{"1..............", "2..............", "3..............", "4..............",
                    "5..............", "6..............", "1..............", "2..............",
                    "3..............", "4.............."}
            << Rows{"4..............", "1..............", "2..............", "3..............",
                    "4..............", "5..............", "6..............", "1..............",
                    "2..............", "3.............."};
        QTest::newRow("piles of every height side by side")
            << Rows{"..............1", ".............12", "............123", "...........1234",
                    "..........12345", ".........123456", "........1234561", ".......12345612",
                    "......123456123", "12345.234561234"}
            << Rows{"..............4", ".............31", "............212", "...........1123",
                    "..........61234", ".........512345", "........4123456", ".......31234561",
                    "......212345612", "12345.123456123"};
        QTest::newRow("an empty board")
            << Rows(10, std::string(15, '.')) << Rows(10, std::string(15, '.'));
    }
    void rowShiftTurnsEveryPileDownByOne() {
        QFETCH(Rows, before);
        QFETCH(Rows, after);
        Grid pieces = boardFromText(before);
        const Grid start = pieces;
        RecordingPainter painter;
        painter.canvas = pieces;

        rowShift(pieces, painter);

        const Rows result = textOf(pieces);
        if (result != after)
            QFAIL(qPrintable(QStringLiteral("got\n%1expected\n%2").arg(show(result), show(after))));
        QVERIFY(painter.canvas == pieces);
        // A pile of two or more is painted once per piece, from the bottom up; a column of one
        // piece or none is not painted at all.
        int lastCol = 0;
        for (int c = 1; c <= ColumnCount; ++c) {
            int height = 0;
            for (int r = 1; r <= RowCount; ++r)
                height += start[r][c] != 0 ? 1 : 0;
            const auto paints = paintsIn(painter, c);
            QCOMPARE(int(paints.size()), height >= 2 ? height : 0);
            for (std::size_t i = 0; i < paints.size(); ++i)
                QCOMPARE(paints[i].row, int16_t(RowCount - i));
            if (!paints.empty()) {
                // One column after the other, left to right.
                QVERIFY(c > lastCol);
                lastCol = c;
            }
        }
        for (std::size_t i = 1; i < painter.paints.size(); ++i)
            QVERIFY(painter.paints[i - 1].col <= painter.paints[i].col);
    }

    void columnShiftTurnsTheOccupiedColumnsRight_data() {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<int>("occupied");
        QTest::addColumn<Rows>("after");
        QTest::newRow("A B C D becomes D A B C")
            << bottomRows({"1..2...........", "13.2...........", "1342..........."}) << 4
            << bottomRows({"21.............", "213............", "2134..........."});
        QTest::newRow("two columns swap") << bottomRows({"5..............", "61............."}) << 2
                                          << bottomRows({".5.............", "16............."});
        QTest::newRow("fifteen columns: column 15 goes to column 1")
            << bottomRows({"..............5", "123456123456123"}) << 15
            << bottomRows({"5..............", "312345612345612"});
        QTest::newRow("fourteen columns: the empty column 15 stays")
            << bottomRows({"4............4.", "12345612345612."}) << 14
            << bottomRows({"44.............", "21234561234561."});
        QTest::newRow("one column: nothing moves")
            << bottomRows({"3..............", "4.............."}) << 1
            << bottomRows({"3..............", "4.............."});
        QTest::newRow("an empty board")
            << Rows(10, std::string(15, '.')) << 0 << Rows(10, std::string(15, '.'));
    }
    void columnShiftTurnsTheOccupiedColumnsRight() {
        QFETCH(Rows, before);
        QFETCH(int, occupied);
        QFETCH(Rows, after);
        Grid pieces = boardFromText(before);
        QCOMPARE(occupiedColumns(pieces), int16_t(occupied));
        RecordingPainter painter;
        painter.canvas = pieces;

        const bool moved = columnShift(pieces, painter);

        const Rows result = textOf(pieces);
        if (result != after)
            QFAIL(qPrintable(QStringLiteral("got\n%1expected\n%2").arg(show(result), show(after))));
        QCOMPARE(moved, occupied >= 2);
        QVERIFY(painter.canvas == pieces);
        if (!moved) {
            QVERIFY(painter.paints.empty());
            return;
        }
        // Every cell of the occupied columns, empty ones too, row by row from the top; within
        // a row from the last occupied column leftwards, column 1 last.
        QCOMPARE(int(painter.paints.size()), RowCount * occupied);
        std::size_t i = 0;
        for (int r = 1; r <= RowCount; ++r)
            for (int c = occupied; c >= 1; --c, ++i)
                QCOMPARE((Cell{painter.paints[i].row, painter.paints[i].col}),
                         (Cell{int16_t(r), int16_t(c)}));
    }

    // Which of the shifts, switched on, can bring a group back to a board.
    void shiftsCanBringAGroup_data() {
        QTest::addColumn<Rows>("board");
        QTest::addColumn<bool>("byRows");
        QTest::addColumn<bool>("byColumns");
        QTest::addColumn<bool>("byBoth");
        QTest::newRow("a group on the board: no shift needed")
            << bottomRows({"11............."}) << true << true << true;
        QTest::newRow("the next row shift repairs")
            << bottomRows({"1..............", "21............."}) << true << false << true;
        QTest::newRow("piles of 5 and 4: the 16th row shift repairs")
            << bottomRows({"3..............", "23.............", "54.............",
                           "26.............", "51............."})
            << true << false << true;
        QTest::newRow("the next column shift repairs")
            << bottomRows({"121............"}) << false << true << true;
        QTest::newRow("only a row shift and a column shift together repair")
            << bottomRows({"..4............", "423............"}) << false << false << true;
        // Piles of 2 to 10 in 15 columns: 2520 row turns times 15 column turns, none with a
        // group, so every board the shifts reach is tried.
        QTest::newRow("no shift repairs the largest cycle")
            << Rows{"...5..2......5.", "3..4..3......4.", "25.5..2....5.5.",
                    "1424..1....4.4.", "3535..3..5.535.", "24242.2..4.424.",
                    "15151.15.5.515.", "34343.3434.434.", "25252525252525.",
                    "141414141414146"}
            << false << false << false;
    }
    void shiftsCanBringAGroup() {
        QFETCH(Rows, board);
        QFETCH(bool, byRows);
        QFETCH(bool, byColumns);
        QFETCH(bool, byBoth);
        const Grid pieces = boardFromText(board);
        const bool now = MovesLeft(pieces);
        QCOMPARE(mirel::shiftsCanBringAGroup(pieces, false, false), now);
        QCOMPARE(mirel::shiftsCanBringAGroup(pieces, true, false), byRows);
        QCOMPARE(mirel::shiftsCanBringAGroup(pieces, false, true), byColumns);
        QCOMPARE(mirel::shiftsCanBringAGroup(pieces, true, true), byBoth);
    }

    void mineStaysUnderTheShiftedPieces() {
        BoardModel board;
        board.BoardPieces = boardFromText(bottomRows({"1..............", "23............."}));
        board.BoardMines[10][1] = FlagTrue;
        board.BoardMines[10][2] = FlagTrue;
        const Grid mines = board.BoardMines;
        RecordingPainter painter;

        rowShift(board.BoardPieces, painter);
        QVERIFY(board.BoardMines == mines);
        QCOMPARE(board.BoardPieces[10][1], int16_t(1)); // now the mined piece

        QVERIFY(columnShift(board.BoardPieces, painter));
        QVERIFY(board.BoardMines == mines);
        QCOMPARE(board.BoardPieces[10][1], int16_t(3));
        QCOMPARE(board.BoardPieces[10][2], int16_t(1));
        QVERIFY(isMined(board.BoardMines, {10, 1}) && isMined(board.BoardMines, {10, 2}));
    }
};

QTEST_APPLESS_MAIN(ShiftsTest)
#include "ShiftsTest.moc"
