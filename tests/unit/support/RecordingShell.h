// A shell that only writes down what it was asked to open or start.
#pragma once
#include <ostream>
#include <string>
#include <utility>
#include <vector>
#include "app/Shell.h"

namespace dorvane {
// How a failing comparison shows a start.
inline void PrintTo(const TProcessStart& s, std::ostream* os) {
    *os << "{\"" << s.CommandLine << "\" in \"" << s.CurrentFolder << "\" desktop \"" << s.Desktop << "\" flags 0x"
        << std::hex << s.CreationFlags << " inherit " << s.InheritHandles << " startup 0x" << s.StartupFlags << std::dec
        << " show " << s.ShowWindow << " at " << s.X << "," << s.Y << "}";
}
}  // namespace dorvane

namespace dorvane::testing {

struct ShellOpen {
    HWND owner;
    std::string target;
    int show;
    bool operator==(const ShellOpen& o) const { return owner == o.owner && target == o.target && show == o.show; }
};

class RecordingShell : public IShell {
public:
    void Open(HWND owner, const std::string& target, int show) override { opened.push_back({owner, target, show}); }
    bool Start(const TProcessStart& process) override {
        started.push_back(process);
        return true;
    }
    // What was opened since the last call.
    std::vector<ShellOpen> Take() { return std::exchange(opened, {}); }
    // What was started since the last call.
    std::vector<TProcessStart> TakeStarted() { return std::exchange(started, {}); }

    std::vector<ShellOpen> opened;
    std::vector<TProcessStart> started;
};

}  // namespace dorvane::testing
