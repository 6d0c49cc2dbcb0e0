#include "scores/NameEntry.h"

#include <QTest>

#include <vector>

using namespace mirel;
using Keys = std::vector<int>;
Q_DECLARE_METATYPE(Keys)

namespace {

// The character a cell shows: a letter or digit, ' ' for a blank cell.
QString shown(const CharPicture& picture) {
    switch (picture.kind) {
    case CharPicture::Letter:
        return QChar(u'A' + picture.index - 1);
    case CharPicture::Digit:
        return QChar(u'0' + picture.index);
    case CharPicture::Glyph:
        return QString::fromUcs4(&picture.character, 1);
    case CharPicture::Blank:
        break;
    }
    return QStringLiteral(" ");
}

// What the row of the name being typed shows, one character per cell: a letter or digit,
// '_' for the cursor, ' ' for a blank cell.
class RowPainter final : public NameEntryPainter {
public:
    void paintCharacter(std::int16_t cell, CharPicture picture) override {
        QVERIFY(picture.kind != CharPicture::Blank);
        row[cell - 1] = shown(picture);
    }
    void paintCursor(std::int16_t cell) override { row[cell - 1] = QStringLiteral("_"); }
    void paintBlank(std::int16_t cell) override { row[cell - 1] = QStringLiteral(" "); }
    QString text() const { return row.join(QString()); }
    QStringList row = QString("????????").split(QString(), Qt::SkipEmptyParts);
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
        QTest::addColumn<QString>("language");

        QTest::newRow("nothing typed yet") << Keys{} << ""
                                           << "_       " << true << 1 << "";
        QTest::newRow("small letters become capitals") << Keys{'a', 'b', '1'} << "AB1"
                                                       << "AB1_    " << true << 4 << "";
        QTest::newRow("Enter ends the entry") << Keys{'Q', 13} << "Q"
                                              << "Q       " << false << 2 << "";
        QTest::newRow("Enter before any character") << Keys{13} << ""
                                                    << "        " << false << 1 << "";
        QTest::newRow("Backspace takes back the last character") << Keys{'A', 'B', 8} << "A"
                                                                 << "A_      " << true << 2 << "";
        QTest::newRow("typing after Backspace") << Keys{'A', 'B', 8, 'c'} << "AC"
                                                << "AC_     " << true << 3 << "";
        QTest::newRow("Backspace in the first cell does nothing") << Keys{8, 8, 'z'} << "Z"
                                                                  << "Z_      " << true << 2 << "";
        QTest::newRow("space, punctuation and others are ignored")
            << Keys{' ', '.', '!', '@', '[', '`', '{', 127, 0x00E9, 'k'} << "K"
            << "K_      " << true << 2 << "";
        QTest::newRow("the seventh character ends the entry")
            << Keys{'m', 'i', 'r', 'e', 'l', '0', '9'} << "MIREL09"
            << "MIREL09 " << false << 8 << "";
        QTest::newRow("keys after the end change nothing")
            << Keys{'1', '2', '3', '4', '5', '6', '7', '8', 8, 13} << "1234567"
            << "1234567 " << false << 8 << "";

