// TTimer: a window timer that fires OnTimer on the thread that created it.
// Each timer owns a message-only window, so timers never collide on ids and
// never depend on the window that uses them.
#pragma once
#include <windows.h>
#include <functional>
#include "BoundWindow.h"

namespace dorvane {

class TTimer {
public:
    explicit TTimer(UINT interval_ms = 1000, bool enabled = false);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT Interval() const { return interval_; }
    // Changing the interval of a running timer starts its period afresh.
    void SetInterval(UINT interval_ms);

    void Start() { SetEnabled(true); }
    void Stop() { SetEnabled(false); }
    // Start, or start again if running: a full interval from now.
    void Restart();
    // Restart only when running; a stopped timer stays stopped.
    void RestartIfRunning();

    std::function<void()> OnTimer;

    // How often the timer has been started (a restart counts): tells a test
    // whether a running timer was restarted.
    unsigned StartCount() const { return start_count_; }

    // The window that receives WM_TIMER (for tests that look at it).
    HWND Handle() const { return window_.get(); }

private:
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Arm();
    void Disarm();

    UINT interval_;
    bool enabled_ = false;
    unsigned start_count_ = 0;
    BoundWindow window_;
};

}  // namespace dorvane
