// The panel's pictures, drawn by code: the three tray images and the status
// overlay's keyboard. Each is a plain (not premultiplied) ARGB pixel buffer
// (0xAARRGGBB, top row first) so it can be checked pixel by pixel and turned
// into an icon on any Windows version.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <vector>
#include "controls/Handles.h"

namespace dorvane {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, row-major, top row first
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Tray image 0: grey disc with a white italic "i"; 1: the same on green;
// 2: a white letter "e" in a white ring. 32 x 32.
Picture TrayPicture(int image);

// The overlay's picture: a grey keyboard crossed by a red prohibition sign,
// on transparent ground. 84 x 32.
Picture LockedKeyboardPicture();

// The small speaker at either end of a volume bar: quiet (no waves) or
// loud (two waves). 20 x 20.
Picture SpeakerPicture(bool loud);

// An icon of the picture: 32-bit colour with alpha where the system shows
// it, and a mask (alpha of half or more is opaque) where it does not.
IconHandle IconFromPicture(const Picture& picture);
// A bitmap of the picture over a solid background colour (for the overlay,
// whose black is see-through).
GdiObject BitmapFromPicture(const Picture& picture, uint32_t background_rgb);

inline uint8_t AlphaOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 24); }
inline uint8_t RedOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 16); }
inline uint8_t GreenOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 8); }
inline uint8_t BlueOf(uint32_t argb) { return static_cast<uint8_t>(argb); }

}  // namespace dorvane
