#include "scores/HighScoreTable.h"

#include <QTest>

#include <vector>

using namespace mirel;
using Scores = std::vector<int>;
Q_DECLARE_METATYPE(Scores)

namespace {

HighScoreTable tableOf(const Scores& scores) {
    HighScoreTable table;
    for (int r = 1; r <= TableSize; ++r) {
        table.HighScores[r] = scores[r - 1];
        table.HighScoreNames[r] = scores[r - 1] == 0 ? "" : "P" + std::to_string(r);
    }
    return table;
}

} // namespace

class HighScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void ranking_data() {
        QTest::addColumn<Scores>("before");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("rank");
        QTest::addColumn<Scores>("after");
        QTest::addColumn<QStringList>("names");

        const Scores empty(10, 0);
        QTest::newRow("empty table takes even a score of 0 at rank 1")
            << empty << 0 << 1 << empty << QStringList{"", "", "", "", "", "", "", "", "", ""};
        const Scores mixed{500, 400, 300, 300, 200, 0, 0, 0, 0, 0};
        QTest::newRow("equal scores: the newest ranks above them")
            << mixed << 300 << 3 << Scores{500, 400, 300, 300, 300, 200, 0, 0, 0, 0}
            << QStringList{"P1", "P2", "", "P3", "P4", "P5", "", "", "", ""};
        const Scores full{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
        QTest::newRow("above the best: everyone moves down, the tenth is lost")
            << full << 150 << 1 << Scores{150, 100, 90, 80, 70, 60, 50, 40, 30, 20}
            << QStringList{"", "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"};
        QTest::newRow("equal to the tenth: takes rank 10")
            << full << 10 << 10 << Scores{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}
            << QStringList{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9", ""};
        QTest::newRow("below the tenth: unchanged")
            << full << 9 << 0 << full
            << QStringList{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9", "P10"};
        const Scores outOfOrder{10, 500, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a table out of order is not repaired")
            << outOfOrder << 20 << 1 << Scores{20, 10, 500, 0, 0, 0, 0, 0, 0, 0}
            << QStringList{"", "P1", "P2", "", "", "", "", "", "", ""};
        const Scores negative{-5, -7, -9, -11, -13, -15, -17, -19, -21, -23};
        QTest::newRow("signed comparison with edited negative scores")
            << negative << -20 << 9 << Scores{-5, -7, -9, -11, -13, -15, -17, -19, -20, -21}
            << QStringList{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "", "P9"};
    }
    void ranking() {
        QFETCH(Scores, before);
        QFETCH(int, score);
        QFETCH(int, rank);
        QFETCH(Scores, after);
        QFETCH(QStringList, names);
        HighScoreTable table = tableOf(before);
        table.NewHighScoreRank = 4;
        QCOMPARE(rankNewScore(table, score), int16_t(rank));
        QCOMPARE(table.NewHighScoreRank, int16_t(rank));
        for (int r = 1; r <= TableSize; ++r) {
            QCOMPARE(table.HighScores[r], after[r - 1]);
            QCOMPARE(QString::fromStdString(table.HighScoreNames[r]), names[r - 1]);
        }
    }

    void clearEmptiesEveryRankButKeepsTheNewRank() {
        HighScoreTable table = tableOf({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        table.NewHighScoreRank = 3;
        ClearHighScores(table);
        for (int r = 1; r <= TableSize; ++r) {
            QCOMPARE(table.HighScores[r], 0);
            QVERIFY(table.HighScoreNames[r].empty());
        }
        QCOMPARE(table.NewHighScoreRank, int16_t(3));
    }

    // A hand-edited table out of order is put in order, equal scores keeping their order, so
    // that a new score then ranks where it belongs.
    void aTableOutOfOrderIsPutInOrder() {
        HighScoreTable table = tableOf({10, 500, 300, 300, 0, 700, 0, 0, 0, 0});
        table.HighScoreNames[3] = "FIRST";
        table.HighScoreNames[4] = "SECOND";
        putInOrder(table);
        const Scores expected = {700, 500, 300, 300, 10, 0, 0, 0, 0, 0};
        for (int r = 1; r <= TableSize; ++r)
            QCOMPARE(table.HighScores[r], expected[r - 1]);
        QCOMPARE(table.HighScoreNames[1], std::string("P6"));
        QCOMPARE(table.HighScoreNames[3], std::string("FIRST"));
        QCOMPARE(table.HighScoreNames[4], std::string("SECOND"));
        QCOMPARE(table.HighScoreNames[5], std::string("P1"));
        QCOMPARE(rankNewScore(table, 400), int16_t(3));
        for (int r = 2; r <= TableSize; ++r)
            QVERIFY(table.HighScores[r - 1] >= table.HighScores[r]);
    }
};

QTEST_APPLESS_MAIN(HighScoreTableTest)
#include "HighScoreTableTest.moc"
