#include "board/Deal.h"
#include "support/BoardText.h"
#include "support/ScriptedRandom.h"

#include <QTest>

#include <cmath>

using namespace mirel;
using namespace mirel::testing;

class DealTest : public QObject {
    Q_OBJECT

private slots:
    void kindOfADraw_data() {
        QTest::addColumn<int>("kindLimit");
        QTest::addColumn<float>("u");
        QTest::addColumn<int>("kind");
        const float justBelowOne = std::nextafter(1.0f, 0.0f);
        QTest::newRow("six kinds, zero") << 5 << 0.0f << 1;
        QTest::newRow("six kinds, just below a sixth") << 5 << std::nextafter(1.0f / 6, 0.0f) << 1;
        QTest::newRow("six kinds, a sixth") << 5 << 1.0f / 6 << 2;
        QTest::newRow("six kinds, a half") << 5 << 0.5f << 4;
        QTest::newRow("six kinds, just below one") << 5 << justBelowOne << 6;
        QTest::newRow("faces, just below one") << 4 << justBelowOne << 5;
        QTest::newRow("faces, four fifths") << 4 << 0.8f << 5;
        QTest::newRow("faces, just below four fifths") << 4 << 0.79999f << 4;
        QTest::newRow("a broken source's 1.0 still deals a real kind") << 5 << 1.0f << 6;
    }
    void kindOfADraw() {
        QFETCH(int, kindLimit);
        QFETCH(float, u);
        QFETCH(int, kind);
        QCOMPARE(dealtKind(int16_t(kindLimit), u), int16_t(kind));
    }

    void onePerCellRowByRow_data() {
        QTest::addColumn<int>("kindLimit");
        QTest::newRow("balls") << 5;
        QTest::newRow("faces") << 4;
    }
    void onePerCellRowByRow() {
        QFETCH(int, kindLimit);
        // Each cell gets a draw that names its own position, so the order shows in the kinds.
        ScriptedRandom random;
        for (int i = 0; i < CellCount; ++i)
            random.append((float(i % (kindLimit + 1)) + 0.5f) / float(kindLimit + 1));
        random.append(0.99f); // must be left for whoever draws next

        BoardModel board;
        board.KindLimit = int16_t(kindLimit);
        RecordingPainter painter;
        dealBoard(board, random, painter);

        QCOMPARE(random.draws, std::size_t(CellCount));
        QCOMPARE(int(painter.paints.size()), CellCount);
        int i = 0;
        for (int16_t r = 1; r <= RowCount; ++r) {
            for (int16_t c = 1; c <= ColumnCount; ++c, ++i) {
                QCOMPARE(board.BoardPieces[r][c], int16_t(i % (kindLimit + 1) + 1));
                QCOMPARE(board.CellX[r][c], int16_t(50 + 540 * (c - 1)));
                QCOMPARE(board.CellY[r][c], int16_t(90 + 540 * (r - 1)));
                QCOMPARE(painter.paints[i].row, r);
                QCOMPARE(painter.paints[i].col, c);
                QCOMPARE(painter.paints[i].kind, board.BoardPieces[r][c]);
            }
        }
        QCOMPARE(board.CellX[10][15], int16_t(7610));
        QCOMPARE(board.CellY[10][15], int16_t(4950));
    }

    void faceSetNeverDealsKindSix() {
        // The highest draws a faces deal can get still give kind 5.
        ScriptedRandom random;
        random.fallback = std::nextafter(1.0f, 0.0f);
        BoardModel board;
        board.KindLimit = 4;
        RecordingPainter painter;
        dealBoard(board, random, painter);
        for (int16_t r = 1; r <= RowCount; ++r)
            for (int16_t c = 1; c <= ColumnCount; ++c)
                QCOMPARE(board.BoardPieces[r][c], int16_t(5));
    }
};

QTEST_APPLESS_MAIN(DealTest)
#include "DealTest.moc"
