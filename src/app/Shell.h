// The shell: an address or a document handed to whatever handles it. One
// small interface, so that unit tests can record what would have opened.
#pragma once
#include <windows.h>
#include <string>

namespace dorvane {

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecute with the verb "open", no parameters and no working
    // folder; the result is not examined.
    virtual void Open(HWND owner, const std::string& target, int show) = 0;
};

// The system's shell.
IShell& PlatformShell();

}  // namespace dorvane
