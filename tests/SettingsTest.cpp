#include "settings/Settings.h"
#include "support/MemorySettingsStore.h"

#include <QTest>

#include <string>
#include <vector>

using namespace mirel;
using mirel::testing::MemorySettingsStore;

namespace {

// Identities are read for every row, and written only for rows that have one (none here).
std::vector<std::string> keysInOrder(bool reading = false) {
    std::vector<std::string> keys{"RowShifts", "ColumnShifts", "Mines", "Sound"};
    for (int rank = 1; rank <= TableSize; ++rank) {
        keys.push_back("HighScoreName" + std::to_string(rank));
        keys.push_back("HighScore" + std::to_string(rank));
    }
    keys.push_back("Set");
    for (int rank = 1; rank <= TableSize && reading; ++rank)
        keys.push_back("HighScoreId" + std::to_string(rank));
    if (reading) keys.push_back("HighScoresReset");
    return keys;
}

HighScoreTable sampleTable() {
    HighScoreTable table;
    const std::vector<std::int32_t> scores{300, 250, 250, 100, 42, 8, 2, 0, 0, 0};
    for (int rank = 1; rank <= TableSize; ++rank) {
        table.HighScores[rank] = scores[rank - 1];
        table.HighScoreNames[rank] = scores[rank - 1] ? "P" + std::to_string(rank) : "";
    }
    return table;
}

// Options and table as a fresh window holds them before anything is loaded, so that a test
// sees whether loading really replaced them.
Options builtIn() {
    Options options;
    options.sound = true;
    options.mines = true;
    options.set = PieceSet::Faces;
    return options;
}

HighScoreTable leftovers() {
    HighScoreTable table;
    for (int rank = 0; rank <= TableSize; ++rank) {
        table.HighScoreNames[rank] = "OLD";
        table.HighScores[rank] = 999;
    }
    return table;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunTakesTheDefaults() {
        MemorySettingsStore store;
        Options options = builtIn();
        HighScoreTable table = leftovers();
        loadSettings(store, options, table);

        QCOMPARE(options, Options{});
        QCOMPARE(options.set, PieceSet::Balls);
        QVERIFY(!options.sound);
        for (int rank = 1; rank <= TableSize; ++rank) {
            QCOMPARE(table.HighScoreNames[rank], std::string());
            QCOMPARE(table.HighScores[rank], 0);
        }
        QCOMPARE(table.HighScoreNames[0], std::string("OLD"));
    }

    void readsAndWritesEveryKeyInTheGamesOrder() {
        MemorySettingsStore store;
        Options options;
        HighScoreTable table;
        loadSettings(store, options, table);
        QCOMPARE(store.reads, keysInOrder(true));

        store.reads.clear();
        QVERIFY(saveSettings(store, options, table));
        QCOMPARE(store.writes, keysInOrder());
        QCOMPARE(store.saves, 1);
    }

    void writtenForms_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("setText");
        QTest::newRow("all off, balls") << false << 1 << "0"
                                        << "1";
        QTest::newRow("all on, boxes") << true << 2 << "1"
                                       << "2";
        QTest::newRow("faces") << false << 3 << "0"
                               << "3";
    }
    void writtenForms() {
        QFETCH(bool, on);
        QFETCH(int, set);
        QFETCH(QString, switches);
        QFETCH(QString, setText);
        Options options{on, on, on, on, static_cast<PieceSet>(set)};
        HighScoreTable table = sampleTable();
        table.HighScoreNames[4] = " odd\nname,@Variant(x)";
        MemorySettingsStore store;
        QVERIFY(saveSettings(store, options, table));

        QCOMPARE(store.values.size(), keysInOrder().size());
        for (const char* key : {"RowShifts", "ColumnShifts", "Mines", "Sound"})
            QCOMPARE(QString::fromStdString(store.values[key]), switches);
        QCOMPARE(QString::fromStdString(store.values["Set"]), setText);
        QCOMPARE(store.values["HighScore1"], std::string("300"));
        QCOMPARE(store.values["HighScore8"], std::string("0"));
        QCOMPARE(store.values["HighScoreName1"], std::string("P1"));
        QCOMPARE(store.values["HighScoreName4"], std::string(" odd\nname,@Variant(x)"));
        QCOMPARE(store.values["HighScoreName10"], std::string());
    }

