// How soon a ringing call is heard: from the fifth status update of a call
// (the service's thread sends it, as in the link benchmark) to the first
// samples of the default tone on the phone's sound device, which is the
// default playback device here and is recorded through its monitor.
//
// Baseline: the same file opened and played by the benchmark itself through
// MCI (mciSendString open, the device chosen by the file's type as the
// panel's player does, then play from 0), from the open call to its first
// samples on the same monitor. The panel has to open the file at every ring
// start (stopping a tone closes the player), so the open belongs to the
// baseline; what the ratio shows is the panel's own way to the sound on top
// of it: its status handling, stopping the last tone, the time format, the
// speaker raise, the seek.
//
// Two more figures say where the difference lies: play alone (the file
// opened beforehand, the old baseline), and the panel's own sequence of MCI
// commands made by this benchmark, step by step.
//
// The times of first sound come from the monitor's sample count, placed on
// the clock by the recorder (testing::SinkRecorder); they may be some
// milliseconds off either way, alike for the panel and its baselines. The
// command times of the step-by-step line are the clock's own.
//
// Wine's capture can be deaf for some seconds after it starts. So before
// the panel is measured, the benchmark plays a tone of its own until the
// recorder hears it after the call that played it; and every sound is
// looked for from a little before its cause, so that one dated earlier
// makes its round "not measured" rather than a figure of 0.
//
// One round plays each once and waits for silence after it; the figures are
// the medians of the rounds. A round that is not heard leaves its figure a
// sample short, which is "not measured" too.
#include <windows.h>
#include <mmsystem.h>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>
#include "BenchPhone.h"
#include "BenchSupport.h"
#include "DefaultSink.h"
#include "PeerWindow.h"
#include "SimWinmm.h"
#include "SinkRecorder.h"
#include "TempFolder.h"
#include "app/Application.h"
#include "app/SystemInfo.h"
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace {

using namespace dorvane;
using testing::Clock;

constexpr int kRingRounds = 9;
// How far before its cause a sound is looked for: far enough to see one
// the recorder dates early, short enough to hold only the silence a round
// begins with.
constexpr double kLookBack = 0.25;
// How long the recorder may take to hear at all.
constexpr double kHearingSeconds = 10;

bool SendStatus(testing::PeerWindow& service, HWND to, uint8_t call_state) {
    auto sent = service.Run([=] {
        DWORD_PTR result = 0;
        return LRESULT(SendMessageTimeoutA(to, WM_PHONE_EVENT, kDeviceBit,
                                           MakeKeyEvent(kStatusUpdateKey, 0, call_state), SMTO_ABORTIFHUNG,
                                           kLinkSendTimeoutMs, &result) != 0 &&
                       result == 1);
    });
    return testing::PumpFor(sent) != 0;
}

// Waits until nothing has been heard for a while, so that the next round
// starts in silence.
bool WaitForSilence(testing::SinkRecorder& recorder) {
    for (int tries = 0; tries < 20; ++tries) {
        const double now = Clock();
        if (!recorder.HeardIn(now, now + 0.3)) return true;
    }
    return false;
}

bool Mci(const std::string& command) { return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0; }

// The time from `start` to the first sound heard after it, or nothing when
// none came within 3 s; below 0 when the recorder dates the sound before
// `start`.
std::optional<double> SoundAfter(testing::SinkRecorder& recorder, double start) {
    const auto heard = recorder.WaitForSound(start - kLookBack, start + 3);
    if (!heard) return std::nullopt;
    return *heard - start;
}

// Plays the tone through MCI until the recorder hears it after the play
// call; false when it never does.
bool HearsItsOwnTone(testing::SinkRecorder& recorder, const std::string& tone) {
    const double until = Clock() + kHearingSeconds;
    while (Clock() < until) {
        const double start = Clock();
        if (!Mci("open \"" + tone + "\" alias probe")) return false;
        Mci("play probe from 0");
        const auto heard = SoundAfter(recorder, start);
        Mci("close probe");
        const bool in_time = heard && *heard > 0;
        if (WaitForSilence(recorder) && in_time) return true;
    }
    return false;
}

// The player's commands as the panel's media player sends them, each
// stamped: open by the file's type, milliseconds, seek to the start, play.
struct PanelSequence {
    double open = 0, format = 0, seek = 0, play = 0;
    MCIDEVICEID device = 0;
    bool Run(const std::string& file, double start) {
        MCI_OPEN_PARMSA open_parms{};
        open_parms.lpstrElementName = file.c_str();
        if (mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open_parms)))
            return false;
        device = open_parms.wDeviceID;
        open = Clock() - start;
        MCI_SET_PARMS set{};
        set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
        mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&set));
        format = Clock() - start;
        MCI_SEEK_PARMS seek_parms{};
        mciSendCommandA(device, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&seek_parms));
        seek = Clock() - start;
        MCI_PLAY_PARMS play_parms{};
        mciSendCommandA(device, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play_parms));
        play = Clock() - start;
        return true;
    }
    void Close() {
        if (device) mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, 0);
        device = 0;
    }
};

}  // namespace

