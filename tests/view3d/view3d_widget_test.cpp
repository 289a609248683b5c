// Real frames through Mesa: the widget renders into its framebuffer, which the tests read.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "scene_defaults.h"
#include "view3d/offscreen_gl.h"
#include "view3d/opengl_layer.h"
#include "view3d/view3d_widget.h"

namespace tv {
namespace {

constexpr int kSize = 200;

struct Rgb {
    int r;
    int g;
    int b;
};

Rgb at(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

bool near(Rgb a, Rgb b, int tolerance = 2) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

int pixelsUnlike(const QImage& image, Rgb background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += !near(at(image, x, y), background, 8);
        }
    }
    return count;
}

class View3DWidgetTest : public ::testing::Test {
  protected:
    View3DWidgetTest() : scene(test::startupScene()), widget(scene, profile, counters) {
        // A closed cylinder about Y, radius 0.8, from y -0.6 to 0.6, drawn up the right
        // side with flipped links so that its normals point outwards.
        const TProfilePoint points[] = {{0.0, -0.6}, {0.8, -0.6}, {0.8, 0.6}, {0.0, 0.6}};
        const int8_t links[] = {kLinkStart, kLinkFlipped, kLinkFlipped, kLinkFlipped};
        profile.replace(4, links, points, false);
        scene.position_z = -4.0;
        controls.segments = 32;
        widget.setControlsSource([this] { return controls; });
        widget.setContinuousRendering(false);
        widget.resize(kSize, kSize);
        widget.requestProjection();
    }

    QImage frame() { return widget.grabFramebuffer(); }

