#include "settings/RingToneBits.h"

namespace dorvane {

int RingTonePosition(std::optional<int32_t> value, int max) {
    if (!value || max <= 0) return 0;
    // A track bar of fewer than the field's 16 steps cannot show the lowest
    // stored levels: they are its lowest position.
    const int position = max - ((*value >> 4) & 15);
    return position < 0 ? 0 : position;
}

int32_t RingToneValue(std::optional<int32_t> old_value, int position, int max) {
    const int32_t kept = old_value ? (*old_value & 15) : 0;
    // Only the difference's low four bits are stored: unsigned, any position
    // and maximum wrap to them instead of overflowing.
    const uint32_t level = (static_cast<uint32_t>(max) - static_cast<uint32_t>(position)) & 15u;
    return kept | static_cast<int32_t>(level << 4);
}

}  // namespace dorvane
