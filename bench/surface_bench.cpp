// The surface builder alone: a frame's preparation and the strips with normals (the lit
// modes' geometry) or the wire frame into a sink that does nothing; and a whole smooth
// frame of the render pass into a GL layer that draws nothing.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_profile.h"
#include "bench_scene.h"
#include "support/null_gl.h"
#include "view3d/surface_builder.h"

namespace tv::bench {
namespace {

void withSizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"points", "segments"})
        ->Args({kLargestDocumentPoints, 999})
        ->Args({50, 7})
        ->Unit(benchmark::kMillisecond);
}

// Prepares the wavy profile's frame and emits it into a null sink, once an iteration.
template <typename Emit>
void runIntoNullSink(benchmark::State& state, Emit emit) {
    auto profile = std::make_unique<ProfileModel>();
    fillWavyProfile(*profile, static_cast<int>(state.range(0)));
    const int segments = static_cast<int>(state.range(1));
    SurfaceFrame& frame = frameWorkspace();
    for (auto _ : state) {
        NullSink sink;
        frame.prepare(*profile, Axis::Y, 1.0, segments);
        emit(frame, sink);
        benchmark::DoNotOptimize(sink.sum());
    }
}

void BM_StripsIntoNullSink(benchmark::State& state) {
    runIntoNullSink(state,
                    [](SurfaceFrame& frame, NullSink& sink) { emitStrips(frame, sink, true); });
    const double vertices = 2.0 * (state.range(0) - 1) * (state.range(1) + 1);
    state.counters["vertices/s"] =
        benchmark::Counter(vertices, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_StripsIntoNullSink)->Apply(withSizes);

void BM_WireFrameIntoNullSink(benchmark::State& state) {
    runIntoNullSink(state, [](SurfaceFrame& frame, NullSink& sink) { emitWireFrame(frame, sink); });
}
BENCHMARK(BM_WireFrameIntoNullSink)->Apply(withSizes);

void BM_SmoothFrameIntoNullGl(benchmark::State& state) {
    DefaultScene lit(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    test::NullGl gl;
    for (auto _ : state) {
        renderFrame(gl, lit.inputs());
    }
    benchmark::DoNotOptimize(gl.sum);
}
BENCHMARK(BM_SmoothFrameIntoNullGl)->Apply(withSizes);

}  // namespace
}  // namespace tv::bench
