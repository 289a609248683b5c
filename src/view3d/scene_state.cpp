#include "view3d/scene_state.h"

#include <cmath>

namespace tv {

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
