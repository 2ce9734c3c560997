#include "app/StartupSteps.h"
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "settings/ProgramFiles.h"

namespace dorvane {
namespace {

struct Mark {
    const char* step;
    LONGLONG ticks;  // the performance counter
};

// Enough for the process entry and one construction; a test process that
// builds many forms keeps only the first marks.
constexpr size_t kMostMarks = 64;

std::vector<Mark>& Marks() {
    static std::vector<Mark> marks;
    return marks;
}

LONGLONG Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

ULONGLONG AsNumber(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The first mark's distance from the process's creation, in milliseconds,
// by the system clock (every system has it; its grain is what it is); the
// marks after it are timed by the performance counter.
double g_first_mark_ms = 0;

double MsSinceCreated() {
    FILETIME now, created, exited, kernel, user;
    GetSystemTimeAsFileTime(&now);
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const ULONGLONG a = AsNumber(now), b = AsNumber(created);
    return a > b ? static_cast<double>(a - b) / 1e4 : 0.0;
}

}  // namespace

void MarkStartupStep(const char* step) {
    auto& marks = Marks();
    if (marks.empty()) g_first_mark_ms = MsSinceCreated();
    if (marks.size() < kMostMarks) marks.push_back({step, Ticks()});
}

void ReportStartupSteps() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("DORVANE_STARTUP_STEPS", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const auto& marks = Marks();
    std::string text;
    char line[160];
    for (const Mark& mark : marks) {
        const double ms = g_first_mark_ms + static_cast<double>(mark.ticks - marks.front().ticks) * 1000.0 /
                                                static_cast<double>(frequency.QuadPart);
        std::snprintf(line, sizeof line, "%.2f %s\n", ms, mark.step);
        text += line;
    }
    WriteFileBytes(path, text, false);
}

}  // namespace dorvane
