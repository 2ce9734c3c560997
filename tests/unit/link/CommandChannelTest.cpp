// Commands to the phone service, its answers, and requests of a later start.
#include "LinkFixture.h"

namespace dorvane::testing {
namespace {

using CommandChannelTest = LinkFixture;

TEST_F(CommandChannelTest, ACommandGoesOutAsBangTextAndAZeroByte) {
    MakeForm();
    Discover(service);
    service.Clear();

    form->SendCommand("GET AUDIO_IN");
    auto sent = service.MessagesOf(WM_COPYDATA);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].wp, reinterpret_cast<WPARAM>(Panel()));
    EXPECT_EQ(sent[0].dwData, 0u);
    EXPECT_EQ(sent[0].cbData, 14u);
    EXPECT_EQ(sent[0].bytes, std::string("!GET AUDIO_IN\0", 14));
}

TEST_F(CommandChannelTest, TheTextGoesOutAsGivenByteForByte) {
    MakeForm();
    Discover(service);
    service.Clear();
    const std::string utf8_name = "SET AUDIO_OUT Lautsprecher (USB-Ger\xC3\xA4t)";
    form->SendCommand(utf8_name);
    auto sent = service.MessagesOf(WM_COPYDATA);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].bytes, "!" + utf8_name + std::string(1, '\0'));
}

TEST_F(CommandChannelTest, CommandsAreDroppedWithoutALiveService) {
    MakeForm();
    form->SendCommand("GET AUDIO_OUT");  // waiting: nobody named yet
    Discover(service);
    form->SendCommand("");               // no text
    form->TimerDrvCheckTimer();
    form->SendCommand("GET AUDIO_OUT");  // lost
    PumpPending();
    EXPECT_TRUE(service.MessagesOf(WM_COPYDATA).empty());
}

// A message the service sends to a window on the panel's thread, whose work
// sends a command: held back while the service waits for the answer (sending
// back into a waiting sender could deadlock it), sent once the work has
// released the service first, as the status update's work does.
TEST_F(CommandChannelTest, ACommandFromInsideASentMessageGoesOutOnlyOnceTheSenderIsReleased) {
    MakeForm();
    Discover(service);
    constexpr UINT kWork = WM_USER + 7;
    constexpr UINT kReleaseThenWork = WM_USER + 8;
    BoundWindow nested;
    WindowClassDesc window_class;
    window_class.name = "NestedSenderWindow";
    ASSERT_TRUE(nested.Create(window_class, BoundWindow::Shape{}, [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg != kWork && msg != kReleaseThenWork) return BoundWindow::Default(hwnd, msg, wp, lp);
        if (msg == kReleaseThenWork) ReplyMessage(1);
        form->SendCommand("GET AUDIO_IN");
        return LRESULT(1);
    }));
    const struct {
        UINT msg;
        size_t commands;
    } cases[] = {{kWork, 0}, {kReleaseThenWork, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.msg);
        service.Clear();
        auto f = service.Send(nested.get(), c.msg, 0, 0);
        EXPECT_EQ(PumpFor(f), 1);
        PumpUntil([&] { return service.MessagesOf(WM_COPYDATA).size() >= c.commands; }, 1000);
        EXPECT_EQ(service.MessagesOf(WM_COPYDATA).size(), c.commands);
    }
    // Outside any sent message a command always goes out.
    service.Clear();
    form->SendCommand("GET AUDIO_IN");
    EXPECT_EQ(service.MessagesOf(WM_COPYDATA).size(), 1u);
}

TEST_F(CommandChannelTest, AnswersAreClaimedByTheirPrefixAnywhereInTheText) {
    MakeForm();
    struct Case {
        std::string bytes;
        LRESULT expected;
    } cases[] = {
        {std::string("AUDIO_IN Microphone\0", 20), 1},
        {std::string("xx AUDIO_OUT Speakers\0", 22), 1},
        {std::string("AUDIO_OUT a AUDIO_IN b\0", 23), 1},
        {std::string("RINGTONE 1 c:\\mute.wav\0", 23), 0},
        {std::string("AUDIO_IN", 8), 0},  // the prefix needs its blank
    };
    for (const auto& c : cases) {
        auto f = service.SendCopyData(Panel(), c.bytes, static_cast<DWORD>(c.bytes.size()));
        EXPECT_EQ(PumpFor(f), c.expected) << c.bytes;
    }
}

TEST_F(CommandChannelTest, APayloadWithoutBytesIsNotClaimed) {
    MakeForm();
    auto empty = service.SendCopyData(Panel(), "AUDIO_IN x", 0);
    EXPECT_EQ(PumpFor(empty), 0);
    auto no_data = service.SendCopyData(Panel(), std::string(), 0);
    EXPECT_EQ(PumpFor(no_data), 0);
}

TEST_F(CommandChannelTest, TheTextStopsAtCbDataEvenWithoutAZeroByte) {
    MakeForm();
    // Only "AUDIO_" lies inside cbData: nothing beyond it may be read.
    std::string bytes = "AUDIO_OUT Speakers";
    auto f = service.SendCopyData(Panel(), bytes, 6);
    EXPECT_EQ(PumpFor(f), 0);
}

TEST_F(CommandChannelTest, InstanceRequestsNeedTheSignatureAndAreAlwaysAnswered) {
    MakeForm();
    EXPECT_EQ(SendFrom(service, WM_UI_EXIT, 51362, 0x5D2E6A18), 1);
    EXPECT_EQ(SendFrom(service, WM_UI_EXIT, 51363, 0x5D2E6A17), 1);
    EXPECT_EQ(SendFrom(service, WM_UI_SHOW, 0, 0), 1);
    EXPECT_FALSE(form->ExitRequested);
    EXPECT_FALSE(IsWindowVisible(Panel()));
    EXPECT_FALSE(form->TimerMin.Enabled());
    EXPECT_FALSE(TakeQuit());

    EXPECT_EQ(SendFrom(service, WM_UI_SHOW, 51362, 0x5D2E6A17), 1);
    EXPECT_TRUE(IsWindowVisible(Panel()));
    EXPECT_TRUE(form->TimerMin.Enabled());

    EXPECT_EQ(SendFrom(service, WM_UI_EXIT, 51362, 0x5D2E6A17), 1);
    EXPECT_TRUE(form->ExitRequested);
    EXPECT_TRUE(TakeQuit());
}

TEST_F(CommandChannelTest, TheCloseBoxOnlyHidesTheWindow) {
    MakeForm();
    SendFrom(service, WM_UI_SHOW, 51362, 0x5D2E6A17);
    ASSERT_TRUE(IsWindowVisible(Panel()));
    SendMessageA(Panel(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Panel()));
    EXPECT_FALSE(form->ExitRequested);
    EXPECT_FALSE(TakeQuit());
    EXPECT_TRUE(IsWindow(Panel()));
}

}  // namespace
}  // namespace dorvane::testing
