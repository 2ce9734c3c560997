// Volume and mute of the phone's lines on both paths, on one scale: levels
// 0 ... 65535, mute 0 or 1, -1 for none.
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>
#include "audio/Audiomixer.h"
#include "audio/MixerDecibel.h"

namespace dorvane {
namespace {
// A driver that reports absurd shapes must not make us allocate absurdly.
constexpr DWORD kMaxChannels = 32;
constexpr DWORD kMaxItems = 1024;

struct ControlValues {
    DWORD channels = 1;
    DWORD items = 0;
    std::vector<DWORD> values;
};

bool Has(const MIXERCONTROLA& c, DWORD flag) { return (c.fdwControl & flag) != 0; }

bool IsLevelOrMute(const MIXERCONTROLA& c) {
    return c.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME || c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE;
}

bool IsSelector(const MIXERCONTROLA& c) {
    return c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX || c.dwControlType == MIXERCONTROL_CONTROLTYPE_MIXER;
}

ControlValues ShapeOf(const MIXERCONTROLA& c, DWORD lineChannels, bool withItems) {
    ControlValues v;
    v.channels = Has(c, MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : std::clamp<DWORD>(lineChannels, 1, kMaxChannels);
    v.items = withItems && Has(c, MIXERCONTROL_CONTROLF_MULTIPLE) ? std::min(c.cMultipleItems, kMaxItems) : 0;
    v.values.assign(static_cast<size_t>(v.channels) * std::max<DWORD>(v.items, 1), 0);
    return v;
}

MIXERCONTROLDETAILS DetailsOf(const MIXERCONTROLA& c, ControlValues& v) {
    MIXERCONTROLDETAILS d{};
    d.cbStruct = sizeof d;
    d.dwControlID = c.dwControlID;
    d.cChannels = v.channels;
    d.cMultipleItems = v.items;
    d.cbDetails = sizeof(DWORD);
    d.paDetails = v.values.data();
    return d;
}

bool Read(const TMixerDevice& device, const MIXERCONTROLA& c, ControlValues& v) {
    MIXERCONTROLDETAILS d = DetailsOf(c, v);
    return device.Api->mixerGetControlDetailsA(device.Object(), &d,
                                               MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER) ==
           MMSYSERR_NOERROR;
}

void Write(const TMixerDevice& device, const MIXERCONTROLA& c, ControlValues& v) {
    MIXERCONTROLDETAILS d = DetailsOf(c, v);
    device.Api->mixerSetControlDetails(device.Object(), &d, MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER);
}

int LevelOf(DWORD raw) { return static_cast<int>(std::min<DWORD>(raw, INT_MAX)); }
DWORD RawOf(int level) { return static_cast<DWORD>(std::max(level, 0)); }
int Flow(int device) { return device == 0 ? 0 : 1; }
}  // namespace

bool TAudioMixer::GetVolume(int device, int source, int& level, int& level2, int& mute, bool& levelMissing,
                            bool& muteMissing) {
    return endpointMode_ ? VistaGetVolume(device, source, level, level2, mute, levelMissing, muteMissing)
                         : NorGetVolume(device, source, level, level2, mute, levelMissing, muteMissing);
}

bool TAudioMixer::SetVolume(int device, int source, int level, int level2, int mute) {
    return endpointMode_ ? VistaSetVolume(device, source, level, level2, mute)
                         : NorSetVolume(device, source, level, level2, mute);
}

const MIXERLINEA* TAudioMixer::FindLine(int device, int source, const TMixerControls*& controls) const {
    if (!destinations_ || device < 0 || device >= destinations_->Count()) return nullptr;
    const TMixerDestination* destination = destinations_->Item(device);
    if (source < 0) {
        controls = &destination->Controls();
        return &destination->Line();
    }
    if (source >= destination->Connections().Count()) return nullptr;
    const TMixerConnection* connection = destination->Connections().Item(source);
    controls = &connection->Controls();
    return &connection->Line();
}

bool TAudioMixer::NorGetVolume(int device, int source, int& level, int& level2, int& mute, bool& levelMissing,
                               bool& muteMissing) {
    const TMixerControls* controls = nullptr;
    const MIXERLINEA* line = FindLine(device, source, controls);
    if (!line) return false;

    level = level2 = mute = -1;
    // The first readable control of each kind that is not disabled decides.
    for (int i = 0; i < controls->Count(); ++i) {
        const MIXERCONTROLA& c = controls->Item(i);
        if (!IsLevelOrMute(c) || Has(c, MIXERCONTROL_CONTROLF_MULTIPLE)) continue;
        ControlValues v = ShapeOf(c, line->cChannels, false);
        if (!Read(mixer_, c, v)) continue;
        const bool disabled = Has(c, MIXERCONTROL_CONTROLF_DISABLED);
        if (c.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && level == -1 && !disabled) {
            level = LevelOf(v.values[0]);
            if (v.channels > 1) level2 = LevelOf(v.values[1]);
        } else if (c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE && mute == -1 && !disabled) {
            mute = v.values[0] != 0 ? 1 : 0;
        }
    }

    // A source line without a mute of its own is muted through the
    // destination's selector: its item for this source.
    if (mute == -1 && source >= 0) {
        const TMixerDestination* destination = destinations_->Item(device);
        const TMixerControls& selectors = destination->Controls();
        for (int i = 0; i < selectors.Count() && mute == -1; ++i) {
            const MIXERCONTROLA& c = selectors.Item(i);
            if (!IsSelector(c)) continue;
            ControlValues v = ShapeOf(c, destination->Line().cChannels, true);
            if (!Read(mixer_, c, v)) continue;
            if (static_cast<DWORD>(source) < v.items) mute = v.values[static_cast<size_t>(source)] != 0 ? 1 : 0;
        }
    }

    levelMissing = level == -1;
    muteMissing = mute == -1;
    return true;
}

bool TAudioMixer::NorSetVolume(int device, int source, int level, int level2, int mute) {
    const TMixerControls* controls = nullptr;
    const MIXERLINEA* line = FindLine(device, source, controls);
    if (!line) return false;

    bool levelDone = level == -1;
    bool muteDone = mute == -1;
    for (int i = 0; i < controls->Count() && !(levelDone && muteDone); ++i) {
        const MIXERCONTROLA& c = controls->Item(i);
        if (!IsLevelOrMute(c) || Has(c, MIXERCONTROL_CONTROLF_MULTIPLE)) continue;
        ControlValues v = ShapeOf(c, line->cChannels, false);
        if (c.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && !levelDone) {
            std::fill(v.values.begin(), v.values.end(), RawOf(level));
            if (v.channels > 1) v.values[1] = RawOf(level2 != -1 ? level2 : level);
            Write(mixer_, c, v);
            levelDone = true;
        } else if (c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE && !muteDone) {
            std::fill(v.values.begin(), v.values.end(), RawOf(mute));
            Write(mixer_, c, v);
            muteDone = true;
        }
    }

    if (!muteDone && source >= 0) {
        const TMixerDestination* destination = destinations_->Item(device);
        const TMixerControls& selectors = destination->Controls();
        for (int i = 0; i < selectors.Count(); ++i) {
            const MIXERCONTROLA& c = selectors.Item(i);
            if (!IsSelector(c)) continue;
            ControlValues v = ShapeOf(c, destination->Line().cChannels, true);
            const bool known = Read(mixer_, c, v);
            const bool mux = c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX;
            // A MUX is written whole, so its old values do not matter; a MIXER
            // keeps the other sources' items, which must have been read.
            if (static_cast<DWORD>(source) < v.items && (known || mux)) {
                if (mux) std::fill(v.values.begin(), v.values.end(), 0);
                v.values[static_cast<size_t>(source)] = RawOf(mute);
                Write(mixer_, c, v);
            }
            break;
        }
    }
    return true;
}

bool TAudioMixer::VistaGetVolume(int device, int /*source*/, int& level, int& level2, int& mute, bool& levelMissing,
                                 bool& muteMissing) {
    const int flow = Flow(device);
    level = level2 = -1;
    if (lib_.zelGetVolume && HasLevelRange(flow)) {
        int valid = 0;
        // A level that is not a number is no reading at all.
        float db = lib_.zelGetVolume(flow, 0, &valid);
        if (valid && std::isfinite(db)) level = DbToInt(flow, db);
        if (flow == 0) {
            valid = 0;
            db = lib_.zelGetVolume(flow, 1, &valid);
            if (valid && std::isfinite(db)) level2 = DbToInt(flow, db);
        }
    }
    if (level < 0 && level2 < 0) {
        levelMissing = true;
    } else {
        levelMissing = false;
        if (level < 0) level = level2;
        if (level2 < 0) level2 = level;
    }

    const TEndpointDeviceRecord* table = flow == 0 ? lib_.RenderDevList : lib_.CaptureDevList;
    const int selected = flow == 0 ? renderIndex_ : captureIndex_;
    if (lib_.zelGetMute && table && selected >= 0 && selected < kEndpointTableSize && table[selected].Mute) {
        muteMissing = false;
        mute = (lib_.zelGetMute(flow) & 0xFF) != 0 ? 1 : 0;
    } else {
        muteMissing = true;
    }
    return true;
}

bool TAudioMixer::VistaSetVolume(int device, int /*source*/, int level, int level2, int mute) {
    const int flow = Flow(device);
    // -1 means "leave it": written as a position it would be the lowest
    // level, written as a mute state it would mute.
    if (lib_.zelSetVolume && level != -1 && HasLevelRange(flow)) {
        if (level2 == -1) level2 = level;
        lib_.zelSetVolume(flow, IntToDb(flow, level), 0);
        if (flow == 0) lib_.zelSetVolume(0, IntToDb(0, level2), 1);
    }
    if (lib_.zelSetMute && mute != -1) lib_.zelSetMute(flow, mute != 0 ? 1 : 0);
    return true;
}

bool TAudioMixer::HasLevelRange(int flow) const {
    // The library reports 0 ... 0 when it cannot read a range: written, every
    // position would be 0 dB, the top of most playback ranges.
    // NaN or an infinite end (a broken driver) is no range either.
    return std::isfinite(MinDb(flow)) && std::isfinite(MaxDb(flow)) && MinDb(flow) < MaxDb(flow);
}

int TAudioMixer::DbToInt(int flow, float decibels) const {
    return DecibelToPosition(MinDb(flow), MaxDb(flow), decibels);
}

float TAudioMixer::IntToDb(int flow, int position) const {
    return PositionToDecibel(MinDb(flow), MaxDb(flow), position);
}

}  // namespace dorvane
