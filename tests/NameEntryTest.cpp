#include "scores/NameEntry.h"

#include <QTest>

#include <vector>

using namespace mirel;
using Keys = std::vector<int>;
Q_DECLARE_METATYPE(Keys)

namespace {

// What the row of the name being typed shows, one character per cell: a letter or digit,
// '_' for the cursor, ' ' for a blank cell.
class RowPainter final : public NameEntryPainter {
public:
    void paintCharacter(std::int16_t cell, CharPicture picture) override {
        QVERIFY(picture.kind != CharPicture::Blank);
        row[cell - 1] = picture.kind == CharPicture::Letter ? char('A' + picture.index - 1)
                                                            : char('0' + picture.index);
    }
    void paintCursor(std::int16_t cell) override { row[cell - 1] = '_'; }
    void paintBlank(std::int16_t cell) override { row[cell - 1] = ' '; }
    std::string row = "????????";
};

} // namespace

class NameEntryTest : public QObject {
    Q_OBJECT

private slots:
    void typing_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("cursor");

        QTest::newRow("nothing typed yet") << Keys{} << ""
                                           << "_       " << true << 1;
        QTest::newRow("small letters become capitals") << Keys{'a', 'b', '1'} << "AB1"
                                                       << "AB1_    " << true << 4;
        QTest::newRow("Enter ends the entry") << Keys{'Q', 13} << "Q"
                                              << "Q       " << false << 2;
        QTest::newRow("Enter before any character") << Keys{13} << ""
                                                    << "        " << false << 1;
        QTest::newRow("Backspace takes back the last character") << Keys{'A', 'B', 8} << "A"
                                                                 << "A_      " << true << 2;
        QTest::newRow("typing after Backspace") << Keys{'A', 'B', 8, 'c'} << "AC"
                                                << "AC_     " << true << 3;
        QTest::newRow("Backspace in the first cell does nothing") << Keys{8, 8, 'z'} << "Z"
                                                                  << "Z_      " << true << 2;
        QTest::newRow("space, punctuation and others are ignored")
            << Keys{' ', '.', '!', '@', '[', '`', '{', 127, 0x00E9, 'k'} << "K"
            << "K_      " << true << 2;
        QTest::newRow("the seventh character ends the entry")
            << Keys{'m', 'i', 'r', 'e', 'l', '0', '9'} << "MIREL09"
            << "MIREL09 " << false << 8;
        QTest::newRow("keys after the end change nothing")
            << Keys{'1', '2', '3', '4', '5', '6', '7', '8', 8, 13} << "1234567"
            << "1234567 " << false << 8;
        QTest::newRow("keys after Enter change nothing") << Keys{'x', 13, 'y', 8} << "X"
                                                         << "X       " << false << 2;
    }
    void typing() {
        QFETCH(Keys, keys);
        QFETCH(QString, name);
        QFETCH(QString, row);
        QFETCH(bool, active);
        QFETCH(int, cursor);

        HighScoreTable table;
        table.NewHighScoreRank = 4;
        table.HighScoreNames[3] = "ABOVE";
        RowPainter painter;
        NameEntry entry;
        entry.StartNameEntry(painter);
        for (int key : keys)
            entry.keyPress(key, table, painter);

        QCOMPARE(QString::fromStdString(table.HighScoreNames[4]), name);
        QCOMPARE(QString::fromStdString(painter.row), row);
        QCOMPARE(entry.EntryActive, active);
        QCOMPARE(entry.CursorPos, int16_t(cursor));
        QCOMPARE(table.NewHighScoreRank, int16_t(active ? 4 : 0));
        QCOMPARE(QString::fromStdString(table.HighScoreNames[3]), QStringLiteral("ABOVE"));
    }

    void keysAreIgnoredWithoutAnEntry() {
        HighScoreTable table;
        RowPainter painter;
        NameEntry entry;
        entry.keyPress('A', table, painter);
        QCOMPARE(painter.row, std::string("????????"));
        QVERIFY(table.HighScoreNames[0].empty());
    }

    void storedNamesAreDrawnSafely_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("cells");
        QTest::newRow("letters and digits") << "AB12"
                                            << "AB12    ";
        QTest::newRow("eight characters in full") << "ABCDEFGH"
                                                  << "ABCDEFGH";
        QTest::newRow("nine or more show the first eight") << "ABCDEFGHIJKL"
                                                           << "ABCDEFGH";
        QTest::newRow("small letters and punctuation are blank") << "ab-C d!"
                                                                 << "   C    ";
        QTest::newRow("characters beyond ASCII take one blank cell each")
            << QString::fromUtf8("Z\u00e9\u4e2d\U0001F600Y") << "Z   Y   ";
        QTest::newRow("empty") << ""
                               << "        ";
    }
    void storedNamesAreDrawnSafely() {
        QFETCH(QString, stored);
        QFETCH(QString, cells);
        const auto pictures = namePictures(stored.toStdString());
        QString drawn;
        for (const CharPicture& picture : pictures) {
            switch (picture.kind) {
            case CharPicture::Letter:
                drawn += QChar(u'A' + picture.index - 1);
                break;
            case CharPicture::Digit:
                drawn += QChar(u'0' + picture.index);
                break;
            case CharPicture::Blank:
                drawn += QLatin1Char(' ');
                break;
            }
        }
        QCOMPARE(drawn, cells);
    }
};

QTEST_APPLESS_MAIN(NameEntryTest)
#include "NameEntryTest.moc"
