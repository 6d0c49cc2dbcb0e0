// The help, about, events and high-score screens, and the five option switches, driven
// through real clicks.
#include "support/GameWindow.h"

#include <QTest>

using namespace mirel;
using namespace mirel::testing;

Q_DECLARE_METATYPE(mirel::testing::Game::Screen)

namespace {

// Everything of a game that a screen must leave alone.
struct GameState {
    Grid pieces, undo, mines;
    std::int32_t score, undoScore;
    ShiftClock shifts;
    QImage pixels;
    bool operator==(const GameState& o) const {
        return pieces == o.pieces && undo == o.undo && mines == o.mines && score == o.score &&
               undoScore == o.undoScore && shifts.LastEventTick == o.shifts.LastEventTick &&
               shifts.EventInterval == o.shifts.EventInterval && pixels == o.pixels;
    }
};

GameState stateOf(frmMainInside& w) {
    return {w.board.BoardPieces, w.board.UndoPieces, w.board.BoardMines,          w.board.Score,
            w.board.UndoScore,   w.shifts,           w.pctBoard->grab().toImage()};
}

Rows gameWithAMove() {
    Rows rows = checkerboard();
    rows[9][0] = rows[9][1] = '3';
    rows[0][13] = rows[0][14] = '4';
    return rows;
}

void addScreenRows() {
    QTest::addColumn<Game::Screen>("screen");
    QTest::newRow("help") << Game::Help;
    QTest::newRow("about") << Game::About;
    QTest::newRow("events") << Game::Events;
    QTest::newRow("high scores") << Game::HighScores;
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

private slots:
    void aScreenLeavesTheGameAsItWas_data() { addScreenRows(); }
    void aScreenLeavesTheGameAsItWas() {
        QFETCH(Game::Screen, screen);
        Game game;
        frmMainInside& w = game.window;
        game.newGame(gameWithAMove());
        game.clock.ticks = 5000;
        game.pressCell(10, 1);
        w.board.BoardMines[4][4] = FlagTrue;
        const GameState before = stateOf(w);

        bool mainHidden = false;
        game.visit(screen, [&] { mainHidden = game.mainScreenShown(false); });
        QVERIFY(mainHidden);
        QVERIFY(game.mainScreenShown(true));
        QVERIFY(!w.pctTolm->isVisible());
        QVERIFY(!w.pctGameOver->isVisible());
        QVERIFY(stateOf(w) == before);
        QCOMPARE(game.scoreShown(), QStringLiteral("000004"));
        QVERIFY(w.board.GameActive);
        QVERIFY(w.cursor().shape() != Qt::WaitCursor);
        // Nothing of any screen is left behind.
        for (PictureBox* box :
             {w.pctHelpText, w.pctAboutText, w.pctVersion[0], w.pctVersion[1], w.pctVersion[2],
              w.pctOk, w.pctRowShifts, w.pctColumnShifts, w.pctMines, w.pctRowShiftsSelection,
              w.pctColumnShiftsSelection, w.pctMinesSelection})
            QVERIFY(!box->isVisible());
    }

    void afterTheEndAScreenReturnsToTheFinalBoardUnderTheTitle_data() { addScreenRows(); }
    void afterTheEndAScreenReturnsToTheFinalBoardUnderTheTitle() {
        QFETCH(Game::Screen, screen);
        Game game;
        frmMainInside& w = game.window;
        game.playFourMoveGame();
        QVERIFY(w.pctGameOver->isVisible());
        QVERIFY(!w.pctBoard->isVisible());
        const Grid finalBoard = w.board.BoardPieces;

        game.visit(screen);
        QVERIFY(game.mainScreenShown(true));
        QVERIFY(w.pctTolm->isVisible());
        QVERIFY(!w.pctGameOver->isVisible());
        QVERIFY(w.board.BoardPieces == finalBoard);
        QVERIFY(game.boardShowsModel());
        QCOMPARE(game.scoreShown(), QStringLiteral("000018"));
    }

    void theHelpAndAboutPicturesAreCentredLikeTheTitle() {
        Game game;
        frmMainInside& w = game.window;
        game.open(Game::Help);
        QVERIFY(w.pctHelpText->isVisible());
        QCOMPARE(w.pctHelpText->geometry(), QRect((676 - 292) / 2, (375 - 172) / 2, 292, 172));
        QVERIFY(showsPicture(w.pctHelpText, w.pctHelpText->rect(), w.pictures.helpText));
        // The screen is the help picture alone on black.
        QVERIFY(allBlack(w.grab(QRect(0, 0, 150, 375)).toImage()));
        QVERIFY(allBlack(w.grab(QRect(530, 0, 146, 375)).toImage()));
        game.close(Game::Help);
        QVERIFY(!w.pctHelpText->isVisible());

        game.open(Game::About);
        QCOMPARE(w.pctAboutText->geometry(), QRect(166, 126, 343, 123));
        QVERIFY(showsPicture(w.pctAboutText, w.pctAboutText->rect(), w.pictures.aboutText));
    }

    // The version 2.0 stands right below the about picture in three bordered digit boxes.
    void theAboutScreenShowsTheVersionBelowIt() {
        Game game;
        frmMainInside& w = game.window;
        game.open(Game::About);
        const QImage shot = w.grab().toImage();
        const int top = w.pctAboutText->geometry().bottom() + 1;
        const int digits[3] = {2, 10, 0};
        const int lefts[3] = {338 - 48, 338 - 24, 338};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(w.pctVersion[i]->isVisible());
            QCOMPARE(w.pctVersion[i]->geometry(), QRect(lefts[i], top, 24, 30));
            QCOMPARE(shot.copy(lefts[i] + 1, top + 1, 22, 28).convertToFormat(QImage::Format_RGB32),
                     onBlack(w.pictures.imgDigit[digits[i]]));
            // A thin border round each digit.
            QVERIFY(shot.pixelColor(lefts[i], top + 10) != QColor(Qt::black));
            QVERIFY(shot.pixelColor(lefts[i] + 23, top + 10) != QColor(Qt::black));
        }
        // Clicking a digit does not close the screen; clicking the about picture does.
        game.click(w.pctVersion[1]);
        QVERIFY(w.pctAboutText->isVisible());
        game.close(Game::About);
        QVERIFY(!w.pctVersion[0]->isVisible() && !w.pctAboutText->isVisible());
        QVERIFY(game.mainScreenShown(true));
    }

