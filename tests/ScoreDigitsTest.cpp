#include "scores/ScoreDigits.h"

#include <QTest>

#include <limits>

using namespace mirel;

class ScoreDigitsTest : public QObject {
    Q_OBJECT

private slots:
    void sixPlaces_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << 0 << "000000";
        QTest::newRow("seven") << 7 << "000007";
        QTest::newRow("4711") << 4711 << "004711";
        QTest::newRow("300, the most a game can score") << 300 << "000300";
        QTest::newRow("every place different") << 123456 << "123456";
        QTest::newRow("six nines") << 999999 << "999999";
        QTest::newRow("seven digits show as many nines as fit") << 1000000 << "999999";
        QTest::newRow("the largest stored score") << std::numeric_limits<int>::max() << "999999";
        QTest::newRow("an edited negative score shows zeros") << -42 << "000000";
        QTest::newRow("the smallest stored score") << std::numeric_limits<int>::min() << "000000";
    }
    void sixPlaces() {
        QFETCH(int, score);
        QFETCH(QString, shown);
        QString text;
        for (auto digit : scoreDigits(score)) {
            QVERIFY(digit >= 0 && digit <= 9);
            text += QChar(u'0' + digit);
        }
        QCOMPARE(text, shown);
    }
};

QTEST_APPLESS_MAIN(ScoreDigitsTest)
#include "ScoreDigitsTest.moc"
