// The surface builder into real OpenGL, next to a raw loop that sends the same normals and
// vertices, computed beforehand, straight to OpenGL; and one whole lit frame.
#include "gl_bench.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench_gl_context.h"
#include "bench_profile.h"
#include "view3d/opengl_layer.h"
#include "view3d/render_pass.h"
#include "view3d/view_setup.h"

namespace tv::bench {
namespace {

// A lit, smooth-shaded scene with one directional light, as the editor starts with.
struct LitScene {
    TSceneState scene;
    std::unique_ptr<ProfileModel> profile = std::make_unique<ProfileModel>();
    FrameCounters counters;

    LitScene(int points, int segments)
        : controls{Axis::Y, kDisplaySmooth, false, false, segments, 0xFF8000} {
        fillWavyProfile(*profile, points);
        scene.background_rgba = {0, 0, 0, 1};
        scene.global_ambient = colorToRgba(0x808080);
        scene.light_on[0] = true;
        scene.light_position[0] = {-1, 1, 1, 0};
        scene.light_diffuse[0] = colorToRgba(0xCCCCCC);
        scene.light_ambient[0] = colorToRgba(0x333333);
        scene.light_specular[0] = colorToRgba(0xFFFFFF);
        scene.spot_cutoff.fill(kNoSpotCutoff);
        scene.spot_direction.fill({0, 0, -1});
        scene.opacity = 1.0f;
        scene.material_diffuse = colorToRgba(0xFF8000);
        scene.material_ambient = colorToRgba(0x505050);
        scene.material_specular = colorToRgba(0x000000);
        scene.material_shininess = 100.0f;
        counters.fps_average = 60;
    }
    RenderInputs inputs() { return {scene, *profile, counters, controls}; }

    ViewControls controls;
};

// Projection, material, light and lighting state of a smooth frame, left in place.
void setUpLitFrame(OpenGlLayer& gl, LitScene& lit) {
    setUpViewContext(gl);
    applyProjection(gl, kPanelWidth, kPanelHeight, lit.scene);
    renderFrame(gl, lit.inputs());
    glFinish();
}

void reportVertices(benchmark::State& state, const ProfileModel& profile, int segments) {
    const double vertices = 2.0 * (profile.point_count - 1) * (segments + 1);
    state.counters["vertices/s"] =
        benchmark::Counter(vertices, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_StripsIntoOpenGl(benchmark::State& state) {
    const int segments = static_cast<int>(state.range(1));
    LitScene lit(static_cast<int>(state.range(0)), segments);
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    SurfaceFrame& frame = frameWorkspace();
    GlSink sink(gl);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        frame.prepare(*lit.profile, Axis::Y, 1.0, segments);
        emitStrips(frame, sink, true);
        glFinish();
    }
    reportVertices(state, *lit.profile, segments);
}

// Keeps the strips' normals and vertices, six doubles a vertex, and each strip's length.
class StreamSink {
  public:
    std::vector<double> values;
    std::vector<int> strip_lengths;

    void begin(GlEnum) { strip_lengths.push_back(0); }
    void end() {}
    void normal(double x, double y, double z) { values.insert(values.end(), {x, y, z}); }
    void vertex(double x, double y, double z) {
        values.insert(values.end(), {x, y, z});
        ++strip_lengths.back();
    }
    void color(float, float, float) {}
};

void BM_RawOpenGlReference(benchmark::State& state) {
    const int segments = static_cast<int>(state.range(1));
    LitScene lit(static_cast<int>(state.range(0)), segments);
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    StreamSink stream;
    SurfaceFrame& frame = frameWorkspace();
    frame.prepare(*lit.profile, Axis::Y, 1.0, segments);
    emitStrips(frame, stream, true);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const double* v = stream.values.data();
        for (int length : stream.strip_lengths) {
            glBegin(GL_QUAD_STRIP);
            for (int i = 0; i < length; ++i, v += 6) {
                glNormal3d(v[0], v[1], v[2]);
                glVertex3d(v[3], v[4], v[5]);
            }
            glEnd();
        }
        glFinish();
    }
    reportVertices(state, *lit.profile, segments);
}

void BM_SmoothFrame(benchmark::State& state) {
    const int segments = static_cast<int>(state.range(1));
    LitScene lit(static_cast<int>(state.range(0)), segments);
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    lit.scene.rotate_speed_y = 1.0f;
    for (auto _ : state) {
        renderFrame(gl, lit.inputs());
        glFinish();
    }
    reportVertices(state, *lit.profile, segments);
}

// OpenGL work runs partly in the driver's own threads: time it by the wall clock.
void withSizes(benchmark::internal::Benchmark* b) {
    b->UseRealTime()
        ->MinTime(2.0)
        ->ArgNames({"points", "segments"})
        ->Args({4096, 999})
        ->Args({50, 7})
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerOpenGlBenchmarks() {
    benchmark::RegisterBenchmark("BM_StripsIntoOpenGl", BM_StripsIntoOpenGl)->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_RawOpenGlReference", BM_RawOpenGlReference)->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_SmoothFrame", BM_SmoothFrame)->Apply(withSizes);
}

}  // namespace tv::bench
