// The legacy mixer path against a simulated winmm: which devices are taken
// for the phone, what is opened and closed, and which notifications become
// events.
#include <gtest/gtest.h>
#include "MixerTestSupport.h"
#include "SimWinmm.h"
#include "audio/Audiomixer.h"

namespace dorvane::test {
namespace {
using Log = std::vector<std::string>;

// A mixer device with a playback and a recording destination, as a USB phone
// shows itself to the legacy interface.
int AddPhoneMixer(SimWinmm& sim, const std::string& name) {
    const int m = sim.AddMixer(name);
    sim.AddDestination(m, "Speaker", 2);
    sim.AddDestination(m, "Recording Control", 1);
    return m;
}

struct LegacyMixer : ::testing::Test {
    SimWinmm sim;
    std::string outFound = "stale", inFound = "stale";
};

TEST(MixerPath, OnlyVistaTakesTheEndpointPath) {
    SimWinmm sim;
    for (int versionClass : {0, 1, 2}) {  // 0 also stands for Windows 7 (NT 6.1)
        TAudioMixer mixer(versionClass, SimWinmm::Table());
        EXPECT_FALSE(mixer.EndpointMode()) << versionClass;
        EXPECT_FALSE(mixer.LibraryLoaded());
        EXPECT_EQ(nullptr, mixer.LibraryTable().zeldevenum);
        EXPECT_NE(nullptr, mixer.Window());
        EXPECT_EQ(RegisterWindowMessageA("TalVex Msg for Vista"), mixer.PropertyMessage());
    }
}

TEST_F(LegacyMixer, LastOfTwoUsbPairsIsThePhoneAndTheFirstIsClosedAgain) {
    const int a = AddPhoneMixer(sim, "USB Audio Device");
    const int b = AddPhoneMixer(sim, "USB Audio Device (2)");
    sim.AddWaveOut("Realtek HD Audio output", -1);
    sim.AddWaveOut("USB Audio Device", a);
    sim.AddWaveOut("2- USB Audio Device", b);
    sim.AddWaveIn("USB Audio Device", a);
    sim.AddWaveIn("2- USB Audio Device", b);
    TAudioMixer mixer(2, SimWinmm::Table());
    mixer.Enum();
    EXPECT_TRUE(mixer.Enumerated());

    EXPECT_TRUE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    EXPECT_EQ((Log{"open 0", "close 0", "open 1"}), sim.log);
    EXPECT_EQ("2- USB Audio Device", outFound);
    EXPECT_EQ("2- USB Audio Device", inFound);
    EXPECT_EQ(SimWinmm::HandleOf(b), mixer.MixerHandle());
    ASSERT_NE(nullptr, mixer.Destinations());
    EXPECT_EQ(2, mixer.Destinations()->Count());
    EXPECT_EQ(mixer.Window(), sim.mixers[b].callback);
}

TEST_F(LegacyMixer, MixerWithOneDestinationIsOpenedAndClosedAndActivationFails) {
    const int m = sim.AddMixer("USB Audio Device");
    sim.AddDestination(m, "Speaker", 2);
    sim.AddWaveOut("USB Audio Device", m);
    sim.AddWaveIn("USB Audio Device", m);
    TAudioMixer mixer(1, SimWinmm::Table());
    mixer.Enum();

    EXPECT_FALSE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    EXPECT_EQ((Log{"open 0", "close 0"}), sim.log);
    EXPECT_EQ("", outFound);
    EXPECT_EQ("", inFound);
    EXPECT_FALSE(mixer.Active());
    EXPECT_EQ(nullptr, mixer.Destinations());
}

TEST_F(LegacyMixer, PlaybackAndRecordingMustShareOneMixerDevice) {
    const int a = AddPhoneMixer(sim, "USB Audio Device");
    const int b = AddPhoneMixer(sim, "Other");
    sim.AddWaveOut("USB Audio Device", a);
    sim.AddWaveIn("USB Audio Device", b);
    TAudioMixer mixer(2, SimWinmm::Table());
    mixer.Enum();
    EXPECT_FALSE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    EXPECT_EQ(Log{}, sim.log);
    EXPECT_EQ("", outFound);
}

TEST_F(LegacyMixer, SearchIsCaseSensitive) {
    const int a = AddPhoneMixer(sim, "usb audio device");
    sim.AddWaveOut("usb audio device", a);
    sim.AddWaveIn("usb audio device", a);
    TAudioMixer mixer(2, SimWinmm::Table());
    mixer.Enum();
    EXPECT_FALSE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    EXPECT_EQ(Log{}, sim.log);
}

TEST_F(LegacyMixer, UnopenableMixerLeavesNothingActive) {
    const int a = AddPhoneMixer(sim, "USB Audio Device");
    sim.mixers[a].failOpen = true;
    sim.AddWaveOut("USB Audio Device", a);
    sim.AddWaveIn("USB Audio Device", a);
    TAudioMixer mixer(2, SimWinmm::Table());
    mixer.Enum();
    EXPECT_FALSE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    EXPECT_EQ("", outFound);
    EXPECT_EQ("", inFound);
}

TEST_F(LegacyMixer, EnumWhileActiveClosesThePhone) {
    const int a = AddPhoneMixer(sim, "USB Audio Device");
    sim.AddWaveOut("USB Audio Device", a);
    sim.AddWaveIn("USB Audio Device", a);
    TAudioMixer mixer(2, SimWinmm::Table());
    mixer.Enum();
    ASSERT_TRUE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    mixer.Enum();
    EXPECT_FALSE(mixer.Active());
    EXPECT_EQ(nullptr, mixer.Destinations());
    EXPECT_EQ((Log{"open 0", "close 0"}), sim.log);
}

TEST_F(LegacyMixer, DestructionClosesAnOpenMixer) {
    const int a = AddPhoneMixer(sim, "USB Audio Device");
    sim.AddWaveOut("USB Audio Device", a);
    sim.AddWaveIn("USB Audio Device", a);
    {
        TAudioMixer mixer(2, SimWinmm::Table());
        ASSERT_TRUE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    }
    EXPECT_EQ((Log{"open 0", "close 0"}), sim.log);
}

TEST_F(LegacyMixer, DeviceNamesAndCounts) {
    sim.AddWaveOut("USB Audio Device", -1);
    sim.AddWaveOut("Realtek HD Audio output", -1);
    sim.AddWaveIn("USB Audio Device", -1);
    TAudioMixer mixer(0, SimWinmm::Table());
    EXPECT_EQ(2, mixer.WaveOutDevNum());
    EXPECT_EQ(1, mixer.WaveInDevNum());
    EXPECT_EQ("Realtek HD Audio output", mixer.WaveOutDevName(1, true));
    EXPECT_EQ("Realtek HD Audio output", mixer.WaveOutDevName(1, false));
    EXPECT_EQ("", mixer.WaveOutDevName(2, false));
    EXPECT_EQ("", mixer.WaveInDevName(-1, false));
}

TEST_F(LegacyMixer, LinesAndControlsWhoseQueryFailsAreLeftOut) {
    const int m = sim.AddMixer("USB Audio Device");
    sim.AddDestination(m, "Speaker", 2);
    sim.AddDestination(m, "Broken", 2);
    sim.AddDestination(m, "Recording Control", 1);
    sim.AddSource(m, 0, "Wave", 2);
    sim.AddSource(m, 0, "Broken source", 2);
    sim.AddSource(m, 0, "CD", 2);
    sim.AddControl(m, 2, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {1000});
    sim.Line(m, 1, -1).failQuery = true;
    sim.Line(m, 0, 1).failQuery = true;
    sim.Line(m, 2, -1).failControls = true;
    sim.AddWaveOut("USB Audio Device", m);
    sim.AddWaveIn("USB Audio Device", m);
    TAudioMixer mixer(2, SimWinmm::Table());
    ASSERT_TRUE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));

