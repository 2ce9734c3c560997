#include "ToneFile.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace dorvane::testing {
namespace {
uint32_t Le(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void PutLe(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}
}  // namespace

ToneFile ToneFile::Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ToneFile tone;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return tone;
    uint16_t bits = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const size_t size = std::min<size_t>(Le(bytes, at + 4, 4), bytes.size() - at - 8);
        if (id == "fmt " && size >= 16 && Le(bytes, at + 8, 2) == 1) {
            tone.channels = static_cast<uint16_t>(Le(bytes, at + 10, 2));
            tone.rate = Le(bytes, at + 12, 4);
            bits = static_cast<uint16_t>(Le(bytes, at + 22, 2));
        } else if (id == "data" && bits == 16) {
            tone.samples.resize(size / 2);
            std::memcpy(tone.samples.data(), bytes.data() + at + 8, tone.samples.size() * 2);
        }
        at += 8 + size + (size & 1);
    }
    if (bits != 16) tone = {};
    return tone;
}

std::string ToneFile::Bytes() const {
    const auto data = static_cast<uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLe(bytes, 36 + data, 4);
    bytes += "WAVEfmt ";
    PutLe(bytes, 16, 4);
    PutLe(bytes, 1, 2);
    PutLe(bytes, channels, 2);
    PutLe(bytes, rate, 4);
    PutLe(bytes, rate * channels * 2, 4);
    PutLe(bytes, channels * 2u, 2);
    PutLe(bytes, 16, 2);
    bytes += "data";
    PutLe(bytes, data, 4);
    bytes.append(reinterpret_cast<const char*>(samples.data()), data);
    return bytes;
}

double ToneFile::Length() const { return static_cast<double>(samples.size()) / channels / rate; }

double ToneFile::FirstLoud(int threshold) const {
    for (size_t i = 0; i < samples.size(); ++i)
        if (std::abs(int{samples[i]}) > threshold) return static_cast<double>(i / channels) / rate;
    return Length();
}

double ToneFile::LastLoud(int threshold) const {
    for (size_t i = samples.size(); i-- > 0;)
        if (std::abs(int{samples[i]}) > threshold) return static_cast<double>(i / channels + 1) / rate;
    return 0;
}

void ToneFile::DelayBy(double seconds) {
    samples.insert(samples.begin(), static_cast<size_t>(seconds * rate) * channels, 0);
}

}  // namespace dorvane::testing
