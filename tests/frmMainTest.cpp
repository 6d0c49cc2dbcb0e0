#include "support/GameWindow.h"
#include "sound/SoundFiles.h"
#include "ui/KeyboardPlay.h"
#include "ui/frmHighScore.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <memory>
#include <utility>

using namespace mirel;
using namespace mirel::testing;

class frmMainTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheTitleAndAnEmptyBoard() {
        Game game;
        frmMainInside& w = game.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Mirel"));
        QCOMPARE(w.size(), QSize(676, 375));
        QVERIFY(w.pctTolm->isVisible());
        QCOMPARE(w.pctTolm->geometry(), QRect(217, 142, 241, 90));
        QVERIFY(w.pctTolm->shows(w.pictures.title));
        QVERIFY(!w.pctGameOver->isVisible());
        QCOMPARE(w.pctBoard->geometry(), QRect(0, 0, 540, 374));
        for (PictureBox* place : w.imgScore) {
            QVERIFY(place->isVisible());
            QVERIFY(place->picture().isNull());
            QVERIFY(allBlack(place->grab().toImage()));
        }
        QVERIFY(allBlack(w.pctBoard->grab().toImage()));
        QVERIFY(!w.board.GameActive);
        QVERIFY(w.pctSet->shows(w.pictures.pctSet1));
        QVERIFY(w.pctMinesSelection->shows(w.pictures.pctNo));
        QCOMPARE(w.board.KindLimit, int16_t(5));
        QCOMPARE(game.random.draws, std::size_t(0));
        // The whole window is black where nothing is shown.
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.pixelColor(5, 370), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(560, 360), QColor(Qt::black));
    }

    void newDealsAndPaintsEveryCell() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows(10, std::string(15, '1'));
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 15; ++c)
                rows[r][c] = char('1' + (r * 15 + c) % 6);
        game.newGame(rows);

        QCOMPARE(game.random.draws, std::size_t(152));
        QVERIFY(!w.pctTolm->isVisible());
        QVERIFY(w.board.GameActive);
        QVERIFY(!w.board.BusyFlag && !w.board.LockFlag);
        QCOMPARE(w.board.Score, 0);
        QCOMPARE(game.scoreShown(), QStringLiteral("000000"));
        QCOMPARE(textOf(w.board.BoardPieces), rows);
        QVERIFY(game.boardShowsModel());
        for (int kind = 1; kind <= 6; ++kind)
            QVERIFY(w.pctPiece[kind].cacheKey() == w.pictures.pctBall[kind - 1].cacheKey());
        QVERIFY(showsPicture(w.pctBoard, game.cellRect(1, 1), w.pictures.pctBall[0]));
        QVERIFY(showsPicture(w.pctBoard, game.cellRect(10, 15), w.pictures.pctBall[5]));
        // The gaps between pictures stay black.
        QVERIFY(allBlack(w.pctBoard->grab(QRect(35, 6, 4, 360)).toImage()));
        QVERIFY(w.cursor().shape() != Qt::WaitCursor);
        QCOMPARE(w.board.UndoScore, 0);
    }

    void pieceSetTakesEffectAtTheNextNewGame() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(checkerboard());
        const Grid dealt = w.board.BoardPieces;

        w.pctSet->setPicture(w.pictures.pctSet3);
        QCOMPARE(w.board.KindLimit, int16_t(5));
        QVERIFY(game.boardShowsModel());
        QVERIFY(w.board.BoardPieces == dealt);

        // With faces, the highest draw gives kind 5 and the yellow ball stays unused in slot 6.
        for (int i = 0; i < CellCount; ++i)
            game.random.append(std::nextafter(1.0f, 0.0f));
        game.random.append({0.5f, 0.5f});
        QTest::mouseClick(w.pctNew, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(w.board.KindLimit, int16_t(4));
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                QCOMPARE(w.board.BoardPieces[r][c], int16_t(5));
        QVERIFY(showsPicture(w.pctBoard, game.cellRect(4, 7), w.pictures.pctFace[4]));
        QVERIFY(w.pctPiece[6].cacheKey() == w.pictures.pctBall[5].cacheKey());

        w.pctSet->setPicture(w.pictures.pctSet2);
        game.newGame(checkerboard());
        QVERIFY(showsPicture(w.pctBoard, game.cellRect(1, 1), w.pictures.pctBox[0]));
        QVERIFY(showsPicture(w.pctBoard, game.cellRect(1, 2), w.pictures.pctBox[1]));
    }

    void minesAreLaidOnlyWhenSwitchedOn() {
        Game game;
        frmMainInside& w = game.window;
        w.pctMinesSelection->setPicture(w.pictures.pctYes);
        game.scriptDeal(checkerboard());
        game.random.append({0.25f, 0.0f, 0.0f, 0.0f, 0.0f, 0.99f, 0.99f, 0.5f, 0.5f, 0.3f, 0.3f});
        QTest::mouseClick(w.pctNew, Qt::LeftButton, {}, QPoint(10, 10));
        int mines = 0;
        for (const auto& row : w.board.BoardMines)
            for (auto flag : row)
                mines += flag != 0 ? 1 : 0;
        QCOMPARE(mines, 4);
        QCOMPARE(game.random.remaining(), std::size_t(0));
        QCOMPARE(w.board.BoardMines[1][1], FlagTrue);
        QCOMPARE(w.board.BoardMines[10][15], FlagTrue);

        w.pctMinesSelection->setPicture(w.pictures.pctNo);
        game.newGame(checkerboard());
        for (const auto& row : w.board.BoardMines)
            for (auto flag : row)
                QCOMPARE(flag, int16_t(0));
        QCOMPARE(game.random.remaining(), std::size_t(0));
    }

    void exitAndTheCloseBoxBothCloseThroughUnload() {
        for (bool viaCloseBox : {false, true}) {
            Game game;
            QSignalSpy unloaded(&game.window, &frmMain::unloaded);
            if (viaCloseBox)
                game.window.windowHandle()->close();
            else
                QTest::mouseClick(game.window.pctExit, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(unloaded.count(), 1);
            QVERIFY(!game.window.isVisible());
        }
    }

    void pressesHitExactlyThePaintedPixels_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("hit");
        QTest::newRow("first pixel") << 0 << 0 << int(Qt::LeftButton) << true;
        QTest::newRow("last pixel") << 31 << 31 << int(Qt::LeftButton) << true;
        QTest::newRow("last pixel of the top row") << 31 << 0 << int(Qt::LeftButton) << true;
        QTest::newRow("first pixel of the gap to the right")
            << 32 << 0 << int(Qt::LeftButton) << false;
        QTest::newRow("first pixel of the gap below") << 0 << 32 << int(Qt::LeftButton) << false;
        QTest::newRow("last pixel of the gap to the left")
            << -1 << 5 << int(Qt::LeftButton) << false;
        QTest::newRow("last pixel of the gap above") << 5 << -1 << int(Qt::LeftButton) << false;
        QTest::newRow("right button") << 10 << 10 << int(Qt::RightButton) << false;
        QTest::newRow("middle button") << 10 << 10 << int(Qt::MiddleButton) << false;
    }
    void pressesHitExactlyThePaintedPixels() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, button);
        QFETCH(bool, hit);
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        rows[4][6] = rows[5][6] = '3';   // a pair at (5, 7) and (6, 7)
        rows[0][13] = rows[0][14] = '4'; // and one more, so that the game goes on
        game.newGame(rows);
        const QRect cell = game.cellRect(6, 7);
        // The picture covers exactly these pixels.
        QVERIFY(showsPicture(w.pctBoard, cell, w.pictures.pctBall[2]));
        QVERIFY(allBlack(w.pctBoard->grab(QRect(cell.right() + 1, cell.top(), 4, 32)).toImage()));

        game.press(cell.topLeft() + QPoint(dx, dy), Qt::MouseButton(button));
        QCOMPARE(w.board.Score, hit ? 4 : 0);
        QCOMPARE(w.board.BoardPieces[6][7] == 3, !hit);
    }

    // Drawn larger by a fractional factor, a cell takes a press on every pixel whose centre
    // lies in its scaled square and shows there the picture drawn for that size; a button
    // takes a press on every pixel of its scaled box. Nothing around them does.
    void pressesAtAFractionalFactorLandOnTheScaledSquare_data() {
        QTest::addColumn<QString>("target"); // the cell (6, 7) or the New button
        QTest::addColumn<QString>("across"); // first, last, before (the first) or after (the last)
        QTest::addColumn<QString>("down");
        QTest::addColumn<bool>("hit");
        for (const char* target : {"cell", "New"}) {
            const auto row = [&](const char* across, const char* down, bool hit) {
                QTest::addRow("%s %s %s", target, across, down)
                    << QString(target) << QString(across) << QString(down) << hit;
            };
            row("first", "first", true);
            row("last", "last", true);
            row("last", "first", true);
            row("after", "first", false);
            row("first", "after", false);
            row("before", "last", false);
            row("last", "before", false);
        }
    }
    void pressesAtAFractionalFactorLandOnTheScaledSquare() {
        QFETCH(QString, target);
        QFETCH(QString, across);
        QFETCH(QString, down);
        QFETCH(bool, hit);
        Game game;
        frmMainInside& w = game.window;
        game.resize(930, 510); // the height binds: 1.36
        const double s = w.scaleFactor();
        QCOMPARE(s, 510 / 375.0);
        const QPoint origin(w.pctTolm->x() - toPixels(w.pctTolm->Left(), s),
                            w.pctTolm->y() - toPixels(w.pctTolm->Top(), s));
        QCOMPARE(origin, QPoint((930 - toPixels(frmMain::ClientWidth, s)) / 2, 0));
        // The pixels of a span of twips: those whose centres lie inside it (a cell), or from
        // the pixel its start falls in up to that its end falls in (a box).
        const auto span = [&](int from, int length, bool centres) {
            if (centres)
                return std::pair(int(std::ceil(from * s / 15 - 0.5)),
                                 int(std::floor((from + length) * s / 15 - 0.5)));
            return std::pair(int(std::floor(from * s / 15)),
                             int(std::floor((from + length) * s / 15)) - 1);
        };
        const auto pick = [](std::pair<int, int> edges, const QString& which) {
            return which == "first"    ? edges.first
                   : which == "last"   ? edges.second
                   : which == "before" ? edges.first - 1
                                       : edges.second + 1;
        };

        Rows rows = checkerboard();
        rows[4][6] = rows[5][6] = '3';   // a pair at (5, 7) and (6, 7)
        rows[0][13] = rows[0][14] = '4'; // and one more, so that the game goes on
        if (target == "cell") {
            game.newGame(rows);
            const auto x = span(w.board.CellX[6][7], PieceSize, true);
            const auto y = span(w.board.CellY[6][7], PieceSize, true);
            // The pieces are drawn for this size once they show.
            QTRY_VERIFY(!ScaledPictures::instance()
                             .exact(w.pictures.pctBall[2], s, w.devicePixelRatioF())
                             .isNull());
            const QImage drawn =
                ScaledPictures::instance().exact(w.pictures.pctBall[2], s, w.devicePixelRatioF());
            QCOMPARE(drawn.size(), QSize(44, 44)); // 32 x 1.36, rounded up
            const QImage shot = w.pctBoard->grab(QRect(x.first, y.first, 44, 44)).toImage();
            QCOMPARE(shot.convertToFormat(QImage::Format_RGB32),
                     drawn.convertToFormat(QImage::Format_RGB32));
            game.clickAt(w.pctBoard->pos() + QPoint(pick(x, across), pick(y, down)));
            QCOMPARE(w.board.Score, hit ? 4 : 0);
            QCOMPARE(w.board.BoardPieces[6][7] == 3, !hit);
        } else {
            game.scriptDeal(rows);
            const auto x = span(9330, 720, false);
            const auto y = span(1350, 360, false);
            game.clickAt(origin + QPoint(pick(x, across), pick(y, down)));
            QCOMPARE(w.board.GameActive, hit);
        }
    }

    // A resize while a game is in play keeps the game, its score and its board; back at the
    // size it opened with, the window is drawn exactly as it was.
    void aResizeKeepsTheGame() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        rows[4][6] = rows[5][6] = '3';
        rows[0][13] = rows[0][14] = '4';
        game.newGame(rows);
        game.pressCell(5, 7);
        const Grid pieces = w.board.BoardPieces;
        game.resize(1690, 938); // 2.5
        QCOMPARE(w.scaleFactor(), 2.5);
        QCOMPARE(w.board.Score, 4);
        QVERIFY(w.board.BoardPieces == pieces);
        QVERIFY(w.board.GameActive);
        // The board spans twips 10 to 8110 across and 10 to 5625 down.
        QCOMPARE(w.pctBoard->size(), QSize(1351 - 1, 937 - 1));
        // The high-score window opens at the same factor.
        QSize table;
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w,
            [&](frmHighScore& highScores) {
                table = highScores.size();
                game.click(highScores.pctOk);
            },
            &opened);
        game.click(w.pctHighScores);
        QVERIFY(opened);
        QCOMPARE(table, QSize(toPixels(frmHighScore::ClientWidth, 2.5),
                              toPixels(frmHighScore::ClientHeight, 2.5)));
        game.resize(676, 375);
        QCOMPARE(w.scaleFactor(), 1.0);
        QCOMPARE(w.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 game.drawnFromTheModel());
        game.pressCell(1, 14);
        QCOMPARE(w.board.Score, 8);
    }

    void aLonePieceChangesNothing() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(checkerboard());
        const Grid board = w.board.BoardPieces;
        const Grid undo = w.board.UndoPieces;
        const QImage before = w.pctBoard->grab().toImage();

        game.pressCell(4, 4);
        QVERIFY(game.sound.calls.empty());
        QCOMPARE(w.board.Score, 0);
        QCOMPARE(game.scoreShown(), QStringLiteral("000000"));
        QVERIFY(w.board.UndoPieces == undo);
        QVERIFY(w.board.BoardPieces == board);
        QCOMPARE(w.shifts.LastEventTick, 0);
        QVERIFY(!w.board.BusyFlag);
        QVERIFY(w.cursor().shape() != Qt::WaitCursor);
        QCOMPARE(w.pctBoard->grab().toImage(), before);
        // No end-of-game test either: the checkerboard has no move, yet the game goes on.
        QVERIFY(w.board.GameActive);
        QVERIFY(w.pctBoard->isVisible());
    }

    void aRemovalRepaintsScoresAndBleeps() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        // An L of five 3s over rows 8..10 of columns 1..3, and a pair of 4s elsewhere.
        rows[7][0] = rows[8][0] = rows[9][0] = rows[9][1] = rows[9][2] = '3';
        rows[2][9] = rows[2][10] = '4';
        game.newGame(rows);
        const Grid before = w.board.BoardPieces;
        game.clock.ticks = 424242;

        bool busyWhileBleeping = true;
        bool hourglassWhileBleeping = true;
        game.sound.onPlay = [&] {
            busyWhileBleeping = busyWhileBleeping && w.board.BusyFlag;
            hourglassWhileBleeping = hourglassWhileBleeping && w.cursor().shape() == Qt::WaitCursor;
        };
        game.pressCell(9, 1);

        QCOMPARE(int(game.sound.calls.size()), 5);
        for (const auto& call : game.sound.calls) {
            QVERIFY(QString::fromStdString(call.path).endsWith(QStringLiteral("/") + BleepSound));
            QCOMPARE(call.flags, int16_t(SoundAsync));
        }
        QVERIFY(busyWhileBleeping);
        QVERIFY(hourglassWhileBleeping);
        QVERIFY(!w.board.BusyFlag);
        QVERIFY(w.cursor().shape() != Qt::WaitCursor);
        QCOMPARE(w.board.Score, 10);
        QCOMPARE(w.board.UndoScore, 0);
        QCOMPARE(game.scoreShown(), QStringLiteral("000010"));
        QVERIFY(w.board.UndoPieces == before);
        QCOMPARE(w.shifts.LastEventTick, 424242);
        QCOMPARE(w.board.BoardPieces[10][1], before[7][1]);
        QCOMPARE(w.board.BoardPieces[1][1], int16_t(0));
        QVERIFY(game.boardShowsModel());

        // A second removal keeps the clock where the first one started it.
        game.clock.ticks = 500000;
        game.pressCell(3, 10);
        QCOMPARE(w.board.Score, 14);
        QCOMPARE(w.board.UndoScore, 10);
        QCOMPARE(game.scoreShown(), QStringLiteral("000014"));
        QCOMPARE(w.shifts.LastEventTick, 424242);
        QVERIFY(game.boardShowsModel());
    }

    void aMinedPieceIsNotRemovedWithItsGroup() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        rows[9][0] = rows[9][1] = rows[9][2] = '4';
        rows[0][13] = rows[0][14] = '5';

        // A click on the mined member sets the mine off: no group is searched, scored or
        // snapshotted, and nothing bleeps.
        game.newGame(rows);
        w.board.BoardMines[10][2] = FlagTrue;
        const Grid undo = w.board.UndoPieces;
        game.pressCell(10, 2);
        QCOMPARE(w.board.Score, 0);
        QCOMPARE(int(game.sound.calls.size()), 2);
        for (const auto& call : game.sound.calls)
            QVERIFY(QString::fromStdString(call.path).endsWith(QStringLiteral("/") + ExplodeSound));
        QVERIFY(w.board.UndoPieces == undo);
        QCOMPARE(w.shifts.LastEventTick, 0);
        QVERIFY(!w.board.BusyFlag && !w.board.LockFlag);
        QVERIFY(w.cursor().shape() != Qt::WaitCursor);

        // A click on an unmined member removes all of it; the flag stays with its cell,
        // under whatever has come down into it.
        game.newGame(rows);
        w.board.BoardMines[10][2] = FlagTrue;
        const Grid before = w.board.BoardPieces;
        game.pressCell(10, 1);
        QCOMPARE(w.board.Score, 6);
        QCOMPARE(w.board.BoardPieces[10][2], before[9][2]);
        QCOMPARE(w.board.BoardMines[10][2], FlagTrue);
        int mines = 0;
        for (const auto& row : w.board.BoardMines)
            for (auto flag : row)
                mines += flag != 0 ? 1 : 0;
        QCOMPARE(mines, 1);
    }

    void anEmptyCellTakesNoClick() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        rows[0][0] = rows[0][1] = '3';
        rows[5][5] = rows[5][6] = '4';
        game.newGame(rows);
        game.pressCell(1, 1);
        QCOMPARE(w.board.BoardPieces[1][1], int16_t(0));
        w.board.BoardMines[1][1] = FlagTrue;
        const std::size_t sounds = game.sound.calls.size();
        game.pressCell(1, 1);
        QCOMPARE(w.board.Score, 4);
        QCOMPARE(game.sound.calls.size(), sounds);
        QVERIFY(!w.board.BusyFlag);
    }

    void soundSwitchedOffPlaysNothing() {
        Game game;
        frmMainInside& w = game.window;
        w.pctSound->setPicture(w.pictures.pctSoundOff);
        Rows rows = checkerboard();
        rows[9][0] = rows[9][1] = '5';
        game.newGame(rows);
        game.pressCell(10, 1);
        QCOMPARE(w.board.Score, 4);
        QVERIFY(game.sound.calls.empty());
    }

    void undoRestoresBoardAndScore() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        for (int r = 0; r < 10; ++r)
            rows[r][4] = '6'; // a whole column, which closes when removed
        rows[0][0] = rows[0][1] = '3';
        game.newGame(rows);
        const Grid dealt = w.board.BoardPieces;
        const QImage dealtPixels = w.pctBoard->grab().toImage();

        // Before the first removal there is nothing to take back.
        QTest::mouseClick(w.pctUndo, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.board.BoardPieces == dealt);
        QCOMPARE(game.scoreShown(), QStringLiteral("000000"));

        game.pressCell(1, 1);
        const Grid afterFirst = w.board.BoardPieces;
        game.pressCell(5, 5);
        QCOMPARE(w.board.Score, 24);
        QCOMPARE(w.board.BoardPieces[10][15], int16_t(0));

        for (int times = 1; times <= 2; ++times) {
            QTest::mouseClick(w.pctUndo, Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(w.board.BoardPieces == afterFirst);
            QCOMPARE(w.board.Score, 4);
            QCOMPARE(game.scoreShown(), QStringLiteral("000004"));
            QVERIFY(game.boardShowsModel());
        }
        QVERIFY(w.pctBoard->grab().toImage() != dealtPixels);
    }

    void aWholeGameToTheHighScoreTable() {
        Game game(false);
        frmMainInside& w = game.window;
        struct Seen {
            bool entryActive = false;
            int cursor = 0;
            bool cursorDrawn = false;
            bool resetShown = true;
            bool mainHidden = false;
            QString afterAB1, afterBackspace, afterSeven, afterMore;
            bool activeAfterSeven = true;
        };

        const auto playToTheEnd = [&](const std::function<void(frmHighScore&)>& inWindow) {
            game.newGame(fourMoveGame());
            const std::vector<std::pair<int, QString>> moves = {
                {1, "000004"}, {4, "000008"}, {7, "000012"}, {10, "000018"}};
            bool opened = false;
            for (std::size_t i = 0; i < moves.size(); ++i) {
                if (i + 1 == moves.size()) whenModalOpens<frmHighScore>(&w, inWindow, &opened);
                game.pressCell(1, moves[i].first);
                QCOMPARE(game.scoreShown(), moves[i].second);
                QCOMPARE(w.board.GameActive, i + 1 < moves.size());
            }
            QVERIFY(opened);
        };

        Seen seen;
        playToTheEnd([&](frmHighScore& window) {
            seen.entryActive = window.entry.EntryActive;
            seen.cursor = window.entry.CursorPos;
            seen.cursorDrawn =
                showsPicture(window.pctHighScore, QRect(146, 4, 22, 28), w.pictures.pctAlphabet[0]);
            seen.resetShown = window.pctReset->isVisible();
            seen.mainHidden =
                !w.pctBoard->isVisible() && !w.pctGameOver->isVisible() && !w.pctNew->isVisible();
            for (char key : {'a', 'b', '1'})
                QTest::keyClick(&window, key);
            seen.afterAB1 = QString::fromStdString(w.table.HighScoreNames[1]);
            QTest::keyClick(&window, Qt::Key_Backspace);
            seen.afterBackspace = QString::fromStdString(w.table.HighScoreNames[1]);
            for (char key : {'x', 'y', 'z', '7', '8'})
                QTest::keyClick(&window, key);
            seen.afterSeven = QString::fromStdString(w.table.HighScoreNames[1]);
            seen.activeAfterSeven = window.entry.EntryActive;
            QTest::keyClick(&window, 'q');
            seen.afterMore = QString::fromStdString(w.table.HighScoreNames[1]);
            QTest::mouseClick(window.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
        });
        QVERIFY(seen.entryActive);
        QCOMPARE(seen.cursor, 1);
        QVERIFY(seen.cursorDrawn);
        QVERIFY(!seen.resetShown);
        QVERIFY(seen.mainHidden);
        QCOMPARE(seen.afterAB1, QStringLiteral("AB1"));
        QCOMPARE(seen.afterBackspace, QStringLiteral("AB"));
        QCOMPARE(seen.afterSeven, QStringLiteral("ABXYZ78"));
        QVERIFY(!seen.activeAfterSeven);
        QCOMPARE(seen.afterMore, QStringLiteral("ABXYZ78"));

        // Back on the main screen: the final board, no Game Over, no title, the game over.
        QVERIFY(w.pctBoard->isVisible());
        QVERIFY(!w.pctGameOver->isVisible());
        QVERIFY(!w.pctTolm->isVisible());
        QVERIFY(!w.board.GameActive);
        QCOMPARE(w.table.HighScores[1], 18);
        QCOMPARE(w.table.NewHighScoreRank, int16_t(0));
        // Stored as soon as the window closed.
        QCOMPARE(game.store.values["HighScoreName1"], std::string("ABXYZ78"));
        QCOMPARE(game.store.values["HighScore1"], std::string("18"));

        // Undo does nothing once the game is over.
        const Grid finalBoard = w.board.BoardPieces;
        QTest::mouseClick(w.pctUndo, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.board.BoardPieces == finalBoard);

        // The same score again ranks above the old one; Enter ends the name.
        QString typed;
        playToTheEnd([&](frmHighScore& window) {
            for (char key : {'a', 'b', '1'})
                QTest::keyClick(&window, key);
            QTest::keyClick(&window, Qt::Key_Return);
            QTest::keyClick(&window, 'c');
            typed = QString::fromStdString(w.table.HighScoreNames[1]);
            QTest::mouseClick(window.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
        });
        QCOMPARE(typed, QStringLiteral("AB1"));
        QCOMPARE(QString::fromStdString(w.table.HighScoreNames[2]), QStringLiteral("ABXYZ78"));
        QCOMPARE(w.table.HighScores[2], 18);
        // Each score stored once, the newer above.
        QCOMPARE(game.store.values["HighScoreName1"], std::string("AB1"));
        QCOMPARE(game.store.values["HighScoreName2"], std::string("ABXYZ78"));
        QCOMPARE(game.store.values["HighScore3"], std::string("0"));
    }

    // Ctrl+Q in the high-score window ends the game too, keeping the name typed so far.
    void ctrlQEndsTheGameFromTheHighScoreWindow() {
        Game game(false);
        frmMainInside& w = game.window;
        game.newGame(fourMoveGame());
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w,
            [](frmHighScore& table) {
                for (int key : {Qt::Key_J, Qt::Key_O})
                    QTest::keyClick(&table, Qt::Key(key));
                QTest::keyClick(&table, Qt::Key_Q, Qt::ControlModifier);
                if (table.isVisible()) table.pctOk_Click(); // not closed: the checks fail
            },
            &opened);
        for (int col : {1, 4, 7, 10})
            game.pressCell(1, col);
        QVERIFY(opened);
        QVERIFY(!w.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(game.store.values["HighScoreName1"], std::string("JO"));
        QCOMPARE(game.store.values["HighScore1"], std::string("18"));
    }

    // No mouse at all: New, the cursor to each move, the name, Ok and Exit, all by keys.
    void aWholeGameFromTheKeyboardAlone() {
        Game game(false);
        frmMainInside& w = game.window;
        game.scriptDeal(fourMoveGame());
        game.key(Qt::Key_N, Qt::ControlModifier);
        QVERIFY(w.board.GameActive);
        QCOMPARE(w.focusWidget(), w.pctBoard);
        QCOMPARE(w.keys->cursor(), (Cell{10, 1}));
        // The cursor stops at the edges.
        game.key(Qt::Key_Left);
        game.key(Qt::Key_Down);
        QCOMPARE(w.keys->cursor(), (Cell{10, 1}));
        game.key(Qt::Key_Up, {}, 12);
        QCOMPARE(w.keys->cursor(), (Cell{1, 1}));

        // A key on a cell is a left click on it: the same sounds, undo copy and score.
        const Grid dealt = w.board.BoardPieces;
        game.key(Qt::Key_Space);
        QCOMPARE(game.scoreShown(), QStringLiteral("000004"));
        QCOMPARE(int(game.sound.calls.size()), 2);
        QVERIFY(w.board.UndoPieces == dealt);
        QVERIFY(game.boardShowsModel() == false); // the cursor frames (1, 1)
        for (const auto& [key, score] : std::vector<std::pair<int, QString>>{
                 {Qt::Key_Return, "000008"}, {Qt::Key_Enter, "000012"}}) {
            game.key(Qt::Key_Right, {}, 3);
            game.key(key);
            QCOMPARE(game.scoreShown(), score);
        }

        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w,
            [](frmHighScore& table) {
                const auto type = [&](int key) {
                    QWidget* focus = table.focusWidget();
                    QTest::keyClick(focus ? focus : &table, Qt::Key(key));
                };
                for (int key : {Qt::Key_K, Qt::Key_E, Qt::Key_Y, Qt::Key_Return, Qt::Key_Return})
                    type(key);
            },
            &opened);
        game.key(Qt::Key_Right, {}, 3);
        game.key(Qt::Key_Space);
        QVERIFY(opened);
        QVERIFY(!w.board.GameActive);
        QCOMPARE(int(game.sound.calls.size()), 9);
        QCOMPARE(QString::fromStdString(w.table.HighScoreNames[1]), QStringLiteral("KEY"));

        game.key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        QCOMPARE(game.store.values["HighScoreName1"], std::string("KEY"));
        QCOMPARE(game.store.values["HighScore1"], std::string("18"));
    }

    // A player who only uses the mouse sees exactly what the game always showed: every
    // step of a game, every screen, drawn from the model alone. A key brings the cursor, and
    // the next press of the mouse takes it away.
    void aMousePlayerSeesNothingOfTheKeyboard() {
        Game game;
        frmMainInside& w = game.window;
        const auto asEver = [&] {
            return w.grab().toImage().convertToFormat(QImage::Format_RGB32) ==
                   game.drawnFromTheModel();
        };
        QVERIFY(asEver());
        game.newGame(fourMoveGame());
        QVERIFY(asEver());
        for (int col : {1, 4, 7}) {
            game.pressCell(1, col);
            QVERIFY(asEver());
        }
        for (Game::Screen screen : {Game::Help, Game::About, Game::Events, Game::HighScores}) {
            bool inside = false;
            game.visit(screen, [&] { inside = screen == Game::HighScores || asEver(); });
            QVERIFY(inside);
            QVERIFY(asEver());
        }
        game.click(w.pctUndo);
        QVERIFY(asEver());
        game.pressCell(1, 7);
        game.pressCell(1, 10);
        QVERIFY(w.pctGameOver->isVisible());
        QVERIFY(asEver());

        game.newGame(fourMoveGame());
        game.key(Qt::Key_Right);
        const QImage withCursor = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage cell = onBlack(w.pctPiece[w.board.BoardPieces[10][2]]);
        QPainter(&cell).drawPixmap(0, 0, w.pictures.pctCursor);
        const QRect at = game.cellRect(10, 2).translated(w.pctBoard->pos());
        QCOMPARE(withCursor.copy(at), cell);
        QImage elsewhere = withCursor;
        QPainter(&elsewhere).drawImage(at.topLeft(), game.drawnFromTheModel().copy(at));
        QCOMPARE(elsewhere, game.drawnFromTheModel());
        game.pressCell(5, 5);
        QVERIFY(asEver());

        // Tab frames the button in focus, until the mouse is used again.
        game.key(Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.pctNew);
        QVERIFY(!asEver());
        QVERIFY(w.grab(w.pctNew->geometry()).toImage() != w.pctNew->grab().toImage());
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(600, 365));
        QVERIFY(asEver());
    }

    void anUnrankedScoreLeavesGameOverShown() {
        Game game(false);
        frmMainInside& w = game.window;
        // The score is ranked against the table as stored.
        for (int r = 1; r <= TableSize; ++r)
            game.store.values["HighScore" + std::to_string(r)] = "300";
        const auto table =
            decltype(w.table.HighScores){0, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300};
        game.newGame(fourMoveGame());
        w.board.BoardMines[5][5] = FlagTrue; // hidden mines do not keep a game going
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w, [](frmHighScore& window) { window.reject(); }, &opened);
        for (int col : {1, 4, 7, 10})
            game.pressCell(1, col);
        QVERIFY(!opened);
        QVERIFY(w.pctGameOver->isVisible());
        QVERIFY(!w.pctBoard->isVisible());
        QVERIFY(!w.board.GameActive);
        QVERIFY(w.table.HighScores == table);
        QCOMPARE(w.table.NewHighScoreRank, int16_t(0));
        QVERIFY(showsPicture(w.pctGameOver, QRect(1, 1, 149, 34), w.pictures.gameOver));
        QCOMPARE(w.pctGameOver->geometry(), QRect(262, 169, 151, 36));

        // New clears Game Over and deals again.
        game.newGame(checkerboard());
        QVERIFY(!w.pctGameOver->isVisible());
        QVERIFY(w.pctBoard->isVisible());
    }

    void theHighScoresButtonShowsTheTableWithReset() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(fourMoveGame());
        game.pressCell(1, 1);
        w.table.HighScoreNames[1] = "ANNA";
        w.table.NewHighScoreRank = 3;
        bool opened = false;
        bool resetShown = false;
        bool mainHidden = false;
        int savesAtReset = 0;
        whenModalOpens<frmHighScore>(
            &w,
            [&](frmHighScore& window) {
                resetShown = window.pctReset->isVisible();
                mainHidden = !w.pctBoard->isVisible() && !w.pctNew->isVisible();
                QTest::keyClick(&window, 'z');
                const int before = game.store.saves;
                QTest::mouseClick(window.pctReset, Qt::LeftButton, {}, QPoint(5, 5));
                savesAtReset = game.store.saves - before;
            },
            &opened);
        QTest::mouseClick(w.pctHighScores, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(opened);
        QVERIFY(resetShown);
        QVERIFY(mainHidden);
        // The emptied table is stored at once, before the window closes.
        QCOMPARE(savesAtReset, 1);
        QCOMPARE(w.table.NewHighScoreRank, int16_t(0));
        for (int r = 1; r <= TableSize; ++r) {
            QVERIFY(w.table.HighScoreNames[r].empty());
            QCOMPARE(w.table.HighScores[r], 0);
            QCOMPARE(game.store.values["HighScore" + std::to_string(r)], std::string("0"));
        }
        // The game in progress comes back as it was, without the title.
        QVERIFY(w.pctBoard->isVisible());
        QVERIFY(!w.pctTolm->isVisible());
        QCOMPARE(w.board.Score, 4);
        QCOMPARE(game.scoreShown(), QStringLiteral("000004"));
        QVERIFY(game.boardShowsModel());
    }

    void theBoardKeepsWhatIsPaintedOnIt() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(checkerboard());
        const QImage before = w.pctBoard->grab().toImage();
        w.hide();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.pctBoard->repaint();
        QCOMPARE(w.pctBoard->grab().toImage(), before);
        QVERIFY(game.boardShowsModel());
    }

    void theTitleTakesTheClicksOfTheCellsBeneathIt() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(Rows(10, std::string(15, '2')));
        w.pctTolm->show(); // as after leaving a screen once the game is over
        const QPoint overTitle = w.pctTolm->geometry().center();
        QWidget* target = w.childAt(overTitle);
        QCOMPARE(target, static_cast<QWidget*>(w.pctTolm));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, overTitle));
        QCOMPARE(w.board.Score, 0);
    }

    // Before the first deal the cells have no places yet: no press on the empty board may
    // hit one (they used to all lie at the top left and catch presses there).
    void aPressBeforeTheFirstDealChangesNothing() {
        Game game;
        frmMainInside& w = game.window;
        std::vector<QPoint> presses;
        for (int y = 0; y <= 40; ++y)
            for (int x = 0; x <= 40; ++x)
                presses.emplace_back(x, y);
        const QRect all = w.pctBoard->rect();
        for (QPoint corner : {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
            presses.push_back(corner);
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                presses.emplace_back(toPixels(FirstCellX + CellPitch * (c - 1)) + 16,
                                     toPixels(FirstCellY + CellPitch * (r - 1)) + 16);
        const QImage before = w.pctBoard->grab().toImage();
        for (QPoint at : presses)
            game.press(at);
        QTest::mouseDClick(w.pctBoard, Qt::LeftButton, {}, QPoint(10, 10));

        QVERIFY(!w.board.GameActive);
        QVERIFY(!w.board.BusyFlag);
        QVERIFY(game.sound.calls.empty());
        QCOMPARE(w.pctBoard->grab().toImage(), before);

        const auto scorePlacesEmpty = [&] {
            for (PictureBox* place : w.imgScore)
                if (!place->picture().isNull() || !allBlack(place->grab().toImage())) return false;
            return true;
        };
        game.click(w.pctUndo);
        QVERIFY(scorePlacesEmpty());
        for (auto screen : {Game::Help, Game::About, Game::Events, Game::HighScores}) {
            game.visit(screen);
            QVERIFY(w.pctTolm->isVisible());
            QVERIFY(scorePlacesEmpty());
            QVERIFY(game.mainScreenShown(true));
        }
        QCOMPARE(w.board.Score, 0);
    }

    // Once a game has ended its board takes no move and no undo until New, so the same game
    // can never be ranked twice.
    void aFinishedGameTakesNoMoveAndIsRankedOnce() {
        Game game(false);
        frmMainInside& w = game.window;
        game.newGame(fourMoveGame());
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w,
            [&](frmHighScore& table) {
                QTest::keyClick(&table, 'a');
                QTest::keyClick(&table, Qt::Key_Return);
                game.click(table.pctOk);
            },
            &opened);
        for (int col : {1, 4, 7, 10})
            game.pressCell(1, col);
        QVERIFY(opened);
        QVERIFY(!w.board.GameActive);

        const Grid finalBoard = w.board.BoardPieces;
        const auto table = w.table.HighScores;
        const QImage pixels = w.pctBoard->grab().toImage();
        // The final board still shows pairs the player might try.
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                game.pressCell(r, c);
        game.click(w.pctUndo);
        for (int c = 1; c <= ColumnCount; ++c)
            game.pressCell(2, c);

        QVERIFY(w.board.BoardPieces == finalBoard);
        QCOMPARE(w.board.Score, 18);
        QCOMPARE(game.scoreShown(), QStringLiteral("000018"));
        QCOMPARE(w.pctBoard->grab().toImage(), pixels);
        QVERIFY(w.table.HighScores == table);
        QCOMPARE(w.table.HighScores[1], 18);
        QCOMPARE(w.table.HighScores[2], 0);
        QCOMPARE(QString::fromStdString(w.table.HighScoreNames[1]), QStringLiteral("A"));
        QVERIFY(!w.board.GameActive);

        // New brings presses back.
        Rows rows = checkerboard();
        rows[9][0] = rows[9][1] = '3';
        rows[0][13] = rows[0][14] = '4';
        game.newGame(rows);
        game.pressCell(10, 1);
        QCOMPARE(w.board.Score, 4);
    }

    // A game that ended unranked shows the board again after a screen, under the title;
    // presses on it still do nothing.
    void anUnrankedFinishedBoardTakesNoMoveEither() {
        Game game;
        frmMainInside& w = game.window;
        game.playFourMoveGame();
        QVERIFY(w.pctGameOver->isVisible());
        game.visit(Game::Help);
        QVERIFY(w.pctBoard->isVisible() && w.pctTolm->isVisible());
        const Grid finalBoard = w.board.BoardPieces;
        for (int c = 1; c <= ColumnCount; ++c)
            game.pressCell(10, c);
        game.click(w.pctUndo);
        QVERIFY(w.board.BoardPieces == finalBoard);
        QCOMPARE(w.board.Score, 18);
    }

    // The second press of a double-click is a double-click, not a press: one double-click on
    // a group removes that group and not the one that falls into its place.
    void aDoubleClickRemovesExactlyOneGroup() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        rows[9][0] = rows[9][1] = '3'; // the pair clicked
        rows[8][0] = rows[8][1] = '4'; // the pair that falls into its place
        rows[0][13] = rows[0][14] = '5';
        game.newGame(rows);
        const QPoint at = w.pctBoard->mapTo(&w, game.cellRect(10, 1).center());
        QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(w.board.Score, 4);
        QCOMPARE(w.board.BoardPieces[10][1], int16_t(4));
        QCOMPARE(w.board.BoardPieces[10][2], int16_t(4));
        QCOMPARE(int(game.sound.calls.size()), 2);
        QVERIFY(game.boardShowsModel());

        // A button double-clicked is clicked once: the set moves on by one.
        const QPoint set = w.pctSet->mapTo(&w, QPoint(5, 5));
        QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, set);
        QVERIFY(w.pctSet->shows(w.pictures.pctSet2));
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
