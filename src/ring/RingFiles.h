// The silent mute file handed to Skype as its ring tone.
#pragma once
#include <string>

namespace dorvane {

// The mute file: a 16 kHz 16-bit mono PCM WAVE header and three seconds of
// silence, 96044 bytes in all.
std::string MuteWaveBytes();

}  // namespace dorvane
