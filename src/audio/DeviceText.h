// How the panel compares a device text with one of Skype's answers.
#pragma once
#include <string_view>

namespace dorvane {

// Byte by byte, ASCII letters without regard to case and every other byte
// exactly; where one text ends, the two are the same when the rest of the
// other is blanks only. "AUDIO_OUT " is thus the same as "audio_out   ", but
// not as "AUDIO_OUT Speakers".
bool SameDeviceText(std::string_view a, std::string_view b);

}  // namespace dorvane
