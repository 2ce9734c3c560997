// Messages a hung, crashed or lying phone service, or a stranger, may send
// the real panel: odd WM_COPYDATA payloads and Skype answers, floods of
// phone events, instance requests without the signature, and a service
// that stops answering. After each the panel still answers, shows nothing
// it was not told, and the user's settings are as they were.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "Surroundings.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

int TopOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.top;
}

std::vector<std::wstring> ItemsOf(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) items.push_back(ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
    return items;
}

int SelectedOf(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

bool OverlayShown() {
    HWND overlay = FindWindowA("TForm2", nullptr);
    return overlay && IsWindowVisible(overlay);
}

// The panel beside a peer window that plays the phone service: it has sent
// the discover message, so the panel's commands come to it.
class BadMessageScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        settings_before = SettingsValues();
        // The simulated endpoints give Skype's lists devices to name.
        panel = std::make_unique<PanelProcess>(std::vector<std::string>{}, EndpointSimFolder());
        form = WaitForPanelForm();
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(OpenAndClosePanelWindow(form));
        auto discover = peer.Send(form, RegisterWindowMessageA(kDiscoverMessageName),
                                  reinterpret_cast<WPARAM>(peer.Handle()), 0);
        ASSERT_EQ(PumpFor(discover), 1);
        // Skype's two lists share their group box.
        std::vector<HWND> combos;
        Collect(form, "ComboBox", combos);
        for (HWND c : combos)
            if (std::count_if(combos.begin(), combos.end(), [&](HWND o) { return GetParent(o) == GetParent(c); }) == 2)
                skype.push_back(c);
        std::sort(skype.begin(), skype.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
        ASSERT_EQ(skype.size(), 2u);
    }
    void TearDown() override {
        panel.reset();
        EXPECT_EQ(SettingsValues(), settings_before) << Describe(SettingsValues());
    }
    // A status update as the service sends it; true when the panel took it.
    bool Status(uint32_t word) {
        auto sent = peer.Send(form, WM_PHONE_EVENT, word, MakeKeyEvent(kStatusUpdateKey, 0, 0));
        return PumpFor(sent) == 1;
    }
    // Waits until the panel is through with everything posted to it so far:
    // a discover posted last is handled last and posts the attach back.
    bool Drained() {
        const UINT attach = RegisterWindowMessageA(kAttachMessageName);
        const size_t before = peer.MessagesOf(attach).size();
        PostMessageA(form, RegisterWindowMessageA(kDiscoverMessageName), reinterpret_cast<WPARAM>(peer.Handle()), 0);
        return PumpUntil([&] { return peer.MessagesOf(attach).size() >= before + 2; }, 20000);
    }
    size_t CommandsReceived() const { return peer.MessagesOf(WM_COPYDATA).size(); }
    bool SkypeGroupEnabled() const { return IsWindowEnabled(GetParent(skype[0])) != FALSE; }

    RawValues settings_before;
    PeerWindow peer;
    std::unique_ptr<PanelProcess> panel;
    HWND form = nullptr;
    std::vector<HWND> skype;  // output list, input list
};

