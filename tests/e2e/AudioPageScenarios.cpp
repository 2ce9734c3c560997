// The audio page of the real panel on the endpoint path, with the
// simulated endpoint library beside it and the phone service simulator:
// the volume group shows what the phone's endpoints hold, sends what the
// user moves and takes back what changes elsewhere without writing it again;
// the keypad works it; Skype is switched to the phone and follows the lists.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <vector>
#include "EndpointSimClient.h"
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "audio/MixerDecibel.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {

using namespace std::chrono_literals;
using endpointsim::SimEndpoint;
using endpointsim::TEndpointSimClient;

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

// Skype's output and input lists, from the top: the two combo boxes that
// share their group (the ring page's drive list is alone).
std::vector<HWND> SkypeLists(HWND form) {
    std::vector<HWND> combos, lists;
    Collect(form, "ComboBox", combos);
    for (HWND c : combos)
        if (std::count_if(combos.begin(), combos.end(), [&](HWND o) { return GetParent(o) == GetParent(c); }) == 2)
            lists.push_back(c);
    std::sort(lists.begin(), lists.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
    return lists;
}

// A fresh set of simulated endpoints; then the phone service simulator and
// the panel beside the simulated library.
class AudioPageScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        ASSERT_TRUE(sim.Ok());
        sim.Reset();
        config.phone_present = true;
        config.softphone_present = true;
    }
    // Starts both and waits for the panel's window; false when it did not come.
    bool Start() {
        service = std::make_unique<phonesim::PhoneService>(config);
        if (!service->Start()) return false;
        panel = std::make_unique<PanelProcess>(std::vector<std::string>{}, EndpointSimFolder());
        form = WaitForPanelForm();
        return form && OpenAndClosePanelWindow(form);
    }

    TEndpointSimClient sim;
    phonesim::ServiceConfig config;
    std::unique_ptr<phonesim::PhoneService> service;  // outlives the panel: it hears the detach
    std::unique_ptr<PanelProcess> panel;
    HWND form = nullptr;
};

TEST_F(AudioPageScenario, TheGroupFollowsThePhonesEndpointsBothWays) {
    const int speaker = sim.Find(0, L"Speakers (USB Audio Device)");
    const int microphone = sim.Find(1, L"Microphone (USB Audio Device)");
    ASSERT_GE(speaker, 0);
    ASSERT_GE(microphone, 0);
    sim.SetLevel(0, speaker, -12.0f);
    sim.SetMute(0, speaker, true);
    sim.SetLevel(1, microphone, 6.0f);
    const float speaker_lo = sim.Endpoint(0, speaker).MinDb, speaker_hi = sim.Endpoint(0, speaker).MaxDb;
    const float mic_lo = sim.Endpoint(1, microphone).MinDb, mic_hi = sim.Endpoint(1, microphone).MaxDb;

    ASSERT_TRUE(Start());
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
    service->SetPhonePresent(false);
    service->SendStatusNow();
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

TEST_F(AudioPageScenario, TheKeypadOpensThePanelTurnsItsPagesAndRaisesTheSpeakerInACall) {
    const int speaker = sim.Find(0, L"Speakers (USB Audio Device)");
    ASSERT_GE(speaker, 0);
    const SimEndpoint endpoint = sim.Endpoint(0, speaker);
    sim.SetLevel(0, speaker, endpoint.MinDb);

    config.softphone_present = false;
    ASSERT_TRUE(Start());
    VolumeGroup group(form);
    ASSERT_TRUE(group.Found());
    ASSERT_TRUE(PumpUntil([&] { return group.Enabled(); }, 8000));
    ASSERT_FALSE(IsWindowVisible(form));
    auto press = [&](uint8_t key) {
        service->KeyDown(key);
        service->KeyUp();
    };

    // Outside navigation mode the page key opens the hidden window, then
    // turns its pages round.
    press(kKeyPage);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) && GetForegroundWindow() == form; }, 3000));
    for (int page : {1, 2, 3, 0}) {
        press(kKeyPage);
        EXPECT_TRUE(PumpUntil([&] { return ActivePage(form) == page; }, 2000)) << page;
    }

    // In a call the up key raises the speaker with the window hidden: a page
    // at once and a page at every repeat, the endpoint following.
    PostMessageA(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(form); }, 3000));
    service->SetCallState(kCallSpeakerKeys);
    service->SendStatusNow();
    service->KeyDown(kKeyUp);
    ASSERT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) != 0; }, 2000));
    // The first step, as the endpoint reads it back (a few positions low).
    EXPECT_GE(VolumeGroup::Position(group.speaker), 4096 - 8);
    EXPECT_LE(VolumeGroup::Position(group.speaker), 4096);
    ASSERT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) >= 3 * 4096 - 24; }, 3000));
    // Holding key 32 holds no key: the repeat ends where it stands.
    service->KeyDown(kKeyIgnored);
    PumpUntil([] { return false; }, 400);
    const int held = VolumeGroup::Position(group.speaker);
    PumpUntil([] { return false; }, 900);
    EXPECT_EQ(VolumeGroup::Position(group.speaker), held);
    EXPECT_LT(held, 65535);
    // Held again, it climbs to the top and the endpoint with it.
    service->KeyDown(kKeyUp);
    EXPECT_TRUE(PumpUntil([&] { return VolumeGroup::Position(group.speaker) == 65535; }, 8000));
    const float top = endpoint.MaxDb;
    EXPECT_TRUE(PumpUntil([&] { return sim.Endpoint(0, speaker).LevelDb[0] == top; }, 2000));
    service->KeyUp();
    EXPECT_FALSE(IsWindowVisible(form));
}

