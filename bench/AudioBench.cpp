// The mixer component's round trip on the legacy path: list the devices,
// find and open the phone's mixer, read and write the speaker and the
// microphone. The winmm below is the simulated device tree of the unit tests,
// so the time is the component's own plus the simulation's.
//
// Baseline: the very calls the component made in one round, recorded once
// and replayed straight into the simulated winmm table. The ratio is thus the
// component's cost per winmm call it needs.
#include <windows.h>
#include <mmsystem.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include "BenchSupport.h"
#include "SimWinmm.h"
#include "audio/Audiomixer.h"

namespace {

using namespace dorvane;
using test::SimWinmm;

enum class Call {
    OutCount, OutCaps, InCount, InCaps, GetId, Open, Close, DevCaps, LineInfo, LineControls, GetDetails, SetDetails
};

// One recorded call with what it takes to make it again.
struct Recorded {
    explicit Recorded(Call c, UINT_PTR d = 0, DWORD f = 0, DWORD_PTR cb = 0) : call(c), device(d), flags(f), callback(cb) {}
    Call call;
    UINT_PTR device;  // wave device, mixer id, handle or object
    DWORD flags;
    DWORD_PTR callback;
    MIXERLINEA line{};                   // LineInfo: the query fields
    DWORD lineId = 0, count = 0;         // LineControls: line and number of controls
    MIXERCONTROLDETAILS details{};       // Get/SetDetails: the query fields
    std::vector<DWORD> values;           // SetDetails: what was written; GetDetails: room
};

std::vector<Recorded>* g_tape = nullptr;

const TWinmmApi& Sim() { return SimWinmm::Table(); }
void Record(Recorded r) {
    if (g_tape) g_tape->push_back(std::move(r));
}

UINT WINAPI OutCount() {
    Record(Recorded(Call::OutCount));
    return Sim().waveOutGetNumDevs();
}
MMRESULT WINAPI OutCaps(UINT_PTR device, LPWAVEOUTCAPSA caps, UINT size) {
    Record(Recorded(Call::OutCaps, device));
    return Sim().waveOutGetDevCapsA(device, caps, size);
}
UINT WINAPI InCount() {
    Record(Recorded(Call::InCount));
    return Sim().waveInGetNumDevs();
}
MMRESULT WINAPI InCaps(UINT_PTR device, LPWAVEINCAPSA caps, UINT size) {
    Record(Recorded(Call::InCaps, device));
    return Sim().waveInGetDevCapsA(device, caps, size);
}
MMRESULT WINAPI GetId(HMIXEROBJ object, UINT* id, DWORD flags) {
    Record(Recorded(Call::GetId, reinterpret_cast<UINT_PTR>(object), flags));
    return Sim().mixerGetID(object, id, flags);
}
MMRESULT WINAPI Open(LPHMIXER mixer, UINT id, DWORD_PTR callback, DWORD_PTR instance, DWORD flags) {
    Record(Recorded(Call::Open, id, flags, callback));
    return Sim().mixerOpen(mixer, id, callback, instance, flags);
}
MMRESULT WINAPI Close(HMIXER mixer) {
    Record(Recorded(Call::Close, reinterpret_cast<UINT_PTR>(mixer)));
    return Sim().mixerClose(mixer);
}
MMRESULT WINAPI DevCaps(UINT_PTR id, LPMIXERCAPSA caps, UINT size) {
    Record(Recorded(Call::DevCaps, id));
    return Sim().mixerGetDevCapsA(id, caps, size);
}
MMRESULT WINAPI LineInfo(HMIXEROBJ object, LPMIXERLINEA line, DWORD flags) {
    Recorded r{Call::LineInfo, reinterpret_cast<UINT_PTR>(object), flags};
    r.line = *line;
    Record(std::move(r));
    return Sim().mixerGetLineInfoA(object, line, flags);
}
MMRESULT WINAPI LineControls(HMIXEROBJ object, LPMIXERLINECONTROLSA controls, DWORD flags) {
    Recorded r{Call::LineControls, reinterpret_cast<UINT_PTR>(object), flags};
    r.lineId = controls->dwLineID;
    r.count = controls->cControls;
    Record(std::move(r));
    return Sim().mixerGetLineControlsA(object, controls, flags);
}
Recorded DetailsCall(Call call, HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    Recorded r{call, reinterpret_cast<UINT_PTR>(object), flags};
    r.details = *details;
    const DWORD items = details->cMultipleItems ? details->cMultipleItems : 1;
    const auto* values = static_cast<const DWORD*>(details->paDetails);
    const std::size_t n = details->cbDetails == sizeof(DWORD) && values ? std::size_t{details->cChannels} * items : 0;
    r.values.assign(n, 0);
    if (call == Call::SetDetails) r.values.assign(values, values + n);
    return r;
}
MMRESULT WINAPI GetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    Record(DetailsCall(Call::GetDetails, object, details, flags));
    return Sim().mixerGetControlDetailsA(object, details, flags);
}
MMRESULT WINAPI SetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    Record(DetailsCall(Call::SetDetails, object, details, flags));
    return Sim().mixerSetControlDetails(object, details, flags);
}

