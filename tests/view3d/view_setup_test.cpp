#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_gl.h"
#include "view3d/view_setup.h"

namespace tv {
namespace {

using test::RecordingGl;

TEST(ViewSetup, ContextStateAndRotationFromAFreshMatrix) {
    RecordingGl gl;
    setUpViewContext(gl);
    EXPECT_EQ(gl.names(), (std::vector<std::string>{"clearDepth", "depthFunc", "hint"}));
    EXPECT_EQ(gl.calls[0].args[0], 1.0);
    EXPECT_EQ(gl.calls[1].args[0], gl::kLequal);
    EXPECT_EQ(gl.calls[2].args, (std::vector<double>{gl::kPerspectiveCorrectionHint, gl::kNicest}));
    TSceneState scene;
    scene.rotation_matrix.fill(7.0);
    gl.translatef(1, 2, 3);
    resetRotationFromContext(gl, scene);
    EXPECT_EQ(scene.rotation_matrix, kIdentityMatrix);
}

TEST(ViewSetup, ProjectionFromThePanelSize) {
    RecordingGl gl;
    TSceneState scene;
    scene.position_x = 0.5;
    const auto viewport = applyProjection(gl, 300, 200, scene);
    ASSERT_TRUE(viewport);
    EXPECT_EQ(*viewport, (Viewport{0, 0, 298, 198}));
    const std::vector<std::string> expected = {"viewport",    "matrixMode", "loadIdentity",
                                               "perspective", "matrixMode", "loadIdentity",
                                               "translatef"};
    EXPECT_EQ(gl.names(), expected);
    EXPECT_EQ(gl.calls[0].args, (std::vector<double>{0, 0, 298, 198}));
    EXPECT_EQ(gl.calls[1].args[0], gl::kProjection);
    EXPECT_EQ(gl.calls[3].args, (std::vector<double>{45.0, 1.5, 0.01, 100.0}));
    EXPECT_EQ(gl.calls[4].args[0], gl::kModelview);
    EXPECT_EQ(gl.calls[6].args, (std::vector<double>{0.5, 0, -5}));
}

TEST(ViewSetup, PanelTooSmallForAViewportChangesNothing) {
    TSceneState scene;
    for (auto [w, h] : {std::pair{0, 0}, {0, 100}, {100, 0}, {2, 100}, {100, 2}, {-5, 40}}) {
        RecordingGl gl;
        EXPECT_FALSE(applyProjection(gl, w, h, scene)) << w << "x" << h;
        EXPECT_TRUE(gl.calls.empty());
    }
    RecordingGl gl;
    EXPECT_EQ(applyProjection(gl, 3, 3, scene), (Viewport{0, 0, 1, 1}));
}

}  // namespace
}  // namespace tv
