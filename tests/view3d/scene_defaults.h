// The scene as the editor has it after start-up (the light and material resets run),
// with an opaque background, for tests of the render pass.
#pragma once

#include "view3d/scene_state.h"

namespace tv::test {

inline TSceneState startupScene() {
    TSceneState s;
    s.colors = {0x000000, 0xFF8000, 0x505050, 0x000000, 0x808080, 0xCCCCCC, 0x333333,
                0xFFFFFF, 0,        0,        0,        0,        0,        0};
    s.background_rgba = colorToRgba(0x000000);
    s.global_ambient = colorToRgba(0x808080);
    for (int light = 0; light < kLightCount; ++light) {
        s.light_diffuse[light] = colorToRgba(s.colors[lightDiffuseIndex(light)]);
        s.light_ambient[light] = colorToRgba(s.colors[lightAmbientIndex(light)]);
        s.light_specular[light] = colorToRgba(s.colors[lightSpecularIndex(light)]);
        s.light_on[light] = light == 0;
        s.light_position[light] = light == 0 ? Rgba{-1, 1, 1, 0} : Rgba{0, 0.1f, 1, 0};
        s.spot_direction_steps[light] = {0, 0, -10};
        s.spot_direction[light] = {0, 0, -1};
        s.spot_angle[light] = 45;
        s.spot_cutoff[light] = kNoSpotCutoff;
    }
    s.opacity = 1.0f;
    s.material_diffuse = colorToRgba(0xFF8000, s.opacity);
    s.material_ambient = colorToRgba(0x505050, s.opacity);
    s.material_specular = colorToRgba(0x000000, s.opacity);
    s.material_shininess = 100.0f;
    return s;
}

}  // namespace tv::test
