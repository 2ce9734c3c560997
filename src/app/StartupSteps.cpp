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
    ULONGLONG time;  // 100 ns units, as FILETIME
};

// Enough for the process entry and one construction; a test process that
// builds many forms keeps only the first marks.
constexpr size_t kMostMarks = 64;

std::vector<Mark>& Marks() {
    static std::vector<Mark> marks = [] {
        std::vector<Mark> reserved;
        reserved.reserve(kMostMarks);
        return reserved;
    }();
    return marks;
}

ULONGLONG Now() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

ULONGLONG ProcessCreated() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

void MarkStartupStep(const char* step) {
    auto& marks = Marks();
    if (marks.size() < kMostMarks) marks.push_back({step, Now()});
}

void ReportStartupSteps() {
    static bool reported = false;
    if (reported) return;
    reported = true;
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("DORVANE_STARTUP_STEPS", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    const ULONGLONG created = ProcessCreated();
    std::string text;
    char line[160];
    for (const Mark& mark : Marks()) {
        const double ms = mark.time > created ? static_cast<double>(mark.time - created) / 1e4 : 0.0;
        std::snprintf(line, sizeof line, "%.2f %s\n", ms, mark.step);
        text += line;
    }
    WriteFileBytes(path, text, false);
}

}  // namespace dorvane
