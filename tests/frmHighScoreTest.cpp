#include "ui/frmHighScore.h"
#include "support/HighScorePixels.h"
#include "support/Pixels.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QTest>

#include <limits>

using namespace mirel;
using namespace mirel::testing;

class frmHighScoreTest : public QObject {
    Q_OBJECT

    Pictures pictures;

private slots:
    void initTestCase() { pictures = Pictures::load(); }

    void showsTheTableAndOffersReset() {
        HighScoreTable table;
        table.HighScoreNames[1] = "ALICE";
        table.HighScores[1] = 300;
        table.HighScoreNames[2] = "B0B";
        table.HighScores[2] = 4711;
        frmHighScore window(table, pictures, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.size(), QSize(609, 337));
        QCOMPARE(window.pctHighScore->geometry(), QRect(0, 0, 522, 337));
        QCOMPARE(window.pctOk->geometry(), QRect(522, 132, 47, 29));
        QVERIFY(window.pctReset->isVisible());
        QCOMPARE(nameShown(window, pictures, 1), QStringLiteral("ALICE   "));
        QCOMPARE(scoreShown(window, pictures, 1), QStringLiteral("000300"));
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("B0B     "));
        QCOMPARE(scoreShown(window, pictures, 2), QStringLiteral("004711"));
        for (int rank = 3; rank <= TableSize; ++rank) {
            QCOMPARE(nameShown(window, pictures, rank), QStringLiteral("        "));
            QCOMPARE(scoreShown(window, pictures, rank), QStringLiteral("000000"));
        }

