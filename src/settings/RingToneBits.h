// The "RingTone" registry value: the inverted ring volume in bits 4-7, bits
// 0-3 kept from whatever wrote them before. Pure: no Windows headers, so it
// also builds natively and is fuzzed.
#pragma once
#include <cstdint>
#include <optional>

namespace dorvane {

// The ring volume position a stored "RingTone" value gives, inside 0 ... max
// (0 when there is no value, or no range).
int RingTonePosition(std::optional<int32_t> value, int max);
// The "RingTone" value that stores a position, keeping bits 0-3 of the old.
int32_t RingToneValue(std::optional<int32_t> old_value, int position, int max);

}  // namespace dorvane
