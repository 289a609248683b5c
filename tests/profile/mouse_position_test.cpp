#include <gtest/gtest.h>

#include "profile/mouse_position.h"

namespace tv {
namespace {

constexpr SurfaceSize kSurface{306, 306};

TEST(MousePosition, LimitsToTheDrawingArea) {
    EXPECT_EQ(mousePositionToPixel(-20, -20, kSurface, {}), (PixelPos{3, 3}));
    EXPECT_EQ(mousePositionToPixel(500, 500, kSurface, {}), (PixelPos{302, 302}));
    EXPECT_EQ(mousePositionToPixel(100, 150, kSurface, {}), (PixelPos{100, 150}));
    // A wide surface: the area is the square at the bottom left.
    const SurfaceSize wide{500, 306};
    EXPECT_EQ(mousePositionToPixel(480, 100, wide, {}).x, 302);
    // A tall surface: rows are counted from the bottom, so the top limit is H-S+3.
    const SurfaceSize tall{306, 500};
    EXPECT_EQ(mousePositionToPixel(100, 0, tall, {}).y, 500 - 1 - 302);
}

TEST(MousePosition, SnapsToTheNearestGridLineHalfRoundsDown) {
    const SnapSettings snap{true, 10};
    // Grid lines at x = 3, 13, 23 ...: +4 and +5 go back, +6 goes forward.
    EXPECT_EQ(mousePositionToPixel(27, 152, kSurface, snap).x, 23);
    EXPECT_EQ(mousePositionToPixel(28, 152, kSurface, snap).x, 23);
    EXPECT_EQ(mousePositionToPixel(29, 152, kSurface, snap).x, 33);
    // Rows are snapped against the bottom row H-4 = 302 in the same way.
    EXPECT_EQ(mousePositionToPixel(23, 302 - 14, kSurface, snap).y, 302 - 10);
    EXPECT_EQ(mousePositionToPixel(23, 302 - 16, kSurface, snap).y, 302 - 20);
    // Off: the position stays as it is.
    EXPECT_EQ(mousePositionToPixel(28, 152, kSurface, {false, 10}).x, 28);
}

TEST(MousePosition, SnapPastTheSurfaceGoesBackOneStep) {
    // S = 306: the last column 302 is 299 past the origin, 9 past a line at 293 with
    // step 10, so it would snap to 303 > W-4 and goes back to 293.
    EXPECT_EQ(mousePositionToPixel(302, 100, kSurface, {true, 10}).x, 293);
    // On a wider surface the same snap may pass the area, by up to half a step.
    EXPECT_EQ(mousePositionToPixel(302, 100, SurfaceSize{400, 306}, {true, 10}).x, 303);
}

}  // namespace
}  // namespace tv
