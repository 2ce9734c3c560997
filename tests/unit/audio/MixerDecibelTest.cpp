// The decibel scale of the endpoint path. Pure arithmetic, so this file also
// builds natively (tests/native), where the 32-bit build does its floating
// point on the x87 unit as the panel on a 32-bit machine does.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include "audio/MixerDecibel.h"

namespace dorvane::test {
namespace {

// Over -45 ... 0 dB: the positions and levels the panel shows.
TEST(DecibelScale, WorkedExample) {
    const float lo = -45.0f, hi = 0.0f;
    const int positions[] = {0, 4096, 16384, 32768, 49152, 65535};
    const float decibels[] = {-45.0f, -23.381807f, -11.896487f, -5.972094f, -2.482576f, 0.0f};
    const int back[] = {0, 4093, 16382, 32766, 49151, 65535};
    for (int i = 0; i < 6; ++i) {
        const float db = PositionToDecibel(lo, hi, positions[i]);
        EXPECT_NEAR(decibels[i], db, 0.000005) << positions[i];
        EXPECT_EQ(back[i], DecibelToPosition(lo, hi, db)) << positions[i];
    }
    EXPECT_EQ(32660, DecibelToPosition(lo, hi, -6.0f));
    EXPECT_EQ(0, DecibelToPosition(lo, hi, -50.0f));
    EXPECT_EQ(65535, DecibelToPosition(lo, hi, 3.0f));
    EXPECT_FLOAT_EQ(-127.0f, PositionToDecibel(-127.0f, 0.0f, 0));
    EXPECT_NEAR(-96.33, PositionToDecibel(-127.0f, 0.0f, 1), 0.01);
    EXPECT_EQ(0.0f, PositionToDecibel(lo, hi, 70000));  // clamped to the top
}

TEST(DecibelScale, EmptyOrInvertedRangeHasNoPositions) {
    EXPECT_EQ(0, DecibelToPosition(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(0, DecibelToPosition(0.0f, 0.0f, 5.0f));
    EXPECT_EQ(0, DecibelToPosition(10.0f, -10.0f, 0.0f));
    EXPECT_EQ(0.0f, PositionToDecibel(0.0f, 0.0f, 32768));
    EXPECT_EQ(0.0f, PositionToDecibel(0.0f, 0.0f, 0));
}

// What the library reports may be anything a float holds, and a position
// any int: no value may reach a float-to-int conversion (undefined, and on
// x86 the "integer indefinite" that reads as anything), and the result stays
// on the scale. A range that is not a finite lo < hi has no scale at all.
TEST(DecibelScale, LevelsAndPositionsOffTheScaleStayOnIt) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float lo, hi, decibels;
        int position;
    } to_positions[] = {
        {-45.0f, 0.0f, nan, 0},   {-45.0f, 0.0f, inf, 65535}, {-45.0f, 0.0f, -inf, 0},
        {120.0f, 0.0f, 0.0f, 0},  // inverted and wider than the scale
        {nan, 0.0f, -6.0f, 0},    {-45.0f, nan, -6.0f, 0},    {-inf, 0.0f, -6.0f, 0},
        {-45.0f, inf, inf, 0},    {-45.0f, inf, -45.0f, 0},   {-3e38f, 3e38f, 0.0f, 0},
    };
    for (const auto& c : to_positions)
        EXPECT_EQ(c.position, DecibelToPosition(c.lo, c.hi, c.decibels))
            << c.lo << " ... " << c.hi << ": " << c.decibels;
    const struct {
        float lo, hi;
        int position;
        float decibels;
    } to_levels[] = {
        {-200.0f, 0.0f, std::numeric_limits<int>::max(), 0.0f},
        {-45.0f, 0.0f, std::numeric_limits<int>::min(), -45.0f},
        {-45.0f, 0.0f, -1, -45.0f},
        {-inf, 0.0f, 100, -inf},
        {10.0f, -1e30f, 100, 10.0f},
    };
    for (const auto& c : to_levels)
        EXPECT_EQ(c.decibels, PositionToDecibel(c.lo, c.hi, c.position))
            << c.lo << " ... " << c.hi << ": " << c.position;
    EXPECT_TRUE(std::isnan(PositionToDecibel(nan, 0.0f, 100)));
}

// Every position of a range turned into a level and read back. Each level's
// bits and each position read back are folded into one hash, so a level one
// bit off or a position one step off anywhere changes it. The hashes come
// from the x86-64 build, whose SSE arithmetic rounds every step to its type;
// a build that keeps excess precision anywhere disagrees.
TEST(DecibelScale, EveryPositionRoundTripsAlikeOnEveryBuild) {
    struct Range {
        float lo, hi;
        std::uint64_t hash;
    };
    const Range ranges[] = {
        {-45.0f, 0.0f, 0x9af4d00026b24461ull},
        {0.0f, 24.0f, 0x04a7eac0ee6a2095ull},
        {-127.0f, 0.0f, 0x2fd4b670349645d5ull},
    };
    for (const Range& r : ranges) {
        std::uint64_t hash = 14695981039346656037ull;
        const auto fold = [&hash](std::uint32_t word) { hash = (hash ^ word) * 1099511628211ull; };
        long lost = 0;
        for (int position = 0; position <= 65535; ++position) {
            const float db = PositionToDecibel(r.lo, r.hi, position);
            const int back = DecibelToPosition(r.lo, r.hi, db);
            std::uint32_t bits;
            std::memcpy(&bits, &db, sizeof bits);
            fold(bits);
            fold(static_cast<std::uint32_t>(back));
            lost += position - back;
        }
        EXPECT_EQ(r.hash, hash) << r.lo << " ... " << r.hi << " dB, " << lost << " steps lost over all positions";
    }
}

}  // namespace
}  // namespace dorvane::test
