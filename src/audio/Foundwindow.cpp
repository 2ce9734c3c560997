#include "audio/Foundwindow.h"
#include "audio/FoundwindowPanel.h"
#include "audio/FoundwindowSearch.h"

namespace dorvane {
namespace {
constexpr DWORD kIdlePollMs = 100;
constexpr int kSearchPasses = 3000;
constexpr DWORD kSearchPollMs = 10;
}  // namespace

bool TFindWindow::Start() {
    thread_.reset(CreateThread(nullptr, 0, ThreadMain, this, 0, &threadId_));
    return static_cast<bool>(thread_);
}

TFindWindow::~TFindWindow() {
    if (!thread_) return;
    Terminate();
    WaitFor();
}

bool TFindWindow::WaitFor(DWORD timeout_ms) const {
    HANDLE thread = thread_.get();
    const DWORD start = GetTickCount();
    for (;;) {
        // The worker may be waiting in its send to a window of this thread.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        DWORD left = INFINITE;
        if (timeout_ms != INFINITE) {
            const DWORD spent = GetTickCount() - start;
            left = spent >= timeout_ms ? 0 : timeout_ms - spent;
        }
        const DWORD r = MsgWaitForMultipleObjectsEx(1, &thread, left, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
    }
}

DWORD WINAPI TFindWindow::ThreadMain(LPVOID self) {
    static_cast<TFindWindow*>(self)->Execute();
    return 0;
}

bool TFindWindow::Stopping() const {
    return terminated_ || (setup_.ApplicationTerminated && setup_.ApplicationTerminated());
}

void TFindWindow::Execute() {
    while (!Stopping()) {
        if (!Busy) {
            Sleep(kIdlePollMs);
            continue;
        }
        RunRequest();
    }
}

void TFindWindow::RunRequest() {
    char desktopName[32] = {};
    wsprintfA(desktopName, "Vob desktop %08X", static_cast<unsigned>(GetCurrentThreadId()));
    TPanelSearch search;
    search.SetMode = SetMode;
    search.OutIndex = OutIndex;
    search.InIndex = InIndex;

    {
        const HDESK own = GetThreadDesktop(GetCurrentThreadId());
        DesktopHandle desktop(CreateDesktopA(desktopName, nullptr, nullptr, 0, GENERIC_ALL, nullptr));
        if (desktop && SetThreadDesktop(desktop.get())) {
            CleanUpPanels();
            const char* command = SoundPanelCommand(setup_.VersionClass);
            if (!setup_.SystemFolder.empty() && command) {
                TStartedProcess panel = StartProcess(SoundPanelStart(setup_.SystemFolder, command, desktopName));
                if (panel) {
                    search.ProcessId = panel.Id;
                    for (int pass = 0; pass < kSearchPasses && !Stopping(); ++pass) {
                        if (search.Pass()) break;
                        Sleep(kSearchPollMs);
                    }
                    // Found or not: a panel on a desktop nobody sees must not stay.
                    TerminateProcess(panel.Process.get(), 0);
                }
            }
            // A desktop that is still the thread's own cannot be closed: the
            // handle would stay open with every request.
            SetThreadDesktop(own);
        }
    }

    OutIndex = search.OutIndex;
    InIndex = search.InIndex;
    HWND notify = NotifyWindow;
    if (notify && !Stopping()) {
        if (search.Found)
            SendMessageA(notify, kDefaultDeviceFound, static_cast<WPARAM>(OutIndex), static_cast<LPARAM>(InIndex));
        else
            SendMessageA(notify, kDefaultDeviceFailed, 0, 0);
    }
    Busy = false;
}

}  // namespace dorvane
