// A full repaint of the profile canvas at the largest profile, grid on at spacing 5, on a
// 1200 x 1000 surface: with the profile unchanged since the last repaint, with its last
// point dragged (what the editor does on every mouse move), and with its first point moved,
// which rasterises every segment again (as after opening a file or resizing the window).
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>

#include "bench_profile.h"
#include "profile/profile_canvas.h"

namespace tv::bench {
namespace {

enum class CanvasChange { kNone, kLastPointDragged, kFirstPointMoved };

void BM_CanvasRepaint(benchmark::State& state) {
    const SurfaceSize size{kCanvasWidth, kCanvasHeight};
    auto profile = std::make_unique<ProfileModel>();
    fillCanvasProfile(*profile, static_cast<CanvasProfileKind>(state.range(0)), size);
    profile->denserGrid();  // 10 to 5
    const auto change = static_cast<CanvasChange>(state.range(1));
    QImage buffer(size.width, size.height, QImage::Format_RGB32);
    ProfileCanvas canvas;
    canvas.paint(buffer, *profile, CanvasOptions{true, Axis::Y});
    const int moved = change == CanvasChange::kFirstPointMoved ? 0 : profile->pointCount() - 1;
    const PixelPos home = profile->point_pixels[moved];
    int step = 0;
    for (auto _ : state) {
        if (change != CanvasChange::kNone) {
            step = (step + 1) % 8;
            profile->point_pixels[moved] = {home.x + step, home.y};
        }
        canvas.paint(buffer, *profile, CanvasOptions{true, Axis::Y});
        benchmark::DoNotOptimize(buffer.constBits());
    }
}

void withProfiles(benchmark::internal::Benchmark* b) {
    b->ArgNames({"profile", "change"})->Unit(benchmark::kMillisecond);
    for (auto kind :
         {CanvasProfileKind::kWavy, CanvasProfileKind::kWalk, CanvasProfileKind::kScattered}) {
        for (auto change : {CanvasChange::kNone, CanvasChange::kLastPointDragged,
                            CanvasChange::kFirstPointMoved}) {
            b->Args({static_cast<int>(kind), static_cast<int>(change)});
        }
    }
}
BENCHMARK(BM_CanvasRepaint)->Apply(withProfiles);

}  // namespace
}  // namespace tv::bench
