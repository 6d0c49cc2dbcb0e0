// What a screen reader is told about the main window: the game draws no text, so every
// button and switch must carry its name, and every switch the state its picture shows.
#include "support/GameWindow.h"
#include "app/RunGame.h"
#include "ui/KeyboardPlay.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

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
    {"New", &frmMainInside::pctNew, "New game", QAccessible::Button},
    {"High Scores", &frmMainInside::pctHighScores, "High scores", QAccessible::Button},
    {"Sound", &frmMainInside::pctSound, "Sound", QAccessible::CheckBox},
    {"Set", &frmMainInside::pctSet, "Piece set", QAccessible::Button},
    {"Events", &frmMainInside::pctEvents, "Events", QAccessible::Button},
    {"Undo", &frmMainInside::pctUndo, "Undo", QAccessible::Button},
    {"Help", &frmMainInside::pctHelp, "Help", QAccessible::Button},
    {"About", &frmMainInside::pctAbout, "About", QAccessible::Button},
    {"Exit", &frmMainInside::pctExit, "Exit", QAccessible::Button},
    {"Row shifts", &frmMainInside::pctRowShiftsSelection, "Row shifts", QAccessible::CheckBox},
    {"Column shifts", &frmMainInside::pctColumnShiftsSelection, "Column shifts", QAccessible::CheckBox},
    {"Mines", &frmMainInside::pctMinesSelection, "Mines", QAccessible::CheckBox},
    {"Ok", &frmMainInside::pctOk, "Ok", QAccessible::Button},
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
        // A switch of the events screen is tied to its label, and the label to it.
        const auto labels = reader->relations(QAccessible::Label);
        if (expected.role == QAccessible::CheckBox && expected.box != &frmMainInside::pctSound) {
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels[0].first->text(QAccessible::Name), reader->text(QAccessible::Name));
            const auto tied = labels[0].first->relations(QAccessible::Labelled);
            QVERIFY(tied.size() == 1 && tied[0].first->object() == reader->object());
        } else {
            QVERIFY(labels.isEmpty());
        }
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
        frmMainInside& w = game.window;
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
        frmMainInside& w = game.window;
        QAccessibleInterface* reader = readerOf(w.pctSet);
        const QStringList sets = {QStringLiteral("Set 1, balls"), QStringLiteral("Set 2, squares"),
                                  QStringLiteral("Set 3, faces")};
        for (int click = 0; click <= 3; ++click) {
            QCOMPARE(reader->text(QAccessible::Value), sets[click % 3]);
            QCOMPARE(reader->text(QAccessible::Description), sets[click % 3]);
            game.click(w.pctSet);
        }
    }

    // The score is one object read as the number its six digits show; the window's reader
    // sees the switches without their labels, the about text without its digit boxes, and
    // no focus marks.
    void theScoreIsOneNumberAndTheWindowAFrame() {
        Game game;
        frmMainInside& w = game.window;
        Rows rows = checkerboard();
        rows[9].replace(0, 4, "3333");
        game.newGame(rows);
        game.pressCell(10, 1);
        QAccessibleInterface* score = readerOf(w.imgScore[5]);
        QCOMPARE(score->text(QAccessible::Name), QStringLiteral("Score"));
        QCOMPARE(score->text(QAccessible::Value), QStringLiteral("8"));
        QCOMPARE(game.scoreShown(), QStringLiteral("000008"));

        QAccessibleInterface* window = readerOf(&w);
        QCOMPARE(window->role(), QAccessible::Window); // a frame to AT-SPI
        QStringList read;
        for (int i = 0; i < window->childCount(); ++i) {
            QCOMPARE(window->indexOfChild(window->child(i)), i);
            read << window->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(read.count(QStringLiteral("Score")), 1);
        QCOMPARE(read.count(QStringLiteral("Row shifts")), 1);
        QCOMPARE(read.count(QStringLiteral("Version")), 0);
        QCOMPARE(read.count(QString()), 0); // the cursor and the focus frame
    }

    // The board in focus tells, as a line of text focused inside it, the cell under the
    // cursor and what a press would do, after what has just happened.
    void theBoardTellsItsCursorAndEachMove_data() {
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
    void theBoardTellsItsCursorAndEachMove() {
        QFETCH(int, set);
        QFETCH(QString, group);
        QFETCH(QString, lone);
        Game game;
        frmMainInside& w = game.window;
        game.setOptions([&](Options& options) { options.set = PieceSet(set); });
        Rows rows = checkerboard();
        rows[9].replace(0, 4, "5555");
        rows[0].replace(13, 2, "44");
        game.scriptDeal(rows, set == 3 ? 4 : 5);
        game.key(Qt::Key_N, Qt::ControlModifier);
        PictureBox* board = w.pctBoard;
        const auto told = [&] { return board->told(board->toldLine()); };
        const auto read = [&] { return readerOf(board)->text(QAccessible::Description); };
        const QString start =
            QStringLiteral("row 10, column 1: %1, a group of 4, 8 points").arg(group);
        QCOMPARE(told(), QStringLiteral("New game. ") + start);
        QCOMPARE(read(), start);
        // The line told is the board's child in focus.
        QAccessibleInterface* line = readerOf(board)->child(board->toldLine());
        QVERIFY(line && line->state().focused);
        QCOMPARE(line->text(QAccessible::Name), told());

        game.key(Qt::Key_Up);
        QCOMPARE(told(), QStringLiteral("row 9, column 1: %1, alone").arg(lone));
        game.key(Qt::Key_Down);
        game.key(Qt::Key_Space);
        const QString after = QStringLiteral("row 10, column 1: %1, alone").arg(lone);
        QCOMPARE(told(), QStringLiteral("Score 8. ") + after);
        game.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(told(), QStringLiteral("Undone, score 0. ") + start);
        game.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(told(), QStringLiteral("Nothing to undo. ") + start);
        game.key(Qt::Key_Space);
        game.key(Qt::Key_Up, {}, 9);
        QCOMPARE(told(), QStringLiteral("row 1, column 1: empty"));

        // A mouse press moves the cursor where it pressed, still hidden until a key.
        game.pressCell(1, 14);
        QCOMPARE(w.keys->cursor(), (Cell{1, 14}));
        QVERIFY(!w.keys->cursorFrame->isVisible());
        QCOMPARE(told(), QStringLiteral("Score 12. row 1, column 14: empty"));
        game.key(Qt::Key_Right);
        QCOMPARE(w.keys->cursor(), (Cell{1, 15}));

        // A blast is told as such; where a mine hides is never told before.
        w.board.BoardMines[10][3] = FlagTrue;
        game.key(Qt::Key_Down, {}, 9);
        game.key(Qt::Key_Left, {}, 12);
        QVERIFY(!told().contains(QStringLiteral("mine")));
        game.key(Qt::Key_Space);
        QVERIFY2(told().startsWith(QStringLiteral("A mine exploded! Score 12. row 10, column 3")),
                 qPrintable(told()));

        // A timed shift is told with the cell it leaves under the cursor.
        emit w.shifted(RowShift);
        QVERIFY2(told().startsWith(QStringLiteral("The rows shifted. row 10, column 3")),
                 qPrintable(told()));
        // The clock's next tick leaves what was told alone: telling the cell again at once
        // would make a reader drop the shift.
        const int toldBefore = w.pctBoard->toldLine();
        QVERIFY(QMetaObject::invokeMethod(w.Timer1, "timeout"));
        QCOMPARE(w.pctBoard->toldLine(), toldBefore);
    }

    // The game speaks the first of the desktop's languages it has, English where English or
    // none of them comes first; the points of a group take the language's plural forms.
    void theDesktopsLanguageIsSpoken_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("told");
        const QString english = "New game. row 10, column 1: red ball, a group of 4, 8 points";
        QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << 4 << english;
        QTest::newRow("no language") << QStringList{"C"} << 4 << english;
        QTest::newRow("only languages it lacks") << QStringList{"eo", "zh-TW"} << 4 << english;
        QTest::newRow("Austrian German")
            << QStringList{"de-AT"} << 4
            << "Neues Spiel. Zeile 10, Spalte 1: rote Kugel, Gruppe aus 4, 8 Punkte";
        QTest::newRow("Russian after one it lacks")
            << QStringList{"eo", "ru-RU"} << 4
            << "Новая игра. ряд 10, столбец 1: красный шарик, группа из 4, 8 очков";
        QTest::newRow("Russian, 22") << QStringList{"ru"} << 11
                                     << "Новая игра. ряд 10, столбец 1: красный шарик, группа из "
                                        "11, 22 очка";
        QTest::newRow("Polish, 4") << QStringList{"pl-PL"} << 2
                                   << "Nowa gra. wiersz 10, kolumna 1: czerwona kulka, grupa: 2, "
                                      "4 punkty";
        QTest::newRow("Brazilian Portuguese")
            << QStringList{"pt-BR"} << 4
            << "Novo jogo. linha 10, coluna 1: bola vermelha, grupo de 4, 8 pontos";
        QTest::newRow("Simplified Chinese")
            << QStringList{"zh-Hans-CN"} << 4 << "新游戏。 第 10 行，第 1 列：红色小球，4 个一组，8 分";
    }
    void theDesktopsLanguageIsSpoken() {
        QFETCH(QStringList, languages);
        QFETCH(int, group);
        QFETCH(QString, told);
        speakDesktopLanguage(*QCoreApplication::instance(), languages);
        {
            Game game;
            Rows rows = checkerboard();
            rows[9].replace(0, std::size_t(group), std::size_t(group), '5');
            game.scriptDeal(rows);
            game.key(Qt::Key_N, Qt::ControlModifier);
            PictureBox* board = game.window.pctBoard;
            QCOMPARE(board->told(board->toldLine()), told);
        }
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    }

    // The end of a game takes the focus, read with its score and, where it ranks, its rank;
    // a ranked score is told in the name prompt of the high-score window.
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
        frmMainInside& w = game.window;
        QString prompt;
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &w,
            [&](frmHighScore& table) {
                prompt = readerOf(table.focusWidget())->text(QAccessible::Name);
                table.pctOk_Click();
            },
            &opened);
        game.playFourMoveGame();
        QCOMPARE(opened, !tableFull);
        if (opened)
            QVERIFY2(prompt.startsWith(QStringLiteral(
                         "Game over! Score 18 entered the high scores at rank 1. Type a name")),
                     qPrintable(prompt));
        QVERIFY(w.focusWidget() && w.focusWidget()->isVisible());
        QCOMPARE(
            QStringLiteral("%1 %2").arg(readerOf(w.pctGameOver)->text(QAccessible::Name),
                                        readerOf(w.pctGameOver)->text(QAccessible::Description)),
            told);
        // Unranked, Game Over stays shown and holds the focus.
        if (!opened) QCOMPARE(w.focusWidget(), w.pctGameOver);
    }

    // Help and about put the reader on their text, and leaving gives the focus back; the
    // focus never rests on a control while it hides; a piece set press is told.
    void screensAndPressesAreTold() {
        Game game;
        frmMainInside& w = game.window;
        game.scriptDeal(checkerboard());
        game.key(Qt::Key_N, Qt::ControlModifier);
        QList<QWidget*> focused;
        const auto watch = QObject::connect(qApp, &QApplication::focusChanged, &w,
                                            [&](QWidget*, QWidget* now) { focused << now; });
        game.key(Qt::Key_F1);
        QCOMPARE(w.focusWidget(), w.pctHelpText);
        QVERIFY(readerOf(w.pctHelpText)->text(QAccessible::Name).endsWith(u"wilder!"));
        game.key(Qt::Key_Escape);
        QCOMPARE(w.focusWidget(), w.pctHelp);
        QObject::disconnect(watch);
        for (QWidget* widget : focused)
            QVERIFY2(!widget || widget == &w || widget == w.pctHelpText || widget == w.pctHelp,
                     qPrintable(readerOf(widget)->text(QAccessible::Name)));

        game.key(Qt::Key_Tab);
        game.key(Qt::Key_Space);
        QCOMPARE(w.focusWidget(), w.pctAboutText);
        QVERIFY(readerOf(w.pctAboutText)
                    ->text(QAccessible::Name)
                    .contains(QRegularExpression(QStringLiteral("Version \\d\\.\\d$"))));
        game.key(Qt::Key_Escape);
        QCOMPARE(w.focusWidget(), w.pctAbout);

        for (int tabs = 0; tabs < 10 && w.focusWidget() != w.pctSet; ++tabs)
            game.key(Qt::Key_Backtab, Qt::ShiftModifier);
        game.key(Qt::Key_Space);
        QCOMPARE(w.pctSet->told(w.pctSet->toldLine()), QStringLiteral("Set 2, squares"));
    }

    // Nothing of the keyboard shows where the board does not, and every focus frame lies
    // wholly inside the window.
    void theCursorAndFramesStayWhereTheyBelong() {
        Game game;
        frmMainInside& w = game.window;
        game.key(Qt::Key_Tab);
        for (PictureBox* box : {w.pctUndo, w.pctAbout, w.pctExit, w.pctHelp}) {
            box->setFocus();
            QVERIFY(w.keys->focusFrame->frame->isVisible());
            QVERIFY(w.rect().contains(w.keys->focusFrame->frame->geometry()));
        }
        w.pctAbout->setFocus();
        game.key(Qt::Key_Space);
        game.key(Qt::Key_Escape);
        QVERIFY(!w.keys->cursorFrame->isVisible()); // no game on the title screen

        game.scriptDeal(checkerboard());
        game.key(Qt::Key_N, Qt::ControlModifier);
        game.key(Qt::Key_Right);
        QVERIFY(w.keys->cursorFrame->isVisible());
        game.key(Qt::Key_Tab);
        QVERIFY(!w.keys->cursorFrame->isVisible()); // one focus mark at a time
        game.key(Qt::Key_Left);
        QVERIFY(w.keys->cursorFrame->isVisible());
    }

    void aScreenReaderCanPressButtonsAndSwitches() {
        Game game;
        frmMainInside& w = game.window;
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