const TWinmmApi kRecordingTable{&OutCount, &OutCaps, &InCount,  &InCaps,       &GetId,      &Open,
                                &Close,    &DevCaps, &LineInfo, &LineControls, &GetDetails, &SetDetails};

// Makes the recorded calls again, each with fresh argument blocks as a
// caller of winmm fills them.
std::uint64_t Replay(std::vector<Recorded>& tape) {
    const TWinmmApi& api = Sim();
    std::uint64_t results = 0;
    for (Recorded& r : tape) {
        const auto object = reinterpret_cast<HMIXEROBJ>(r.device);
        switch (r.call) {
            case Call::OutCount: results += api.waveOutGetNumDevs(); break;
            case Call::InCount: results += api.waveInGetNumDevs(); break;
            case Call::OutCaps: {
                WAVEOUTCAPSA caps;
                results += api.waveOutGetDevCapsA(r.device, &caps, sizeof caps);
                break;
            }
            case Call::InCaps: {
                WAVEINCAPSA caps;
                results += api.waveInGetDevCapsA(r.device, &caps, sizeof caps);
                break;
            }
            case Call::GetId: {
                UINT id = 0;
                results += api.mixerGetID(object, &id, r.flags);
                break;
            }
            case Call::Open: {
                HMIXER mixer = nullptr;
                results += api.mixerOpen(&mixer, static_cast<UINT>(r.device), r.callback, 0, r.flags);
                break;
            }
            case Call::Close: results += api.mixerClose(reinterpret_cast<HMIXER>(r.device)); break;
            case Call::DevCaps: {
                MIXERCAPSA caps;
                results += api.mixerGetDevCapsA(r.device, &caps, sizeof caps);
                break;
            }
            case Call::LineInfo: {
                MIXERLINEA line = r.line;
                results += api.mixerGetLineInfoA(object, &line, r.flags);
                break;
            }
            case Call::LineControls: {
                std::vector<MIXERCONTROLA> controls(r.count);
                MIXERLINECONTROLSA query{};
                query.cbStruct = sizeof query;
                query.dwLineID = r.lineId;
                query.cControls = r.count;
                query.cbmxctrl = sizeof(MIXERCONTROLA);
                query.pamxctrl = controls.data();
                results += api.mixerGetLineControlsA(object, &query, r.flags);
                break;
            }
            case Call::GetDetails:
            case Call::SetDetails: {
                MIXERCONTROLDETAILS details = r.details;
                details.paDetails = r.values.data();
                results += r.call == Call::GetDetails ? api.mixerGetControlDetailsA(object, &details, r.flags)
                                                      : api.mixerSetControlDetails(object, &details, r.flags);
                break;
            }
        }
    }
    return results;
}

// The phone keyboard's USB device beside an on-board card, as the unit
// tests build it.
void BuildDevices(SimWinmm& sim) {
    const int m = sim.AddMixer("USB Audio Device");
    sim.AddDestination(m, "Speaker", 2);
    sim.AddDestination(m, "Recording", 1);
    sim.AddSource(m, 0, "Wave", 2);
    sim.AddSource(m, 1, "Mic", 1);
    sim.AddControl(m, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {1, 1});
    sim.AddControl(m, 0, -1, MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM, {0});
    sim.AddControl(m, 1, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {1});
    sim.AddWaveOut("HD Audio", -1);
    sim.AddWaveOut("USB Audio Device", m);
    sim.AddWaveIn("USB Audio Device", m);
}

}  // namespace

int main() {
    SimWinmm sim;
    BuildDevices(sim);
    TAudioMixer mixer(2, kRecordingTable);
    bool found = true;

    const auto round = [&](std::int64_t i) {
        const int level = static_cast<int>(i & 0xFFFF);
        std::string out, in;
        int l = 0, l2 = 0, mute = 0;
        bool levelMissing = false, muteMissing = false;
        mixer.Enum();
        found = mixer.ActiveMixer("USB", "USB", out, in, true) && found;
        mixer.GetVolume(0, -1, l, l2, mute, levelMissing, muteMissing);
        mixer.SetVolume(0, -1, level, -1, level & 1);
        mixer.GetVolume(1, -1, l, l2, mute, levelMissing, muteMissing);
        mixer.SetVolume(1, -1, level, -1, 0);
        sim.log.clear();
        bench::Consume(static_cast<std::uint64_t>(l + l2 + mute));
    };

    // The second round is the one recorded: the first starts from nothing
    // open, every later one from the state a round leaves behind.
    round(0);
    std::vector<Recorded> tape;
    g_tape = &tape;
    round(1);
    g_tape = nullptr;
    if (!found || tape.empty()) {
        std::printf("audio: the mixer component found no phone in the simulated devices\n");
        return 1;
    }

    const bench::Comparison result = bench::Compare(round, [&](std::int64_t) {
        bench::Consume(Replay(tape));
        sim.log.clear();
    });
    if (!found) {
        std::printf("audio: the phone was lost during the run\n");
        return 1;
    }
    bench::Report("audio", result, 0);
    return 0;
}
