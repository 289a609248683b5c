// A GL layer that draws nothing: the render pass's own work (geometry, sines and cosines,
// state) without OpenGL. It sums what it is given so that the compiler keeps the work.
#pragma once

#include "view3d/gl_layer.h"
#include "view3d/scene_state.h"

namespace tv::bench {

class NullGl {
  public:
    double sum() const { return sum_; }

    void clearColor(float, float, float, float) {}
    void clear(GlEnum) {}
    void clearDepth(double) {}
    void depthFunc(GlEnum) {}
    void hint(GlEnum, GlEnum) {}
    void viewport(int, int, int, int) {}
    void matrixMode(GlEnum) {}
    void loadIdentity() {}
    void loadMatrixd(const double*) {}
    void multMatrixd(const double*) {}
    void getModelviewMatrix(double* out) {
        for (int i = 0; i < 16; ++i) {
            out[i] = kIdentityMatrix[i];
        }
    }
    void pushMatrix() {}
    void popMatrix() {}
    void translatef(float, float, float) {}
    void rotated(double angle, double, double, double) { sum_ += angle; }
    void perspective(double, double, double, double) {}
    void enable(GlEnum) {}
    void disable(GlEnum) {}
    void shadeModel(GlEnum) {}
    void blendFunc(GlEnum, GlEnum) {}
    void begin(GlEnum) {}
    void end() {}
    void color3f(float, float, float) {}
    void color4d(double, double, double, double) {}
    void vertex3f(float x, float y, float z) { sum_ += x + y + z; }
    void vertex3d(double x, double y, double z) { sum_ += x + y + z; }
    void normal3d(double x, double y, double z) { sum_ += x + y + z; }
    void materialfv(GlEnum, GlEnum, const float*) {}
    void lightfv(GlEnum, GlEnum, const float*) {}
    void lightModelfv(GlEnum, const float*) {}

  private:
    double sum_ = 0.0;
};

static_assert(GlLayer<NullGl>);

}  // namespace tv::bench
