// A shell that only writes down what it was asked to open.
#pragma once
#include <string>
#include <utility>
#include <vector>
#include "app/Shell.h"

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
    // What was opened since the last call.
    std::vector<ShellOpen> Take() { return std::exchange(opened, {}); }

    std::vector<ShellOpen> opened;
};

}  // namespace dorvane::testing
