// The stand-in Sound control panel as a test sees it: the log the panels
// started meanwhile write (through the environment they inherit), the
// panel's process, and its windows.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "TempFolder.h"

namespace dorvane::test {

// An environment variable of this process, and so of the programs it starts,
// for one scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string old_;
    bool had_ = false;
};

class SoundPanelLog {
public:
    SoundPanelLog();
    // The lines so far, each panel's process id shown as "*".
    std::vector<std::string> Lines() const;
    // Pumps this thread's messages until `count` lines are there; the lines.
    std::vector<std::string> WaitForLines(size_t count, DWORD timeout_ms = 15000) const;
    // The process id of the n-th panel shown; 0 when there is none.
    DWORD Panel(size_t n = 0) const;
    // The desktop the n-th panel was shown on.
    std::string Desktop(size_t n = 0) const;

private:
    std::vector<std::string> RawLines() const;
    // The n-th "shown" line.
    std::string Shown(size_t n) const;
    TempFolder folder_;
    std::string path_;
    ScopedEnvironment variable_;
};

// Whether the process has ended (or is gone), waiting up to timeout_ms.
bool ProcessEnded(DWORD process, DWORD timeout_ms = 5000);
// The stand-in panel's installed copy, where rundll32 finds it.
bool SoundPanelInstalled();
// Top-level dialogs of that process on the named desktop.
int DialogsOn(const std::string& desktop, DWORD process);

}  // namespace dorvane::test
