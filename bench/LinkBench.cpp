// The panel's handling of one status update from the phone service: the
// service's thread sends WM_PHONE_EVENT (device bit, key code 0xFF) with the
// link's own time-out while the panel's thread runs its message loop.
//
// The panel replies before its work, so a single send returns early; the
// next send waits until the panel is back in its loop. Sent back to back,
// the time per send is therefore the whole handling.
//
// The phone is there (a simulated legacy mixer with its speaker and
// microphone), so after the first update the volume group is enabled and
// each update takes the common path.
//
// Baseline: the same cross-thread send to a bare window on the panel's
// thread that only returns 1, i.e. what the message transport alone costs.
// Because the panel releases the service before its work, the two threads
// overlap and the ratio can come out below 1 while the work is cheaper than
// the transport. A second line ("link-local") therefore sends from the panel's
// own thread, where a send is a plain call of the window procedure: that
// ratio is the handling's own cost against an empty window procedure.
#include <windows.h>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <future>
#include <string>
#include "BenchPhone.h"
#include "BenchSupport.h"
#include "PeerWindow.h"
#include "SimWinmm.h"
#include "app/Application.h"
#include "app/SystemInfo.h"
#include "app/Unit1.h"
#include "controls/Handles.h"
#include "link/LinkProtocol.h"

namespace {

using namespace dorvane;

constexpr char kBareClass[] = "DorvaneBenchBare";

LRESULT CALLBACK BareWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PHONE_EVENT) return 1;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

WindowHandle MakeBareWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &BareWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kBareClass;
    RegisterClassA(&wc);
    return WindowHandle(CreateWindowExA(0, kBareClass, "bare", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr));
}

// One status update as the service sends it; false when it timed out or
// was refused.
bool SendStatus(HWND to) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(to, WM_PHONE_EVENT, kDeviceBit, MakeKeyEvent(kStatusUpdateKey, 0, 0),
                               SMTO_ABORTIFHUNG, kLinkSendTimeoutMs, &result) != 0 &&
           result == 1;
}

}  // namespace

int main() {
    TApplication app;
    app.Initialize();
    std::string error;
    // An error box would wait for a click that never comes.
    app.ShowErrorBox = [&](const std::string& text, const std::string&) { error = text; };
    test::SimWinmm phone;
    bench::AddSimulatedPhone(phone);
    testing::PeerWindow service;  // outlives the panel: it gets the detach notice
    TForm1 form(app, SystemInfo{}, {}, test::SimWinmm::Table());
    form.FormCreate();
    const WindowHandle bare = MakeBareWindow();
    if (!form.Handle() || !bare) {
        std::printf("link: could not create the windows\n");
        return 1;
    }

    // The handshake first, so that the panel treats the sender as its service.
    auto discovered = service.Send(form.Handle(), RegisterWindowMessageA(kDiscoverMessageName),
                                   reinterpret_cast<WPARAM>(service.Handle()), 0);
    testing::PumpFor(discovered);
    // The first update finds the phone and enables the group.
    auto first = service.Run([&] { return LRESULT(SendStatus(form.Handle())); });
    testing::PumpFor(first);
    if (!form.suiGroupBoxVol->Enabled()) {
        std::printf("link: the simulated phone was not found\n");
        return 1;
    }

    const HWND panel = form.Handle();
    const HWND bareWindow = bare.get();
    std::atomic<int> failures{0};
    auto measured = service.Run([&] {
        const bench::Comparison c = bench::Compare(
            [&](std::int64_t) { failures += !SendStatus(panel); },
            [&](std::int64_t) { failures += !SendStatus(bareWindow); });
        if (failures == 0) bench::Report("link", c, 0);
        return LRESULT(0);
    });
    // The panel's thread answers the sends meanwhile, as its message loop does.
    testing::PumpUntil([&] { return measured.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                       10 * 60 * 1000);
    measured.get();
    if (failures != 0) {
        std::printf("link: %d status updates were not answered\n", failures.load());
        return 1;
    }

    const bench::Comparison local = bench::Compare([&](std::int64_t) { failures += !SendStatus(panel); },
                                                   [&](std::int64_t) { failures += !SendStatus(bareWindow); });
    testing::PumpPending();
    if (failures != 0) {
        std::printf("link-local: %d status updates were not answered\n", failures.load());
        return 1;
    }
    bench::Report("link-local", local, 0);

    if (!error.empty()) {
        std::printf("link: the panel reported an error: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