    TSceneState scene;
    ProfileModel profile;
    FrameCounters counters;
    ViewControls controls;
    View3DWidget widget;
};

TEST_F(View3DWidgetTest, BackgroundAndViewportFromTheProjectionRequest) {
    scene.background_rgba = colorToRgba(0x996633);  // R 0x33, G 0x66, B 0x99
    controls.display_mode = -1;
    const QImage image = frame();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(counters.frame_count, 1);
    EXPECT_EQ(widget.appliedViewport(), (Viewport{0, 0, kSize - 2, kSize - 2}));
    EXPECT_TRUE(near(at(image, kSize / 2, kSize / 2), {0x33, 0x66, 0x99}));
    EXPECT_EQ(pixelsUnlike(image, {0x33, 0x66, 0x99}), 0);
}

TEST_F(View3DWidgetTest, SolidModeDrawsTheObjectColourWhereTheSolidIs) {
    controls.display_mode = kDisplaySolid;
    controls.object_color = 0xFF8000;
    const QImage image = frame();
    EXPECT_TRUE(near(at(image, kSize / 2, kSize / 2), {0x00, 0x80, 0xFF}));
    EXPECT_TRUE(near(at(image, 3, 3), {0, 0, 0}));
    // The cylinder, 1.6 wide at distance 4 with a 45 degree view, covers about 42 %
    // of the width; it spans the middle but not the edges.
    EXPECT_TRUE(near(at(image, kSize / 2 - 30, kSize / 2), {0x00, 0x80, 0xFF}));
    EXPECT_TRUE(near(at(image, kSize / 2 - 60, kSize / 2), {0, 0, 0}));
}

TEST_F(View3DWidgetTest, LitSmoothFrameIsBrighterOnTheSideOfTheLight) {
    controls.display_mode = kDisplaySmooth;
    scene.light_position[0] = {-1.0f, 0.0f, 0.3f, 0.0f};  // from the left
    scene.material_ambient = {0.1f, 0.1f, 0.1f, 1.0f};
    const QImage image = frame();
    auto brightness = [&](int x) {
        const Rgb c = at(image, x, kSize / 2);
        return c.r + c.g + c.b;
    };
    const int left = brightness(kSize / 2 - 30);
    const int right = brightness(kSize / 2 + 30);
    EXPECT_GT(left, right + 60) << left << " vs " << right;
    EXPECT_GT(right, 0);  // the ambient light still shows the far side
}

TEST_F(View3DWidgetTest, DepthTestHidesTheBackOfTheSolid) {
    // Lit from the viewer: the front faces are bright, the back faces (drawn after them
    // in each strip) get ambient light only and must stay hidden. The side begins its own
    // stroke here, so that it does not take the bottom's normal at its lower edge.
    profile.point_links[1] = kLinkStart;
    controls.display_mode = kDisplaySmooth;
    scene.light_position[0] = {0.0f, 0.0f, 1.0f, 0.0f};
    const Rgb centre = at(frame(), kSize / 2, kSize / 2);
    EXPECT_GT(centre.b, 230) << centre.r << "," << centre.g << "," << centre.b;
}

TEST_F(View3DWidgetTest, WireFrameCoversFewerPixelsThanTheSolid) {
    controls.display_mode = kDisplaySolid;
    const int solid = pixelsUnlike(frame(), {0, 0, 0});
    controls.display_mode = kDisplayWireFrame;
    const int wire = pixelsUnlike(frame(), {0, 0, 0});
    EXPECT_GT(wire, 0);
    EXPECT_LT(wire * 2, solid) << wire << " vs " << solid;
}

TEST_F(View3DWidgetTest, RotationStepTurnsTheObjectOnceThroughOpenGl) {
    controls.display_mode = kDisplaySolid;
    scene.rotate_step_x = 90.0f;
    frame();
    EXPECT_EQ(scene.rotate_step_x, 0.0f);
    // Turned about X by 90 degrees: Y goes to Z, Z goes to -Y.
    EXPECT_NEAR(scene.rotation_matrix[6], 1.0, 1e-6);
    EXPECT_NEAR(scene.rotation_matrix[9], -1.0, 1e-6);
    const Matrix4 turned = scene.rotation_matrix;
    frame();
    EXPECT_EQ(scene.rotation_matrix, turned);
    EXPECT_EQ(counters.frame_count, 2);
}

TEST_F(View3DWidgetTest, ProjectionFollowsTheSizeAtTheNextRequestOnly) {
    controls.display_mode = -1;
    frame();
    widget.resize(160, 120);
    frame();
    EXPECT_EQ(widget.appliedViewport(), (Viewport{0, 0, kSize - 2, kSize - 2}));
    widget.requestProjection();
    frame();
    EXPECT_EQ(widget.appliedViewport(), (Viewport{0, 0, 158, 118}));
    widget.resize(2, 2);
    widget.requestProjection();
    frame();
    EXPECT_EQ(widget.appliedViewport(), (Viewport{0, 0, 158, 118}));
}

TEST_F(View3DWidgetTest, FirstContextStartsWithTheIdentityRotation) {
    scene.rotation_matrix[0] = 0.5;
    controls.display_mode = -1;
    frame();
    EXPECT_EQ(scene.rotation_matrix, kIdentityMatrix);
}

// Frames drawn from display lists, while they are compiled part by part and once they are
// all compiled, give the pixels of the immediate frame, in every display mode.
TEST(DisplayListFrames, MatchTheImmediateFramePixelForPixel) {
    OffscreenGl target;
    ASSERT_EQ(target.create(kSize, kSize), "");
    TSceneState scene = test::startupScene();
    scene.position_z = -4.0;
    scene.light_on = {true, true, false};
    ProfileModel profile;
    const TProfilePoint points[] = {{0.0, -0.6}, {0.8, -0.6}, {0.5, 0.0}, {0.8, 0.6}, {0.2, 0.7}};
    const int8_t links[] = {kLinkStart, kLinkFlipped, kLinkFlipped, kLinkLeft, kLinkFlipped};
    profile.replace(5, links, points, false);
    FrameCounters counters;
    OpenGlLayer gl;
    setUpViewContext(gl);
    ASSERT_TRUE(applyProjection(gl, kSize, kSize, scene));
    SurfaceFrame frame;
    for (const int mode : {kDisplayWireFrame, kDisplaySolid, kDisplayFlat, kDisplaySmooth}) {
        scene.opacity = mode == kDisplaySolid ? 0.5f : 1.0f;
        const RenderInputs inputs{scene, profile, counters,
                                  ViewControls{Axis::Y, mode, true, true, 24, 0x3080F0}};
        renderFrame(gl, inputs, frame);
        target.finish();
        const QImage immediate = target.image();
        EXPECT_GT(pixelsUnlike(immediate, at(immediate, 0, 0)), 500) << "display mode " << mode;
        RetainedSurface retained;
        for (int n = 0; n <= kListParts; ++n) {
            renderFrame(gl, inputs, frame, retained);
            target.finish();
            if (n == 0 || n == kListParts / 2 || n == kListParts) {
                EXPECT_EQ(target.image(), immediate) << "display mode " << mode << ", frame " << n;
            }
        }
        retained.release(gl);
    }
}

}  // namespace
}  // namespace tv
