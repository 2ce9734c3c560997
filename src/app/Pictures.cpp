#include "app/Pictures.h"
#include <algorithm>
#include <cmath>
#include <functional>

namespace dorvane {
namespace {

using Shape = std::function<bool(double x, double y)>;

// Paints a shape over the picture in one colour, with 4 x 4 supersampling
// for smooth edges (GDI of the older systems draws none). The shape is given
// in design units, `unit` of them to a pixel.
void Paint(Picture& p, const Shape& inside, uint32_t rgb, double opacity = 1.0, double unit = 1.0) {
    constexpr int kGrid = 4;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kGrid; ++sy)
                for (int sx = 0; sx < kGrid; ++sx)
                    if (inside((x + (sx + 0.5) / kGrid) * unit, (y + (sy + 0.5) / kGrid) * unit)) ++hits;
            if (hits == 0) continue;
            const double a = opacity * hits / (kGrid * kGrid);
            uint32_t& dst = p.pixels[static_cast<size_t>(y) * p.width + x];
            const double da = AlphaOf(dst) / 255.0;
            const double oa = a + da * (1 - a);
            auto mix = [&](int shift) {
                const double s = (rgb >> shift) & 0xFF;
                const double d = (dst >> shift) & 0xFF;
                return static_cast<uint32_t>(std::lround((s * a + d * da * (1 - a)) / oa)) & 0xFF;
            };
            dst = (static_cast<uint32_t>(std::lround(oa * 255)) << 24) | (mix(16) << 16) | (mix(8) << 8) | mix(0);
        }
    }
}

Picture Blank(int w, int h) {
    Picture p;
    p.width = w;
    p.height = h;
    p.pixels.assign(static_cast<size_t>(w) * h, 0);
    return p;
}

Shape Disc(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Ring(double cx, double cy, double inner, double outer) {
    return [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
    };
}

// A bar from (x0, y0) to (x1, y1) of the given half width.
Shape Bar(double x0, double y0, double x1, double y1, double half) {
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double len2 = dx * dx + dy * dy;
        double t = ((x - x0) * dx + (y - y0) * dy) / len2;
        t = std::clamp(t, 0.0, 1.0);
        const double px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= half * half;
    };
}

Shape Rect(double l, double t, double r, double b) {
    return [=](double x, double y) { return x >= l && x < r && y >= t && y < b; };
}

Shape RoundRect(double l, double t, double r, double b, double radius) {
    return [=](double x, double y) {
        if (x < l || x >= r || y < t || y >= b) return false;
        const double cx = std::clamp(x, l + radius, r - radius);
        const double cy = std::clamp(y, t + radius, b - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

}  // namespace

Picture TrayPicture(int image, int size) {
    // Designed on a 32 x 32 grid.
    Picture p = Blank(size, size);
    const double unit = 32.0 / size;
    auto paint = [&](const Shape& shape, uint32_t rgb, double opacity = 1.0) { Paint(p, shape, rgb, opacity, unit); };
    if (image == 2) {
        // White on nothing: only the ring and the letter are drawn.
        paint(Ring(16, 16, 12.6, 15.0), 0xFFFFFF);
        // The "e": a bowl open at the lower right, and its bar.
        paint(
            [](double x, double y) {
                const double dx = x - 16, dy = y - 16;
                const double d2 = dx * dx + dy * dy;
                if (d2 > 8.6 * 8.6 || d2 < 5.8 * 5.8) return false;
                const double angle = std::atan2(dy, dx);  // y grows downwards
                return !(angle > 0.15 && angle < 1.05);
            },
            0xFFFFFF);
        paint(Rect(8.0, 14.6, 24.0, 17.4), 0xFFFFFF);
        return p;
    }
    const uint32_t disc = image == 1 ? 0x2EA043 : 0x8C8C8C;
    paint(Disc(16, 16, 15.2), disc);
    paint(Ring(16, 16, 14.2, 15.2), 0x000000, 0.25);
    // The italic "i": a slanted stem and its dot, white.
    paint(Bar(17.2, 13.5, 14.2, 25.0, 2.0), 0xFFFFFF);
    paint(Disc(18.6, 8.6, 2.4), 0xFFFFFF);
    return p;
}

Picture LockedKeyboardPicture() {
    Picture p = Blank(84, 32);
    // The keyboard: a grey body with three rows of lighter keys and a space bar.
    Paint(p, RoundRect(4, 7, 80, 29, 3), 0x6E6E6E);
    Paint(p, RoundRect(5, 8, 79, 28, 2.5), 0x9A9A9A);
    for (int row = 0; row < 3; ++row)
        for (int key = 0; key < 11; ++key) {
            const double l = 8 + key * 6.4 + (row == 1 ? 1.5 : row == 2 ? 3.0 : 0);
            const double t = 10 + row * 4.5;
            if (l + 5 > 77) continue;
            Paint(p, RoundRect(l, t, l + 5, t + 3.6, 0.8), 0xD8D8D8);
        }
    Paint(p, RoundRect(24, 23.6, 60, 26.6, 1), 0xD8D8D8);
    // The prohibition sign: a red circle and its diagonal bar.
    Paint(p, Ring(42, 16, 12.0, 15.5), 0xD01010);
    Paint(p, Bar(42 - 9.2, 16 - 9.2, 42 + 9.2, 16 + 9.2, 1.9), 0xD01010);
    return p;
}

Picture SpeakerPicture(bool loud) {
    Picture p = Blank(20, 20);
    const uint32_t ink = 0x404040;
    Paint(p, Rect(2, 7, 6, 13), ink);
    Paint(p,
          [](double x, double y) {
              // The cone widens from the box to the right.
              if (x < 5.5 || x > 10) return false;
              const double half = 3 + (x - 5.5) * (4.0 / 4.5);
              return y >= 10 - half && y <= 10 + half;
          },
          ink);
    if (loud) {
        auto wave = [](double r0, double r1) {
            return [=](double x, double y) {
                const double dx = x - 9, dy = y - 10;
                const double d2 = dx * dx + dy * dy;
                return dx > 0 && std::abs(dy) < dx * 1.4 && d2 >= r0 * r0 && d2 <= r1 * r1;
            };
        };
        Paint(p, wave(3.6, 5.0), ink);
        Paint(p, wave(6.6, 8.0), ink);
    }
    return p;
}

}  // namespace dorvane
