// Frames drawn from display lists: OpenGL executes exactly the calls of the immediate
// frame, and a list is compiled again only when what its geometry is made of changes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "recording_gl.h"
#include "scene_defaults.h"
#include "view3d/render_pass.h"

namespace tv {
namespace {

using test::GlCall;
using test::RecordingGl;

// Frames after which every part of every drawing is compiled.
constexpr int kFramesToComplete = kListParts + 2;

// Two strokes, 60 points in all, so that every list part holds primitives.
void zigzag(ProfileModel& profile) {
    std::vector<TProfilePoint> points(60);
    std::vector<int8_t> links(60, kLinkLeft);
    for (int i = 0; i < 60; ++i) {
        points[i] = {0.5 + 0.25 * (i % 2), -1.0 + i / 30.0};
    }
    links[0] = kLinkStart;
    links[30] = kLinkStart;
    links[45] = kLinkFlipped;
    profile.replace(60, links.data(), points.data(), false);
}

// The same scene twice, one drawn in immediate mode and one from lists, kept in step.
struct TwinScenes {
    TSceneState scene = test::startupScene();
    std::unique_ptr<ProfileModel> profile = std::make_unique<ProfileModel>();
    FrameCounters counters;
    ViewControls controls{Axis::Y, kDisplaySmooth, true, true, 5, 0x336699};

    TwinScenes() {
        zigzag(*profile);
        scene.light_on = {true, false, true};
        scene.light_indicated = {true, true, true};
        scene.rotate_speed_y = 0.5f;
        counters.fps_average = 30;
    }
    RenderInputs inputs() { return {scene, *profile, counters, controls}; }
};

void expectSameCalls(const std::vector<GlCall>& lists, const std::vector<GlCall>& immediate,
                     const std::string& where) {
    ASSERT_EQ(lists.size(), immediate.size()) << where;
    for (size_t i = 0; i < lists.size(); ++i) {
        ASSERT_EQ(lists[i].name, immediate[i].name) << where << ", call " << i;
        ASSERT_EQ(lists[i].args, immediate[i].args) << where << ", call " << i;
        ASSERT_EQ(lists[i].modelview, immediate[i].modelview) << where << ", call " << i;
    }
}

TEST(RetainedSurface, EveryFrameExecutesTheCallsOfTheImmediateFrame) {
    struct Case {
        int mode;
        Axis axis;
    };
    for (const Case c : {Case{kDisplaySmooth, Axis::Y}, Case{kDisplayFlat, Axis::X},
                         Case{kDisplaySolid, Axis::Y}, Case{kDisplayWireFrame, Axis::X}}) {
        TwinScenes immediate;
        TwinScenes listed;
        for (TwinScenes* twin : {&immediate, &listed}) {
            twin->controls.display_mode = c.mode;
            twin->controls.axis = c.axis;
        }
        RecordingGl immediate_gl;
        RecordingGl lists_gl;
        RetainedSurface retained;
        SurfaceFrame frame;
        for (int n = 0; n < kFramesToComplete + 2; ++n) {
            immediate_gl.calls.clear();
            renderFrame(immediate_gl, immediate.inputs(), frame);
            lists_gl.calls.clear();
            lists_gl.list_calls.clear();
            renderFrame(lists_gl, listed.inputs(), frame, retained);
            const std::string where =
                "mode " + std::to_string(c.mode) + ", frame " + std::to_string(n);
            expectSameCalls(lists_gl.calls, immediate_gl.calls, where);
            // Compiled a part a frame from the first frame on, then only called.
            if (n == 0 || n >= kListParts) {
                EXPECT_EQ(lists_gl.listCalls("newList") > 0, n == 0) << where;
            }
        }
        EXPECT_EQ(lists_gl.listCalls("newList"), 0);
        EXPECT_EQ(lists_gl.listCalls("callList"), 2 * kListParts);
        EXPECT_EQ(lists_gl.listsHeld(), 2 * kListParts);
    }
}

// Brings the lists up to date, makes one change and tells whether the next frame compiled
// any list.
class ListRebuild : public ::testing::Test {
  protected:
    bool compilesAfter(const std::function<void(TwinScenes&)>& change) {
        for (int n = 0; n < kFramesToComplete; ++n) {
            renderFrame(gl, twin.inputs(), frame, retained);
        }
        gl.list_calls.clear();
        change(twin);
        renderFrame(gl, twin.inputs(), frame, retained);
        return gl.listCalls("newList") > 0;
    }

