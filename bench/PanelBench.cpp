// The panel as its own process against the smallest tray program that does
// the same outward things (helpers/MinimalTray.cpp), both started by this
// benchmark in the same Wine session:
//
// - start-up: from CreateProcess to the attach broadcast reaching a window of
//   this benchmark (the panel sends it near the end of its construction, the
//   minimal program right after adding its tray icon);
// - private bytes 2 s after that broadcast;
// - CPU over 60 s with the link up: this benchmark plays the phone service
//   for both at once, a status update every 1000 ms as the simulator does;
// - how long one status update blocks the service's sending thread, median
//   and 99th percentile, against the minimal program answering at once (the
//   bare cross-process round trip);
// - a key report (speaker up, call state 6) until the simulated endpoint
//   library's shared block shows the new speaker level, against that bare
//   round trip.
//
// The panel also writes where its start-up time went (its construction steps,
// timed from its process's creation); the medians are printed by step.
//
// The panel runs from a folder of its own with the simulated endpoint
// library beside it (Wine reports Vista to it: the endpoint path).
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "BenchSupport.h"
#include "EndpointSimClient.h"
#include "PeerWindow.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"
#include "settings/TextLines.h"

namespace {

using namespace dorvane;
using bench::Stopwatch;

constexpr int kStartRounds = 5;
constexpr DWORD kSettleMs = 2000;
constexpr DWORD kIdleMs = 60000;
constexpr DWORD kStatusIntervalMs = 1000;
constexpr int kSends = 200;
constexpr int kKeyRounds = 15;

// The service's window: the attach broadcasts that reach it are stamped
// here, in the window procedure, so the pumping's pace does not count.
struct Listener {
    UINT attach = RegisterWindowMessageA(kAttachMessageName);
    UINT discover = RegisterWindowMessageA(kDiscoverMessageName);
    HWND window = nullptr;
    Stopwatch clock;
    double heard_at = -1;
    HWND heard_from = nullptr;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Listener*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == self->attach) {
            if (lp == kAttachBroadcastTag && self->heard_at < 0) {
                self->heard_at = self->clock.Seconds();
                self->heard_from = reinterpret_cast<HWND>(wp);
            }
            return 1;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    Listener() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "DorvaneBenchService";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "bench service", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Listener() {
        if (window) DestroyWindow(window);
    }
};

// One started program: the process, and its window once it has broadcast.
struct Program {
    PROCESS_INFORMATION pi{};
    HWND window = nullptr;
    double startup_seconds = -1;
    bool panel = false;

    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        End();
        if (pi.hProcess) CloseHandle(pi.hProcess);
        if (pi.hThread) CloseHandle(pi.hThread);
    }
    bool Running() const { return pi.hProcess && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT; }
    void End() {
        if (!Running()) return;
        if (window) {
            if (panel) PostMessageA(window, WM_UI_EXIT, kInstanceSignatureW, kInstanceSignatureL);
            else PostMessageA(window, WM_CLOSE, 0, 0);
        }
        if (!testing::PumpUntil([&] { return !Running(); }, 10000)) TerminateProcess(pi.hProcess, 1);
    }
    // PrivateUsage; Wine 8 leaves it 0 for every process and fills
    // PagefileUsage, which Windows reports as the same commit charge.
    double PrivateBytes() const {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof counters;
        if (!GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                  sizeof counters))
            return -1;
        return static_cast<double>(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage);
    }
    // User and kernel time. Wine 8 answers GetProcessTimes for another
    // process with the caller's own times, so there the figure comes from
    // the Unix process behind it (its /proc stat, in clock ticks).
    double CpuSeconds(const std::string& exe) const {
        if (UnderWine()) return UnixCpuSeconds(exe);
        FILETIME created, ended, kernel, user;
        if (!GetProcessTimes(pi.hProcess, &created, &ended, &kernel, &user)) return -1;
        auto value = [](const FILETIME& t) {
            return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
        };
        return (value(kernel) + value(user)) * 1e-7;
    }

    static bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

    static std::string ReadWhole(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return {};
        std::string text;
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
        CloseHandle(file);
        return text;
    }

    static double TaskNanoseconds(const std::string& tasks) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((tasks + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return -1;
        double total = 0;
        int counted = 0;
        do {
            const std::string name = found.cFileName;
            if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
            unsigned long long on_cpu = 0;
            if (std::sscanf(ReadWhole(tasks + name + "\\schedstat").c_str(), "%llu", &on_cpu) == 1) {
                total += static_cast<double>(on_cpu);
                ++counted;
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return counted > 0 ? total : -1;
    }

    // The Unix process whose command line starts with the program's path
    // (Wine puts the Windows path there); its utime + stime.
    static double UnixCpuSeconds(const std::string& exe) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
        if (search == INVALID_HANDLE_VALUE) return -1;
        double seconds = -1;
        do {
            const std::string name = found.cFileName;
            if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
            std::string command = ReadWhole("Z:\\proc\\" + name + "\\cmdline");
            if (!command.empty() && command[0] == '"') command.erase(0, 1);
            if (command.size() < exe.size() || lstrcmpiA(command.substr(0, exe.size()).c_str(), exe.c_str()) != 0)
                continue;
            if (command.size() > exe.size() && command[exe.size()] != '\0' && command[exe.size()] != ' ' &&
                command[exe.size()] != '"') continue;
            // Nanoseconds on a CPU, thread by thread, where the kernel keeps
            // them; else the process's clock ticks.
            const double ns = TaskNanoseconds("Z:\\proc\\" + name + "\\task\\");
            if (ns >= 0) {
                seconds = ns * 1e-9;
                break;
            }
            const std::string stat = ReadWhole("Z:\\proc\\" + name + "\\stat");
            const size_t close = stat.rfind(')');
            if (close == std::string::npos) continue;
            // Fields after the name: state, then 10 more, then utime, stime.
            unsigned long long utime = 0, stime = 0;
            const char* rest = stat.c_str() + close + 2;
            for (int field = 0; field < 11 && rest; ++field) {
                rest = std::strchr(rest, ' ');
                if (rest) ++rest;
            }
            if (rest && std::sscanf(rest, "%llu %llu", &utime, &stime) == 2) {
                seconds = static_cast<double>(utime + stime) / 100.0;  // USER_HZ
                break;
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return seconds;
    }
};

std::string Folder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

// Starts a program and waits for its broadcast; false when none came.
bool Start(Listener& listener, Program& program, const std::string& exe, const std::string& args, bool panel) {
    std::string command = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    program.panel = panel;
    listener.heard_at = -1;
    const double started = listener.clock.Seconds();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &program.pi))
        return false;
    if (!testing::PumpUntil([&] { return listener.heard_at >= 0; }, 20000)) return false;
    program.startup_seconds = listener.heard_at - started;
    program.window = listener.heard_from;
    return true;
}

// The panel's step marks of one start, "<ms> <step>" per line, added to the
// samples by step, in the order the steps first came.
struct StartupSteps {
    std::vector<std::string> order;
    std::vector<std::vector<double>> ms;

    void Add(const std::string& text) {
        TextLines lines(text);
        for (std::string line = lines.Next(); !line.empty(); line = lines.Next()) {
            double value = 0;
            int used = 0;
            if (std::sscanf(line.c_str(), "%lf %n", &value, &used) != 1 || used <= 0) continue;
            const std::string step = line.substr(static_cast<size_t>(used));
            const auto known = std::find(order.begin(), order.end(), step);
            const size_t index = static_cast<size_t>(known - order.begin());
            if (known == order.end()) {
                order.push_back(step);
                ms.emplace_back();
            }
            ms[index].push_back(value);
        }
    }
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    if (v.empty()) return 0;
    const size_t at = std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())));
    return v[at];
}

