#include "hazards/Undo.h"
#include "board/ClickResolution.h"
#include "support/BoardText.h"

#include <QTest>

using namespace mirel;
using namespace mirel::testing;

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void restoresBoardAndScoreOfTheLastRemoval() {
        BoardModel board;
        board.BoardPieces = boardFromText({"...............", "...............", "...............",
                                           "...............", "...............", "...............",
                                           "...............", "3..............", "22.............",
                                           "114............"});
        board.BoardMines[10][1] = FlagTrue;
        board.Score = 10;
        const Grid before = board.BoardPieces;

        // A removal that empties a column and closes it.
        takeUndoCopy(board);
        RecordingPainter fall;
        const Group group = findGroup(board.BoardPieces, {9, 1});
        removeMarked(board.BoardPieces, marksOf(group), fall);
        scoreRemoval(board, group.size);
        QCOMPARE(board.Score, 14);
        QVERIFY(board.BoardPieces != before);

        for (int times = 1; times <= 2; ++times) {
            RecordingPainter painter;
            // The second undo finds the board already put back.
            QCOMPARE(restoreUndoCopy(board, painter), times == 1);
            QVERIFY(board.BoardPieces == before);
            QCOMPARE(board.Score, 10);
            // Every cell is repainted, column by column.
            QCOMPARE(int(painter.paints.size()), CellCount);
            QCOMPARE(painter.paints[0].col, int16_t(1));
            QCOMPARE(painter.paints[9].row, int16_t(10));
            QCOMPARE(painter.paints[10].col, int16_t(2));
            QVERIFY(painter.canvas == before);
        }
        QCOMPARE(board.BoardMines[10][1], FlagTrue);
    }

    void aNewGameHasNothingToUndo() {
        BoardModel board;
        board.UndoPieces = boardFromText(std::vector<std::string>(10, std::string(15, '5')));
        board.UndoScore = 250;
        board.BoardPieces = boardFromText(std::vector<std::string>(10, std::string(15, '2')));
        const Grid dealt = board.BoardPieces;
        startUndoAfresh(board);
        board.Score = 0;

        RecordingPainter painter;
        QVERIFY(!restoreUndoCopy(board, painter));
        QVERIFY(board.BoardPieces == dealt);
        QCOMPARE(board.Score, 0);
    }
};

QTEST_APPLESS_MAIN(UndoTest)
#include "UndoTest.moc"
