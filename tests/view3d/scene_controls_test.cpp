// The scene values of the controls' positions at the ends of their ranges, the spot
// formulas, and the light track bars' way back from a coordinate to a position.
#include <gtest/gtest.h>

#include <limits>

#include "view3d/scene_controls.h"

namespace tv {
namespace {

TEST(SceneControls, TrackPositionsGiveTheirSceneValuesAtBothEnds) {
    EXPECT_DOUBLE_EQ(zoomFactor(kZoomRange.min), 0.1);
    EXPECT_DOUBLE_EQ(zoomFactor(kZoomRange.max), 3.0);
    EXPECT_EQ(moveOffset(0, kMoveXYRange.min), -4.0);
    EXPECT_EQ(moveOffset(1, kMoveXYRange.max), -4.0);
    EXPECT_EQ(moveOffset(2, kMoveZRange.min), -20.0);
    EXPECT_EQ(rotateSpeed(0, kRotateRange.min), -2.5f);
    EXPECT_EQ(rotateSpeed(1, kRotateRange.max), -2.5f);
    EXPECT_EQ(rotateSpeed(2, 3), -0.75f);
    EXPECT_EQ(materialOpacity(kTransparencyRange.min), 1.0f);
    EXPECT_EQ(materialOpacity(kTransparencyRange.max), 0.0f);
    EXPECT_EQ(materialShininess(kShininessRange.min), 100.0f);
    EXPECT_EQ(materialShininess(kShininessRange.max), 5.0f);
    EXPECT_EQ(lightCoordinate(1, kLightPositionRange.min), 2.0f);
    EXPECT_EQ(lightCoordinate(2, -17), -1.7f);
}

TEST(SceneControls, SpotCutoffAndDirection) {
    EXPECT_EQ(spotCutoff(true, 30), 30.0f);
    EXPECT_EQ(spotCutoff(false, 60), kNoSpotCutoff);
    EXPECT_TRUE(isSpotlight(spotCutoff(true, 0)));
    EXPECT_FALSE(isSpotlight(spotCutoff(false, 45)));

    const std::array<float, 3> direction = spotDirectionFromSteps({3, 4, 0});
    EXPECT_FLOAT_EQ(direction[0], 0.6f);
    EXPECT_FLOAT_EQ(direction[1], -0.8f);
    EXPECT_FLOAT_EQ(direction[2], 0.0f);
    EXPECT_EQ(spotDirectionFromSteps(kDefaultSpotSteps), (std::array<float, 3>{0.0f, 0.0f, -1.0f}));
    EXPECT_EQ(spotDirectionFromSteps({0, 0, 0}), (std::array<float, 3>{0.0f, 0.0f, -1.0f}));
}

TEST(SceneControls, LightTrackPositionIsTheNearestInsideTheRange) {
    for (int axis = 0; axis < 3; ++axis) {
        for (int32_t p = kLightPositionRange.min; p <= kLightPositionRange.max; ++p) {
            EXPECT_EQ(lightTrackPosition(axis, lightCoordinate(axis, p)), p) << axis << " " << p;
        }
    }
    EXPECT_EQ(lightTrackPosition(0, 0.26f), 3);
    EXPECT_EQ(lightTrackPosition(0, 3.0f), kLightPositionRange.max);
    EXPECT_EQ(lightTrackPosition(1, 3.0f), kLightPositionRange.min);
    // Not a number (a damaged file) gives the minimum instead of failing.
    EXPECT_EQ(lightTrackPosition(2, std::numeric_limits<float>::quiet_NaN()),
              kLightPositionRange.min);
}

}  // namespace
}  // namespace tv
