#include "hazards/Mines.h"
#include "support/ScriptedRandom.h"

#include <QTest>

#include <cmath>

using namespace mirel;
using namespace mirel::testing;

namespace {

int minesOn(const Grid& mines) {
    int count = 0;
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            count += mines[r][c] == FlagTrue ? 1 : 0;
    return count;
}

// The draw that makes column c (or row r) come out of Int(n u + 1).
float drawFor(int position, int of) {
    return (float(position) - 0.5f) / float(of);
}

} // namespace

class MinesTest : public QObject {
    Q_OBJECT

private slots:
    void countRoundsHalvesToEven_data() {
        QTest::addColumn<float>("u");
        QTest::addColumn<int>("count");
        QTest::newRow("zero") << 0.0f << 1;
        QTest::newRow("just below the first half") << 0.0499f << 1;
        QTest::newRow("1.5 goes to 2") << 0.05f << 2;
        QTest::newRow("2.25") << 0.125f << 2;
        QTest::newRow("3.5 goes to 4") << 0.25f << 4;
        QTest::newRow("6.0") << 0.5f << 6;
        QTest::newRow("8.5 goes to 8") << 0.75f << 8;
        QTest::newRow("just above 8.5") << 0.7501f << 9;
        QTest::newRow("10.5 goes to 10") << 0.95f << 10;
        QTest::newRow("just above 10.5") << 0.9501f << 11;
        QTest::newRow("just below one") << std::nextafter(1.0f, 0.0f) << 11;
    }
    void countRoundsHalvesToEven() {
        QFETCH(float, u);
        QFETCH(int, count);
        QCOMPARE(mineCount(u), int16_t(count));
    }

    void columnIsDrawnBeforeRow() {
        ScriptedRandom random({0.0f, drawFor(15, 15), drawFor(10, 10)});
        Grid mines{};
        layMines(mines, random);
        QCOMPARE(random.draws, std::size_t(3));
        QCOMPARE(minesOn(mines), 1);
        QCOMPARE(mines[10][15], FlagTrue);
    }

    void aCellAlreadyMinedIsDrawnAgain() {
        // Three mines; the second and third draws hit the first mine's cell again.
        ScriptedRandom random({0.2f});
        const std::vector<std::pair<int, int>> cells = {{3, 7}, {3, 7}, {3, 7},
                                                        {1, 1}, {3, 7}, {10, 15}};
        for (auto [r, c] : cells)
            random.append({drawFor(c, 15), drawFor(r, 10)});
        random.append(0.5f); // left for the next draw

        Grid mines{};
        layMines(mines, random);
        QCOMPARE(random.draws, std::size_t(1 + 2 * cells.size()));
        QCOMPARE(minesOn(mines), 3);
        QCOMPARE(mines[3][7], FlagTrue);
        QCOMPARE(mines[1][1], FlagTrue);
        QCOMPARE(mines[10][15], FlagTrue);
    }

    void elevenMinesInDistinctCells() {
        ScriptedRandom random({0.99f});
        for (int i = 0; i < 11; ++i)
            random.append({drawFor(i + 1, 15), drawFor(10 - (i % 10), 10)});
        Grid mines{};
        layMines(mines, random);
        QCOMPARE(minesOn(mines), 11);
        QCOMPARE(random.remaining(), std::size_t(0));
    }

    void clearingLeavesNoMine() {
        Grid mines{};
        ScriptedRandom random({0.99f});
        random.fallback = 0.37f;
        for (int i = 0; i < 11; ++i)
            random.append({drawFor(i + 1, 15), drawFor(1, 10)});
        layMines(mines, random);
        QCOMPARE(minesOn(mines), 11);
        clearMines(mines);
        for (const auto& row : mines)
            for (auto flag : row)
                QCOMPARE(flag, int16_t(0));
    }
};

QTEST_APPLESS_MAIN(MinesTest)
#include "MinesTest.moc"
