// The volume group over a simulated legacy mixer: what the phone's lines
// show, what is written back, and when nothing may be.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include "PeerWindow.h"
#include "SimWinmm.h"
#include "app/Application.h"
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace dorvane::test {
namespace {
using dorvane::testing::TakeQuit;
constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME;
constexpr DWORD kMute = MIXERCONTROL_CONTROLTYPE_MUTE;
constexpr DWORD kUniform = MIXERCONTROL_CONTROLF_UNIFORM;

// The phone's mixer: "Speaker" (stereo) with its first source "Wave", and
// "Recording Control" (mono); each line has a volume and a mute control.
struct VolumePageTest : ::testing::Test {

    void SetUp() override {
        app.Initialize();
        m = sim.AddMixer("USB Audio Device");
        sim.AddDestination(m, "Speaker", 2);
        sim.AddDestination(m, "Recording Control", 1);
        sim.AddSource(m, 0, "Wave", wave_channels);
        sim.AddWaveOut("USB Audio Device", m);
        sim.AddWaveIn("USB Audio Device", m);
    }
    void TearDown() override {
        form.reset();
        TakeQuit();
    }
    void Phone(std::vector<DWORD> speaker, DWORD speaker_mute, std::vector<DWORD> wave, DWORD wave_mute,
               DWORD mic = 8000, DWORD mic_mute = 0) {
        speaker_volume = sim.AddControl(m, 0, -1, kVolume, 0, std::move(speaker));
        speaker_mute_id = sim.AddControl(m, 0, -1, kMute, kUniform, {speaker_mute});
        wave_volume = sim.AddControl(m, 0, 0, kVolume, 0, std::move(wave));
        wave_mute_id = sim.AddControl(m, 0, 0, kMute, kUniform, {wave_mute});
        mic_volume = sim.AddControl(m, 1, -1, kVolume, kUniform, {mic});
        mic_mute_id = sim.AddControl(m, 1, -1, kMute, kUniform, {mic_mute});
    }
    // A panel that has seen the phone come.
    void Connect() {
        form = std::make_unique<TForm1>(app, SystemInfo{}, std::vector<std::string>{}, SimWinmm::Table());
        form->StatusWord = kDeviceBit;
        form->UpdateVolumeGroup(true);
    }
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const auto& line : sim.log)
            if (line.rfind("set ", 0) == 0) writes.push_back(line);
        return writes;
    }
    // Another phone for the next case of a table.
    void Reset() {
        TearDown();
        sim.mixers.clear();
        sim.waveOut.clear();
        sim.waveIn.clear();
        SetUp();
    }
    std::string Set(DWORD id, const std::string& values) const { return "set " + std::to_string(id) + " " + values; }

    SimWinmm sim;
    DWORD wave_channels = 2;
    int m = -1;
    DWORD speaker_volume = 0, speaker_mute_id = 0, wave_volume = 0, wave_mute_id = 0, mic_volume = 0, mic_mute_id = 0;
    TApplication app;
    std::unique_ptr<TForm1> form;
};

