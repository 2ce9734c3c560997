// The text a WM_COPYDATA payload carries, read from its bytes alone. Pure:
// no Windows headers, so it also builds natively and is fuzzed.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace dorvane {

// The bytes up to the first 0 byte, never beyond `bytes`. No payload at all
// (no data or no bytes) gives nothing.
std::optional<std::string> CopyDataText(const void* data, std::size_t bytes);

}  // namespace dorvane
