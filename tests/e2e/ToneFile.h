// The samples of a 16-bit PCM WAVE file: what a test needs to know of a
// tone's shape (where its sound begins and ends, how long it lasts), and a
// way to make another tone from it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace dorvane::testing {

struct ToneFile {
    uint32_t rate = 0;
    uint16_t channels = 0;
    std::vector<int16_t> samples;  // interleaved

    // Empty when the file is missing or not 16-bit PCM.
    static ToneFile Read(const std::string& path);
    // The file's bytes: a canonical 44-byte header and the samples.
    std::string Bytes() const;

    bool Ok() const { return rate > 0 && channels > 0 && !samples.empty(); }
    double Length() const;
    // Seconds from the start to the first sample louder than `threshold`,
    // and to just after the last one.
    double FirstLoud(int threshold) const;
    double LastLoud(int threshold) const;
    // Silence of that many seconds before the sound.
    void DelayBy(double seconds);
};

}  // namespace dorvane::testing
