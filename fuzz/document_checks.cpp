#include "document_checks.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "fuzz_check.h"
#include "objfile/document_scene.h"
#include "objfile/opened_document.h"
#include "profile/profile_model.h"
#include "view3d/scene_controls.h"
#include "view3d/surface_builder.h"
#include "view3d/surface_frame.h"

namespace tv::fuzz {

namespace {

// The solid is built with at most this many angular steps: the emitters treat every
// step alike, and the full 999 steps of a 3834-point profile would make each run slow.
constexpr int kMaxFuzzSegments = 12;

bool within(int32_t value, TrackRange range) {
    return value >= range.min && value <= range.max;
}

template <class Values>
bool allFinite(const Values& values) {
    return std::all_of(values.begin(), values.end(), [](auto v) { return std::isfinite(v); });
}

bool unitColor(const Rgba& rgba) {
    return std::all_of(rgba.begin(), rgba.end(), [](float c) { return c >= 0.0f && c <= 1.0f; });
}

void checkControlRanges(const ObjectDocument& doc) {
    FUZZ_CHECK(within(doc.zoom_position, kZoomRange));
    FUZZ_CHECK(within(doc.move_positions[0], kMoveXYRange));
    FUZZ_CHECK(within(doc.move_positions[1], kMoveXYRange));
    FUZZ_CHECK(within(doc.move_positions[2], kMoveZRange));
    for (const int32_t p : doc.rotate_positions) {
        FUZZ_CHECK(within(p, kRotateRange));
    }
    FUZZ_CHECK(within(doc.transparency_position, kTransparencyRange));
    FUZZ_CHECK(within(doc.shininess_position, kShininessRange));
    FUZZ_CHECK(within(doc.segments, kSegmentsRange));
    FUZZ_CHECK(doc.display_mode <= kLastDisplayMode || doc.display_mode == kNoDisplayMode);
    FUZZ_CHECK(allFinite(doc.rotation_matrix));
    for (const ObjectLight& light : doc.lights) {
        FUZZ_CHECK(allFinite(light.position));
        FUZZ_CHECK(light.position[3] == 0.0f || light.position[3] == 1.0f);
        FUZZ_CHECK(within(light.spot_angle, kSpotAngleRange));
        for (const int32_t step : light.spot_steps) {
            FUZZ_CHECK(within(step, kSpotStepRange));
        }
        FUZZ_CHECK(light.spot_steps != (std::array<int32_t, 3>{0, 0, 0}));
    }
}

void checkDerivedValues(const ObjectDocument& doc) {
    const DerivedValues d = deriveValues(doc);
    FUZZ_CHECK(d.zoom_factor >= zoomFactor(kZoomRange.min) &&
               d.zoom_factor <= zoomFactor(kZoomRange.max));
    FUZZ_CHECK(allFinite(d.position));
    FUZZ_CHECK(allFinite(d.rotate_speed));
    FUZZ_CHECK(d.opacity >= 0.0f && d.opacity <= 1.0f);
    FUZZ_CHECK(d.material_shininess >= materialShininess(kShininessRange.max) &&
               d.material_shininess <= materialShininess(kShininessRange.min));
    for (int l = 0; l < kLightCount; ++l) {
        const float cutoff = d.spot_cutoff[l];
        FUZZ_CHECK(!isSpotlight(cutoff) || (cutoff >= spotCutoff(true, kSpotAngleRange.min) &&
                                            cutoff <= spotCutoff(true, kSpotAngleRange.max)));
        const std::array<float, 3>& dir = d.spot_direction[l];
        FUZZ_CHECK(allFinite(dir));
        const double length =
            std::sqrt(double{dir[0]} * dir[0] + double{dir[1]} * dir[1] + double{dir[2]} * dir[2]);
        FUZZ_CHECK(std::abs(length - 1.0) < 1e-5);
    }

    TSceneState scene;
    applyToSceneState(doc, scene);
    FUZZ_CHECK(unitColor(scene.background_rgba) && unitColor(scene.global_ambient));
    FUZZ_CHECK(unitColor(scene.material_diffuse) && unitColor(scene.material_ambient) &&
               unitColor(scene.material_specular));
    for (int l = 0; l < kLightCount; ++l) {
        FUZZ_CHECK(unitColor(scene.light_diffuse[l]) && unitColor(scene.light_ambient[l]) &&
                   unitColor(scene.light_specular[l]));
    }
}

// Every point of a laid-out profile lies in the square drawing area of its surface.
void checkProfileLayout(ProfileModel& model, Axis axis) {
    for (const SurfaceSize size :
         {SurfaceSize{0, 0}, SurfaceSize{7, 3}, SurfaceSize{640, 480}, SurfaceSize{70000, 90000}}) {
        model.relayout(size, axis);
        const int s = model.canvasSize();
        for (int i = 0; i < model.pointCount(); ++i) {
            const PixelPos p = model.point_pixels[i];
            FUZZ_CHECK(p.x >= 3 && p.x <= 3 + std::max(0, s - 7));
            FUZZ_CHECK(p.y <= size.height - 4 && p.y >= size.height - 4 - std::max(0, s - 4));
        }
    }
}

// A surface sink that lets only finite values through and wants every primitive closed.
class FiniteSink {
  public:
    void begin(GlEnum) {
        FUZZ_CHECK(!open_);
        open_ = true;
    }
    void end() {
        FUZZ_CHECK(open_);
        open_ = false;
    }
    void normal(double x, double y, double z) {
        FUZZ_CHECK(open_ && std::isfinite(x) && std::isfinite(y) && std::isfinite(z));
    }
    void vertex(double x, double y, double z) {
        FUZZ_CHECK(open_ && std::isfinite(x) && std::isfinite(y) && std::isfinite(z));
    }
    void color(float r, float g, float b) {
        FUZZ_CHECK(open_ && std::isfinite(r) && std::isfinite(g) && std::isfinite(b));
    }
    bool open() const { return open_; }

  private:
    bool open_ = false;
};

void checkSolid(const ProfileModel& model, Axis axis, double zoom_factor, int segments) {
    SurfaceFrame& frame = frameWorkspace();
    frame.prepare(model, axis, zoom_factor, std::min(segments, kMaxFuzzSegments));
    FiniteSink sink;
    emitStrips(frame, sink, true);
    emitStrips(frame, sink, false);
    emitWireFrame(frame, sink);
    emitNormalLines(frame, sink, LineEndColors{{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}});
    FUZZ_CHECK(!sink.open());
}

}  // namespace

void checkOpenedDocument(const ObjectDocument& document) {
    checkControlRanges(document);
    checkDerivedValues(document);

    // The profile model is large; one is reused for every input.
    static ProfileModel model;
    const ObjectProfile& profile = document.profile;
    model.replace(profile.count, profile.links.data(), profile.points.data(), !document.continuous);
    FUZZ_CHECK(model.pointCount() == profile.count);
    const Axis axis = document.axis_x ? Axis::X : Axis::Y;
    checkProfileLayout(model, axis);
    checkSolid(model, axis, deriveValues(document).zoom_factor, document.segments);
}

}  // namespace tv::fuzz
