#include "settings/StoredValues.h"

#include <QTest>

#include <string>

using namespace mirel;

namespace {

// Stands for "not a whole number" in the tables: no 16-bit value can equal it.
constexpr int NotWhole = 100000;

const std::string Digits1000 = "9" + std::string(999, '0');

} // namespace

class StoredValuesTest : public QObject {
    Q_OBJECT

private slots:
    // Every text is read both ways, as a switch and as a score, so that the two rules can be
    // compared row by row where they differ.
    void bothKinds_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("score");

        QTest::newRow("plain") << QByteArray("1234") << 1234 << 1234;
        QTest::newRow("empty") << QByteArray("") << NotWhole << 0;
        QTest::newRow("only blanks") << QByteArray(" \t ") << NotWhole << 0;
        QTest::newRow("trailing letters") << QByteArray("12abc") << NotWhole << 12;
        QTest::newRow("leading space") << QByteArray(" 7") << 7 << 7;
        QTest::newRow("blanks around") << QByteArray("\t 7 \r\n") << 7 << 7;
        QTest::newRow("minus zero") << QByteArray("-0") << 0 << 0;
        QTest::newRow("half rounds to even below") << QByteArray("2.5") << NotWhole << 2;
        QTest::newRow("half rounds to even above") << QByteArray("3.5") << NotWhole << 4;
        QTest::newRow("just over a half")
            << QByteArray("2.5000000000000000000001") << NotWhole << 3;
        QTest::newRow("just under a half")
            << QByteArray("2.4999999999999999999999") << NotWhole << 2;
        QTest::newRow("exponent") << QByteArray("1e3") << NotWhole << 1000;
        QTest::newRow("fraction and exponent") << QByteArray("1.25E2") << NotWhole << 125;
        QTest::newRow("negative exponent") << QByteArray("35e-1") << NotWhole << 4;
        QTest::newRow("e without digits ends the number") << QByteArray("7e") << NotWhole << 7;
        QTest::newRow("e with a sign only") << QByteArray("7e+x") << NotWhole << 7;
        QTest::newRow("fraction without whole part") << QByteArray(".6") << NotWhole << 1;
        QTest::newRow("a point alone") << QByteArray(".") << NotWhole << 0;
        QTest::newRow("trailing point") << QByteArray("8.") << NotWhole << 8;
        QTest::newRow("largest switch") << QByteArray("32767") << 32767 << 32767;
        QTest::newRow("one past the largest switch") << QByteArray("32768") << NotWhole << 32768;
        QTest::newRow("smallest switch") << QByteArray("-32768") << -32768 << 0;
        QTest::newRow("one below the smallest switch") << QByteArray("-32769") << NotWhole << 0;
        QTest::newRow("largest score") << QByteArray("2147483647") << NotWhole << 2147483647;
        QTest::newRow("one past the largest score") << QByteArray("2147483648") << NotWhole << 0;
        QTest::newRow("largest score by rounding down")
            << QByteArray("2147483647.49") << NotWhole << 2147483647;
        QTest::newRow("past the largest score by rounding up")
            << QByteArray("2147483647.5") << NotWhole << 0;
        QTest::newRow("eleven digits") << QByteArray("10000000000") << NotWhole << 0;
        QTest::newRow("plus sign") << QByteArray("+5") << 5 << 5;
        QTest::newRow("two signs") << QByteArray("+-5") << NotWhole << 0;
        QTest::newRow("a sign alone") << QByteArray("-") << NotWhole << 0;
        QTest::newRow("blank between sign and digits") << QByteArray("- 5") << NotWhole << 0;
        QTest::newRow("negative score") << QByteArray("-5") << -5 << 0;
        QTest::newRow("negative that rounds to zero") << QByteArray("-0.5") << NotWhole << 0;
        QTest::newRow("hex") << QByteArray("0x10") << NotWhole << 0;
        QTest::newRow("leading zeros") << QByteArray("007") << 7 << 7;
        QTest::newRow("a thousand digits")
            << QByteArray::fromStdString(Digits1000) << NotWhole << 0;
        QTest::newRow("a thousand digits, mostly leading zeros")
            << QByteArray::fromStdString(std::string(997, '0') + "321") << 321 << 321;
        QTest::newRow("a thousand-digit exponent")
            << QByteArray::fromStdString("1e" + Digits1000) << NotWhole << 0;
        QTest::newRow("a thousand-digit negative exponent")
            << QByteArray::fromStdString("1e-" + Digits1000) << NotWhole << 0;
        QTest::newRow("a tiny mantissa scaled up")
            << QByteArray::fromStdString("0." + std::string(998, '0') + "42e1000") << NotWhole
            << 42;
        QTest::newRow("nan is no number") << QByteArray("nan") << NotWhole << 0;
        QTest::newRow("infinity is no number") << QByteArray("inf") << NotWhole << 0;
        QTest::newRow("comma is not a decimal point") << QByteArray("2,7") << NotWhole << 2;
        QTest::newRow("embedded nul") << QByteArray("12\0"
                                                    "3",
                                                    4)
                                      << NotWhole << 12;
        QTest::newRow("fullwidth digits are not digits")
            << QByteArray("\xEF\xBC\x91") << NotWhole << 0;
        QTest::newRow("non-breaking space is not a blank") << QByteArray("\xC2\xA0"
                                                                         "5")
                                                           << NotWhole << 0;
    }
    void bothKinds() {
        QFETCH(QByteArray, text);
        QFETCH(int, whole);
        QFETCH(int, score);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));

        const auto read = readWholeNumber(view);
        QCOMPARE(read.has_value(), whole != NotWhole);
        if (read) QCOMPARE(int(*read), whole);
        QCOMPARE(int(readSwitch(view, 3)), whole == NotWhole ? 3 : whole);
        QCOMPARE(int(readScore(view)), score);
    }
};

QTEST_APPLESS_MAIN(StoredValuesTest)
#include "StoredValuesTest.moc"
