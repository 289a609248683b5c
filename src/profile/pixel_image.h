// A view of a 32-bit image (0xAARRGGBB pixels, rows `stride` pixels apart) that the canvas
// paints into directly: solid rectangles and the spans of its wide lines, clipped.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "profile/wide_line.h"

namespace tv {

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
            std::fill(row(r) + x1, row(r) + x2, color);
        }
    }

    void wideLine(PixelPos a, PixelPos b, uint32_t color) const {
        forEachWideLineSpan(a, b, width, height, [&](int y, int first, int last) {
            std::fill(row(y) + first, row(y) + last + 1, color);
        });
    }
};

}  // namespace tv
