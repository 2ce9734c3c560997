#include "DefaultSink.h"
#include <windows.h>
#include <string>
#include "controls/Handles.h"

namespace dorvane::testing {
namespace {
std::string ReadAll(const std::string& path) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    char bytes[256] = {};
    DWORD read = 0;
    ReadFile(file.get(), bytes, sizeof bytes - 1, &read, nullptr);
    return std::string(bytes, read);
}
}  // namespace

bool SetDefaultSink(const std::string& sink) {
    // Wine starts a Linux program without a process handle to wait on, so
    // the shell leaves the default it then has in a file of this name.
    const std::string answer =
        "/tmp/dorvane-default-sink-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    std::string answer_windows = "Z:" + answer;
    for (char& c : answer_windows)
        if (c == '/') c = '\\';
    std::string command =
        "/bin/sh -c \"pactl set-default-sink " + sink + " && pactl get-default-sink > " + answer + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    bool done = false;
    for (const DWORD start = GetTickCount(); !done && GetTickCount() - start < 5000; Sleep(10))
        done = ReadAll(answer_windows) == sink + "\n";
    DeleteFileA(answer_windows.c_str());
    return done;
}

}  // namespace dorvane::testing
