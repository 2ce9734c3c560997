#include "settings/RingToneBits.h"

namespace dorvane {

int RingTonePosition(std::optional<int32_t> value, int max) {
    if (!value) return 0;
    return max - ((*value >> 4) & 15);
}

int32_t RingToneValue(std::optional<int32_t> old_value, int position, int max) {
    const int32_t kept = old_value ? (*old_value & 15) : 0;
    return kept | (((max - position) << 4) & 240);
}

}  // namespace dorvane
