// The zoom keys' steps and where the window goes, from any size a player can reach.
#include "ui/WindowZoom.h"

#include <QTest>

using mirel::WindowZoom;

class WindowZoomTest : public QObject {
    Q_OBJECT

private slots:
    void theKeysStepOnceAndNeverTheWrongWay_data() {
        QTest::addColumn<double>("now");
        QTest::addColumn<int>("direction");
        QTest::addColumn<double>("largest"); // the largest factor the screen has room for
        QTest::addColumn<double>("to");
        QTest::newRow("up from 1") << 1.0 << 1 << 8.0 << 1.25;
        QTest::newRow("up from between steps") << 1.37 << 1 << 8.0 << 1.5;
        QTest::newRow("up from full screen, nothing larger fits") << 2.84 << 1 << 2.84 << 2.84;
        QTest::newRow("up from the largest step") << 8.0 << 1 << 10.0 << 8.0;
        QTest::newRow("down from full screen") << 2.84 << -1 << 2.84 << 2.5;
        QTest::newRow("down from maximized") << 2.81 << -1 << 2.84 << 2.5;
        QTest::newRow("down from a step") << 2.5 << -1 << 2.84 << 2.0;
        QTest::newRow("down from 1") << 1.0 << -1 << 8.0 << 1.0;
        QTest::newRow("down from just above 1") << 1.1 << -1 << 8.0 << 1.0;
        QTest::newRow("back to 1") << 5.68 << 0 << 5.68 << 1.0;
    }
    void theKeysStepOnceAndNeverTheWrongWay() {
        QFETCH(double, now);
        QFETCH(int, direction);
        QFETCH(double, largest);
        QFETCH(double, to);
        QCOMPARE(WindowZoom::nextStep(now, direction, [&](double f) { return f <= largest; }), to);
    }

    void theWindowGrowsAboutItsCentreAndStaysOnTheScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("to");
        QTest::newRow("in the middle") << QRect(600, 400, 700, 400) << QSize(900, 500)
                                       << QRect(500, 350, 900, 500);
        QTest::newRow("against the left and top") << QRect(0, 30, 700, 400) << QSize(900, 500)
                                                  << QRect(0, 30, 900, 500);
        QTest::newRow("against the right and bottom")
            << QRect(1220, 680, 700, 400) << QSize(900, 500) << QRect(1020, 580, 900, 500);
        QTest::newRow("full screen to smaller") << QRect(0, 0, 1920, 1080) << QSize(1706, 977)
                                                << QRect(107, 51, 1706, 977);
        QTest::newRow("larger than the room") << QRect(600, 400, 700, 400) << QSize(2000, 1200)
                                              << QRect(0, 30, 2000, 1200);
        QTest::newRow("smaller") << QRect(500, 350, 900, 500) << QSize(700, 400)
                                 << QRect(600, 400, 700, 400);
    }
    void theWindowGrowsAboutItsCentreAndStaysOnTheScreen() {
        QFETCH(QRect, frame);
        QFETCH(QSize, size);
        QFETCH(QRect, to);
        const QRect room(0, 30, 1920, 1050); // a screen with a panel above
        QCOMPARE(WindowZoom::centredWithin(frame, size, room), to);
    }
};

QTEST_APPLESS_MAIN(WindowZoomTest)
#include "WindowZoomTest.moc"
