#include "app/Shell.h"
#include <shellapi.h>

namespace dorvane {
namespace {
class PlatformShellImpl : public IShell {
public:
    void Open(HWND owner, const std::string& target, int show) override {
        ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, show);
    }
    bool Start(const TProcessStart& process) override { return static_cast<bool>(StartProcess(process)); }
};
}  // namespace

IShell& PlatformShell() {
    static PlatformShellImpl shell;
    return shell;
}

}  // namespace dorvane
