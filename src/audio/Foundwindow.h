// TFindWindow: the worker thread of the mixer component that finds out the
// Windows default sound devices on the legacy path. For each request it
// starts the Sound control panel on a hidden desktop of its own, reads (or
// sets) the selections of the panel's device lists, ends the panel, and
// sends the answer to the requester's window.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <string>
#include "controls/Handles.h"

namespace dorvane {

// The answers sent to NotifyWindow: the playback and recording device
// indexes in wParam and lParam, or no answer.
constexpr UINT kDefaultDeviceFound = WM_USER + 100;
constexpr UINT kDefaultDeviceFailed = WM_USER + 101;

class TFindWindow {
public:
    struct TSetup {
        int VersionClass = 0;      // which panel page to start; none but 1 and 2
        std::string SystemFolder;  // where the panel starts; empty: no panel
        // Read from the worker's thread before each pass of its loop.
        std::function<bool()> ApplicationTerminated;
    };

    explicit TFindWindow(TSetup setup) : setup_(std::move(setup)) {}
    // Starts the thread (never suspended); false when it cannot be created.
    bool Start();
    // Asks a started worker to end and waits for it, letting messages sent
    // to this thread's windows in meanwhile.
    ~TFindWindow();
    TFindWindow(const TFindWindow&) = delete;
    TFindWindow& operator=(const TFindWindow&) = delete;

    // The request. The requester writes the other fields only while Busy is
    // clear, and Busy last; the worker reads them after seeing Busy set,
    // writes its result into OutIndex and InIndex, and clears Busy last.
    std::atomic<bool> Busy{false};
    HWND NotifyWindow = nullptr;
    bool SetMode = false;
    int OutIndex = -1;
    int InIndex = -1;

    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    DWORD ThreadId() const { return threadId_; }
    // Waits up to timeout_ms for the thread's end, answering messages sent
    // to this thread meanwhile (the worker's answer among them). True when
    // it has ended.
    bool WaitFor(DWORD timeout_ms = INFINITE) const;

private:
    static DWORD WINAPI ThreadMain(LPVOID self);
    void Execute();
    void RunRequest();
    bool Stopping() const;

    const TSetup setup_;
    std::atomic<bool> terminated_{false};
    KernelHandle thread_;
    DWORD threadId_ = 0;
};

}  // namespace dorvane
