#include <gtest/gtest.h>

#include "view3d/scene_state.h"

namespace tv {
namespace {

// The OpenGL colour that each entry of the colour table feeds, in table order.
std::array<Rgba, kColorCount> derivedColors(const TSceneState& s) {
    return {s.background_rgba,  s.material_diffuse, s.material_ambient,  s.material_specular,
            s.global_ambient,   s.light_diffuse[0], s.light_ambient[0],  s.light_specular[0],
            s.light_diffuse[1], s.light_ambient[1], s.light_specular[1], s.light_diffuse[2],
            s.light_ambient[2], s.light_specular[2]};
}

TEST(SceneState, EachColourIsStoredWithItsOpenGlFormAndNoOther) {
    for (int index = 0; index < kColorCount; ++index) {
        TSceneState scene;
        scene.opacity = 0.25f;
        scene.setColor(index, 0x336699);
        EXPECT_EQ(scene.colors[index], 0x336699) << index;
        const bool material = index >= kColorObject && index <= kColorMaterialSpecular;
        EXPECT_EQ(derivedColors(scene)[index],
                  (Rgba{0x99 / 255.0f, 0x66 / 255.0f, 0x33 / 255.0f, material ? 0.25f : 1.0f}))
            << index;
        for (int other = 0; other < kColorCount; ++other) {
            if (other != index) {
                EXPECT_EQ(scene.colors[other], 0) << index << " changed " << other;
                EXPECT_EQ(derivedColors(scene)[other], Rgba{}) << index << " changed " << other;
            }
        }
    }
}

}  // namespace
}  // namespace tv