    void theEventsScreenShowsTheSwitchesAndItsLabelsDoNothing() {
        Game game;
        frmMainInside& w = game.window;
        game.open(Game::Events);
        for (PictureBox* box :
             {w.pctRowShiftsSelection, w.pctColumnShiftsSelection, w.pctMinesSelection,
              w.pctRowShifts, w.pctColumnShifts, w.pctMines, w.pctOk})
            QVERIFY(box->isVisible());
        QCOMPARE(w.pctRowShiftsSelection->geometry(), QRect(240, 96, 38, 25));
        QCOMPARE(w.pctOk->geometry(), QRect(280, 186, 47, 29));
        QVERIFY(showsPicture(w.pctMinesSelection, QRect(0, 0, 38, 25), w.pictures.pctNo));
        QVERIFY(showsPicture(w.pctColumnShifts, QRect(0, 0, 171, 30), w.pictures.columnShifts));

        const Options before = w.shownOptions();
        const QImage shot = w.grab().toImage();
        for (PictureBox* label : {w.pctRowShifts, w.pctColumnShifts, w.pctMines})
            game.click(label);
        QVERIFY(w.shownOptions() == before);
        QCOMPARE(w.grab().toImage(), shot);
        QVERIFY(w.pctOk->isVisible());
    }

    void theSwitchesMoveOnWhenClicked() {
        Game game;
        frmMainInside& w = game.window;
        const Pictures& p = w.pictures;
        game.click(w.pctSound);
        const bool soundAfterOne = w.pctSound->shows(p.pctSoundOff);
        game.click(w.pctSound);
        QVERIFY(soundAfterOne);
        QVERIFY(w.pctSound->shows(p.pctSoundOn));

        QVERIFY(w.pctSet->shows(p.pctSet1));
        game.click(w.pctSet);
        QVERIFY(w.pctSet->shows(p.pctSet2));
        QVERIFY(showsPicture(w.pctSet, QRect(0, 0, 75, 24), p.pctSet2));
        game.click(w.pctSet);
        QVERIFY(w.pctSet->shows(p.pctSet3));
        game.click(w.pctSet);
        QVERIFY(w.pctSet->shows(p.pctSet1));

        game.open(Game::Events);
        // Row shifts on switches column shifts off, and the other way round.
        game.click(w.pctColumnShiftsSelection);
        QVERIFY(w.pctColumnShiftsSelection->shows(p.pctYes));
        game.click(w.pctRowShiftsSelection);
        QVERIFY(w.pctRowShiftsSelection->shows(p.pctYes));
        QVERIFY(w.pctColumnShiftsSelection->shows(p.pctNo));
        game.click(w.pctColumnShiftsSelection);
        QVERIFY(w.pctColumnShiftsSelection->shows(p.pctYes));
        QVERIFY(w.pctRowShiftsSelection->shows(p.pctNo));
        // Switching one off leaves the other alone; mines leave both alone.
        game.click(w.pctColumnShiftsSelection);
        QVERIFY(w.pctColumnShiftsSelection->shows(p.pctNo));
        QVERIFY(w.pctRowShiftsSelection->shows(p.pctNo));
        game.click(w.pctRowShiftsSelection);
        game.click(w.pctMinesSelection);
        QVERIFY(w.pctMinesSelection->shows(p.pctYes));
        QVERIFY(w.pctRowShiftsSelection->shows(p.pctYes));
        QVERIFY(showsPicture(w.pctMinesSelection, QRect(0, 0, 38, 25), p.pctYes));
        game.click(w.pctMinesSelection);
        QVERIFY(w.pctMinesSelection->shows(p.pctNo));
        QVERIFY(w.pctRowShiftsSelection->shows(p.pctYes));
    }

