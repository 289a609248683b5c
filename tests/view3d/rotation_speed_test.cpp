// The rotation speed against the frame rate, with a scripted clock: every simulated second
// draws a given number of frames and ends with one tick of the one-second timer. A speed of
// 1 should turn the object by 85 degrees a second whatever the frame rate.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "matrix_gl.h"
#include "scene_defaults.h"
#include "view3d/frame_rate.h"
#include "view3d/render_pass.h"

namespace tv {
namespace {

constexpr double kDegreesASecond = 85.0;
constexpr double kTolerance = 0.05;

class ScriptedClock {
  public:
    ScriptedClock() : scene(test::startupScene()) {
        const TProfilePoint points[] = {{1.0, -0.5}, {1.0, 0.5}};
        const int8_t links[] = {kLinkStart, kLinkLeft};
        profile.replace(2, links, points, false);
        controls.display_mode = kDisplaySmooth;
        scene.rotate_speed_y = 1.0f;
    }

    // One second of `frames` frames, then the timer's tick; the degrees turned about Y.
    double second(int frames) {
        const double before = gl.turned[1];
        for (int i = 0; i < frames; ++i) {
            renderFrame(gl, RenderInputs{scene, profile, counters, controls}, frame);
        }
        frameRateTick(counters);
        return gl.turned[1] - before;
    }

    std::vector<double> seconds(int count, int frames) {
        std::vector<double> turned;
        for (int i = 0; i < count; ++i) {
            turned.push_back(second(frames));
        }
        return turned;
    }

    TSceneState scene;
    ProfileModel profile;
    FrameCounters counters;
    ViewControls controls;
    SurfaceFrame frame;
    test::MatrixGl gl;
};

bool withinTolerance(double degrees) {
    return std::abs(degrees / kDegreesASecond - 1.0) <= kTolerance;
}

// The first second from which every later one is within tolerance; -1 if none is.
int settledFrom(const std::vector<double>& turned) {
    int from = -1;
    for (int i = static_cast<int>(turned.size()) - 1; i >= 0 && withinTolerance(turned[i]); --i) {
        from = i;
    }
    return from;
}

TEST(RotationSpeed, EveryRateTurns85DegreesASecondOnceMeasured) {
    for (int fps : {7, 60, 400, 2000}) {
        ScriptedClock clock;
        // The start-up second is not measured and the second one is the first measurement:
        // until then the running frame count stands in for the rate, which turns faster.
        const std::vector<double> first = clock.seconds(2, fps);
        EXPECT_GT(first[0], kDegreesASecond) << fps << " fps";
        EXPECT_GT(first[1], kDegreesASecond) << fps << " fps";
        ASSERT_EQ(clock.counters.fps_average, fps);
        for (double turned : clock.seconds(8, fps)) {
            EXPECT_NEAR(turned, kDegreesASecond, kDegreesASecond * kTolerance) << fps << " fps";
        }
    }
}

TEST(RotationSpeed, TheRotationMatrixTurnsByTheAnglesGiven) {
    ScriptedClock clock;
    clock.seconds(6, 60);
    const Matrix4 expected = test::rotationY(clock.gl.turned[1]);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(clock.scene.rotation_matrix[i], expected[i], 1e-9) << "element " << i;
    }
}

// After a change of frame rate the smoothed rate (3 parts old, 1 part new, each second)
// takes seconds to follow (the gap shrinks by a quarter a second), and the turn is off by the ratio
// of the rates meanwhile: much faster after a rise, slower after a fall. The seconds it takes to
// come within 5 % again:
struct RateChange {
    int from_fps;
    int to_fps;
    int settled_within_seconds;
};

TEST(RotationSpeed, AfterAChangeOfRateWithinToleranceOnceTheAverageFollows) {
    const RateChange changes[] = {
        {60, 400, 12}, {400, 60, 18}, {400, 2000, 11}, {2000, 400, 17},
        {7, 2000, 12}, {2000, 7, 31}, {60, 7, 19},     {60, 2000, 12},
    };
    for (const RateChange& change : changes) {
        ScriptedClock clock;
        clock.seconds(6, change.from_fps);
        const std::vector<double> turned = clock.seconds(40, change.to_fps);
        const int settled = settledFrom(turned);
        ASSERT_GE(settled, 0) << change.from_fps << " to " << change.to_fps << " fps";
        EXPECT_LE(settled + 1, change.settled_within_seconds)
            << change.from_fps << " to " << change.to_fps << " fps";
        EXPECT_FALSE(withinTolerance(turned[0]))
            << change.from_fps << " to " << change.to_fps << " fps: the first second misses";
    }
}

// The smoothed rate settles on the true rate after a rise too, so the turn comes back to
// 85 degrees a second at low rates as well.
TEST(RotationSpeed, ARiseSettlesOnTheTrueRate) {
    for (const auto& [from_fps, to_fps] :
         {std::pair{7, 60}, std::pair{20, 30}, std::pair{60, 400}}) {
        ScriptedClock clock;
        clock.seconds(6, from_fps);
        const std::vector<double> turned = clock.seconds(40, to_fps);
        EXPECT_NEAR(clock.counters.fps_average, to_fps, 0.01);
        EXPECT_NEAR(turned.back(), kDegreesASecond, kDegreesASecond * 0.001)
            << from_fps << " to " << to_fps << " fps";
    }
}

}  // namespace
}  // namespace tv
