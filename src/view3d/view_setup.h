// The OpenGL state of the 3D view that outlives a frame: what a new context gets once,
// and the viewport and perspective projection matched to the panel's size.
#pragma once

#include <optional>

#include "view3d/gl_layer.h"
#include "view3d/scene_state.h"

namespace tv {

struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Viewport&, const Viewport&) = default;
};

// Depth function, clear depth and perspective hint, which hold for the context's life.
template <GlLayer Gl>
void setUpViewContext(Gl& gl) {
    gl.clearDepth(1.0);
    gl.depthFunc(gl::kLequal);
    gl.hint(gl::kPerspectiveCorrectionHint, gl::kNicest);
}

// Reads the identity of a fresh model-view matrix into the object's rotation.
template <GlLayer Gl>
void resetRotationFromContext(Gl& gl, TSceneState& scene) {
    gl.loadIdentity();
    gl.getModelviewMatrix(scene.rotation_matrix.data());
}

// Viewport two pixels smaller than the panel of width x height pixels, a 45 degree
// perspective with the panel's aspect ratio, then the model-view matrix reset to the
// object's translation. A panel too small for a viewport of at least one pixel changes
// nothing and gives no viewport.
template <GlLayer Gl>
std::optional<Viewport> applyProjection(Gl& gl, int width, int height, const TSceneState& scene) {
    if (width <= 2 || height <= 2) {
        return std::nullopt;
    }
    const Viewport viewport{0, 0, width - 2, height - 2};
    gl.viewport(viewport.x, viewport.y, viewport.width, viewport.height);
    gl.matrixMode(gl::kProjection);
    gl.loadIdentity();
    gl.perspective(45.0, static_cast<double>(width) / static_cast<double>(height), 0.01, 100.0);
    gl.matrixMode(gl::kModelview);
    gl.loadIdentity();
    gl.translatef(static_cast<float>(scene.position_x), static_cast<float>(scene.position_y),
                  static_cast<float>(scene.position_z));
    return viewport;
}

}  // namespace tv
