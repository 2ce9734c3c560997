// The shell: an address or a document handed to whatever handles it, and
// programs started. One small interface, so that unit tests can record what
// would have opened or started.
#pragma once
#include <windows.h>
#include <string>
#include "controls/ProcessStart.h"

namespace dorvane {

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecute with the verb "open", no parameters and no working
    // folder; the result is not examined.
    virtual void Open(HWND owner, const std::string& target, int show) = 0;
    // Starts a program without waiting for it; false when it did not start.
    virtual bool Start(const TProcessStart& process) = 0;
};

// The system's shell.
IShell& PlatformShell();

}  // namespace dorvane
