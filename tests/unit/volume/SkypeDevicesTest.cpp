// Skype's device lists over a simulated legacy mixer, with the phone service
// played from another thread: what goes to Skype, and which entry an answer
// selects.
#include <gtest/gtest.h>
#include <memory>
#include "PeerWindow.h"
#include "SimWinmm.h"
#include "app/Application.h"
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace dorvane::test {
namespace {
using dorvane::testing::PeerWindow;
using dorvane::testing::PumpFor;
using dorvane::testing::TakeQuit;
using Commands = std::vector<std::string>;

struct SkypeDevicesTest : ::testing::Test {
    // Wave devices: the on-board one first, then the phone; a German one
    // with a non-ASCII name (in the ANSI code page).
    void SetUp() override {
        app.Initialize();
        phone = sim.AddMixer("USB Audio Device");
        sim.AddDestination(phone, "Speaker", 2);
        sim.AddDestination(phone, "Recording Control", 1);
        sim.AddControl(phone, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {30000, 30000});
        sim.AddControl(phone, 1, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, MIXERCONTROL_CONTROLF_UNIFORM, {8000});
        const int onboard = sim.AddMixer("Realtek HD Audio");
        sim.AddWaveOut("Realtek HD Audio", onboard);
        sim.AddWaveOut("USB Audio Device", phone);
        sim.AddWaveOut("Lautsprecher (USB-Ger\xE4t)", onboard);
        sim.AddWaveIn("Realtek HD Audio", onboard);
        sim.AddWaveIn("USB Audio Device", phone);
        form = std::make_unique<TForm1>(app, SystemInfo{}, std::vector<std::string>{}, SimWinmm::Table());
        auto discovered = service.Send(form->Handle(), RegisterWindowMessageA(kDiscoverMessageName),
                                       reinterpret_cast<WPARAM>(service.Handle()), 0);
        PumpFor(discovered);
        service.Clear();
    }
    void TearDown() override {
        form.reset();
        TakeQuit();
    }
    void StatusUpdate(uint32_t status) {
        auto sent = service.Send(form->Handle(), WM_PHONE_EVENT, status, MakeKeyEvent(kStatusUpdateKey, 0, 0));
        PumpFor(sent);
        dorvane::testing::PumpUntil([] { return false; }, 50);
    }
    Commands Sent() {
        Commands texts;
        for (const auto& m : service.MessagesOf(WM_COPYDATA))
            texts.push_back(m.bytes.substr(1, m.bytes.size() >= 2 ? m.bytes.size() - 2 : 0));
        service.Clear();
        return texts;
    }

    PeerWindow service;
    SimWinmm sim;
    int phone = -1;
    TApplication app;
    std::unique_ptr<TForm1> form;
};

TEST_F(SkypeDevicesTest, ThePhoneComingWithSkypeSwitchesSkypeToItOnce) {
    // The phone's activation fills the lists and asks; Skype's group coming
    // fills and asks again, then switches Skype to the phone's devices; last,
    // Skype gets the silent ring tone (the test's panel has no program
    // folder: the path is relative).
    StatusUpdate(kDeviceBit | kSkypeBit);
    EXPECT_EQ(Sent(), (Commands{"GET AUDIO_OUT", "GET AUDIO_IN", "GET AUDIO_OUT", "GET AUDIO_IN",
                                "SET AUDIO_OUT USB Audio Device", "GET AUDIO_OUT", "SET AUDIO_IN USB Audio Device",
                                "GET AUDIO_IN", "SET RINGTONE 1 ring\\mute.wav"}));
    EXPECT_EQ(form->suiComboBoxSkypeOut->ItemIndex(), 2);
    EXPECT_EQ(form->suiComboBoxSkypeIn->ItemIndex(), 2);
    StatusUpdate(kDeviceBit | kSkypeBit);
    EXPECT_TRUE(Sent().empty());

    // Skype goes: the group is disabled and a selection from code sends nothing.
    StatusUpdate(kDeviceBit);
    EXPECT_FALSE(form->suiGroupBoxSkype->Enabled());
    EXPECT_EQ(Sent(), (Commands{"GET AUDIO_OUT", "GET AUDIO_IN"}));  // the refill's queries only
    form->suiComboBoxSkypeOut->SetItemIndex(1);
    form->SendSkypeDevice(TForm1::SkypeList::Out);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(SkypeDevicesTest, AChoiceSendsTheDeviceInUtf8OrTheBarePrefixForTheDefault) {
    StatusUpdate(kSkypeBit);
    Sent();
    const struct {
        int entry;
        Commands sent;
    } cases[] = {
        {3, {"SET AUDIO_OUT Lautsprecher (USB-Ger\xC3\xA4t)", "GET AUDIO_OUT"}},
        {0, {"SET AUDIO_OUT ", "GET AUDIO_OUT"}},
        {1, {"SET AUDIO_OUT Realtek HD Audio", "GET AUDIO_OUT"}},
    };
    for (const auto& c : cases) {
        form->suiComboBoxSkypeOut->SetItemIndex(c.entry);
        form->suiComboBoxSkypeOutChange();
        EXPECT_EQ(Sent(), c.sent) << c.entry;
    }
    EXPECT_EQ(form->suiComboBoxSkypeOut->Item(0), form->DefaultDeviceText);
}

TEST_F(SkypeDevicesTest, AnAnswerSelectsTheEntryItNamesAndSendsNothing) {
    StatusUpdate(kSkypeBit);
    const struct {
        const char* answer;
        int entry;
    } cases[] = {
        {"AUDIO_OUT USB Audio Device", 2},
        {"AUDIO_OUT ", 0},
        {"AUDIO_OUT    ", 0},
        {"audio_out usb audio DEVICE", 2},                        // ASCII letters in any case
        {"AUDIO_OUT Lautsprecher (USB-Ger\xC3\xA4t)", 3},          // UTF-8
        {"AUDIO_OUT Lautsprecher (USB-Ger\xC3\x83\xC2\xA4t)", 3},  // UTF-8 twice
        {"AUDIO_OUT Lautsprecher (USB-GER\xC3\x84T)", 0},          // another case of a non-ASCII letter
        {"AUDIO_OUT Lautsprecher (USB-Ger\xE4t)", 0},              // not UTF-8 at all
        {"AUDIO_OUT Headset", 0},                                  // not listed: the entry before is not kept
        {"AUDIO_OUT USB Audio Device (2)", 0},
    };
    for (const auto& c : cases) {
        form->suiComboBoxSkypeOut->SetItemIndex(1);
        Sent();
        form->ApplySkypeDeviceReply(c.answer, "AUDIO_OUT ", TForm1::SkypeList::Out);
        EXPECT_EQ(form->suiComboBoxSkypeOut->ItemIndex(), c.entry) << c.answer;
        EXPECT_TRUE(Sent().empty()) << c.answer;
    }
}

}  // namespace
}  // namespace dorvane::test
