#include "Surroundings.h"
#include <chrono>
#include <memory>
#include <sstream>
#include "PeerWindow.h"
#include "controls/Handles.h"

namespace dorvane::testing {

long AnswerTime(HWND window, DWORD timeout_ms) {
    const auto start = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeout_ms, &result)) return -1;
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

namespace {
constexpr char kSettingsKey[] = "SoftWare\\TALVEX\\USB_PHONE_K52";

RegKey OpenSettings() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}
}  // namespace

RawValues SettingsValues() {
    RawValues values;
    RegKey key = OpenSettings();
    if (!key) return values;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD name_size = sizeof name;
        BYTE data[4096];
        DWORD data_size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key.get(), i, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS) break;
        values[name] = RawValue{type, std::string(reinterpret_cast<char*>(data), data_size)};
    }
    return values;
}

void SetSettingsValues(const RawValues& values) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    RegKey key = OpenSettings();
    if (!key) return;
    for (const auto& [name, value] : values)
        RegSetValueExA(key.get(), name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                       static_cast<DWORD>(value.bytes.size()));
}

std::string Describe(const RawValues& values) {
    std::ostringstream out;
    for (const auto& [name, value] : values) {
        out << name << " type " << value.type << " bytes";
        for (unsigned char c : value.bytes) out << ' ' << std::hex << int(c) << std::dec;
        out << "; ";
    }
    return values.empty() ? "(none)" : out.str();
}

FileState StateOf(const std::string& path) {
    FileState state;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return state;
    state.exists = true;
    state.written = data.ftLastWriteTime;
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    if (!file) return state;
    std::string bytes(data.nFileSizeLow, '\0');
    DWORD read = 0;
    ReadFile(file.get(), bytes.data(), data.nFileSizeLow, &read, nullptr);
    bytes.resize(read);
    state.bytes = std::move(bytes);
    return state;
}

std::string LinuxPath(const std::string& windows_path) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto to_unix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!to_unix) return {};
    std::wstring wide(windows_path.begin(), windows_path.end());
    // Wine hands the name over on the process heap.
    const auto free_name = [](char* name) { HeapFree(GetProcessHeap(), 0, name); };
    const std::unique_ptr<char, decltype(free_name)> unix_path(to_unix(wide.c_str()), free_name);
    if (!unix_path) return {};
    return "'" + std::string(unix_path.get()) + "'";
}

namespace {
// Starts `/bin/sh -c command`. Wine splits the line into the Linux
// program's arguments by the Windows rules: backslashes count only before a
// quote.
bool StartLinux(const std::string& command) {
    std::string escaped;
    size_t backslashes = 0;
    for (char c : command) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        escaped.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        escaped += c;
    }
    escaped.append(backslashes, '\\');
    std::string line = "/bin/sh -c \"" + escaped + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    const KernelHandle thread(pi.hThread), process(pi.hProcess);
    return true;
}
}  // namespace

bool RunLinux(const std::string& command, DWORD timeout_ms) {
    // Wine gives no process handle to wait on for a Linux program: the
    // command leaves its exit status in a file of its own.
    static int serial = 0;
    const std::string status = "/tmp/dorvane-linux-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++serial);
    std::string status_windows = "Z:" + status;
    for (char& c : status_windows)
        if (c == '/') c = '\\';
    DeleteFileA(status_windows.c_str());
    if (!StartLinux("(" + command + "); echo $? > " + status + ".part && mv " + status + ".part " + status))
        return false;
    bool ended = false;
    PumpUntil([&] { return ended = GetFileAttributesA(status_windows.c_str()) != INVALID_FILE_ATTRIBUTES; },
              timeout_ms);
    const FileState result = StateOf(status_windows);
    DeleteFileA(status_windows.c_str());
    return ended && result.bytes == "0\n";
}

bool StartPanelOnFullDisk(const std::string& folder) {
    const std::string program = LinuxPath(folder + "\\DorvaneUI.exe");
    return !program.empty() &&
           StartLinux("trap '' XFSZ; ulimit -f 0; exec \"${WINE:-/usr/lib/wine/wine64}\" " + program);
}

bool PanelRuns() {
    const KernelHandle semaphore(OpenSemaphoreA(SYNCHRONIZE, FALSE, "Dorvane UI Semaphore"));
    return static_cast<bool>(semaphore);
}

Immutable::Immutable(std::vector<std::string> windows_paths) : paths_(std::move(windows_paths)) {
    ok_ = !Paths().empty() && RunLinux("chattr +i " + Paths());
}

Immutable::~Immutable() {
    if (!Paths().empty()) RunLinux("chattr -i " + Paths());
}

std::string Immutable::Paths() const {
    std::string all;
    for (const auto& p : paths_) {
        const std::string linux_path = LinuxPath(p);
        if (linux_path.empty()) return {};
        all += " " + linux_path;
    }
    return all;
}

}  // namespace dorvane::testing