    TwinScenes twin;
    RecordingGl gl;
    RetainedSurface retained;
    SurfaceFrame frame;
};

TEST_F(ListRebuild, ADependencyRebuildsAndNothingElseDoes) {
    struct Case {
        const char* change;
        std::function<void(TwinScenes&)> apply;
        bool rebuilds;
    };
    const std::vector<Case> cases = {
        {"a point moved", [](TwinScenes& t) { t.profile->points[20].x += 0.01; }, true},
        {"a link flipped", [](TwinScenes& t) { t.profile->point_links[10] = kLinkFlipped; }, true},
        {"a stroke broken", [](TwinScenes& t) { t.profile->point_links[10] = kLinkStart; }, true},
        {"a point removed", [](TwinScenes& t) { t.profile->removeLast(false); }, true},
        {"the axis", [](TwinScenes& t) { t.controls.axis = Axis::X; }, true},
        {"the zoom", [](TwinScenes& t) { t.scene.zoom_factor *= 1.1; }, true},
        {"the segments", [](TwinScenes& t) { t.controls.segments = 6; }, true},
        {"smooth to wire frame", [](TwinScenes& t) { t.controls.display_mode = 0; }, true},
        {"smooth to solid", [](TwinScenes& t) { t.controls.display_mode = 1; }, true},
        {"no object, then smooth again",
         [this](TwinScenes& t) {
             t.controls.display_mode = -1;
             renderFrame(gl, t.inputs(), frame, retained);
             t.controls.display_mode = kDisplaySmooth;
         },
         true},
        {"normals off, then on again",
         [this](TwinScenes& t) {
             t.controls.show_normals = false;
             renderFrame(gl, t.inputs(), frame, retained);
             t.controls.show_normals = true;
         },
         true},
        {"nothing", [](TwinScenes&) {}, false},
        {"smooth to flat", [](TwinScenes& t) { t.controls.display_mode = kDisplayFlat; }, false},
        {"one step count that draws nothing for another",
         [](TwinScenes& t) { t.controls.segments = -7; }, false},
        {"a stale point past the end", [](TwinScenes& t) { t.profile->points[100].x = 9.0; },
         false},
        {"the axes", [](TwinScenes& t) { t.controls.show_axes = false; }, false},
        {"the object colour", [](TwinScenes& t) { t.controls.object_color = 0x0000FF; }, false},
        {"the opacity", [](TwinScenes& t) { t.scene.opacity = 0.5f; }, false},
        {"the material", [](TwinScenes& t) { t.scene.material_shininess = 3.0f; }, false},
        {"a light", [](TwinScenes& t) { t.scene.light_position[0][0] = 4.0f; }, false},
        {"the background", [](TwinScenes& t) { t.scene.background_rgba[0] = 0.5f; }, false},
        {"the position", [](TwinScenes& t) { t.scene.position_x = 1.0; }, false},
        {"a rotation step", [](TwinScenes& t) { t.scene.rotate_step_z = 15.0f; }, false},
    };
    for (const Case& c : cases) {
        twin = TwinScenes();
        if (std::string(c.change) == "one step count that draws nothing for another") {
            twin.controls.segments = -1;
        }
        gl = RecordingGl();
        retained = RetainedSurface();
        EXPECT_EQ(compilesAfter(c.apply), c.rebuilds) << c.change;
    }
}

}  // namespace
}  // namespace tv
