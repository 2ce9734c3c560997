// The decibel scale over every float the endpoint library may report (NaN,
// infinities, huge, denormal) and every integer position: positions stay on
// the 0 ... 65535 scale, levels inside their range, both directions are
// monotone, and on the ranges endpoints have a level read back is never
// above the position written.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include "FuzzCheck.h"
#include "audio/MixerDecibel.h"

namespace {
constexpr int kTop = 65535;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using dorvane::DecibelToPosition;
    using dorvane::PositionToDecibel;
    const auto flags = Take<std::uint8_t>(data, size);
    float lo = Take<float>(data, size), hi = Take<float>(data, size);
    float d1 = Take<float>(data, size), d2 = Take<float>(data, size);
    int p1 = Take<std::int32_t>(data, size), p2 = Take<std::int32_t>(data, size);
    // Half the inputs in the shapes endpoints report: a range of whole
    // decibels around 0 and positions on the scale; the rest any bits.
    if (flags & 1) {
        std::uint32_t lo_bits, hi_bits;
        std::memcpy(&lo_bits, &lo, sizeof lo_bits);
        std::memcpy(&hi_bits, &hi, sizeof hi_bits);
        lo = -static_cast<float>(lo_bits & 0xFF);
        hi = static_cast<float>(static_cast<std::int8_t>(hi_bits & 0xFF)) / 4;
    }
    if (flags & 2) {
        p1 &= 0xFFFF;
        p2 &= 0xFFFF;
    }
    if (flags & 4 && std::isfinite(d1) && std::isfinite(d2)) {
        d1 = std::fmod(d1, 200.0f);
        d2 = std::fmod(d2, 200.0f);
    }
    if (d2 < d1) std::swap(d1, d2);
    if (p2 < p1) std::swap(p1, p2);

    const int q1 = DecibelToPosition(lo, hi, d1), q2 = DecibelToPosition(lo, hi, d2);
    FUZZ_CHECK(q1 >= 0 && q1 <= kTop);
    FUZZ_CHECK(q2 >= 0 && q2 <= kTop);
    const float e1 = PositionToDecibel(lo, hi, p1), e2 = PositionToDecibel(lo, hi, p2);
    if (!(lo < hi)) {
        FUZZ_CHECK(q1 == 0 && q2 == 0);
        return 0;
    }
    if (!std::isnan(d1) && !std::isnan(d2)) FUZZ_CHECK(q1 <= q2);
    FUZZ_CHECK(e1 >= lo && e1 <= hi);
    FUZZ_CHECK(e2 >= lo && e2 <= hi);
    FUZZ_CHECK(e1 <= e2);
    // A range too narrow for the scale's steps has no positions either.
    const int top = DecibelToPosition(lo, hi, hi);
    FUZZ_CHECK(top == kTop || (top == 0 && q1 == 0 && q2 == 0));
    FUZZ_CHECK(DecibelToPosition(lo, hi, lo) == 0);
    // Read back, a level loses steps and never gains one, on the ranges
    // endpoints have: far from 0 dB single precision cannot tell the top
    // steps apart (1e-4 dB each).
    if ((flags & 1) && p1 >= 0 && p1 <= kTop) FUZZ_CHECK(DecibelToPosition(lo, hi, e1) <= p1);
    return 0;
}
