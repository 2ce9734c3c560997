// How soon a ringing call is heard: from the fifth status update of a call
// (the service's thread sends it, as in the link benchmark) to the first
// samples of the default tone on the phone's sound device, which is the
// default playback device here and is recorded through its monitor.
//
// Baseline: the same file played by the benchmark itself through MCI
// (mciSendString open, then play), from the play call to its first samples
// on the same monitor. The ratio is what the panel's way to the sound costs
// on top of the sound system's own: its status handling, stopping the last
// tone, opening the file, raising the speaker, seeking and playing.
//
// One round plays each once and waits for silence after it; the figures are
// the medians of the rounds.
#include <windows.h>
#include <mmsystem.h>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>
#include "BenchSupport.h"
#include "DefaultSink.h"
#include "PeerWindow.h"
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool Mci(const std::string& command) { return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0; }

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
    testing::PeerWindow service;  // outlives the panel: it gets the detach notice
    TForm1 form(app, system, {});
    auto discovered = service.Send(form.Handle(), RegisterWindowMessageA(kDiscoverMessageName),
                                   reinterpret_cast<WPARAM>(service.Handle()), 0);
    testing::PumpFor(discovered);
    if (form.CurrentRingTone != tone) {
        std::printf("ring: the panel did not take the default tone\n");
        return 1;
    }

    std::vector<double> panel, mci;
    for (int round = 0; round < kRingRounds; ++round) {
        for (int update = 1; update < 5; ++update) SendStatus(service, form.Handle(), 1);
        double start = Clock();
        SendStatus(service, form.Handle(), 1);
        const auto rang = recorder.WaitForSound(start, start + 3);
        SendStatus(service, form.Handle(), 0);
        if (!rang || form.Ringing || !WaitForSilence(recorder)) {
            std::printf("ring: the fifth update was not heard in round %d\n", round);
            return 1;
        }
        panel.push_back(*rang - start);

        if (!Mci("open \"" + tone + "\" type waveaudio alias bench")) {
            std::printf("ring: MCI cannot open the tone\n");
            return 1;
        }
        start = Clock();
        Mci("play bench from 0");
        const auto played = recorder.WaitForSound(start, start + 3);
        Mci("close bench");
        if (!played || !WaitForSilence(recorder)) {
            std::printf("ring: MCI's play was not heard in round %d\n", round);
            return 1;
        }
        mci.push_back(*played - start);
    }
    if (!error.empty()) {
        std::printf("ring: the panel reported an error: %s\n", error.c_str());
        return 1;
    }
    bench::Report("ring", {Median(panel), Median(mci)});
    return 0;
}
