#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

// Reports, once the window has painted for the first time, how long that took from the moment
// the launching script recorded in MIREL_BENCH_T0_NS (nanoseconds of the real-time clock, taken
// just before the program was started), and the peak resident memory so far; then quits.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            // Runs once this paint has been drawn and put on the screen.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count();
                const char* t0 = std::getenv("MIREL_BENCH_T0_NS");
                const double ms = t0 ? double(now - std::atoll(t0)) / 1e6 : -1.0;
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("startup_ms=%.2f peak_kb=%ld\n", ms, usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen = false;
};
