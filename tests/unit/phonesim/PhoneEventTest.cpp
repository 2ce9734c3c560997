// WM_PHONE_EVENT as the panel receives it: status updates, key reports and
// the update interval.
#include <gtest/gtest.h>
#include "LinkedService.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"

using namespace phonesim;
using namespace phonesim_test;
using dorvane::kCallSpeakerKeys;
using dorvane::kKeyDown;
using dorvane::kKeyPage;
using dorvane::kKeyUp;
using dorvane::MakeKeyEvent;

class PhoneEventTest : public LinkedService {};

TEST_F(PhoneEventTest, StatusUpdateCarriesTheSwitchesBitForBit) {
    struct Case {
        bool softphone, phone, lock;
        uint8_t navigation, call_state;
        PhoneEvent expected;
    };
    const Case cases[] = {
        {false, false, false, 0, 0, {0x00000000, 0x000000FF}},
        {true, false, false, 0, 0, {0x00000001, 0x000000FF}},
        {false, true, false, 0, 0, {0x00000100, 0x000000FF}},
        {false, false, true, 0, 0, {0x00000200, 0x000000FF}},
        {true, true, true, 1, 1, {0x00000301, 0x010001FF}},
        {false, true, true, 0xFF, 6, {0x00000300, 0x0600FFFF}},
        {true, true, false, 0x80, 0xFF, {0x00000101, 0xFF0080FF}},
    };
    for (const Case& c : cases) {
        service.SetSoftphonePresent(c.softphone);
        service.SetPhonePresent(c.phone);
        service.SetTypingLock(c.lock);
        service.SetNavigation(c.navigation);
        service.SetCallState(c.call_state);
        panel.Clear();
        // Sent to this thread while it waits: here by the time the call returns.
        ASSERT_TRUE(service.SendStatusNow());
        ASSERT_FALSE(panel.events.empty());
        EXPECT_EQ(c.expected, panel.events.back()) << std::hex << c.expected.status << " " << c.expected.event;
        EXPECT_EQ(c.expected.status, service.StatusWord());
    }
}

TEST_F(PhoneEventTest, KeyReportsOnlyWhenTheHeldKeyChanges) {
    service.SetPhonePresent(true);
    service.SetTypingLock(true);
    service.SetNavigation(1);
    service.SetCallState(kCallSpeakerKeys);
    panel.Clear();

    service.KeyDown(kKeyUp);
    service.KeyDown(kKeyUp);  // still held: no report
    service.KeyDown(kKeyDown);  // another key: reported
    service.KeyUp();
    service.KeyUp();      // nothing held: no report

    const std::vector<PhoneEvent> expected = {
        {0x300, MakeKeyEvent(kKeyUp, 1, kCallSpeakerKeys)},
        {0x300, MakeKeyEvent(kKeyDown, 1, kCallSpeakerKeys)},
        {0x300, MakeKeyEvent(0, 1, kCallSpeakerKeys)},
    };
    EXPECT_EQ(expected, panel.KeyReports());
    EXPECT_EQ(0, service.State().held_key);
}

TEST_F(PhoneEventTest, NoKeyAndTheStatusMarkerCannotBeHeld) {
    service.KeyDown(0);
    service.KeyDown(0xFF);
    EXPECT_TRUE(panel.KeyReports().empty());
    EXPECT_EQ(0, service.State().held_key);
    // A key report goes out whatever the switches say; the panel decides.
    service.KeyDown(kKeyPage);
    EXPECT_EQ((std::vector<PhoneEvent>{{0, MakeKeyEvent(kKeyPage, 0, 0)}}), panel.KeyReports());
}

TEST_F(PhoneEventTest, IntervalStaysBelowTheWatchdog) {
    struct Case {
        UINT asked, in_force;
    };
    const Case cases[] = {{500, 500}, {2999, 2999}, {3000, 2999}, {5000, 2999},
                          {0xFFFFFFFFu, 2999}, {1, kMinIntervalMs}, {1000, 1000}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.in_force, service.SetStatusInterval(c.asked)) << c.asked;
        EXPECT_EQ(c.in_force, service.State().interval_ms) << c.asked;
    }
    EXPECT_EQ(0u, service.SetStatusInterval(0));
    EXPECT_EQ(1000u, service.State().interval_ms);
}

class PeriodicUpdateTest : public LinkedService {
protected:
    PeriodicUpdateTest() : LinkedService(PeriodicConfig()) {}
};

TEST_F(PeriodicUpdateTest, UpdatesFollowTheInterval) {
    service.SetPhonePresent(true);
    panel.Clear();
    ASSERT_EQ(20u, service.SetStatusInterval(20));
    ASSERT_TRUE(panel.PumpUntil([&] { return panel.StatusUpdates().size() >= 3; }));
    for (const PhoneEvent& e : panel.StatusUpdates()) EXPECT_EQ((PhoneEvent{0x100, 0xFF}), e);
}

TEST(PhoneEventConfig, ConfigIntervalIsClampedToo) {
    ServiceConfig config;
    config.interval_ms = 10000;
    PhoneService service(std::move(config));
    EXPECT_EQ(kMaxIntervalMs, service.State().interval_ms);
}
