// Starting another program: what the start asks for, and the started
// process. Shared by the shell seam and the default-device worker, which
// keeps the process to end it again.
#pragma once
#include <windows.h>
#include <string>
#include "controls/Handles.h"

namespace dorvane {

struct TProcessStart {
    std::string CommandLine;
    std::string CurrentFolder;  // empty: the starter's own
    std::string Desktop;        // empty: the starter's own
    DWORD CreationFlags = 0;
    bool InheritHandles = false;
    // The start-up information's flags, show state and position.
    DWORD StartupFlags = 0;
    WORD ShowWindow = SW_SHOWDEFAULT;
    DWORD X = 0;
    DWORD Y = 0;

    bool operator==(const TProcessStart& o) const {
        return CommandLine == o.CommandLine && CurrentFolder == o.CurrentFolder && Desktop == o.Desktop &&
               CreationFlags == o.CreationFlags && InheritHandles == o.InheritHandles &&
               StartupFlags == o.StartupFlags && ShowWindow == o.ShowWindow && X == o.X && Y == o.Y;
    }
};

struct TStartedProcess {
    KernelHandle Process;
    DWORD Id = 0;
    explicit operator bool() const { return static_cast<bool>(Process); }
};

// CreateProcessA with no application name, default security and the
// starter's environment; an empty result when the start failed.
TStartedProcess StartProcess(const TProcessStart& start);

}  // namespace dorvane
