// Resize to crisp, as a player sees it: runs a command that changes the game's window (a
// resize, full screen) and watches small areas of the screen every 2 ms, from just before the
// command to the last change they show. Prints that time, and the first change's, in ms.
//     mirel-bench-crisp x,y,w,h [x,y,w,h ...] -- command [args...]
// It stops once the areas have not changed for 3 s (or after 30 s), so a drawing that comes
// later than that is missed: the figure is then a floor, which the caller sees from the gap.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>

#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::vector<QRect> areas;
    int i = 1;
    for (; i < argc && std::string(argv[i]) != "--"; ++i) {
        int x, y, w, h;
        if (std::sscanf(argv[i], "%d,%d,%d,%d", &x, &y, &w, &h) != 4) return 2;
        areas.emplace_back(x, y, w, h);
    }
    if (i + 1 >= argc || areas.empty()) {
        std::fprintf(stderr, "usage: mirel-bench-crisp x,y,w,h... -- command...\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto grab = [&] {
        std::vector<QImage> shots;
        for (const QRect& r : areas)
            shots.push_back(screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage());
        return shots;
    };
    std::vector<QImage> last = grab();
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    if (fork() == 0) {
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    Clock::time_point first{}, latest{};
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const auto now = Clock::now();
        std::vector<QImage> shots = grab();
        if (shots != last) {
            if (first == Clock::time_point{}) first = now;
            latest = now;
            last = std::move(shots);
        }
        const auto quiet = now - (latest == Clock::time_point{} ? start : latest);
        if (quiet > std::chrono::seconds(3) || now - start > std::chrono::seconds(30)) break;
    }
    const auto ms = [&](Clock::time_point t) {
        return t == Clock::time_point{} ? -1.0
                                        : std::chrono::duration<double, std::milli>(t - start).count();
    };
    std::printf("last_change_ms=%.1f first_change_ms=%.1f\n", ms(latest), ms(first));
    return 0;
}
