// How long the game's hot paths take: the removal of the largest possible group, the test for
// a remaining move on a board without one, and a press on the board through to the repainted
// board in the window. Prints one line per measurement (microseconds per call).
#include "board/ClickResolution.h"
#include "sound/SilentSoundPlayer.h"
#include "support/ManualClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedRandom.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace mirel;
using Clock = std::chrono::steady_clock;

namespace {

struct NoPainting final : BoardPainter {
    void paintCell(std::int16_t, std::int16_t, std::int16_t kind) override { sum += kind; }
    long sum = 0;
};

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void report(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double p95 = samples[samples.size() * 95 / 100];
    std::printf("%-48s median %9.2f us   p95 %9.2f us   (%zu runs)\n", what, median, p95,
                samples.size());
}

Grid wholeBoardOf(std::int16_t kind) {
    Grid grid{};
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            grid[r][c] = kind;
    return grid;
}

Grid checkerboard() {
    Grid grid{};
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            grid[r][c] = std::int16_t(1 + (r + c) % 2);
    return grid;
}

// Scripts a deal of `grid` and clicks New.
void deal(frmMain& window, testing::ScriptedRandom& random, const Grid& grid) {
    random.script.clear();
    random.draws = 0;
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            random.append((float(grid[r][c] - 1) + 0.5f) / 6.0f);
    random.append({0.5f, 0.5f});
    window.pctNew_Click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    long sink = 0;

    { // The rules alone: one group of all 150 pieces.
        std::vector<double> samples;
        const Grid full = wholeBoardOf(1);
        for (int run = 0; run < 2000; ++run) {
            Grid pieces = full;
            NoPainting painter;
            const auto start = Clock::now();
            const Group group = findGroup(pieces, {1, 1});
            Marks marks = marksOf(group);
            takeOutMarked(pieces, marks, painter);
            closeEmptyColumns(pieces, painter);
            const bool more = MovesLeft(pieces);
            samples.push_back(microseconds(Clock::now() - start));
            sink += painter.sum + group.size + (more ? 1 : 0);
        }
        report("rules: remove a group of 150 (no painting)", samples);
    }
    { // MovesLeft scanning a board with no move to the end.
        std::vector<double> samples;
        const Grid board = checkerboard();
        for (int run = 0; run < 2000; ++run) {
            const auto start = Clock::now();
            for (int i = 0; i < 100; ++i)
                sink += MovesLeft(board) ? 1 : 0;
            samples.push_back(microseconds(Clock::now() - start) / 100);
        }
        report("MovesLeft on a full board with no move", samples);
    }

    testing::ManualClock clock;
    testing::ScriptedRandom random;
    SilentSoundPlayer sound;
    testing::MemorySettingsStore store;
    frmMain window(clock, random, sound, store);
    for (int r = 1; r <= TableSize; ++r)
        window.table.HighScores[r] = 1000; // no game here reaches the table
    window.show();
    while (!window.isVisible())
        app.processEvents();

    { // The window's ResolveClick: painting, bleeps and the end of the game included.
        std::vector<double> samples;
        for (int run = 0; run < 300; ++run) {
            deal(window, random, wholeBoardOf(3));
            const auto start = Clock::now();
            window.ResolveClick(5, 5);
            samples.push_back(microseconds(Clock::now() - start));
        }
        report("ResolveClick: a group of 150, with painting", samples);
    }

    // A real press on the board, through the event system to the repainted board.
    bool painted = false;
    struct PaintSpy final : QObject {
        bool* painted;
        explicit PaintSpy(bool* p) : painted(p) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) *painted = true;
            return false;
        }
    } spy(&painted);
    window.pctBoard->installEventFilter(&spy);

    const auto pressAndRepaint = [&](const char* what, const Grid& grid, Cell cell) {
        std::vector<double> samples;
        for (int run = 0; run < 300; ++run) {
            deal(window, random, grid);
            // Let the new deal reach the screen first.
            QCoreApplication::sendPostedEvents();
            app.processEvents();
            painted = false;
            const QPointF at(toPixels(window.board.CellX[cell.row][cell.col]) + 16,
                             toPixels(window.board.CellY[cell.row][cell.col]) + 16);
            QMouseEvent press(QEvent::MouseButtonPress, at, window.pctBoard->mapToGlobal(at),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            const auto start = Clock::now();
            QApplication::sendEvent(window.pctBoard, &press);
            while (!painted)
                app.processEvents();
            samples.push_back(microseconds(Clock::now() - start));
        }
        report(what, samples);
    };
    Grid pair = checkerboard();
    pair[10][1] = pair[10][2] = 5;
    pair[1][14] = pair[1][15] = 6; // keeps the game going
    pressAndRepaint("press to repainted board: a pair", pair, {10, 1});
    Grid column = checkerboard();
    for (int r = 1; r <= RowCount; ++r)
        column[r][1] = 4;
    column[1][14] = column[1][15] = 6;
    pressAndRepaint("press to repainted board: a column closes", column, {10, 1});

    std::printf("(platform %s; checksum %ld)\n", qPrintable(QGuiApplication::platformName()), sink);
    return 0;
}