    const TMixerDestinations& tree = *mixer.Destinations();
    ASSERT_EQ(2, tree.Count());
    EXPECT_STREQ("Speaker", tree.Item(0)->Line().szName);
    EXPECT_STREQ("Recording Control", tree.Item(1)->Line().szName);
    ASSERT_EQ(2, tree.Item(0)->Connections().Count());
    EXPECT_STREQ("CD", tree.Item(0)->Connections().Item(1)->Line().szName);
    EXPECT_EQ(0, tree.Item(1)->Controls().Count());
}

// A driver that reports absurd counts must neither make the activation throw
// (an allocation of billions of controls) nor hang it (billions of queries).
TEST_F(LegacyMixer, AbsurdLineAndControlCountsAreNotTrusted) {
    const int m = AddPhoneMixer(sim, "USB Audio Device");
    sim.AddSource(m, 0, "Wave", 2);
    sim.AddControl(m, 0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {1000, 1000});
    sim.AddControl(m, 1, -1, MIXERCONTROL_CONTROLTYPE_MUTE, 0, {0});
    sim.Line(m, 0, 0).record.cControls = 0xFFFFFFFF;
    sim.Line(m, 0, -1).record.cConnections = 0xFFFFFFFF;
    sim.AddWaveOut("USB Audio Device", m);
    sim.AddWaveIn("USB Audio Device", m);
    TAudioMixer mixer(2, SimWinmm::Table());

    ASSERT_TRUE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));
    const TMixerDestinations& tree = *mixer.Destinations();
    ASSERT_EQ(1, tree.Item(0)->Connections().Count());
    EXPECT_EQ(0, tree.Item(0)->Connections().Item(0)->Controls().Count());
    EXPECT_EQ(1, tree.Item(1)->Controls().Count());
}

