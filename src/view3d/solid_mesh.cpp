#include "view3d/solid_mesh.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "view3d/surface_frame.h"

namespace tv {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The unit normal of the segment from p0 to p1: its direction turned a quarter turn
// anticlockwise for the left side, clockwise for the right.
TProfilePoint segmentNormal(const TProfilePoint& p0, const TProfilePoint& p1, bool left) {
    const double dx = p1.x - p0.x;
    const double dy = p1.y - p0.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0 && std::isfinite(length))) {
        // The squares under- or overflowed; hypot keeps distinct finite points apart.
        length = std::hypot(dx, dy);
    }
    const double side = left ? 1.0 : -1.0;
    return {side * -dy / length, side * dx / length};
}

double radiusOf(const TProfilePoint& p, Axis axis) {
    return axis == Axis::Y ? p.x : p.y;
}

MeshShell layOut(const ProfileChain& chain, Axis axis, int segments) {
    MeshShell shell;
    shell.closed = chain.closed;
    shell.points = chain.points;
    shell.normal_left = chain.normal_left;
    const size_t count = shell.points.size();
    for (size_t s = 0; s + 1 < count; ++s) {
        shell.segment_normals.push_back(
            segmentNormal(shell.points[s], shell.points[s + 1], shell.normal_left[s]));
    }
    const size_t distinct = count - (shell.closed ? 1 : 0);
    for (size_t p = 0; p < distinct; ++p) {
        const bool on_axis = radiusOf(shell.points[p], axis) == 0.0;
        shell.on_axis.push_back(on_axis ? 1 : 0);
        shell.first_vertex.push_back(shell.vertex_count);
        shell.vertex_count += on_axis ? 1 : static_cast<uint32_t>(segments);
    }
    if (shell.closed) {
        shell.on_axis.push_back(shell.on_axis.front());
        shell.first_vertex.push_back(shell.first_vertex.front());
    }
    for (size_t p = 1; p < count; ++p) {
        shell.triangle_count += uint64_t(shell.on_axis[p - 1] ? 0 : segments) +
                                uint64_t(shell.on_axis[p] ? 0 : segments);
    }
    shell.normal_count = static_cast<uint32_t>(shell.segment_normals.size() * segments);
    return shell;
}

}  // namespace

SolidMesh::SolidMesh(const ProfileModel& profile, Axis axis, int segments,
                     const MeshPlacement& placement)
    : axis_(axis), segments_(std::clamp(segments, 3, kMaxSegments)), placement_(placement) {
    const double angle_step = kTwoPi / segments_;
    for (int o = 0; o < segments_; ++o) {
        cos_.push_back(std::cos(o * angle_step));
        sin_.push_back(std::sin(o * angle_step));
    }
    for (const ProfileChain& chain : chainProfile(profile, axis)) {
        MeshShell shell = layOut(chain, axis, segments_);
        if (shell.triangle_count == 0) {
            continue;
        }
        shell.index = static_cast<int>(shells_.size());
        triangle_count_ += shell.triangle_count;
        shells_.push_back(std::move(shell));
    }
    if (!placement_.print_orientation) {
        return;
    }
    // The lowest view y, computed as the vertices compute it, so that it becomes exactly 0.
    double lowest = std::numeric_limits<double>::infinity();
    for (const MeshShell& shell : shells_) {
        for (const TProfilePoint& p : shell.points) {
            if (axis_ == Axis::Y) {
                lowest = std::min(lowest, p.y);
                continue;
            }
            for (const double c : cos_) {
                lowest = std::min(lowest, p.y * c);
            }
        }
    }
    lift_ = std::isfinite(lowest) ? lowest : 0.0;
}

// Adding zero turns a negative zero into a positive one; nothing else changes.
Vec3 SolidMesh::place(const Vec3& view) const {
    const double s = placement_.scale;
    if (placement_.print_orientation) {
        return {view.x * s + 0.0, -view.z * s + 0.0, (view.y - lift_) * s + 0.0};
    }
    return {view.x * s + 0.0, view.y * s + 0.0, view.z * s + 0.0};
}

// The print orientation turns the view a quarter turn about its x axis, y onto z.
Vec3 SolidMesh::turn(const Vec3& d) const {
    if (placement_.print_orientation) {
        return {d.x + 0.0, -d.z + 0.0, d.y + 0.0};
    }
    return {d.x + 0.0, d.y + 0.0, d.z + 0.0};
}

Vec3 SolidMesh::position(const MeshShell& shell, size_t p, int o) const {
    const TProfilePoint& q = shell.points[p];
    if (axis_ == Axis::Y) {
        return place({q.x * cos_[o], q.y, q.x * sin_[o]});
    }
    return place({q.x, q.y * cos_[o], q.y * sin_[o]});
}

Vec3 SolidMesh::normal(const MeshShell& shell, size_t s, int o) const {
    const TProfilePoint& n = shell.segment_normals[s];
    if (axis_ == Axis::Y) {
        return turn({n.x * cos_[o], n.y, n.x * sin_[o]});
    }
    return turn({n.x, n.y * cos_[o], n.y * sin_[o]});
}

}  // namespace tv
