#include "recording_gl.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tv::test {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Number of values a material or light parameter carries.
int valueCount(GlEnum name) {
    switch (name) {
        case gl::kShininess:
        case gl::kSpotCutoff:
            return 1;
        case gl::kSpotDirection:
            return 3;
        default:
            return 4;
    }
}

std::vector<double> withValues(std::vector<double> head, const float* v, int count) {
    for (int i = 0; i < count; ++i) {
        head.push_back(v[i]);
    }
    return head;
}

}  // namespace

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 out{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int i = 0; i < 4; ++i) {
                sum += a[4 * i + row] * b[4 * column + i];
            }
            out[4 * column + row] = sum;
        }
    }
    return out;
}

Matrix4 translation(double x, double y, double z) {
    Matrix4 m = kIdentityMatrix;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix4 rotationX(double degrees) {
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    return {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
}

Matrix4 rotationY(double degrees) {
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1};
}

Matrix4 rotationZ(double degrees) {
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    return {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

RecordingGl::RecordingGl()
    : mode_(gl::kModelview), modelview_{kIdentityMatrix}, projection_{kIdentityMatrix} {}

std::vector<std::string> RecordingGl::names() const {
    std::vector<std::string> out;
    for (const GlCall& call : calls) {
        out.push_back(call.name);
    }
    return out;
}

std::vector<GlCall> RecordingGl::named(std::string_view name) const {
    std::vector<GlCall> out;
    for (const GlCall& call : calls) {
        if (call.name == name) {
            out.push_back(call);
        }
    }
    return out;
}

int RecordingGl::find(std::string_view name, int from) const {
    for (int i = from; i < static_cast<int>(calls.size()); ++i) {
        if (calls[i].name == name) {
            return i;
        }
    }
    return -1;
}

void RecordingGl::record(std::string name, std::vector<double> args) {
    auto& target = compiling_ != 0 ? lists_[compiling_] : calls;
    target.push_back({std::move(name), std::move(args), modelview()});
}

uint32_t RecordingGl::genLists(int range) {
    list_calls.push_back({"genLists", {double(range)}, modelview()});
    const uint32_t first = next_list_;
    for (int i = 0; i < range; ++i) {
        lists_[next_list_++] = {};
    }
    return first;
}

void RecordingGl::newList(uint32_t list, GlEnum mode) {
    list_calls.push_back({"newList", {double(list), double(mode)}, modelview()});
    lists_[list].clear();
    compiling_ = list;
}

void RecordingGl::endList() {
    list_calls.push_back({"endList", {}, modelview()});
    compiling_ = 0;
}

void RecordingGl::callList(uint32_t list) {
    list_calls.push_back({"callList", {double(list)}, modelview()});
    const auto found = lists_.find(list);
    if (found == lists_.end()) {
        return;
    }
    // The lists hold drawing calls only, which leave the matrices alone.
    for (const GlCall& call : found->second) {
        calls.push_back({call.name, call.args, modelview()});
    }
}

void RecordingGl::deleteLists(uint32_t list, int range) {
    list_calls.push_back({"deleteLists", {double(list), double(range)}, modelview()});
    for (int i = 0; i < range; ++i) {
        lists_.erase(list + static_cast<uint32_t>(i));
    }
}

int RecordingGl::listCalls(std::string_view name) const {
    return static_cast<int>(std::count_if(list_calls.begin(), list_calls.end(),
                                          [&](const GlCall& call) { return call.name == name; }));
}

std::vector<Matrix4>& RecordingGl::stack() {
    return mode_ == gl::kProjection ? projection_ : modelview_;
}

void RecordingGl::multiplyTop(const Matrix4& m) {
    stack().back() = multiply(stack().back(), m);
}

void RecordingGl::matrixMode(GlEnum mode) {
    record("matrixMode", {double(mode)});
    mode_ = mode;
}

void RecordingGl::loadIdentity() {
    record("loadIdentity", {});
    stack().back() = kIdentityMatrix;
}

void RecordingGl::loadMatrixd(const double* m) {
    record("loadMatrixd", std::vector<double>(m, m + 16));
    std::copy(m, m + 16, stack().back().begin());
}

void RecordingGl::multMatrixd(const double* m) {
    record("multMatrixd", std::vector<double>(m, m + 16));
    Matrix4 factor;
    std::copy(m, m + 16, factor.begin());
    multiplyTop(factor);
}

void RecordingGl::getModelviewMatrix(double* out) {
    record("getModelviewMatrix", {});
    std::copy(modelview().begin(), modelview().end(), out);
}

void RecordingGl::pushMatrix() {
    record("pushMatrix", {});
    stack().push_back(stack().back());
}

void RecordingGl::popMatrix() {
    record("popMatrix", {});
    if (stack().size() > 1) {
        stack().pop_back();
    }
}

void RecordingGl::translatef(float x, float y, float z) {
    record("translatef", {x, y, z});
    multiplyTop(translation(x, y, z));
}

// The matrix of glRotate: a turn by `angle` degrees about the normalised axis.
void RecordingGl::rotated(double angle, double x, double y, double z) {
    record("rotated", {angle, x, y, z});
    const double length = std::sqrt(x * x + y * y + z * z);
    x /= length;
    y /= length;
    z /= length;
    const double c = std::cos(radians(angle));
    const double s = std::sin(radians(angle));
    const double t = 1.0 - c;
    multiplyTop({x * x * t + c, y * x * t + z * s, x * z * t - y * s, 0,  //
                 x * y * t - z * s, y * y * t + c, y * z * t + x * s, 0,  //
                 x * z * t + y * s, y * z * t - x * s, z * z * t + c, 0,  //
                 0, 0, 0, 1});
}

void RecordingGl::perspective(double fovy, double aspect, double z_near, double z_far) {
    record("perspective", {fovy, aspect, z_near, z_far});
    const double f = 1.0 / std::tan(radians(fovy) / 2.0);
    const double depth = z_near - z_far;
    multiplyTop({f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (z_far + z_near) / depth, -1, 0, 0,
                 2.0 * z_far * z_near / depth, 0});
}

void RecordingGl::materialfv(GlEnum face, GlEnum name, const float* v) {
    record("materialfv", withValues({double(face), double(name)}, v, valueCount(name)));
}

void RecordingGl::lightfv(GlEnum light, GlEnum name, const float* v) {
    record("lightfv", withValues({double(light), double(name)}, v, valueCount(name)));
}

void RecordingGl::lightModelfv(GlEnum name, const float* v) {
    record("lightModelfv", withValues({double(name)}, v, 4));
}

}  // namespace tv::test
