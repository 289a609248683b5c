// The solid of revolution as a mesh file holds it: every chain of the profile (see
// profile_chains.h) turned about the axis into one shell, whose coincident vertices are
// one vertex. A point of the chain off the axis becomes a ring of `segments` vertices
// (the seam reuses meridian 0, so the last quadrilateral closes exactly); a point on the
// axis becomes a single vertex. Each quadrilateral between two rings becomes two triangles,
// one where it meets the axis, none for a segment along the axis. Triangles are wound
// counter-clockwise seen from the side of the normals: outward for a closed chain, the
// side drawn for an open one.
//
// Only the layout is stored (a few numbers per profile point); emitSolidMesh() computes
// every vertex and triangle as it hands it on, so a file of any size can be streamed.
#pragma once

#include <concepts>
#include <cstdint>
#include <vector>

#include "profile/profile_model.h"
#include "view3d/mesh_vector.h"
#include "view3d/profile_chains.h"

namespace tv {

// Where the solid goes in the file's coordinates.
struct MeshPlacement {
    // File units per profile unit.
    double scale = 1.0;
    // The view's up direction (its +Y) becomes +Z and the solid stands on z = 0; otherwise
    // the view's own coordinates are kept.
    bool print_orientation = false;
};

struct MeshShell {
    int index = 0;  // counted from 0 among the shells that have triangles
    bool closed = false;
    // The chain's points (profile x, y); a closed shell repeats its first at the end.
    std::vector<TProfilePoint> points;
    // Per segment (from points[i] to points[i + 1]): whether its normal is on the left, and
    // that unit normal in the profile plane.
    std::vector<uint8_t> normal_left;
    std::vector<TProfilePoint> segment_normals;
    // Per point: on the axis (one vertex), and the index of its first vertex (a closed
    // shell's last point has the vertices of its first).
    std::vector<uint8_t> on_axis;
    std::vector<uint32_t> first_vertex;
    uint32_t vertex_count = 0;
    uint32_t normal_count = 0;  // one per segment and meridian
    uint64_t triangle_count = 0;
};

// One corner of a triangle: its position and its indices among the shell's vertices and
// normals, both counted from 0 in the order emitSolidMesh() hands them on.
struct MeshCorner {
    Vec3 position;
    uint32_t vertex = 0;
    uint32_t normal = 0;
};

class SolidMesh {
  public:
    // `segments` is limited to 3..kMaxSegments of the surface builder.
    SolidMesh(const ProfileModel& profile, Axis axis, int segments, const MeshPlacement& placement);

    int segments() const { return segments_; }
    const std::vector<MeshShell>& shells() const { return shells_; }
    uint64_t triangleCount() const { return triangle_count_; }

    // The vertex of shell point p on meridian o, and the normal of segment s there: the
    // exact normal of the surface that segment sweeps.
    Vec3 position(const MeshShell& shell, size_t p, int o) const;
    Vec3 normal(const MeshShell& shell, size_t s, int o) const;

    // The index of point p's vertex on meridian o within its shell.
    static uint32_t vertexIndex(const MeshShell& shell, size_t p, int o) {
        return shell.first_vertex[p] + (shell.on_axis[p] ? 0 : static_cast<uint32_t>(o));
    }

  private:
    Vec3 place(const Vec3& view) const;
    Vec3 turn(const Vec3& view_direction) const;

    Axis axis_;
    int segments_;
    MeshPlacement placement_;
    double lift_ = 0.0;  // the lowest view y of any vertex, for print orientation
    std::vector<double> cos_;
    std::vector<double> sin_;
    std::vector<MeshShell> shells_;
    uint64_t triangle_count_ = 0;
};

namespace mesh_detail {

template <class Sink>
void emitTriangle(Sink& sink, bool reversed, const MeshCorner& a, const MeshCorner& b,
                  const MeshCorner& c) {
    if (reversed) {
        sink.triangle(a, c, b);
    } else {
        sink.triangle(a, b, c);
    }
}

// The triangles between points p - 1 and p, meridian by meridian: a0 b0 b1 and a0 b1 a1,
// which face the right of the running direction; reversed when the normal is on the left.
// Their corners take the segment's normals on the same meridians.
template <class Sink>
void emitStrip(const SolidMesh& mesh, const MeshShell& shell, size_t p, Sink& sink) {
    const size_t pa = p - 1;
    const bool a_on_axis = shell.on_axis[pa];
    const bool b_on_axis = shell.on_axis[p];
    if (a_on_axis && b_on_axis) {
        return;
    }
    const bool reversed = shell.normal_left[pa];
    const int n = mesh.segments();
    const auto corner = [&](size_t point, int o) {
        return MeshCorner{mesh.position(shell, point, o), SolidMesh::vertexIndex(shell, point, o),
                          static_cast<uint32_t>(pa * n + o)};
    };
    MeshCorner a0 = corner(pa, 0);
    MeshCorner b0 = corner(p, 0);
    for (int o = 0; o < n; ++o) {
        const int o1 = o + 1 == n ? 0 : o + 1;
        const MeshCorner a1 = corner(pa, o1);
        const MeshCorner b1 = corner(p, o1);
        if (!b_on_axis) {
            emitTriangle(sink, reversed, a0, b0, b1);
        }
        if (!a_on_axis) {
            emitTriangle(sink, reversed, a0, b1, a1);
        }
        a0 = a1;
        b0 = b1;
    }
}

}  // namespace mesh_detail

// What emitSolidMesh() hands its mesh to. Sink::kWantsVertices and Sink::kWantsNormals say
// whether it takes the shells' vertex and normal lists.
template <class Sink>
concept SolidMeshSink = requires(Sink& sink, const MeshShell& shell, const Vec3& v,
                                 const MeshCorner& c) {
    { Sink::kWantsVertices } -> std::convertible_to<bool>;
    { Sink::kWantsNormals } -> std::convertible_to<bool>;
    sink.beginShell(shell);
    sink.vertex(v);
    sink.normal(v);
    sink.triangle(c, c, c);
    sink.endShell();
};

// For every shell: beginShell, its vertices in index order, its normals in index order,
// its triangles, endShell. After each strip of triangles `progress(triangles so far)` is
// asked whether to go on; false stops the mesh there and is returned.
template <SolidMeshSink Sink, class Progress>
bool emitSolidMesh(const SolidMesh& mesh, Sink& sink, Progress&& progress) {
    uint64_t done = 0;
    const int n = mesh.segments();
    for (const MeshShell& shell : mesh.shells()) {
        sink.beginShell(shell);
        const size_t distinct = shell.points.size() - (shell.closed ? 1 : 0);
        if constexpr (Sink::kWantsVertices) {
            for (size_t p = 0; p < distinct; ++p) {
                for (int o = 0; o < (shell.on_axis[p] ? 1 : n); ++o) {
                    sink.vertex(mesh.position(shell, p, o));
                }
            }
        }
        if constexpr (Sink::kWantsNormals) {
            for (size_t s = 0; s < shell.segment_normals.size(); ++s) {
                for (int o = 0; o < n; ++o) {
                    sink.normal(mesh.normal(shell, s, o));
                }
            }
        }
        for (size_t p = 1; p < shell.points.size(); ++p) {
            mesh_detail::emitStrip(mesh, shell, p, sink);
            done += uint64_t(shell.on_axis[p - 1] ? 0 : n) + uint64_t(shell.on_axis[p] ? 0 : n);
            if (!progress(done)) {
                return false;
            }
        }
        sink.endShell();
    }
    return true;
}

}  // namespace tv
