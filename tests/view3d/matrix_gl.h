// A GL layer for frames that are run, not looked at, which keeps the model-view matrix
// stack as OpenGL would, in fixed storage, and adds up the angles turned about each axis.
#pragma once

#include <array>
#include <cassert>

#include "recording_gl.h"
#include "support/null_gl.h"

namespace tv::test {

// Only the model-view matrix is kept; the render pass never switches the matrix mode.
class MatrixGl : public NullGl {
  public:
    std::array<double, 3> turned{};  // degrees about X, Y and Z, summed over every call

    const Matrix4& modelview() const { return stack_[depth_]; }

    void loadIdentity() { stack_[depth_] = kIdentityMatrix; }
    void loadMatrixd(const double* m) {
        for (int i = 0; i < 16; ++i) {
            stack_[depth_][i] = m[i];
        }
    }
    void multMatrixd(const double* m) {
        Matrix4 b;
        for (int i = 0; i < 16; ++i) {
            b[i] = m[i];
        }
        multiplyTop(b);
    }
    void getModelviewMatrix(double* out) {
        for (int i = 0; i < 16; ++i) {
            out[i] = stack_[depth_][i];
        }
    }
    void pushMatrix() {
        assert(depth_ + 1 < kDepth);
        stack_[depth_ + 1] = stack_[depth_];
        ++depth_;
    }
    void popMatrix() {
        assert(depth_ > 0);
        --depth_;
    }
    void translatef(float x, float y, float z) { multiplyTop(translation(x, y, z)); }
    // The render pass turns about the coordinate axes only.
    void rotated(double angle, double x, double y, double) {
        const int axis = x != 0.0 ? 0 : y != 0.0 ? 1 : 2;
        turned[axis] += angle;
        multiplyTop(axis == 0 ? rotationX(angle) : axis == 1 ? rotationY(angle) : rotationZ(angle));
    }

  private:
    static constexpr int kDepth = 8;

    void multiplyTop(const Matrix4& m) { stack_[depth_] = multiply(stack_[depth_], m); }

    std::array<Matrix4, kDepth> stack_{kIdentityMatrix};
    int depth_ = 0;
};

static_assert(GlLayer<MatrixGl>);

}  // namespace tv::test