    // Both shifts on, as only a stored pair can give them, stay on until a click.
    void bothShiftsOnStayOnUntilAClick() {
        Game game;
        frmMainInside& w = game.window;
        Options both = w.shownOptions();
        both.rowShifts = both.columnShifts = true;
        w.showOptions(both);
        game.visit(Game::Events);
        QVERIFY(w.shownOptions() == both);
        game.scriptDeal(checkerboard());
        game.random.script.back() = 0.0f; // the column shift's delay
        game.click(w.pctNew);
        QCOMPARE(w.shifts.EventInterval[RowShift], 15000);
        QCOMPARE(w.shifts.EventInterval[ColumnShift], 10000);
    }

    // Every screen from the keyboard: Tab goes through the controls on show in reading order
    // and round again, a key opens the screen, Escape or Enter leaves it, and the focus comes
    // back to the button that opened it.
    void aScreenFromTheKeyboard_data() { addScreenRows(); }
    void aScreenFromTheKeyboard() {
        QFETCH(Game::Screen, screen);
        Game game;
        frmMainInside& w = game.window;
        game.newGame(gameWithAMove());
        game.key(Qt::Key_Up);
        for (QWidget* next :
             std::vector<QWidget*>{w.pctNew, w.pctHighScores, w.pctSound, w.pctSet, w.pctEvents,
                                   w.pctUndo, w.pctHelp, w.pctAbout, w.pctExit, w.pctBoard}) {
            game.key(Qt::Key_Tab);
            QCOMPARE(w.focusWidget(), next);
        }
        game.key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focusWidget(), w.pctExit);
        // The board's cursor shows only while the board has the focus.
        const GameState before = stateOf(w);

