#include "bench_profile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tv::bench {

void fillWavyProfile(ProfileModel& profile, int count) {
    profile.point_count = static_cast<uint16_t>(std::clamp(count, 0, kMaxPoints));
    for (int i = 0; i < profile.point_count; ++i) {
        const double t = profile.point_count > 1 ? double(i) / (profile.point_count - 1) : 0.0;
        profile.points[i] = {1.0 + 0.5 * std::sin(6.0 * std::numbers::pi * t), -0.9 + 1.8 * t};
        profile.point_links[i] = i == 0 ? kLinkStart : kLinkFlipped;
    }
}

}  // namespace tv::bench