// One phone event from the service's thread; its blocked time in seconds,
// or -1 when it was not answered with 1.
double SendEvent(HWND to, uint32_t status, uint32_t key_event) {
    DWORD_PTR result = 0;
    const Stopwatch watch;
    const LRESULT sent =
        SendMessageTimeoutA(to, WM_PHONE_EVENT, status, key_event, SMTO_ABORTIFHUNG, kLinkSendTimeoutMs, &result);
    const double took = watch.Seconds();
    return sent != 0 && result == 1 ? took : -1;
}

void Wait(DWORD ms) {
    testing::PumpUntil([] { return false; }, ms);
}

}  // namespace

int main(int argc, char** argv) {
    // "--startup": only the start-up and memory rows, for work on the start-up.
    const bool startup_only = argc > 1 && std::strcmp(argv[1], "--startup") == 0;
    const std::string folder = Folder();
    const std::string panel_exe = folder + "\\panel\\DorvaneUI.exe";
    const std::string minimal_exe = folder + "\\helpers\\MinimalTray.exe";
    Listener listener;
    endpointsim::TEndpointSimClient sim;
    if (!listener.window || !sim.Ok()) {
        std::printf("panel: no service window or no simulated endpoint block\n");
        return 1;
    }
    sim.Reset();
    if (HWND stale = FindWindowA("TApplication", "Dorvane UI")) {
        std::printf("panel: a panel already runs in this session (%p)\n", static_cast<void*>(stale));
        return 1;
    }

    // Start-up and memory: one untimed round each first (files the panel
    // writes beside itself at its first start, the page cache), then the
    // rounds alternate so that load from elsewhere falls on all alike.
    struct Subject {
        const char* name;
        std::string exe, args;
        bool panel;
        std::vector<double> startup, memory;
    };
    Subject subjects[] = {{"panel", panel_exe, "", true, {}, {}},
                          {"minimal", minimal_exe, "", false, {}, {}},
                          {"minimal+wave", minimal_exe, "--wave", false, {}, {}}};
    const std::string steps_file = folder + "\\panel\\startup-steps.txt";
    StartupSteps steps;
    for (int round = -1; round < kStartRounds; ++round) {
        for (Subject& s : subjects) {
            Program program;
            DeleteFileA(steps_file.c_str());
            SetEnvironmentVariableA("DORVANE_STARTUP_STEPS", s.panel ? steps_file.c_str() : nullptr);
            const bool started = Start(listener, program, s.exe, s.args, s.panel);
            SetEnvironmentVariableA("DORVANE_STARTUP_STEPS", nullptr);
            if (!started) {
                std::printf("panel: %s did not broadcast its attach message (round %d)\n", s.name, round);
                return 1;
            }
            Wait(kSettleMs);
            const double bytes = program.PrivateBytes();
            program.End();
            if (round < 0) continue;
            if (s.panel) steps.Add(Program::ReadWhole(steps_file));
            s.startup.push_back(program.startup_seconds);
            s.memory.push_back(bytes);
        }
    }
    for (const Subject& s : subjects)
        std::printf("start-up %s: %s median of %d (min %s, max %s); private bytes %s\n", s.name,
                    bench::FormatDuration(Median(s.startup)).c_str(), kStartRounds,
                    bench::FormatDuration(*std::min_element(s.startup.begin(), s.startup.end())).c_str(),
                    bench::FormatDuration(*std::max_element(s.startup.begin(), s.startup.end())).c_str(),
                    bench::FormatMib(Median(s.memory)).c_str());
    std::printf("panel start-up by step (median ms since its process was created; step's own share):\n");
    double previous = 0;
    for (size_t i = 0; i < steps.order.size(); ++i) {
        const double at = Median(steps.ms[i]);
        std::printf("  %8.1f  %+7.1f  %s\n", at, at - previous, steps.order[i].c_str());
        previous = at;
    }
    const Subject& panel_s = subjects[0];
    const Subject& minimal_s = subjects[1];
    const Subject& wave_s = subjects[2];
    auto rounds = [](const std::vector<double>& values) { return bench::Samples(values, kStartRounds); };
    // The goals stand against the program that lists the wave devices: the
    // panel must do that before its broadcast, so the plain one is shown
    // only for what the listing itself costs.
    bench::TableRow("start-up to attach broadcast", rounds(panel_s.startup), rounds(minimal_s.startup), 0);
    bench::TableRow("start-up (baseline lists wave devices)", rounds(panel_s.startup), rounds(wave_s.startup), 1.5);
    bench::TableRow("private bytes after 2 s", rounds(panel_s.memory), rounds(minimal_s.memory), 0,
                    bench::FormatMib);
    bench::TableRow("private bytes (baseline lists wave devices)", rounds(panel_s.memory), rounds(wave_s.memory), 1.5,
                    bench::FormatMib);
    if (startup_only) return 0;

    // Both programs at once, both linked to this service.
    Program panel, minimal;
    if (!Start(listener, panel, panel_exe, "", true) || !Start(listener, minimal, minimal_exe, "", false)) {
        std::printf("panel: the programs did not start for the idle run\n");
        return 1;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(panel.window, listener.discover, reinterpret_cast<WPARAM>(listener.window), 0,
                        SMTO_ABORTIFHUNG, kLinkSendTimeoutMs, &ignored);
    const uint32_t status = kDeviceBit;
    const uint32_t idle_event = MakeKeyEvent(kStatusUpdateKey, 0, 0);
    auto heartbeat = [&](DWORD ms, uint32_t key_event) {
        const Stopwatch watch;
        while (watch.Seconds() * 1000 < ms) {
            SendEvent(panel.window, status, key_event);
            SendEvent(minimal.window, status, key_event);
            Wait(kStatusIntervalMs);
        }
    };
    // The first updates find the phone; then the idle run.
    heartbeat(kSettleMs, idle_event);
    const double panel_cpu0 = panel.CpuSeconds(panel_exe), minimal_cpu0 = minimal.CpuSeconds(minimal_exe);
    heartbeat(kIdleMs, idle_event);
    const double panel_cpu = panel.CpuSeconds(panel_exe) - panel_cpu0;
    const double minimal_cpu = minimal.CpuSeconds(minimal_exe) - minimal_cpu0;
    if (panel_cpu0 < 0 || minimal_cpu0 < 0) {
        std::printf("panel: cannot read the programs' CPU time\n");
        return 1;
    }
    std::printf("idle %lu s, status every %lu ms: panel CPU %s, minimal CPU %s\n", kIdleMs / 1000, kStatusIntervalMs,
                bench::FormatDuration(panel_cpu).c_str(), bench::FormatDuration(minimal_cpu).c_str());
    bench::TableRow("CPU over 60 s idle, link up", bench::Samples::One(panel_cpu), bench::Samples::One(minimal_cpu),
                    1.2);

    // Status updates back to back but spaced, as the panel is idle when the
    // real service sends: each one's blocked time.
    std::vector<double> to_panel, to_minimal;
    for (int i = 0; i < kSends; ++i) {
        const double p = SendEvent(panel.window, status, idle_event);
        Wait(10);
        const double m = SendEvent(minimal.window, status, idle_event);
        Wait(10);
        if (p < 0 || m < 0) {
            std::printf("panel: a status update was not answered\n");
            return 1;
        }
        to_panel.push_back(p);
        to_minimal.push_back(m);
    }
    const double bare = Median(to_minimal);
    std::printf("status update blocked time: panel median %s p99 %s; bare round trip median %s p99 %s\n",
                bench::FormatDuration(Median(to_panel)).c_str(), bench::FormatDuration(Percentile(to_panel, 0.99)).c_str(),
                bench::FormatDuration(bare).c_str(), bench::FormatDuration(Percentile(to_minimal, 0.99)).c_str());
    bench::TableRow("phone event blocked time, median", bench::Samples(to_panel, kSends),
                    bench::Samples(to_minimal, kSends), 1.2);
    bench::TableRow("phone event blocked time, p99", bench::Samples::One(Percentile(to_panel, 0.99)),
                    bench::Samples::One(Percentile(to_minimal, 0.99)), 1.5);

    // A key report in a call that lets the keys set the speaker: until the
    // endpoint shows the new level. Each round starts from the bottom.
    const int speaker = sim.Find(0, L"Speakers (USB Audio Device)");
    if (speaker < 0) {
        std::printf("panel: the simulated library has no phone speaker\n");
        return 1;
    }
    const float bottom = sim.Endpoint(0, speaker).MinDb;
    // Watched without the block's lock: a 4-byte store is seen whole, and a
    // watcher taking the lock at every look would hold up the library's
    // writer it waits for.
    const endpointsim::TSimBlockView view(endpointsim::TSimOpen::ExistingOnly);
    if (!view.Ok()) {
        std::printf("panel: the simulated library's block is gone\n");
        return 1;
    }
    const volatile float* shown = &view.Block()->Endpoints[0][speaker].LevelDb[0];
    const uint32_t in_call = MakeKeyEvent(kStatusUpdateKey, 0, kCallSpeakerKeys);
    std::vector<double> key_to_level;
    for (int round = 0; round < kKeyRounds; ++round) {
        sim.SetLevel(0, speaker, bottom);
        SendEvent(panel.window, status, in_call);
        Wait(300);
        const float before = sim.Endpoint(0, speaker).LevelDb[0];
        const Stopwatch watch;
        SendEvent(panel.window, status, MakeKeyEvent(kKeyUp, 0, kCallSpeakerKeys));
        bool changed = false;
        while (watch.Seconds() < 2 && !(changed = *shown != before)) SwitchToThread();
        const double took = watch.Seconds();
        SendEvent(panel.window, status, MakeKeyEvent(0, 0, kCallSpeakerKeys));
        if (!changed) {
            std::printf("panel: the key report did not change the speaker (round %d)\n", round);
            return 1;
        }
        key_to_level.push_back(took);
    }
    std::printf("key report to speaker level: median %s of %d (max %s)\n",
                bench::FormatDuration(Median(key_to_level)).c_str(), kKeyRounds,
                bench::FormatDuration(*std::max_element(key_to_level.begin(), key_to_level.end())).c_str());
    bench::TableRow("key report to endpoint level", bench::Samples(key_to_level, kKeyRounds),
                    bench::Samples(to_minimal, kSends), 2.0);
    return 0;
}
