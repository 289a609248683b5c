// What a frame costs besides drawing: no heap allocation in the render pass or the surface
// builder once the first frame has run, and one sine and one cosine per meridian per frame,
// however many points the profile has.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "call_counters.h"
#include "recording_sink.h"
#include "scene_defaults.h"
#include "support/null_gl.h"
#include "view3d/render_pass.h"

namespace tv {
namespace {

using test::allocationCount;
using test::NullGl;
using test::trigCount;

constexpr int kSegments = 999;

// Counts what a sink is given, and nothing else.
struct CountingSink {
    long calls = 0;
    void begin(GlEnum) { ++calls; }
    void end() { ++calls; }
    void normal(double, double, double) { ++calls; }
    void vertex(double, double, double) { ++calls; }
    void color(float, float, float) { ++calls; }
};

// A zigzag of `count` points in one stroke, with every light on and every extra drawn:
// axes, normal lines, a positioned spotlight with its indicator and a rotation under way.
struct BusyScene {
    TSceneState scene = test::startupScene();
    std::unique_ptr<ProfileModel> profile = std::make_unique<ProfileModel>();
    FrameCounters counters;
    ViewControls controls{Axis::Y, kDisplaySmooth, true, true, kSegments, 0xFF8000};

    explicit BusyScene(int count) {
        std::vector<TProfilePoint> points(count);
        std::vector<int8_t> links(count, kLinkLeft);
        for (int i = 0; i < count; ++i) {
            points[i] = {1.0 + 0.5 * (i % 2), -1.0 + 2.0 * i / count};
        }
        links[0] = kLinkStart;
        profile->replace(count, links.data(), points.data(), false);
        scene.light_on = {true, true, true};
        scene.light_indicated = {true, true, true};
        scene.light_rotated = {false, true, false};
        scene.light_position[1] = {0.5f, 0.5f, 2.0f, 1.0f};
        scene.spot_cutoff[1] = 30.0f;
        scene.rotate_speed_y = 1.0f;
        scene.rotate_step_x = 15.0f;
        counters.fps_average = 60;
    }
    RenderInputs inputs() { return {scene, *profile, counters, controls}; }
};

TEST(FrameCost, NoAllocationInAFrameOfAnyDisplayModeAfterTheFirst) {
    BusyScene busy(kMaxPoints);
    NullGl gl;
    renderFrame(gl, busy.inputs());
    for (int mode : {0, 1, 2, 3, -1}) {
        busy.controls.display_mode = mode;
        const long before = allocationCount();
        renderFrame(gl, busy.inputs());
        EXPECT_EQ(allocationCount() - before, 0) << "display mode " << mode;
    }
    busy.controls.axis = Axis::X;
    busy.scene.opacity = 0.5f;
    const long before = allocationCount();
    renderFrame(gl, busy.inputs());
    EXPECT_EQ(allocationCount() - before, 0) << "about X, transparent";
    EXPECT_GT(gl.vertices, 0);
}

TEST(FrameCost, NoAllocationInAFrameWithListsAndNoVertexOnceTheyAreBuilt) {
    BusyScene busy(kMaxPoints);
    NullGl gl;
    const auto retained = std::make_unique<RetainedSurface>();
    SurfaceFrame& frame = frameWorkspace();
    const long before = allocationCount();
    for (int n = 0; n < kListParts + 1; ++n) {
        renderFrame(gl, busy.inputs(), frame, *retained);
    }
    EXPECT_EQ(allocationCount() - before, 0);
    const int vertices = gl.vertices;
    const long trig = trigCount();
    renderFrame(gl, busy.inputs(), frame, *retained);
    EXPECT_LT(gl.vertices - vertices, 50) << "the axes and light indicators only";
    EXPECT_EQ(trigCount() - trig, 0);
    EXPECT_EQ(allocationCount() - before, 0);
}

TEST(FrameCost, NoAllocationInTheSurfaceBuilder) {
    BusyScene busy(kMaxPoints);
    SurfaceFrame& frame = frameWorkspace();
    frame.prepare(*busy.profile, Axis::Y, 1.0, kSegments);
    CountingSink sink;
    const long before = allocationCount();
    for (Axis axis : {Axis::Y, Axis::X}) {
        frame.prepare(*busy.profile, axis, 1.5, kSegments);
        emitStrips(frame, sink, true);
        emitStrips(frame, sink, false);
        emitWireFrame(frame, sink);
        emitNormalLines(frame, sink, kNormalLineColors);
    }
    EXPECT_EQ(allocationCount() - before, 0);
    EXPECT_GT(sink.calls, 0);
}

TEST(FrameCost, TheCountersSeeAllocations) {
    const long before = allocationCount();
    const auto recorded = std::make_unique<test::RecordingSink>();
    recorded->vertex(0, 0, 0);
    EXPECT_GT(allocationCount() - before, 0);
}

// Sines and cosines of one frame: prepared once per meridian, then read for every vertex.
long trigCallsOfAFrame(int points, int display_mode) {
    BusyScene busy(points);
    busy.controls.display_mode = display_mode;
    NullGl gl;
    renderFrame(gl, busy.inputs());
    const long before = trigCount();
    renderFrame(gl, busy.inputs());
    return trigCount() - before;
}

TEST(FrameCost, OneSineAndOneCosinePerMeridianWhateverTheProfile) {
    const long meridians = kSegments + 1;
    for (int mode : {0, 1, 3}) {
        const long small = trigCallsOfAFrame(2, mode);
        const long largest = trigCallsOfAFrame(kMaxPoints, mode);
        EXPECT_EQ(small, 2 * meridians) << "display mode " << mode;
        EXPECT_EQ(largest, 2 * meridians) << "display mode " << mode;
    }
}

}  // namespace
}  // namespace tv