        PictureBox* opener = screen == Game::Help     ? w.pctHelp
                             : screen == Game::About  ? w.pctAbout
                             : screen == Game::Events ? w.pctEvents
                                                      : w.pctHighScores;
        for (int tabs = 0; tabs < 10 && w.focusWidget() != opener; ++tabs)
            game.key(Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), opener);

        QList<QWidget*> order;
        QList<QWidget*> expected;
        if (screen == Game::HighScores) {
            bool opened = false;
            whenModalOpens<frmHighScore>(
                &w,
                [&](frmHighScore& table) {
                    expected = {table.pctOk, table.pctReset, table.pctOk};
                    order << table.focusWidget();
                    for (int i = 0; i < 2; ++i) {
                        QTest::keyClick(table.focusWidget(), Qt::Key_Tab);
                        order << table.focusWidget();
                    }
                    QTest::keyClick(table.focusWidget(), Qt::Key_Escape);
                },
                &opened);
            game.key(Qt::Key_Space);
            QVERIFY(opened);
        } else {
            game.key(screen == Game::Help ? Qt::Key_F1 : Qt::Key_Space);
            QVERIFY(game.mainScreenShown(false));
            if (screen == Game::Events)
                expected = {w.pctRowShiftsSelection, w.pctColumnShiftsSelection,
                            w.pctMinesSelection, w.pctOk, w.pctRowShiftsSelection};
            // Help and about hold nothing to press: the focus rests on their text, for a
            // screen reader to read.
            if (screen != Game::Events)
                expected = {screen == Game::Help ? w.pctHelpText : w.pctAboutText};
            const auto focus = [&] {
                QWidget* in = w.focusWidget();
                return in && in->isVisible() ? in : nullptr;
            };
            if (focus()) order << focus();
            for (int i = 0; i + 1 < expected.size(); ++i) {
                game.key(Qt::Key_Tab);
                order << focus();
            }
            game.key(screen == Game::About ? Qt::Key_Return : Qt::Key_Escape);
        }
        QCOMPARE(order, expected);
        QVERIFY(game.mainScreenShown(true));
        QCOMPARE(w.focusWidget(), opener);
        QVERIFY(stateOf(w) == before);
        QVERIFY(w.board.GameActive);
    }

    // A switch changed in the middle of a game waits for New.
    void aSwitchChangedInMidGameWaitsForNew() {
        Game game;
        frmMainInside& w = game.window;
        game.newGame(gameWithAMove());
        const GameState before = stateOf(w);
        const std::size_t draws = game.random.draws;

        game.click(w.pctSet);
        game.click(w.pctSet);
        game.open(Game::Events);
        game.click(w.pctMinesSelection);
        game.click(w.pctRowShiftsSelection);
        game.close(Game::Events);
        QVERIFY(stateOf(w) == before);
        QCOMPARE(w.board.KindLimit, int16_t(5));
        for (int kind = 1; kind <= 6; ++kind)
            QVERIFY(w.pctPiece[kind].cacheKey() == w.pictures.pctBall[kind - 1].cacheKey());
        QCOMPARE(game.random.draws, draws);
        game.pressCell(10, 1);
        QVERIFY(game.boardShowsModel());
        QCOMPARE(w.shifts.EventInterval[RowShift], 0);

        // New takes all three: faces, mines and row shifts.
        game.scriptDeal(checkerboard(), 4);
        game.random.append({0.0f, 0.0f, 0.0f});
        game.click(w.pctNew);
        QCOMPARE(w.board.KindLimit, int16_t(4));
        QVERIFY(showsPicture(w.pctBoard, game.cellRect(1, 1), w.pictures.pctFace[0]));
        QCOMPARE(w.board.BoardMines[1][1], FlagTrue);
        QCOMPARE(w.shifts.EventInterval[RowShift], 15000);
    }
};

QTEST_MAIN(ScreensTest)
#include "ScreensTest.moc"
