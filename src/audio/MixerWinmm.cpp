#include "audio/MixerWinmm.h"

namespace dorvane {

const TWinmmApi& TWinmmApi::Real() {
    static const TWinmmApi api{
        &::waveOutGetNumDevs,     &::waveOutGetDevCapsA,    &::waveInGetNumDevs,
        &::waveInGetDevCapsA,     &::mixerGetID,            &::mixerOpen,
        &::mixerClose,            &::mixerGetDevCapsA,      &::mixerGetLineInfoA,
        &::mixerGetLineControlsA, &::mixerGetControlDetailsA, &::mixerSetControlDetails,
    };
    return api;
}

}  // namespace dorvane