TEST_F(LegacyMixer, OnlyControlChangesOfAnActiveMixerBecomeEvents) {
    const int a = AddPhoneMixer(sim, "USB Audio Device");
    const DWORD volume = sim.AddControl(a, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {1, 1});
    sim.AddWaveOut("USB Audio Device", a);
    sim.AddWaveIn("USB Audio Device", a);
    TAudioMixer mixer(2, SimWinmm::Table());
    EventLog events;
    events.Attach(mixer);
    ASSERT_TRUE(mixer.ActiveMixer("USB", "USB", outFound, inFound, true));

    sim.PostLineChange(a, 0xFFFF0000u);
    sim.PostControlChange(a, volume);
    DeliverPosted();
    const auto handle = static_cast<UINT>(reinterpret_cast<UINT_PTR>(SimWinmm::HandleOf(a)));
    EXPECT_EQ((Log{"ctrl " + std::to_string(volume) + " " + std::to_string(handle)}), events.lines);

    // Closed: a late notification raises nothing.
    PostMessageA(mixer.Window(), MM_MIXM_CONTROL_CHANGE, 0, volume);
    mixer.CloseMixer();
    PostMessageA(mixer.Window(), mixer.PropertyMessage(), 1, 0);
    DeliverPosted();
    EXPECT_EQ(1u, events.lines.size());
}

TEST(MixerCallBack, DefaultDeviceResultsAreAnsweredAndRaised) {
    SimWinmm sim;
    TAudioMixer mixer(2, SimWinmm::Table());
    EventLog events;
    events.Attach(mixer);
    EXPECT_EQ(1, SendMessageA(mixer.Window(), TAudioMixer::kDefaultDeviceFound, 3, 1));
    EXPECT_EQ(1, SendMessageA(mixer.Window(), TAudioMixer::kDefaultDeviceFailed, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"default 3 1", "default failed"}), events.lines);
    // Nothing assigned: still answered.
    mixer.OnSysDefaultSuccess = nullptr;
    EXPECT_EQ(1, SendMessageA(mixer.Window(), TAudioMixer::kDefaultDeviceFound, 0, 0));
}

// Wine gives every wave device a mixer of its own with one destination, so
// the real legacy path never takes a device for the phone there.
TEST(RealWinmm, OneDestinationMixersAreNeverThePhone) {
    TAudioMixer mixer(2);
    mixer.Enum();
    if (mixer.WaveOutDevNum() == 0) GTEST_SKIP() << "no wave output device";
    bool usb = false;
    for (int i = 0; i < mixer.WaveOutDevNum(); ++i)
        usb = usb || mixer.WaveOutDevName(i, false).find("USB Audio Device") != std::string::npos;
    if (!usb) GTEST_SKIP() << "no \"USB Audio Device\" here";
    std::string out = "x", in = "x";
    const bool found = mixer.ActiveMixer("USB", "USB", out, in, true);
    EXPECT_EQ(found, mixer.Active());
    if (!found) {
        EXPECT_EQ("", out);
        EXPECT_EQ(nullptr, mixer.Destinations());
    }
}

TEST(VistaSearchDevName, OnlyTheAdapterPartIsSearched) {
    const char* speakers = "Speakers (USB Audio Device)";
    EXPECT_EQ(speakers + 9, TAudioMixer::VistaSearchDevName(speakers, "USB"));
    EXPECT_EQ(nullptr, TAudioMixer::VistaSearchDevName("USB Speakers (High Definition Audio Device)", "USB"));
    EXPECT_EQ(nullptr, TAudioMixer::VistaSearchDevName("Speakers (usb audio device)", "USB"));
    EXPECT_EQ(nullptr, TAudioMixer::VistaSearchDevName("USB Speakers", "USB"));
    const char* nested = "Mic (Array (USB Audio Device))";
    EXPECT_EQ(nested + 11, TAudioMixer::VistaSearchDevName(nested, "USB"));
    EXPECT_STREQ("(2- USB Audio Device)",
                 TAudioMixer::VistaSearchDevName("Microphone (2- USB Audio Device)", "USB"));
    EXPECT_EQ(nullptr, TAudioMixer::VistaSearchDevName(nullptr, "USB"));
}

}  // namespace
}  // namespace dorvane::test
