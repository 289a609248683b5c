#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "recording_gl.h"
#include "scene_defaults.h"
#include "view3d/render_pass.h"

namespace tv {
namespace {

using test::GlCall;
using test::multiply;
using test::RecordingGl;

using Names = std::vector<std::string>;

void expectMatrixNear(const Matrix4& actual, const Matrix4& expected) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << "element " << i;
    }
}

// Up to `count` names from index `from`; fewer where the list ends.
Names slice(const Names& names, int from, int count) {
    const int size = static_cast<int>(names.size());
    from = std::clamp(from, 0, size);
    return Names(names.begin() + from, names.begin() + std::min(from + count, size));
}

class RenderPass : public ::testing::Test {
  protected:
    RenderPass() : scene(test::startupScene()) {
        // A short upward stroke right of the Y axis.
        const TProfilePoint points[] = {{1.0, -0.5}, {1.0, 0.5}};
        const int8_t links[] = {kLinkStart, kLinkLeft};
        profile.replace(2, links, points, false);
        controls.segments = 3;
    }

    RecordingGl render() {
        RecordingGl gl;
        renderFrame(gl, RenderInputs{scene, profile, counters, controls}, frame);
        return gl;
    }

    // The calls after the transparency switch, from the first one named `from`.
    static Names namesFrom(const RecordingGl& gl, const std::string& from) {
        const Names all = gl.names();
        const int start = gl.find(from);
        return start < 0 ? Names{} : Names(all.begin() + start, all.end());
    }

    TSceneState scene;
    ProfileModel profile;
    FrameCounters counters;
    ViewControls controls;
    SurfaceFrame frame;
};

TEST_F(RenderPass, FrameStartsWithClearTranslationAndRotationAdvance) {
    scene.background_rgba = {0.1f, 0.2f, 0.3f, 1.0f};
    scene.position_x = 0.5;
    scene.position_y = -1.25;
    counters.frame_count = 7;
    counters.no_frame_since_tick = true;
    controls.display_mode = -1;
    const RecordingGl gl = render();

    EXPECT_EQ(counters.frame_count, 8);
    EXPECT_FALSE(counters.no_frame_since_tick);
    const Names expected = {
        "clearColor",  "clear",       "loadIdentity", "translatef", "pushMatrix",
        "loadMatrixd", "rotated",     "rotated",      "rotated",    "getModelviewMatrix",
        "popMatrix",   "multMatrixd", "disable",      "shadeModel", "enable",
        "disable"};
    EXPECT_EQ(gl.names(), expected);
    EXPECT_EQ(gl.calls[0].args, (std::vector<double>{0.1f, 0.2f, 0.3f, 1.0f}));
    EXPECT_EQ(gl.calls[1].args[0], gl::kColorBufferBit | gl::kDepthBufferBit);
    EXPECT_EQ(gl.calls[3].args, (std::vector<double>{0.5f, -1.25f, -5.0f}));
    EXPECT_EQ(gl.calls[12].args[0], gl::kLighting);
    EXPECT_EQ(gl.calls[13].args[0], gl::kSmooth);
    // The model-view matrix ends as T * R.
    expectMatrixNear(gl.modelview(), test::translation(0.5, -1.25, -5.0));
}

TEST_F(RenderPass, RateIsMeasuredFpsOrElseFrameCount) {
    scene.rotate_speed_x = 2.0f;
    scene.rotate_speed_y = -1.0f;
    scene.rotate_speed_z = 0.5f;
    scene.rotate_step_y = 15.0f;

    counters.fps_average = -1;
    counters.frame_count = 4;  // the fifth frame counts as rate 5
    auto rotations = render().named("rotated");
    ASSERT_EQ(rotations.size(), 3u);
    EXPECT_EQ(rotations[0].args, (std::vector<double>{85.0 / 5 * 2.0, 1, 0, 0}));
    EXPECT_EQ(rotations[1].args, (std::vector<double>{85.0 / 5 * -1.0 + 15.0, 0, 1, 0}));
    EXPECT_EQ(rotations[2].args, (std::vector<double>{85.0 / 5 * 0.5, 0, 0, 1}));

    counters.fps_average = 50;
    EXPECT_EQ(render().named("rotated")[0].args[0], 85.0 / 50 * 2.0);
    counters.fps_average = 0;  // below 1: not a measured rate
    counters.frame_count = 0;
    EXPECT_EQ(render().named("rotated")[0].args[0], 85.0 / 1 * 2.0);
}

