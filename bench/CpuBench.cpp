// The game with its real clock and its real sound player, through whatever audio server the
// environment names (scripts/bench.sh starts a private one with a null sink): the CPU it
// uses while idle with Timer1 running and during an explosion's pauses, and a press on a
// group of 150 with the sound on through to the repainted board.
#include "BenchBoards.h"
#include "BenchReport.h"
#include "BenchWindow.h"
#include "core/SteadyTickClock.h"
#include "hazards/Mines.h"
#include "sound/QtSoundPlayer.h"
#include "sound/SoundFiles.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <sys/resource.h>

using namespace mirel;
using namespace mirel::bench;

namespace {

double threadCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double wallMs(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Runs the event loop, as the idle game does, for `ms` milliseconds.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int envInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SteadyTickClock clock;
    QtSoundPlayer sound;
    BenchWindow bench(clock, sound);
    testing::frmMainInside& w = bench.window;
    // A first run starts with the sound off.
    if (!w.pctSound->shows(w.pictures.pctSoundOn)) w.pctSound_Click();

    // A press on the whole board: 150 bleeps started, the game ended, Game Over shown.
    const int presses = envInt("MIREL_BENCH_PRESSES", 30);
    bench.deal(wholeBoardOf(2));
    (void)bench.pressAndRepaint({5, 5}); // the first sound opens the stream to the server
    runFor(300);
    std::vector<double> samples;
    for (int run = 0; run < presses; ++run) {
        bench.deal(wholeBoardOf(2));
        samples.push_back(bench.pressAndRepaint({5, 5}) / 1000.0);
        runFor(100); // the bleep plays on meanwhile
    }
    report("press-150-sound", "a press on a group of 150, sound on, through the audio server",
           std::move(samples), "ms");

    // Idle: a game in play, no shift switched on, Timer1 ticking once a second.
    const int idleWindows = envInt("MIREL_BENCH_IDLE_WINDOWS", 4);
    const int idleMs = envInt("MIREL_BENCH_IDLE_MS", 5000);
    Grid pair = checkerboard();
    pair[10][1] = pair[10][2] = 5;
    bench.deal(pair);
    runFor(1000);
    samples.clear();
    for (int i = 0; i < idleWindows; ++i) {
        const double cpu = processCpuMs();
        const auto start = Clock::now();
        runFor(idleMs);
        samples.push_back(100.0 * (processCpuMs() - cpu) / wallMs(start));
    }
    report("idle-cpu",
           "CPU of the idle game, a game in play and Timer1 ticking, over " +
               std::to_string(idleMs / 1000) + " s windows",
           std::move(samples), "%");

    // Explosions, with the sound on and then off. The pauses sleep; with the sound on the
    // sound's own thread feeds the server while it plays.
    const int explosions = envInt("MIREL_BENCH_EXPLOSIONS", 3);
    for (const bool on : {true, false}) {
        if (w.pctSound->shows(w.pictures.pctSoundOn) != on) w.pctSound_Click();
        std::vector<double> process, mainThread, wall;
        for (int run = 0; run < explosions; ++run) {
            bench.deal(allButAPair());
            w.board.BoardMines[5][8] = FlagTrue;
            runFor(200);
            const double cpu = processCpuMs();
            const double own = threadCpuMs();
            const auto start = Clock::now();
            w.ResolveClick(5, 8);
            const double took = wallMs(start);
            wall.push_back(took);
            process.push_back(100.0 * (processCpuMs() - cpu) / took);
            mainThread.push_back(100.0 * (threadCpuMs() - own) / took);
            runFor(300);
        }
        const std::string sound = on ? "sound on" : "sound off";
        const std::string key = on ? "explosion-sound-on" : "explosion-sound-off";
        report(key + "-wall", "an explosion, " + sound + ": how long it holds the window", wall,
               "ms");
        report(key + "-cpu", "CPU of the whole game during an explosion, " + sound, process, "%");
        report(key + "-cpu-ui",
               "CPU of the window's thread during an explosion (its pauses), " + sound, mainThread,
               "%");
    }

    // The player alone, through the same server: how far past its length a waited play
    // returns, what 150 quick starts cost, and how long closing a player takes while a sound
    // plays (the figures the tests report but do not bound).
    const std::string here = QDir(QCoreApplication::applicationDirPath()).path().toStdString();
    for (const char* name : GameSoundFiles) {
        const std::string path = here + "/" + name;
        const auto clip = readSoundFile(path);
        const double length = clip ? std::chrono::duration<double, std::milli>(clip->length()).count() : 0;
        std::vector<double> late;
        for (int i = 0; i < 5; ++i) {
            const auto start = Clock::now();
            sound.play(path, SoundWait);
            late.push_back(wallMs(start) - length);
        }
        report(std::string("sound-waited-late-") + name,
               std::string("a waited play of ") + name + ": ms past its length", late, "ms");
    }
    std::vector<double> starts, closes;
    for (int i = 0; i < 10; ++i) {
        const auto start = Clock::now();
        for (int n = 0; n < 150; ++n)
            sound.play(here + "/" + BleepSound, SoundAsync);
        starts.push_back(wallMs(start));
        const auto closing = [&] {
            QtSoundPlayer another;
            another.play(here + "/" + ExplodeSound, SoundAsync);
            runFor(100);
            return Clock::now();
        }();
        closes.push_back(wallMs(closing));
    }
    report("sound-150-starts", "150 quick starts of the bleep on the caller's thread", starts, "ms");
    report("sound-close-playing", "closing a player while it plays the explosion", closes, "ms");
    return 0;
}