std::wstring ItemOf(HWND combo, int index) { return ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }

int SelectedOf(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

TEST_F(AudioPageScenario, SkypeIsSwitchedToThePhoneAndFollowsTheUsersChoice) {
    // A third speaker whose name has a non-ASCII letter and more than 31
    // characters: shown in full, sent to Skype cut to 31.
    const std::wstring long_name = L"Lautsprecher (Zweites Ger\u00e4t im Raum)";
    ASSERT_GE(sim.Add(0, long_name, -30.0f, 0.0f), 0);

    config.output_device = "";
    config.input_device = "";
    ASSERT_TRUE(Start());
    const std::vector<HWND> lists = SkypeLists(form);
    ASSERT_EQ(lists.size(), 2u);
    const HWND out = lists[0], in = lists[1];

    // The first update with the phone and Skype: the queries of both fills,
    // then Skype switched to the phone's devices, each asked back, and
    // Skype's silent ring tone beside the panel.
    const std::vector<std::string> expected = {
        "GET AUDIO_OUT", "GET AUDIO_IN", "GET AUDIO_OUT", "GET AUDIO_IN",
        "SET AUDIO_OUT Speakers (USB Audio Device)", "GET AUDIO_OUT",
        "SET AUDIO_IN Microphone (USB Audio Device)", "GET AUDIO_IN",
        "SET RINGTONE 1 " + EndpointSimFolder() + "\\ring\\mute.wav"};
    EXPECT_TRUE(PumpUntil([&] { return service->ReceivedCommands().size() >= expected.size(); }, 8000));
    EXPECT_EQ(service->ReceivedCommands(), expected);
    // The softphone's answers select the phone's entries.
    EXPECT_TRUE(PumpUntil([&] { return ItemOf(out, SelectedOf(out)) == L"Speakers (USB Audio Device)"; }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return ItemOf(in, SelectedOf(in)) == L"Microphone (USB Audio Device)"; }, 3000));
    EXPECT_EQ(service->OutputDevice(), "Speakers (USB Audio Device)");

    // The user picks the long name with the keyboard: the 31 characters it is
    // cut to go out in UTF-8, then the query; the answer keeps the entry.
    int long_entry = -1;
    for (int i = 0; i < static_cast<int>(SendMessageA(out, CB_GETCOUNT, 0, 0)); ++i)
        if (ItemOf(out, i) == long_name) long_entry = i;
    ASSERT_GT(long_entry, 0);
    const size_t before = service->ReceivedCommands().size();
    while (SelectedOf(out) < long_entry) {
        const int was = SelectedOf(out);
        PostMessageA(out, WM_KEYDOWN, VK_DOWN, 0);
        PumpUntil([&] { return SelectedOf(out) != was; }, 2000);
    }
    const std::string cut = "SET AUDIO_OUT Lautsprecher (Zweites Ger\xC3\xA4t im ";
    auto sent_since = [&] {
        auto all = service->ReceivedCommands();
        return std::vector<std::string>(all.begin() + static_cast<long>(std::min(before, all.size())), all.end());
    };
    EXPECT_TRUE(PumpUntil([&] { auto s = sent_since(); return s.size() >= 2 && s[s.size() - 1] == "GET AUDIO_OUT" && s[s.size() - 2] == cut; }, 3000));
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(SelectedOf(out), long_entry);


    // Skype goes away: the group is disabled and no device is set any more.
    service->SetSoftphonePresent(false);
    service->SendStatusNow();
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(GetParent(out)); }, 3000));
    const size_t gone = service->ReceivedCommands().size();
    PostMessageA(out, WM_KEYDOWN, VK_UP, 0);
    PumpUntil([] { return false; }, 500);
    const auto after = service->ReceivedCommands();
    for (size_t i = gone; i < after.size(); ++i) EXPECT_NE(after[i].rfind("SET ", 0), 0u) << after[i];
}

// Another program changes a system setting and sends the change, as the
// system's broadcast does: the lists are filled again for the language, and
// Skype, asked again once the sender is released, has its devices shown.
TEST_F(AudioPageScenario, SkypesDevicesAreShownAgainAfterASentSettingsChange) {
    ASSERT_TRUE(Start());
    const std::vector<HWND> lists = SkypeLists(form);
    ASSERT_EQ(lists.size(), 2u);
    auto shows_the_phone = [&] {
        return ItemOf(lists[0], SelectedOf(lists[0])) == L"Speakers (USB Audio Device)" &&
               ItemOf(lists[1], SelectedOf(lists[1])) == L"Microphone (USB Audio Device)";
    };
    ASSERT_TRUE(PumpUntil(shows_the_phone, 8000));
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(form, WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_TRUE(PumpUntil(shows_the_phone, 3000))
        << "out: " << SelectedOf(lists[0]) << ", in: " << SelectedOf(lists[1]);
}

}  // namespace
}  // namespace dorvane::testing
