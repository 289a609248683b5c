#include "profile/wide_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace tv {
namespace {

// Whether the centre of pixel (x, y) lies within 1.5 pixels of the line from a to b, in
// exact integer arithmetic: squared distances are integers, so <= 2.25 means <= 2.
bool coveredExactly(int64_t x, int64_t y, PixelPos a, PixelPos b) {
    const auto within = [&](PixelPos end) {
        return (x - end.x) * (x - end.x) + (y - end.y) * (y - end.y) <= 2;
    };
    if (within(a) || within(b)) {
        return true;
    }
    const int64_t dx = b.x - a.x;
    const int64_t dy = b.y - a.y;
    const int64_t length_sq = dx * dx + dy * dy;
    const int64_t along = (x - a.x) * dx + (y - a.y) * dy;
    const int64_t across = (x - a.x) * dy - (y - a.y) * dx;
    // Ends within 2^24 of the origin keep length_sq below 2^51, so a pixel this far across
    // is off the line, and nearer ones square without overflow.
    if (std::abs(across) >= int64_t{1} << 31) {
        return false;
    }
    return length_sq > 0 && along >= 0 && along <= length_sq &&
           4 * static_cast<uint64_t>(across * across) <= 9 * static_cast<uint64_t>(length_sq);
}

// The rasterised line as a grid of 0 and 1, failing on spans that leave the image, come
// twice for a row, or come out of order.
std::vector<char> rasterised(PixelPos a, PixelPos b, int width, int height) {
    std::vector<char> grid(static_cast<size_t>(width * height), 0);
    int previous_row = -1;
    forEachWideLineSpan(a, b, width, height, [&](int y, int first, int last) {
        EXPECT_GT(y, previous_row);
        EXPECT_LT(y, height);
        EXPECT_GE(first, 0);
        EXPECT_LE(first, last);
        EXPECT_LT(last, width);
        previous_row = y;
        for (int x = first; x <= last; ++x) {
            grid[static_cast<size_t>(y * width + x)] = 1;
        }
    });
    return grid;
}

void expectExactCoverage(PixelPos a, PixelPos b, int width, int height) {
    const std::vector<char> grid = rasterised(a, b, width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool expected = coveredExactly(x, y, a, b);
            if (grid[static_cast<size_t>(y * width + x)] != expected) {
                ADD_FAILURE() << "(" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y
                              << "): pixel (" << x << ", " << y << ") "
                              << (expected ? "left out" : "covered wrongly");
                return;
            }
        }
    }
}

TEST(WideLine, CoversExactlyThePixelsWithinOneAndAHalfOfTheLine) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-6, 46);
    std::uniform_int_distribution<int> near(-3, 3);
    for (int i = 0; i < 4000; ++i) {
        const PixelPos a{coordinate(random), coordinate(random)};
        // Half the lines short, where rounding at the ends matters most.
        const PixelPos b = i % 2 == 0 ? PixelPos{coordinate(random), coordinate(random)}
                                      : PixelPos{a.x + near(random), a.y + near(random)};
        expectExactCoverage(a, b, 40, 32);
    }
    // Long lines, whose middle rows are stepped from row to row, at every slope, some
    // running off the surface.
    std::uniform_int_distribution<int> across(-30, 330);
    for (int i = 0; i < 150; ++i) {
        expectExactCoverage({across(random), across(random)}, {across(random), across(random)}, 300,
                            260);
    }
    // Ends as far off as the integer steps go, the lines passing the surface near its left
    // edge, shallow and steep.
    constexpr int kFar = 1 << 24;
    std::uniform_int_distribution<int> far_end(-kFar + 100, kFar - 100);
    std::uniform_int_distribution<int> crossing(-20, 50);
    for (int i = 0; i < 200; ++i) {
        const int end = far_end(random);
        const PixelPos a{-kFar, end};
        const PixelPos b{kFar, 2 * crossing(random) - end};
        if (i % 2 == 0) {
            expectExactCoverage(a, b, 40, 32);
        } else {
            expectExactCoverage({a.y, a.x}, {b.y, b.x}, 32, 40);
        }
    }
}

TEST(WideLine, ShapesOfTheSimplestLines) {
    // A dot is the 3 x 3 block around it; a horizontal line is three rows high and reaches
    // one pixel past each end; a long diagonal covers five pixels a row in its middle.
    std::vector<char> dot = rasterised({5, 5}, {5, 5}, 12, 12);
    int count = 0;
    for (char c : dot) {
        count += c;
    }
    EXPECT_EQ(count, 9);
    EXPECT_EQ(dot[4 * 12 + 4], 1);
    EXPECT_EQ(dot[6 * 12 + 6], 1);

    int rows = 0;
    forEachWideLineSpan({10, 20}, {50, 20}, 100, 100, [&](int y, int first, int last) {
        ++rows;
        EXPECT_EQ(first, 9) << y;
        EXPECT_EQ(last, 51) << y;
    });
    EXPECT_EQ(rows, 3);

    forEachWideLineSpan({0, 0}, {60, 60}, 100, 100, [&](int y, int first, int last) {
        if (y == 30) {
            EXPECT_EQ(first, 28);
            EXPECT_EQ(last, 32);
        }
    });
}

TEST(WideLine, StaysInsideTheImageWhateverTheEnds) {
    // Ends far outside, on every side, as far as the integer steps go, or at the extremes
    // of the pixel type.
    const PixelPos far[] = {{-2000000000, -2000000000},
                            {2000000000, 5},
                            {5, 2000000000},
                            {-1, -1},
                            {INT32_MAX, INT32_MIN},
                            {INT32_MIN, INT32_MAX},
                            {1 << 24, -(1 << 24)},
                            {-(1 << 24), 1 << 24},
                            {1 << 24, 1 << 24}};
    for (PixelPos a : far) {
        for (PixelPos b : far) {
            rasterised(a, b, 16, 9);
        }
        rasterised(a, {8, 4}, 16, 9);
    }
    forEachWideLineSpan({0, 0}, {9, 9}, 0, 10, [](int, int, int) { ADD_FAILURE(); });
    forEachWideLineSpan({0, 0}, {9, 9}, 10, 0, [](int, int, int) { ADD_FAILURE(); });
}

}  // namespace
}  // namespace tv
