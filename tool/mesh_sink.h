// A surface sink that turns the quad strips of the surface builder into triangles for a
// mesh file. Each quadrilateral becomes two triangles; a triangle of zero area is left
// out. Every vertex keeps the normal the lit display modes give it, and each triangle is
// wound counter-clockwise as seen from the side those normals point to, with its unit
// facet normal. Only the last two vertex pairs of a strip are held, so a mesh of any size
// streams straight to its writer.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "view3d/gl_layer.h"

namespace tv::tool {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// A vertex as the mesh writer numbers it: 0 for the first vertex of the file.
struct MeshVertex {
    Vec3 position;
    Vec3 normal;
    uint64_t index = 0;
};

// What a mesh writer provides: each vertex once, in order, then the triangles that use it.
template <class Writer>
concept MeshWriter = requires(Writer& w, const MeshVertex& v, const Vec3& n) {
    w.vertex(v);
    w.triangle(v, v, v, n);
};

template <MeshWriter Writer>
class MeshSink {
  public:
    explicit MeshSink(Writer& writer) : writer_(writer) {}

    void begin(GlEnum mode) {
        in_strip_ = mode == gl::kQuadStrip;
        strip_vertices_ = 0;
    }
    void end() { in_strip_ = false; }
    void normal(double x, double y, double z) { normal_ = {x, y, z}; }
    void color(float, float, float) {}

    // A quad strip sends the vertices of meridian o as a pair (point k - 1, point k); the
    // quadrilateral between two meridians is a0, a1, b1, b0 around its edge.
    void vertex(double x, double y, double z) {
        if (!in_strip_) {
            return;
        }
        MeshVertex& v = slots_[strip_vertices_ % 4];
        v = {{x, y, z}, normal_, vertex_count_++};
        writer_.vertex(v);
        ++strip_vertices_;
        if (strip_vertices_ >= 4 && strip_vertices_ % 2 == 0) {
            const int b1 = (strip_vertices_ - 1) % 4;
            const int b0 = (strip_vertices_ - 2) % 4;
            const int a1 = (strip_vertices_ - 3) % 4;
            const int a0 = (strip_vertices_ - 4) % 4;
            triangle(slots_[a0], slots_[a1], slots_[b1]);
            triangle(slots_[a0], slots_[b1], slots_[b0]);
        }
    }

    uint64_t triangleCount() const { return triangle_count_; }

  private:
    void triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
        Vec3 n = cross(b.position - a.position, c.position - a.position);
        const double length = std::sqrt(dot(n, n));
        if (!(length > 0.0)) {
            return;
        }
        n = {n.x / length, n.y / length, n.z / length};
        ++triangle_count_;
        if (dot(n, a.normal + b.normal + c.normal) < 0.0) {
            writer_.triangle(a, c, b, Vec3{-n.x, -n.y, -n.z});
        } else {
            writer_.triangle(a, b, c, n);
        }
    }

    Writer& writer_;
    bool in_strip_ = false;
    int strip_vertices_ = 0;
    Vec3 normal_;
    std::array<MeshVertex, 4> slots_{};
    uint64_t vertex_count_ = 0;
    uint64_t triangle_count_ = 0;
};

}  // namespace tv::tool