int main() {
    testing::PhoneIsDefaultSink phone_is_default;
    testing::SinkRecorder recorder(testing::kPhoneSinkMonitor);
    if (!phone_is_default.Ok() || !recorder.Ok()) {
        std::printf("ring: cannot hear the phone's sink (%s)\n", testing::kPhoneSinkMonitor);
        return 1;
    }
    test::TempFolder program;
    const std::string tone = program.Folder("ring") + "\\ring_in.wav";
    if (!CopyFileA(DORVANE_RING_TONE_WINDOWS, tone.c_str(), FALSE)) {
        std::printf("ring: no default tone at %s\n", DORVANE_RING_TONE_WINDOWS);
        return 1;
    }

    TApplication app;
    app.Initialize();
    std::string error;
    // An error box would wait for a click that never comes.
    app.ShowErrorBox = [&](const std::string& text, const std::string&) { error = text; };
    SystemInfo system;
    system.ProgramFolder = program.Path() + "\\";
    // The phone's mixer as the link benchmark has it: found at the first
    // update, so each update takes the common path and the speaker raise does
    // its work. (Wine's own mixers never show a phone: every update would
    // search them again, which is not how a call rings on a user's machine.)
    test::SimWinmm phone;
    bench::AddSimulatedPhone(phone);
    testing::PeerWindow service;  // outlives the panel: it gets the detach notice
    TForm1 form(app, system, {}, test::SimWinmm::Table());
    auto discovered = service.Send(form.Handle(), RegisterWindowMessageA(kDiscoverMessageName),
                                   reinterpret_cast<WPARAM>(service.Handle()), 0);
    testing::PumpFor(discovered);
    if (form.CurrentRingTone != tone) {
        std::printf("ring: the panel did not take the default tone\n");
        return 1;
    }
    SendStatus(service, form.Handle(), 0);
    if (!form.suiGroupBoxVol->Enabled()) {
        std::printf("ring: the simulated phone was not found\n");
        return 1;
    }
    if (!HearsItsOwnTone(recorder, tone)) {
        std::printf("ring: the recorder did not hear the benchmark's own tone within %.0f s\n", kHearingSeconds);
        return 1;
    }

    std::vector<double> panel, mci, mci_open, mci_play;
    std::vector<double> seq_open, seq_format, seq_seek, seq_play, seq_sound, seq_total;
    for (int round = 0; round < kRingRounds; ++round) {
        for (int update = 1; update < 5; ++update) SendStatus(service, form.Handle(), kCallRinging);
        double start = Clock();
        SendStatus(service, form.Handle(), kCallRinging);
        const auto rang = SoundAfter(recorder, start);
        SendStatus(service, form.Handle(), 0);
        if (rang && !form.Ringing && WaitForSilence(recorder)) panel.push_back(*rang);
        else std::printf("ring: the fifth update was not heard in round %d\n", round);

        start = Clock();
        if (!Mci("open \"" + tone + "\" alias bench")) {
            std::printf("ring: MCI cannot open the tone\n");
            return 1;
        }
        const double opened = Clock();
        Mci("play bench from 0");
        const auto played = SoundAfter(recorder, start);
        Mci("close bench");
        if (played && WaitForSilence(recorder)) {
            mci.push_back(*played);
            mci_open.push_back(opened - start);
            mci_play.push_back(*played - (opened - start));
        } else {
            std::printf("ring: MCI's play was not heard in round %d\n", round);
        }

        PanelSequence sequence;
        start = Clock();
        if (!sequence.Run(tone, start)) {
            std::printf("ring: MCI cannot open the tone by its type\n");
            return 1;
        }
        const auto sequenced = SoundAfter(recorder, start);
        sequence.Close();
        if (sequenced && WaitForSilence(recorder)) {
            seq_open.push_back(sequence.open);
            seq_format.push_back(sequence.format - sequence.open);
            seq_seek.push_back(sequence.seek - sequence.format);
            seq_play.push_back(sequence.play - sequence.seek);
            seq_sound.push_back(*sequenced - sequence.seek);
            seq_total.push_back(*sequenced);
        } else {
            std::printf("ring: the panel's MCI sequence was not heard in round %d\n", round);
        }
    }
    if (!error.empty()) {
        std::printf("ring: the panel reported an error: %s\n", error.c_str());
        return 1;
    }
    auto rounds = [](const std::vector<double>& values) { return bench::Samples(values, kRingRounds); };
    bench::Report("ring", {rounds(panel), rounds(mci)}, 1.2);
    bench::TableRow("ring (baseline: MCI play of an open file)", rounds(panel), rounds(mci_play), 0);
    auto median = [&](const std::vector<double>& values) {
        return bench::FormatDuration(rounds(values).Median());
    };
    std::printf("ring: baseline open %s + play to sound %s; the panel's MCI sequence: open %s, time format %s, "
                "seek %s, play call returns after %s, sound after the play call began %s, in all %s\n",
                median(mci_open).c_str(), median(mci_play).c_str(), median(seq_open).c_str(),
                median(seq_format).c_str(), median(seq_seek).c_str(), median(seq_play).c_str(),
                median(seq_sound).c_str(), median(seq_total).c_str());
    bench::TableRow("ring (baseline: the panel's MCI commands alone)", rounds(panel), rounds(seq_total), 0);
    return 0;
}
