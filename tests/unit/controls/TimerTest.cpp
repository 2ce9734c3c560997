#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/Timer.h"

namespace dorvane::test {
namespace {

// A tick as the system delivers it.
void Tick(const TTimer& timer) { SendMessageA(timer.Handle(), WM_TIMER, 1, 0); }

TEST(Timer, RestartIfRunningLeavesAStoppedTimerStopped) {
    TTimer timer(10000);
    timer.RestartIfRunning();
    EXPECT_FALSE(timer.Enabled());
    timer.Start();
    timer.RestartIfRunning();
    EXPECT_TRUE(timer.Enabled());
    timer.Restart();
    timer.Stop();
    timer.Restart();
    EXPECT_TRUE(timer.Enabled());
}

TEST(Timer, HandlerThatStopsTheTimerLeavesItStopped) {
    TTimer timer(500, true);
    EventLog log;
    timer.OnTimer = [&] {
        log.push_back("tick");
        timer.Stop();
    };
    Tick(timer);
    Tick(timer);  // queued before the stop: must not fire
    EXPECT_EQ(log, (EventLog{"tick"}));
    EXPECT_FALSE(timer.Enabled());
}

}  // namespace
}  // namespace dorvane::test
