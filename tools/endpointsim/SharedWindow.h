// A window handle as the shared block keeps it. A 32-bit library and a
// 64-bit test read and write the same block; a handle carries 32 bits, and
// a 64-bit process holds it sign-extended. Widened with zeros by a 32-bit
// writer, a handle with its top bit set would name no window to a 64-bit
// reader, so the block keeps every handle sign-extended.
#pragma once
#include <cstdint>

namespace dorvane::endpointsim {

constexpr std::uint64_t StoredWindow(std::uintptr_t handle) {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(handle)));
}

constexpr std::uintptr_t WindowOfStored(std::uint64_t stored) {
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(static_cast<std::int32_t>(stored)));
}

}  // namespace dorvane::endpointsim
