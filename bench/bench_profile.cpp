#include "bench_profile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace tv::bench {

void fillWavyProfile(ProfileModel& profile, int count) {
    count = std::clamp(count, 0, kMaxPoints);
    std::vector<TProfilePoint> points(count);
    std::vector<int8_t> links(count, kLinkFlipped);
    for (int i = 0; i < count; ++i) {
        const double t = count > 1 ? double(i) / (count - 1) : 0.0;
        points[i] = {1.0 + 0.5 * std::sin(6.0 * std::numbers::pi * t), -0.9 + 1.8 * t};
    }
    if (count > 0) {
        links[0] = kLinkStart;
    }
    profile.replace(count, links.data(), points.data(), false);
}

void fillCanvasProfile(ProfileModel& profile, CanvasProfileKind kind, SurfaceSize size) {
    profile.clear();
    profile.relayout(size, Axis::Y);
    if (kind == CanvasProfileKind::kWavy) {
        fillWavyProfile(profile, kMaxPoints);
        profile.relayout(size, Axis::Y);
        return;
    }
    // The drawing area: the square of side S at the bottom left, inside its 3-pixel border.
    const int s = profile.canvasSize();
    const int left = 3;
    const int right = s - 4;
    const int top = size.height - s + 3;
    const int bottom = size.height - 4;
    std::mt19937 random(9);
    std::uniform_int_distribution<int> across(left, right);
    std::uniform_int_distribution<int> down(top, bottom);
    std::uniform_real_distribution<double> turn(0.0, 2.0 * std::numbers::pi);
    std::vector<int8_t> links(kMaxPoints);
    for (int i = 0; i < kMaxPoints; ++i) {
        links[i] = i == 0 ? kLinkStart : i % 2 ? kLinkLeft : kLinkFlipped;
    }
    const std::vector<TProfilePoint> unused_points(kMaxPoints);
    profile.replace(kMaxPoints, links.data(), unused_points.data(), false);
    PixelPos at{(left + right) / 2, (top + bottom) / 2};
    for (int i = 0; i < kMaxPoints; ++i) {
        if (kind == CanvasProfileKind::kScattered) {
            at = {across(random), down(random)};
        } else {
            const double angle = turn(random);
            at = {std::clamp(at.x + static_cast<int>(std::lround(16.0 * std::cos(angle))), left,
                             right),
                  std::clamp(at.y + static_cast<int>(std::lround(16.0 * std::sin(angle))), top,
                             bottom)};
        }
        profile.point_pixels[i] = at;
    }
}

}  // namespace tv::bench
