// The ring tone files' formats; pure, so also built natively (tests/native).
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include "ring/RingFiles.h"

namespace dorvane {
namespace {

TEST(RingFiles, OnlyTheFirstLineOfRingVobCountsAsTextModeReadsIt) {
    const std::string long_line(1 << 20, 'x');
    const struct {
        std::string bytes, line;
    } cases[] = {
        {"C:\\Tones\\bell.wav\r\nsecond line\r\n", "C:\\Tones\\bell.wav"},
        {"C:\\Tones\\bell.wav", "C:\\Tones\\bell.wav"},
        {"C:\\a.wav\nC:\\b.wav", "C:\\a.wav"},
        {"C:\\a.wav\rC:\\b.wav\r", "C:\\a.wav\rC:\\b.wav\r"},  // CR alone ends no line
        {"C:\\a.wav\x1A\r\n", "C:\\a.wav"},                     // Ctrl-Z ends a text file
        {long_line, std::string(kRingVobLineLimit, 'x')},
        {"", ""},
        {"\r\n", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(RingVobFirstLine(c.bytes), c.line) << c.bytes.substr(0, 40);
    EXPECT_EQ(RingVobFirstLine(RingVobText("C:\\x\\ring.wav")), "C:\\x\\ring.wav");
}

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
