#include "view3d/scene_state.h"

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

}  // namespace tv
