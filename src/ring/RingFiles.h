// The ring tone files' formats: the first line of ring.vob as text-mode
// reading gives it, and the silent mute file handed to Skype.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace dorvane {

// The most a ring.vob line may hold; the rest of a longer line is not read.
constexpr std::size_t kRingVobLineLimit = 1022;

// The first line of ring.vob's bytes: up to the first line feed (a CR just
// before it dropped, as text-mode reading drops it), at most
// kRingVobLineLimit characters; a Ctrl-Z ends the text as it ends a text file.
std::string RingVobFirstLine(std::string_view bytes);

// What ring.vob holds for a tone: its path and a CR LF.
std::string RingVobText(const std::string& tone);

// The mute file: a 16 kHz 16-bit mono PCM WAVE header and three seconds of
// silence, 96044 bytes in all.
std::string MuteWaveBytes();

}  // namespace dorvane
