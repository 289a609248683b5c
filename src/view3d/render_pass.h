// One frame of the 3D view: clear, advance the object's rotation, draw the axes, the
// normal lines and the object in its display mode with the material and the three lights.
// Written against a GL layer (gl_layer.h); presenting the frame is the caller's job.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "profile/profile_model.h"
#include "view3d/frame_counters.h"
#include "view3d/gl_layer.h"
#include "view3d/retained_surface.h"
#include "view3d/scene_controls.h"
#include "view3d/scene_state.h"
#include "view3d/surface_builder.h"
#include "view3d/surface_frame.h"

namespace tv {

// Items of the display-mode list; any other value (-1: nothing selected) draws no object.
enum DisplayMode : int {
    kDisplayWireFrame = 0,
    kDisplaySolid = 1,
    kDisplayFlat = 2,
    kDisplaySmooth = 3,
};

// The settings the renderer reads from the main window's controls on every frame.
struct ViewControls {
    Axis axis = Axis::Y;                     // g_y down: about Y
    int display_mode = kDefaultDisplayMode;  // list_tip's item index, -1 when none
    bool show_axes = false;                  // g_tengely down
    bool show_normals = false;               // g_norm down
    int segments = kDefaultSegments;         // szog as typed (a non-integer text counts as 3)
    uint32_t object_color = defaultColor(kColorObject);  // the colour shown on g_obj, 0x00BBGGRR
};

struct RenderInputs {
    TSceneState& scene;
    const ProfileModel& profile;
    FrameCounters& counters;
    ViewControls controls;
};

// OpenGL's light of light 0, 1, 2.
inline constexpr std::array<GlEnum, kLightCount> kLightIds = {gl::kLight0, gl::kLight1,
                                                              gl::kLight2};

inline constexpr LineEndColors kNormalLineColors = {{0.5f, 0.5f, 0.0f}, {1.0f, 1.0f, 0.0f}};

// Degrees per second turned at a rotation speed of 1.
inline constexpr double kDegreesPerSpeed = 85.0;

namespace render_detail {

inline bool allFinite(const Matrix4& m) {
    for (double v : m) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// R_new = R_old * Rx * Ry * Rz with this frame's angles; the one-shot steps are consumed.
// Leaves the model-view matrix at T * R_new.
template <GlLayer Gl>
void advanceRotation(Gl& gl, TSceneState& scene, const FrameCounters& counters) {
    gl.pushMatrix();
    gl.loadMatrixd(scene.rotation_matrix.data());
    // Until the timer has measured a rate, the frames counted so far stand in for it.
    const double rate =
        counters.fps_average >= 1.0 ? counters.fps_average : std::max(counters.frame_count, 1);
    const double per_frame = kDegreesPerSpeed / rate;
    gl.rotated(per_frame * scene.rotate_speed_x + scene.rotate_step_x, 1.0, 0.0, 0.0);
    gl.rotated(per_frame * scene.rotate_speed_y + scene.rotate_step_y, 0.0, 1.0, 0.0);
    gl.rotated(per_frame * scene.rotate_speed_z + scene.rotate_step_z, 0.0, 0.0, 1.0);
    scene.rotate_step_x = 0.0f;
    scene.rotate_step_y = 0.0f;
    scene.rotate_step_z = 0.0f;
    gl.getModelviewMatrix(scene.rotation_matrix.data());
    // A matrix that is not finite would blank the view for good: start again upright.
    if (!allFinite(scene.rotation_matrix)) {
        scene.rotation_matrix = kIdentityMatrix;
    }
    gl.popMatrix();
    gl.multMatrixd(scene.rotation_matrix.data());
}

// Opaque with depth test at opacity 1 exactly; anything else adds up unsorted.
template <GlLayer Gl>
void applyTransparency(Gl& gl, float opacity) {
    if (opacity == 1.0f) {
        gl.enable(gl::kDepthTest);
        gl.disable(gl::kBlend);
    } else {
        gl.blendFunc(gl::kSrcAlpha, gl::kOne);
        gl.enable(gl::kBlend);
        gl.disable(gl::kDepthTest);
    }
}

template <GlLayer Gl>
void drawAxes(Gl& gl) {
    gl.begin(gl::kLines);
    gl.color3f(0.4f, 0.0f, 0.0f);
    gl.vertex3f(-3.0f, 0.0f, 0.0f);
    gl.color3f(1.0f, 0.6f, 0.6f);
    gl.vertex3f(3.0f, 0.0f, 0.0f);
    gl.color3f(0.0f, 0.4f, 0.0f);
    gl.vertex3f(0.0f, -3.0f, 0.0f);
    gl.color3f(0.6f, 1.0f, 0.6f);
    gl.vertex3f(0.0f, 3.0f, 0.0f);
    gl.color3f(0.0f, 0.0f, 0.8f);
    gl.vertex3f(0.0f, 0.0f, -3.0f);
    gl.color3f(0.6f, 0.6f, 1.0f);
    gl.vertex3f(0.0f, 0.0f, 3.0f);
    gl.end();
}

// The light's indicator at its zoomed position p: a line 100 units long from the
// direction of a directional light, or a cross of half-size h around a positioned one,
// with a line along the spot direction for a spotlight.
template <GlLayer Gl>
void drawLightIndicator(Gl& gl, const TSceneState& scene, int light, const Rgba& p) {
    const Rgba& color = scene.light_diffuse[light];
    gl.color3f(color[0], color[1], color[2]);
    gl.begin(gl::kLines);
    if (p[3] == 0.0f) {
        const double m = std::sqrt(double{p[0]} * p[0] + double{p[1]} * p[1] + double{p[2]} * p[2]);
        const double f = m == 0.0 ? 0.0 : 100.0 / m;
        gl.vertex3d(f * p[0], f * p[1], f * p[2]);
        gl.vertex3d(0.0, 0.0, 0.0);
    } else {
        const double h = 0.25 * scene.zoom_factor;
        const double x = p[0];
        const double y = p[1];
        const double z = p[2];
        gl.vertex3d(x - h, y, z);
        gl.vertex3d(x + h, y, z);
        gl.vertex3d(x, y - h, z);
        gl.vertex3d(x, y + h, z);
        gl.vertex3d(x, y, z - h);
        gl.vertex3d(x, y, z + h);
        if (isSpotlight(scene.spot_cutoff[light])) {
            const auto& d = scene.spot_direction[light];
            gl.vertex3d(x, y, z);
            gl.vertex3d(x + scene.zoom_factor * d[0], y + scene.zoom_factor * d[1],
                        z + scene.zoom_factor * d[2]);
        }
    }
    gl.end();
}

// A fixed light is given in a space that moves with the object but does not turn with it;
// a rotated one in the current T * R.
template <GlLayer Gl>
void setUpLight(Gl& gl, const TSceneState& scene, int light) {
    const GlEnum id = kLightIds[light];
    const Rgba& position = scene.light_position[light];
    const double zoom = scene.zoom_factor;
    const Rgba p = {static_cast<float>(position[0] * zoom), static_cast<float>(position[1] * zoom),
                    static_cast<float>(position[2] * zoom), position[3]};
    const bool fixed = !scene.light_rotated[light];
    if (fixed) {
        gl.pushMatrix();
        gl.loadIdentity();
        gl.translatef(static_cast<float>(scene.position_x), static_cast<float>(scene.position_y),
                      static_cast<float>(scene.position_z));
    }
    if (scene.light_indicated[light]) {
        drawLightIndicator(gl, scene, light, p);
    }
    gl.lightfv(id, gl::kAmbient, scene.light_ambient[light].data());
    gl.lightfv(id, gl::kDiffuse, scene.light_diffuse[light].data());
    gl.lightfv(id, gl::kSpecular, scene.light_specular[light].data());
    gl.lightfv(id, gl::kPosition, p.data());
    gl.lightfv(id, gl::kSpotCutoff, &scene.spot_cutoff[light]);
    gl.lightfv(id, gl::kSpotDirection, scene.spot_direction[light].data());
    gl.enable(id);
    if (fixed) {
        gl.popMatrix();
    }
}

template <GlLayer Gl, class DrawStrips>
void drawLitObject(Gl& gl, const TSceneState& scene, int mode, DrawStrips&& draw_strips) {
    gl.materialfv(gl::kFrontAndBack, gl::kDiffuse, scene.material_diffuse.data());
    gl.materialfv(gl::kFrontAndBack, gl::kAmbient, scene.material_ambient.data());
    gl.materialfv(gl::kFrontAndBack, gl::kSpecular, scene.material_specular.data());
    gl.materialfv(gl::kFrontAndBack, gl::kShininess, &scene.material_shininess);
    gl.shadeModel(mode == kDisplayFlat ? gl::kFlat : gl::kSmooth);
    gl.lightModelfv(gl::kLightModelAmbient, scene.global_ambient.data());
    for (int light = 0; light < kLightCount; ++light) {
        if (scene.light_on[light]) {
            setUpLight(gl, scene, light);
        } else {
            gl.disable(kLightIds[light]);
        }
    }
    gl.enable(gl::kLighting);
    draw_strips();
}

// How the object is drawn, beyond its state: nothing, the wire frame, the strips without
// or with normals.
enum class ObjectDrawing : int { kNone, kWireFrame, kStrips, kLitStrips };

inline ObjectDrawing objectDrawing(int mode) {
    switch (mode) {
        case kDisplayWireFrame:
            return ObjectDrawing::kWireFrame;
        case kDisplaySolid:
            return ObjectDrawing::kStrips;
        case kDisplayFlat:
        case kDisplaySmooth:
            return ObjectDrawing::kLitStrips;
        default:
            return ObjectDrawing::kNone;
    }
}

template <SurfaceSink Sink>
void emitObject(const SurfaceFrame& frame, Sink& sink, ObjectDrawing drawing) {
    if (drawing == ObjectDrawing::kWireFrame) {
        emitWireFrame(frame, sink);
    } else if (drawing != ObjectDrawing::kNone) {
        emitStrips(frame, sink, drawing == ObjectDrawing::kLitStrips);
    }
}

// The object's colour or material and lights, then its geometry by `draw(drawing)`.
template <GlLayer Gl, class Draw>
void drawObject(Gl& gl, const RenderInputs& in, Draw&& draw) {
    const int mode = in.controls.display_mode;
    const ObjectDrawing drawing = objectDrawing(mode);
    if (drawing == ObjectDrawing::kWireFrame || drawing == ObjectDrawing::kStrips) {
        const Rgba c = colorToRgba(in.controls.object_color);
        gl.color4d(c[0], c[1], c[2], in.scene.opacity);
        draw(drawing);
    } else if (drawing == ObjectDrawing::kLitStrips) {
        drawLitObject(gl, in.scene, mode, [&] { draw(drawing); });
    }
}

// Everything of a frame but the geometry, which `normal_lines()` and `object(drawing)` draw.
template <GlLayer Gl, class NormalLines, class Object>
void drawFrame(Gl& gl, const RenderInputs& in, NormalLines&& normal_lines, Object&& object) {
    TSceneState& scene = in.scene;
    FrameCounters& counters = in.counters;

    counters.no_frame_since_tick = false;
    if (counters.frame_count < std::numeric_limits<int32_t>::max()) {
        ++counters.frame_count;
    }

    const Rgba& bg = scene.background_rgba;
    gl.clearColor(bg[0], bg[1], bg[2], bg[3]);
    gl.clear(gl::kColorBufferBit | gl::kDepthBufferBit);

    gl.loadIdentity();
    gl.translatef(static_cast<float>(scene.position_x), static_cast<float>(scene.position_y),
                  static_cast<float>(scene.position_z));
    advanceRotation(gl, scene, counters);

    gl.disable(gl::kLighting);
    gl.shadeModel(gl::kSmooth);
    applyTransparency(gl, scene.opacity);

    if (in.controls.show_axes) {
        drawAxes(gl);
    }
    if (in.controls.show_normals) {
        normal_lines();
    }
    drawObject(gl, in, object);
}

// A drawing from the retained lists: called whole when they hold the current geometry,
// otherwise drawn part by part while the next part is compiled.
template <GlListLayer Gl, class EmitFn>
void drawRetained(Gl& gl, RetainedDrawing& drawing, int kind, bool geometry_changed, int primitives,
                  EmitFn&& send_primitives) {
    if (geometry_changed || drawing.kind() != kind) {
        drawing.invalidate(kind);
    }
    if (drawing.complete()) {
        drawing.callAll(gl);
    } else {
        drawing.drawAndCompile(gl, primitives, send_primitives);
    }
}

}  // namespace render_detail

// Renders one frame into the current context, whose matrix mode must be the model-view
// matrix, sending every vertex in immediate mode. Counts the frame, consumes the rotation
// steps and updates the rotation matrix. `frame` is the workspace of the surface builder.
template <GlLayer Gl>
void renderFrame(Gl& gl, const RenderInputs& in, SurfaceFrame& frame) {
    using namespace render_detail;
    frame.prepare(in.profile, in.controls.axis, in.scene.zoom_factor, in.controls.segments);
    drawFrame(
        gl, in,
        [&] {
            GlSink sink(gl);
            emitNormalLines(frame, sink, kNormalLineColors);
        },
        [&](ObjectDrawing drawing) {
            GlSink sink(gl);
            emitObject(frame, sink, drawing);
        });
}

// The same frame with the object and the normal lines drawn from the display lists of
// `retained`, which belong to the current context: the same calls reach OpenGL, but while
// the geometry stays the same no vertex is sent. The geometry is built only in a frame in
// which a list is compiled.
template <GlListLayer Gl>
void renderFrame(Gl& gl, const RenderInputs& in, SurfaceFrame& frame, RetainedSurface& retained) {
    using namespace render_detail;
    const ViewControls& controls = in.controls;
    const double zoom = in.scene.zoom_factor;
    const bool changed = !retained.key.matches(in.profile, controls.axis, zoom, controls.segments);
    if (changed) {
        retained.key.take(in.profile, controls.axis, zoom, controls.segments);
    }
    bool prepared = false;
    const auto prepared_frame = [&]() -> const SurfaceFrame& {
        if (!prepared) {
            frame.prepare(in.profile, controls.axis, zoom, controls.segments);
            prepared = true;
        }
        return frame;
    };
    // At most one primitive a segment, two a point in the wire frame.
    const int points = in.profile.pointCount();
    drawFrame(
        gl, in,
        [&] {
            drawRetained(gl, retained.normal_lines, 0, changed, points, [&](auto& sink) {
                emitNormalLines(prepared_frame(), sink, kNormalLineColors);
            });
        },
        [&](ObjectDrawing drawing) {
            const int primitives = drawing == ObjectDrawing::kWireFrame ? 2 * points : points;
            drawRetained(gl, retained.object, static_cast<int>(drawing), changed, primitives,
                         [&](auto& sink) { emitObject(prepared_frame(), sink, drawing); });
        });
    // Lists of a drawing the frame did not show are given back.
    if (!controls.show_normals) {
        retained.normal_lines.release(gl);
    }
    if (objectDrawing(controls.display_mode) == ObjectDrawing::kNone) {
        retained.object.release(gl);
    }
}

// The same with the calling thread's workspace.
template <GlLayer Gl>
void renderFrame(Gl& gl, const RenderInputs& in) {
    renderFrame(gl, in, frameWorkspace());
}

}  // namespace tv