        // Only viewing: typing changes nothing; Tab goes from Ok to Reset and back, and
        // Escape (or Enter) leaves through Ok.
        const QImage before = window.pctHighScore->grab().toImage();
        QTest::keyClick(&window, 'x');
        QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(window.pctHighScore->grab().toImage(), before);
        QCOMPARE(QString::fromStdString(table.HighScoreNames[1]), QStringLiteral("ALICE"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.focusWidget(), window.pctOk);
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), window.pctReset);
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), window.pctOk);
        QTest::keyClick(window.focusWidget(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(table.HighScoreNames[1]), QStringLiteral("ALICE"));
    }

    void resetEmptiesTheTableAndCloses() {
        HighScoreTable table;
        for (int r = 1; r <= TableSize; ++r) {
            table.HighScoreNames[r] = "N" + std::to_string(r);
            table.HighScores[r] = 1000 - r;
        }
        frmHighScore window(table, pictures, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.pctReset, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        for (int r = 1; r <= TableSize; ++r) {
            QVERIFY(table.HighScoreNames[r].empty());
            QCOMPARE(table.HighScores[r], 0);
        }
    }

    void typingIntoTheNewRow() {
        HighScoreTable table;
        table.HighScoreNames[1] = "TOP";
        table.HighScores[1] = 200;
        table.HighScores[2] = 100;
        table.HighScoreNames[3] = "OLD";
        table.HighScores[3] = 90;
        table.NewHighScoreRank = 2;
        frmHighScore window(table, pictures, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(!window.pctReset->isVisible());
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("_       "));
        QTest::keyClick(&window, 'a');
        QTest::keyClick(&window, 'B');
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("AB_     "));
        QTest::keyClick(&window, Qt::Key_Backspace);
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("A_      "));
        QTest::keyClick(&window, ' ');
        QTest::keyClick(&window, '-');
        QTest::keyClick(&window, '4');
        QTest::keyClick(&window, Qt::Key_Enter);
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("A4      "));
        QCOMPARE(QString::fromStdString(table.HighScoreNames[2]), QStringLiteral("A4"));
        QCOMPARE(table.NewHighScoreRank, int16_t(0));
        QTest::keyClick(&window, 'z');
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("A4      "));
        // The rows around it are untouched.
        QCOMPARE(nameShown(window, pictures, 1), QStringLiteral("TOP     "));
        QCOMPARE(nameShown(window, pictures, 3), QStringLiteral("OLD     "));
        QCOMPARE(scoreShown(window, pictures, 2), QStringLiteral("000100"));
        QVERIFY(!window.pctReset->isVisible());
        // The name is in: the next Enter presses Ok.
        QCOMPARE(window.focusWidget(), window.pctOk);
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(QString::fromStdString(table.HighScoreNames[2]), QStringLiteral("A4"));
    }

    void closingDuringTheEntryKeepsWhatWasTyped() {
        HighScoreTable table;
        table.NewHighScoreRank = 1;
        frmHighScore window(table, pictures, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, 'k');
        QTest::mouseClick(window.pctOk, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!window.isVisible());
        QCOMPARE(QString::fromStdString(table.HighScoreNames[1]), QStringLiteral("K"));
        QCOMPARE(table.NewHighScoreRank, int16_t(1));
    }

    void editedStoreValuesAreDrawnSafely() {
        HighScoreTable table;
        table.HighScoreNames[1] = "ab-C d!";
        table.HighScores[1] = 1234567;
        table.HighScoreNames[2] = std::string(5000, 'W');
        table.HighScores[2] = std::numeric_limits<std::int32_t>::max();
        table.HighScoreNames[3] = "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80Z";
        table.HighScores[3] = -7;
        table.HighScoreNames[4] = std::string("\x01\x7F\xFF\x80", 4);
        table.HighScores[4] = std::numeric_limits<std::int32_t>::min();
        frmHighScore window(table, pictures, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(nameShown(window, pictures, 1), QStringLiteral("   C    "));
        QCOMPARE(scoreShown(window, pictures, 1), QStringLiteral("999999"));
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("WWWWWWWW"));
        QCOMPARE(scoreShown(window, pictures, 2), QStringLiteral("999999"));
        QCOMPARE(nameShown(window, pictures, 3), QStringLiteral("   Z    "));
        QCOMPARE(scoreShown(window, pictures, 3), QStringLiteral("000000"));
        QCOMPARE(nameShown(window, pictures, 4), QStringLiteral("        "));
        QCOMPARE(scoreShown(window, pictures, 4), QStringLiteral("000000"));
        // Nothing is painted over the score column or beyond the eighth name cell.
        QVERIFY(allBlack(window.pctHighScore
                             ->grab(QRect(nameCell(2, 8).right() + 1, 0,
                                          scoreCell(1, 1).left() - nameCell(2, 8).right() - 1, 337))
                             .toImage()));
        // The stored values are read, never changed.
        QCOMPARE(table.HighScoreNames[2].size(), std::size_t(5000));
        QCOMPARE(table.HighScores[1], 1234567);
    }

    void theTableSurvivesBeingCovered() {
        HighScoreTable table;
        table.HighScoreNames[1] = "KEEP";
        table.HighScores[1] = 42;
        table.NewHighScoreRank = 2;
        frmHighScore window(table, pictures, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, 'm');
        const QImage before = window.grab().toImage();

        QWidget cover;
        cover.setGeometry(window.geometry());
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        cover.hide();
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        QCOMPARE(window.grab().toImage(), before);
        QCOMPARE(nameShown(window, pictures, 2), QStringLiteral("M_      "));
    }

    // The window draws no text, so a screen reader is told its buttons and the table.
    void aScreenReaderHearsTheButtonsAndTheTable() {
        HighScoreTable table;
        table.HighScoreNames[1] = "ANNA";
        table.HighScores[1] = 300;
        table.HighScoreNames[2] = "a\x01Z";
        table.HighScores[2] = 12;
        rankNewScore(table, 40);
        frmHighScore window(table, pictures, nullptr);
        QCOMPARE(window.pctOk->accessibleName(), QStringLiteral("Ok"));
        QCOMPARE(window.pctReset->accessibleName(), QStringLiteral("Reset"));
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("High scores"));
        QCOMPARE(dialog->role(), QAccessible::Dialog);
        const auto tableRead = [&] {
            return QAccessible::queryAccessibleInterface(window.pctHighScore)
                ->text(QAccessible::Description);
        };
        QVERIFY2(tableRead().startsWith(QStringLiteral(
                     "rank 1, ANNA, 300. rank 2, 40. rank 3, Z, 12. rank 4, empty. rank 5, empty")),
                 qPrintable(tableRead()));

        // The name is typed into an editable text in focus, which says what is wanted.
        QVERIFY(window.txtName != nullptr);
        QCOMPARE(window.focusWidget(), window.txtName);
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(window.txtName);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name),
                 QStringLiteral("Game over! Score 40 entered the high scores at rank 2. Type a "
                                "name of up to seven letters and digits"));
        QTest::keyClick(&window, 'b');
        QTest::keyClick(&window, '7');
        QCOMPARE(field->textInterface()->text(0, field->textInterface()->characterCount()),
                 QStringLiteral("B7"));
        QVERIFY(tableRead().contains(QStringLiteral("rank 2, B7, 40. ")));
        // Row by row, too: each row its own line of text inside the table.
        QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(window.pctHighScore);
        QCOMPARE(rows->childCount(), 10);
        QCOMPARE(rows->child(1)->text(QAccessible::Name), QStringLiteral("rank 2, B7, 40"));
        QCOMPARE(rows->child(9)->text(QAccessible::Name), QStringLiteral("rank 10, empty"));
        QCOMPARE(rows->indexOfChild(rows->child(3)), 3);
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(window.focusWidget(), window.pctOk);
    }
};

QTEST_MAIN(frmHighScoreTest)
#include "frmHighScoreTest.moc"
