// The phone as the in-process benchmarks give it to the panel: a USB mixer
// with a speaker and a recording side on the simulated winmm, found at the
// first update, so each update takes the common path.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include "SimWinmm.h"

namespace dorvane::bench {

inline void AddSimulatedPhone(test::SimWinmm& phone) {
    const int m = phone.AddMixer("USB Audio Device");
    phone.AddDestination(m, "Speaker", 2);
    phone.AddDestination(m, "Recording Control", 1);
    phone.AddControl(m, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, 0, {30000, 30000});
    phone.AddControl(m, 0, -1, MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM, {0});
    phone.AddControl(m, 1, -1, MIXERCONTROL_CONTROLTYPE_VOLUME, MIXERCONTROL_CONTROLF_UNIFORM, {8000});
    phone.AddControl(m, 1, -1, MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM, {0});
    phone.AddWaveOut("USB Audio Device", m);
    phone.AddWaveIn("USB Audio Device", m);
}

}  // namespace dorvane::bench
