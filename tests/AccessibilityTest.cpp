// What a screen reader is told about the main window: the game draws no text, so every
// button and switch must carry its name, and every switch the state its picture shows.
#include "support/GameWindow.h"

#include <QAccessible>
#include <QTest>

#include <vector>

using namespace mirel;
using namespace mirel::testing;

namespace {

struct Control {
    const char* row;
    PictureBox* frmMain::*box;
    const char* name;
    QAccessible::Role role;
};

const Control controls[] = {
    {"New", &frmMain::pctNew, "New game", QAccessible::Button},
    {"High Scores", &frmMain::pctHighScores, "High scores", QAccessible::Button},
    {"Sound", &frmMain::pctSound, "Sound", QAccessible::CheckBox},
    {"Set", &frmMain::pctSet, "Piece set", QAccessible::Button},
    {"Events", &frmMain::pctEvents, "Events", QAccessible::Button},
    {"Undo", &frmMain::pctUndo, "Undo", QAccessible::Button},
    {"Help", &frmMain::pctHelp, "Help", QAccessible::Button},
    {"About", &frmMain::pctAbout, "About", QAccessible::Button},
    {"Exit", &frmMain::pctExit, "Exit", QAccessible::Button},
    {"Row shifts", &frmMain::pctRowShiftsSelection, "Row shifts", QAccessible::CheckBox},
    {"Column shifts", &frmMain::pctColumnShiftsSelection, "Column shifts", QAccessible::CheckBox},
    {"Mines", &frmMain::pctMinesSelection, "Mines", QAccessible::CheckBox},
    {"Ok", &frmMain::pctOk, "Ok", QAccessible::Button},
};

QAccessibleInterface* readerOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

struct Reading {
    bool checked;
    QString value;
};
Reading readingOf(QWidget* widget) {
    QAccessibleInterface* reader = readerOf(widget);
    return {bool(reader->state().checked), reader->text(QAccessible::Value)};
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyButtonAndSwitchSaysWhatItIs_data() {
        QTest::addColumn<int>("control");
        for (int i = 0; i < int(std::size(controls)); ++i)
            QTest::newRow(controls[i].row) << i;
    }
    void everyButtonAndSwitchSaysWhatItIs() {
        QFETCH(int, control);
        const Control& expected = controls[control];
        Game game;
        QAccessibleInterface* reader = readerOf(game.window.*expected.box);
        QVERIFY(reader != nullptr);
        QCOMPARE(reader->text(QAccessible::Name), QString::fromUtf8(expected.name));
        QCOMPARE(reader->role(), expected.role);
        QVERIFY(reader->actionInterface() != nullptr);
        QVERIFY(reader->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    // Buttons added later must not be forgotten: anything that can be clicked is named.
    void nothingThatTakesClicksIsNameless() {
        Game game;
        int clickable = 0;
        for (PictureBox* box : game.window.findChildren<PictureBox*>()) {
            if (!box->takesClicks()) continue;
            ++clickable;
            QVERIFY2(!readerOf(box)->text(QAccessible::Name).isEmpty(),
                     qPrintable(box->geometry() == QRect()
                                    ? QStringLiteral("a box")
                                    : QStringLiteral("box at %1,%2").arg(box->x()).arg(box->y())));
        }
        QVERIFY(clickable >= int(std::size(controls)));
    }

    // A switch's state is the picture it shows: a click, or options shown on the switches
    // (as stored options are), changes what is read.
    void switchesReadTheStateTheirPictureShows_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("onAtStart");
        QTest::addColumn<QString>("onText");
        QTest::addColumn<QString>("offText");
        QTest::newRow("Sound") << 2 << true << "On"
                               << "Off";
        QTest::newRow("Row shifts") << 9 << false << "Yes"
                                    << "No";
        QTest::newRow("Column shifts") << 10 << false << "Yes"
                                       << "No";
        QTest::newRow("Mines") << 11 << false << "Yes"
                               << "No";
    }
    void switchesReadTheStateTheirPictureShows() {
        QFETCH(int, control);
        QFETCH(bool, onAtStart);
        QFETCH(QString, onText);
        QFETCH(QString, offText);
        Game game;
        frmMain& w = game.window;
        PictureBox* box = w.*controls[control].box;
        if (box != w.pctSound) game.open(Game::Events);

        const auto textFor = [&](bool on) { return on ? onText : offText; };
        QCOMPARE(readingOf(box).checked, onAtStart);
        QCOMPARE(readingOf(box).value, textFor(onAtStart));
        QVERIFY(readerOf(box)->state().checkable);
        game.click(box);
        QCOMPARE(readingOf(box).checked, !onAtStart);
        QCOMPARE(readingOf(box).value, textFor(!onAtStart));

        Options options = w.shownOptions();
        options.sound = options.rowShifts = options.columnShifts = options.mines = onAtStart;
        w.showOptions(options);
        QCOMPARE(readingOf(box).checked, onAtStart);
        QCOMPARE(readingOf(box).value, textFor(onAtStart));
    }

    void thePieceSetIsReadWithTheSetItShows() {
        Game game;
        frmMain& w = game.window;
        QAccessibleInterface* reader = readerOf(w.pctSet);
        const QStringList sets = {QStringLiteral("Set 1, balls"), QStringLiteral("Set 2, squares"),
                                  QStringLiteral("Set 3, faces")};
        for (int click = 0; click <= 3; ++click) {
            QCOMPARE(reader->text(QAccessible::Value), sets[click % 3]);
            QCOMPARE(reader->text(QAccessible::Description), sets[click % 3]);
            game.click(w.pctSet);
        }
    }

    // The score is six digit pictures; each place reads the digit it shows.
    void theScoreReadsAsItsDigits() {
        Game game;
        frmMain& w = game.window;
        Rows rows = checkerboard();
        rows[9].replace(0, 4, "3333");
        game.newGame(rows);
        game.pressCell(10, 1);
        QString read;
        for (int place = 5; place >= 0; --place)
            read += readerOf(w.imgScore[place])->text(QAccessible::Value);
        QCOMPARE(read, QStringLiteral("000008"));
        QCOMPARE(game.scoreShown(), read);
    }

    // The board is read at its cursor: the cell, its piece by the name of the set dealt, and
    // what a press would do. A move is told with the score it leaves.
    void theBoardIsReadAtItsCursor_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("lone");
        QTest::newRow("balls") << 1 << "red ball"
                               << "cyan ball";
        QTest::newRow("squares") << 2 << "white square"
                                 << "blue square";
        QTest::newRow("faces") << 3 << "neutral face"
                               << "sad face";
    }
    void theBoardIsReadAtItsCursor() {
        QFETCH(int, set);
        QFETCH(QString, group);
        QFETCH(QString, lone);
        Game game;
        frmMain& w = game.window;
        game.setOptions([&](Options& options) { options.set = PieceSet(set); });
        Rows rows = checkerboard();
        rows[9].replace(0, 4, "5555");
        rows[0].replace(13, 2, "44");
        game.scriptDeal(rows, set == 3 ? 4 : 5);
        game.key(Qt::Key_N, Qt::ControlModifier);
        QAccessibleInterface* reader = readerOf(w.pctBoard);
        const auto read = [&] { return reader->text(QAccessible::Description); };

        QCOMPARE(read(), QStringLiteral("row 10, column 1: %1, a group of 4, 8 points").arg(group));
        game.key(Qt::Key_Up);
        QCOMPARE(read(), QStringLiteral("row 9, column 1: %1, alone").arg(lone));
        game.key(Qt::Key_Down);
        game.key(Qt::Key_Space);
        QCOMPARE(reader->text(QAccessible::Value), QStringLiteral("Score 8"));
        QCOMPARE(read(), QStringLiteral("row 10, column 1: %1, alone").arg(lone));
        game.key(Qt::Key_Up, {}, 9);
        QCOMPARE(read(), QStringLiteral("row 1, column 1: empty"));
        // The mouse moves no cursor, but what it changes is read at the cursor all the same.
        game.pressCell(1, 14);
        QCOMPARE(reader->text(QAccessible::Value), QStringLiteral("Score 12"));
    }

    // The end of a game is told with its score and, where it ranks, its rank.
    void theEndOfAGameIsTold_data() {
        QTest::addColumn<bool>("tableFull");
        QTest::addColumn<QString>("told");
        QTest::newRow("ranked") << false << "Game over! Score 18, rank 1 of the high scores";
        QTest::newRow("not ranked") << true << "Game over! Score 18";
    }
    void theEndOfAGameIsTold() {
        QFETCH(bool, tableFull);
        QFETCH(QString, told);
        Game game(tableFull);
        frmMain& w = game.window;
        QString toldWhileTyping;
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w,
            [&](frmHighScore& table) {
                toldWhileTyping = readerOf(w.pctBoard)->text(QAccessible::Value);
                table.pctOk_Click();
            },
            &opened);
        game.playFourMoveGame();
        QCOMPARE(opened, !tableFull);
        if (opened) QCOMPARE(toldWhileTyping, told);
        QCOMPARE(readerOf(w.pctBoard)->text(QAccessible::Value), told);
        QCOMPARE(
            QStringLiteral("%1 %2").arg(readerOf(w.pctGameOver)->text(QAccessible::Name),
                                        readerOf(w.pctGameOver)->text(QAccessible::Description)),
            told);
    }

    void aScreenReaderCanPressButtonsAndSwitches() {
        Game game;
        frmMain& w = game.window;
        const auto press = [](QWidget* box) {
            readerOf(box)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        press(w.pctSound);
        QVERIFY(w.pctSound->shows(w.pictures.pctSoundOff));
        readerOf(w.pctSound)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(w.pctSound->shows(w.pictures.pctSoundOn));

        game.scriptDeal(checkerboard());
        press(w.pctNew);
        QVERIFY(w.board.GameActive);
        press(w.pctHelp);
        QVERIFY(w.pctHelpText->isVisible());
        press(w.pctHelpText);
        QVERIFY(!w.pctHelpText->isVisible() && w.pctBoard->isVisible());
        // The board and the pictures that are only pictures offer nothing to press.
        QVERIFY(!readerOf(w.pctBoard)
                     ->actionInterface()
                     ->actionNames()
                     .contains(QAccessibleActionInterface::pressAction()));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