        // Each language takes its own letters as well, small ones as capitals.
        QTest::newRow("German takes umlauts and ß, not Cyrillic")
            << Keys{0xFC, 'b', 0xC4, 0x416, 0xDF, 0x142} << "ÜBÄß"
            << "ÜBÄß_   " << true << 5 << "de_DE";
        QTest::newRow("Russian takes Cyrillic and Latin")
            << Keys{0x436, 0x401, 0x451, 'k', 0x44B, 0xFC} << "ЖЁЁKЫ"
            << "ЖЁЁKЫ_  " << true << 6 << "ru_RU";
        QTest::newRow("Ukrainian has Ґ, Є, І and Ї but no Ё, Ы or Э")
            << Keys{0x491, 0x454, 0x456, 0x457, 0x451, 0x44B, 0x44D} << "ҐЄІЇ"
            << "ҐЄІЇ_   " << true << 5 << "uk";
        QTest::newRow("Polish takes Ł and Ż, not the Czech Ř")
            << Keys{0x142, 0x17C, 0x159} << "ŁŻ"
            << "ŁŻ_     " << true << 3 << "pl_PL";
        QTest::newRow("Czech takes Ř and Ů") << Keys{0x159, 0x16F, 0x10C} << "ŘŮČ"
                                             << "ŘŮČ_    " << true << 4 << "cs";
        QTest::newRow("Brazilian Portuguese by its other name")
            << Keys{0xE3, 0xE7} << "ÃÇ"
            << "ÃÇ_     " << true << 3 << "pt-BR";
        QTest::newRow("Japanese keeps Latin letters; full width is plain, kana refused")
            << Keys{'a', 0x3042, 0xFF21, 0xFF42, 0xFF11, 0x4E2D} << "AAB1"
            << "AAB1_   " << true << 5 << "ja_JP";
        QTest::newRow("Chinese, the same") << Keys{0x4E2D, 'z', 0xFF3A} << "ZZ"
                                           << "ZZ_     " << true << 3 << "zh_CN";
        QTest::newRow("English refuses full width") << Keys{0xFF21, 'a'} << "A"
                                                    << "A_      " << true << 2 << "";
        QTest::newRow("a language without letters of its own is English")
            << Keys{0xE9, 0x436, 'e'} << "E"
            << "E_      " << true << 2 << "eo";
        QTest::newRow("Backspace takes back a whole letter") << Keys{0xE9, 0xE8, 8, 'x'} << "ÉX"
                                                             << "ÉX_     " << true << 3 << "fr";
        QTest::newRow("the seventh letter ends the entry, however long in bytes")
            << Keys{0x44F, 0x44F, 0x44F, 0x44F, 0x44F, 0x44F, 0x44F, 0x44F} << "ЯЯЯЯЯЯЯ"
            << "ЯЯЯЯЯЯЯ " << false << 8 << "ru";
        QTest::newRow("keys after Enter change nothing") << Keys{'x', 13, 'y', 8} << "X"
                                                         << "X       " << false << 2 << "";
    }
    void typing() {
        QFETCH(Keys, keys);
        QFETCH(QString, name);
        QFETCH(QString, row);
        QFETCH(bool, active);
        QFETCH(int, cursor);
        QFETCH(QString, language);

        HighScoreTable table;
        table.NewHighScoreRank = 4;
        table.HighScoreNames[3] = "ABOVE";
        RowPainter painter;
        NameEntry entry;
        entry.language = language.toStdString();
        entry.StartNameEntry(painter);
        for (int key : keys)
            entry.keyPress(key, table, painter);

        QCOMPARE(QString::fromStdString(table.HighScoreNames[4]), name);
        QCOMPARE(painter.text(), row);
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
        QCOMPARE(painter.text(), QStringLiteral("????????"));
        QVERIFY(table.HighScoreNames[0].empty());
    }

    void storedNamesAreDrawnSafely_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("cells");
        QTest::newRow("letters and digits") << QByteArray("AB12") << "AB12    ";
        QTest::newRow("eight characters in full") << QByteArray("ABCDEFGH") << "ABCDEFGH";
        QTest::newRow("nine or more show the first eight") << QByteArray("ABCDEFGHIJKL")
                                                           << "ABCDEFGH";
        QTest::newRow("small letters and punctuation are blank") << QByteArray("ab-C d!")
                                                                 << "   C    ";
        // Whether the lettering has them is the window's to find out.
        QTest::newRow("characters beyond ASCII take one cell each")
            << QByteArray("Z\u00e9\u4e2d\U0001F600\u0416\u0141Y") << "Zé中😀ЖŁY ";
        QTest::newRow("bytes that start no character take a blank cell each")
            << QByteArray("\xFF\x80" "A\xC0\xAF\xED\xA0\x80\xC3") << "  A     ";
        QTest::newRow("control characters beyond ASCII are blank")
            << QByteArray("\xC2\x85Q\xEF\xBF\xBD") << " Q      ";
        QTest::newRow("empty") << QByteArray() << "        ";
    }
    void storedNamesAreDrawnSafely() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, cells);
        QString drawn;
        for (const CharPicture& picture : namePictures(stored.toStdString()))
            drawn += shown(picture);
        QCOMPARE(drawn, cells);
    }

    // Each language's small letters are paired with their own capitals.
    void eachLanguagePairsItsLetters() {
        for (const char* language :
             {"de", "fr", "es", "it", "pt_BR", "nl", "pl", "cs", "ru", "uk", "ja", "zh_CN"}) {
            const NameAlphabet& alphabet = nameAlphabet(language);
            QVERIFY2(QByteArray(language).startsWith(QByteArray(alphabet.language.data(),
                                                                qsizetype(alphabet.language.size()))),
                     language);
            for (std::size_t i = 0; i < alphabet.capitals.size(); ++i) {
                const char32_t capital = alphabet.capitals[i], small = alphabet.smalls[i];
                QVERIFY2(QChar::isLetter(capital) && QChar::isLetter(small), language);
                // ß stays as it is.
                QVERIFY2(QChar::toUpper(small) == capital || small == capital, language);
                QVERIFY2(nameCharacter(small, alphabet) == capital, language);
            }
        }
    }
};

QTEST_APPLESS_MAIN(NameEntryTest)
#include "NameEntryTest.moc"
