// The Windows default devices through the mixer component: on the legacy
// path its worker thread and the request handshake, then the worker against
// the real stand-in Sound control panel started on its hidden desktop.
#include <gtest/gtest.h>
#include <cstdio>
#include <memory>
#include "MixerTestSupport.h"
#include "PeerWindow.h"
#include "SoundDevices.h"
#include "SoundPanelLog.h"
#include "audio/Audiomixer.h"

namespace dorvane::test {
namespace {
using dorvane::testing::PumpUntil;
using soundpanel::TDeviceKind;
using Log = std::vector<std::string>;

bool Idle(const TAudioMixer& mixer) { return mixer.Worker() && !mixer.Worker()->Busy; }

TEST(DefaultDeviceWorker, ARequestWhileOneRunsIsDroppedAndTheNextOneIsTaken) {
    // No panel page for this version: every request fails, quickly.
    TAudioMixer mixer(0);
    EventLog events;
    events.Attach(mixer);
    EXPECT_EQ(nullptr, mixer.Worker());
    mixer.SysDefaultAudio(false, 0, 0);
    ASSERT_NE(nullptr, mixer.Worker());
    // The worker's answer waits for this thread: it is still busy.
    mixer.SysDefaultAudio(true, 4, 5);
    ASSERT_TRUE(PumpUntil([&] { return Idle(mixer) && !events.lines.empty(); }, 5000));
    EXPECT_EQ(Log{"default failed"}, events.lines);
    const TFindWindow& worker = *mixer.Worker();
    EXPECT_FALSE(worker.SetMode);
    EXPECT_EQ(-1, worker.OutIndex);
    EXPECT_EQ(-1, worker.InIndex);
    EXPECT_EQ(mixer.Window(), worker.NotifyWindow);

    mixer.SysDefaultAudio(true, 4, 5);
    ASSERT_TRUE(PumpUntil([&] { return Idle(mixer) && events.lines.size() == 2; }, 5000));
    EXPECT_EQ((Log{"default failed", "default failed"}), events.lines);
    EXPECT_EQ(&worker, mixer.Worker());
    EXPECT_TRUE(worker.SetMode);
    EXPECT_EQ(4, worker.OutIndex);
    EXPECT_EQ(5, worker.InIndex);
}

TEST(DefaultDeviceWorker, AMixerGoingWhileTheAnswerWaitsForItEndsWithoutTheEvent) {
    auto mixer = std::make_unique<TAudioMixer>(0);
    EventLog events;
    events.Attach(*mixer);
    mixer->SysDefaultAudio(false, 0, 0);
    // Wait for the worker's send to stand in this thread's queue, without
    // taking it: the worker is then blocked until this thread answers.
    auto sendWaiting = [] { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; };
    const DWORD start = GetTickCount();
    while (!sendWaiting() && GetTickCount() - start < 5000) Sleep(1);
    ASSERT_TRUE(sendWaiting());
    mixer.reset();
    EXPECT_TRUE(events.lines.empty());
}

// The worker as the panel runs on XP, with the stand-in panel.
struct DefaultDevicePanel : ::testing::Test {
    void SetUp() override {
        if (!SoundPanelInstalled()) GTEST_SKIP() << "no mmsys.cpl in the system folder";
        char folder[MAX_PATH] = {};
        GetSystemDirectoryA(folder, MAX_PATH);
        mixer = std::make_unique<TAudioMixer>(2, TWinmmApi::Real(), std::string(), folder);
        events.Attach(*mixer);
    }
    // One request, answered.
    Log Ask(bool set, int out, int in, DWORD timeout_ms = 20000) {
        mixer->SysDefaultAudio(set, out, in);
        EXPECT_TRUE(PumpUntil([&] { return Idle(*mixer) && !events.lines.empty(); }, timeout_ms));
        return events.lines;
    }
    std::string Desktop() const {
        char name[32];
        std::snprintf(name, sizeof name, "Vob desktop %08X", static_cast<unsigned>(mixer->Worker()->ThreadId()));
        return name;
    }
    std::string Shown(int lists, int out, int in) const {
        return "shown pid=* desktop=" + Desktop() + " lists=" + std::to_string(lists) + " out=" + std::to_string(out) +
               " in=" + std::to_string(in);
    }
    // The panel's process has ended and left no dialog behind.
    void ExpectPanelGone() const {
        const DWORD panel = log.Panel();
        ASSERT_NE(0u, panel);
        EXPECT_TRUE(ProcessEnded(panel));
        EXPECT_EQ(Desktop(), log.Desktop());
        EXPECT_EQ(0, DialogsOn(Desktop(), panel));
    }

