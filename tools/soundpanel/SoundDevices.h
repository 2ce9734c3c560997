// The sound devices as winmm lists them, and the default ones: which they
// are, and how a new choice becomes the default.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace dorvane::soundpanel {

enum class TDeviceKind { Playback, Recording, Midi };

// The devices' names in device order.
std::vector<std::wstring> DeviceNames(TDeviceKind kind);
// The preferred (default) device's index; -1 when winmm cannot tell.
int PreferredDevice(TDeviceKind kind);
// Makes device `index` the default: through winmm where it takes it, else
// through Wine's own setting, which the programs started afterwards see.
// False when neither took it.
bool MakeDefault(TDeviceKind kind, int index);

// The endpoint id winmm reports for a wave device; empty when there is none.
std::wstring WaveDeviceId(TDeviceKind kind, int index);
// Wine's default-device setting for playback or recording: an endpoint id,
// empty when none is set.
std::wstring WineDefaultDevice(TDeviceKind kind);
// An empty id removes the setting.
bool SetWineDefaultDevice(TDeviceKind kind, const std::wstring& id);

}  // namespace dorvane::soundpanel
