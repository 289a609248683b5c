// Everything apart from the profile that decides what the 3D view shows: the view
// transform, the colour table with the OpenGL colours derived from it, three lights
// and the material. Lights are indexed 0..2 here (light 1 of the user's view is 0).
#pragma once

#include <array>
#include <cstdint>

#include "view3d/scene_controls.h"

namespace tv {

using Rgba = std::array<float, 4>;
using Matrix4 = std::array<double, 16>;  // OpenGL column-major: [4 * column + row]

inline constexpr int kLightCount = 3;
inline constexpr int kColorCount = 14;

// Indices into TSceneState::colors.
enum ColorIndex : int {
    kColorBackground = 0,
    kColorObject = 1,  // also the material's diffuse colour
    kColorMaterialAmbient = 2,
    kColorMaterialSpecular = 3,
    kColorGlobalAmbient = 4,
};
// Diffuse, ambient and specular colour of light `light` (0..2).
constexpr int lightDiffuseIndex(int light) {
    return 5 + 3 * light;
}
constexpr int lightAmbientIndex(int light) {
    return 6 + 3 * light;
}
constexpr int lightSpecularIndex(int light) {
    return 7 + 3 * light;
}

// The colour table after start-up, and what the resets of the 3D settings restore: a black
// background, a blue object with a grey ambient and no specular colour, a grey global
// ambient light, light 1 light grey with a dark ambient and a white specular colour,
// lights 2 and 3 black.
inline constexpr std::array<int32_t, kColorCount> kDefaultColors = [] {
    std::array<int32_t, kColorCount> colors{};
    colors[kColorBackground] = 0x000000;
    colors[kColorObject] = 0xFF8000;
    colors[kColorMaterialAmbient] = 0x505050;
    colors[kColorMaterialSpecular] = 0x000000;
    colors[kColorGlobalAmbient] = 0x808080;
    colors[lightDiffuseIndex(0)] = 0xCCCCCC;
    colors[lightAmbientIndex(0)] = 0x333333;
    colors[lightSpecularIndex(0)] = 0xFFFFFF;
    return colors;
}();

// Entry `index` of kDefaultColors as the colour value a colour button holds.
constexpr uint32_t defaultColor(int index) {
    return static_cast<uint32_t>(kDefaultColors[index]);
}

inline constexpr Matrix4 kIdentityMatrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// A colour value 0x00BBGGRR as OpenGL takes it: each byte / 255, with the given alpha.
constexpr Rgba colorToRgba(uint32_t color, float alpha = 1.0f) {
    return {static_cast<float>(color & 0xFFu) / 255.0f,
            static_cast<float>((color >> 8) & 0xFFu) / 255.0f,
            static_cast<float>((color >> 16) & 0xFFu) / 255.0f, alpha};
}

// A new scene has the view transform of the controls' default positions; the rest is
// zero until the light and material resets fill it.
struct TSceneState {
    // View transform.
    double zoom_factor = zoomFactor(kDefaultZoomPosition);
    double position_x = moveOffset(0, kDefaultMovePositions[0]);
    double position_y = moveOffset(1, kDefaultMovePositions[1]);
    double position_z = moveOffset(2, kDefaultMovePositions[2]);
    float rotate_step_x = 0.0f;
    float rotate_step_y = 0.0f;
    float rotate_step_z = 0.0f;
    float rotate_speed_x = rotateSpeed(0, kDefaultRotatePositions[0]);
    float rotate_speed_y = rotateSpeed(1, kDefaultRotatePositions[1]);
    float rotate_speed_z = rotateSpeed(2, kDefaultRotatePositions[2]);
    Matrix4 rotation_matrix = kIdentityMatrix;

    // Colour table and the colours derived from it.
    std::array<int32_t, kColorCount> colors{};
    Rgba background_rgba{};
    Rgba global_ambient{};
    std::array<Rgba, kLightCount> light_diffuse{};
    std::array<Rgba, kLightCount> light_ambient{};
    std::array<Rgba, kLightCount> light_specular{};
    Rgba material_diffuse{};
    Rgba material_ambient{};
    Rgba material_specular{};

    // Lights.
    std::array<bool, kLightCount> light_on{};
    std::array<Rgba, kLightCount> light_position{};  // x, y, z, w (0 directional, 1 positioned)
    std::array<bool, kLightCount> light_rotated{};
    std::array<bool, kLightCount> light_indicated{};
    std::array<std::array<int32_t, 3>, kLightCount> spot_direction_steps{};
    std::array<std::array<float, 3>, kLightCount> spot_direction{};
    std::array<int32_t, kLightCount> spot_angle{};
    std::array<float, kLightCount> spot_cutoff{};

    // Material.
    float material_shininess = 0.0f;
    float opacity = 0.0f;

    // Stores entry `index` of the colour table (0x00BBGGRR) together with the OpenGL colour
    // derived from it; the material's colours take the current opacity as their alpha.
    void setColor(int index, uint32_t color);

    friend bool operator==(const TSceneState&, const TSceneState&) = default;
};

}  // namespace tv
