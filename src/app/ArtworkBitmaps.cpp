#include "app/Artwork.h"
#include "controls/Handles.h"
#include <cstring>

namespace dorvane {
namespace {

// A top-down 32-bit DIB section holding the given pixels.
GdiObject ColourBitmap(int width, int height, const std::vector<uint32_t>& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ScreenDC screen(GetDC(nullptr));
    GdiObject bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    return bitmap;
}

}  // namespace

IconHandle IconFromPicture(const Picture& picture) {
    GdiObject colour = ColourBitmap(picture.width, picture.height, picture.pixels);
    // The mask: 1 = transparent, rows padded to 16 bits.
    const int stride = ((picture.width + 15) / 16) * 2;
    std::vector<uint8_t> mask_bits(static_cast<size_t>(stride) * picture.height, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (AlphaOf(picture.At(x, y)) < 128) mask_bits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
    GdiObject mask(CreateBitmap(picture.width, picture.height, 1, 1, mask_bits.data()));
    if (!colour || !mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = static_cast<HBITMAP>(colour.get());
    info.hbmMask = static_cast<HBITMAP>(mask.get());
    return IconHandle(CreateIconIndirect(&info));
}

GdiObject BitmapFromPicture(const Picture& picture, uint32_t background_rgb) {
    std::vector<uint32_t> flat(picture.pixels.size());
    for (size_t i = 0; i < flat.size(); ++i) {
        const uint32_t px = picture.pixels[i];
        const unsigned a = AlphaOf(px);
        auto blend = [&](int shift) {
            const unsigned s = (px >> shift) & 0xFF, d = (background_rgb >> shift) & 0xFF;
            return ((s * a + d * (255 - a) + 127) / 255) & 0xFF;
        };
        flat[i] = (blend(16) << 16) | (blend(8) << 8) | blend(0);
    }
    return ColourBitmap(picture.width, picture.height, flat);
}

}  // namespace dorvane
