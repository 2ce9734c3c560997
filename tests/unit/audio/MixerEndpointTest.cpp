// The endpoint path through the simulated endpoint library beside the test
// program, found by name as the panel finds the real one on Vista. The
// devices are changed from outside through the simulator's shared block.
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include <limits>
#include "EndpointSimClient.h"
#include "MixerTestSupport.h"
#include "audio/Audiomixer.h"

namespace dorvane::test {
namespace {
using endpointsim::TEndpointSimClient;
using Log = std::vector<std::string>;

struct EndpointMixer : ::testing::Test {
    TEndpointSimClient sim;
    std::unique_ptr<TAudioMixer> mixer;
    EventLog events;
    std::string outFound, inFound;

    void SetUp() override {
        ASSERT_TRUE(sim.Ok());
        sim.Reset();
        mixer = std::make_unique<TAudioMixer>(3, TWinmmApi::Real(), "Q:\\not here\\");
        ASSERT_TRUE(mixer->LibraryLoaded()) << "the simulated library is copied beside the test";
        events.Attach(*mixer);
        DeliverPosted();
    }
    bool Activate(bool sameAdapter = true) {
        mixer->Enum();
        return mixer->ActiveMixer("USB", "USB", outFound, inFound, sameAdapter);
    }
    struct Reading {
        int level = -7, level2 = -7, mute = -7;
        bool levelMissing = false, muteMissing = false;
    };
    Reading Read(int device) {
        Reading r;
        EXPECT_TRUE(mixer->GetVolume(device, -1, r.level, r.level2, r.mute, r.levelMissing, r.muteMissing));
        return r;
    }
};

TEST_F(EndpointMixer, FindsThePhoneAndItsLevelRanges) {
    ASSERT_TRUE(Activate());
    EXPECT_TRUE(mixer->Enumerated());
    EXPECT_EQ("Speakers (USB Audio Device)", outFound);
    EXPECT_EQ("Microphone (USB Audio Device)", inFound);
    EXPECT_EQ(0, mixer->RenderIndex());
    EXPECT_EQ(0, mixer->CaptureIndex());
    EXPECT_EQ(-45.0f, mixer->MinDb(0));
    EXPECT_EQ(0.0f, mixer->MaxDb(0));
    EXPECT_EQ(0.0f, mixer->MinDb(1));
    EXPECT_EQ(24.0f, mixer->MaxDb(1));
    EXPECT_EQ(mixer->Window(), sim.TargetWindow());
    EXPECT_EQ(0, sim.SelectedSlot(0));
    EXPECT_EQ(2, mixer->WaveOutDevNum());
    EXPECT_EQ("Speakers (High Definition Audio Device)", mixer->WaveOutDevName(1, false));
    EXPECT_EQ(1, mixer->LibraryTable().RenderDevList[1].Default);
    EXPECT_EQ(0, mixer->LibraryTable().RenderDevList[0].Default);
}

TEST_F(EndpointMixer, AdapterPartsMustMatchWhenAsked) {
    const int usbMic = sim.Find(1, L"Microphone (USB Audio Device)");
    sim.SetPresent(1, usbMic, false);
    sim.Add(1, L"Microphone (2- USB Audio Device)", 0.0f, 24.0f);
    EXPECT_FALSE(Activate(true));
    EXPECT_EQ("", outFound);
    EXPECT_EQ("", inFound);
    EXPECT_EQ(-1, mixer->CaptureIndex());
    EXPECT_TRUE(Activate(false));
    EXPECT_EQ("Microphone (2- USB Audio Device)", inFound);
}

TEST_F(EndpointMixer, NoDefaultRecordingEndpointFailsTheEnumeration) {
    sim.SetDefault(1, -1);
    mixer->Enum();
    EXPECT_FALSE(mixer->Enumerated());
    EXPECT_EQ(0, mixer->WaveOutDevNum());
    EXPECT_EQ("", mixer->WaveOutDevName(0, false));
    EXPECT_FALSE(mixer->ActiveMixer("USB", "USB", outFound, inFound, true));
    // Never a target before a good enumeration.
    EXPECT_EQ(nullptr, sim.TargetWindow());
}

TEST_F(EndpointMixer, LevelsAreReadOnTheDecibelScale) {
    ASSERT_TRUE(Activate());
    sim.SetLevel(0, 0, -6.0f, 0);
    sim.SetLevel(0, 0, -45.0f, 1);
    Reading speaker = Read(0);
    EXPECT_EQ(32660, speaker.level);
    EXPECT_EQ(0, speaker.level2);
    EXPECT_EQ(0, speaker.mute);
    EXPECT_FALSE(speaker.levelMissing);
    EXPECT_FALSE(speaker.muteMissing);
    sim.SetMute(1, 0, true);
    Reading mic = Read(1);
    EXPECT_EQ(mic.level, mic.level2);  // recording has one channel
    EXPECT_EQ(mixer->DbToInt(1, 12.0f), mic.level);
    EXPECT_EQ(1, mic.mute);
}

TEST_F(EndpointMixer, WrittenLevelsReadBackAFewStepsLower) {
    ASSERT_TRUE(Activate());
    EXPECT_TRUE(mixer->SetVolume(0, -1, 4096, -1, 1));
    const auto speaker = sim.Endpoint(0, 0);
    EXPECT_NEAR(-23.381807f, speaker.LevelDb[0], 0.000005);
    EXPECT_EQ(speaker.LevelDb[0], speaker.LevelDb[1]);
    EXPECT_EQ(1, speaker.Muted);
    Reading r = Read(0);
    EXPECT_EQ(4093, r.level);
    EXPECT_EQ(4093, r.level2);

    EXPECT_TRUE(mixer->SetVolume(0, -1, 65535, 0, 0));
    EXPECT_EQ(0.0f, sim.Endpoint(0, 0).LevelDb[0]);
    EXPECT_EQ(-45.0f, sim.Endpoint(0, 0).LevelDb[1]);
}

TEST_F(EndpointMixer, NoneMeansLeaveAlone) {
    ASSERT_TRUE(Activate());
    sim.SetLevel(0, 0, -3.0f);
    sim.SetMute(0, 0, true);
    EXPECT_TRUE(mixer->SetVolume(0, -1, -1, -1, -1));
    EXPECT_EQ(-3.0f, sim.Endpoint(0, 0).LevelDb[0]);
    EXPECT_EQ(1, sim.Endpoint(0, 0).Muted);
}

TEST_F(EndpointMixer, EndpointWithoutMuteReportsItMissing) {
    sim.SetPresent(0, 0, false);
    const int slot = sim.Add(0, L"Speakers (USB Audio Device)", -30.0f, 0.0f, true, false);
    ASSERT_GE(slot, 0);
    ASSERT_TRUE(Activate());
    Reading r = Read(0);
    EXPECT_TRUE(r.muteMissing);
    EXPECT_EQ(-7, r.mute);
    EXPECT_FALSE(r.levelMissing);
    EXPECT_EQ(-30.0f, mixer->MinDb(0));
}

TEST_F(EndpointMixer, AnEndpointWhoseRangeCannotBeReadHasNoLevelToReadOrWrite) {
    // The library then reports 0 ... 0 dB: a touch of the bar must not be
    // written as 0 dB, the top of most playback ranges.
    sim.SetPresent(0, 0, false);
    const int slot = sim.Add(0, L"Speakers (USB Audio Device)", -45.0f, 0.0f, true, true);
    ASSERT_GE(slot, 0);
    sim.SetLevel(0, slot, -20.0f);
    sim.SetRangeFails(0, slot, true);
    ASSERT_TRUE(Activate());
    Reading r = Read(0);
    EXPECT_TRUE(r.levelMissing);
    EXPECT_EQ(-1, r.level);
    EXPECT_FALSE(r.muteMissing);
    EXPECT_TRUE(mixer->SetVolume(0, -1, 20000, -1, 1));
    EXPECT_EQ(-20.0f, sim.Endpoint(0, slot).LevelDb[0]);
    EXPECT_EQ(-20.0f, sim.Endpoint(0, slot).LevelDb[1]);
    EXPECT_EQ(1, sim.Endpoint(0, slot).Muted);  // the mute still goes out
}

TEST_F(EndpointMixer, NotificationsBecomeEventsUnderTheirConditions) {
    mixer->Enum();  // enumerated, not active
    DeliverPosted();
    sim.SetPresent(0, 1, false);  // device message
    sim.SetName(0, 0, L"Speakers (USB Audio Device)");  // property: not active, not raised
    DeliverPosted();
    EXPECT_EQ((Log{"line 0 1"}), events.lines);

    sim.SetPresent(0, 1, true);
    mixer->Enum();
    ASSERT_TRUE(mixer->ActiveMixer("USB", "USB", outFound, inFound, true));
    DeliverPosted();
    events.lines.clear();
    sim.SetLevel(0, 0, -10.0f);      // the watched speaker: control message
    sim.SetLevel(0, 1, -10.0f);      // not watched: nothing
    sim.SetDefault(0, 0);            // device message
    sim.SetName(1, 0, L"Microphone (USB Audio Device)");  // property message
    mixer->SetVolume(1, -1, 100, -1, 0);  // our own writes notify too (level, mute)
    DeliverPosted();
    EXPECT_EQ((Log{"ctrl 1 0", "line 0 1", "property 0 1", "ctrl 1 0", "ctrl 1 0"}), events.lines);
}

TEST_F(EndpointMixer, MoreThanAHundredEndpoints) {
    for (int i = 0; i < 102; ++i) sim.Add(0, L"Speakers (Extra " + std::to_wstring(i) + L")", -10.0f, 0.0f);
    mixer->Enum();
    ASSERT_TRUE(mixer->Enumerated());
    EXPECT_EQ(100, mixer->WaveOutDevNum());
    EXPECT_EQ("Speakers (Extra 97)", mixer->WaveOutDevName(99, false));
    EXPECT_EQ("", mixer->WaveOutDevName(100, false));
    EXPECT_EQ("", mixer->WaveOutDevName(-1, false));
}

TEST_F(EndpointMixer, ShortNamesAreTheFirst31Units) {
    const std::wstring name = L"Speakers (USB Audio Device 123456)";  // 34 units
    const std::wstring forty = name + L"789012";                        // 40 units
    ASSERT_EQ(40u, forty.size());
    sim.Add(0, forty, -10.0f, 0.0f);
    mixer->Enum();
    EXPECT_EQ("Speakers (USB Audio Device 1234", mixer->WaveOutDevName(2, true));
    EXPECT_EQ(std::string(forty.begin(), forty.end()), mixer->WaveOutDevName(2, false));
}

// The shared block is writable by every process: counts out of range, a name
// without its terminator and levels that are not numbers are read safely, and
// a level that is no number is no level.
TEST_F(EndpointMixer, ABrokenSharedBlockIsReadSafely) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    {
        endpointsim::TSimBlockView view;
        endpointsim::TSimBlockView::Guard guard(view);
        endpointsim::SimBlock& b = *view.Block();
        b.Count[0] = 1000000;
        std::fill(std::begin(b.Endpoints[0][1].Name), std::end(b.Endpoints[0][1].Name), L'A');
        b.Endpoints[0][0].LevelDb[0] = b.Endpoints[0][0].LevelDb[1] = nan;
        b.Endpoints[1][0].LevelDb[0] = std::numeric_limits<float>::infinity();
    }
    ASSERT_TRUE(Activate());
    EXPECT_EQ(2, mixer->WaveOutDevNum());
    EXPECT_EQ(std::string(kEndpointNameUnits - 1, 'A'), mixer->WaveOutDevName(1, false));
    EXPECT_TRUE(Read(0).levelMissing);
    EXPECT_TRUE(Read(1).levelMissing);

