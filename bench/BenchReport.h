#pragma once

// What every benchmark program prints: one line per measurement, tab-separated, for
// scripts/bench.sh to gather into its table:
//     <key> <median> <unit> <runs> <p95> <what was measured>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace mirel::bench {

using Clock = std::chrono::steady_clock;

inline double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

inline void report(const std::string& key, const std::string& what, std::vector<double> samples,
                   const char* unit = "us") {
    std::sort(samples.begin(), samples.end());
    const double median = samples.empty() ? 0.0 : samples[samples.size() / 2];
    const double p95 = samples.empty() ? 0.0 : samples[samples.size() * 95 / 100];
    std::printf("%s\t%.3f\t%s\t%zu\t%.3f\t%s\n", key.c_str(), median, unit, samples.size(), p95,
                what.c_str());
    std::fflush(stdout);
}

// Times `runs` samples of `perSample` calls each (so that calls far shorter than the clock's
// resolution are timed well); `prepare` runs before every call and is not timed. Reports
// microseconds per call.
inline void timeCalls(const std::string& key, const std::string& what, int runs, int perSample,
                      const std::function<void(int)>& prepare,
                      const std::function<void(int)>& call) {
    std::vector<double> samples;
    samples.reserve(std::size_t(runs));
    for (int run = 0; run < runs; ++run) {
        double total = 0;
        for (int i = 0; i < perSample; ++i) {
            if (prepare) prepare(i);
            const auto start = Clock::now();
            call(i);
            total += microseconds(Clock::now() - start);
        }
        samples.push_back(total / perSample);
    }
    report(key, what, std::move(samples));
}

// CPU time of the whole process, every thread of it, in milliseconds.
inline double processCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace mirel::bench
