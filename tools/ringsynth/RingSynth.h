// The default ring tone, synthesised at build time so that no recording has
// to live in the repository: a soft two-partial bell struck twice, as a
// telephone rings, then quiet until the tone starts again.
#pragma once
#include <cstdint>
#include <string>

namespace dorvane {

constexpr std::uint32_t kRingSampleRate = 22050;

// A complete 16-bit mono PCM WAVE file of about two seconds.
std::string RingToneWave();

}  // namespace dorvane