TEST_F(RenderPass, StepsAreConsumedOnceAndStillRotationKeepsTheMatrix) {
    scene.rotate_step_x = 15.0f;
    render();
    EXPECT_EQ(scene.rotate_step_x, 0.0f);
    expectMatrixNear(scene.rotation_matrix, test::rotationX(15.0));
    const Matrix4 after_step = scene.rotation_matrix;
    const auto rotations = render().named("rotated");
    EXPECT_EQ(rotations[0].args[0], 0.0);
    EXPECT_EQ(scene.rotation_matrix, after_step);
}

TEST_F(RenderPass, NewRotationIsOldTimesXThenYThenZ) {
    const Matrix4 old_rotation = multiply(test::rotationY(30.0), test::rotationX(-20.0));
    scene.rotation_matrix = old_rotation;
    scene.rotate_step_x = 15.0f;
    scene.rotate_step_y = -15.0f;
    scene.rotate_step_z = 15.0f;
    const RecordingGl gl = render();
    const Matrix4 expected =
        multiply(multiply(multiply(old_rotation, test::rotationX(15.0)), test::rotationY(-15.0)),
                 test::rotationZ(15.0));
    expectMatrixNear(scene.rotation_matrix, expected);
    EXPECT_EQ(gl.named("loadMatrixd")[0].args,
              std::vector<double>(old_rotation.begin(), old_rotation.end()));
    expectMatrixNear(gl.modelview(), multiply(test::translation(0, 0, -5), expected));
}

TEST_F(RenderPass, NonFiniteRotationIsReplacedByIdentity) {
    scene.rotation_matrix[5] = std::numeric_limits<double>::quiet_NaN();
    render();
    EXPECT_EQ(scene.rotation_matrix, kIdentityMatrix);
}

TEST_F(RenderPass, OnlyOpacityOfExactlyOneIsOpaque) {
    controls.display_mode = -1;
    scene.opacity = 1.0f;
    RecordingGl gl = render();
    int at = gl.find("shadeModel") + 1;
    ASSERT_EQ(slice(gl.names(), at, 2), (Names{"enable", "disable"}));
    EXPECT_EQ(gl.calls[at].args[0], gl::kDepthTest);
    EXPECT_EQ(gl.calls[at + 1].args[0], gl::kBlend);

    scene.opacity = 0.99f;
    gl = render();
    at = gl.find("shadeModel") + 1;
    ASSERT_EQ(slice(gl.names(), at, 3), (Names{"blendFunc", "enable", "disable"}));
    EXPECT_EQ(gl.calls[at].args, (std::vector<double>{gl::kSrcAlpha, gl::kOne}));
    EXPECT_EQ(gl.calls[at + 1].args[0], gl::kBlend);
    EXPECT_EQ(gl.calls[at + 2].args[0], gl::kDepthTest);
}

TEST_F(RenderPass, AxesAreOneBatchOfColouredLinesInObjectSpace) {
    controls.display_mode = -1;
    controls.show_axes = true;
    scene.zoom_factor = 2.0;
    scene.rotate_step_z = 90.0f;
    const RecordingGl gl = render();
    const int begin = gl.find("begin");
    ASSERT_GE(begin, 0);
    EXPECT_EQ(gl.calls[begin].args[0], gl::kLines);
    const std::vector<std::vector<double>> expected = {
        {0.4f, 0, 0}, {-3, 0, 0}, {1, 0.6f, 0.6f}, {3, 0, 0},  // X
        {0, 0.4f, 0}, {0, -3, 0}, {0.6f, 1, 0.6f}, {0, 3, 0},  // Y
        {0, 0, 0.8f}, {0, 0, -3}, {0.6f, 0.6f, 1}, {0, 0, 3},  // Z
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        const GlCall& call = gl.calls[begin + 1 + i];
        EXPECT_EQ(call.name, i % 2 == 0 ? "color3f" : "vertex3f") << i;
        EXPECT_EQ(call.args, expected[i]) << i;
    }
    EXPECT_EQ(gl.calls[begin + 13].name, "end");
    expectMatrixNear(gl.calls[begin].modelview,
                     multiply(test::translation(0, 0, -5), test::rotationZ(90.0)));
}

