#include "Timer.h"
#include "HandlerGuard.h"

namespace dorvane {
namespace {
constexpr char kTimerClass[] = "DorvaneTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(UINT interval_ms, bool enabled) : interval_(interval_ms) {
    BoundWindow::Shape shape;
    shape.parent = HWND_MESSAGE;
    WindowClassDesc window_class;
    window_class.name = kTimerClass;
    window_.Create(window_class, shape,
                   [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return WindowProc(hwnd, msg, wp, lp); });
    SetEnabled(enabled);
}

TTimer::~TTimer() { Disarm(); }

void TTimer::Arm() {
    ++start_count_;
    if (!window_) return;
    // The same id again replaces a running timer and starts its period
    // afresh: a restart is this one call, never a kill and a set.
    if (interval_ > 0) SetTimer(window_.get(), kTimerId, interval_, nullptr);
    else Disarm();
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
    if (enabled_) Arm();
}

void TTimer::Restart() {
    enabled_ = true;
    Arm();
}

void TTimer::RestartIfRunning() {
    if (enabled_) Restart();
}

LRESULT TTimer::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kTimerId) {
        // A tick already queued when the timer was stopped must not fire.
        if (enabled_ && OnTimer) GuardedCall([&] { OnTimer(); });
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace dorvane
