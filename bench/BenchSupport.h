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
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// What a benchmark measured of one side of a row: a value per round (a time,
// a byte count), and how many rounds it set out to take. The row's figure is
// the median.
struct Samples {
    std::vector<double> values;
    std::size_t wanted = 1;

    Samples() = default;
    Samples(std::vector<double> taken, std::size_t asked) : values(std::move(taken)), wanted(asked) {}
    // One value that is the whole measurement.
    static Samples One(double value) { return Samples({value}, 1); }
    double Median() const {
        if (values.empty()) return 0;
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

// Why a row's figures cannot stand, or nothing when they can. Every row goes
// through here before it is printed: a measurement that failed must never
// pass as a figure, let alone as a goal met. A time, a byte count or a CPU
// time is never 0 or below; one below 0 is an effect dated before its
// cause (a sound before the call that plays it).
inline std::optional<std::string> Unmeasured(const Samples& figure, const Samples& baseline) {
    auto check = [](const Samples& samples, const char* side) -> std::optional<std::string> {
        char text[96];
        if (samples.values.size() < samples.wanted) {
            std::snprintf(text, sizeof text, "%sonly %zu of %zu samples", side, samples.values.size(), samples.wanted);
            return text;
        }
        for (double value : samples.values) {
            if (std::isnan(value)) {
                std::snprintf(text, sizeof text, "%sa reading that is no number", side);
                return text;
            }
            if (value < 0) {
                std::snprintf(text, sizeof text, "%sa reading of %.3g: the effect before its cause", side, value);
                return text;
            }
            if (value == 0) {
                std::snprintf(text, sizeof text, "%sa reading of 0", side);
                return text;
            }
        }
        return std::nullopt;
    };
    if (auto why = check(figure, "")) return why;
    return check(baseline, "baseline: ");
}

// A comparison of an operation with its baseline: seconds per operation,
// one value for each timed round.
struct Comparison {
    Samples subject, baseline;
    double Seconds() const { return subject.Median(); }
    double BaselineSeconds() const { return baseline.Median(); }
    double Ratio() const { return BaselineSeconds() > 0 ? Seconds() / BaselineSeconds() : 0; }
};

template <typename Op, typename Baseline>
Comparison Compare(Op&& op, Baseline&& baseline) {
    // One short untimed round each: caches, lazy initialisation, first faults.
    RoundSecondsPerOp(op, kMinRoundSeconds / 4);
    RoundSecondsPerOp(baseline, kMinRoundSeconds / 4);
    Comparison c{Samples({}, kRounds), Samples({}, kRounds)};
    for (int r = 0; r < kRounds; ++r) {
        c.subject.values.push_back(RoundSecondsPerOp(op, kMinRoundSeconds));
        c.baseline.values.push_back(RoundSecondsPerOp(baseline, kMinRoundSeconds));
    }
    return c;
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

inline std::string FormatMib(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", bytes / (1024.0 * 1024.0));
    return text;
}

// The one line a benchmark prints for each comparison.
inline void Report(const char* name, const Comparison& c) {
    if (const auto why = Unmeasured(c.subject, c.baseline)) {
        std::printf("%s: not measured (%s)\n", name, why->c_str());
    } else {
        std::printf("%s: %s per op, baseline %s per op, ratio %.2f\n", name, FormatDuration(c.Seconds()).c_str(),
                    FormatDuration(c.BaselineSeconds()).c_str(), c.Ratio());
    }
    std::fflush(stdout);
}

// The machine-readable row of a figure that scripts/run-bench gathers into
// the closing table: "TABLE|name|figure|baseline|ratio|goal|note". The goal
// is the highest ratio the figure may have; 0 prints "-" (a figure shown for
// comparison, without a goal). The note is empty for a figure that stands,
// and "not measured: " and the reason for one that does not; such a row
// fails the run.
inline void TableRow(const char* name, const Samples& figure, const Samples& baseline, double goal,
                     std::string (*format)(double) = FormatDuration) {
    char goal_text[16] = "-";
    if (goal > 0) std::snprintf(goal_text, sizeof goal_text, "%.2f", goal);
    if (const auto why = Unmeasured(figure, baseline)) {
        std::printf("TABLE|%s|-|-|-|%s|not measured: %s\n", name, goal_text, why->c_str());
    } else {
        std::printf("TABLE|%s|%s|%s|%.2f|%s|\n", name, format(figure.Median()).c_str(),
                    format(baseline.Median()).c_str(), figure.Median() / baseline.Median(), goal_text);
    }
    std::fflush(stdout);
}

// The one line a benchmark prints for each comparison, and its table row.
inline void Report(const char* name, const Comparison& c, double goal) {
    Report(name, c);
    TableRow(name, c.subject, c.baseline, goal);
}

// Keeps the compiler from dropping work whose result is otherwise unused.
inline void Consume(std::uint64_t value) {
    static volatile std::uint64_t sink;
    sink = sink + value;
}

}  // namespace dorvane::bench