TEST_F(RenderPass, NormalLinesFollowAxesAndPrecedeTheObject) {
    controls.show_axes = true;
    controls.show_normals = true;
    controls.display_mode = kDisplaySolid;
    const RecordingGl gl = render();
    const auto begins = gl.named("begin");
    ASSERT_EQ(begins.size(), 3u);
    EXPECT_EQ(begins[0].args[0], gl::kLines);      // axes
    EXPECT_EQ(begins[1].args[0], gl::kLines);      // normal lines
    EXPECT_EQ(begins[2].args[0], gl::kQuadStrip);  // the object
    const int normals = gl.find("begin", gl.find("end") + 1);
    EXPECT_EQ(gl.calls[normals + 1].name, "color3f");
    EXPECT_EQ(gl.calls[normals + 1].args, (std::vector<double>{0.5, 0.5, 0}));
    EXPECT_EQ(gl.calls[normals + 3].args, (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(gl.named("vertex3d").size(), 4u * 4 + 2u * 4);
}

TEST_F(RenderPass, UnlitModesUseTheObjectColourAndLeaveLightsAlone) {
    controls.object_color = 0x336699;  // R 0x99, G 0x66, B 0x33
    scene.opacity = 0.5f;
    for (int mode : {kDisplayWireFrame, kDisplaySolid}) {
        controls.display_mode = mode;
        scene.light_indicated[0] = true;
        const RecordingGl gl = render();
        const auto colors = gl.named("color4d");
        ASSERT_EQ(colors.size(), 1u);
        EXPECT_EQ(colors[0].args,
                  (std::vector<double>{0x99 / 255.0f, 0x66 / 255.0f, 0x33 / 255.0f, 0.5}));
        EXPECT_TRUE(gl.named("lightfv").empty());
        EXPECT_TRUE(gl.named("materialfv").empty());
        EXPECT_EQ(gl.named("begin")[0].args[0], mode == 0 ? gl::kLineStrip : gl::kQuadStrip);
        EXPECT_TRUE(gl.named("normal3d").empty());
        EXPECT_EQ(namesFrom(gl, "color4d")[1], "begin");
    }
}

TEST_F(RenderPass, NoSelectedModeDrawsNoObject) {
    controls.display_mode = -1;
    EXPECT_EQ(render().find("begin"), -1);
    controls.display_mode = 4;
    EXPECT_EQ(render().find("begin"), -1);
}

TEST_F(RenderPass, LitModesSetMaterialShadeModelLightsThenDrawWithNormals) {
    for (int mode : {kDisplayFlat, kDisplaySmooth}) {
        controls.display_mode = mode;
        const RecordingGl gl = render();
        const Names tail = namesFrom(gl, "materialfv");
        const Names expected_head = {"materialfv", "materialfv", "materialfv",
                                     "materialfv", "shadeModel", "lightModelfv"};
        ASSERT_EQ(slice(tail, 0, 6), expected_head);
        const auto materials = gl.named("materialfv");
        EXPECT_EQ(materials[0].args[1], gl::kDiffuse);
        EXPECT_EQ(materials[1].args[1], gl::kAmbient);
        EXPECT_EQ(materials[2].args[1], gl::kSpecular);
        EXPECT_EQ(materials[3].args,
                  (std::vector<double>{gl::kFrontAndBack, gl::kShininess, 100.0}));
        EXPECT_EQ(materials[0].args[0], gl::kFrontAndBack);
        EXPECT_EQ(materials[0].args[3], 0x80 / 255.0f);
        const int shade = gl.find("shadeModel", gl.find("materialfv"));
        EXPECT_EQ(gl.calls[shade].args[0], mode == kDisplayFlat ? gl::kFlat : gl::kSmooth);
        EXPECT_EQ(gl.named("lightModelfv")[0].args,
                  (std::vector<double>{gl::kLightModelAmbient, 0x80 / 255.0f, 0x80 / 255.0f,
                                       0x80 / 255.0f, 1.0f}));
        const int lighting = gl.find("begin") - 1;
        EXPECT_EQ(gl.calls[lighting].name, "enable");
        EXPECT_EQ(gl.calls[lighting].args[0], gl::kLighting);
        EXPECT_EQ(gl.named("normal3d").size(), 8u);
    }
}

TEST_F(RenderPass, LightsOnAreSetUpInOrderAndLightsOffDisabled) {
    controls.display_mode = kDisplaySmooth;
    scene.zoom_factor = 2.0;
    scene.light_on = {true, false, true};
    scene.light_rotated = {true, false, true};
    scene.light_position[2] = {0.5f, -1.0f, 2.0f, 1.0f};
    scene.spot_cutoff[2] = 30.0f;
    scene.spot_direction[2] = {0.0f, 0.6f, -0.8f};
    const RecordingGl gl = render();

    const Names tail = namesFrom(gl, "lightModelfv");
    const Names light_calls = {"lightfv", "lightfv", "lightfv", "lightfv",
                               "lightfv", "lightfv", "enable"};
    ASSERT_EQ(slice(tail, 1, 7), light_calls);
    EXPECT_EQ(tail[8], "disable");
    ASSERT_EQ(slice(tail, 9, 7), light_calls);

    const auto lights = gl.named("lightfv");
    ASSERT_EQ(lights.size(), 12u);
    const std::vector<GlEnum> order = {gl::kAmbient,  gl::kDiffuse,    gl::kSpecular,
                                       gl::kPosition, gl::kSpotCutoff, gl::kSpotDirection};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lights[i].args[0], gl::kLight0);
        EXPECT_EQ(lights[6 + i].args[0], gl::kLight2);
        EXPECT_EQ(lights[i].args[1], order[i]);
        EXPECT_EQ(lights[6 + i].args[1], order[i]);
    }
    EXPECT_EQ(lights[1].args, (std::vector<double>{gl::kLight0, gl::kDiffuse, 0xCC / 255.0f,
                                                   0xCC / 255.0f, 0xCC / 255.0f, 1.0f}));
    // Positions are zoomed except w; the spot direction is not zoomed.
    EXPECT_EQ(lights[3].args, (std::vector<double>{gl::kLight0, gl::kPosition, -2, 2, 2, 0}));
    EXPECT_EQ(lights[9].args, (std::vector<double>{gl::kLight2, gl::kPosition, 1, -2, 4, 1}));
    EXPECT_EQ(lights[10].args, (std::vector<double>{gl::kLight2, gl::kSpotCutoff, 30}));
    EXPECT_EQ(lights[11].args,
              (std::vector<double>{gl::kLight2, gl::kSpotDirection, 0.0f, 0.6f, -0.8f}));
    EXPECT_EQ(gl.calls[gl.find("disable", gl.find("lightModelfv"))].args[0], gl::kLight1);
}

