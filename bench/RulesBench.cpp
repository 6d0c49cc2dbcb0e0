// The rules alone, without a window: the slowest click the rules can be given, the move test,
// a deal, an explosion, each timed shift and the search for a group the shifts bring back,
// per call.
#include "BenchBoards.h"
#include "BenchReport.h"
#include "board/ClickResolution.h"
#include "board/Deal.h"
#include "core/RealRandom.h"
#include "hazards/Explosion.h"
#include "hazards/Mines.h"
#include "hazards/Press.h"
#include "hazards/ShiftSchedule.h"
#include "hazards/Shifts.h"
#include "hazards/Undo.h"

#include <array>
#include <cstdio>

using namespace mirel;
using namespace mirel::bench;

namespace {

volatile long checksum = 0; // keeps the work from being optimised away

// Counts instead of painting, so that no call is optimised away.
struct CountingPainter final : BoardPainter {
    void paintCell(std::int16_t, std::int16_t, std::int16_t kind) override { sum += kind; }
    void pieceTakenOut() override { ++sum; }
    long sum = 0;
};

} // namespace

int main() {
    constexpr int Runs = 2000;
    constexpr int PerSample = 20;
    CountingPainter painter;
    std::array<BoardModel, PerSample> boards{};
    ShiftClock shifts;
    long found = 0;

    double worst = 0;
    std::string worstName;
    for (const BenchBoard& start : hardestClicks()) {
        std::vector<double> samples;
        for (int run = 0; run < Runs; ++run) {
            for (BoardModel& board : boards)
                board.BoardPieces = start.pieces;
            double total = 0;
            for (BoardModel& board : boards) {
                const auto begin = Clock::now();
                (void)resolvePress(board, shifts, start.click, 1000, painter);
                total += microseconds(Clock::now() - begin);
            }
            samples.push_back(total / PerSample);
        }
        std::sort(samples.begin(), samples.end());
        if (samples[samples.size() / 2] > worst) {
            worst = samples[samples.size() / 2];
            worstName = start.name;
        }
        report("resolve-rules: " + start.name, "a press on " + start.name + " (resolvePress, the window's rules)", samples);
    }
    std::printf("resolve-rules-worst\t%.3f\tus\t%d\t%.3f\t%s\n", worst, Runs, worst,
                worstName.c_str());

    const Grid noMove = checkerboard();
    timeCalls("moves-left", "MovesLeft on a full board with no move (a scan to the end)", Runs,
              PerSample, nullptr, [&](int) { found += MovesLeft(noMove) ? 1 : 0; });

    RealRandom random(12345);
    BoardModel dealt;
    timeCalls("deal", "dealing a board of 150 (150 draws, the cell places)", Runs, PerSample,
              nullptr, [&](int) { dealBoard(dealt, random, painter); });

    std::array<Grid, PerSample> grids{};
    const Grid full = allButAPair();
    timeCalls(
        "explosion", "a mine in the middle: the 3 x 3 block destroyed, the fall, the closing", Runs,
        PerSample, [&](int i) { grids[std::size_t(i)] = full; },
        [&](int i) {
            destroyArea(grids[std::size_t(i)], blastArea({5, 8}), painter);
        });
    timeCalls(
        "row-shift", "a row shift of a full board (every pile turned over by one)", Runs, PerSample,
        [&](int i) { grids[std::size_t(i)] = dealt.BoardPieces; },
        [&](int i) { rowShift(grids[std::size_t(i)], painter); });
    timeCalls(
        "column-shift", "a column shift of a full board (15 columns turned over by one)", Runs,
        PerSample, [&](int i) { grids[std::size_t(i)] = dealt.BoardPieces; },
        [&](int i) { columnShift(grids[std::size_t(i)], painter); });

    // Each call tries every board the shifts reach, so a call is timed on its own.
    const Grid stuck = noShiftRepairs();
    timeCalls("shifts-no-repair",
              "shiftsCanBringAGroup, both shifts on, on 37 800 boards none with a group", 30, 1,
              nullptr, [&](int) { found += shiftsCanBringAGroup(stuck, true, true) ? 1 : 0; });

    checksum = painter.sum + found;
    return 0;
}
