// Scripts played on the service.
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include "LinkedService.h"
#include "phonesim/ScriptRunner.h"

using namespace phonesim;
using namespace phonesim_test;

TEST(ScriptRunner, RunsLinesUntilQuitAndSkipsBadOnes) {
    PhoneService service;  // not started: the operations act directly
    ScriptRunner runner(service);
    std::istringstream script(
        "# a test script\n"
        "phone present on\n"
        "navigation 3\n"
        "bogus line\n"
        "key down 17\n"
        "softphone out Speakers (USB Audio Device)\n"
        "quit\n"
        "call state 1\n");
    EXPECT_TRUE(runner.Run(script));
    ServiceState state = service.State();
    EXPECT_TRUE(state.phone_present);
    EXPECT_EQ(3, state.navigation);
    EXPECT_EQ(17, state.held_key);
    EXPECT_EQ(0, state.call_state);  // after quit: not run
    EXPECT_EQ("Speakers (USB Audio Device)", service.OutputDevice());
    EXPECT_TRUE(service.Log().WaitForLine("script line 4: error: unknown command: bogus line", std::chrono::milliseconds(0)));
}

TEST(ScriptRunner, EndOfTheScriptIsNotQuit) {
    PhoneService service;
    ScriptRunner runner(service);
    std::istringstream script("typing lock on\nwait 0\n");
    EXPECT_FALSE(runner.Run(script));
    EXPECT_TRUE(service.State().typing_locked);
}

TEST(ScriptRunner, CancelEndsAWait) {
    PhoneService service;
    ScriptRunner runner(service);
    std::thread player([&] { runner.RunLine("wait 60000"); });
    runner.Cancel();
    player.join();  // hangs for a minute if the wait ignored the cancel
    EXPECT_FALSE(runner.RunLine("phone present on"));
    EXPECT_FALSE(service.State().phone_present);
}

class ScriptRunnerLinked : public LinkedService {};

TEST_F(ScriptRunnerLinked, AChangedSwitchIsReportedAtOnce) {
    ScriptRunner runner(service);
    EXPECT_TRUE(runner.RunLine("typing lock on"));
    EXPECT_TRUE(runner.RunLine("typing lock on"));  // no change, no extra update
    EXPECT_TRUE(runner.RunLine("call state 1"));
    EXPECT_TRUE(runner.RunLine("key down 36"));
    EXPECT_TRUE(runner.RunLine("key up"));
    const std::vector<PhoneEvent> expected = {
        {0x200, 0x000000FF},
        {0x200, 0x010000FF},
        {0x200, 0x01000024},
        {0x200, 0x01000000},
    };
    EXPECT_EQ(expected, panel.events);
}
