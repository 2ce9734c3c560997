#include "Timer.h"
#include "controls/WindowClass.h"
#include "HandlerGuard.h"

namespace dorvane {
namespace {
constexpr char kTimerClass[] = "DorvaneTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(UINT interval_ms, bool enabled) : interval_(interval_ms) {
    RegisterWindowClass({kTimerClass});
    window_.reset(CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr));
    if (window_) {
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrA(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TTimer::WndProc));
    }
    SetEnabled(enabled);
}

TTimer::~TTimer() {
    Disarm();
    if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

void TTimer::Arm() {
    ++start_count_;
    if (window_ && interval_ > 0) SetTimer(window_.get(), kTimerId, interval_, nullptr);
}

void TTimer::Disarm() {
    if (window_) KillTimer(window_.get(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) Arm(); else Disarm();
}

void TTimer::SetInterval(UINT interval_ms) {
    if (interval_ms == interval_) return;
    interval_ = interval_ms;
    if (enabled_) {
        Disarm();
        Arm();
    }
}

void TTimer::Restart() {
    Stop();
    Start();
}

void TTimer::RestartIfRunning() {
    if (enabled_) Restart();
}

LRESULT CALLBACK TTimer::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kTimerId) {
        auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        // A tick already queued when the timer was stopped must not fire.
        if (self && self->enabled_ && self->OnTimer) GuardedCall([&] { self->OnTimer(); });
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace dorvane
