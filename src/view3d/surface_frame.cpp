#include "view3d/surface_frame.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tv {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

bool finite(TProfilePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The segment from `from` to `to` with link mark `link`: its normal is the direction
// turned a quarter turn anticlockwise, flipped for a negative link.
SegmentKind segmentNormal(TProfilePoint from, TProfilePoint to, int8_t link,
                          TProfilePoint& normal) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0 && std::isfinite(length))) {
        // The squares under- or overflowed; hypot keeps distinct finite points apart.
        length = std::hypot(dx, dy);
    }
    if (length == 0.0) {
        return SegmentKind::kZeroLength;
    }
    const double side = link > 0 ? 1.0 : -1.0;
    normal = {side * -dy / length, side * dx / length};
    return finite(normal) ? SegmentKind::kRegular : SegmentKind::kBroken;
}

}  // namespace

void SurfaceFrame::prepare(const ProfileModel& profile, Axis new_axis, double zoom_factor,
                           int new_segments) {
    axis = new_axis;
    point_count = profile.pointCount();
    segments = std::clamp(new_segments, 0, kMaxSegments);

    if (segments > 0) {
        const double angle_step = kTwoPi / segments;
        for (int o = 0; o <= segments; ++o) {
            const double theta = o * angle_step;
            meridian_cos[o] = std::cos(theta);
            meridian_sin[o] = std::sin(theta);
        }
    }

    for (int k = 0; k < point_count; ++k) {
        const TProfilePoint& p = profile.points[k];
        scaled_points[k] = {p.x * zoom_factor, p.y * zoom_factor};
        point_finite[k] = finite(scaled_points[k]);
    }

    for (int k = 0; k < point_count; ++k) {
        const int8_t link = profile.link(k);
        if (link == kLinkStart) {
            segment_kind[k] = SegmentKind::kNone;
        } else if (!point_finite[k - 1] || !point_finite[k]) {
            segment_kind[k] = SegmentKind::kBroken;
        } else {
            segment_kind[k] =
                segmentNormal(profile.points[k - 1], profile.points[k], link, segment_normal[k]);
        }
    }
}

SurfaceFrame& frameWorkspace() {
    thread_local SurfaceFrame workspace;
    return workspace;
}

}  // namespace tv
