#include "controls/ProcessStart.h"
#include <vector>

namespace dorvane {

TStartedProcess StartProcess(const TProcessStart& start) {
    // CreateProcessA may write into the command line and the desktop name.
    std::vector<char> command(start.CommandLine.begin(), start.CommandLine.end());
    command.push_back('\0');
    std::vector<char> desktop(start.Desktop.begin(), start.Desktop.end());
    desktop.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = start.Desktop.empty() ? nullptr : desktop.data();
    startup.dwFlags = start.StartupFlags;
    startup.wShowWindow = start.ShowWindow;
    startup.dwX = start.X;
    startup.dwY = start.Y;

    PROCESS_INFORMATION info{};
    TStartedProcess started;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, start.InheritHandles, start.CreationFlags, nullptr,
                        start.CurrentFolder.empty() ? nullptr : start.CurrentFolder.c_str(), &startup, &info))
        return started;
    KernelHandle thread(info.hThread);
    started.Process.reset(info.hProcess);
    started.Id = info.dwProcessId;
    return started;
}

}  // namespace dorvane
