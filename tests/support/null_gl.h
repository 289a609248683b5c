// A GL layer for frames that are run, not looked at: it draws nothing and keeps nothing
// but a count of the vertices and a sum of the values, and makes no call of its own that
// allocates or evaluates a sine or cosine, so that tests can count what the render pass
// does and benchmarks can time it without OpenGL.
#pragma once

#include <cstdint>

#include "view3d/gl_layer.h"
#include "view3d/scene_state.h"

namespace tv::test {

class NullGl {
  public:
    int vertices = 0;
    double sum = 0.0;  // of every vertex, normal and angle, so that none is optimised away

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
    void rotated(double angle, double, double, double) { sum += angle; }
    void perspective(double, double, double, double) {}
    void enable(GlEnum) {}
    void disable(GlEnum) {}
    void shadeModel(GlEnum) {}
    void blendFunc(GlEnum, GlEnum) {}
    void begin(GlEnum) {}
    void end() {}
    void color3f(float, float, float) {}
    void color4d(double, double, double, double) {}
    void vertex3f(float x, float y, float z) {
        ++vertices;
        sum += x + y + z;
    }
    void vertex3d(double x, double y, double z) {
        ++vertices;
        sum += x + y + z;
    }
    void normal3d(double x, double y, double z) { sum += x + y + z; }
    void materialfv(GlEnum, GlEnum, const float*) {}
    void lightfv(GlEnum, GlEnum, const float*) {}
    void lightModelfv(GlEnum, const float*) {}
    // Lists are numbered but hold nothing: a frame that calls them draws nothing here.
    uint32_t genLists(int range) {
        const uint32_t first = next_list_;
        next_list_ += static_cast<uint32_t>(range);
        return first;
    }
    void newList(uint32_t, GlEnum) {}
    void endList() {}
    void callList(uint32_t) { ++lists_called; }
    void deleteLists(uint32_t, int) {}

    long lists_called = 0;

  private:
    uint32_t next_list_ = 1;
};

static_assert(GlListLayer<NullGl>);

}  // namespace tv::test