    SoundPanelLog log;
    std::unique_ptr<TAudioMixer> mixer;
    EventLog events;
};

TEST_F(DefaultDevicePanel, AQueryReadsThePanelsSelectionsAndCancelsIt) {
    const int out = soundpanel::PreferredDevice(TDeviceKind::Playback);
    const int in = soundpanel::PreferredDevice(TDeviceKind::Recording);
    EXPECT_EQ(Log{"default " + std::to_string(out) + " " + std::to_string(in)}, Ask(false, 0, 0));
    EXPECT_EQ((Log{Shown(3, out, in), "cancel"}), log.Lines());
    ExpectPanelGone();
}

// Puts Wine's default-device settings back as they were.
class WineDefaults {
public:
    WineDefaults()
        : out_(soundpanel::WineDefaultDevice(TDeviceKind::Playback)),
          in_(soundpanel::WineDefaultDevice(TDeviceKind::Recording)) {}
    ~WineDefaults() {
        soundpanel::SetWineDefaultDevice(TDeviceKind::Playback, out_);
        soundpanel::SetWineDefaultDevice(TDeviceKind::Recording, in_);
    }

private:
    std::wstring out_, in_;
};

TEST_F(DefaultDevicePanel, ASetSelectsBothListsAndOkMakesThemTheDefaults) {
    const int outs = static_cast<int>(soundpanel::DeviceNames(TDeviceKind::Playback).size());
    const int ins = static_cast<int>(soundpanel::DeviceNames(TDeviceKind::Recording).size());
    if (outs < 3 || ins < 2) GTEST_SKIP() << "fewer than three playback or two recording devices";
    if (soundpanel::DeviceNames(TDeviceKind::Midi).size() > 1) GTEST_SKIP() << "MIDI devices would change too";
    const int out = soundpanel::PreferredDevice(TDeviceKind::Playback);
    const int in = soundpanel::PreferredDevice(TDeviceKind::Recording);
    const int third = soundpanel::PreferredDevice(TDeviceKind::Midi);
    // Taken before: Wine moves a new default device to the front of the
    // lists of every program running.
    const std::wstring chosenOut = soundpanel::WaveDeviceId(TDeviceKind::Playback, 2);
    const std::wstring chosenIn = soundpanel::WaveDeviceId(TDeviceKind::Recording, 1);
    WineDefaults restore;
    EXPECT_EQ(Log{"default 2 1"}, Ask(true, 2, 1));
    EXPECT_EQ((Log{Shown(3, out, in), "changed 6662", "changed 6663",
                   "ok out=2 in=1 third=" + std::to_string(third) + " changed=6662,6663"}),
              log.Lines());
    ExpectPanelGone();
    // Wine's winmm takes no preferred device: the panel made them Wine's
    // default devices.
    EXPECT_EQ(chosenOut, soundpanel::WineDefaultDevice(TDeviceKind::Playback));
    EXPECT_EQ(chosenIn, soundpanel::WineDefaultDevice(TDeviceKind::Recording));
}

TEST_F(DefaultDevicePanel, APanelOfAnotherShapeIsNeverOperatedAndIsEndedAtThePollLimit) {
    ScopedEnvironment shape("DORVANE_SOUNDPANEL_LISTS", "2");
    const int out = soundpanel::PreferredDevice(TDeviceKind::Playback);
    const int in = soundpanel::PreferredDevice(TDeviceKind::Recording);
    // 3000 passes 10 ms apart: half a minute and more.
    EXPECT_EQ(Log{"default failed"}, Ask(false, 0, 0, 120000));
    EXPECT_EQ(Log{Shown(2, out, in)}, log.Lines());
    ExpectPanelGone();
}

}  // namespace
}  // namespace dorvane::test
