// The options and the high-score table kept between runs in the player's store file, seen
// through the windows: what a player finds after a restart, whatever the file holds.
#include "settings/StoredValues.h"
#include "settings/UserSettingsStore.h"
#include "support/GameWindow.h"
#include "support/HighScorePixels.h"
#include "ui/frmHighScore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace mirel;
using namespace mirel::testing;

namespace {

// One run of the game on the real store in the test's home.
struct Run {
    ScriptedRandom random;
    ManualClock clock;
    RecordingSoundPlayer sound;
    UserSettingsStore store;
    frmMainInside window{clock, random, sound, store};

    Run() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void exit() { QTest::mouseClick(window.pctExit, Qt::LeftButton, {}, QPoint(5, 5)); }

    // What the high-score window shows in a row: the name ('.' for a blank cell) and the
    // six score digits.
    QString rowShown(frmHighScore& table, int rank) {
        return nameShown(table, window.pictures, rank).replace(u' ', u'.') + u' ' +
               scoreShown(table, window.pictures, rank);
    }
    // Opens the table with the High Scores button and reads the given rows off it.
    QStringList tableShown(std::initializer_list<int> ranks) {
        QStringList rows;
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &window,
            [&](frmHighScore& table) {
                for (int rank : ranks)
                    rows << rowShown(table, rank);
                QTest::mouseClick(table.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
            },
            &opened);
        QTest::mouseClick(window.pctHighScores, Qt::LeftButton, {}, QPoint(5, 5));
        [&] { QVERIFY(opened); }();
        return rows;
    }
};

QString settingsFile() {
    return UserSettingsStore::defaultFilePath();
}

void writeStore(const QByteArray& text) {
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray storeText() {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;

private slots:
    // Every test starts in a home of its own, with nothing stored.
    void init() {
        home = std::make_unique<QTemporaryDir>();
        QVERIFY(home->isValid());
        qputenv("HOME", home->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home->path() + "/.config").toUtf8());
        QVERIFY(settingsFile().startsWith(home->path()));
    }

    void aFirstRunShowsTheDefaults() {
        Run run;
        const Pictures& p = run.window.pictures;
        // Start-up puts sound on first; the default from the store replaces it.
        QVERIFY(run.window.pctSound->shows(p.pctSoundOff));
        QVERIFY(run.window.pctSet->shows(p.pctSet1));
        QVERIFY(showsPicture(run.window.pctSound, QRect(0, 0, 111, 25), p.pctSoundOff));
        QTest::mouseClick(run.window.pctEvents, Qt::LeftButton, {}, QPoint(5, 5));
        for (PictureBox* box : {run.window.pctRowShiftsSelection,
                                run.window.pctColumnShiftsSelection, run.window.pctMinesSelection})
            QVERIFY(showsPicture(box, QRect(0, 0, 38, 25), p.pctNo));
        QTest::mouseClick(run.window.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
        const QStringList rows = run.tableShown({1, 10});
        QCOMPARE(rows, QStringList({"........ 000000", "........ 000000"}));
        QVERIFY(!QFile::exists(settingsFile()));
    }

    // Exit writes every key in its written form; the next run finds everything again.
    void everythingComesBackAfterARestart() {
        {
            Run run;
            frmMainInside& w = run.window;
            for (PictureBox* box : {w.pctSound, w.pctSet, w.pctSet})
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(w.pctEvents, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(w.pctMinesSelection, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(w.pctColumnShiftsSelection, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(w.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
            w.table.HighScoreNames[w.changes.rank(w.table, 300)] = "ANNA";
            w.table.HighScoreNames[w.changes.rank(w.table, 42)] = "B0B7";
            w.resize(750, 417); // a factor of 750 / 676
            QTRY_COMPARE(w.size(), QSize(750, 417));
            run.exit();
        }
        const QByteArray text = storeText();
        QVERIFY(text.startsWith("[Settings]\n"));
        const QList<QByteArray> lines = text.split('\n');
        for (const char* line :
             {"RowShifts=0", "ColumnShifts=1", "Mines=1", "Sound=1", "Set=3", "HighScoreName1=ANNA",
              "HighScore1=300", "HighScoreName2=B0B7", "HighScore2=42",
              "HighScoreName10=", "HighScore10=0", "Window=1.11"})
            QVERIFY2(lines.contains(line), line);
        int keys = 0;
        for (const QByteArray& line : lines)
            keys += line.contains('=') ? 1 : 0;
        QCOMPARE(keys, 28); // and the two named scores' identities
        QVERIFY(text.contains("\nHighScoreId1=") && text.contains("\nHighScoreId2="));

        Run again;
        const Options restored = again.window.shownOptions();
        QVERIFY(restored.sound && restored.mines && restored.columnShifts && !restored.rowShifts);
        QCOMPARE(restored.set, PieceSet::Faces);
        QCOMPARE(again.window.size(), QSize(750, 416)); // 676 and 375 times 1.11
        // The table's letters are read at the size the game opens with.
        again.window.resize(676, 375);
        QTRY_COMPARE(again.window.scaleFactor(), 1.0);
        QCOMPARE(again.tableShown({1, 2, 3}),
                 QStringList({"ANNA.... 000300", "B0B7.... 000042", "........ 000000"}));
        // The set read from the store deals with its pieces.
        again.random.fallback = 0.0f;
        QTest::mouseClick(again.window.pctNew, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(again.window.board.KindLimit, int16_t(4));
        QVERIFY(showsPicture(again.window.pctBoard, QRect(3, 6, 32, 32),
                             again.window.pictures.pctFace[0]));
    }

    // Both shifts stored on stay on, though no click could make them so.
    void bothShiftsStoredOnStayOn() {
        writeStore("[Settings]\nRowShifts=1\nColumnShifts=1\n");
        {
            Run run;
            const Options options = run.window.shownOptions();
            QVERIFY(options.rowShifts && options.columnShifts);
            run.exit();
        }
        const QList<QByteArray> lines = storeText().split('\n');
        QVERIFY(lines.contains("RowShifts=1") && lines.contains("ColumnShifts=1"));
    }

    // Values nobody but an editor could have put there: the player sees a sane game.
    void hostileValuesShowSanely_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("switches"); // sound, set, mines, row, column
        QTest::addColumn<QStringList>("rows"); // ranks 1 to 3 as shown
        const QString defaults = "off 1 no no no";
        const QStringList empty = {"........ 000000", "........ 000000", "........ 000000"};
        QTest::newRow("set 7 and 0 mean the faces")
            << QByteArray("Set=7") << "off 3 no no no" << empty;
        QTest::newRow("set 2") << QByteArray("Set=2") << "off 2 no no no" << empty;
        QTest::newRow("a set that is no whole number")
            << QByteArray("Set=2.5") << defaults << empty;
        QTest::newRow("sound -1 and 5 mean on")
            << QByteArray("Sound=-1\nMines=5") << "on 1 yes no no" << empty;
        QTest::newRow("switches beyond 16 bits or not numbers")
            << QByteArray("Sound=abc\nMines=99999\nRowShifts=0x10\nColumnShifts=1e3\nSet=")
            << defaults << empty;
        QTest::newRow("scores read as the number they start with")
            << QByteArray("HighScore1=1e3\nHighScore2=12abc\nHighScore3=2.5") << defaults
            << QStringList({"........ 001000", "........ 000012", "........ 000002"});
        QTest::newRow("scores no game can reach read 0")
            << QByteArray("HighScore1=-5\nHighScore2=99999999999\nHighScore3=1e400") << defaults
            << empty;
        QTest::newRow("names with other characters leave their cells blank")
            << QByteArray("HighScoreName1=a,B\\x01C\xff\xfeZ\nHighScore1=9\n"
                          "HighScoreName2=@Variant(\\x00\\x00\\x00\\x7f)\nHighScore2=8\n"
                          "HighScoreName3=\xe2\x80\x8fRTL9\nHighScore3=7")
            << defaults << QStringList({"..B.C..Z 000009", ".V...... 000008", ".RTL9... 000007"});
        QTest::newRow("a name of ten thousand letters shows its first eight")
            << (QByteArray("HighScoreName1=") + QByteArray(10000, 'Q') + "\nHighScore1=1")
            << defaults << QStringList({"QQQQQQQQ 000001", "........ 000000", "........ 000000"});
        QTest::newRow("a table out of order is put in order")
            << QByteArray("HighScoreName1=LOW\nHighScore1=5\nHighScoreName2=HIGH\nHighScore2=50\n"
                          "HighScoreName3=MID\nHighScore3=50")
            << defaults << QStringList({"HIGH.... 000050", "MID..... 000050", "LOW..... 000005"});
        QTest::newRow("a file cut off in the middle of a line")
            << QByteArray("Sound=1\nSet=2\nHighScoreName1=ANNA\nHighScore1=12\nHighScoreNa")
            << "on 2 no no no" << QStringList({"ANNA.... 000012", "........ 000000", empty[0]});
    }
    void hostileValuesShowSanely() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, switches);
        QFETCH(QStringList, rows);
        writeStore("[Settings]\n" + stored + "\n");
        Run run;
        const Options o = run.window.shownOptions();
        const QString shown = QStringLiteral("%1 %2 %3 %4 %5")
                                  .arg(o.sound ? "on" : "off")
                                  .arg(int(o.set))
                                  .arg(o.mines ? "yes" : "no", o.rowShifts ? "yes" : "no",
                                       o.columnShifts ? "yes" : "no");
        QCOMPARE(shown, switches);
        QCOMPARE(run.tableShown({1, 2, 3}), rows);

        // The game plays on, and a ranked score goes where it belongs.
        run.window.pctSound->setPicture(run.window.pictures.pctSoundOff);
        run.window.table.HighScores[10] = 0;
        const auto table = run.window.table;
        QCOMPARE(rankNewScore(run.window.table, 6), [&] {
            for (int r = 1; r <= TableSize; ++r)
                if (6 >= table.HighScores[r]) return int16_t(r);
            return int16_t(0);
        }());
        for (int r = 2; r <= TableSize; ++r)
            QVERIFY(run.window.table.HighScores[r - 1] >= run.window.table.HighScores[r]);
    }

    // The window opens at the stored size, reduced to fit the screen; a value that is not a
    // size opens it at the size it always had.
    void theStoredWindowSizeIsFittedToTheScreen_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("none") << QByteArray() << 1.0 << false << false;
        QTest::newRow("maximized") << QByteArray("Window=1.1 maximized") << 1.1 << true << false;
        QTest::newRow("full-screen") << QByteArray("Window=1 fullscreen") << 1.0 << false << true;
        QTest::newRow("larger than the screen") << QByteArray("Window=40") << 0.0 << false << false;
        for (const char* hostile : {"nan", "inf", "1e400", "0.5", "-2", "65", "1.1 sideways", "0x2",
                                    "", "1,5", "1.1 maximized fullscreen"})
            QTest::addRow("hostile \"%s\"", hostile)
                << QByteArray("Window=") + hostile << 1.0 << false << false;
    }
    void theStoredWindowSizeIsFittedToTheScreen() {
        QFETCH(QByteArray, stored);
        QFETCH(double, factor);
        QFETCH(bool, maximized);
        QFETCH(bool, fullScreen);
        writeStore("[Settings]\n" + stored + "\n");
        Run run;
        frmMainInside& w = run.window;
        const WindowSize size = w.windowSize();
        QCOMPARE(size.maximized, maximized);
        QCOMPARE(size.fullScreen, fullScreen);
        if (factor == 0) {
            // As large as the screen has room for, no larger.
            const QRect room = w.screen()->availableGeometry();
            QVERIFY(size.factor > 1 && size.factor < 40);
            QVERIFY(w.width() <= room.width() + 1 && w.height() <= room.height() + 1);
        } else {
            QCOMPARE(size.factor, factor);
        }
        if (!maximized && !fullScreen)
            QCOMPARE(w.size(), QSize(qRound(676 * size.factor), qRound(375 * size.factor)));
        const QByteArray written = QByteArray("Window=") + writtenWindowSize(size).c_str();
        run.exit();
        // What is stored again is the size the window had, whatever the store held.
        QVERIFY2(storeText().split('\n').contains(written), written);
        if (factor == 1.0 && !maximized && !fullScreen) QCOMPARE(written, QByteArray("Window=1"));
    }

    // A store the game cannot read is left alone: the game plays with the defaults, and
    // closing it neither destroys nor half-writes what the file held.
    void anUnreadableStoreSurvivesTheGame_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("larger than any store the game writes") << "large";
        QTest::newRow("a folder where the file should be") << "folder";
    }
    void anUnreadableStoreSurvivesTheGame() {
        QFETCH(QString, kind);
        QByteArray before;
        if (kind == "large") {
            before = "[Settings]\nSound=1\nSet=2\nHighScoreName1=KEEP\nHighScore1=77\n" +
                     QByteArray(2 * 1024 * 1024, '#') + "\n";
            writeStore(before);
        } else {
            QVERIFY(QDir().mkpath(settingsFile()));
        }
        {
            Run run;
            const Options o = run.window.shownOptions();
            QVERIFY(!o.sound && o.set == PieceSet::Balls);
            QTest::mouseClick(run.window.pctSet, Qt::LeftButton, {}, QPoint(5, 5));
            run.exit();
            QVERIFY(!run.window.isVisible());
        }
        if (kind == "large")
            QCOMPARE(storeText(), before);
        else
            QVERIFY(QFileInfo(settingsFile()).isDir());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"
