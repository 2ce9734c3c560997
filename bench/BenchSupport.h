// A small timing harness for the benchmarks. Each benchmark compares one
// operation with a baseline measured in the same run, so that the machine's
// speed (and Wine's) cancels out of the ratio it prints.
//
// A round repeats the operation until at least 200 ms have passed; the time
// per operation is the median of 5 rounds. The rounds of the operation and of
// its baseline alternate, so that load from other work on the machine falls
// on both alike.
#pragma once
#include <windows.h>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace dorvane::bench {

inline constexpr double kMinRoundSeconds = 0.2;
inline constexpr int kRounds = 5;

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(Frequency());
    }

private:
    static std::int64_t Frequency() {
        static const std::int64_t frequency = [] {
            LARGE_INTEGER f;
            QueryPerformanceFrequency(&f);
            return f.QuadPart;
        }();
        return frequency;
    }
    LARGE_INTEGER start_;
};

// One round: op(i) with i counting from 0, in batches that grow so that the
// clock is read rarely, yet the round ends soon after minSeconds.
template <typename Op>
double RoundSecondsPerOp(Op& op, double minSeconds) {
    std::int64_t done = 0;
    std::int64_t batch = 1;
    const Stopwatch watch;
    for (;;) {
        for (std::int64_t i = 0; i < batch; ++i) op(done + i);
        done += batch;
        const double elapsed = watch.Seconds();
        if (elapsed >= minSeconds) return elapsed / static_cast<double>(done);
        const double perOp = elapsed / static_cast<double>(done);
        const auto remaining = static_cast<std::int64_t>((minSeconds - elapsed) / std::max(perOp, 1e-12)) + 1;
        batch = std::clamp<std::int64_t>(std::min(batch * 2, remaining), 1, std::int64_t{1} << 30);
    }
}

struct Comparison {
    double seconds = 0;          // per operation, median
    double baselineSeconds = 0;  // per operation, median
    double Ratio() const { return baselineSeconds > 0 ? seconds / baselineSeconds : 0; }
};

template <typename Op, typename Baseline>
Comparison Compare(Op&& op, Baseline&& baseline) {
    // One short untimed round each: caches, lazy initialisation, first faults.
    RoundSecondsPerOp(op, kMinRoundSeconds / 4);
    RoundSecondsPerOp(baseline, kMinRoundSeconds / 4);
    std::array<double, kRounds> subject{}, base{};
    for (int r = 0; r < kRounds; ++r) {
        subject[r] = RoundSecondsPerOp(op, kMinRoundSeconds);
        base[r] = RoundSecondsPerOp(baseline, kMinRoundSeconds);
    }
    std::sort(subject.begin(), subject.end());
    std::sort(base.begin(), base.end());
    return {subject[kRounds / 2], base[kRounds / 2]};
}

inline std::string FormatDuration(double seconds) {
    struct Unit {
        double scale;
        const char* name;
    };
    static constexpr Unit units[] = {{1e-9, "ns"}, {1e-6, "us"}, {1e-3, "ms"}, {1.0, "s"}};
    const Unit* unit = &units[0];
    for (const Unit& u : units)
        if (seconds >= u.scale) unit = &u;
    char text[32];
    std::snprintf(text, sizeof text, "%.3g %s", seconds / unit->scale, unit->name);
    return text;
}

// The one line a benchmark prints for each comparison.
inline void Report(const char* name, const Comparison& c) {
    std::printf("%s: %s per op, baseline %s per op, ratio %.2f\n", name, FormatDuration(c.seconds).c_str(),
                FormatDuration(c.baselineSeconds).c_str(), c.Ratio());
    std::fflush(stdout);
}

// The machine-readable row of a figure that scripts/run-bench gathers into
// the closing table: "TABLE|name|figure|baseline|ratio|goal". The goal is
// the highest ratio the figure may have; 0 prints "-" (a figure shown for
// comparison, without a goal).
inline void TableRowText(const char* name, const std::string& figure, const std::string& baseline, double ratio,
                         double goal) {
    char goal_text[16] = "-";
    if (goal > 0) std::snprintf(goal_text, sizeof goal_text, "%.2f", goal);
    std::printf("TABLE|%s|%s|%s|%.2f|%s\n", name, figure.c_str(), baseline.c_str(), ratio, goal_text);
    std::fflush(stdout);
}
inline void TableRow(const char* name, double seconds, double baselineSeconds, double goal) {
    TableRowText(name, FormatDuration(seconds), FormatDuration(baselineSeconds),
                 baselineSeconds > 0 ? seconds / baselineSeconds : 0, goal);
}

// The one line a benchmark prints for each comparison, and its table row.
inline void Report(const char* name, const Comparison& c, double goal) {
    Report(name, c);
    TableRow(name, c.seconds, c.baselineSeconds, goal);
}

// Keeps the compiler from dropping work whose result is otherwise unused.
inline void Consume(std::uint64_t value) {
    static volatile std::uint64_t sink;
    sink = sink + value;
}

}  // namespace dorvane::bench