TEST_F(BadMessageScenario, OddCopyDataAndSkypeAnswersShowNothingAndSendNothingOn) {
    const HWND out = skype[0], in = skype[1];
    ASSERT_TRUE(Status(kSkypeBit));
    ASSERT_TRUE(PumpUntil([&] { return SkypeGroupEnabled() && CommandsReceived() >= 2; }, 3000));
    const auto out_items = ItemsOf(out), in_items = ItemsOf(in);
    ASSERT_GE(out_items.size(), 2u) << "no wave output device";
    ASSERT_GE(in_items.size(), 2u) << "no wave input device";
    const std::string device(out_items[1].begin(), out_items[1].end());  // an ASCII name from the sound server
    for (wchar_t c : out_items[1]) ASSERT_LT(c, 0x80);

    constexpr DWORD kWhole = 0xFFFFFFFF;  // cbData: all the bytes given
    const struct {
        const char* name;
        std::string bytes;
        DWORD cbData;
        LRESULT reply;
        int out_selected, in_selected;  // -2: not looked at
    } cases[] = {
        {"cbData 0", "AUDIO_OUT x", 0, 0, -2, -2},
        {"one byte", "A", 1, 0, -2, -2},
        {"an answer without its 0 byte", "AUDIO_OUT " + device, kWhole, 1, 1, -2},
        {"an answer that names no device", std::string("AUDIO_OUT Nowhere\0", 18), kWhole, 1, 0, -2},
        {"64 KiB, no 0 byte", "AUDIO_IN " + std::string(65536, 'A'), kWhole, 1, -2, 0},
        {"64 KiB of another text", std::string(65536, 'Z'), kWhole, 0, -2, -2},
        {"broken UTF-8", "AUDIO_OUT " + device + "\xC3\x28", kWhole, 1, 0, -2},
        {"an overlong UTF-8 form", "AUDIO_OUT \xC0\xA0" + device, kWhole, 1, 0, -2},
        {"a lone continuation byte", "AUDIO_OUT \x80" + device, kWhole, 1, 0, -2},
        {"double-encoded, then broken", "AUDIO_OUT " + device + "\xC3\x83\x28", kWhole, 1, 0, -2},
        {"a truncated sequence at the end", "AUDIO_IN " + device + "\xE2\x82", kWhole, 1, -2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each answer starts from the device's entry, so that a wrong pick shows.
        ASSERT_TRUE(Status(kSkypeBit));
        auto select = peer.SendCopyData(form, "AUDIO_OUT " + device + '\0', static_cast<DWORD>(device.size() + 11));
        ASSERT_EQ(PumpFor(select), 1);
        auto select_in = peer.SendCopyData(form, "AUDIO_IN " + device + '\0', static_cast<DWORD>(device.size() + 10));
        PumpFor(select_in);
        const size_t commands = CommandsReceived();

        const DWORD size = c.cbData == kWhole ? static_cast<DWORD>(c.bytes.size()) : c.cbData;
        auto sent = peer.SendCopyData(form, c.bytes, size);
        EXPECT_EQ(PumpFor(sent), c.reply);
        EXPECT_TRUE(Answers(form));
        if (c.out_selected != -2) {
            EXPECT_EQ(SelectedOf(out), c.out_selected);
        }
        if (c.in_selected != -2) {
            EXPECT_EQ(SelectedOf(in), c.in_selected);
        }
        EXPECT_EQ(ItemsOf(out), out_items);
        EXPECT_EQ(ItemsOf(in), in_items);
        EXPECT_EQ(CommandsReceived(), commands) << "an answer was sent on";
    }

    // No data behind a non-zero size: Wine's sender side decides whether it
    // goes out at all; whatever arrives is not claimed.
    auto null_data = peer.SendCopyData(form, std::string(), 16);
    const LRESULT null_reply = PumpFor(null_data);
    std::cout << "[ note ] WM_COPYDATA with lpData null and cbData 16: "
              << (null_reply == -1 ? "refused by the sender side" : "delivered, answer " + std::to_string(null_reply))
              << "\n";
    EXPECT_NE(null_reply, 1);
    EXPECT_TRUE(Answers(form));
    EXPECT_TRUE(panel->Running());
}

TEST_F(BadMessageScenario, AFloodOfPhoneEventsEndsWithThePanelShowingTheLastStatus) {
    constexpr int kFlood = 2000;
    const uint32_t locked = kDeviceBit | kKeyboardLockBit;
    const struct {
        const char* name;
        bool posted;
        uint32_t last;
    } cases[] = {
        {"posted, ending locked with Skype", true, locked | kSkypeBit},
        {"sent, ending with nothing", false, 0},
        {"posted, ending with nothing", true, 0},
        {"sent, ending locked with Skype", false, locked | kSkypeBit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto start = std::chrono::steady_clock::now();
        // The phone with Skype, the ignored bits and the navigation byte
        // changing, key reports without the device bit between, the keyboard
        // lock now and then; the last one differs from all.
        uint32_t last_taken = 0;
        auto flood = peer.Run([&, posted = c.posted, last = c.last] {
            LRESULT taken = 0;
            for (int i = 0; i <= kFlood; ++i) {
                const bool key = i % 7 == 3 && i != kFlood;
                uint32_t word = kDeviceBit | kSkypeBit | (static_cast<uint32_t>(i % 127) << 1) |
                                (i % 400 == 200 ? kKeyboardLockBit : 0u);
                if (key) word = 0;
                if (i == kFlood) word = last;
                const uint32_t event = key ? MakeKeyEvent(12, 0, 0) : MakeKeyEvent(kStatusUpdateKey, 0, 0);
                bool took = false;
                if (posted) {
                    took = PostMessageA(form, WM_PHONE_EVENT, word, event) != FALSE;
                } else {
                    DWORD_PTR result = 0;
                    took = SendMessageTimeoutA(form, WM_PHONE_EVENT, word, event, SMTO_ABORTIFHUNG, 500, &result) &&
                           result == 1;
                }
                if (took) {
                    ++taken;
                    if (!key) last_taken = word;
                }
            }
            return taken;
        });
        const LRESULT taken = PumpFor(flood, 60000);
        ASSERT_TRUE(Drained());
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        std::cout << "[ note ] " << c.name << ": " << taken << " of " << kFlood + 1 << " events taken, all handled in "
                  << ms << " ms\n";
        // A send that timed out is the service's to repeat: the panel shows
        // the last status it took.
        if (c.posted) {
            EXPECT_EQ(taken, kFlood + 1);
        }
        EXPECT_GT(taken, kFlood / 2);
        const bool shown = (last_taken & locked) == locked, skype_on = (last_taken & kSkypeBit) != 0;
        EXPECT_TRUE(Answers(form));
        EXPECT_EQ(OverlayShown(), shown);
        EXPECT_EQ(SkypeGroupEnabled(), skype_on);
    }
}

TEST_F(BadMessageScenario, InstanceRequestsCountOnlyWithTheSignature) {
    // The signature is the only rule: a request with it is obeyed whoever
    // sends it, one without it is answered and does nothing.
    const struct {
        const char* name;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        bool shown, running;
    } cases[] = {
        {"exit without signature", WM_UI_EXIT, 0, 0, false, true},
        {"exit with the wParam only", WM_UI_EXIT, kInstanceSignatureW, 0, false, true},
        {"exit with the lParam only", WM_UI_EXIT, 0, kInstanceSignatureL, false, true},
        {"exit with the halves swapped", WM_UI_EXIT, static_cast<WPARAM>(kInstanceSignatureL), kInstanceSignatureW,
         false, true},
        {"show with a wParam one off", WM_UI_SHOW, kInstanceSignatureW + 1, kInstanceSignatureL, false, true},
        {"show with the lParam one off", WM_UI_SHOW, kInstanceSignatureW, kInstanceSignatureL - 1, false, true},
        {"show with the signature", WM_UI_SHOW, kInstanceSignatureW, kInstanceSignatureL, true, true},
        {"exit with the signature", WM_UI_EXIT, kInstanceSignatureW, kInstanceSignatureL, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto sent = peer.Send(form, c.msg, c.wp, c.lp);
        EXPECT_EQ(PumpFor(sent), 1);
        if (c.running) {
            EXPECT_TRUE(Answers(form));
            EXPECT_EQ(IsWindowVisible(form) != FALSE, c.shown);
        }
        EXPECT_EQ(panel->WaitExit(c.running ? 0 : 5000) != -1, !c.running);
    }
}

TEST_F(BadMessageScenario, AHungServiceHoldsThePanelOnlyForItsSendsTimeOuts) {
    ASSERT_TRUE(Status(0));
    // What each update makes the panel send: the fill of Skype's lists asks
    // for both devices, the first with Skype also gives its ring tone; the
    // phone found fills the lists again and switches Skype to it, asking
    // back each time.
    const struct {
        const char* name;
        uint32_t status;
        long sends;
    } cases[] = {
        {"Skype reported", kSkypeBit, 3},
        {"the phone found with Skype", kDeviceBit | kSkypeBit, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The service's window thread stops pumping.
        auto hang = peer.Run([] {
            Sleep(static_cast<DWORD>(4000));
            return LRESULT(0);
        });
        PumpUntil([] { return false; }, 100);
        const auto start = std::chrono::steady_clock::now();
        const auto since = [&] {
            return static_cast<long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        };
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(form, WM_PHONE_EVENT, c.status, MakeKeyEvent(kStatusUpdateKey, 0, 0),
                                        SMTO_NORMAL, 3000, &result));
        const long released = since();
        // Sent messages are let in while the panel waits in its own sends; a
        // posted request waits for the work to end: the window opens then.
        const long answer = AnswerTime(form, 5000);
        PostMessageA(form, WM_UI_SHOW, kInstanceSignatureW, kInstanceSignatureL);
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(form) != FALSE; }, 5000));
        const long blocked = since();
        std::cout << "[ note ] hung service, " << c.name << ": the phone event released its sender after " << released
                  << " ms; a sent WM_NULL was answered after " << answer << " ms; a posted request was handled after "
                  << blocked << " ms\n";
        EXPECT_LT(released, 200);
        EXPECT_GE(answer, 0);
        EXPECT_LT(answer, 200);
        // Each send waits out its time-out, and no longer; the work around
        // them is given a second on a machine shared with builds.
        const long timeouts = c.sends * static_cast<long>(kLinkSendTimeoutMs);
        EXPECT_GE(blocked, timeouts - static_cast<long>(kLinkSendTimeoutMs)) << "sends missing to the hung service";
        EXPECT_LE(blocked, timeouts + 1000);
        PumpFor(hang, 6000);
        EXPECT_TRUE(Answers(form));
        // Closed, the window hides to the tray again.
        PostMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(form); }, 3000));
        ASSERT_TRUE(Status(c.status));
    }
}

}  // namespace
}  // namespace dorvane::testing
