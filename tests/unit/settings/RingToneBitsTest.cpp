// The "RingTone" bit field; pure, so also built natively (tests/native).
#include <gtest/gtest.h>
#include <climits>
#include <optional>
#include "settings/RingToneBits.h"

namespace dorvane {
namespace {

TEST(RingToneBits, PositionAndValue) {
    const struct {
        std::optional<int32_t> stored;
        int max, position;
    } reads[] = {
        {0x35, 15, 12},
        {std::nullopt, 15, 0},
        {0x0F, 15, 15},
        {0x7FFFFFF0, 15, 0},  // only bits 4-7 count
        {-1, 15, 0},
        {0xF0, 10, 0},  // a shorter track bar: its lowest position
        {0x35, INT_MIN, 0},
    };
    for (const auto& r : reads) EXPECT_EQ(RingTonePosition(r.stored, r.max), r.position) << r.stored.value_or(-99);

    const struct {
        std::optional<int32_t> old;
        int position, max;
        int32_t stored;
    } writes[] = {
        {0x35, 12, 15, 0x35},
        {std::nullopt, 0, 15, 0xF0},
        {std::nullopt, 15, 15, 0x00},
        {static_cast<int32_t>(0xABCD1237), 4, 15, 0xB7},  // bits 8-31 written as 0
        {0x35, -1, INT_MAX, 0x05},                          // only the low bits of the difference
        {std::nullopt, INT_MAX, INT_MIN, 0x10},
    };
    for (const auto& w : writes) EXPECT_EQ(RingToneValue(w.old, w.position, w.max), w.stored) << w.position;
}

}  // namespace
}  // namespace dorvane
