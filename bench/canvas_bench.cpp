// A full repaint of the profile canvas at the largest profile, grid on.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>

#include "bench_profile.h"
#include "profile/profile_canvas.h"

namespace tv::bench {
namespace {

void BM_CanvasRepaint(benchmark::State& state) {
    const SurfaceSize size{kCanvasWidth, kCanvasHeight};
    auto profile = std::make_unique<ProfileModel>();
    fillCanvasProfile(*profile, static_cast<CanvasProfileKind>(state.range(0)), size);
    profile->grid_step = 5;
    QImage buffer(size.width, size.height, QImage::Format_RGB32);
    for (auto _ : state) {
        paintProfileCanvas(buffer, *profile, CanvasOptions{true, Axis::Y});
        benchmark::DoNotOptimize(buffer.constBits());
    }
}
BENCHMARK(BM_CanvasRepaint)
    ->ArgName("profile")
    ->Arg(static_cast<int>(CanvasProfileKind::kWavy))
    ->Arg(static_cast<int>(CanvasProfileKind::kWalk))
    ->Arg(static_cast<int>(CanvasProfileKind::kScattered))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tv::bench
