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
