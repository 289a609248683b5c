// The working data of one frame of the surface of revolution: the scaled profile points,
// each segment's normal and the sine and cosine of every meridian, computed once per frame
// and then read by the emitters of surface_builder.h for every vertex. The workspace is a
// fixed-size block, reused from frame to frame, so building the solid never allocates.
#pragma once

#include <array>
#include <cstdint>

#include "profile/profile_model.h"

namespace tv {

// The largest number of angular steps; a larger request is drawn with this many.
inline constexpr int kMaxSegments = 999;

// What the segment ending at a point contributes to the strips and the normal lines.
enum class SegmentKind : uint8_t {
    kNone,        // the point begins a stroke: no segment ends at it
    kRegular,     // a segment with a unit normal
    kZeroLength,  // its two points coincide: no normal, nothing drawn, the stroke goes on
    kBroken,      // a point or the normal is not finite: nothing drawn, the stroke restarts
};

struct SurfaceFrame {
    // Fills every field from the profile. `segments` of 0 or less leaves nothing to draw
    // (segments == 0); more than kMaxSegments is limited to kMaxSegments.
    void prepare(const ProfileModel& profile, Axis axis, double zoom_factor, int segments);

    Axis axis = Axis::Y;
    int point_count = 0;
    int segments = 0;
    // Point k times the zoom factor, and whether both its coordinates are finite.
    std::array<TProfilePoint, kMaxPoints> scaled_points{};
    std::array<bool, kMaxPoints> point_finite{};
    // The segment from point k - 1 to point k, and its unit normal in the profile plane
    // (computed from the unscaled points; meaningful for kRegular only).
    std::array<SegmentKind, kMaxPoints> segment_kind{};
    std::array<TProfilePoint, kMaxPoints> segment_normal{};
    // cos and sin of o * (2 pi / segments) for meridians o = 0..segments.
    std::array<double, kMaxSegments + 1> meridian_cos{};
    std::array<double, kMaxSegments + 1> meridian_sin{};
};

// The calling thread's workspace, used by the render pass for every frame.
SurfaceFrame& frameWorkspace();

}  // namespace tv
