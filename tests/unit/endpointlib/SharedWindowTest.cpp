// The shared block's window handle between a 32-bit library and a 64-bit
// reader (built natively with -m32 too, where a handle is 32 bits wide).
#include <gtest/gtest.h>
#include <cstdint>
#include "SharedWindow.h"

namespace dorvane::endpointsim {
namespace {

// A handle's value as this process holds it: sign-extended from 32 bits.
std::uintptr_t Handle(std::uint32_t bits) {
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(static_cast<std::int32_t>(bits)));
}

TEST(SharedWindow, EitherBitnessStoresAHandleAsTheOtherReadsIt) {
    const struct {
        std::uint32_t bits;
        std::uint64_t stored;
    } cases[] = {
        {0x00000000u, 0x0000000000000000ull},
        {0x0001005Cu, 0x000000000001005Cull},
        {0x7FFFFFFEu, 0x000000007FFFFFFEull},
        {0x80001234u, 0xFFFFFFFF80001234ull},  // a slot reused past 32,767 times
        {0xFFFFFFFEu, 0xFFFFFFFFFFFFFFFEull},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredWindow(Handle(c.bits)), c.stored) << std::hex << c.bits;
        EXPECT_EQ(WindowOfStored(c.stored), Handle(c.bits)) << std::hex << c.bits;
    }
}

}  // namespace
}  // namespace dorvane::endpointsim
