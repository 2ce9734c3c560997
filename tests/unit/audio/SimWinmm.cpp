#include "SimWinmm.h"
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace dorvane::test {
namespace {
SimWinmm* g_current = nullptr;
SimWinmm& Sim() { return *g_current; }

void CopyName(char* out, size_t room, const std::string& name) {
    std::memset(out, 0, room);
    std::memcpy(out, name.data(), std::min(room - 1, name.size()));
}

SimMixer* OpenMixer(HMIXEROBJ object) {
    const int m = SimWinmm::MixerOf(object);
    if (m < 0 || m >= static_cast<int>(Sim().mixers.size()) || !Sim().mixers[m].open) return nullptr;
    return &Sim().mixers[m];
}

SimControl* FindControl(SimMixer& mixer, DWORD id) {
    for (auto& d : mixer.destinations) {
        for (auto& c : d.line.controls)
            if (c.record.dwControlID == id) return &c;
        for (auto& s : d.sources)
            for (auto& c : s.controls)
                if (c.record.dwControlID == id) return &c;
    }
    return nullptr;
}

UINT WINAPI OutCount() { return static_cast<UINT>(Sim().waveOut.size()); }
UINT WINAPI InCount() { return static_cast<UINT>(Sim().waveIn.size()); }

MMRESULT WINAPI OutCaps(UINT_PTR device, LPWAVEOUTCAPSA caps, UINT) {
    if (device >= Sim().waveOut.size()) return MMSYSERR_BADDEVICEID;
    *caps = {};
    CopyName(caps->szPname, sizeof caps->szPname, Sim().waveOut[device].name);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI InCaps(UINT_PTR device, LPWAVEINCAPSA caps, UINT) {
    if (device >= Sim().waveIn.size()) return MMSYSERR_BADDEVICEID;
    *caps = {};
    CopyName(caps->szPname, sizeof caps->szPname, Sim().waveIn[device].name);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI GetId(HMIXEROBJ object, UINT* id, DWORD flags) {
    const auto index = reinterpret_cast<UINT_PTR>(object);
    const auto& list = (flags & MIXER_OBJECTF_WAVEIN) == MIXER_OBJECTF_WAVEIN ? Sim().waveIn : Sim().waveOut;
    if (index >= list.size() || list[index].mixer < 0) return MMSYSERR_NODRIVER;
    *id = static_cast<UINT>(list[index].mixer);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Open(LPHMIXER handle, UINT id, DWORD_PTR callback, DWORD_PTR, DWORD flags) {
    if (id >= Sim().mixers.size() || Sim().mixers[id].failOpen) return MMSYSERR_BADDEVICEID;
    SimMixer& m = Sim().mixers[id];
    m.open = true;
    m.callback = (flags & CALLBACK_TYPEMASK) == CALLBACK_WINDOW ? reinterpret_cast<HWND>(callback) : nullptr;
    *handle = SimWinmm::HandleOf(static_cast<int>(id));
    Sim().log.push_back("open " + std::to_string(id));
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Close(HMIXER handle) {
    const int m = SimWinmm::MixerOf(reinterpret_cast<HMIXEROBJ>(handle));
    if (m < 0 || m >= static_cast<int>(Sim().mixers.size()) || !Sim().mixers[m].open) return MMSYSERR_INVALHANDLE;
    Sim().mixers[m].open = false;
    Sim().log.push_back("close " + std::to_string(m));
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI DevCaps(UINT_PTR id, LPMIXERCAPSA caps, UINT) {
    if (id >= Sim().mixers.size()) return MMSYSERR_BADDEVICEID;
    *caps = {};
    CopyName(caps->szPname, sizeof caps->szPname, Sim().mixers[id].name);
    caps->cDestinations = static_cast<DWORD>(Sim().mixers[id].destinations.size());
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI LineInfo(HMIXEROBJ object, LPMIXERLINEA line, DWORD flags) {
    SimMixer* m = OpenMixer(object);
    if (!m) return MMSYSERR_INVALHANDLE;
    const DWORD how = flags & MIXER_GETLINEINFOF_QUERYMASK;
    if (line->dwDestination >= m->destinations.size()) return MIXERR_INVALLINE;
    SimDestination& d = m->destinations[line->dwDestination];
    const SimLine* found = nullptr;
    if (how == MIXER_GETLINEINFOF_DESTINATION) {
        found = &d.line;
    } else if (how == MIXER_GETLINEINFOF_SOURCE) {
        if (line->dwSource >= d.sources.size()) return MIXERR_INVALLINE;
        found = &d.sources[line->dwSource];
    } else {
        return MMSYSERR_NOTSUPPORTED;
    }
    if (found->failQuery) return MMSYSERR_ERROR;
    *line = found->record;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI LineControls(HMIXEROBJ object, LPMIXERLINECONTROLSA query, DWORD flags) {
    SimMixer* m = OpenMixer(object);
    if (!m) return MMSYSERR_INVALHANDLE;
    if ((flags & MIXER_GETLINECONTROLSF_QUERYMASK) != MIXER_GETLINECONTROLSF_ALL) return MMSYSERR_NOTSUPPORTED;
    for (auto& d : m->destinations) {
        for (SimLine* l : [&] {
                 std::vector<SimLine*> all{&d.line};
                 for (auto& s : d.sources) all.push_back(&s);
                 return all;
             }()) {
            if (l->record.dwLineID != query->dwLineID) continue;
            if (l->failControls) return MMSYSERR_ERROR;
            if (query->cControls != l->controls.size()) return MMSYSERR_INVALPARAM;
            for (size_t i = 0; i < l->controls.size(); ++i) query->pamxctrl[i] = l->controls[i].record;
            return MMSYSERR_NOERROR;
        }
    }
    return MIXERR_INVALLINE;
}

MMRESULT Details(HMIXEROBJ object, LPMIXERCONTROLDETAILS d, bool write) {
    SimMixer* m = OpenMixer(object);
    if (!m) return MMSYSERR_INVALHANDLE;
    SimControl* c = FindControl(*m, d->dwControlID);
    if (!c) return MIXERR_INVALCONTROL;
    if (!write && c->failRead) return MMSYSERR_ERROR;
    if (d->cbDetails != sizeof(DWORD)) return MMSYSERR_INVALPARAM;
    const size_t n = static_cast<size_t>(d->cChannels) * std::max<DWORD>(d->cMultipleItems, 1);
    if (n == 0 || n > c->values.size()) return MMSYSERR_INVALPARAM;
    auto* values = static_cast<DWORD*>(d->paDetails);
    if (write) {
        std::string entry = "set " + std::to_string(d->dwControlID) + " ";
        for (size_t i = 0; i < n; ++i) {
            c->values[i] = values[i];
            entry += (i ? "," : "") + std::to_string(values[i]);
        }
        Sim().log.push_back(entry);
    } else {
        std::copy_n(c->values.begin(), n, values);
    }
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI GetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS d, DWORD) { return Details(object, d, false); }
MMRESULT WINAPI SetDetails(HMIXEROBJ object, LPMIXERCONTROLDETAILS d, DWORD) { return Details(object, d, true); }
}  // namespace

SimWinmm::SimWinmm() { g_current = this; }
SimWinmm::~SimWinmm() { g_current = nullptr; }
SimWinmm* SimWinmm::Current() { return g_current; }

const TWinmmApi& SimWinmm::Table() {
    static const TWinmmApi table{&OutCount, &OutCaps, &InCount,      &InCaps,      &GetId,      &Open,
                                 &Close,    &DevCaps, &LineInfo,     &LineControls, &GetDetails, &SetDetails};
    return table;
}

int SimWinmm::MixerOf(HMIXEROBJ object) { return static_cast<int>(reinterpret_cast<UINT_PTR>(object)) - 0x7000; }

int SimWinmm::AddMixer(const std::string& name) {
    mixers.push_back({});
    mixers.back().name = name;
    return static_cast<int>(mixers.size()) - 1;
}

int SimWinmm::AddDestination(int mixer, const std::string& name, DWORD channels) {
    auto& dests = mixers.at(mixer).destinations;
    SimDestination d;
    d.line.record.cbStruct = sizeof(MIXERLINEA);
    d.line.record.dwDestination = static_cast<DWORD>(dests.size());
    d.line.record.dwLineID = 0xFFFF0000u + static_cast<DWORD>(dests.size());
    d.line.record.cChannels = channels;
    CopyName(d.line.record.szName, sizeof d.line.record.szName, name);
    dests.push_back(d);
    return static_cast<int>(dests.size()) - 1;
}

int SimWinmm::AddSource(int mixer, int destination, const std::string& name, DWORD channels) {
    SimDestination& d = mixers.at(mixer).destinations.at(destination);
    SimLine s;
    s.record.cbStruct = sizeof(MIXERLINEA);
    s.record.dwDestination = static_cast<DWORD>(destination);
    s.record.dwSource = static_cast<DWORD>(d.sources.size());
    s.record.dwLineID = (static_cast<DWORD>(d.sources.size()) << 16) | static_cast<DWORD>(destination);
    s.record.cChannels = channels;
    CopyName(s.record.szName, sizeof s.record.szName, name);
    d.sources.push_back(s);
    d.line.record.cConnections = static_cast<DWORD>(d.sources.size());
    return static_cast<int>(d.sources.size()) - 1;
}

SimLine& SimWinmm::Line(int mixer, int destination, int source) {
    SimDestination& d = mixers.at(mixer).destinations.at(destination);
    return source < 0 ? d.line : d.sources.at(source);
}

DWORD SimWinmm::AddControl(int mixer, int destination, int source, DWORD type, DWORD flags, std::vector<DWORD> values,
                           DWORD items) {
    SimLine& line = Line(mixer, destination, source);
    SimControl c;
    c.record.cbStruct = sizeof(MIXERCONTROLA);
    c.record.dwControlID = nextId_++;
    c.record.dwControlType = type;
    c.record.fdwControl = flags;
    c.record.cMultipleItems = items;
    c.values = std::move(values);
    line.controls.push_back(c);
    line.record.cControls = static_cast<DWORD>(line.controls.size());
    return c.record.dwControlID;
}

SimControl& SimWinmm::Control(DWORD id) {
    for (auto& m : mixers)
        if (SimControl* c = FindControl(m, id)) return *c;
    throw std::out_of_range("no such control");
}

void SimWinmm::PostControlChange(int mixer, DWORD controlId) {
    const SimMixer& m = mixers.at(mixer);
    if (m.open && m.callback) PostMessageA(m.callback, MM_MIXM_CONTROL_CHANGE, reinterpret_cast<WPARAM>(HandleOf(mixer)), controlId);
}

void SimWinmm::PostLineChange(int mixer, DWORD lineId) {
    const SimMixer& m = mixers.at(mixer);
    if (m.open && m.callback) PostMessageA(m.callback, MM_MIXM_LINE_CHANGE, reinterpret_cast<WPARAM>(HandleOf(mixer)), lineId);
}

}  // namespace dorvane::test
