// iconmaker OUTPUT.ico: writes the program's icon, the green tray picture
// drawn at each size Windows asks an icon for. Run by the build with the host
// compiler's program.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>
#include "app/Pictures.h"

namespace {
void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// One icon image: a 32-bit colour DIB of twice the height (colour rows, then
// the mask rows), bottom row first; the mask marks what older systems leave
// transparent.
std::string IconImage(const dorvane::Picture& p) {
    const int mask_stride = ((p.width + 31) / 32) * 4;
    std::string image;
    Put(image, 40, 4);
    Put(image, static_cast<uint32_t>(p.width), 4);
    Put(image, static_cast<uint32_t>(p.height * 2), 4);
    Put(image, 1, 2);
    Put(image, 32, 2);
    Put(image, 0, 4);
    Put(image, static_cast<uint32_t>(p.width * p.height * 4 + mask_stride * p.height), 4);
    Put(image, 0, 16);
    for (int y = p.height - 1; y >= 0; --y)
        for (int x = 0; x < p.width; ++x) Put(image, p.At(x, y), 4);  // 0xAARRGGBB is B, G, R, A in memory
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(mask_stride), 0);
        for (int x = 0; x < p.width; ++x)
            if (dorvane::AlphaOf(p.At(x, y)) < 128) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        image.append(row.begin(), row.end());
    }
    return image;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker OUTPUT.ico\n");
        return 2;
    }
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    constexpr int kCount = sizeof sizes / sizeof sizes[0];
    std::vector<std::string> images;
    for (int size : sizes) images.push_back(IconImage(dorvane::TrayPicture(1, size)));
    std::string icon;
    Put(icon, 0, 2);
    Put(icon, 1, 2);  // an icon
    Put(icon, kCount, 2);
    uint32_t offset = 6 + 16 * kCount;
    for (int i = 0; i < kCount; ++i) {
        Put(icon, sizes[i] >= 256 ? 0 : static_cast<uint32_t>(sizes[i]), 1);
        Put(icon, sizes[i] >= 256 ? 0 : static_cast<uint32_t>(sizes[i]), 1);
        Put(icon, 0, 2);
        Put(icon, 1, 2);
        Put(icon, 32, 2);
        Put(icon, static_cast<uint32_t>(images[i].size()), 4);
        Put(icon, offset, 4);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images) icon += image;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(icon.data(), static_cast<std::streamsize>(icon.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "iconmaker: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
