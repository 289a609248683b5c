#include "view3d/scene_state.h"

#include <cmath>

namespace tv {

void TSceneState::setColor(int index, uint32_t color) {
    colors[index] = static_cast<int32_t>(color);
    switch (index) {
        case kColorBackground:
            background_rgba = colorToRgba(color);
            return;
        case kColorObject:
            material_diffuse = colorToRgba(color, opacity);
            return;
        case kColorMaterialAmbient:
            material_ambient = colorToRgba(color, opacity);
            return;
        case kColorMaterialSpecular:
            material_specular = colorToRgba(color, opacity);
            return;
        case kColorGlobalAmbient:
            global_ambient = colorToRgba(color);
            return;
        default:
            break;
    }
    // The rest are the lights' colours, three a light.
    const int light = (index - lightDiffuseIndex(0)) / 3;
    if (index == lightDiffuseIndex(light)) {
        light_diffuse[light] = colorToRgba(color);
    } else if (index == lightAmbientIndex(light)) {
        light_ambient[light] = colorToRgba(color);
    } else {
        light_specular[light] = colorToRgba(color);
    }
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
