#include "audio/MixerDecibel.h"
#include <cmath>

namespace dorvane {
namespace {
constexpr int kTop = 65535;

// The 32-bit build does its floating point on the x87 unit, which keeps every
// intermediate in 80 bits until it happens to be spilled, and GCC's C++ front
// end has no -fexcess-precision=standard to make casts round. A store through
// a volatile rounds to the declared type on every processor, and does not
// need SSE2, which the oldest machines lack. Each step below goes through one
// of these so a 32-bit panel gets the same positions as a 64-bit one.
float Single(float value) {
    volatile float stored = value;
    return stored;
}

double Double(double value) {
    volatile double stored = value;
    return stored;
}

// Amplitude of a level on the 0 ... 65535 scale.
int Amplitude(float x, float hi) {
    const float below = Single(x - hi);
    const double exponent = Double(0.05 * static_cast<double>(below));
    const double ratio = Double(std::pow(10.0, exponent));
    return static_cast<int>(Double(65535.0 * ratio));
}

float Clamp(float x, float lo, float hi) {
    if (x > hi) return hi;
    if (x < lo) return lo;
    return x;
}

// Only a finite range has a scale; NaN or an infinity would otherwise reach
// a float-to-int conversion, whose result is then undefined.
bool Finite(float lo, float hi) { return std::isfinite(lo) && std::isfinite(hi); }
}  // namespace

int DecibelToPosition(float lo, float hi, float decibels) {
    // A range without width (the library reports 0 ... 0 when it cannot read
    // one), an inverted one or an unreadable level has no position: call it
    // the lowest. An infinite level clamps to its end of the range.
    if (!(lo < hi) || !Finite(lo, hi) || std::isnan(decibels)) return 0;
    const float x = Clamp(decibels, lo, hi);
    const int c = Amplitude(lo, hi);
    if (c >= kTop) return 0;
    const float q = Single(static_cast<float>(Amplitude(x, hi) - c) / static_cast<float>(kTop - c));
    const int p = static_cast<int>(Double(static_cast<double>(q) * 65535.0));
    return p < 0 ? 0 : p;
}

float PositionToDecibel(float lo, float hi, int position) {
    // A range without positions is its lowest level, and a position off the
    // scale is at its end: the arithmetic below would overflow an int for the
    // largest positions.
    if (!(lo < hi) || !Finite(lo, hi) || position < 0) return lo;
    if (position > kTop) return hi;
    const int c = Amplitude(lo, hi);
    const float t = Single(static_cast<float>(Double(position * (1.0 / 65535.0))));
    const float u = Single(static_cast<float>(Double((kTop - c) * static_cast<double>(t))));
    const int k = static_cast<int>(Double(c + static_cast<double>(u)));
    float y;
    if (k <= 0) {
        y = lo;
    } else {
        const double ratio = Double(k * (1.0 / 65535.0));
        const float term = Single(static_cast<float>(Double(20.0 * Double(std::log10(ratio)))));
        y = Single(static_cast<float>(Double(static_cast<double>(hi) + term)));
    }
    return Clamp(y, lo, hi);
}

}  // namespace dorvane
