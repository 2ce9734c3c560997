// Reading and writing levels and mute states on the legacy path (the
// endpoint path's decibel scale is MixerDecibelTest.cpp).
#include <gtest/gtest.h>
#include "SimWinmm.h"
#include "audio/Audiomixer.h"

namespace dorvane::test {
namespace {
using Log = std::vector<std::string>;
constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME;
constexpr DWORD kMute = MIXERCONTROL_CONTROLTYPE_MUTE;
constexpr DWORD kMux = MIXERCONTROL_CONTROLTYPE_MUX;
constexpr DWORD kMixer = MIXERCONTROL_CONTROLTYPE_MIXER;
constexpr DWORD kUniform = MIXERCONTROL_CONTROLF_UNIFORM;
constexpr DWORD kMultiple = MIXERCONTROL_CONTROLF_MULTIPLE;
constexpr DWORD kDisabled = MIXERCONTROL_CONTROLF_DISABLED;

struct Reading {
    bool found = false;
    int level = -7, level2 = -7, mute = -7;
    bool levelMissing = false, muteMissing = false;
};

// The phone's mixer: destination 0 "Speaker" (stereo) with source 0 "Wave"
// (stereo); destination 1 "Recording Control" (mono) with sources 0-2.
struct LegacyVolume : ::testing::Test {
    SimWinmm sim;
    int m = -1;
    std::unique_ptr<TAudioMixer> mixer;

