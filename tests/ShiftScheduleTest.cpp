#include "hazards/ShiftSchedule.h"
#include "support/ScriptedRandom.h"

#include <QTest>

#include <cmath>

using namespace mirel;
using namespace mirel::testing;

class ShiftScheduleTest : public QObject {
    Q_OBJECT

private slots:
    void delayRange_data() {
        QTest::addColumn<float>("u");
        QTest::addColumn<int>("delay");
        QTest::newRow("zero") << 0.0f << 10000;
        QTest::newRow("a half") << 0.5f << 15000; // 15000.5 goes to the even neighbour
        QTest::newRow("just below one") << std::nextafter(1.0f, 0.0f) << 20001;
    }
    void delayRange() {
        QFETCH(float, u);
        QFETCH(int, delay);
        ScriptedRandom random({u});
        QCOMPARE(drawShiftDelay(random), delay);
    }

    void schedulingDrawsWhetherOrNotTheShiftIsOn() {
        ShiftClock clock;
        clock.LastEventTick = 777;
        clock.EventInterval = {5, 6};
        resetShiftClock(clock);
        QCOMPARE(clock.LastEventTick, 0);
        QCOMPARE(clock.EventInterval[0], 0);
        QCOMPARE(clock.EventInterval[1], 0);

        ScriptedRandom random({0.0f, std::nextafter(1.0f, 0.0f)});
        scheduleShift(clock, RowShift, false, random);
        scheduleShift(clock, ColumnShift, true, random);
        QCOMPARE(random.draws, std::size_t(2));
        QCOMPARE(clock.EventInterval[RowShift], 0);
        QCOMPARE(clock.EventInterval[ColumnShift], 20001);
    }

    void onlyTheFirstRemovalStartsTheClock() {
        ShiftClock clock;
        startShiftClock(clock, 5000);
        startShiftClock(clock, 9000);
        QCOMPARE(clock.LastEventTick, 5000);
    }
};

QTEST_APPLESS_MAIN(ShiftScheduleTest)
#include "ShiftScheduleTest.moc"
