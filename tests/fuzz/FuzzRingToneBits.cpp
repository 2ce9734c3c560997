// The "RingTone" bit field over every stored value, position and maximum.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include "FuzzCheck.h"
#include "settings/RingToneBits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto flags = Take<std::uint8_t>(data, size);
    const auto raw = Take<std::int32_t>(data, size);
    const auto position = Take<std::int32_t>(data, size);
    auto max = Take<std::int32_t>(data, size);
    // Most inputs use the track bar's small ranges, the rest any integer.
    if (flags & 2) max &= 31;
    const std::optional<std::int32_t> stored = (flags & 1) ? std::optional<std::int32_t>(raw) : std::nullopt;

    const int read = dorvane::RingTonePosition(stored, max);
    FUZZ_CHECK(read >= 0);
    FUZZ_CHECK(max < 0 ? read == 0 : read <= max);
    if (!stored) FUZZ_CHECK(read == 0);
    if (stored && max >= 15) FUZZ_CHECK(read == max - ((*stored >> 4) & 15));

    const std::int32_t written = dorvane::RingToneValue(stored, position, max);
    FUZZ_CHECK((written & 15) == (stored ? (*stored & 15) : 0));
    FUZZ_CHECK((written & ~0xFF) == 0);
    // What the track bar writes within 0 ... 15 reads back as written.
    if (position >= 0 && position <= max && max <= 15) FUZZ_CHECK(dorvane::RingTonePosition(written, max) == position);
    return 0;
}
