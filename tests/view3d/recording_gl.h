// A GL layer that records every call with its arguments and keeps the model-view and
// projection matrix stacks as OpenGL would, so that glGetDoublev returns the real product
// and a test can ask which matrix was current when a call was made.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "view3d/gl_layer.h"
#include "view3d/scene_state.h"

namespace tv::test {

struct GlCall {
    std::string name;
    std::vector<double> args;
    Matrix4 modelview;  // the model-view matrix when the call was made
};

// Column-major 4x4 helpers, written out independently of the recorder's own.
Matrix4 multiply(const Matrix4& a, const Matrix4& b);
Matrix4 translation(double x, double y, double z);
Matrix4 rotationX(double degrees);
Matrix4 rotationY(double degrees);
Matrix4 rotationZ(double degrees);

class RecordingGl {
  public:
    // What OpenGL executes. Display lists are kept as OpenGL keeps them: the calls made
    // while a list is compiled go into the list, not here, and calling a list adds its
    // calls here as if they were made then.
    std::vector<GlCall> calls;
    // The list operations themselves (genLists, newList, endList, callList, deleteLists).
    std::vector<GlCall> list_calls;

    RecordingGl();

    // Names of all calls, in order, and the calls of one name.
    std::vector<std::string> names() const;
    std::vector<GlCall> named(std::string_view name) const;
    // Index of the first call named `name` at or after `from`; -1 when there is none.
    int find(std::string_view name, int from = 0) const;
    const Matrix4& modelview() const { return modelview_.back(); }
    const Matrix4& projection() const { return projection_.back(); }

    void clearColor(float r, float g, float b, float a) { record("clearColor", {r, g, b, a}); }
    void clear(GlEnum mask) { record("clear", {double(mask)}); }
    void clearDepth(double depth) { record("clearDepth", {depth}); }
    void depthFunc(GlEnum func) { record("depthFunc", {double(func)}); }
    void hint(GlEnum target, GlEnum mode) { record("hint", {double(target), double(mode)}); }
    void viewport(int x, int y, int w, int h) {
        record("viewport", {double(x), double(y), double(w), double(h)});
    }
    void matrixMode(GlEnum mode);
    void loadIdentity();
    void loadMatrixd(const double* m);
    void multMatrixd(const double* m);
    void getModelviewMatrix(double* out);
    void pushMatrix();
    void popMatrix();
    void translatef(float x, float y, float z);
    void rotated(double angle, double x, double y, double z);
    void perspective(double fovy, double aspect, double z_near, double z_far);
    void enable(GlEnum cap) { record("enable", {double(cap)}); }
    void disable(GlEnum cap) { record("disable", {double(cap)}); }
    void shadeModel(GlEnum mode) { record("shadeModel", {double(mode)}); }
    void blendFunc(GlEnum s, GlEnum d) { record("blendFunc", {double(s), double(d)}); }
    void begin(GlEnum mode) { record("begin", {double(mode)}); }
    void end() { record("end", {}); }
    void color3f(float r, float g, float b) { record("color3f", {r, g, b}); }
    void color4d(double r, double g, double b, double a) { record("color4d", {r, g, b, a}); }
    void vertex3f(float x, float y, float z) { record("vertex3f", {x, y, z}); }
    void vertex3d(double x, double y, double z) { record("vertex3d", {x, y, z}); }
    void normal3d(double x, double y, double z) { record("normal3d", {x, y, z}); }
    void materialfv(GlEnum face, GlEnum name, const float* v);
    void lightfv(GlEnum light, GlEnum name, const float* v);
    void lightModelfv(GlEnum name, const float* v);
    uint32_t genLists(int range);
    void newList(uint32_t list, GlEnum mode);
    void endList();
    void callList(uint32_t list);
    void deleteLists(uint32_t list, int range);

    // How many list operations named `name` were made; the lists that exist.
    int listCalls(std::string_view name) const;
    int listsHeld() const { return static_cast<int>(lists_.size()); }

  private:
    void record(std::string name, std::vector<double> args);
    std::vector<Matrix4>& stack();
    void multiplyTop(const Matrix4& m);

    GlEnum mode_;
    std::vector<Matrix4> modelview_;
    std::vector<Matrix4> projection_;
    std::map<uint32_t, std::vector<GlCall>> lists_;
    uint32_t next_list_ = 1;
    uint32_t compiling_ = 0;
};

static_assert(GlListLayer<RecordingGl>);

}  // namespace tv::test
