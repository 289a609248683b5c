// The profiles the benchmarks draw, and the sinks they draw into.
#pragma once

#include "profile/profile_model.h"
#include "view3d/gl_layer.h"

namespace tv::bench {

// One stroke of `count` points winding up the drawing area at radius 0.5..1.5 about Y.
void fillWavyProfile(ProfileModel& profile, int count);

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