TEST_F(RenderPass, FixedLightIsGivenWithoutTheRotationRotatedLightWithIt) {
    controls.display_mode = kDisplayFlat;
    scene.rotation_matrix = test::rotationY(40.0);
    scene.position_x = 1.0;
    scene.light_rotated[0] = false;
    RecordingGl gl = render();
    const Matrix4 rotation = scene.rotation_matrix;
    const int push = gl.find("pushMatrix", gl.find("lightModelfv"));
    ASSERT_GE(push, 0);
    ASSERT_EQ(slice(gl.names(), push, 3), (Names{"pushMatrix", "loadIdentity", "translatef"}));
    EXPECT_EQ(gl.calls[push + 2].args, (std::vector<double>{1, 0, -5}));
    const int position = gl.find("lightfv", push) + 3;
    expectMatrixNear(gl.calls[position].modelview, test::translation(1, 0, -5));
    const int enable = gl.find("enable", position);
    EXPECT_EQ(gl.calls[enable + 1].name, "popMatrix");
    expectMatrixNear(gl.modelview(), multiply(test::translation(1, 0, -5), rotation));

    scene.light_rotated[0] = true;
    gl = render();
    EXPECT_EQ(gl.find("pushMatrix", gl.find("lightModelfv")), -1);
    EXPECT_EQ(gl.find("popMatrix", gl.find("lightModelfv")), -1);
    expectMatrixNear(gl.calls[gl.find("lightfv") + 3].modelview,
                     multiply(test::translation(1, 0, -5), scene.rotation_matrix));
}

