// The panel and the phone service simulator, each doing its part of the
// handshake; the watchdog ends a search-mode panel once the service goes.
#include <gtest/gtest.h>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {

using namespace std::chrono_literals;

class PhoneServiceScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        ASSERT_EQ(FindPanelForm(), nullptr);
        config.phone_present = true;
        config.softphone_present = true;
    }
    phonesim::ServiceConfig config;
};

TEST_F(PhoneServiceScenario, AServiceThatRunsFirstAnswersThePanelsBroadcast) {
    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    PanelProcess panel({"VobSearchMode"});
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);

    EXPECT_TRUE(service.Log().WaitForLine("lParam=0x8001", 5000ms).has_value());
    ASSERT_TRUE(service.WaitForPanel(5000ms));
    EXPECT_EQ(service.PanelWindow(), form);

    // Status updates keep the link up well past the watchdog's 3 s: the
    // discover ended search mode, and the panel stays.
    PumpUntil([] { return false; }, 4500);
    EXPECT_TRUE(panel.Running());

    // The panel's exit sends the detach notice.
    const size_t before = service.Log().LineCount();
    EXPECT_EQ(RunPanelToEnd({"VobDestroyMode"}), 0);
    EXPECT_EQ(panel.WaitExit(5000), 0);
    EXPECT_TRUE(service.Log().WaitForLine("panel detached", 3000ms, before).has_value());
}

TEST_F(PhoneServiceScenario, AServiceStartingLaterIsFoundByItsOwnDiscover) {
    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);

    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    ASSERT_TRUE(service.WaitForPanel(5000ms));
    EXPECT_EQ(service.PanelWindow(), form);
}

TEST_F(PhoneServiceScenario, ADiscoverEndsSearchModeForGoodEvenWhenTheServiceGoes) {
    PanelProcess panel({"VobSearchMode"});
    ASSERT_NE(WaitForPanelForm(), nullptr);
    {
        phonesim::PhoneService service(config);
        ASSERT_TRUE(service.Start());
        ASSERT_TRUE(service.WaitForPanel(5000ms));
    }
    // The service is gone: the watchdog takes the link down after 3 s, and
    // the panel, no longer in search mode, stays.
    PumpUntil([] { return false; }, 5000);
    EXPECT_TRUE(panel.Running());
}

}  // namespace
}  // namespace dorvane::testing