    {
        endpointsim::TSimBlockView view;
        endpointsim::TSimBlockView::Guard guard(view);
        view.Block()->Count[1] = -3;
    }
    mixer->Enum();
    EXPECT_FALSE(mixer->Enumerated());
    EXPECT_EQ(0, sim.Count(1));
}

TEST_F(EndpointMixer, EnumDeselectsThePhone) {
    ASSERT_TRUE(Activate());
    mixer->Enum();
    EXPECT_FALSE(mixer->Active());
    DeliverPosted();
    events.lines.clear();
    sim.SetLevel(0, 1, -1.0f);  // the default is watched again, but the mixer is not active
    DeliverPosted();
    EXPECT_EQ(Log{}, events.lines);
}

TEST_F(EndpointMixer, TheDefaultDevicesAreTheMarkedEndpointsAtOnceAndCannotBeSet) {
    // Nothing enumerated yet: no device is marked.
    mixer->SysDefaultAudio(false, 0, 0);
    EXPECT_EQ(Log{"default failed"}, events.lines);

    const struct {
        const char* what;
        const wchar_t* playback;  // the default endpoints, nullptr for none
        const wchar_t* recording;
        bool set;
        std::string event;
    } cases[] = {
        {"both marked", L"Speakers (USB Audio Device)", L"Microphone (High Definition Audio Device)", false,
         "default 0 1"},
        {"the other way round", L"Speakers (High Definition Audio Device)", L"Microphone (USB Audio Device)", false,
         "default 1 0"},
        {"a set request", L"Speakers (USB Audio Device)", L"Microphone (USB Audio Device)", true, "default failed"},
        {"no recording default", L"Speakers (USB Audio Device)", nullptr, false, "default failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sim.SetDefault(0, c.playback ? sim.Find(0, c.playback) : -1);
        sim.SetDefault(1, c.recording ? sim.Find(1, c.recording) : -1);
        mixer->Enum();
        events.lines.clear();
        mixer->SysDefaultAudio(c.set, 1, 1);
        EXPECT_EQ(Log{c.event}, events.lines);
    }
    EXPECT_EQ(nullptr, mixer->Worker());
}

}  // namespace
}  // namespace dorvane::test
