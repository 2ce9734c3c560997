#include "SoundPanelLog.h"
#include <sstream>
#include "PeerWindow.h"
#include "controls/Handles.h"

namespace dorvane::test {

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
    char old[4096] = {};
    const DWORD n = GetEnvironmentVariableA(name_.c_str(), old, sizeof old);
    had_ = n > 0 && n < sizeof old;
    if (had_) old_ = old;
    SetEnvironmentVariableA(name_.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableA(name_.c_str(), had_ ? old_.c_str() : nullptr); }

SoundPanelLog::SoundPanelLog()
    : path_(folder_.Path() + "\\soundpanel.log"), variable_("DORVANE_SOUNDPANEL_LOG", path_) {}

std::vector<std::string> SoundPanelLog::RawLines() const {
    std::vector<std::string> lines;
    const std::string text = FileContents(path_);
    if (text == "<none>") return lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> SoundPanelLog::Lines() const {
    std::vector<std::string> lines = RawLines();
    for (std::string& line : lines) {
        const size_t at = line.find("pid=");
        if (at == std::string::npos) continue;
        const size_t end = line.find(' ', at);
        line.replace(at + 4, end == std::string::npos ? std::string::npos : end - at - 4, "*");
    }
    return lines;
}

std::vector<std::string> SoundPanelLog::WaitForLines(size_t count, DWORD timeout_ms) const {
    dorvane::testing::PumpUntil([&] { return RawLines().size() >= count; }, timeout_ms);
    return Lines();
}

std::string SoundPanelLog::Shown(size_t n) const {
    size_t seen = 0;
    for (const std::string& line : RawLines())
        if (line.rfind("shown pid=", 0) == 0 && seen++ == n) return line;
    return {};
}

DWORD SoundPanelLog::Panel(size_t n) const {
    const std::string line = Shown(n);
    return line.empty() ? 0 : std::stoul(line.substr(line.find('=') + 1));
}

std::string SoundPanelLog::Desktop(size_t n) const {
    const std::string line = Shown(n);
    const size_t from = line.find(" desktop="), to = line.find(" lists=");
    return from == std::string::npos || to == std::string::npos ? std::string() : line.substr(from + 9, to - from - 9);
}

bool ProcessEnded(DWORD process, DWORD timeout_ms) {
    KernelHandle handle(OpenProcess(SYNCHRONIZE, FALSE, process));
    if (!handle) return true;
    return dorvane::testing::PumpUntil([&] { return WaitForSingleObject(handle.get(), 0) == WAIT_OBJECT_0; },
                                       timeout_ms);
}

bool SoundPanelInstalled() {
    char folder[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    return n > 0 && n < MAX_PATH && GetFileAttributesA((std::string(folder) + "\\mmsys.cpl").c_str()) !=
                                        INVALID_FILE_ATTRIBUTES;
}

namespace {
struct DialogCount {
    DWORD process;
    int dialogs = 0;
};

// A named callback: a lambda converts only to the default calling
// convention, which is not the system's on 32-bit Windows.
BOOL CALLBACK CountDialog(HWND window, LPARAM p) {
    auto& c = *reinterpret_cast<DialogCount*>(p);
    char name[16] = {};
    DWORD owner = 0;
    GetClassNameA(window, name, sizeof name);
    GetWindowThreadProcessId(window, &owner);
    if (owner == c.process && lstrcmpA(name, "#32770") == 0) ++c.dialogs;
    return TRUE;
}
}  // namespace

int DialogsOn(const std::string& desktop, DWORD process) {
    DesktopHandle handle(OpenDesktopA(desktop.c_str(), 0, FALSE, DESKTOP_ENUMERATE | DESKTOP_READOBJECTS));
    if (!handle) return 0;
    DialogCount count{process};
    EnumDesktopWindows(handle.get(), CountDialog, reinterpret_cast<LPARAM>(&count));
    return count.dialogs;
}

}  // namespace dorvane::test
