// Mines going off and the timed shifts, in the main window, with the clock, the sounds and
// chance under the test's control.
#include "hazards/Explosion.h"
#include "sound/SoundFiles.h"
#include "hazards/Shifts.h"
#include "support/GameWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace mirel;
using namespace mirel::testing;

namespace {

struct Heard {
    std::string file;
    std::int16_t flags;
    std::int64_t at;
    bool locked;
};

std::string fileOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// What the board model becomes when `change` is applied to it, without painting.
template <typename F> Grid after(Grid pieces, F change) {
    RecordingPainter ignore;
    change(pieces, ignore);
    return pieces;
}

Rows gameWithMoves() {
    Rows rows = checkerboard();
    rows[9][0] = rows[9][1] = '3';
    rows[0][13] = rows[0][14] = '4';
    rows[3][6] = rows[3][7] = '5';
    return rows;
}

int minesOn(const Grid& mines) {
    int count = 0;
    for (const auto& row : mines)
        for (auto flag : row)
            count += flag != 0 ? 1 : 0;
    return count;
}

// A press and release, or a key, as the window system queues it while the window's thread is
// held: stamped with the time it was made, and handed over once the thread is free.
void postClick(QWidget* to, QPoint at) {
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        auto* event = new QMouseEvent(type, at, to->mapToGlobal(at), Qt::LeftButton,
                                      type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                       : Qt::NoButton,
                                      Qt::NoModifier);
        event->setTimestamp(quint64(QTest::lastMouseTimestamp));
        QCoreApplication::postEvent(to, event);
    }
}
void postKey(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        auto* event = new QKeyEvent(type, key, modifiers);
        event->setTimestamp(quint64(QTest::lastMouseTimestamp));
        QCoreApplication::postEvent(to, event);
    }
}

} // namespace

class HazardsWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The mine shows for a pause, then fire on exactly the blast area for the blast's sound and
    // a pause, then the block is gone and the board has settled; nothing is scored.
    void aMineGoesOffInOrder() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(gameWithMoves());
        game.pressCell(10, 1); // a removal first, so that there is an undo copy and a score
        w.board.BoardMines[5][5] = FlagTrue;
        w.board.BoardMines[6][6] = FlagTrue; // a second mine inside the area
        const Grid before = w.board.BoardPieces;
        const Grid undo = w.board.UndoPieces;
        const auto shifts = w.shifts;
        game.sound.calls.clear();

        const BlastArea area = blastArea({5, 5});
        const auto fireOnExactlyTheArea = [&] {
            for (int r = 1; r <= RowCount; ++r)
                for (int c = 1; c <= ColumnCount; ++c) {
                    const bool inside = r >= 4 && r <= 6 && c >= 4 && c <= 6;
                    const QPixmap& expected =
                        inside ? w.pictures.pctFire : w.pctPiece[before[r][c]];
                    if (!showsPicture(w.pctBoard, game.cellRect(r, c), expected)) return false;
                }
            return true;
        };
        const auto mineShownAlone = [&] {
            for (int r = 1; r <= RowCount; ++r)
                for (int c = 1; c <= ColumnCount; ++c) {
                    const QPixmap& expected =
                        r == 5 && c == 5 ? w.pictures.pctMine : w.pctPiece[before[r][c]];
                    if (!showsPicture(w.pctBoard, game.cellRect(r, c), expected)) return false;
                }
            return true;
        };

        std::vector<Heard> heard;
        std::vector<bool> seenAtSound;
        game.sound.onPlay = [&] {
            const auto& call = game.sound.calls.back();
            heard.push_back({fileOf(call.path), call.flags, game.clock.ticks, w.board.LockFlag});
            seenAtSound.push_back(heard.size() == 1 ? mineShownAlone() : fireOnExactlyTheArea());
        };
        std::vector<bool> seenAtPause;
        game.clock.onSleep = [&](std::int64_t) {
            seenAtPause.push_back(game.clock.sleeps.size() == 1 ? mineShownAlone()
                                                                : fireOnExactlyTheArea());
        };
        const std::int64_t start = game.clock.ticks;
        game.pressCell(5, 5);

        QCOMPARE(int(heard.size()), 2);
        QCOMPARE(heard[0].file, std::string(ExplodeSound));
        QCOMPARE(heard[0].flags, int16_t(SoundAsync));
        QCOMPARE(heard[0].at, start);
        QCOMPARE(heard[1].file, std::string(ExplodeSound));
        QCOMPARE(heard[1].flags, int16_t(SoundWait));
        QCOMPARE(heard[1].at, start + 1000);
        QVERIFY(heard[0].locked && heard[1].locked);
        QCOMPARE(game.clock.sleeps, (std::vector<std::int64_t>{1000, 1000}));
        QCOMPARE(seenAtSound, (std::vector<bool>{true, true}));
        QCOMPARE(seenAtPause, (std::vector<bool>{true, true}));

        QVERIFY(w.board.BoardPieces ==
                after(before, [&](Grid& g, BoardPainter& p) { destroyArea(g, area, p); }));
        QVERIFY(game.boardShowsModel());
        QCOMPARE(w.board.Score, 4);
        QCOMPARE(game.scoreShown(), QStringLiteral("000004"));
        QVERIFY(w.board.UndoPieces == undo);
        QCOMPARE(w.shifts.LastEventTick, shifts.LastEventTick);
        QCOMPARE(w.board.BoardMines[5][5], FlagTrue);
        QCOMPARE(w.board.BoardMines[6][6], FlagTrue);
        QCOMPARE(minesOn(w.board.BoardMines), 2);
        QVERIFY(!w.board.LockFlag && !w.board.BusyFlag);
        QVERIFY(w.cursor().shape() != Qt::WaitCursor);

        // The same cell goes off again, under whatever has fallen into it.
        const Grid second = w.board.BoardPieces;
        QVERIFY(second[5][5] != 0);
        game.pressCell(5, 5);
        QCOMPARE(int(heard.size()), 4);
        QVERIFY(w.board.BoardPieces ==
                after(second, [&](Grid& g, BoardPainter& p) { destroyArea(g, area, p); }));

        // Undo takes back every explosion since the last removal, and keeps the mines.
        game.click(w.pctUndo);
        QVERIFY(w.board.BoardPieces == undo);
        QCOMPARE(w.board.Score, 0);
        QCOMPARE(w.board.BoardMines[5][5], FlagTrue);
        QVERIFY(game.boardShowsModel());
    }

    // The switch is read at every sound: switched off, the explosion is silent, yet both
    // pauses still take place.
    void soundSwitchedOffSilencesTheNextSoundButNotThePauses() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(gameWithMoves());
        w.board.BoardMines[8][8] = FlagTrue;
        game.pressCell(10, 1);
        QCOMPARE(int(game.sound.calls.size()), 2);
        game.click(w.pctSound);
        game.pressCell(8, 8);
        QCOMPARE(int(game.sound.calls.size()), 2);
        QCOMPARE(game.clock.sleeps, (std::vector<std::int64_t>{1000, 1000}));
        // Switched on again, the next blast (the same cell, refilled from above) is heard.
        game.click(w.pctSound);
        QVERIFY(w.board.BoardPieces[8][8] != 0);
        game.pressCell(8, 8);
        QCOMPARE(int(game.sound.calls.size()), 4);
    }

    // A blast that leaves no two equal pieces touching ends the game.
    void aBlastThatLeavesNoMoveEndsTheGame() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows(10, std::string(15, '.'));
        rows[9] = "112............";
        rows[8] = "3..............";
        game.newGame(checkerboard());
        w.board.BoardPieces = boardFromText(rows);
        w.board.BoardMines[10][1] = FlagTrue;
        game.pressCell(10, 1);
        QVERIFY(!w.board.GameActive);
        QVERIFY(w.pctGameOver->isVisible());
        // Columns 1 and 2 burnt out and closed: the lone 2 stands in column 1.
        QCOMPARE(textOf(w.board.BoardPieces)[9], std::string("2.............."));
        QCOMPARE(textOf(w.board.BoardPieces)[8], std::string("..............."));
    }

    // What the player pressed while the board was locked waits for the window's thread: a
    // press on the board (aimed at a pair of 5s), New and Ctrl+Z made then are all dropped
    // when they come. A press made afterwards counts.
    void pressesMadeWhileTheBoardIsLockedAreDropped_data() {
        QTest::addColumn<bool>("mine");
        QTest::addColumn<int>("fivesRow"); // where the pair of 5s lies afterwards
        QTest::newRow("a mine burning") << true << 4;
        QTest::newRow("a row shift") << false << 5;
    }
    void pressesMadeWhileTheBoardIsLockedAreDropped() {
        QFETCH(bool, mine);
        QFETCH(int, fivesRow);
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.rowShifts = true; });
        game.newGame(gameWithMoves());
        game.pressCell(10, 1); // a pair of 3s: 4 points, and an undo copy to go back to
        bool pressed = false;
        const auto meanwhile = [&](std::int64_t ms) {
            QTest::lastMouseTimestamp += int(ms); // the player's time goes on
            if (pressed) return;
            pressed = true;
            postClick(w.pctBoard, game.cellRect(4, 7).center());
            postClick(w.pctNew, QPoint(3, 3));
            QWidget* focus = w.focusWidget();
            postKey(focus ? focus : &w, Qt::Key_Z, Qt::ControlModifier);
        };
        if (mine) {
            game.clock.onSleep = meanwhile;
            w.board.BoardMines[8][12] = FlagTrue;
            game.pressCell(8, 12);
        } else {
            game.sound.onPlay = [&] { meanwhile(700); };
            game.clock.advance(15000);
            w.Timer1_Timer();
        }
        QVERIFY(pressed);
        game.clock.onSleep = nullptr;
        game.sound.onPlay = nullptr;
        const Grid locked = w.board.BoardPieces;
        QCoreApplication::processEvents();
        QVERIFY(w.board.BoardPieces == locked);
        QCOMPARE(w.board.Score, 4);
        QCOMPARE(game.scoreShown(), QString("000004"));
        QVERIFY(game.boardShowsModel());

        QCOMPARE(w.board.BoardPieces[fivesRow][7], std::int16_t(5));
        game.pressCell(fivesRow, 7);
        QCOMPARE(w.board.Score, 8);
    }

    // A shift that leaves no two equal pieces touching does not end the game: the shifts turn
    // the board round and come back to where they started, so a later one brings a group back.
    void aShiftThatLeavesNoGroupIsNotTheEnd() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.rowShifts = true; });
        game.newGame(gameWithMoves());
        game.pressCell(10, 1); // starts the shift clock
        Rows rows(10, std::string(15, '.'));
        rows[8] = "1..............";
        rows[9] = "22.............";
        w.board.BoardPieces = boardFromText(rows);
        for (const char* bottom : {"12.............", "22............."}) {
            game.random.append(0.5f);
            game.clock.advance(15000);
            w.Timer1_Timer();
            QCOMPARE(textOf(w.board.BoardPieces)[9], std::string(bottom));
            QVERIFY(w.board.GameActive);
            QVERIFY(!w.pctGameOver->isVisible());
        }
        game.pressCell(10, 1);
        QVERIFY(!w.board.GameActive);
        QVERIFY(w.pctGameOver->isVisible());
    }

    // A shift that leaves no group that any sequence of this game's shifts can bring back
    // ends the game there, as a removal would: Game Over, and a score that ranks is entered.
    void aShiftThatLeavesNoGroupForGoodEndsTheGame_data() {
        QTest::addColumn<bool>("rowShifts");
        QTest::addColumn<bool>("ranks");
        QTest::addColumn<QString>("bottomAfter");
        QTest::newRow("a row shift, a score that ranks") << true << true << "13.............";
        QTest::newRow("a column shift, a score that does not rank")
            << false << false << "32.............";
    }
    void aShiftThatLeavesNoGroupForGoodEndsTheGame() {
        QFETCH(bool, rowShifts);
        QFETCH(bool, ranks);
        QFETCH(QString, bottomAfter);
        Game game(!ranks);
        frmMainInside& w = game.window;
        game.setOptions([&](Options& o) {
            o.rowShifts = rowShifts;
            o.columnShifts = !rowShifts;
        });
        game.newGame(gameWithMoves());
        game.pressCell(10, 1); // starts the shift clock
        const std::int32_t score = w.board.Score;
        Rows rows(10, std::string(15, '.'));
        rows[8] = "1..............";
        rows[9] = "23.............";
        w.board.BoardPieces = boardFromText(rows);
        bool opened = false;
        bool entering = false;
        whenModalOpens<frmHighScore>(
            &w,
            [&](frmHighScore& table) {
                // Opened by the end of the game: the clock stopped, the name being entered.
                entering = w.shifts.LastEventTick == 0 && table.entry.EntryActive;
                QTest::keyClick(&table, 'a');
                QTest::mouseClick(table.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
            },
            &opened, 1000);

        game.random.append(0.5f);
        game.clock.advance(15000);
        w.Timer1_Timer();
        QCOMPARE(QString::fromStdString(textOf(w.board.BoardPieces)[9]), bottomAfter);
        QVERIFY(!w.board.GameActive);
        QCOMPARE(w.shifts.LastEventTick, 0); // no shift moves the finished board
        QCOMPARE(opened, ranks);
        if (ranks) {
            QVERIFY(entering);
            QCOMPARE(w.table.HighScores[1], score);
            QCOMPARE(w.table.HighScoreNames[1], std::string("A"));
        } else {
            QVERIFY(w.pctGameOver->isVisible());
            QVERIFY(!w.pctBoard->isVisible());
        }
    }

    // No shift comes before the first scoring move of a game, however long the player waits:
    // a lone piece and a mine do not start the clock.
    void noShiftBeforeTheFirstScoringMove() {
        Game game;
        frmMainInside& w = game.window;
        game.click(w.pctEvents);
        game.click(w.pctRowShiftsSelection);
        game.click(w.pctOk);
        game.newGame(gameWithMoves());
        QCOMPARE(w.shifts.EventInterval[RowShift], 15000);
        w.board.BoardMines[3][3] = FlagTrue;
        game.pressCell(5, 5); // a lone piece
        game.pressCell(3, 3); // a mine
        const Grid before = w.board.BoardPieces;
        game.sound.calls.clear();
        for (int tick = 0; tick < 100; ++tick) {
            game.clock.advance(1000);
            w.Timer1_Timer();
        }
        QCOMPARE(w.shifts.LastEventTick, 0);
        QVERIFY(w.board.BoardPieces == before);
        QVERIFY(game.sound.calls.empty());
    }

    // A row shift comes exactly when its delay has passed since the first removal, framed by
    // two waited bazookas, with the board locked and the timer stopped; the next delay is
    // drawn and counted from the tick read before the shift.
    void aRowShiftComesOnTime() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.rowShifts = true; });
        game.newGame(gameWithMoves());
        game.clock.ticks = 50000;
        game.pressCell(10, 1);
        QCOMPARE(w.shifts.LastEventTick, 50000);
        game.sound.calls.clear();
        const Grid before = w.board.BoardPieces;

        game.clock.ticks = 50000 + 15000 - 1;
        w.Timer1_Timer();
        QVERIFY(w.board.BoardPieces == before);

        std::vector<Heard> heard;
        std::vector<bool> timerRunning;
        game.sound.onPlay = [&] {
            const auto& call = game.sound.calls.back();
            heard.push_back({fileOf(call.path), call.flags, 0, w.board.LockFlag});
            timerRunning.push_back(w.Timer1->isActive());
            game.clock.advance(700); // a waited sound takes its time
        };
        game.random.append(0.0f); // the next delay
        game.clock.ticks = 65000;
        w.Timer1_Timer();
        QCOMPARE(int(heard.size()), 2);
        for (const Heard& h : heard) {
            QCOMPARE(h.file, std::string(BazookaSound));
            QCOMPARE(h.flags, int16_t(SoundWait));
            QVERIFY(h.locked);
        }
        QCOMPARE(timerRunning, (std::vector<bool>{false, false}));
        QVERIFY(w.Timer1->isActive());
        QVERIFY(!w.board.LockFlag);
        QVERIFY(w.board.BoardPieces == after(before, rowShift));
        QVERIFY(game.boardShowsModel());
        QCOMPARE(w.shifts.LastEventTick, 65000);
        QCOMPARE(w.shifts.EventInterval[RowShift], 10000);
        QCOMPARE(game.random.remaining(), std::size_t(0));
        QCOMPARE(w.board.Score, 4); // a shift scores nothing

        // The shift's own sounds count towards the next delay.
        game.clock.ticks = 75000;
        w.Timer1_Timer();
        QCOMPARE(int(heard.size()), 4);
    }

    // A shift due while a click is being resolved waits until the click is done.
    void aShiftWaitsForAClickBeingResolved() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.columnShifts = true; });
        game.newGame(gameWithMoves());
        game.pressCell(10, 1);
        const Grid before = w.board.BoardPieces;
        game.clock.advance(20001);

        w.board.BusyFlag = true;
        bool movedWhileBusy = true;
        QTimer::singleShot(30, &w, [&] {
            movedWhileBusy = w.board.BoardPieces != before || !game.sound.calls.empty();
            w.board.BusyFlag = false;
        });
        game.sound.calls.clear();
        w.Timer1_Timer();
        QVERIFY(!movedWhileBusy);
        QVERIFY(w.board.BoardPieces ==
                after(before, [](Grid& g, BoardPainter& p) { columnShift(g, p); }));
        QCOMPARE(int(game.sound.calls.size()), 2);
        QVERIFY(game.boardShowsModel());
    }

    // Both switches on: the smaller delay wins, its delay is drawn again while the other
    // keeps its own; one shift per tick, and the row shift wins a tie.
    void bothShiftsRace() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.rowShifts = o.columnShifts = true; });
        game.scriptDeal(gameWithMoves());
        game.random.script.back() = 0.0f; // column shift: 10000; row shift: 15000
        game.click(w.pctNew);
        game.clock.ticks = 1000;
        game.pressCell(10, 1);
        game.sound.calls.clear();

        const Grid before = w.board.BoardPieces;
        game.random.append(0.5f); // the column shift's next delay: 15000
        game.clock.ticks = 11000;
        w.Timer1_Timer();
        QVERIFY(w.board.BoardPieces ==
                after(before, [](Grid& g, BoardPainter& p) { columnShift(g, p); }));
        QCOMPARE(w.shifts.EventInterval[RowShift], 15000);
        QCOMPARE(w.shifts.EventInterval[ColumnShift], 15000);
        QCOMPARE(w.shifts.LastEventTick, 11000);

        // Both due at one tick: only the row shift runs.
        const Grid middle = w.board.BoardPieces;
        game.random.append(0.0f);
        game.clock.ticks = 26000;
        w.Timer1_Timer();
        QVERIFY(w.board.BoardPieces == after(middle, rowShift));
        QCOMPARE(w.shifts.EventInterval[RowShift], 10000);
        QCOMPARE(w.shifts.EventInterval[ColumnShift], 15000);
        QCOMPARE(int(game.sound.calls.size()), 4);
        QVERIFY(game.boardShowsModel());
    }

    // The shifts go on while another screen or the high-score window covers the board, and
    // the board shows the shifted pieces when it comes back.
    void shiftsGoOnBehindOtherScreens() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.rowShifts = true; });
        game.newGame(gameWithMoves());
        game.pressCell(10, 1);

        Grid before = w.board.BoardPieces;
        game.visit(Game::Events, [&] {
            game.random.append(0.5f);
            game.clock.advance(15000);
            w.Timer1_Timer();
        });
        QVERIFY(w.board.BoardPieces == after(before, rowShift));
        QVERIFY(game.boardShowsModel());

        before = w.board.BoardPieces;
        game.visit(Game::HighScores, [&] {
            game.random.append(0.5f);
            game.clock.advance(15000);
            w.Timer1_Timer();
        });
        QVERIFY(w.board.BoardPieces == after(before, rowShift));
        QVERIFY(game.boardShowsModel());
    }

    // Once a game is over its board stays as it ended: no shift moves it, and none sounds.
    void shiftsStopWhenTheGameEnds() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.rowShifts = true; });
        game.playFourMoveGame();
        QVERIFY(!w.board.GameActive);
        const Grid finalBoard = w.board.BoardPieces;
        game.sound.calls.clear();
        for (int tick = 0; tick < 60; ++tick) {
            game.clock.advance(1000);
            w.Timer1_Timer();
        }
        QVERIFY(w.board.BoardPieces == finalBoard);
        QVERIFY(game.sound.calls.empty());
    }

    // With a single occupied column a column shift moves nothing and is not heard.
    void aColumnShiftWithOneColumnIsSilent() {
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([](Options& o) { o.columnShifts = true; });
        Rows rows(10, std::string(15, '1'));
        for (int r = 0; r < 10; ++r)
            for (int c = 1; c < 15; ++c)
                rows[r][c] = '2';
        rows[9][0] = '3';
        rows[8][0] = '3';
        game.newGame(rows);
        game.pressCell(1, 2); // the whole block of 2s: only column 1 is left
        QCOMPARE(occupiedColumns(w.board.BoardPieces), int16_t(1));
        game.sound.calls.clear();
        const Grid before = w.board.BoardPieces;
        game.clock.advance(20001);
        w.Timer1_Timer();
        QVERIFY(w.board.BoardPieces == before);
        QVERIFY(game.sound.calls.empty());
    }
};

QTEST_MAIN(HazardsWindowTest)
#include "HazardsWindowTest.moc"
