// The mute file's format; pure, so also built natively (tests/native).
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include "ring/RingFiles.h"

namespace dorvane {
namespace {

uint32_t Le32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

TEST(RingFiles, TheMuteFileIsThreeSecondsOfSilenceThatItsHeaderDescribes) {
    const std::string wave = MuteWaveBytes();
    ASSERT_EQ(wave.size(), 96044u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(Le32(wave, 4), wave.size() - 8);
    EXPECT_EQ(wave.substr(36, 4), "data");
    EXPECT_EQ(Le32(wave, 40), wave.size() - 44);
    // Bytes a second / samples a second = 2 bytes a sample: 3.0 s of data.
    EXPECT_EQ(Le32(wave, 40) / Le32(wave, 28), 3u);
    EXPECT_EQ(wave.find_first_not_of('\0', 44), std::string::npos);
}

}  // namespace
}  // namespace dorvane