    void SetUp() override {
        m = sim.AddMixer("USB Audio Device");
        sim.AddDestination(m, "Speaker", 2);
        sim.AddDestination(m, "Recording Control", 1);
        sim.AddSource(m, 0, "Wave", 2);
        for (const char* name : {"Line", "CD", "Microphone"}) sim.AddSource(m, 1, name, 1);
        sim.AddWaveOut("USB Audio Device", m);
        sim.AddWaveIn("USB Audio Device", m);
    }
    void Activate() {
        mixer = std::make_unique<TAudioMixer>(2, SimWinmm::Table());
        std::string out, in;
        ASSERT_TRUE(mixer->ActiveMixer("USB", "USB", out, in, true));
        sim.log.clear();
    }
    Reading Read(int device, int source) {
        Reading r;
        r.found = mixer->GetVolume(device, source, r.level, r.level2, r.mute, r.levelMissing, r.muteMissing);
        return r;
    }
};

TEST_F(LegacyVolume, StereoControlGivesBothChannelsUniformOnlyOne) {
    sim.AddControl(m, 0, -1, kVolume, 0, {30000, 40000});
    sim.AddControl(m, 0, -1, kMute, kUniform, {1});
    sim.AddControl(m, 0, 0, kVolume, kUniform, {25000, 0});
    Activate();
    Reading speaker = Read(0, -1);
    EXPECT_TRUE(speaker.found);
    EXPECT_EQ(30000, speaker.level);
    EXPECT_EQ(40000, speaker.level2);
    EXPECT_EQ(1, speaker.mute);
    EXPECT_FALSE(speaker.levelMissing);
    EXPECT_FALSE(speaker.muteMissing);
    Reading wave = Read(0, 0);
    EXPECT_EQ(25000, wave.level);
    EXPECT_EQ(-1, wave.level2);
    EXPECT_EQ(-1, wave.mute);
    EXPECT_TRUE(wave.muteMissing);
    EXPECT_EQ(Log{}, sim.log);  // reading writes nothing
}

TEST_F(LegacyVolume, DisabledVolumeIsPassedOverForTheNextOne) {
    sim.AddControl(m, 0, -1, kVolume, kDisabled, {111, 111});
    sim.AddControl(m, 0, -1, kVolume, 0, {20000, 20000});
    sim.AddControl(m, 0, -1, kVolume, 0, {33333, 33333});  // read, but the first usable one decided
    sim.AddControl(m, 0, 0, kVolume, kDisabled, {5, 5});
    Activate();
    EXPECT_EQ(20000, Read(0, -1).level);
    Reading wave = Read(0, 0);
    EXPECT_EQ(-1, wave.level);
    EXPECT_TRUE(wave.levelMissing);
}

TEST_F(LegacyVolume, UnreadableAndMultipleControlsAreSkipped) {
    const DWORD broken = sim.AddControl(m, 0, -1, kVolume, 0, {1, 1});
    sim.Control(broken).failRead = true;
    sim.AddControl(m, 0, -1, kVolume, kMultiple, {2, 2, 2, 2}, 2);
    sim.AddControl(m, 0, -1, kVolume, 0, {3000, 4000});
    Activate();
    Reading r = Read(0, -1);
    EXPECT_EQ(3000, r.level);
    EXPECT_EQ(4000, r.level2);
}

TEST_F(LegacyVolume, RawValuesAboveTheScaleAreKept) {
    sim.AddControl(m, 0, -1, kVolume, kUniform, {70000});
    Activate();
    EXPECT_EQ(70000, Read(0, -1).level);
}

TEST_F(LegacyVolume, MissingLineWritesNoOutputs) {
    Activate();
    Reading r = Read(0, 5);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(-7, r.level);
    EXPECT_FALSE(Read(2, -1).found);
    EXPECT_FALSE(mixer->SetVolume(0, 3, 1, 1, 1));
    EXPECT_EQ(Log{}, sim.log);
}

TEST_F(LegacyVolume, NothingIsReadWithoutAnOpenMixer) {
    sim.AddControl(m, 0, -1, kVolume, 0, {1, 1});
    mixer = std::make_unique<TAudioMixer>(2, SimWinmm::Table());
    EXPECT_FALSE(Read(0, -1).found);
    EXPECT_FALSE(mixer->SetVolume(0, -1, 1, 1, 0));
}

TEST_F(LegacyVolume, SetVolumeWritesBothChannelsAndTheMute) {
    const DWORD volume = sim.AddControl(m, 0, -1, kVolume, 0, {1, 2});
    const DWORD mute = sim.AddControl(m, 0, -1, kMute, kUniform, {0});
    sim.AddControl(m, 0, -1, kVolume, 0, {9, 9});  // a second one is never written
    Activate();
    EXPECT_TRUE(mixer->SetVolume(0, -1, 20000, -1, 1));
    EXPECT_TRUE(mixer->SetVolume(0, -1, 100, 200, -1));
    EXPECT_TRUE(mixer->SetVolume(0, -1, -1, -1, 0));
    const std::string v = "set " + std::to_string(volume) + " ", u = "set " + std::to_string(mute) + " ";
    EXPECT_EQ((Log{v + "20000,20000", u + "1", v + "100,200", u + "0"}), sim.log);
}

TEST_F(LegacyVolume, DisabledControlsAreStillWritten) {
    const DWORD volume = sim.AddControl(m, 0, -1, kVolume, kDisabled | kUniform, {0});
    Activate();
    mixer->SetVolume(0, -1, 500, -1, -1);
    EXPECT_EQ((Log{"set " + std::to_string(volume) + " 500"}), sim.log);
}

TEST_F(LegacyVolume, SourceWithoutMuteIsMutedThroughTheMux) {
    const DWORD mux = sim.AddControl(m, 1, -1, kMux, kUniform | kMultiple, {1, 0, 0}, 3);
    sim.AddControl(m, 1, 2, kVolume, kUniform, {8000});
    Activate();
    const std::string x = "set " + std::to_string(mux) + " ";
    EXPECT_TRUE(mixer->SetVolume(1, 2, -1, -1, 1));
    EXPECT_EQ(1, Read(1, 2).mute);
    EXPECT_EQ(0, Read(1, 0).mute);
    EXPECT_TRUE(mixer->SetVolume(1, 2, -1, -1, 0));
    Reading r = Read(1, 2);
    EXPECT_EQ(0, r.mute);
    EXPECT_FALSE(r.muteMissing);
    EXPECT_EQ((Log{x + "0,0,1", x + "0,0,0"}), sim.log);
}

TEST_F(LegacyVolume, SourceBeyondTheSelectorsItemsLeavesItAlone) {
    sim.AddControl(m, 1, -1, kMux, kUniform | kMultiple, {1, 0}, 2);
    sim.AddControl(m, 1, 2, kVolume, kUniform, {8000});
    Activate();
    Reading r = Read(1, 2);
    EXPECT_EQ(-1, r.mute);
    EXPECT_TRUE(r.muteMissing);
    EXPECT_TRUE(mixer->SetVolume(1, 2, -1, -1, 1));
    EXPECT_EQ(Log{}, sim.log);
}

TEST_F(LegacyVolume, MixerSelectorKeepsOtherSourcesAndIsNotWrittenBlind) {
    const DWORD mix = sim.AddControl(m, 1, -1, kMixer, kUniform | kMultiple, {1, 1, 0}, 3);
    sim.AddControl(m, 1, 2, kVolume, kUniform, {8000});
    Activate();
    EXPECT_TRUE(mixer->SetVolume(1, 2, -1, -1, 1));
    EXPECT_EQ((Log{"set " + std::to_string(mix) + " 1,1,1"}), sim.log);
    // Unknown values of the other sources: nothing is written.
    sim.Control(mix).failRead = true;
    sim.log.clear();
    EXPECT_TRUE(mixer->SetVolume(1, 2, -1, -1, 0));
    EXPECT_EQ(Log{}, sim.log);
    EXPECT_EQ((std::vector<DWORD>{1, 1, 1}), sim.Control(mix).values);
}

TEST_F(LegacyVolume, OnlyTheFirstSelectorIsTriedOnWrite) {
    const DWORD first = sim.AddControl(m, 1, -1, kMux, kUniform | kMultiple, {0, 0}, 2);
    sim.AddControl(m, 1, -1, kMux, kUniform | kMultiple, {0, 0, 0}, 3);
    sim.AddControl(m, 1, 2, kVolume, kUniform, {1});
    Activate();
    mixer->SetVolume(1, 2, -1, -1, 1);  // beyond the first one's items
    EXPECT_EQ(Log{}, sim.log);
    mixer->SetVolume(1, 1, -1, -1, 1);
    EXPECT_EQ((Log{"set " + std::to_string(first) + " 0,1"}), sim.log);
}

}  // namespace
}  // namespace dorvane::test