TEST_F(VolumePageTest, TheComingPhoneIsShownAndOnlyWhatTheBarCannotShowIsWrittenBack) {
    const struct Case {
        const char* what;
        std::vector<DWORD> speaker, wave;
        DWORD speaker_mute;
        int bar;
        std::vector<std::string> (*writes)(const VolumePageTest&);
    } cases[] = {
        {"destination at 40000, its source at 20000: the source takes the destination's setting", {40000, 40000},
         {20000, 20000}, 1, 40000,
         [](const VolumePageTest& t) {
             return std::vector<std::string>{t.Set(t.wave_volume, "40000,40000"), t.Set(t.wave_mute_id, "1")};
         }},
        {"stereo 30000/50000 shows the louder channel", {30000, 50000}, {30000, 50000}, 0, 50000,
         [](const VolumePageTest&) { return std::vector<std::string>{}; }},
        {"70000 shows 65535 and puts 65535 back", {70000, 70000}, {65535, 65535}, 0, 65535,
         [](const VolumePageTest& t) {
             return std::vector<std::string>{t.Set(t.speaker_volume, "65535,65535"), t.Set(t.speaker_mute_id, "0")};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        Phone(c.speaker, c.speaker_mute, c.wave, c.speaker_mute);
        if (c.speaker_mute != 0) sim.Control(wave_mute_id).values = {0};
        sim.log.clear();
        Connect();
        EXPECT_TRUE(form->suiGroupBoxVol->Enabled());
        EXPECT_TRUE(form->suiTrackBarVolOut->TicksVisible());
        EXPECT_EQ(form->suiTrackBarVolOut->Position(), c.bar);
        EXPECT_EQ(form->suiCheckBoxVolOut->Checked(), c.speaker_mute != 0);
        EXPECT_EQ(form->suiTrackBarVolIn->Position(), 8000);
        EXPECT_EQ(Writes(), c.writes(*this));
    }
}

TEST_F(VolumePageTest, TheUsersChangesGoOutWithLevelAndMuteTogether) {
    Phone({20000, 20000}, 0, {20000, 20000}, 0);
    Connect();
    sim.log.clear();
    form->suiTrackBarVolOut->SetPosition(24576);  // as a drag would
    form->suiCheckBoxVolIn->Click();
    EXPECT_EQ(Writes(), (std::vector<std::string>{Set(speaker_volume, "24576,24576"), Set(speaker_mute_id, "0"),
                                                  Set(mic_volume, "8000"), Set(mic_mute_id, "1")}));
}

TEST_F(VolumePageTest, ThePhoneGoingAwayClearsTheGroupWithoutAWrite) {
    Phone({40000, 40000}, 1, {40000, 40000}, 1);
    Connect();
    ASSERT_EQ(form->suiTrackBarVolOut->Position(), 40000);
    sim.log.clear();
    form->UpdateVolumeGroup(false);
    EXPECT_FALSE(form->suiGroupBoxVol->Enabled());
    EXPECT_FALSE(form->suiTrackBarVolOut->TicksVisible());
    for (TsuiTrackBar* bar : {form->suiTrackBarVolOut.get(), form->suiTrackBarVolIn.get(), form->suiTrackBarVolRing.get()})
        EXPECT_EQ(bar->Position(), 0);
    EXPECT_FALSE(form->suiCheckBoxVolOut->Checked());
    EXPECT_FALSE(form->suiCheckBoxVolIn->Checked());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(VolumePageTest, APhoneNotListedYetIsTriedAgainAtTheNextUpdate) {
    form = std::make_unique<TForm1>(app, SystemInfo{}, std::vector<std::string>{}, SimWinmm::Table());
    form->StatusWord = kDeviceBit;
    sim.waveOut.clear();
    sim.waveIn.clear();
    form->UpdateVolumeGroup(true);
    EXPECT_FALSE(form->suiGroupBoxVol->Enabled());
    EXPECT_TRUE(form->PhoneOutName.empty());
    Phone({30000, 30000}, 0, {30000, 30000}, 0);
    sim.AddWaveOut("USB Audio Device", m);
    sim.AddWaveIn("USB Audio Device", m);
    form->UpdateVolumeGroup(true);
    EXPECT_TRUE(form->suiGroupBoxVol->Enabled());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 30000);
    EXPECT_TRUE(form->AutoSelectOutPending);
}

// Whatever closed the phone's mixer since the tone began, the speaker gets
// its setting back as long as the phone is there; only then.
TEST_F(VolumePageTest, AToneRaisesTheSpeakerAndTheRememberedSettingGoesBackToThePhone) {
    enum class Before { Nothing, MixerClosed, PhoneUnlisted, DeviceBitGone };
    const struct {
        const char* what;
        Before before_restore;
        bool written;
    } cases[] = {
        {"the mixer stays active", Before::Nothing, true},
        {"a device change closed the mixer", Before::MixerClosed, true},
        {"the phone's devices are gone", Before::PhoneUnlisted, false},
        {"the service no longer reports the phone", Before::DeviceBitGone, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        Phone({12000, 12000}, 1, {12000, 12000}, 1);
        Connect();
        form->RaiseSpeakerForTone();
        form->RaiseSpeakerForTone();  // a second start keeps the first setting
        EXPECT_EQ(form->suiTrackBarVolOut->Position(), 65535);
        EXPECT_FALSE(form->suiCheckBoxVolOut->Checked());
        EXPECT_EQ(sim.Control(speaker_volume).values, (std::vector<DWORD>{65535, 65535}));
        EXPECT_EQ(sim.Control(speaker_mute_id).values, std::vector<DWORD>{0});
        if (c.before_restore == Before::PhoneUnlisted) {
            sim.waveOut.clear();
            sim.waveIn.clear();
        }
        if (c.before_restore == Before::DeviceBitGone) form->StatusWord = 0;
        if (c.before_restore != Before::Nothing) form->AudioMixerUsb.Enum();
        // Shown at full level by the read that a device change makes.
        sim.log.clear();
        form->RestoreSpeakerAfterTone();
        form->RestoreSpeakerAfterTone();  // nothing remembered any more
        EXPECT_EQ(form->suiTrackBarVolOut->Position(), 12000);
        EXPECT_TRUE(form->suiCheckBoxVolOut->Checked());
        const std::vector<std::string> written{Set(speaker_volume, "12000,12000"), Set(speaker_mute_id, "1")};
        EXPECT_EQ(Writes(), c.written ? written : std::vector<std::string>{});
    }
}

// Another program changes the phone's lines: the panel shows the change and
// copies it between destination and first source only where they differ.
TEST_F(VolumePageTest, AChangeElsewhereIsCopiedOnlyWhereTheSpeakerLinesReallyDiffer) {
    const struct {
        const char* what;
        DWORD wave_channels;
        std::vector<DWORD> speaker, wave;
        bool copied;
    } cases[] = {
        {"stereo destination and mono source at one level", 1, {30000, 30000}, {30000}, false},
        {"stereo destination and mono source apart", 1, {30000, 30000}, {20000}, true},
        {"both stereo, one channel apart", 2, {30000, 30000}, {30000, 20000}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        wave_channels = c.wave_channels;
        Reset();
        Phone({30000, 30000}, 0, std::vector<DWORD>(c.wave_channels, 30000), 0);
        Connect();
        sim.Control(speaker_volume).values = c.speaker;
        sim.Control(wave_volume).values = c.wave;
        sim.log.clear();
        form->AudioMixerUsbCtrlChange();
        EXPECT_EQ(!Writes().empty(), c.copied);
    }
}

TEST_F(VolumePageTest, ABurstOfLineChangesGivesOneRefreshASecondAfterTheLast) {
    Phone({20000, 20000}, 0, {20000, 20000}, 0);
    Connect();
    EXPECT_FALSE(form->TimerDevChg.Enabled());
    const unsigned starts = form->TimerDevChg.StartCount();
    form->AudioMixerUsbLineChange();
    form->AudioMixerUsbLineChange();  // 500 ms later: the wait starts afresh
    EXPECT_TRUE(form->TimerDevChg.Enabled());
    EXPECT_EQ(form->TimerDevChg.StartCount(), starts + 2);
    EXPECT_EQ(form->TimerDevChg.Interval(), 1000u);
    // The refresh reads the lines anew and stops the timer.
    sim.Control(speaker_volume).values = {36000, 36000};
    sim.Control(wave_volume).values = {36000, 36000};
    form->TimerDevChg.OnTimer();
    EXPECT_FALSE(form->TimerDevChg.Enabled());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 36000);
    EXPECT_TRUE(form->suiGroupBoxVol->Enabled());
}

}  // namespace
}  // namespace dorvane::test
