#include "hazards/ShiftSchedule.h"
#include "board/Deal.h"
#include "hazards/Shifts.h"
#include "support/BoardText.h"
#include "support/ScriptedRandom.h"

#include <QTest>

#include <cmath>
#include <string>

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
        QTest::newRow("a tie that rounds up") << 1.5f / 10001.0f << 10002; // 10001.5
        QTest::newRow("a tie at the top") << 10000.5f / 10001.0f << 20000; // 20000.5
        QTest::newRow("just above a tie") << 0.2f << 12000;                // 12000.2
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

    void dueShift_data() {
        QTest::addColumn<qint64>("last");
        QTest::addColumn<int>("rowDelay");
        QTest::addColumn<int>("columnDelay");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("due"); // -1: none
        const qint64 last = 5000;
        QTest::newRow("idle clock, however late")
            << qint64(0) << 10000 << 10000 << (qint64(1) << 40) << -1;
        QTest::newRow("one ms before the delay") << last << 12345 << 0 << last + 12344 << -1;
        QTest::newRow("exactly at the delay") << last << 12345 << 0 << last + 12345 << 0;
        QTest::newRow("long after the delay") << last << 12345 << 0 << last + 99999 << 0;
        QTest::newRow("both off") << last << 0 << 0 << last + (qint64(1) << 40) << -1;
        QTest::newRow("only the column shift on") << last << 0 << 10000 << last + 10000 << 1;
        QTest::newRow("the smaller delay wins") << last << 15000 << 12000 << last + 12000 << 1;
        QTest::newRow("neither due yet") << last << 15000 << 12000 << last + 11999 << -1;
        QTest::newRow("due at one tick: the row shift")
            << last << 12000 << 12000 << last + 12000 << 0;
        QTest::newRow("both overdue: the row shift") << last << 15000 << 11000 << last + 20000 << 0;
        QTest::newRow("no wrap after weeks")
            << qint64(4'000'000'000) << 10000 << 0 << qint64(4'000'010'000) << 0;
    }
    void dueShift() {
        QFETCH(qint64, last);
        QFETCH(int, rowDelay);
        QFETCH(int, columnDelay);
        QFETCH(qint64, now);
        QFETCH(int, due);
        ShiftClock clock;
        clock.LastEventTick = last;
        clock.EventInterval = {rowDelay, columnDelay};
        const auto which = mirel::dueShift(clock, now);
        QCOMPARE(which.has_value() ? int(*which) : -1, due);
    }

    void aShiftDrawsItsOwnNextDelayAndTheRaceStartsAgain() {
        ShiftClock clock;
        clock.LastEventTick = 5000;
        clock.EventInterval = {15000, 12000};
        QCOMPARE(mirel::dueShift(clock, 17000), std::optional<ShiftKind>(ColumnShift));

        ScriptedRandom random({0.5f});
        shiftDone(clock, ColumnShift, 17000, random);
        QCOMPARE(random.draws, std::size_t(1));
        QCOMPARE(clock.LastEventTick, 17000);
        QCOMPARE(clock.EventInterval[ColumnShift], 15000);
        QCOMPARE(clock.EventInterval[RowShift], 15000); // kept, now measured from 17000

        QVERIFY(!mirel::dueShift(clock, 17000 + 14999));
        QCOMPARE(mirel::dueShift(clock, 17000 + 15000), std::optional<ShiftKind>(RowShift));
    }

    void theEndOfAGameStopsTheShifts() {
        ShiftClock clock;
        clock.LastEventTick = 5000;
        clock.EventInterval = {10000, 0};
        stopShiftClock(clock);
        QVERIFY(!mirel::dueShift(clock, 5000 + 10000));
        QVERIFY(!mirel::dueShift(clock, 5000 + 1'000'000));
        // Only a scoring move counts from afresh.
        startShiftClock(clock, 2'000'000);
        QVERIFY(!mirel::dueShift(clock, 2'000'000 + 9999));
        QCOMPARE(mirel::dueShift(clock, 2'000'000 + 10000), std::optional<ShiftKind>(RowShift));
    }

    // A game with both shifts on, driven as the window drives it: a tick every second, and a
    // shift that takes its two sounds' time before the next tick comes.
    void drawsOfAGameWithBothShiftsOn() {
        ScriptedRandom random;
        random.append(std::vector<float>(CellCount, 0.3f));            // the deal
        random.append({0.5f, 0.2f});                                   // row 15000, column 12000
        random.append({0.0f, std::nextafter(1.0f, 0.0f), 0.7f, 0.1f}); // one a shift
        BoardModel board;
        RecordingPainter painter;
        dealBoard(board, random, painter);
        ShiftClock clock;
        resetShiftClock(clock);
        scheduleShift(clock, RowShift, true, random);
        scheduleShift(clock, ColumnShift, true, random);
        QCOMPARE(random.draws, std::size_t(CellCount + 2));

        const std::int64_t soundsOfAShift = 2400;
        startShiftClock(clock, 3500); // the first removal, between two ticks
        std::string ran;
        for (std::int64_t now = 4000; now <= 60000; now += 1000) {
            const auto which = mirel::dueShift(clock, now);
            if (!which) continue;
            ran += (*which == RowShift ? "row@" : "column@") + std::to_string(now) + ' ';
            if (*which == RowShift)
                rowShift(board.BoardPieces, painter);
            else
                QVERIFY(columnShift(board.BoardPieces, painter));
            shiftDone(clock, *which, now, random);
            now += soundsOfAShift;
        }
        // column 12000 after 3500; then column 10000, column 20001, row 17001: each measured
        // from the tick read before the last shift, not from its end.
        QCOMPARE(ran, std::string("column@16000 column@26400 row@41800 row@59200 "));
        QCOMPARE(random.draws, std::size_t(CellCount + 2 + 4));
        QCOMPARE(clock.EventInterval[RowShift], 11000);
        QCOMPARE(clock.EventInterval[ColumnShift], 20001);
    }
};

QTEST_APPLESS_MAIN(ShiftScheduleTest)
#include "ShiftScheduleTest.moc"
