#include "ui/frmHighScore.h"
#include "support/HighScorePixels.h"
#include "support/Pixels.h"
#include "ui/Twips.h"

#include "ui/GameLanguage.h"
#include "ui/ScaledPictures.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QTest>

#include <limits>

using namespace mirel;
using namespace mirel::testing;

namespace {

// What a row shows of `name`: its letters and digits, each letter beyond A-Z where the
// lettering has it and blank where not, then `after`.
QString drawnAs(const QString& name, const QString& after = {}) {
    QString shown;
    for (const char32_t c : name.toUcs4())
        shown += c < 0x80 || !ScaledPictures::instance().letter(c).isNull()
                     ? QString::fromUcs4(&c, 1)
                     : QStringLiteral(" ");
    return (shown + after).leftJustified(NameCells);
}

} // namespace

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
        QCOMPARE(nameShown(window, pictures, 3, QStringLiteral("é")), QStringLiteral("é  Z    "));
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

    // The letters of the game's language are typed and drawn as A-Z are; `drawn` are those
    // the lettering must have.
    void typingInTheGamesLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("inputMethod"); // the text comes as an input method's commit
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("German takes Ü, not Ж") << "de_DE" << false << "mü\u0436ller"
                                               << "MÜLLER"
                                               << "Ü";
        QTest::newRow("Russian takes Ж") << "ru_RU" << false << "жёk"
                                         << "ЖЁK"
                                         << "ЖЁ";
        QTest::newRow("Polish takes Ł") << "pl" << false << "łódź"
                                        << "ŁÓDŹ"
                                        << "ŁÓŹ";
        QTest::newRow("Japanese takes Latin letters") << "ja_JP" << false << "aあ1"
                                                      << "A1"
                                                      << "";
        QTest::newRow("an input method's commit lets no kana in")
            << "ja_JP" << true << "あＡb１中"
            << "AB1"
            << "";
        QTest::newRow("English as ever") << "" << false << "aé"
                                         << "A"
                                         << "";
    }
    void typingInTheGamesLanguage() {
        QFETCH(QString, language);
        QFETCH(bool, inputMethod);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, drawn);
        HighScoreTable table;
        table.NewHighScoreRank = 1;
        gameLanguage() = language;
        frmHighScore window(table, pictures, nullptr);
        gameLanguage().clear();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (inputMethod) {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QCoreApplication::sendEvent(window.txtName, &commit);
        } else {
            for (const char32_t c : typed.toUcs4())
                QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_unknown,
                                    QString::fromUcs4(&c, 1), Qt::NoModifier);
        }
        QCOMPARE(QString::fromStdString(table.HighScoreNames[1]), name);
        QCOMPARE(nameShown(window, pictures, 1, name), drawnAs(name, QStringLiteral("_")));
        for (const char32_t c : drawn.toUcs4())
            QVERIFY(!ScaledPictures::instance().letter(c).isNull());
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(window.txtName);
        QCOMPARE(field->textInterface()->text(0, field->textInterface()->characterCount()), name);
    }

    // A table typed in other languages (or edited by hand) shows each letter the lettering
    // has, at every size, and blank cells for the rest.
    void namesInOtherAlphabetsAreDrawn_data() {
        QTest::addColumn<double>("factor");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
        QTest::newRow("2.5") << 2.5;
    }
    void namesInOtherAlphabetsAreDrawn() {
        QFETCH(double, factor);
        const QStringList names{QStringLiteral("MÜLLER"), QStringLiteral("ЖЁЛТЫЙ"),
                                QStringLiteral("ŁÓDŹ"), QStringLiteral("ÉRIC中\U0001F600"),
                                QStringLiteral("ŘÍHA")};
        HighScoreTable table;
        for (int r = 1; r <= names.size(); ++r)
            table.HighScoreNames[r] = names[r - 1].toStdString();
        frmHighScore window(table, pictures, nullptr, factor);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot =
            window.pctHighScore->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int r = 1; r <= names.size(); ++r) {
            const QList<uint> letters = names[r - 1].toUcs4();
            for (int p = 1; p <= NameCells; ++p) {
                const char32_t c = p <= letters.size() ? letters[p - 1] : 0;
                const QPixmap letter = c >= 0x80 ? ScaledPictures::instance().letter(c) : QPixmap();
                if (c < 0x80) continue;
                const QImage exact = letter.isNull()
                                         ? QImage()
                                         : ScaledPictures::instance().exact(letter, factor, 1);
                const QPoint at(firstPixelAt(2190 + 330 * (p - 1), factor),
                                firstPixelAt(60 + 510 * (r - 1), factor));
                const QImage cell =
                    shot.copy(QRect(at, QSize(std::ceil(22 * factor), std::ceil(28 * factor))));
                if (letter.isNull())
                    QVERIFY2(allBlack(cell), qPrintable(names[r - 1]));
                else if (factor == 1)
                    QCOMPARE(cell, onBlack(letter));
                else
                    QCOMPARE(cell, exact.convertToFormat(QImage::Format_RGB32));
            }
        }
        // The lettering has these today, so they are never blank.
        for (const char32_t c : QStringLiteral("ÜÓÉÍЖЁŁŹŘ").toUcs4())
            QVERIFY(!ScaledPictures::instance().letter(c).isNull());
        QVERIFY(ScaledPictures::instance().letter(U'\U0001F600').isNull());
        QVERIFY(ScaledPictures::instance().letter(U'中').isNull());
        if (factor == 1) QCOMPARE(nameShown(window, pictures, 1, names[0]), drawnAs(names[0]));
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
