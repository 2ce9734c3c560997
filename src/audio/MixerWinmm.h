// The winmm calls of the mixer component, as a table: the product uses winmm
// itself, tests hand in a simulated mixer device tree.
#pragma once
#include <windows.h>
#include <mmsystem.h>

namespace dorvane {

struct TWinmmApi {
    UINT(WINAPI* waveOutGetNumDevs)();
    MMRESULT(WINAPI* waveOutGetDevCapsA)(UINT_PTR device, LPWAVEOUTCAPSA caps, UINT size);
    UINT(WINAPI* waveInGetNumDevs)();
    MMRESULT(WINAPI* waveInGetDevCapsA)(UINT_PTR device, LPWAVEINCAPSA caps, UINT size);
    MMRESULT(WINAPI* mixerGetID)(HMIXEROBJ object, UINT* id, DWORD flags);
    MMRESULT(WINAPI* mixerOpen)(LPHMIXER mixer, UINT id, DWORD_PTR callback, DWORD_PTR instance, DWORD flags);
    MMRESULT(WINAPI* mixerClose)(HMIXER mixer);
    MMRESULT(WINAPI* mixerGetDevCapsA)(UINT_PTR id, LPMIXERCAPSA caps, UINT size);
    MMRESULT(WINAPI* mixerGetLineInfoA)(HMIXEROBJ object, LPMIXERLINEA line, DWORD flags);
    MMRESULT(WINAPI* mixerGetLineControlsA)(HMIXEROBJ object, LPMIXERLINECONTROLSA controls, DWORD flags);
    MMRESULT(WINAPI* mixerGetControlDetailsA)(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags);
    MMRESULT(WINAPI* mixerSetControlDetails)(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags);

    // The table of winmm itself.
    static const TWinmmApi& Real();
};

}  // namespace dorvane
