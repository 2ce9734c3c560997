// The panel's pictures, drawn by code: the three tray images, the status
// overlay's keyboard and the volume bars' speakers. Each is a plain (not
// premultiplied) ARGB pixel buffer (0xAARRGGBB, top row first) so it can be
// checked pixel by pixel and turned into an icon on any Windows version, or
// into the program's icon file by the build. Pure: no Windows headers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dorvane {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, row-major, top row first
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Tray image 0: grey disc with a white italic "i"; 1: the same on green;
// 2: a white letter "e" in a white ring. 32 x 32, or drawn at another size.
Picture TrayPicture(int image, int size = 32);

// The overlay's picture: a grey keyboard crossed by a red prohibition sign,
// on transparent ground. 84 x 32.
Picture LockedKeyboardPicture();

// The small speaker at either end of a volume bar: quiet (no waves) or
// loud (two waves). 20 x 20.
Picture SpeakerPicture(bool loud);

inline uint8_t AlphaOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 24); }
inline uint8_t RedOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 16); }
inline uint8_t GreenOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 8); }
inline uint8_t BlueOf(uint32_t argb) { return static_cast<uint8_t>(argb); }

}  // namespace dorvane
