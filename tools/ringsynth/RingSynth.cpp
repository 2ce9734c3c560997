#include "RingSynth.h"
#include <cmath>
#include <vector>

namespace dorvane {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kLength = 2.0;  // seconds
// Two rings of a double ring, start and end in seconds.
constexpr double kBursts[][2] = {{0.0, 0.45}, {0.6, 1.05}};
// A fifth apart: bright enough to be heard across a room, not shrill.
constexpr double kPartials[][2] = {{880.0, 0.6}, {1320.0, 0.4}};
// The ringer's hammer beats the bell at this rate.
constexpr double kTremolo = 25.0;
constexpr double kPeak = 0.5 * 32767;  // -6 dBFS leaves room for the speaker
constexpr double kAttack = 0.005;
constexpr double kRelease = 0.08;

double Envelope(double t) {
    for (const auto& burst : kBursts) {
        if (t < burst[0] || t >= burst[1] + kRelease) continue;
        if (t < burst[0] + kAttack) return (t - burst[0]) / kAttack;
        if (t < burst[1]) return 1.0;
        return std::exp(-5.0 * (t - burst[1]) / kRelease) * (1.0 - (t - burst[1]) / kRelease);
    }
    return 0.0;
}

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
}  // namespace

std::string RingToneWave() {
    const auto samples = static_cast<std::uint32_t>(kLength * kRingSampleRate);
    const std::uint32_t data_bytes = samples * 2;
    std::string wave = "RIFF";
    PutLE(wave, 36 + data_bytes, 4);
    wave += "WAVEfmt ";
    PutLE(wave, 16, 4);
    PutLE(wave, 1, 2);  // PCM
    PutLE(wave, 1, 2);  // mono
    PutLE(wave, kRingSampleRate, 4);
    PutLE(wave, kRingSampleRate * 2, 4);
    PutLE(wave, 2, 2);
    PutLE(wave, 16, 2);
    wave += "data";
    PutLE(wave, data_bytes, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRingSampleRate;
        double tone = 0;
        for (const auto& partial : kPartials) tone += partial[1] * std::sin(2 * kPi * partial[0] * t);
        const double beat = 0.7 + 0.3 * std::cos(2 * kPi * kTremolo * t);
        const auto sample = static_cast<std::int16_t>(std::lround(kPeak * Envelope(t) * beat * tone));
        PutLE(wave, static_cast<std::uint16_t>(sample), 2);
    }
    return wave;
}

}  // namespace dorvane
