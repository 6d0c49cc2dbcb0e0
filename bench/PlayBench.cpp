// The window's hot paths, with painting, on the platform it is started on (a real X server,
// or Qt's offscreen one): one full repaint of the board, ResolveClick on the boards that
// repaint every cell, a deal, an explosion and each shift with their pauses and sounds left
// out, and a press through to the repainted board.
#include "BenchBoards.h"
#include "BenchReport.h"
#include "BenchWindow.h"
#include "hazards/Mines.h"
#include "sound/SilentSoundPlayer.h"
#include "support/ManualClock.h"

#include <sys/resource.h>
#include <tuple>

#include <QApplication>

using namespace mirel;
using namespace mirel::bench;

namespace {

constexpr int Runs = 300;

// Times `act` once per run, each run on a fresh deal of `grid`.
void timeOnFreshDeals(BenchWindow& bench, const std::string& key, const std::string& what,
                      const Grid& grid, const std::function<void()>& prepare,
                      const std::function<void()>& act) {
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        bench.deal(grid);
        if (prepare) prepare();
        const auto start = Clock::now();
        act();
        samples.push_back(microseconds(Clock::now() - start));
        bench.settle();
    }
    report(key, what, std::move(samples));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string platform = QGuiApplication::platformName().toStdString();
    testing::ManualClock clock; // the pauses pass at once
    SilentSoundPlayer sound;
    BenchWindow bench(clock, sound);
    testing::frmMainInside& w = bench.window;

    // Offscreen only the presses are wanted: the rest is the same work on another surface.
    const bool pressesOnly = qEnvironmentVariableIsSet("MIREL_BENCH_PRESSES_ONLY");

    if (!pressesOnly) {
        bench.deal(allButAPair());
        std::vector<double> samples;
        for (int run = 0; run < Runs; ++run) {
            const auto start = Clock::now();
            for (std::int16_t r = 1; r <= RowCount; ++r)
                for (std::int16_t c = 1; c <= ColumnCount; ++c)
                    w.pctBoard->paintPicture(w.pctPiece[w.board.BoardPieces[r][c]],
                                             w.board.CellX[r][c], w.board.CellY[r][c]);
            w.pctBoard->refresh();
            samples.push_back(microseconds(Clock::now() - start));
            bench.settle();
        }
        report("full-repaint", "one full repaint of the board: all 150 cells painted once",
               std::move(samples));

        timeOnFreshDeals(bench, "resolve-paint-148",
                         "ResolveClick with painting, a group of 148: every cell changes, the game "
                         "goes on",
                         allButAPair(), nullptr, [&] { w.ResolveClick(10, 1); });
        timeOnFreshDeals(bench, "resolve-paint-150",
                         "ResolveClick with painting, a group of 150: the game ends (Game Over "
                         "shown)",
                         wholeBoardOf(1), nullptr, [&] { w.ResolveClick(5, 5); });

        samples.clear();
        for (int run = 0; run < Runs; ++run) {
            bench.deal(checkerboard());
            bench.random.script.clear();
            bench.random.draws = 0;
            for (int i = 0; i < CellCount; ++i)
                bench.random.append(float(i % 6) / 6.0f + 0.01f);
            bench.random.append({0.5f, 0.5f});
            const auto start = Clock::now();
            w.pctNew_Click();
            samples.push_back(microseconds(Clock::now() - start));
            bench.settle();
        }
        report("deal-window", "a deal in the window: New clicked, 150 cells dealt and painted",
               std::move(samples));

        timeOnFreshDeals(
            bench, "explosion-window",
            "an explosion in the window, its pauses and sounds left out: mine and fire shown, the "
            "block destroyed, the board repainted",
            allButAPair(), [&] { w.board.BoardMines[5][8] = FlagTrue; },
            [&] { w.ResolveClick(5, 8); });

        Grid mixed{};
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                mixed[r][c] = std::int16_t(1 + (r * 7 + c * 3) % 5);
        const auto shiftDue = [&] { w.shifts.LastEventTick = clock.now(); };
        timeOnFreshDeals(bench, "row-shift-window",
                         "a row shift in the window, its sounds left out: every pile turned, the "
                         "board repainted",
                         mixed, shiftDue, [&] { w.RunShiftEvent(RowShift); });
        timeOnFreshDeals(
            bench, "column-shift-window",
            "a column shift in the window, its sounds left out: 15 columns turned, the "
            "board repainted",
            mixed, shiftDue, [&] { w.RunShiftEvent(ColumnShift); });
    }

    const auto presses = [&](const std::string& key, const std::string& what, const Grid& grid,
                             Cell cell) {
        std::vector<double> taken;
        for (int run = 0; run < Runs; ++run) {
            bench.deal(grid);
            taken.push_back(bench.pressAndRepaint(cell));
        }
        report("press-" + platform + "-" + key,
               "a press to the repainted board (" + platform + "): " + what, std::move(taken));
    };
    Grid pair = checkerboard();
    pair[10][1] = pair[10][2] = 5;
    pair[1][14] = pair[1][15] = 6; // keeps the game going
    presses("pair", "a pair", pair, {10, 1});
    Grid column = checkerboard();
    for (int r = 1; r <= RowCount; ++r)
        column[r][1] = 4;
    column[1][14] = column[1][15] = 6;
    presses("column", "a column that closes", column, {10, 1});
    presses("148", "a group of 148, every cell changes", allButAPair(), {10, 1});

    return 0;
}
