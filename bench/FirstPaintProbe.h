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
// just before the program was started), the CPU time the process has used so far, every
// thread of it, and its peak resident memory; then quits. With MIREL_BENCH_SETTLE_MS, it reports
// that many milliseconds after the first paint instead, once what a program does after its
// window is up (the game with sound on loads its sound player) has been done as well.
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
            const char* settle = std::getenv("MIREL_BENCH_SETTLE_MS");
            QTimer::singleShot(settle ? std::atoi(settle) : 0, this, [] {
                const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count();
                const char* t0 = std::getenv("MIREL_BENCH_T0_NS");
                const double ms = t0 ? double(now - std::atoll(t0)) / 1e6 : -1.0;
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const double cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                                     double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
                std::printf("startup_ms=%.2f peak_kb=%ld cpu_ms=%.1f\n", ms, usage.ru_maxrss,
                            cpuMs);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen = false;
};
