#include "audio/MixerDecibel.h"
#include <cmath>

namespace dorvane {
namespace {
constexpr int kTop = 65535;

// Amplitude of a level on the 0 ... 65535 scale.
int Amplitude(float x, float hi) {
    const float below = x - hi;
    return static_cast<int>(65535.0 * std::pow(10.0, 0.05 * static_cast<double>(below)));
}

float Clamp(float x, float lo, float hi) {
    if (x > hi) return hi;
    if (x < lo) return lo;
    return x;
}
}  // namespace

int DecibelToPosition(float lo, float hi, float decibels) {
    const float x = Clamp(decibels, lo, hi);
    const int c = Amplitude(lo, hi);
    // A range without width (the library reports 0 ... 0 when it cannot read
    // one) or an inverted one has no positions: call it the lowest.
    if (!(lo < hi) || c >= kTop) return 0;
    const float q = static_cast<float>(Amplitude(x, hi) - c) / static_cast<float>(kTop - c);
    const int p = static_cast<int>(static_cast<double>(q) * 65535.0);
    return p < 0 ? 0 : p;
}

float PositionToDecibel(float lo, float hi, int position) {
    const int c = Amplitude(lo, hi);
    const float t = static_cast<float>(position * (1.0 / 65535.0));
    const float u = static_cast<float>((kTop - c) * static_cast<double>(t));
    const int k = static_cast<int>(c + static_cast<double>(u));
    float y;
    if (k <= 0) {
        y = lo;
    } else {
        const float term = static_cast<float>(20.0 * std::log10(k * (1.0 / 65535.0)));
        y = static_cast<float>(static_cast<double>(hi) + term);
    }
    return Clamp(y, lo, hi);
}

}  // namespace dorvane
