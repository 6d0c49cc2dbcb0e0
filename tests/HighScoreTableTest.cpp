#include "scores/HighScoreTable.h"
#include "scores/ScoreChanges.h"

#include <QDateTime>
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

// The rows that hold something, as "score NAME" joined by ", ".
QString shown(const HighScoreTable& table) {
    QStringList rows;
    for (int r = 1; r <= TableSize; ++r)
        if (table.HighScores[r] != 0 || !table.HighScoreNames[r].empty())
            rows << QString("%1 %2").arg(table.HighScores[r]).arg(table.HighScoreNames[r].c_str());
    return rows.join(", ");
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

    // Two copies of the game on one store. This copy starts from what the store held; `steps`
    // are what happens next, in order: "rank N" (this copy ranks a score), "type X" (letters
    // typed into its new row), "reset", "save" (this copy's save), "refresh" (this copy's
    // table brought up to date with the store), "other N X" (the other copy saves a score N
    // named X), "ahead N X" and "ahead reset" (the same, or a Reset, by a copy whose clock runs
    // a year ahead). What the store holds at the end is `stored`, and this copy's table `mine`.
    void twoCopiesOnOneStore_data() {
        QTest::addColumn<Scores>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("mine");

        const Scores empty(10, 0);
        const Scores full{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
        QTest::newRow("a score the other copy saved survives this copy's save")
            << empty << QStringList{"other 500 X", "rank 300", "type ANNA", "save"}
            << "500 X, 300 ANNA"
            << "300 ANNA";
        QTest::newRow("a score saved onto an equal one ranks above it")
            << empty << QStringList{"rank 300", "type OLD", "other 300 X", "save"}
            << "300 OLD, 300 X"
            << "300 OLD";
        QTest::newRow("the newer equal score is the other's")
            << empty << QStringList{"other 300 X", "refresh", "rank 300", "type NEW", "save"}
            << "300 NEW, 300 X"
            << "300 NEW, 300 X";
        QTest::newRow("both copies' scores: the best ten, in order, each once")
            << full << QStringList{"rank 95", "type A", "save",   "other 85 X", "rank 55",
                                   "type B",  "save",   "rank 5", "save",       "save"}
            << "100 P1, 95 A, 90 P2, 85 X, 80 P3, 70 P4, 60 P5, 55 B, 50 P6, 40 P7"
            << "100 P1, 95 A, 90 P2, 80 P3, 70 P4, 60 P5, 55 B, 50 P6, 40 P7, 30 P8";
        QTest::newRow("a Reset here wipes the other's earlier score")
            << full << QStringList{"other 200 X", "reset", "rank 40", "type C", "save"} << "40 C"
            << "40 C";
        QTest::newRow("the other's score after a Reset saved here is kept")
            << full << QStringList{"reset", "save", "other 200 X", "rank 40", "type C", "save"}
            << "200 X, 40 C"
            << "40 C";
        QTest::newRow("a score ranked before a Reset is gone")
            << empty << QStringList{"rank 300", "type ANNA", "reset", "save"} << ""
            << "";
        QTest::newRow("a name typed on after a save is carried, the score entered once")
            << empty << QStringList{"rank 300", "type AN", "save",    "other 100 X",
                                    "type NA",  "save",    "refresh", "save"}
            << "300 ANNA, 100 X"
            << "300 ANNA, 100 X";
        QTest::newRow("a score not yet saved shows among the other's and is saved once")
            << empty << QStringList{"rank 300", "type ANNA", "other 100 X", "refresh", "save"}
            << "300 ANNA, 100 X"
            << "300 ANNA, 100 X";
        QTest::newRow("kept changes merged twice, and saved by their copy too: each score once")
            << empty << QStringList{"rank 300", "type AN", "keep", "type NA", "rank 50", "type B",
                                    "keep", "merge", "merge", "save", "merge"}
            << "300 ANNA, 50 B"
            << "300 ANNA, 50 B";
        QTest::newRow("rows an earlier release moved keep their identities: saved once")
            << full << QStringList{"rank 75", "type A", "save", "older 95 X", "older 85 Y",
                                   "type B", "save", "keep", "merge"}
            << "100 P1, 95 X, 90 P2, 85 Y, 80 P3, 75 AB, 70 P4, 60 P5, 50 P6, 40 P7"
            << "100 P1, 90 P2, 80 P3, 75 AB, 70 P4, 60 P5, 50 P6, 40 P7, 30 P8, 20 P9";
        // A copy whose clock ran a year ahead (set wrong, since put right, or another
        // machine's): what it did stays in the store with its times.
        QTest::newRow("a Reset from a clock ahead shuts out no later score")
            << full << QStringList{"ahead reset", "refresh", "rank 40", "type C", "save"} << "40 C"
            << "40 C";
        QTest::newRow("a Reset empties a row ranked by a clock ahead")
            << empty << QStringList{"ahead 500 X", "refresh", "reset", "save"} << "" << "";
        QTest::newRow("a score the other copy's pushed out is not brought back")
            << full << QStringList{"rank 15",    "type LOW", "save", "other 95 X",
                                   "other 95 Y", "refresh",  "save"}
            << "100 P1, 95 Y, 95 X, 90 P2, 80 P3, 70 P4, 60 P5, 50 P6, 40 P7, 30 P8"
            << "100 P1, 95 Y, 95 X, 90 P2, 80 P3, 70 P4, 60 P5, 50 P6, 40 P7, 30 P8";
    }
    void twoCopiesOnOneStore() {
        QFETCH(Scores, start);
        QFETCH(QStringList, steps);
        HighScoreTable stored = tableOf(start);
        HighScoreTable mine = stored;
        ScoreChanges changes;
        std::int16_t typing = 0;
        StoreEntries kept;
        for (const QString& step : steps) {
            const QStringList word = step.split(' ');
            if (word[0] == "rank") {
                typing = changes.rank(mine, word[1].toInt());
            } else if (word[0] == "type") {
                mine.HighScoreNames[typing] += word[1].toStdString();
            } else if (word[0] == "reset") {
                changes.reset(mine);
            } else if (word[0] == "save") {
                stored = changes.onto(stored, mine);
                changes.saved(mine);
            } else if (word[0] == "refresh") {
                changes.refresh(mine, stored);
            } else if (word[0] == "keep") { // what a copy that cannot save keeps aside
                kept = changes.records(mine);
            } else if (word[0] == "merge") { // by a copy after this one ended
                ScoreChanges::replay(stored, kept);
            } else if (word[0] == "older") {
                // A copy of an earlier release ranks a score: the identities stay under their
                // keys while the rows move, and are read back by their checks.
                std::vector<std::string> ids;
                for (std::int16_t r = 1; r <= TableSize; ++r)
                    ids.push_back(ScoreChanges::storedId(stored, r));
                const std::int16_t rank = rankNewScore(stored, word[1].toInt());
                stored.HighScoreNames[rank] = word[2].toStdString();
                ScoreChanges::attachIds(stored, ids);
            } else if (word[0] == "ahead") {
                const std::int64_t yearAhead =
                    QDateTime::currentMSecsSinceEpoch() + 365LL * 24 * 3600 * 1000;
                if (word[1] == "reset") {
                    ClearHighScores(stored);
                    stored.resetAt = yearAhead;
                } else {
                    const std::int16_t rank = rankNewScore(stored, word[1].toInt());
                    stored.HighScoreNames[rank] = word[2].toStdString();
                    stored.ids[rank] = std::to_string(yearAhead) + "-0123456789abcdef";
                }
            } else {
                QCOMPARE(word[0], "other");
                const std::int16_t rank = rankNewScore(stored, word[1].toInt());
                stored.HighScoreNames[rank] = word[2].toStdString();
            }
        }
        QTEST(shown(stored), "stored");
        QTEST(shown(mine), "mine");
    }
};

QTEST_APPLESS_MAIN(HighScoreTableTest)
#include "HighScoreTableTest.moc"
