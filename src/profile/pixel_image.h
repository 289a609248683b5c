// A view of a 32-bit image (0xAARRGGBB pixels, rows `stride` pixels apart) that the canvas
// paints into directly: solid rectangles and the spans of its wide lines, clipped.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "profile/wide_line.h"

namespace tv {

// Sets `count` pixels from `pixels` on to `color`, eight at a time where it can: a plain
// loop of single stores is what the compiler makes of std::fill here, and filling the
// picture is a good part of every repaint.
inline void fillPixels(uint32_t* pixels, std::ptrdiff_t count, uint32_t color) {
    uint32_t eight[8];
    std::fill_n(eight, 8, color);
    for (; count >= 8; count -= 8, pixels += 8) {
        std::memcpy(pixels, eight, sizeof eight);
    }
    std::fill_n(pixels, count, color);
}

struct PixelImage {
    uint32_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;

    uint32_t* row(int y) const { return bits + y * stride; }

    void fillRect(int x, int y, int w, int h, uint32_t color) const {
        const int x1 = std::clamp(x, 0, width);
        const int x2 = std::clamp(x + std::max(w, 0), 0, width);
        const int y1 = std::clamp(y, 0, height);
        const int y2 = std::clamp(y + std::max(h, 0), 0, height);
        for (int r = y1; r < y2; ++r) {
            fillPixels(row(r) + x1, x2 - x1, color);
        }
    }

    void wideLine(PixelPos a, PixelPos b, uint32_t color) const {
        forEachWideLineSpan(a, b, width, height, [&](int y, int first, int last) {
            fillPixels(row(y) + first, last + 1 - first, color);
        });
    }
};

}  // namespace tv
