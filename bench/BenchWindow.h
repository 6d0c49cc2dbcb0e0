#pragma once

// The main window as the window benchmarks drive it: boards dealt by script, presses that
// come in through the platform's own input path, and the time from a press to the moment
// the repainted board has reached the display.

#include "BenchReport.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedRandom.h"
#include "ui/Twips.h"
#include "support/frmMainInside.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWindow>

namespace mirel::bench {

// Notes when any of the watched boxes paints.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(std::initializer_list<QWidget*> watched) {
        for (QWidget* widget : watched)
            widget->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

struct BenchWindow {
    BenchWindow(TickClock& clock, SoundPlayer& sound)
        : store(fullTable()), window(clock, random, sound, store) {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        settle();
    }

    // Scripts a deal of `grid` and clicks New, and lets the new board reach the screen.
    void deal(const Grid& grid) {
        random.script.clear();
        random.draws = 0;
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                random.append((float(grid[r][c] - 1) + 0.5f) / float(window.board.KindLimit + 1));
        random.append({0.5f, 0.5f});
        window.pctNew_Click();
        settle();
    }

    void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QGuiApplication::sync();
    }

    // A left press on the cell through the window system's input path, timed until the board
    // (or the Game Over picture that ends the game) has been repainted and the display has
    // everything. Microseconds.
    double pressAndRepaint(Cell cell) {
        const QPoint onBoard(toPixels(window.board.CellX[cell.row][cell.col]) + 16,
                             toPixels(window.board.CellY[cell.row][cell.col]) + 16);
        const QPoint inWindow = window.pctBoard->mapTo(&window, onBoard);
        spy.painted = false;
        const auto start = Clock::now();
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, inWindow);
        while (!spy.painted)
            QCoreApplication::processEvents();
        QGuiApplication::sync();
        const double took = microseconds(Clock::now() - start);
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, inWindow);
        settle();
        return took;
    }

    // No game here reaches the table, so the end of a game opens no window: the table is
    // read from the store again before a score is ranked.
    static testing::MemorySettingsStore fullTable() {
        testing::MemorySettingsStore full;
        for (int r = 1; r <= TableSize; ++r)
            full.values["HighScore" + std::to_string(r)] = "1000";
        return full;
    }

    testing::ScriptedRandom random;
    testing::MemorySettingsStore store;
    testing::frmMainInside window;
    PaintSpy spy{window.pctBoard, window.pctGameOver};
};

} // namespace mirel::bench