// The indicator lines of light 0 (vertices and colour) in a lit frame.
struct Indicator {
    std::vector<double> color;
    std::vector<std::vector<double>> vertices;
};

Indicator indicatorOf(const RecordingGl& gl) {
    Indicator out;
    const int begin = gl.find("begin", gl.find("lightModelfv"));
    if (begin < 0 || begin > gl.find("lightfv")) {
        return out;
    }
    out.color = gl.calls[begin - 1].args;
    for (int i = begin + 1; gl.calls[i].name != "end"; ++i) {
        out.vertices.push_back(gl.calls[i].args);
    }
    return out;
}

TEST_F(RenderPass, DirectionalLightIndicatorComesFromTheLightsDirection) {
    controls.display_mode = kDisplaySmooth;
    scene.light_indicated[0] = true;
    scene.light_position[0] = {0.0f, 3.0f, 4.0f, 0.0f};
    scene.zoom_factor = 2.0;
    scene.light_diffuse[0] = {0.25f, 0.5f, 0.75f, 1.0f};
    Indicator indicator = indicatorOf(render());
    EXPECT_EQ(indicator.color, (std::vector<double>{0.25, 0.5, 0.75}));
    ASSERT_EQ(indicator.vertices.size(), 2u);
    EXPECT_NEAR(indicator.vertices[0][0], 0.0, 1e-12);
    EXPECT_NEAR(indicator.vertices[0][1], 60.0, 1e-12);
    EXPECT_NEAR(indicator.vertices[0][2], 80.0, 1e-12);
    EXPECT_EQ(indicator.vertices[1], (std::vector<double>{0, 0, 0}));

    scene.light_position[0] = {0.0f, 0.0f, 0.0f, 0.0f};
    indicator = indicatorOf(render());
    ASSERT_EQ(indicator.vertices.size(), 2u);
    EXPECT_EQ(indicator.vertices[0], (std::vector<double>{0, 0, 0}));
}

TEST_F(RenderPass, PositionedLightIndicatorIsACrossWithSpotLine) {
    controls.display_mode = kDisplaySmooth;
    scene.light_indicated[0] = true;
    scene.light_position[0] = {1.0f, 0.5f, -1.0f, 1.0f};
    scene.zoom_factor = 2.0;
    Indicator indicator = indicatorOf(render());
    const std::vector<std::vector<double>> cross = {{1.5, 1, -2}, {2.5, 1, -2}, {2, 0.5, -2},
                                                    {2, 1.5, -2}, {2, 1, -2.5}, {2, 1, -1.5}};
    EXPECT_EQ(indicator.vertices, cross);

    scene.spot_cutoff[0] = 45.0f;
    scene.spot_direction[0] = {0.0f, 0.0f, -1.0f};
    indicator = indicatorOf(render());
    ASSERT_EQ(indicator.vertices.size(), 8u);
    EXPECT_EQ(indicator.vertices[6], (std::vector<double>{2, 1, -2}));
    EXPECT_EQ(indicator.vertices[7], (std::vector<double>{2, 1, -4}));

    scene.light_indicated[0] = false;
    EXPECT_TRUE(indicatorOf(render()).vertices.empty());
}

TEST_F(RenderPass, SegmentsAsTypedAndAxisReachTheBuilder) {
    controls.display_mode = kDisplaySolid;
    controls.segments = 0;
    EXPECT_EQ(render().find("begin"), -1);
    controls.segments = 5;
    controls.axis = Axis::X;
    const RecordingGl gl = render();
    const auto vertices = gl.named("vertex3d");
    ASSERT_EQ(vertices.size(), 12u);
    EXPECT_EQ(vertices[0].args, (std::vector<double>{1.0, -0.5, 0.0}));
}

}  // namespace
}  // namespace tv
