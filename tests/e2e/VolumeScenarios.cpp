// The volume group of the real panel on the endpoint path, with the
// simulated endpoint library beside it and the phone service simulator:
// what the phone's endpoints hold is shown, what the user moves goes to them,
// and what changes elsewhere comes back without being written again.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "EndpointSimClient.h"
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "audio/MixerDecibel.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {

using namespace std::chrono_literals;
using endpointsim::SimEndpoint;
using endpointsim::TEndpointSimClient;

void Collect(HWND parent, const char* window_class, std::vector<HWND>& found) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, window_class) == 0) found.push_back(child);
        Collect(child, window_class, found);
    }
}

int TopOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.top;
}

// The volume group's controls, found as another program sees them: the
// track bars of the panel from the top (speaker, microphone, the hidden
// ring bar) and the check boxes beside them.
struct VolumeGroup {
    HWND speaker = nullptr, microphone = nullptr, speaker_mute = nullptr, microphone_mute = nullptr;

    explicit VolumeGroup(HWND form) {
        std::vector<HWND> bars;
        Collect(form, TRACKBAR_CLASSA, bars);
        std::sort(bars.begin(), bars.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
        if (bars.size() < 2) return;
        speaker = bars[0];
        microphone = bars[1];
        std::vector<HWND> buttons, boxes;
        Collect(GetParent(speaker), "Button", buttons);
        for (HWND b : buttons) {
            const LONG_PTR type = GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK;
            if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) boxes.push_back(b);
        }
        std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
        if (boxes.size() < 2) return;
        speaker_mute = boxes[0];
        microphone_mute = boxes[1];
    }
    bool Found() const { return speaker_mute != nullptr; }
    bool Enabled() const { return IsWindowEnabled(GetParent(speaker)) != FALSE; }
    static int Position(HWND bar) { return static_cast<int>(SendMessageA(bar, TBM_GETPOS, 0, 0)); }
    static bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

TEST(VolumeScenario, TheGroupFollowsThePhonesEndpointsBothWays) {
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    TEndpointSimClient sim;
    ASSERT_TRUE(sim.Ok());
    sim.Reset();
    const int speaker = sim.Find(0, L"Speakers (USB Audio Device)");
    const int microphone = sim.Find(1, L"Microphone (USB Audio Device)");
    ASSERT_GE(speaker, 0);
    ASSERT_GE(microphone, 0);
    sim.SetLevel(0, speaker, -12.0f);
    sim.SetMute(0, speaker, true);
    sim.SetLevel(1, microphone, 6.0f);
    const float speaker_lo = sim.Endpoint(0, speaker).MinDb, speaker_hi = sim.Endpoint(0, speaker).MaxDb;
    const float mic_lo = sim.Endpoint(1, microphone).MinDb, mic_hi = sim.Endpoint(1, microphone).MaxDb;

    phonesim::ServiceConfig config;
    config.phone_present = true;
    config.softphone_present = true;
    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    PanelProcess panel({}, EndpointSimFolder());
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    VolumeGroup group(form);
    ASSERT_TRUE(group.Found());

    // The phone comes with the first status update: the bars stand at the
    // endpoints' levels, the boxes at their mutes.
    ASSERT_TRUE(PumpUntil([&] { return group.Enabled(); }, 8000));
    const int shown = DecibelToPosition(speaker_lo, speaker_hi, -12.0f);
    EXPECT_EQ(VolumeGroup::Position(group.speaker), shown);
    EXPECT_TRUE(VolumeGroup::Checked(group.speaker_mute));
    EXPECT_EQ(VolumeGroup::Position(group.microphone), DecibelToPosition(mic_lo, mic_hi, 6.0f));
    EXPECT_FALSE(VolumeGroup::Checked(group.microphone_mute));

    // The user moves the speaker bar a page, as the keyboard does: the
    // endpoint takes the new level and keeps its mute.
    PostMessageA(group.speaker, WM_KEYDOWN, VK_NEXT, 0);
    const float moved = PositionToDecibel(speaker_lo, speaker_hi, shown + 4096);
    EXPECT_TRUE(PumpUntil([&] { return sim.Endpoint(0, speaker).LevelDb[0] == moved; }, 3000));
    EXPECT_EQ(sim.Endpoint(0, speaker).LevelDb[1], moved);
    EXPECT_EQ(sim.Endpoint(0, speaker).Muted, 1);

    // Someone else sets the endpoint: the bar follows, nothing is written
    // back. (Once the panel has read its own write back: a change landing
    // between the two reads of that check would count as the speaker's
    // lines differing.)
    PumpUntil([] { return false; }, 500);
    sim.SetLevel(0, speaker, -30.0f);
    const int followed = DecibelToPosition(speaker_lo, speaker_hi, -30.0f);
    EXPECT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) == followed; }, 3000));
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(sim.Endpoint(0, speaker).LevelDb[0], -30.0f);
    EXPECT_EQ(sim.Endpoint(0, speaker).LevelDb[1], -30.0f);

    // The phone goes: the group is cleared and the endpoints keep their setting.
    service.SetPhonePresent(false);
    service.SendStatusNow();
    EXPECT_TRUE(PumpUntil([&] { return !group.Enabled(); }, 3000));
    EXPECT_EQ(VolumeGroup::Position(group.speaker), 0);
    EXPECT_EQ(VolumeGroup::Position(group.microphone), 0);
    EXPECT_FALSE(VolumeGroup::Checked(group.speaker_mute));
    EXPECT_EQ(sim.Endpoint(0, speaker).LevelDb[0], -30.0f);
    EXPECT_EQ(sim.Endpoint(0, speaker).Muted, 1);
    EXPECT_EQ(sim.Endpoint(1, microphone).LevelDb[0], 6.0f);
}

