// The handshake, the dispatch of phone events and the watchdog.
#include "LinkFixture.h"
#include "link/KeypadKeys.h"

namespace dorvane::testing {
namespace {

constexpr uint32_t kStatusOnly = 0xFF;

using ServiceLinkTest = LinkFixture;

TEST_F(ServiceLinkTest, RegistersTheThreeMessagesUnderTheirNames) {
    MakeForm();
    EXPECT_EQ(form->WM_DeviceChange, RegisterWindowMessageA("winmm_devicechange"));
    EXPECT_EQ(form->WM_Discover, RegisterWindowMessageA("TALVEXWiredUIDiscover"));
    EXPECT_EQ(form->WM_Attach, RegisterWindowMessageA("TALVEXWiredUIAttach"));
    for (UINT m : {form->WM_DeviceChange, form->WM_Discover, form->WM_Attach}) {
        EXPECT_GE(m, 0xC000u);
        EXPECT_LE(m, 0xFFFFu);
    }
}

TEST_F(ServiceLinkTest, StartsWaitingWithTheWatchdogRunningAndBroadcastsAttach) {
    MakeForm();
    EXPECT_EQ(form->ServiceWnd, nullptr);
    EXPECT_EQ(form->SavedServiceWnd, nullptr);
    EXPECT_EQ(form->StatusWord, 0u);
    EXPECT_EQ(form->KeyEvent, 0u);
    EXPECT_TRUE(form->TimerDrvCheck.Enabled());
    EXPECT_EQ(form->TimerDrvCheck.Interval(), 3000u);
    EXPECT_FALSE(form->TimerKeyRepeat.Enabled());
    EXPECT_FALSE(form->TimerDevChg.Enabled());
    EXPECT_EQ(form->TrayImage(), 0);

    auto attaches = service.MessagesOf(Attach());
    ASSERT_EQ(attaches.size(), 1u);
    EXPECT_EQ(attaches[0].wp, reinterpret_cast<WPARAM>(Panel()));
    EXPECT_EQ(attaches[0].lp, 0x8001);
}

TEST_F(ServiceLinkTest, DiscoverNamesTheServiceAndIsAnsweredWithAttach) {
    MakeForm({"VobSearchMode"});
    ASSERT_TRUE(form->SearchMode);
    service.Clear();
    form->TimerDrvCheck.Stop();

    EXPECT_EQ(Discover(service), 1);
    EXPECT_EQ(form->ServiceWnd, service.Handle());
    EXPECT_EQ(form->SavedServiceWnd, service.Handle());
    EXPECT_FALSE(form->SearchMode);
    EXPECT_TRUE(form->TimerDrvCheck.Enabled());

    auto attaches = AttachesAt(service, 1);
    ASSERT_EQ(attaches.size(), 1u);
    EXPECT_EQ(attaches[0].wp, reinterpret_cast<WPARAM>(Panel()));
    EXPECT_EQ(attaches[0].lp, 0);
}

TEST_F(ServiceLinkTest, DiscoverFromTheSameWindowAgainPostsTwoAttaches) {
    MakeForm();
    Discover(service);
    AttachesAt(service, 2);
    service.Clear();
    Discover(service);
    EXPECT_EQ(AttachesAt(service, 2).size(), 2u);
}

TEST_F(ServiceLinkTest, DiscoverFromANewServicePostsAttachToOldAndNew) {
    MakeForm();
    Discover(service);
    AttachesAt(service, 2);
    service.Clear();

    PeerWindow second;
    Discover(second);
    EXPECT_EQ(form->ServiceWnd, second.Handle());
    EXPECT_EQ(AttachesAt(service, 1).size(), 1u);
    auto at_second = AttachesAt(second, 1);
    ASSERT_EQ(at_second.size(), 1u);
    EXPECT_EQ(at_second[0].wp, reinterpret_cast<WPARAM>(Panel()));
}

TEST_F(ServiceLinkTest, StatusUpdateStoresTheWordsAndSetsTheTrayImage) {
    MakeForm();
    Discover(service);

    EXPECT_EQ(PhoneEvent(service, kDeviceBit, MakeKeyEvent(0xFF, 0, 0)), 1);
    EXPECT_EQ(form->StatusWord, kDeviceBit);
    EXPECT_EQ(form->KeyEvent, kStatusOnly);
    EXPECT_EQ(form->TrayImage(), 1);

    PhoneEvent(service, kDeviceBit | kSkypeBit, MakeKeyEvent(0xFF, 3, 1));
    EXPECT_EQ(form->TrayImage(), 2);
    EXPECT_EQ(form->KeyEvent, 0x010003FFu);

    PhoneEvent(service, kKeyboardLockBit, MakeKeyEvent(0xFF, 3, 0));
    EXPECT_EQ(form->TrayImage(), 0);
    EXPECT_FALSE(form->TimerKeyRepeat.Enabled());
}

TEST_F(ServiceLinkTest, KeyReportWithoutTheDeviceBitOnlyStoresTheWords) {
    MakeForm();
    PhoneEvent(service, kDeviceBit, MakeKeyEvent(0xFF, 2, 0));
    ASSERT_EQ(form->TrayImage(), 2);
    form->TimerDrvCheck.Stop();

    PhoneEvent(service, kSkypeBit, MakeKeyEvent(kKeyPage, 0, 0));
    EXPECT_TRUE(form->TimerDrvCheck.Enabled());
    EXPECT_EQ(form->StatusWord, kSkypeBit);
    EXPECT_EQ(form->KeyEvent, uint32_t{kKeyPage});
    EXPECT_EQ(form->HeldKey, 0);
    EXPECT_EQ(form->PrevKey, 0);
    EXPECT_FALSE(form->TimerKeyRepeat.Enabled());
    EXPECT_EQ(form->TrayImage(), 2);
}

TEST_F(ServiceLinkTest, KeyReportsRunTheRepeatTimerWhileAKeyIsHeld) {
    MakeForm();
    PhoneEvent(service, kDeviceBit, MakeKeyEvent(kKeyUp, 1, 0));
    // The key step that follows the report takes the held key as the last one.
    EXPECT_EQ(form->HeldKey, kKeyUp);
    EXPECT_EQ(form->PrevKey, kKeyUp);
    EXPECT_TRUE(form->TimerKeyRepeat.Enabled());
    EXPECT_EQ(form->TimerKeyRepeat.Interval(), 300u);

    PhoneEvent(service, kDeviceBit, MakeKeyEvent(0, 1, 0));
    EXPECT_EQ(form->HeldKey, 0);
    EXPECT_EQ(form->PrevKey, 0);
    EXPECT_FALSE(form->TimerKeyRepeat.Enabled());
}

TEST_F(ServiceLinkTest, WatchdogTakesTheLinkDownAndKeepsWhatWasStored) {
    MakeForm();
    Discover(service);
    PhoneEvent(service, kDeviceBit | kKeyboardLockBit, MakeKeyEvent(0xFF, 1, 0));
    ASSERT_EQ(form->TrayImage(), 2);

    form->TimerDrvCheckTimer();
    EXPECT_EQ(form->ServiceWnd, nullptr);
    EXPECT_EQ(form->SavedServiceWnd, service.Handle());
    EXPECT_FALSE(form->TimerDrvCheck.Enabled());
    EXPECT_EQ(form->TrayImage(), 0);
    EXPECT_EQ(form->StatusWord, kDeviceBit | kKeyboardLockBit);
    EXPECT_EQ(form->KeyEvent, MakeKeyEvent(0xFF, 1, 0));
    EXPECT_FALSE(form->ExitRequested);
    EXPECT_FALSE(TakeQuit());
}

TEST_F(ServiceLinkTest, APhoneEventAfterTheWatchdogRestoresTheSavedService) {
    MakeForm();
    Discover(service);
    form->TimerDrvCheckTimer();
    ASSERT_EQ(form->ServiceWnd, nullptr);

    PhoneEvent(service, kDeviceBit, MakeKeyEvent(0xFF, 0, 0));
    EXPECT_EQ(form->ServiceWnd, service.Handle());
    EXPECT_TRUE(form->TimerDrvCheck.Enabled());
}

TEST_F(ServiceLinkTest, APhoneEventWhileStillWaitingLeavesCommandsDropped) {
    MakeForm();
    PhoneEvent(service, kDeviceBit, MakeKeyEvent(0xFF, 0, 0));
    EXPECT_EQ(form->ServiceWnd, nullptr);
    EXPECT_TRUE(form->TimerDrvCheck.Enabled());
}

TEST_F(ServiceLinkTest, WatchdogInSearchModeExits) {
    MakeForm({"VobSearchMode"});
    form->TimerDrvCheckTimer();
    EXPECT_TRUE(form->ExitRequested);
    EXPECT_TRUE(TakeQuit());
}

TEST_F(ServiceLinkTest, ADiscoverEndsSearchModeForGood) {
    MakeForm({"VobSearchMode"});
    Discover(service);
    form->TimerDrvCheckTimer();
    EXPECT_FALSE(form->ExitRequested);
    EXPECT_FALSE(TakeQuit());
}

TEST_F(ServiceLinkTest, AnAttachReachingThePanelIsOnlyAcknowledged) {
    MakeForm();
    EXPECT_EQ(SendFrom(service, Attach(), reinterpret_cast<WPARAM>(service.Handle()), 0x8001), 1);
    EXPECT_EQ(form->ServiceWnd, nullptr);
    EXPECT_EQ(form->SavedServiceWnd, nullptr);
}

TEST_F(ServiceLinkTest, DeviceChangeRestartsTheSettleTimer) {
    MakeForm();
    EXPECT_EQ(SendFrom(service, form->WM_DeviceChange, 0, 0), 1);
    EXPECT_TRUE(form->TimerDevChg.Enabled());
    EXPECT_EQ(form->TimerDevChg.Interval(), 1000u);
    form->TimerDevChgTimer();
    EXPECT_FALSE(form->TimerDevChg.Enabled());
}

TEST_F(ServiceLinkTest, SettingChangeGoesOnToTheDefaultHandling) {
    MakeForm();
    EXPECT_EQ(SendFrom(service, WM_SETTINGCHANGE, 0, 0), 0);
}

TEST_F(ServiceLinkTest, DetachNoticeGoesToTheLiveServiceAtShutdown) {
    MakeForm();
    Discover(service);
    AttachesAt(service, 2);
    service.Clear();

    // The detach notice is a send: the service has it once the form is gone.
    form.reset();
    auto attaches = service.MessagesOf(Attach());
    ASSERT_EQ(attaches.size(), 1u);
    EXPECT_EQ(attaches[0].wp, 0u);
    EXPECT_EQ(attaches[0].lp, 0);
}

TEST_F(ServiceLinkTest, NoDetachNoticeOnceTheLinkIsDown) {
    MakeForm();
    Discover(service);
    form->TimerDrvCheckTimer();
    AttachesAt(service, 2);
    service.Clear();
    form.reset();
    PumpPending();
    EXPECT_TRUE(service.MessagesOf(Attach()).empty());
}

}  // namespace
}  // namespace dorvane::testing