    void whatIsSavedLoadsBack_data() {
        QTest::addColumn<bool>("rowShifts");
        QTest::addColumn<bool>("columnShifts");
        QTest::addColumn<bool>("mines");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("set");
        QTest::newRow("defaults") << false << false << false << false << 1;
        QTest::newRow("row shifts, sound, boxes") << true << false << false << true << 2;
        QTest::newRow("column shifts and mines, faces") << false << true << true << false << 3;
        QTest::newRow("both shifts, as an edited store may have them")
            << true << true << false << false << 1;
    }
    void whatIsSavedLoadsBack() {
        QFETCH(bool, rowShifts);
        QFETCH(bool, columnShifts);
        QFETCH(bool, mines);
        QFETCH(bool, sound);
        QFETCH(int, set);
        const Options saved{rowShifts, columnShifts, mines, sound, static_cast<PieceSet>(set)};
        const HighScoreTable table = sampleTable();
        MemorySettingsStore store;
        QVERIFY(saveSettings(store, saved, table));

        Options loaded = builtIn();
        HighScoreTable reloaded = leftovers();
        loadSettings(store, loaded, reloaded);
        QCOMPARE(loaded, saved);
        for (int rank = 1; rank <= TableSize; ++rank) {
            QCOMPARE(reloaded.HighScoreNames[rank], table.HighScoreNames[rank]);
            QCOMPARE(reloaded.HighScores[rank], table.HighScores[rank]);
        }
    }

    // What each stored text of one key turns into; every other key is missing.
    void storedValues_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("set");

        QTest::newRow("set 2") << "Set"
                               << "2" << false << 2;
        QTest::newRow("set 3") << "Set"
                               << "3" << false << 3;
        QTest::newRow("set 0 is the faces") << "Set"
                                            << "0" << false << 3;
        QTest::newRow("set 7 is the faces") << "Set"
                                            << "7" << false << 3;
        QTest::newRow("set -1 is the faces") << "Set"
                                             << "-1" << false << 3;
        QTest::newRow("set not a number takes set 1") << "Set"
                                                      << "two" << false << 1;
        QTest::newRow("set out of range takes set 1") << "Set"
                                                      << "32768" << false << 1;
        QTest::newRow("set 2.0 is not whole, set 1") << "Set"
                                                     << "2.0" << false << 1;
        QTest::newRow("set empty takes set 1") << "Set"
                                               << "" << false << 1;
        QTest::newRow("sound -1 is on") << "Sound"
                                        << "-1" << true << 1;
        QTest::newRow("sound 5 is on") << "Sound"
                                       << "5" << true << 1;
        QTest::newRow("sound 0 is off") << "Sound"
                                        << "0" << false << 1;
        QTest::newRow("sound junk is off") << "Sound"
                                           << "yes" << false << 1;
        QTest::newRow("sound out of range is off") << "Sound"
                                                   << "40000" << false << 1;
        QTest::newRow("mines 1") << "Mines"
                                 << "1" << true << 1;
        QTest::newRow("mines -32768") << "Mines"
                                      << "-32768" << true << 1;
        QTest::newRow("row shifts with blanks") << "RowShifts"
                                                << " 1 " << true << 1;
        QTest::newRow("column shifts 1e3 is not whole") << "ColumnShifts"
                                                        << "1e3" << false << 1;
    }
    void storedValues() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(bool, on);
        QFETCH(int, set);
        MemorySettingsStore store;
        store.values[key.toStdString()] = text.toStdString();
        Options options = builtIn();
        HighScoreTable table;
        loadSettings(store, options, table);

        const bool* switches[] = {&options.rowShifts, &options.columnShifts, &options.mines,
                                  &options.sound};
        const char* names[] = {"RowShifts", "ColumnShifts", "Mines", "Sound"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(*switches[i], key == names[i] ? on : false);
        QCOMPARE(int(options.set), set);
    }

    void scoresAndNames() {
        MemorySettingsStore store;
        store.values["HighScore3"] = "1234";
        store.values["HighScore4"] = "";
        store.values["HighScore5"] = "12.5";
        store.values["HighScore6"] = "2147483648";
        store.values["HighScore7"] = "-7";
        store.values["HighScoreName3"] = "ANNA";
        store.values["HighScoreName4"] = std::string(10000, 'x');
        store.values["HighScoreName5"] = std::string("\0\x01\xFF\xFE", 4);
        Options options;
        HighScoreTable table = leftovers();
        loadSettings(store, options, table);

        const std::vector<std::int32_t> scores{0, 0, 1234, 0, 12, 0, 0, 0, 0, 0};
        for (int rank = 1; rank <= TableSize; ++rank)
            QCOMPARE(table.HighScores[rank], scores[rank - 1]);
        QCOMPARE(table.HighScoreNames[3], std::string("ANNA"));
        QCOMPARE(table.HighScoreNames[4], std::string(10000, 'x'));
        QCOMPARE(table.HighScoreNames[5], std::string("\0\x01\xFF\xFE", 4));
        QCOMPARE(table.HighScoreNames[6], std::string());
    }

    void aFailedSaveIsReported() {
        MemorySettingsStore store;
        store.values["Set"] = "2";
        store.failSaves = true;
        QVERIFY(!saveSettings(store, Options{}, sampleTable()));
        QCOMPARE(store.writes.size(), keysInOrder().size());
        QCOMPARE(store.values.size(), std::size_t(1));
        QCOMPARE(store.values["Set"], std::string("2"));
    }
};

QTEST_APPLESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
