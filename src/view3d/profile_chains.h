// The profile's segments joined into chains through the points they share: a chain runs
// on through every point where exactly two segments end, whichever strokes they belong to
// and whichever way they were drawn, and stops at a point where one or more than two end.
// A chain that comes back to its first point is closed: it bounds a solid, and every one
// of its segments gets its normal on the side away from the inside of that solid. An open
// chain keeps the side each segment was drawn with.
#pragma once

#include <cstdint>
#include <vector>

#include "profile/profile_model.h"

namespace tv {

struct ProfileChain {
    // The points in running order; a closed chain repeats its first point at the end.
    // Points are compared by value, so equal points drawn apart are one point here.
    std::vector<TProfilePoint> points;
    // For the segment from points[i] to points[i + 1]: 1 when its normal lies on the left
    // of the running direction (as seen with y up), 0 when on the right.
    std::vector<uint8_t> normal_left;
    bool closed = false;
};

// The chains in the order of their first drawn segment. Segments of zero length or with a
// point that is not finite take no part. For a closed chain, the side away from the
// inside is the one that gives the solid turned about `axis` a positive volume.
std::vector<ProfileChain> chainProfile(const ProfileModel& profile, Axis axis);

// Sum over the chain's segments of (h1 - h0)(r0^2 + r0 r1 + r1^2), with r the distance from
// `axis` and h the position along it: the solid's volume, up to a positive factor, with the
// sign of the direction the chain runs.
double turnedVolumeSum(const ProfileChain& chain, Axis axis);

}  // namespace tv