int ActivePage(HWND form) {
    std::vector<HWND> strips;
    Collect(form, WC_TABCONTROLA, strips);
    return strips.empty() ? -2 : static_cast<int>(SendMessageA(strips.front(), TCM_GETCURSEL, 0, 0));
}

TEST(VolumeScenario, TheKeypadOpensThePanelTurnsItsPagesAndRaisesTheSpeakerInACall) {
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    TEndpointSimClient sim;
    ASSERT_TRUE(sim.Ok());
    sim.Reset();
    const int speaker = sim.Find(0, L"Speakers (USB Audio Device)");
    ASSERT_GE(speaker, 0);
    const SimEndpoint endpoint = sim.Endpoint(0, speaker);
    sim.SetLevel(0, speaker, endpoint.MinDb);

    phonesim::ServiceConfig config;
    config.phone_present = true;
    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    PanelProcess panel({}, EndpointSimFolder());
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    VolumeGroup group(form);
    ASSERT_TRUE(group.Found());
    ASSERT_TRUE(PumpUntil([&] { return group.Enabled(); }, 8000));
    ASSERT_FALSE(IsWindowVisible(form));
    auto press = [&](uint8_t key) {
        service.KeyDown(key);
        service.KeyUp();
    };

    // Outside navigation mode the page key opens the hidden window, then
    // turns its pages round.
    press(36);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) && GetForegroundWindow() == form; }, 3000));
    for (int page : {1, 2, 3, 0}) {
        press(36);
        EXPECT_TRUE(PumpUntil([&] { return ActivePage(form) == page; }, 2000)) << page;
    }

    // In a call the up key raises the speaker with the window hidden: a page
    // at once and a page at every repeat, the endpoint following.
    PostMessageA(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(form); }, 3000));
    service.SetCallState(6);
    service.SendStatusNow();
    service.KeyDown(17);
    ASSERT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) != 0; }, 2000));
    // The first step, as the endpoint reads it back (a few positions low).
    EXPECT_GE(VolumeGroup::Position(group.speaker), 4096 - 8);
    EXPECT_LE(VolumeGroup::Position(group.speaker), 4096);
    ASSERT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) >= 3 * 4096 - 24; }, 3000));
    // Holding key 32 holds no key: the repeat ends where it stands.
    service.KeyDown(32);
    PumpUntil([] { return false; }, 400);
    const int held = VolumeGroup::Position(group.speaker);
    PumpUntil([] { return false; }, 900);
    EXPECT_EQ(VolumeGroup::Position(group.speaker), held);
    EXPECT_LT(held, 65535);
    // Held again, it climbs to the top and the endpoint with it.
    service.KeyDown(17);
    EXPECT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) == 65535; }, 8000));
    const float top = endpoint.MaxDb;
    EXPECT_TRUE(PumpUntil([&] { return sim.Endpoint(0, speaker).LevelDb[0] == top; }, 2000));
    service.KeyUp();
    EXPECT_FALSE(IsWindowVisible(form));
}

}  // namespace
}  // namespace dorvane::testing
