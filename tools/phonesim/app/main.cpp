// phonesim.exe: the phone service simulator for a person or a test script.
// It plays the phone service toward a running control panel, prints every
// line of its log, reads a script from stdin or a file, and shows a keypad
// window unless told not to.
#include <windows.h>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>
#include "KeypadWindow.h"
#include "controls/Handles.h"
#include "phonesim/Options.h"
#include "phonesim/PhoneService.h"
#include "phonesim/ScriptRunner.h"

namespace {

// Set by the console control handler, which runs on a thread of its own.
HANDLE g_quit = nullptr;
HANDLE g_done = nullptr;

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (g_quit) SetEvent(g_quit);
    // For a closing console the process ends when this returns: give the
    // main thread a moment to stop the service cleanly.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        if (g_done) WaitForSingleObject(g_done, 3000);
    }
    return TRUE;
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Pumps the thread's messages (the keypad window's) until `quit` is set.
void RunUntil(HANDLE quit) {
    for (;;) {
        DWORD woke = MsgWaitForMultipleObjects(1, &quit, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace phonesim;
    std::vector<std::string> args(argv + 1, argv + argc);
    OptionsResult parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "phonesim: %s\n%s", parsed.error.c_str(), kUsage);
        return 2;
    }
    const Options& options = parsed.options;
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::ifstream script_file;
    if (!options.script_file.empty()) {
        script_file.open(options.script_file, std::ios::binary);
        if (!script_file) {
            std::fprintf(stderr, "phonesim: cannot open the script %s\n", options.script_file.c_str());
            return 2;
        }
    }

    dorvane::KernelHandle quit(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    dorvane::KernelHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!quit || !done) return 1;
    g_quit = quit.get();
    g_done = done.get();

    ServiceConfig config;
    config.phone_present = options.demo;
    config.softphone_present = options.demo;
    config.log_sink = PrintLine;
    // main never returns (it ends in ExitProcess): the service and the
    // runner outlive a script thread still blocked in reading stdin.
    PhoneService service(std::move(config));
    if (!service.Start()) {
        std::fprintf(stderr, "phonesim: cannot start the phone service\n");
        return 1;
    }
    if (options.interval_ms) service.SetStatusInterval(*options.interval_ms);
    SetConsoleCtrlHandler(&OnConsoleControl, TRUE);

    ScriptRunner runner(service);
    std::atomic<bool> reader_done{false};
    std::thread reader([&, quit_event = quit.get()] {
        bool quit_asked = options.script_file.empty() ? runner.Run(std::cin) : runner.Run(script_file);
        if (quit_asked || options.exit_at_eof) {
            SetEvent(quit_event);
        } else {
            service.Log().Add("script ended; running until quit, Ctrl-C or the window closes");
        }
        reader_done = true;
    });

    {
        std::unique_ptr<KeypadWindow> keypad;
        if (!options.no_window) {
            keypad = std::make_unique<KeypadWindow>(service, [q = quit.get()] { SetEvent(q); });
            if (!keypad->Create()) service.Log().Add("cannot create the keypad window; running without it");
        }
        RunUntil(quit.get());
    }

    runner.Cancel();
    service.Stop();
    if (reader_done) {
        reader.join();
    } else {
        reader.detach();  // still blocked reading stdin; the process end takes it
    }
    std::fflush(stdout);
    SetEvent(done.get());
    // Not a return: nothing may be destroyed under the reader thread.
    ExitProcess(0);
}
