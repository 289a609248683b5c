#include "view3d/scene_controls.h"

#include <cmath>

namespace tv {

int32_t lightTrackPosition(int axis, float coordinate) {
    const float value = axis == 1 ? -coordinate : coordinate;
    const double position = std::nearbyint(static_cast<double>(value) * 10.0);
    if (!(position >= kLightPositionRange.min)) {
        return kLightPositionRange.min;
    }
    if (position > kLightPositionRange.max) {
        return kLightPositionRange.max;
    }
    return static_cast<int32_t>(position);
}

std::array<float, 3> spotDirectionFromSteps(const std::array<int32_t, 3>& steps) {
    const int64_t sum =
        int64_t{steps[0]} * steps[0] + int64_t{steps[1]} * steps[1] + int64_t{steps[2]} * steps[2];
    if (sum == 0) {
        return {0.0f, 0.0f, -1.0f};
    }
    const double n = std::sqrt(static_cast<double>(sum));
    return {static_cast<float>(steps[0] / n), static_cast<float>(-steps[1] / n),
            static_cast<float>(steps[2] / n)};
}

}  // namespace tv
