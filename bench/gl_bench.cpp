// The render pass into real OpenGL, in immediate mode and from its display lists, next to
// raw loops that send the same normals and vertices, computed beforehand, with the same
// OpenGL state to the same framebuffer, in immediate mode or compiled once into display
// lists in as many parts as the render pass uses; and the surface builder alone.
// BM_FrameBudget runs them in turn, frame by frame, so that the ratios hold on a machine
// whose speed drifts.
#include "gl_bench.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "bench_gl_context.h"
#include "bench_profile.h"
#include "bench_scene.h"
#include "raw_reference.h"
#include "view3d/opengl_layer.h"
#include "view3d/view_setup.h"

namespace tv::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Projection, material, light and lighting state of a smooth frame, left in place for the
// raw loops, which draw with exactly this state.
void setUpLitFrame(OpenGlLayer& gl, DefaultScene& lit) {
    setUpViewContext(gl);
    applyProjection(gl, kPanelWidth, kPanelHeight, lit.scene);
    renderFrame(gl, lit.inputs());
    glFinish();
}

void clearFrame(const DefaultScene& lit) {
    const Rgba& bg = lit.scene.background_rgba;
    glClearColor(bg[0], bg[1], bg[2], bg[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

double vertexCount(const DefaultScene& lit) {
    return 2.0 * (lit.profile->pointCount() - 1) * (lit.controls.segments + 1);
}

void reportVertices(benchmark::State& state, const DefaultScene& lit) {
    state.counters["vertices/s"] =
        benchmark::Counter(vertexCount(lit), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SmoothFrame(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    for (auto _ : state) {
        renderFrame(gl, lit.inputs());
        glFinish();
    }
    reportVertices(state, lit);
}

void BM_StripsIntoOpenGl(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    SurfaceFrame& frame = frameWorkspace();
    GlSink sink(gl);
    for (auto _ : state) {
        clearFrame(lit);
        frame.prepare(*lit.profile, Axis::Y, lit.scene.zoom_factor, lit.controls.segments);
        emitStrips(frame, sink, true);
        glFinish();
    }
    reportVertices(state, lit);
}

void BM_RawOpenGlReference(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    StreamReference stream;
    stream.build(frameWorkspace());
    for (auto _ : state) {
        clearFrame(lit);
        stream.draw();
        glFinish();
    }
    reportVertices(state, lit);
    state.counters["MB"] = static_cast<double>(stream.bytes()) / 1e6;
}

void BM_RawOpenGlEdges(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    EdgeReference edges;
    {
        StreamReference stream;
        stream.build(frameWorkspace());
        edges.build(stream);
    }
    for (auto _ : state) {
        clearFrame(lit);
        edges.draw();
        glFinish();
    }
    reportVertices(state, lit);
    state.counters["MB"] = static_cast<double>(edges.bytes()) / 1e6;
}

void BM_DisplayListReference(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    ListReference lists;
    {
        StreamReference stream;
        stream.build(frameWorkspace());
        lists.build(stream, kListParts);
    }
    for (auto _ : state) {
        clearFrame(lit);
        lists.draw();
        glFinish();
    }
    reportVertices(state, lit);
    state.counters["compile_ms"] = 1e3 * lists.compileSeconds();
    state.counters["held_MB"] = static_cast<double>(lists.heldBytes()) / 1e6;
}

// Renders frames with `retained` until every list is compiled; the growth of the resident
// memory meanwhile is what the lists hold.
long completeLists(OpenGlLayer& gl, DefaultScene& lit, RetainedSurface& retained) {
    glFinish();
    const long before = residentBytes();
    for (int n = 0; n <= kListParts; ++n) {
        renderFrame(gl, lit.inputs(), frameWorkspace(), retained);
    }
    glFinish();
    return residentBytes() - before;
}

void BM_SmoothFrameWithLists(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    const auto retained = std::make_unique<RetainedSurface>();
    const long held = completeLists(gl, lit, *retained);
    for (auto _ : state) {
        renderFrame(gl, lit.inputs(), frameWorkspace(), *retained);
        glFinish();
    }
    reportVertices(state, lit);
    state.counters["held_MB"] = static_cast<double>(held) / 1e6;
    retained->release(gl);
}

template <class Fn>
double secondsOf(Fn&& fn) {
    const Clock::time_point start = Clock::now();
    fn();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : 0.5 * (values[mid - 1] + values[mid]);
}

// Each iteration draws one frame of each kind, in an order that turns round every
// iteration, and times each. The counters are medians over the iterations: the time of each
// kind in milliseconds, and the ratios taken pair by pair within an iteration.
void BM_FrameBudget(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    OpenGlLayer gl;
    setUpLitFrame(gl, lit);
    StreamReference stream;
    stream.build(frameWorkspace());
    EdgeReference edges;
    edges.build(stream);
    ListReference lists;
    lists.build(stream, kListParts);
    // One set of lists that stays complete, one whose geometry changes before every frame
    // (the zoom, by a part in 10^12 and back, turn about).
    const auto steady = std::make_unique<RetainedSurface>();
    const long held = completeLists(gl, lit, *steady);
    const auto changing = std::make_unique<RetainedSurface>();
    const double zoom = lit.scene.zoom_factor;
    bool nudged = false;

    enum Kind { kFrame, kStream, kEdges, kLists, kListFrame, kChangedFrame, kBuilder, kKinds };
    const auto run = [&](int kind) {
        switch (kind) {
            case kFrame:
                return secondsOf([&] {
                    renderFrame(gl, lit.inputs());
                    glFinish();
                });
            case kStream:
                return secondsOf([&] {
                    clearFrame(lit);
                    stream.draw();
                    glFinish();
                });
            case kEdges:
                return secondsOf([&] {
                    clearFrame(lit);
                    edges.draw();
                    glFinish();
                });
            case kLists:
                return secondsOf([&] {
                    clearFrame(lit);
                    lists.draw();
                    glFinish();
                });
            case kListFrame:
                return secondsOf([&] {
                    renderFrame(gl, lit.inputs(), frameWorkspace(), *steady);
                    glFinish();
                });
            case kChangedFrame: {
                nudged = !nudged;
                lit.scene.zoom_factor = nudged ? zoom * (1.0 + 1e-12) : zoom;
                const double seconds = secondsOf([&] {
                    renderFrame(gl, lit.inputs(), frameWorkspace(), *changing);
                    glFinish();
                });
                lit.scene.zoom_factor = zoom;
                return seconds;
            }
            default:
                return secondsOf([&] {
                    NullSink sink;
                    SurfaceFrame& frame = frameWorkspace();
                    frame.prepare(*lit.profile, Axis::Y, lit.scene.zoom_factor,
                                  lit.controls.segments);
                    emitStrips(frame, sink, true);
                    benchmark::DoNotOptimize(sink.sum());
                });
        }
    };

    std::vector<double> seconds[kKinds];
    std::vector<double> frame_over_stream;
    std::vector<double> frame_over_edges;
    std::vector<double> edges_over_builder;
    std::vector<double> lists_over_stream;
    std::vector<double> list_frame_over_lists;
    std::vector<double> changed_over_frame;
    int turn = 0;
    for (auto _ : state) {
        double t[kKinds];
        for (int i = 0; i < kKinds; ++i) {
            const int kind = (i + turn) % kKinds;
            t[kind] = run(kind);
        }
        turn = (turn + 1) % kKinds;
        for (int kind = 0; kind < kKinds; ++kind) {
            seconds[kind].push_back(t[kind]);
        }
        frame_over_stream.push_back(t[kFrame] / t[kStream]);
        frame_over_edges.push_back(t[kFrame] / t[kEdges]);
        edges_over_builder.push_back(t[kEdges] / t[kBuilder]);
        lists_over_stream.push_back(t[kLists] / t[kStream]);
        list_frame_over_lists.push_back(t[kListFrame] / t[kLists]);
        changed_over_frame.push_back(t[kChangedFrame] / t[kFrame]);
        state.SetIterationTime(t[kFrame]);
    }
    state.counters["frame_ms"] = 1e3 * median(seconds[kFrame]);
    state.counters["stream_ms"] = 1e3 * median(seconds[kStream]);
    state.counters["edges_ms"] = 1e3 * median(seconds[kEdges]);
    state.counters["lists_ms"] = 1e3 * median(seconds[kLists]);
    state.counters["list_frame_ms"] = 1e3 * median(seconds[kListFrame]);
    state.counters["changed_ms"] = 1e3 * median(seconds[kChangedFrame]);
    state.counters["builder_ms"] = 1e3 * median(seconds[kBuilder]);
    state.counters["frame/stream"] = median(frame_over_stream);
    state.counters["frame/edges"] = median(frame_over_edges);
    state.counters["edges/builder"] = median(edges_over_builder);
    state.counters["lists/stream"] = median(lists_over_stream);
    state.counters["lists_compile_ms"] = 1e3 * lists.compileSeconds();
    state.counters["lists_held_MB"] = static_cast<double>(lists.heldBytes()) / 1e6;
    state.counters["list_frame/lists"] = median(list_frame_over_lists);
    state.counters["changed/frame"] = median(changed_over_frame);
    state.counters["frame_lists_held_MB"] = static_cast<double>(held) / 1e6;
    steady->release(gl);
    changing->release(gl);
}

// OpenGL work runs partly in the driver's own threads: time it by the wall clock.
void withSizes(benchmark::internal::Benchmark* b) {
    b->UseRealTime()
        ->MinTime(2.0)
        ->ArgNames({"points", "segments"})
        ->Args({kLargestDocumentPoints, 999})
        ->Args({50, 7})
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerOpenGlBenchmarks() {
    benchmark::RegisterBenchmark("BM_SmoothFrame", BM_SmoothFrame)->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_StripsIntoOpenGl", BM_StripsIntoOpenGl)->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_RawOpenGlReference", BM_RawOpenGlReference)->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_RawOpenGlEdges", BM_RawOpenGlEdges)->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_SmoothFrameWithLists", BM_SmoothFrameWithLists)
        ->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_DisplayListReference", BM_DisplayListReference)
        ->Apply(withSizes);
    benchmark::RegisterBenchmark("BM_FrameBudget", BM_FrameBudget)
        ->UseManualTime()
        ->Iterations(15)
        ->ArgNames({"points", "segments"})
        ->Args({kLargestDocumentPoints, 999})
        ->Unit(benchmark::kMillisecond);
}

}  // namespace tv::bench
