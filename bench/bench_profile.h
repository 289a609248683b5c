// The profiles the benchmarks draw, and the sinks they draw into.
#pragma once

#include "profile/profile_model.h"
#include "view3d/gl_layer.h"

namespace tv::bench {

// One stroke of `count` points winding up the drawing area at radius 0.5..1.5 about Y.
void fillWavyProfile(ProfileModel& profile, int count);

// The drawing surface of the canvas benchmark.
inline constexpr int kCanvasWidth = 1200;
inline constexpr int kCanvasHeight = 1000;

// Profiles of kMaxPoints points for the canvas, laid out on a surface of `size`:
enum class CanvasProfileKind {
    kWavy,       // the wavy stroke above: neighbours mostly a pixel or less apart
    kWalk,       // a random walk of 16-pixel steps, as a long drawing session gives
    kScattered,  // points anywhere in the area: long segments crossing it (the worst case)
};
void fillCanvasProfile(ProfileModel& profile, CanvasProfileKind kind, SurfaceSize size);

// Takes every call and keeps only a sum, so that the compiler cannot drop the work.
class NullSink {
  public:
    void begin(GlEnum) {}
    void end() {}
    void normal(double x, double y, double z) { sum_ += x + y + z; }
    void vertex(double x, double y, double z) { sum_ += x + y + z; }
    void color(float, float, float) {}
    double sum() const { return sum_; }

  private:
    double sum_ = 0.0;
};

}  // namespace tv::bench
