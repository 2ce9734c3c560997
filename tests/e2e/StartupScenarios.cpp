// Start-up, the hand-over of a second start, exit paths and the handshake,
// with the real program in its own process.
#include <gtest/gtest.h>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

UINT Attach() { return RegisterWindowMessageA(kAttachMessageName); }
UINT Discover() { return RegisterWindowMessageA(kDiscoverMessageName); }

class StartupScenario : public ::testing::Test {
protected:
    void SetUp() override {
        // A panel left over by an earlier scenario would take the requests.
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        ASSERT_EQ(FindPanelForm(), nullptr);
    }
};

TEST_F(StartupScenario, ASecondStartOpensTheRunningPanelAndEnds) {
    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(IsWindowVisible(form));  // only the tray icon at start

    EXPECT_EQ(RunPanelToEnd({}), 0);
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_TRUE(panel.Running());

    // Other letter case, or the word among others: only opens the window.
    EXPECT_EQ(RunPanelToEnd({"vobdestroymode"}), 0);
    EXPECT_EQ(RunPanelToEnd({"VobDestroyMode", "now"}), 0);
    EXPECT_TRUE(panel.Running());
}

TEST_F(StartupScenario, ASecondStartWithTheDestroyWordEndsBoth) {
    PanelProcess panel;
    ASSERT_NE(WaitForPanelForm(), nullptr);
    EXPECT_EQ(RunPanelToEnd({"VobDestroyMode"}), 0);
    EXPECT_EQ(panel.WaitExit(5000), 0);
    EXPECT_EQ(FindWindowA("TApplication", "Dorvane UI"), nullptr);
}

TEST_F(StartupScenario, AFirstStartWithTheDestroyWordEndsByItself) {
    EXPECT_EQ(RunPanelToEnd({"VobDestroyMode"}, 10000), 0);
}

TEST_F(StartupScenario, SearchModeExitsWhenNoServiceAnswers) {
    PanelProcess panel({"VobSearchMode"});
    ASSERT_NE(WaitForPanelForm(), nullptr);
    // The watchdog's 3 s, plus start-up time.
    EXPECT_EQ(panel.WaitExit(10000), 0);
}

TEST_F(StartupScenario, HandshakeCommandsAndDetachWithAServiceStandIn) {
    PeerWindow service;
    PanelProcess panel({"VobSearchMode"});
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);

    // The start-up broadcast names the panel's main window.
    ASSERT_TRUE(PumpUntil([&] { return !service.MessagesOf(Attach()).empty(); }, 5000));
    auto broadcast = service.MessagesOf(Attach())[0];
    EXPECT_EQ(reinterpret_cast<HWND>(broadcast.wp), form);
    EXPECT_EQ(broadcast.lp, 0x8001);
    service.Clear();

    // The service answers with discover; the panel posts attach back.
    auto discover = service.Send(form, Discover(), reinterpret_cast<WPARAM>(service.Handle()), 0);
    EXPECT_EQ(PumpFor(discover), 1);
    ASSERT_TRUE(PumpUntil([&] { return !service.MessagesOf(Attach()).empty(); }, 3000));
    EXPECT_EQ(reinterpret_cast<HWND>(service.MessagesOf(Attach())[0].wp), form);
    EXPECT_EQ(service.MessagesOf(Attach())[0].lp, 0);

    // Status updates keep the link alive past the watchdog: search mode ended
    // with the discover, and the panel stays.
    for (int i = 0; i < 4; ++i) {
        auto update = service.Send(form, WM_PHONE_EVENT, kDeviceBit, MakeKeyEvent(0xFF, 0, 0));
        EXPECT_EQ(PumpFor(update), 1);
        PumpUntil([] { return false; }, 1000);
    }
    EXPECT_TRUE(panel.Running());

    // A text that is no answer is left to the default handling.
    std::string hello("HELLO\0", 6);
    auto other = service.SendCopyData(form, hello, 6);
    EXPECT_EQ(PumpFor(other), 0);
    auto answer = service.SendCopyData(form, std::string("AUDIO_OUT Speakers\0", 19), 19);
    EXPECT_EQ(PumpFor(answer), 1);

    // Exit: the detach notice reaches the service.
    service.Clear();
    EXPECT_EQ(RunPanelToEnd({"VobDestroyMode"}), 0);
    EXPECT_EQ(panel.WaitExit(5000), 0);
    auto detach = service.MessagesOf(Attach());
    ASSERT_EQ(detach.size(), 1u);
    EXPECT_EQ(detach[0].wp, 0u);
    EXPECT_EQ(detach[0].lp, 0);
}

}  // namespace
}  // namespace dorvane::testing
