// The smallest tray program the panel's figures are held against: a window
// class, a hidden window, the tray icon, and a message loop. It says it is
// there the way the panel does (the attach broadcast right after its icon),
// answers a phone event at once as the panel does, and restarts a watchdog
// timer of the panel's interval on each one, so its idle work is the same
// timer traffic without anything behind it.
//
//   MinimalTray.exe [--wave]   (--wave: list the wave devices first, as the
//                               panel's start-up enumeration does)
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <cstring>
#include "link/LinkProtocol.h"

namespace {

using namespace dorvane;

constexpr UINT kTrayCallback = WM_APP + 1;
constexpr UINT_PTR kWatchdogTimer = 1;
UINT g_attach = 0;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PHONE_EVENT) {
        ReplyMessage(1);
        // The same id replaces the running timer and starts it afresh.
        SetTimer(hwnd, kWatchdogTimer, kWatchdogMs, nullptr);
        return 1;
    }
    if (msg == g_attach) return 1;
    switch (msg) {
        case WM_TIMER:
            KillTimer(hwnd, kWatchdogTimer);
            return 0;
        case WM_DESTROY: {
            NOTIFYICONDATAA icon{};
            icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
            icon.hWnd = hwnd;
            icon.uID = 1;
            Shell_NotifyIconA(NIM_DELETE, &icon);
            PostQuitMessage(0);
            return 0;
        }
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

void ListWaveDevices() {
    for (UINT i = 0, n = waveOutGetNumDevs(); i < n; ++i) {
        WAVEOUTCAPSA caps{};
        waveOutGetDevCapsA(i, &caps, sizeof caps);
    }
    for (UINT i = 0, n = waveInGetNumDevs(); i < n; ++i) {
        WAVEINCAPSA caps{};
        waveInGetDevCapsA(i, &caps, sizeof caps);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    if (command_line && std::strstr(command_line, "--wave")) ListWaveDevices();
    g_attach = RegisterWindowMessageA(kAttachMessageName);

    WNDCLASSA wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "DorvaneMinimalTray";
    if (!RegisterClassA(&wc)) return 1;
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Minimal tray", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;

    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayCallback;
    icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "Minimal tray", sizeof icon.szTip);
    Shell_NotifyIconA(NIM_ADD, &icon);
    SetTimer(window, kWatchdogTimer, kWatchdogMs, nullptr);

    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, g_attach, reinterpret_cast<WPARAM>(window), kAttachBroadcastTag,
                        SMTO_ABORTIFHUNG, kLinkSendTimeoutMs, &ignored);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
