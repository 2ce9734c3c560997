// What a scenario with bad input checks around the panel: that it still
// answers, that the user's settings and files are as they were, and the
// Linux side of the test machine (file attributes, the sound server) that a
// Windows program reaches only by starting a Linux command.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>

namespace dorvane::testing {

// How long the window took to answer a WM_NULL sent with a time-out, in
// milliseconds; -1 when it did not answer within `timeout_ms`.
long AnswerTime(HWND window, DWORD timeout_ms = 3000);
inline bool Answers(HWND window, DWORD timeout_ms = 3000) { return AnswerTime(window, timeout_ms) >= 0; }

// Every value under the panel's settings key, as type and raw bytes.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool operator==(const RawValue& o) const { return type == o.type && bytes == o.bytes; }
};
using RawValues = std::map<std::string, RawValue>;
RawValues SettingsValues();
// Empties the settings key and stores these values.
void SetSettingsValues(const RawValues& values);
std::string Describe(const RawValues& values);

// A file's bytes and last-write time; `exists` false when it is not there.
struct FileState {
    bool exists = false;
    std::string bytes;
    FILETIME written{};
    bool operator==(const FileState& o) const {
        return exists == o.exists && bytes == o.bytes && CompareFileTime(&written, &o.written) == 0;
    }
};
FileState StateOf(const std::string& path);

// Runs a Linux shell command line (sh -c) and waits for it to end, up to
// `timeout_ms`; true when it ended with status 0.
bool RunLinux(const std::string& command, DWORD timeout_ms = 5000);
// The Linux path Wine maps a Windows path to, quoted for sh; empty if none.
std::string LinuxPath(const std::string& windows_path);

// Starts the panel in `folder` from a Linux shell after `ulimit -f 0`: files
// can be made but take no bytes, as on a full disk (the signal for it is
// ignored, so a write just fails). Wine gives no handle to wait on for a
// Linux program: the panel is known by its window and its semaphore.
bool StartPanelOnFullDisk(const std::string& folder);
// Whether a panel runs: its single-instance semaphore is there.
bool PanelRuns();

// Makes files or folders immutable (chattr +i) for as long as this lives:
// the only bar that stops Wine, which runs as root here and so writes past
// missing permission bits. Undone in the destructor, also when a test fails.
class Immutable {
public:
    explicit Immutable(std::vector<std::string> windows_paths);
    ~Immutable();
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;
    bool Ok() const { return ok_; }

private:
    std::string Paths() const;
    std::vector<std::string> paths_;
    bool ok_ = false;
};

}  // namespace dorvane::testing
